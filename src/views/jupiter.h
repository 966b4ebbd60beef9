// SPDX-License-Identifier: GPL-3.0-or-later
// View 31, Jupiter's satellites: the graph of their east-west offsets over the time range with the
// legend, the picture of Jupiter with the satellites and the Great Red Spot, the strip as seen
// from the Earth, and the view from above Jupiter's pole. East is to the right, north down: the
// picture is seen as through an astronomical telescope.
#pragma once

#include <string>

#include "gfx/canvas.h"
#include "views/satellite_scene.h"

class systeme;
struct SatelliteTable;

namespace views {

// Whether the Red Spot shows at a reduced angle (degrees): only 0 < a < 90 or 270 < a < 360.
bool redSpotShown(double reducedAngle_deg);
// A satellite of the picture is hidden when it lies strictly inside the disc and behind (z >= 1).
bool hiddenByJupiter(int x, int y, int z, int cx, int cy, double rho);

// The whole view, in this order: graph and legend, Jupiter's picture, strip, polar view. Each
// satellite's satell record (slots 0-3 of the model) keeps where it was drawn: pos slot 0 the
// picture, 1 the legend sample, 2 the polar view, 3 the strip.
void drawJupiterView(gfx::Canvas& c, const SatelliteScene& s, systeme& sys);
// The event of Jupiter's moons nearest `date` within 30 minutes, e.g. "Io : shadow transit begins
// at 21h25 UT"; "" when there is none.
std::string nearestJovianEventText(const date2& date);
// The pointed date of row y at (W + 10, 79), and under it at (W + 10, 91) the event nearest that
// date within 30 minutes (the line is cleared when there is none).
void showJovianPointedDate(gfx::Canvas& c, const SatelliteScene& s, int y);
void drawJovianGraph(gfx::Canvas& c, const SatelliteScene& s, systeme& sys);
void drawJupiterDisc(gfx::Canvas& c, const SatelliteScene& s, systeme& sys);
void drawJovianStrip(gfx::Canvas& c, const SatelliteScene& s, systeme& sys);
void drawJovianPolarView(gfx::Canvas& c, const SatelliteScene& s, systeme& sys);

// Pens and brushes of the satellites by scheme: Io 13, Europe 1 (3 in a saved picture),
// Ganymede 7, Callisto 2 (Saturn's: Mimas 13, Encelade 1/3, Tethys 7, Dione 2, Rhea 4, Titan 8,
// Hyperion 9, Japet 10); 0 in black and white.
int satelliteColour(int index, const SatelliteScene& s);

// A filled circle of radius r around (x, y).
void disc(gfx::Canvas& c, int x, int y, int r);

} // namespace views
