// SPDX-License-Identifier: GPL-3.0-or-later
// Angle helpers and Greenwich mean sidereal time (Meeus, 1900-epoch polynomial).
#include "astro/angles.h"

#include <cmath>
#include <cstdio>
#include <limits>

#include "astro/date2.h"

namespace {
// trunc and ceil of x >= 0 by an integer conversion while x fits one (a library call each on
// the baseline x86-64 target), with the same results.
double truncNonNegative(double x) {
    return x < 9e15 ? static_cast<double>(static_cast<long long>(x)) : std::trunc(x);
}
double ceilNonNegative(double x) {
    const double t = truncNonNegative(x);
    return t < x ? t + 1 : t;
}
} // namespace

double normalize360Outside(double deg) {
    if (!std::isfinite(deg)) return std::numeric_limits<double>::quiet_NaN();
    // Whole turns are added at once instead of one by one, so a large negative angle costs
    // no more than a small one; the result is the same.
    if (deg < 0) deg += 360.0 * ceilNonNegative(-deg / 360.0);
    while (deg < 0)
        deg += 360;
    deg -= 360.0 * truncNonNegative(deg / 360.0);
    if (deg >= 360) deg -= 360;
    if (deg < 0) deg = 0;
    return deg;
}

std::string hoursText(double deg) {
    if (!std::isfinite(deg)) deg = 0;
    deg = normalize360(deg);
    // Whole seconds of time, counted with a slack of 1e-6 s so that an exact value such as
    // 90.5 degrees (6h2'0") is not truncated to 6h1'59" by rounding in x/15.
    long long seconds = static_cast<long long>(std::floor(deg / 15 * 3600 + 1e-6)) % 86400;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%dh%d'%d\"", static_cast<int>(seconds / 3600),
                  static_cast<int>(seconds / 60 % 60), static_cast<int>(seconds % 60));
    return buf;
}

std::string degreesText(double deg) {
    if (!std::isfinite(deg) || std::fabs(deg) > 1e9) deg = 0;
    const bool positive = deg > 0;
    const double x = positive ? deg : -deg;
    // Whole arcminutes with a slack of 1e-7' (23.45 degrees is 23 degrees 27', not 26').
    const long long minutes = static_cast<long long>(std::floor(x * 60 + 1e-7));
    char buf[64];
    std::snprintf(buf, sizeof buf, positive ? "%d\xB0%d'" : "-%d\xB0%d'", static_cast<int>(minutes / 60),
                  static_cast<int>(minutes % 60));
    return buf;
}

double siderealTime(const date2& date) {
    date2 midnight;
    midnight.jour = date.jour;
    midnight.mois = date.mois;
    midnight.annee = date.annee;
    midnight.calculeT();
    const double t0 = static_cast<double>(midnight.t);
    const double turns = (6.6460656 + 2400.051262 * t0 + 0.00002581 * t0 * t0) / 24;
    const double s0_h = (turns - std::floor(turns)) * 24;
    return (s0_h + 1.002737908 * (date.heure + date.minute / 60.0)) * 15;
}
