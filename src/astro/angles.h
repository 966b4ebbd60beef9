// Angle helpers shared by every ephemeris routine: degrees and radians, reduction to 0-360,
// the cubic element polynomial, angle texts (Windows-1252) and Greenwich sidereal time.
#pragma once

#include <string>

struct date2;

double degToRad(double deg);
double radToDeg(double rad);
// Reduced to [0, 360); a non-finite input comes back as NaN.
double normalize360(double deg);
// c0 + c1 t + c2 t^2 + c3 t^3 of a four-term element list.
double polynomial(const double c[4], double t);
// "%dh%d'%d\"" of an angle in degrees (15 degrees per hour).
std::string hoursText(double deg);
// "%d\xB0%d'" for a positive angle, "-%d\xB0%d'" otherwise (0 included); degree sign 0xB0.
std::string degreesText(double deg);
// Greenwich sidereal time in degrees from the calendar fields of `date` (UT); not reduced,
// it lies in [0, about 721).
double siderealTime(const date2& date);
