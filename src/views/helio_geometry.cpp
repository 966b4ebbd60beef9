// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/helio_geometry.h"

#include <cmath>

namespace views {

Vec3 helioModelPoint(double latitude_deg, double longitude_deg, double radius_au) {
    const double b = latitude_deg * kModelUnitPerAu, l = longitude_deg * kModelUnitPerAu;
    const double r = radius_au * kModelUnitPerAu;
    return {r * std::cos(b) * std::cos(l), r * std::cos(b) * std::sin(l), r * std::sin(b)};
}

ScreenPoint placeHelio(Projected p, double k, const HelioLayout& l) {
    return {truncPixel(p.x * k) + (l.width - 10) / 2, 40 - truncPixel(p.y * k) + (l.height - 45) / 2};
}

bool insideHelio(ScreenPoint p, const HelioLayout& l) {
    return p.x > 6 && p.y > 41 && p.x < l.width - 6 && p.y < l.height - 8;
}

} // namespace views
