// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/conjunction.h"

#include "astro/date2.h"
#include "catalog/systeme.h"
#include "gfx/canvas.h"
#include "gfx/dessine_date.h"
#include "gfx/parametre_affichage.h"
#include "views/time_span.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

namespace conjunction {

namespace {

constexpr gfx::Rgb kLightGrey = gfx::rgb(200, 200, 200);

bool isEarth(const char* name) {
    return std::strcmp(name, "Terre") == 0;
}

double signedDegrees(double a_deg) {
    while (a_deg > 180)
        a_deg -= 360;
    while (a_deg < -180)
        a_deg += 360;
    return a_deg;
}

} // namespace

Columns columnsFor(int W) {
    return Columns{W / 2, (W * 2) / 5};
}

int columnOf(double sunRa_deg, double planetRa_deg, const Columns& c) {
    double s = sunRa_deg;
    if (s > 180) s -= 360;
    const double e = signedDegrees(s - planetRa_deg);
    return static_cast<int>(e * 2 * c.halfWidth / 360 + c.centre);
}

int penOfPlanet(const char* name) {
    static const struct {
        const char* name;
        int pen;
    } kPens[] = {{"Mercure", 13}, {"Venus", 1},  {"Mars", 7},     {"Jupiter", 2},
                 {"Saturne", 8},  {"Uranus", 9}, {"Neptune", 10}, {"Pluton", 11}};
    for (const auto& p : kPens)
        if (std::strcmp(name, p.name) == 0) return p.pen;
    return -1;
}

void drawConjunctionGraph(gfx::Canvas& canvas, systeme& sys, const date2& start, const date2& end,
                          const ParametreAffichage& o, int W, int H) {
    const Columns c = columnsFor(W);
    const int u = c.centre, w = c.halfWidth;
    const bool saved = o.whiteScheme;
    const bool blackWhite = o.whiteScheme && o.saveBlackWhite;

    // Frame and the Sun's line.
    canvas.selectBrush(saved ? 1 : 3);
    canvas.selectPen(saved ? 0 : 2);
    canvas.rectangle(4, 30, W - 4, H - 5);
    canvas.selectPen(blackWhite ? 0 : 6);
    canvas.line(u, 31, u, H - 6);
    canvas.line(u + 1, 31, u + 1, H - 6);

    // The curves, one row per step; every track starts at the Sun's column.
    const int step = timespan::stepHours(start, end);
    const int n = sys.planetCount();
    std::vector<int> previous(static_cast<size_t>(n), u);
    date2 at = start;
    for (int y = 31; y < H - 5; ++y) {
        at.ajouteHeures(step);
        sys.computePositions(at, false);
        const double sunRa = sys.sun()->ra;
        int pen = blackWhite ? 0 : 2;
        for (int i = 0; i < n; ++i) {
            const planete* p = sys.planet(i);
            int x = columnOf(sunRa, p->ra, c);
            if (!blackWhite)
                if (const int own = penOfPlanet(p->nom); own >= 0) pen = own;
            int& prev = previous[static_cast<size_t>(i)];
            // Across +-180 degrees the segment starts at the opposite edge instead of crossing.
            if (x < u - w + 30 && prev > u + w - 30) prev = u - w;
            if (x > u + w - 30 && prev < u - w + 30) prev = u + w;
            if (!isEarth(p->nom)) {
                canvas.selectPen(pen);
                canvas.line(prev, y - 1, x, y);
            }
            prev = x;
        }
    }
    canvas.selectPen(saved ? 0 : 2);
    canvas.line(4, 30, W - 5, 30);

    // Legend and edge labels.
    canvas.setBackgroundMode(gfx::BackgroundMode::Transparent);
    // Inside the black graph the labels are light; the legend panel beside it is light grey.
    canvas.setTextColour(saved ? gfx::rgb(0, 0, 0) : kLightGrey);
    canvas.textOut(6, 45, "-180\xB0");
    canvas.textOut(W - 40, 45, "+180\xB0");
    canvas.textOut(6, H / 2, "East");
    canvas.textOut(W - 55, H / 2, "West");
    canvas.setTextColour(gfx::rgb(0, 0, 0));
    canvas.textOut(W + 50, 5, "LEGEND");
    int k = 0;
    int pen = blackWhite ? 0 : 2;
    for (int i = 0; i < n; ++i) {
        const planete* p = sys.planet(i);
        if (isEarth(p->nom)) {
            k = 1;
            continue;
        }
        if (!blackWhite)
            if (const int own = penOfPlanet(p->nom); own >= 0) pen = own;
        const int y = H / 4 + (i - k) * 35;
        canvas.selectPen(pen);
        canvas.line(W + 20, y, W + 40, y);
        canvas.textOut(W + 50, y - 5, p->nom);
    }
    canvas.selectPen(saved ? 0 : 2);
    canvas.line(6, 31, W - 6, 31);

    // The dates of the first and the last row.
    canvas.setBackgroundMode(gfx::BackgroundMode::Opaque);
    canvas.setBackgroundColour(saved ? gfx::rgb(255, 255, 255) : gfx::rgb(0, 0, 0));
    gfx::dessineDate(canvas, start, 6, 31, saved);
    gfx::dessineDate(canvas, end, 6, H - 19, saved);
}

std::string pointedDateText(const date2& d) {
    char text[80];
    std::snprintf(text, sizeof text, "%s : %d/%d/%d   ", "Pointed date", d.jour, d.mois, d.annee);
    return text;
}

void showConjunctionPointedDate(gfx::Canvas& canvas, const date2& start, const date2& end, int y, int W,
                                int H) {
    const date2 d = timespan::dateAtRow(start, end, y, timespan::conjunctionRows(H));
    canvas.setBackgroundMode(gfx::BackgroundMode::Opaque);
    canvas.setBackgroundColour(kLightGrey);
    canvas.setTextColour(gfx::rgb(0, 0, 0));
    canvas.textOut(W + 30, 30, pointedDateText(d));
}

} // namespace conjunction
