// SPDX-License-Identifier: GPL-3.0-or-later
// Geometry of the heliocentric view: the model unit, where a projected point lands in the drawing
// area, the inside test, and the hit box. Pure functions, no Qt.
#pragma once

#include "views/camera.h"

#include <cstdint>

namespace views {

// Degrees to radians as the view writes it; also the model unit: r AU stand at r x this.
constexpr double kModelUnitPerAu = 3.14159265358979323846 * 0.005555555555555556;

// Heliocentric ecliptic model point (x towards longitude 0, z towards the north ecliptic pole) of
// a body at latitude and longitude in degrees and radius vector in AU.
Vec3 helioModelPoint(double latitude_deg, double longitude_deg, double radius_au);

// The drawing area: W the truncated drawing width (legend panel right of it), H the client height.
struct HelioLayout {
    int width = 548;
    int height = 500;
};

struct ScreenPoint {
    int x = 0, y = 0;
    bool operator==(const ScreenPoint&) const = default;
};

// Pixel of a projected point at pixel factor k: the Sun's projection (0, 0) lands at
// ((W - 10) / 2, 40 + (H - 45) / 2), y growing downwards.
ScreenPoint placeHelio(Projected p, double k, const HelioLayout& layout);
// Strictly inside the drawing area: 6 < x < W - 6 and 41 < y < H - 8.
bool insideHelio(ScreenPoint p, const HelioLayout& layout);
// Project and place in one step.
inline ScreenPoint helioScreenPoint(const ViewCamera& camera, Vec3 p, double k, const HelioLayout& layout) {
    return placeHelio(projectPoint(camera, p), k, layout);
}

// Top-left corner of the Sun's 32 x 32 icon.
inline ScreenPoint sunIconCorner(const HelioLayout& l) {
    return {(l.width - 10) / 2 - 16, (l.height - 45) / 2 + 24};
}

// A left click that zooms in: strictly inside 5 < x < W - 20, 30 < y < H - 15.
inline bool zoomClickArea(int x, int y, const HelioLayout& l) {
    return x > 5 && x < l.width - 20 && y > 30 && y < l.height - 15;
}

// The hit box of a drawn body: the mouse strictly within 2 pixels of its point in both axes.
inline bool helioHit(ScreenPoint body, int mx, int my) {
    return body.x - 3 < mx && mx < body.x + 3 && body.y - 3 < my && my < body.y + 3;
}

} // namespace views
