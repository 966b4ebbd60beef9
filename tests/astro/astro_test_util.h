// SPDX-License-Identifier: GPL-3.0-or-later
// Shared helpers of the astro tests: dates from calendar fields, bodies with hand-set elements.
#pragma once

#include <cmath>
#include <cstring>

#include "astro/bodies.h"
#include "astro/date2.h"

inline date2 dateOf(int y, int mo, int d, int h = 0, int mi = 0) {
    date2 x;
    x.annee = y;
    x.mois = mo;
    x.jour = d;
    x.heure = h;
    x.minute = mi;
    x.calculeT();
    return x;
}

inline void setList(double* list, double c0, double c1 = 0, double c2 = 0, double c3 = 0) {
    list[0] = c0;
    list[1] = c1;
    list[2] = c2;
    list[3] = c3;
}

// The Sun's apparent orbit and obliquity of the shipped soleil.syt (Meeus, 1900 epoch).
inline soleil meeusSun() {
    soleil s;
    std::strcpy(s.nom, "Soleil");
    setList(s.L, 279.69668, 36000.76892, 0.0003025);
    setList(s.a, 1.0000002);
    setList(s.e, 0.01675104, -0.0000418, -0.000000126);
    setList(s.M, 358.47583, 35999.04975, -0.00015, -0.0000033);
    setList(s.E, 23.452294, -0.0130125, -0.00000164, 0.000000503);
    return s;
}

// Angle between two directions given as RA/Dec in degrees, arcminutes.
inline double separationArcmin(double ra1, double dec1, double ra2, double dec2) {
    const double k = M_PI / 180;
    const double c = std::sin(dec1 * k) * std::sin(dec2 * k) +
                     std::cos(dec1 * k) * std::cos(dec2 * k) * std::cos((ra1 - ra2) * k);
    return std::acos(std::fmin(1.0, std::fmax(-1.0, c))) / k * 60;
}
