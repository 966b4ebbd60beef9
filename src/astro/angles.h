// SPDX-License-Identifier: GPL-3.0-or-later
// Angle helpers shared by every ephemeris routine: degrees and radians, reduction to 0-360,
// the cubic element polynomial, angle texts (Windows-1252) and Greenwich sidereal time.
#pragma once

#include <cmath>
#include <string>

struct date2;

// Inline: every ephemeris routine calls these many times per body.
inline double degToRad(double deg) {
    return deg * 3.141592653589793 * (1.0 / 180);
}
inline double radToDeg(double rad) {
    return rad * 180 * 0.3183098861837907;
}
// normalize360 for an angle outside [0, 360).
double normalize360Outside(double deg);
// Reduced to [0, 360); a non-finite input comes back as NaN. An angle already in range is
// returned as it is, without a division.
inline double normalize360(double deg) {
    return deg >= 0 && deg < 360 ? deg : normalize360Outside(deg);
}
// c0 + c1 t + c2 t^2 + c3 t^3 of a four-term element list.
inline double polynomial(const double c[4], double t) {
    return c[0] + t * (c[1] + t * (c[2] + t * c[3]));
}
inline double sinDeg(double deg) {
    return std::sin(degToRad(deg));
}
inline double cosDeg(double deg) {
    return std::cos(degToRad(deg));
}
// Sine and cosine of one angle in degrees, from one call.
inline void sinCosDeg(double deg, double& s, double& c) {
    ::sincos(degToRad(deg), &s, &c);
}
// "%dh%d'%d\"" of an angle in degrees (15 degrees per hour).
std::string hoursText(double deg);
// "%d\xB0%d'" for a positive angle, "-%d\xB0%d'" otherwise (0 included); degree sign 0xB0.
std::string degreesText(double deg);
// Greenwich sidereal time in degrees from the calendar fields of `date` (UT); not reduced,
// it lies in [0, about 721).
double siderealTime(const date2& date);
