// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/jupiter.h"

#include <cmath>
#include <cstdio>

#include "astro/jovian_events.h"
#include "astro/satellites.h"
#include "catalog/systeme.h"
#include "views/view_pictures.h"

namespace views {

namespace {
constexpr double kDeg = M_PI / 180.0;

void setPos(systeme& sys, int satellIndex, int slot, int x, int y) {
    if (satell* r = sys.satell(satellIndex)) {
        r->pos[2 * slot] = x;
        r->pos[2 * slot + 1] = y;
    }
}

void frameColours(gfx::Canvas& c, const SatelliteScene& s) {
    c.selectBrush(s.saving ? 1 : 3);
    c.selectPen(s.saving ? 0 : 2);
}

void labelColours(gfx::Canvas& c, const SatelliteScene& s, bool onPanel) {
    c.selectFont(gfx::FontId::Arial14);
    c.setBackgroundMode(gfx::BackgroundMode::Transparent);
    c.setTextColour(onPanel && !s.saving ? gfx::rgb(255, 255, 255) : gfx::rgb(0, 0, 0));
}
} // namespace

int satelliteColour(int index, const SatelliteScene& s) {
    static constexpr int kColours[8] = {13, 1, 7, 2, 4, 8, 9, 10};
    if (s.blackWhite) return 0;
    if (index == 1 && s.saving) return 3;
    return index >= 0 && index < 8 ? kColours[index] : 3;
}

void disc(gfx::Canvas& c, int x, int y, int r) {
    c.ellipse(x - r, y - r, x + r, y + r);
}

bool redSpotShown(double a) {
    return (a > 0 && a < 90) || (a > 270 && a < 360);
}

bool hiddenByJupiter(int x, int y, int z, int cx, int cy, double rho) {
    const double dx = x - cx, dy = y - cy;
    return dx * dx + dy * dy < rho * rho && z >= 1;
}

void drawJovianGraph(gfx::Canvas& c, const SatelliteScene& s, systeme& sys) {
    const int cw = s.clientWidth, H = s.clientHeight, W = s.mapWidth;
    const int E = cw / 4, S = cw / 5, top = kGraphTop, bottom = graphBottom(H);
    frameColours(c, s);
    c.rectangle(4, top - 20, 2 * E - 4, top + 1);
    c.rectangle(4, bottom - 1, 2 * E - 4, bottom + 20);
    c.rectangle(4, top, 2 * E - 4, bottom);
    // Jupiter itself, a double line down the centre column.
    c.selectPen(s.blackWhite ? 0 : 6);
    c.line(E, top + 1, E, bottom - 1);
    c.line(E + 1, top + 1, E + 1, bottom - 1);

    SatelliteTable& table = sys.satelliteTable;
    if (bottom > top) {
        const long double step = (s.end.t - s.start.t) / (bottom - top);
        int previous[kJovianSatellites] = {E, E, E, E};
        date2 d = s.start;
        for (int y = top + 1; y <= bottom - 2; ++y) {
            d.t = s.start.t + (y - top - 1) * step;
            computeJovianSatellites(d, table);
            for (int i = 0; i < kJovianSatellites; ++i) {
                const int x = static_cast<int>(S * table.satX[i] * (1.0 / 27) + E);
                c.selectPen(satelliteColour(i, s));
                c.line(previous[i], y - 1, x, y);
                previous[i] = x;
            }
        }
    }
    frameColours(c, s);
    c.line(4, top, 2 * E - 5, top);
    c.line(6, top + 1, 2 * E - 6, top + 1);

    // Legend.
    labelColours(c, s, false);
    c.textOut(W + 80, 5, "LEGEND");
    const struct {
        int textX, textY, sampleX, sampleY;
    } legend[4] = {{W + 30, 20, W + 10, 25},
                   {W + 30, 38, W + 10, 45},
                   {W + 120, 20, W + 100, 25},
                   {W + 120, 38, W + 100, 45}};
    for (int i = 0; i < kJovianSatellites; ++i) {
        c.textOut(legend[i].textX, legend[i].textY, kJovianSatelliteNames[i]);
        c.selectPen(satelliteColour(i, s));
        c.line(legend[i].sampleX, legend[i].sampleY, legend[i].sampleX + 15, legend[i].sampleY);
        setPos(sys, i, 1, legend[i].sampleX, legend[i].sampleY);
    }
    char text[128];
    std::snprintf(text, sizeof text, "%s : %s", "UT", s.end.texteHeureDate().c_str());
    c.textOut(W + 10, 55, text);
    std::snprintf(text, sizeof text, "%s : %s", "Local time", s.end.texteHeureDateLieu().c_str());
    c.textOut(W + 10, 67, text);
    c.textOut(6, 31, "-180\xB0");
    c.textOut(2 * E - 40, 31, "+180\xB0");
    labelColours(c, s, true); // on the black frames
    c.textOut(E - 37, top - 17, graphDateText(s.start));
    c.textOut(E - 37, bottom + 2, graphDateText(s.end));
}

void drawJupiterDisc(gfx::Canvas& c, const SatelliteScene& s, systeme& sys) {
    const int cw = s.clientWidth, H = s.clientHeight;
    SatelliteTable& table = sys.satelliteTable;
    computeJovianSatellites(s.start, table);
    const double rho = H * 90 * 0.002;
    const int cx = 3 * cw / 4, cy = 3 * H / 4 + 15;
    const int r = static_cast<int>(rho), left = static_cast<int>(cx - rho), topY = static_cast<int>(cy - rho);
    if (s.blackWhite) {
        // A white disc outlined in black: pen 0 is the black of the black-and-white scheme.
        c.selectBrush(1);
        c.selectPen(0);
        c.ellipse(cx - r, cy - r, cx + r, cy + r);
    } else if (const QImage* picture = viewPicture(kJupiterPicture)) {
        c.drawPicture(*picture, left, topY, 2 * r, 2 * r);
        if (s.saving) whitenBlack(c, left, topY, left + 2 * r, topY + 2 * r);
    }

    // The Great Red Spot, on the near side of the globe only.
    const double a = reduceAngle(table.redSpotAngle);
    if (redSpotShown(a)) {
        const int x =
            static_cast<int>(cx + std::sin(a * kDeg) * 0.8 * rho * std::cos(std::atan(0.08 * H / rho)));
        const int y = static_cast<int>(cy - 0.002 * H * (0.064 * H));
        const int hw = static_cast<int>(static_cast<int>(std::cos(a * kDeg) * 0.016 * H) * 1.2);
        const int hh = static_cast<int>(static_cast<int>(0.016 * H) * 0.8);
        c.selectBrush(s.blackWhite ? 0 : 7);
        c.selectPen(s.blackWhite ? 0 : 1);
        c.ellipse(x - hw, y - hh, x + hw, y + hh);
    }

    for (int i = 0; i < kJovianSatellites; ++i) {
        const int x = static_cast<int>(table.satX[i] * rho + cx),
                  y = static_cast<int>(rho * table.satY[i] + cy);
        const int z = static_cast<int>(rho * table.satZ[i]);
        setPos(sys, i, 0, x, y);
        if (hiddenByJupiter(x, y, z, cx, cy, rho)) continue;
        if (x < cw / 2 + 9 || x > cw - 12 || y < H / 2 + 46 || y > H - 12) continue;
        c.selectBrush(s.blackWhite ? 0 : satelliteColour(i, s));
        c.selectPen(s.blackWhite ? 0 : 3);
        disc(c, x, y, 3);
    }
}

void drawJovianStrip(gfx::Canvas& c, const SatelliteScene& s, systeme& sys) {
    const int cw = s.clientWidth, S = cw / 5, cx = cw / 4, cy = 65;
    SatelliteTable& table = sys.satelliteTable;
    computeJovianSatellites(s.start, table);
    const int r = static_cast<int>(S * 0.5 / 27);
    c.selectBrush(s.blackWhite ? 0 : 6);
    c.selectPen(s.blackWhite ? 0 : 6);
    c.ellipse(cx - r, cy - r, cx + r + 1, cy + r + 1);
    for (int i = 0; i < kJovianSatellites; ++i) {
        const int x = static_cast<int>(S * table.satX[i] / 27 + cx),
                  y = static_cast<int>(S * table.satY[i] / 27 + 65);
        setPos(sys, i, 3, x, y);
        if (std::abs(x - cx) < S / 27 && std::abs(y - 65) < S / 27 &&
            std::abs(static_cast<int>(table.satLongitude[i])) < 90)
            continue;
        c.selectBrush(s.blackWhite ? 0 : satelliteColour(i, s));
        c.selectPen(s.blackWhite ? 0 : satelliteColour(i, s));
        disc(c, x, y, 1);
    }
}

void drawJovianPolarView(gfx::Canvas& c, const SatelliteScene& s, systeme& sys) {
    const int cw = s.clientWidth, H = s.clientHeight;
    const int sc = static_cast<int>((H * 0.5 - 30) / 3), cx = 3 * cw / 4, cy = H / 4 + 60;
    SatelliteTable& table = sys.satelliteTable;
    computeJovianSatellites(s.start, table);
    const int r = sc / 27;
    c.selectBrush(s.blackWhite ? 0 : 6);
    c.selectPen(s.blackWhite ? 0 : 6);
    c.ellipse(cx - r, cy - r, cx + r + 1, cy + r + 1);
    for (int i = 0; i < kJovianSatellites; ++i) {
        const int x = static_cast<int>(sc * table.satX[i] / 27 + cx),
                  y = static_cast<int>(cy + sc * table.satZ[i] / 27);
        setPos(sys, i, 2, x, y);
        c.selectBrush(s.blackWhite ? 0 : satelliteColour(i, s));
        c.selectPen(s.blackWhite ? 0 : satelliteColour(i, s));
        disc(c, x, y, 1);
    }
}

void drawJupiterView(gfx::Canvas& c, const SatelliteScene& s, systeme& sys) {
    drawJovianGraph(c, s, sys);
    drawJupiterDisc(c, s, sys);
    drawJovianStrip(c, s, sys);
    drawJovianPolarView(c, s, sys);
    drawEastWest(c, s, true); // the theory's x, and the screen's, grow towards the east
}

std::string nearestJovianEventText(const date2& date) {
    const double jd = static_cast<double>(date.t * 36525) + 2415020.0;
    const double window = 30.0 / 1440;
    const JovianEvent* best = nullptr;
    const std::vector<JovianEvent> events = jovianMoonEvents(jd - window, jd + window);
    for (const JovianEvent& e : events)
        if (std::abs(e.jdUt - jd) <= window && (!best || std::abs(e.jdUt - jd) < std::abs(best->jdUt - jd)))
            best = &e;
    if (!best) return "";
    static const char* const kWhat[] = {"transit begins",        "transit ends",       "occultation begins",
                                        "occultation ends",      "eclipse begins",     "eclipse ends",
                                        "shadow transit begins", "shadow transit ends"};
    date2 when = date;
    when.t = static_cast<long double>(std::round((best->jdUt - 2415020.0) * 1440) / 1440 / 36525);
    when.calculeCalendrier();
    char text[128];
    std::snprintf(text, sizeof text, "%s : %s at %dh%02d UT", kJovianSatelliteNames[best->moon],
                  kWhat[static_cast<int>(best->kind)], when.heure, when.minute);
    return text;
}

void showJovianPointedDate(gfx::Canvas& c, const SatelliteScene& s, int y) {
    showPointedDate(c, s, y, 79);
    if (std::abs(s.clientHeight - 158) < 4) return;
    // Padded so that a shorter text covers a longer one left by the previous row.
    std::string text = nearestJovianEventText(pointedDate(s, y));
    text.resize(48, ' ');
    c.textOut(s.mapWidth + 10, 91, text);
}

} // namespace views
