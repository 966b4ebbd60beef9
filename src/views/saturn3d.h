// SPDX-License-Identifier: GPL-3.0-or-later
// View 33, Saturn in 3D as seen from the Earth: the globe, the rings of "anneau3d.nal" tilted by
// the Earth's elevation above the ring plane, and the six inner large satellites in front of or
// behind the planet (painter's order), with a legend; and the 300 x 300 thumbnail of the
// information dialog. North is up and east to the left, as the sky is seen.
#pragma once

#include "catalog/ring_model.h"
#include "gfx/canvas.h"
#include "views/camera.h"
#include "views/satellite_scene.h"

class systeme;

namespace views {

// The model point of a satellite at (satX, satY) of the theory (Saturn diameters, x towards the
// west, y towards the Earth): 0.8 times the offset in the ring plane, x towards the east.
Vec3 saturnMoonPoint(double satX, double satY);

// Pixel factor of a Saturn zoom: 100 x n for n = trunc(zoom) >= 1, else 100 sqrt(1 / (2 - n)).
double saturnPixelFactor(double saturnZoom);

// Computes every position of the model for `date` (satellites included), then sets the camera's
// saturnTilt to the Earth's elevation above Saturn's ring plane and its up vector to (0, 0, 1).
void computeSaturnTilt(systeme& sys, const date2& date, ViewCamera& camera);

// The view for `s.start` with the camera as updated for view 33 and the rings given (none when
// the file was missing or malformed). With `thumbnail` the drawing fills a 300 x 300 canvas: no
// satellites and no legend. Saturn's satellites (model slots 4-11) keep their screen point in
// pos slot 0, the legend sample in slot 1, and (0, -100) in slots 2 and 3.
void drawSaturn3D(gfx::Canvas& c, const SatelliteScene& s, systeme& sys, const ViewCamera& camera,
                  double saturnZoom, bool thumbnail, const RingModel& rings);

// The Saturn thumbnail of the information dialog for `date`: a 300 x 300 picture.
QImage saturnThumbnail(systeme& sys, const date2& date);

} // namespace views
