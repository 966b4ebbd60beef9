// SPDX-License-Identifier: GPL-3.0-or-later
// View 32, Saturn's satellites: laid out like the Jupiter view, with the six inner large
// satellites from the Saturn theory: the graph over the time range, the legend, the strip, the
// view from above the ring plane and the picture of Saturn with its rings' line.
#pragma once

#include "gfx/canvas.h"
#include "views/satellite_scene.h"

class systeme;

namespace views {

// The whole view: graph and legend, Saturn's picture, strip, polar view. `initialise` re-stores
// the Saturn constants in the shared table first (pass true on the first paint after any other
// view: the Jupiter theory writes into the same storage). Saturn's satellites are model slots 4-9.
void drawSaturnMoonsView(gfx::Canvas& c, const SatelliteScene& s, systeme& sys, bool initialise);

// A satellite of the picture at x is drawn again under the rings' line when it is in front and
// strictly between the globe's edge and the rings' end: rho < |x - cx| < 2.3 rho.
bool redrawnUnderRingLine(int x, int cx, int z, double rho);

} // namespace views
