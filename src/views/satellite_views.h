// SPDX-License-Identifier: GPL-3.0-or-later
// The paint of the satellite views 31 (Jupiter's satellites), 32 (Saturn's satellites) and 33
// (Saturn 3D), shared by the window and nalvo-cli.
#pragma once

#include "gfx/canvas.h"
#include "views/camera.h"
#include "views/satellite_scene.h"

class systeme;

namespace views {

// Span of the Jupiter's satellites command: 0.00010469 centuries (3.82 days); of the satellite
// graphs chosen from the conjunction menu: 0.000715469 centuries (26.13 days).
constexpr double kJupiterCommandSpan = 0.00010469;
constexpr double kSatelliteSpan = 0.000715469;

// Draws view 31, 32 or 33 for the scene. View 33 first recomputes the model's positions and the
// ring tilt into `camera` (turn pi/2, camera updated). `initialiseSaturn` is passed to the Saturn
// theory in view 32. False for any other view (nothing drawn).
bool paintSatelliteView(gfx::Canvas& c, int view, const SatelliteScene& s, systeme& sys, ViewCamera& camera,
                        double saturnZoom, bool initialiseSaturn);

} // namespace views
