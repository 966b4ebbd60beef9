// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/satellite_scene.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace views {

date2 dateAt(const date2& like, long double t) {
    date2 d = like;
    d.t = t;
    d.calculeCalendrier();
    return d;
}

date2 pointedDate(const SatelliteScene& s, int y) {
    const int H = s.clientHeight;
    return dateAt(s.start,
                  s.start.t + (s.end.t - s.start.t) * (y - kGraphTop) / static_cast<long double>(H - 158));
}

void showPointedDate(gfx::Canvas& c, const SatelliteScene& s, int y, int textY) {
    if (std::abs(s.clientHeight - 158) < 4) return;
    const date2 d = pointedDate(s, y);
    char text[128];
    std::snprintf(text, sizeof text, "%s : %d/%d/%d %dh     ", "Pointed date", d.jour, d.mois, d.annee,
                  d.heure);
    c.selectFont(gfx::FontId::Arial14);
    c.setTextColour(gfx::rgb(0, 0, 0));
    c.setBackgroundColour(gfx::rgb(200, 200, 200));
    c.setBackgroundMode(gfx::BackgroundMode::Opaque);
    c.textOut(s.mapWidth + 10, textY, text);
}

bool dragSelection(const SatelliteScene& s, int y0, int y1, date2& start, date2& end) {
    if (std::abs(s.clientHeight - 158) < 4) return false;
    const int bottom = graphBottom(s.clientHeight);
    y0 = std::clamp(y0, kGraphTop, bottom);
    y1 = std::clamp(y1, kGraphTop, bottom);
    if (y0 == y1) return false;
    const date2 a = pointedDate(s, std::min(y0, y1)), b = pointedDate(s, std::max(y0, y1));
    start = a;
    end = b;
    return true;
}

void drawDragBand(gfx::Canvas& c, const SatelliteScene& s, int y0, int y1) {
    const int bottom = graphBottom(s.clientHeight);
    y0 = std::clamp(y0, kGraphTop, bottom);
    y1 = std::clamp(y1, kGraphTop, bottom);
    c.selectBrush(20);
    c.selectPen(18);
    c.rectangle(20, std::min(y0, y1), s.clientWidth / 2 - 10, std::max(y0, y1) + 1);
}

std::string graphDateText(const date2& d) {
    char text[64];
    std::snprintf(text, sizeof text, "%d/%d/%d %dh  ", d.jour, d.mois, d.annee, d.heure);
    return text;
}

void drawEastWest(gfx::Canvas& c, const SatelliteScene& s, bool eastOnTheRight) {
    const char* left = eastOnTheRight ? "W" : "E";
    const char* right = eastOnTheRight ? "E" : "W";
    const int rightX = eastWestRightX(s.clientWidth);
    c.selectFont(gfx::FontId::Arial14);
    c.setBackgroundMode(gfx::BackgroundMode::Transparent);
    c.setTextColour(s.saving ? gfx::rgb(0, 0, 0) : gfx::rgb(255, 255, 255));
    c.textOut(kEastWestLeftX, eastWestBandY(), left);
    c.textOut(rightX, eastWestBandY(), right);
    c.setTextColour(gfx::rgb(0, 0, 0));
    c.textOut(kEastWestLeftX, kEastWestStripY, left);
    c.textOut(rightX, kEastWestStripY, right);
}

void whitenBlack(gfx::Canvas& c, int left, int top, int right, int bottom) {
    for (int y = std::max(top, 0); y < std::min(bottom, c.height()); ++y)
        for (int x = std::max(left, 0); x < std::min(right, c.width()); ++x)
            if ((c.pixel(x, y) & 0xffffffu) == 0) c.setPixel(x, y, gfx::rgb(255, 255, 255));
}

} // namespace views
