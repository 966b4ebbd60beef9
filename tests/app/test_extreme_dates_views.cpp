// SPDX-License-Identifier: GPL-3.0-or-later
// Every view of the window painted over the whole date range (years -100 to 3000): the back
// buffer is a recording canvas, and no drawing call gets a coordinate that a NaN or an overflow
// would give, no text shows "nan" or "inf", and every screen point the paint stores in the model
// is sound. Paints are every 997 days (every 4987 in the sanitizer build), so that the dates visit
// every season and time of the month; the positions and sky pixels every 10 days are checked
// without the canvas in tests/cli/test_extreme_dates.cpp.
#include "app/application.h"
#include "app/window.h"
#include "catalog/prompter.h"
#include "gfx/recording_canvas.h"
#include "view_soak.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <cstring>
#include <memory>
#include <string>

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr int kPaintStepDays = 4987;
#else
constexpr int kPaintStepDays = 997;
#endif

// A drawn coordinate beyond this is the mark of a NaN or an overflow turned into an integer
// (INT_MIN), not of a point just off the window.
constexpr int kCoordinateLimit = 1 << 20;

bool hasNonFiniteWord(const std::string& text) {
    for (size_t k = 0; k < text.size(); ++k) {
        if (k > 0 && std::isalpha(static_cast<unsigned char>(text[k - 1]))) continue;
        for (const char* word : {"nan", "inf"}) {
            if (strncasecmp(text.c_str() + k, word, 3) != 0) continue;
            size_t end = k + 3;
            if (word[0] == 'i' && strncasecmp(text.c_str() + end, "inity", 5) == 0) end += 5;
            if (end >= text.size() || !std::isalpha(static_cast<unsigned char>(text[end]))) return true;
        }
    }
    return false;
}

bool sound(int x, int y) {
    return std::abs(x) < kCoordinateLimit && std::abs(y) < kCoordinateLimit;
}

std::string dateText(const date2& d) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%d-%02d-%02d %02dh", d.annee, d.mois, d.jour, d.heure);
    return buf;
}

// What is wrong with the last paint, "" when nothing is.
std::string problemsOf(const gfx::RecordingCanvas& canvas, const systeme& sys) {
    for (const gfx::DrawCall& call : canvas.calls()) {
        for (const gfx::Point& p : call.points)
            if (!sound(p.x, p.y))
                return "drawing call " + std::to_string(int(call.kind)) + " at " + std::to_string(p.x) + "," +
                       std::to_string(p.y) + (call.text.empty() ? "" : " text '" + call.text + "'");
        if (call.kind == gfx::DrawCall::Kind::Text && hasNonFiniteWord(call.text))
            return "text '" + call.text + "'";
    }
    const auto body = [](const objetceleste* b) -> std::string {
        if (!b) return "";
        if (!sound(b->screenX, b->screenY))
            return std::string(b->nom) + " stored at " + std::to_string(b->screenX) + "," +
                   std::to_string(b->screenY);
        for (double v : {b->dec, b->ra, b->delta})
            if (!std::isfinite(v)) return std::string(b->nom) + " has a position that is not finite";
        return "";
    };
    std::string why = body(sys.sun());
    for (int k = 0; k < sys.planetCount() && why.empty(); ++k) {
        const planete* p = sys.planet(k);
        why = body(p);
        for (int j = 0; p && j < p->satelliteCount() && why.empty(); ++j)
            why = body(p->getSatellite(j));
    }
    for (int k = 0; k < sys.cometCount() && why.empty(); ++k)
        if (sys.comets[k] && !sound(sys.comets[k]->screenX, sys.comets[k]->screenY))
            why = std::string(sys.comets[k]->nom) + " stored at a wild point";
    for (int k = 0; k < sys.constellationCount() && why.empty(); ++k)
        for (int j = 0; j < sys.constellation(k)->nbStars && why.empty(); ++j)
            if (const etoile* s = sys.constellation(k)->star(j); s && !sound(s->screenX, s->screenY))
                why = std::string("a star of ") + sys.constellation(k)->nom + " stored at a wild point";
    for (int k = 0; k < sys.deepSkyCount() && why.empty(); ++k)
        if (const ngc* n = sys.deepSky(k); n && !sound(n->screenX, n->screenY))
            why = std::string(n->designation) + " stored at a wild point";
    for (int k = 0; k < kSatellCount && why.empty(); ++k)
        for (int j = 0; j < 8; j += 2)
            if (!sound(sys.satell(k)->pos[j], sys.satell(k)->pos[j + 1]))
                why = std::string(sys.satell(k)->nom) + " kept at a wild point";
    return why;
}

TEST(ExtremeDatesViews, EveryViewPaintsSoundlyOverTheWholeDateRange) {
    RecordingPrompter prompter;
    MainFrame main(&prompter);
    ASSERT_TRUE(main.create());
    TPlanetariumWindow& w = *main.window();
    w.onSize(TPlanetariumWindow::kInitialWidth, TPlanetariumWindow::kInitialHeight);
    // The back buffer becomes a recording canvas; the window draws into it as into its own.
    auto recording = std::make_unique<gfx::RecordingCanvas>(TPlanetariumWindow::kBufferWidth,
                                                            TPlanetariumWindow::kBufferHeight);
    gfx::RecordingCanvas& canvas = *recording;
    w.memDC[0] = std::move(recording);
    w.sys->clientDC = w.memDC[0].get();
    canvas.selectFont(gfx::FontId::Arial14);

    date2 first;
    first.annee = -100;
    first.mois = 1;
    first.jour = 1;
    first.heure = 22;
    first.calculeT();
    date2 last = first;
    last.annee = 3000;
    last.mois = 12;
    last.jour = 31;
    last.calculeT();

    for (int view : soak::kViews) {
        SCOPED_TRACE("view " + std::to_string(view));
        ASSERT_TRUE(soak::enterView(w, view));
        w.skyRunning = w.helioRunning = w.satRunning = false;
        // The views of a time span keep the span they were opened with.
        const long double span = w.endDate->t - w.date->t;
        int paints = 0, failures = 0;
        for (long n = 0;; ++n) {
            date2 d = first;
            d.t = first.t + n * (kPaintStepDays / 36525.0L);
            if (d.t > last.t) d = last;
            d.calculeCalendrier();
            *w.date = d;
            w.endDate->t = d.t + span;
            w.endDate->calculeCalendrier();
            w.saturnTablesDirty = true;
            canvas.clearCalls();
            const int before = w.redrawCount();
            w.redraw();
            ASSERT_EQ(w.view, view);
            ASSERT_GT(w.redrawCount(), before);
            ++paints;
            const std::string why = problemsOf(canvas, *w.sys);
            if (!why.empty() && failures++ < 3) ADD_FAILURE() << dateText(d) << ": " << why;
            if (d.t >= last.t) break;
        }
        // The widest spans: the dialogs' whole range of years, and the span a satellite animation
        // carries beyond it (it moves both ends until the start reaches 3000).
        if (view >= 30) {
            const struct { int fromYear, toYear; } spans[] = {{-100, 2999}, {2999, 6099}};
            for (const auto& s : spans) {
                date2 from = first, to = first;
                from.annee = s.fromYear;
                to.annee = s.toYear;
                to.mois = 12;
                to.jour = 31;
                from.calculeT();
                to.calculeT();
                *w.date = from;
                *w.endDate = to;
                w.saturnTablesDirty = true;
                canvas.clearCalls();
                w.redraw();
                const std::string why = problemsOf(canvas, *w.sys);
                if (!why.empty() && failures++ < 3)
                    ADD_FAILURE() << "span " << s.fromYear << " to " << s.toYear << ": " << why;
            }
        }
        EXPECT_EQ(failures, 0);
        EXPECT_GT(paints, 1132619 / kPaintStepDays);
    }
}

} // namespace
