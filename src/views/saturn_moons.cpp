// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/saturn_moons.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "astro/planets.h"
#include "astro/satellites.h"
#include "catalog/systeme.h"
#include "views/jupiter.h"
#include "views/view_pictures.h"

namespace views {

namespace {
void setPos(systeme& sys, int i, int slot, int x, int y) {
    if (satell* r = sys.satell(4 + i)) {
        r->pos[2 * slot] = x;
        r->pos[2 * slot + 1] = y;
    }
}

int colourOf(int i, const SatelliteScene& s) {
    return s.blackWhite ? 0 : satelliteColour(i, s);
}

// Saturn seen from the Earth at `date` (on a copy: the model keeps its instant): its direction
// turns the moons' longitudes to the Earth, its distance gives the light time.
struct SaturnSight {
    double ra = 0, dec = 0, delta = 0;
};
SaturnSight saturnSight(const systeme& sys, const date2& date) {
    for (int k = 0; k < sys.planetCount(); ++k) {
        const planete* p = sys.planet(k);
        if (p && std::strcmp(p->nom, "Saturne") == 0 && sys.sun()) {
            planete saturn = *p;
            planetPosition(saturn, date, *sys.sun());
            return {saturn.ra, saturn.dec, saturn.delta};
        }
    }
    return {};
}

void graph(gfx::Canvas& c, const SatelliteScene& s, systeme& sys, bool initialise) {
    const int cw = s.clientWidth, H = s.clientHeight, W = s.mapWidth;
    const int E = cw / 4, S2 = static_cast<int>(cw * 2 / 3.0), top = kGraphTop, bottom = graphBottom(H);
    c.selectBrush(s.saving ? 1 : 3);
    c.selectPen(s.saving ? 0 : 2);
    c.rectangle(4, top - 20, 2 * E - 4, top + 1);
    c.rectangle(4, bottom - 1, 2 * E - 4, bottom + 20);
    c.rectangle(4, top, 2 * E - 4, bottom);
    c.selectBrush(s.blackWhite ? 0 : 6);
    c.selectPen(s.blackWhite ? 0 : 6);
    c.rectangle(static_cast<int>(E - S2 * 0.5 / 29), top + 1, static_cast<int>(E + S2 * 0.5 / 29) + 1,
                bottom - 1);

    SatelliteTable& table = sys.satelliteTable;
    if (bottom > top) {
        const long double step = (s.end.t - s.start.t) / (bottom - top);
        int previous[kSaturnPositioned] = {E, E, E, E, E, E};
        date2 d = s.start;
        for (int y = top + 1; y <= bottom - 2; ++y) {
            d.t = s.start.t + (y - top - 1) * step;
            const SaturnSight saturn = saturnSight(sys, d); // Saturn moves over a long range
            computeSaturnSatellites(d, saturn.ra, saturn.dec, saturn.delta, table, initialise);
            for (int i = 0; i < kSaturnPositioned; ++i) {
                const int x = static_cast<int>(S2 * table.satX[i] / 29 + E);
                c.selectPen(colourOf(i, s));
                c.line(previous[i], y - 1, x, y);
                previous[i] = x;
            }
        }
    }
    c.selectPen(s.saving ? 0 : 2);
    c.line(4, top, 2 * E - 5, top);
    c.line(6, top + 1, 2 * E - 6, top + 1);

    c.selectFont(gfx::FontId::Arial14);
    c.setBackgroundMode(gfx::BackgroundMode::Transparent);
    c.setTextColour(gfx::rgb(0, 0, 0));
    c.textOut(W + 80, 5, "LEGEND");
    static constexpr struct {
        bool right;
        int y;
    } kEntries[kSaturnPositioned] = {{false, 18}, {false, 29}, {true, 18},
                                     {true, 29},  {false, 40}, {true, 40}};
    for (int i = 0; i < kSaturnPositioned; ++i) {
        const int textX = kEntries[i].right ? W + 120 : W + 30,
                  sampleX = kEntries[i].right ? W + 100 : W + 10;
        c.textOut(textX, kEntries[i].y, kSaturnSatelliteNames[i]);
        c.selectPen(colourOf(i, s));
        c.line(sampleX, kEntries[i].y + 5, sampleX + 15, kEntries[i].y + 5);
        setPos(sys, i, 1, sampleX, kEntries[i].y);
    }
    char text[128];
    std::snprintf(text, sizeof text, "%s : %s", "UT", s.end.texteHeureDate().c_str());
    c.textOut(W + 10, 65, text);
    std::snprintf(text, sizeof text, "%s : %s", "Local time", s.end.texteHeureDateLieu().c_str());
    c.textOut(W + 10, 75, text);
    c.textOut(6, 31, "-180\xB0");
    c.textOut(2 * E - 40, 31, "+180\xB0");
    c.setTextColour(s.saving ? gfx::rgb(0, 0, 0) : gfx::rgb(255, 255, 255)); // on the black frames
    c.textOut(E - 37, top - 17, graphDateText(s.start));
    c.textOut(E - 37, bottom + 2, graphDateText(s.end));
}

void picture(gfx::Canvas& c, const SatelliteScene& s, systeme& sys) {
    const int cw = s.clientWidth, H = s.clientHeight;
    const double rho = H * 40 * 0.002;
    const int cx = 3 * cw / 4, cy = 3 * H / 4 + 15, r = static_cast<int>(rho);
    const int left = static_cast<int>(cx - rho), topY = static_cast<int>(cy - rho);
    if (s.blackWhite) {
        // A white disc outlined in black: pen 0 is the black of the black-and-white scheme.
        c.selectBrush(1);
        c.selectPen(0);
        c.ellipse(cx - r, cy - r, cx + r, cy + r);
    } else if (const QImage* p = viewPicture(kSaturnPicture)) {
        c.drawPicture(*p, left, topY, 2 * r, 2 * r);
        if (s.saving) whitenBlack(c, left, topY, left + 2 * r, topY + 2 * r);
    }
    const int ringPen = s.blackWhite ? 0 : 31;
    c.selectPen(ringPen);
    c.line(static_cast<int>(cx - 2.3 * rho), cy, static_cast<int>(cx + 2.3 * rho), cy);

    const SatelliteTable& table = sys.satelliteTable;
    for (int i = 0; i < kSaturnPositioned; ++i) {
        const int x = static_cast<int>(2 * rho * table.satX[i] + cx), y = cy;
        // Depth, positive behind the planet: the theory's y points towards the Earth.
        const int z = static_cast<int>(-table.satY[i]);
        setPos(sys, i, 0, x, y);
        if (std::abs(x - cx) < rho && std::abs(y - cy) < rho && z > 0) continue;
        if (x < cw * 0.5 + 9 || x > cw - 12 || y < H / 2 + 46 || y > H - 12) continue;
        c.selectBrush(colourOf(i, s));
        c.selectPen(colourOf(i, s));
        disc(c, x, y, 3);
        if (redrawnUnderRingLine(x, cx, z, rho)) {
            c.selectPen(ringPen);
            c.line(x - 3, cy, x + 3, cy);
        }
    }
}

void strip(gfx::Canvas& c, const SatelliteScene& s, systeme& sys) {
    const int cw = s.clientWidth, E = cw / 4, S2 = static_cast<int>(cw * 2 / 3.0);
    c.selectBrush(s.blackWhite ? 0 : 6);
    c.selectPen(s.blackWhite ? 0 : 6);
    c.ellipse(static_cast<int>(E - S2 * 0.5 / 30), static_cast<int>(65 - S2 * 0.5 / 30),
              static_cast<int>(E + S2 * 0.5 / 27), static_cast<int>(65 + S2 * 0.5 / 27));
    const SatelliteTable& table = sys.satelliteTable;
    for (int i = 0; i < kSaturnPositioned; ++i) {
        const int x = static_cast<int>(S2 * table.satX[i] / 30 + E), y = 65;
        setPos(sys, i, 3, x, y);
        // Hidden behind the planet: over its disc and farther than its centre (the longitude is
        // counted from the direction of the Earth, so satY < 0 is the far side).
        if (std::abs(x - E) < S2 / 27 && std::abs(y - 65) < S2 / 27 && table.satY[i] < 0) continue;
        c.selectBrush(colourOf(i, s));
        c.selectPen(colourOf(i, s));
        disc(c, x, y, 1);
    }
}

void polar(gfx::Canvas& c, const SatelliteScene& s, systeme& sys) {
    const int cw = s.clientWidth, H = s.clientHeight;
    const int sc = H / 2 - 30, cx = 3 * cw / 4, cy = H / 4 + 65;
    const int r = static_cast<int>(sc * 0.5 / 27);
    c.selectBrush(s.blackWhite ? 0 : 6);
    c.selectPen(s.blackWhite ? 0 : 6);
    c.ellipse(cx - r, cy - r, cx + r, cy + r);
    const SatelliteTable& table = sys.satelliteTable;
    for (int i = 0; i < kSaturnPositioned; ++i) {
        const int x = static_cast<int>(sc * table.satX[i] / 30 + cx),
                  y = static_cast<int>(cy + sc * table.satY[i] / 30);
        setPos(sys, i, 2, x, y);
        c.selectBrush(colourOf(i, s));
        c.selectPen(colourOf(i, s));
        disc(c, x, y, 1);
    }
}
} // namespace

bool redrawnUnderRingLine(int x, int cx, int z, double rho) {
    const double dx = std::abs(x - cx);
    return z > 0 && dx > rho && dx < 2.3 * rho;
}

void drawSaturnMoonsView(gfx::Canvas& c, const SatelliteScene& s, systeme& sys, bool initialise) {
    graph(c, s, sys, initialise);
    const SaturnSight saturn = saturnSight(sys, s.start);
    // The panels show the start date; the table's constants are in place after the graph.
    computeSaturnSatellites(s.start, saturn.ra, saturn.dec, saturn.delta, sys.satelliteTable, initialise);
    picture(c, s, sys);
    strip(c, s, sys);
    polar(c, s, sys);
    drawEastWest(c, s, false); // the theory's x, and the screen's, grow towards the west
}

} // namespace views
