// SPDX-License-Identifier: GPL-3.0-or-later
// What the satellite views (Jupiter's and Saturn's satellites, Saturn 3D) draw from: the client
// size, the legend's left edge, the time range and the picture-saving schemes; and the pieces
// the graphs share (row-to-date mapping, drag selection, pointed date).
#pragma once

#include "astro/date2.h"
#include "gfx/canvas.h"

class systeme;

namespace views {

struct SatelliteScene {
    int clientWidth = 780, clientHeight = 500;
    int mapWidth = 548;      // W: left edge of the legend panel
    date2 start, end;        // the time range; start is the current date
    bool saving = false;     // a picture is being saved on a white background
    bool blackWhite = false; // ... in black and white
};

// The graphs' rows: top 130, bottom H - 28.
constexpr int kGraphTop = 130;
inline int graphBottom(int H) {
    return H - 28;
}

// Date of mouse row y in the graphs: start + (end - start) (y - 130) / (H - 158).
date2 pointedDate(const SatelliteScene& s, int y);
// "Pointed date : d/m/y hh" at (W + 10, textY) on light grey; nothing when |H - 158| < 4.
void showPointedDate(gfx::Canvas& c, const SatelliteScene& s, int y, int textY);
// A drag in the graph from row y0 to row y1 (clamped to the graph): the new range, from the date
// of the upper row to the date of the lower one. False (range unchanged) when the rows are equal.
bool dragSelection(const SatelliteScene& s, int y0, int y1, date2& start, date2& end);
// Band shown while dragging: x from 20 to clientWidth / 2 - 10 between the two rows.
void drawDragBand(gfx::Canvas& c, const SatelliteScene& s, int y0, int y1);

// A date moved to T = t (centuries); calendar fields rebuilt.
date2 dateAt(const date2& like, long double t);
// "%d/%d/%d %dh  " of a date (day, month, year, hour).
std::string graphDateText(const date2& d);
// "E" and "W" at the two ends of the graph's top band (white on its black, black in a saved
// picture) and of the strip (black), in the legend's font; `eastOnTheRight` says which end is
// the sky's east.
void drawEastWest(gfx::Canvas& c, const SatelliteScene& s, bool eastOnTheRight);
// Where drawEastWest writes: the rows of the graph band and of the strip, the left and right x.
constexpr int kEastWestStripY = 58;
inline int eastWestBandY() {
    return kGraphTop - 17;
}
constexpr int kEastWestLeftX = 8;
inline int eastWestRightX(int clientWidth) {
    return 2 * (clientWidth / 4) - 16;
}

// Black pixels of the square turned white (pictures saved on a white background).
void whitenBlack(gfx::Canvas& c, int left, int top, int right, int bottom);

} // namespace views
