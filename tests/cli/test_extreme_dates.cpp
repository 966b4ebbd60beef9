// SPDX-License-Identifier: GPL-3.0-or-later
// The whole date range the program offers (years -100 to 3000) every 10 days: the positions
// command's CSV, the model's positions, the position report lines and the pixels of the five sky
// projections stay finite and sound. The window's paints of every view over the same range are in
// tests/app/test_extreme_dates_views.cpp.
#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "astro/angles.h"
#include "astro/date2.h"
#include "catalog/systeme.h"
#include "cli/model_loading.h"
#include "cli/positions.h"
#include "reports/position.h"
#include "skymap/projection.h"

namespace {

// Every 10 days; the sanitizer build, several times slower, takes every 50th day.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kStepDays = 50;
#else
constexpr int kStepDays = 10;
#endif
// JD 1684532.5 (-100 January 1, Julian calendar) to JD 2817151.5 (3000 December 31,
// Gregorian): 1,132,619 days.
constexpr long kRangeDays = 1132619;
constexpr long kDates = kRangeDays / kStepDays + 1;

date2 firstDate() {
    date2 d;
    d.annee = -100;
    d.mois = 1;
    d.jour = 1;
    d.calculeT();
    return d;
}
date2 lastDate() {
    date2 d;
    d.annee = 3000;
    d.mois = 12;
    d.jour = 31;
    d.calculeT();
    return d;
}

// Calls `visit` with every date from the first to the last day of the range, 10 days apart (each
// from the first date plus k steps, so no rounding accumulates). Returns the number of dates.
template <class Visit> long forEachDate(Visit visit) {
    const date2 first = firstDate(), last = lastDate();
    const long double step_c = kStepDays / 36525.0L;
    long n = 0;
    for (date2 d = first; d.t <= last.t + 1e-12L; d.t = first.t + (++n) * step_c) {
        d.calculeCalendrier();
        visit(d);
    }
    return n;
}

// "nan", "-nan", "inf" or "infinity" as a word of its own: what printf and to_chars write for
// values that are not finite.
bool hasNonFiniteWord(const std::string& text) {
    for (size_t k = 0; k < text.size(); ++k) {
        if (k > 0 && std::isalpha(static_cast<unsigned char>(text[k - 1]))) continue;
        for (const char* word : {"nan", "inf"}) {
            if (strncasecmp(text.c_str() + k, word, 3) != 0) continue;
            size_t end = k + 3;
            if (std::strncmp(word, "inf", 3) == 0 && strncasecmp(text.c_str() + end, "inity", 5) == 0)
                end += 5;
            if (end >= text.size() || !std::isalpha(static_cast<unsigned char>(text[end]))) return true;
        }
    }
    return false;
}

TEST(ExtremeDates, TheWordFinderSeesWhatPrintfWritesForNonFiniteValues) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "RA %f", std::nan(""));
    EXPECT_TRUE(hasNonFiniteWord(buf));
    std::snprintf(buf, sizeof buf, "%3.4lf AU", -HUGE_VAL);
    EXPECT_TRUE(hasNonFiniteWord(buf));
    EXPECT_TRUE(hasNonFiniteWord("Infinity"));
    EXPECT_FALSE(hasNonFiniteWord("Information, Nantes, Saturn infrared 12.5"));
}

// Checks the CSV of the positions command line by line as it is written (a FILE whose writes
// land here), so the 2 million rows of the range are never stored.
struct CsvChecker {
    std::string pending;
    long rows = 0, badRows = 0, instants = 0;
    std::string lastWhen, firstBad;
    int minYear = 1 << 30, maxYear = -(1 << 30);

    void line(const std::string& l) {
        if (l.rfind("date_utc,", 0) == 0) return;
        ++rows;
        std::vector<std::string> cells;
        size_t start = 0;
        for (size_t comma; (comma = l.find(',', start)) != std::string::npos; start = comma + 1)
            cells.push_back(l.substr(start, comma - start));
        cells.push_back(l.substr(start));
        bool ok = cells.size() == 8 && !hasNonFiniteWord(l);
        for (size_t c = 2; ok && c < cells.size(); ++c) {
            char* end = nullptr;
            const double v = std::strtod(cells[c].c_str(), &end);
            ok = end && *end == '\0' && end != cells[c].c_str() && std::isfinite(v);
        }
        if (!ok && badRows++ == 0) firstBad = l;
        if (!cells.empty() && cells[0] != lastWhen) {
            lastWhen = cells[0];
            ++instants;
            const int year = std::atoi(cells[0].c_str());
            minYear = std::min(minYear, year);
            maxYear = std::max(maxYear, year);
        }
    }
    static ssize_t write(void* self, const char* data, size_t size) {
        auto& c = *static_cast<CsvChecker*>(self);
        c.pending.append(data, size);
        size_t start = 0;
        for (size_t nl; (nl = c.pending.find('\n', start)) != std::string::npos; start = nl + 1)
            c.line(c.pending.substr(start, nl - start));
        c.pending.erase(0, start);
        return static_cast<ssize_t>(size);
    }
};

TEST(ExtremeDates, PositionsCommandWritesFiniteNumbersOverTheWholeRange) {
    CsvChecker checker;
    cookie_io_functions_t io{};
    io.write = &CsvChecker::write;
    std::FILE* out = fopencookie(&checker, "w", io);
    ASSERT_NE(out, nullptr);
    std::FILE* err = std::tmpfile();
    const int status = positionsCommand({"--from", "-0100-01-01T00:00", "--to", "3000-12-31T00:00", "--step",
                                         std::to_string(kStepDays) + "d", "--data", NALVO_SOURCE_DATA_DIR},
                                        out, err);
    std::fclose(out);
    std::string why(512, '\0');
    std::rewind(err);
    why.resize(std::fread(why.data(), 1, why.size(), err));
    std::fclose(err);
    ASSERT_EQ(status, 0) << why;
    EXPECT_EQ(checker.instants, kDates);
    EXPECT_EQ(checker.minYear, -100);
    EXPECT_EQ(checker.maxYear, 3000);
    EXPECT_GT(checker.rows, checker.instants * 10); // the Sun, nine planets and their satellites
    EXPECT_EQ(checker.badRows, 0) << "first: " << checker.firstBad;
}

systeme& shippedModel() {
    static systeme model;
    static const std::string reason = [] {
        std::string sysPath;
        return loadCommandModel(model, NALVO_SOURCE_DATA_DIR, sysPath);
    }();
    EXPECT_EQ(reason, "");
    return model;
}

bool finiteBody(const objetceleste& b) {
    for (double v : {b.beta, b.lambda, b.r, b.dec, b.ra, b.delta})
        if (!std::isfinite(v)) return false;
    return b.dec >= -90 && b.dec <= 90 && b.ra >= 0 && b.ra <= 360 && b.delta >= 0;
}

std::string when(const date2& d) {
    return formatUtcDate(d);
}

// Every 10 days: the calendar fields, the model's positions of the Sun, the planets and their
// satellites, and the pixels of the five sky projections for the Sun, the planets and the Moon in
// the window's default layout (780 x 500 client, legend shown) and default windows at the place of
// the shipped settings: finite horizontal coordinates, a shown point inside the client area. The
// position dialog's line of every body every 100 days (it recomputes the body).
TEST(ExtremeDates, ModelPositionsPixelsAndReportLinesStaySoundEveryTenDays) {
    systeme& sys = shippedModel();
    ASSERT_EQ(sys.planetCount(), 9);
    const std::vector<std::string> names = reports::positionObjectNames(sys);
    ASSERT_GT(names.size(), 10u);
    using namespace skymap;
    const MapGeometry g = geometryForSize(780, 500);
    const double lon = sys.longitude, lat = sys.latitude;
    const ProjectionFrame frames[5] = {
        equidistantFrame(g, DiscZoom{}, lat, lon),
        azimutalFrame(prepareAzimutal(300, 60, -5, 15), g),
        circularFrame(g, DiscZoom{}),
        quadraticFrame(prepareQuadratic(0, 90, 360, -90), g, false),
        quadraticFrame(prepareQuadratic(0, 90, 360, -90), g, true),
    };
    long bad = 0, badCalendar = 0, badReport = 0, badPixel = 0, shown[5] = {};
    std::string first, firstPixel;
    const long dates = forEachDate([&](const date2& d) {
        if (d.mois < 1 || d.mois > 12 || d.jour < 1 || d.jour > daysInMonth(d.mois, d.annee) ||
            d.heure != 0 || d.minute != 0 || d.annee < -100 || d.annee > 3000) {
            if (badCalendar++ == 0)
                ADD_FAILURE() << "calendar fields of t = " << double(d.t) << ": " << when(d);
        }
        sys.computePositions(d, true);
        const double theta = siderealTime(d);
        const auto project = [&](const objetceleste& b) {
            for (int k = 0; k < 5; ++k) {
                const ProjectionFrame& f = frames[k];
                // The equidistant map is drawn for the pole observer of the place's hemisphere.
                const bool pole = f.kind == ProjectionKind::Equidistant;
                const double oLon = pole ? 0 : lon, oLat = pole ? (lat >= 0 ? 90 : -90) : lat;
                const double alt = altitudeOf(oLon, oLat, b.dec, b.ra, theta);
                const double az = azimuthOf(oLon, oLat, b.dec, b.ra, theta);
                const auto p = projectSky(f, alt, az, b.dec, b.ra);
                const bool ok = std::isfinite(alt) && std::isfinite(az) && alt >= -90 && alt <= 90 &&
                                az >= 0 && az < 360 &&
                                (!p || (p->x >= 0 && p->x <= 780 && p->y >= 0 && p->y <= 500));
                if (p) ++shown[k];
                if (!ok && badPixel++ == 0)
                    firstPixel = when(d) + " " + b.nom + " projection " + std::to_string(k) + " alt " +
                                 std::to_string(alt) + " az " + std::to_string(az) +
                                 (p ? " at " + std::to_string(p->x) + "," + std::to_string(p->y) : "");
            }
        };
        const auto check = [&](const objetceleste* b, bool drawn) {
            if (!b) return;
            if (!finiteBody(*b)) {
                if (bad++ == 0)
                    first = when(d) + " " + b->nom + " ra " + std::to_string(b->ra) + " dec " +
                            std::to_string(b->dec) + " delta " + std::to_string(b->delta);
                return;
            }
            if (drawn) project(*b);
        };
        check(sys.sun(), true);
        for (int k = 0; k < sys.planetCount(); ++k) {
            const planete* p = sys.planet(k);
            if (!p) continue;
            const bool earth = std::strcmp(p->nom, "Terre") == 0;
            if (!earth) check(p, true);
            // The sky map draws the Earth's satellite, the Moon; the others are drawn by their views.
            for (int j = 0; j < p->satelliteCount(); ++j)
                check(p->getSatellite(j), earth && j == 0);
        }
        if (std::lround(double(d.t - firstDate().t) * 36525.0) % 100 != 0) return;
        for (size_t k = 0; k < names.size(); ++k) {
            reports::PositionValues values;
            if (!reports::computePosition(sys, d, static_cast<int>(k), values)) continue;
            const std::string line = reports::positionLine(names[k], d, values);
            if (hasNonFiniteWord(line) && badReport++ == 0) ADD_FAILURE() << "report line: " << line;
        }
    });
    EXPECT_EQ(dates, kDates);
    EXPECT_EQ(bad, 0) << "first: " << first;
    EXPECT_EQ(badCalendar, 0);
    EXPECT_EQ(badReport, 0);
    EXPECT_EQ(badPixel, 0) << "first: " << firstPixel;
    // Every projection showed bodies: the rectangular maps the whole sky, the discs about half of
    // it, the azimuthal window a band of 20 by 120 degrees near the horizon.
    for (int k = 0; k < 5; ++k)
        EXPECT_GT(shown[k], k == 1 ? kDates / 10 : kDates) << "projection " << k;
}

} // namespace
