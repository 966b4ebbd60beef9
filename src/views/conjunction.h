// SPDX-License-Identifier: GPL-3.0-or-later
// View 30, the conjunction graph of the planets: time runs down the window, one row per step,
// and each planet's curve is its elongation in right ascension from the Sun (centre column).
#pragma once

#include <string>

struct date2;
class systeme;
class ParametreAffichage;

namespace gfx {
class Canvas;
}

namespace conjunction {

// Geometry of the graph for a drawing width W: the Sun's column and the pixels for 180 degrees.
struct Columns {
    int centre = 0;    // u = W/2
    int halfWidth = 0; // w = 2W/5
};
Columns columnsFor(int drawingWidth);

// Column of a planet whose right ascension is `planetRa_deg` when the Sun's is `sunRa_deg`: the
// Sun minus the planet brought into [-180, 180] degrees, east (planet ahead of the Sun) on the left.
int columnOf(double sunRa_deg, double planetRa_deg, const Columns& c);

// Palette pen of a planet's curve by its model name; -1 for a name with no pen of its own (it
// keeps the pen of the planet before).
int penOfPlanet(const char* name);

// The whole view between `start` and `end` for a drawing width W (`mapWidth`) and client height H.
// Recomputes the model's positions once per row (the model then describes the last row's date).
void drawConjunctionGraph(gfx::Canvas& canvas, systeme& sys, const date2& start, const date2& end,
                          const ParametreAffichage& options, int W, int H);

// The text of the pointed date: "Pointed date : d/m/y   ".
std::string pointedDateText(const date2& date);
// Writes the pointed date of row y at (W + 30, 30) on light grey.
void showConjunctionPointedDate(gfx::Canvas& canvas, const date2& start, const date2& end, int y, int W,
                                int H);

} // namespace conjunction
