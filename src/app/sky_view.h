// SPDX-License-Identifier: GPL-3.0-or-later
// The sky views' part of the window redraw: views 10 to 14 drawn into the back buffer with the
// window's windows, zooms and place, followed by the legend when it is shown.
#pragma once

class TPlanetariumWindow;

namespace skyui {
// Draws the current sky view (10-14) and, when `showLegend`, its legend.
void drawSkyView(TPlanetariumWindow& w);
} // namespace skyui
