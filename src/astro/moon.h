// SPDX-License-Identifier: GPL-3.0-or-later
// The Moon: a lunar theory of mean arguments, small additive corrections and periodic series of
// 50 terms in longitude, 45 in latitude and 4 in parallax (Meeus' 1900-epoch theory), its
// illuminated fraction and whether it waxes.
#pragma once

#include "astro/bodies.h"
#include "astro/date2.h"
#include "astro/sun.h"

// Geocentric ecliptic place of date and horizontal parallax of the Moon, degrees.
struct MoonEcliptic {
    double lambda_deg = 0;
    double beta_deg = 0;
    double parallax_deg = 0;
};
MoonEcliptic moonEcliptic(double t);

// Writes ra in [0, 360), dec and delta (AU) of the Moon; the record's elements are not used.
void moonPosition(objetceleste& moon, const date2& date, const soleil& sun);
// The same with the obliquity of the Sun's geometry at date.t (sunGeometry), shared by a whole
// model at one instant.
void moonPosition(objetceleste& moon, const date2& date, const SunGeometry& sun);
// Illuminated fraction k in [0, 1] from the mean arguments.
double moonVisibleFraction(const date2& date);
// +1 when the Moon waxes, -1 when it wanes, from the calendar fields.
int moonWaxing(const date2& date);
// Visual magnitude of the Moon from the record's "Mag" line, its delta, the Earth-Sun distance
// and the phase angle of moonVisibleFraction.
double moonMagnitude(const objetceleste& moon, const date2& date, const soleil& sun);
// The same from the illuminated fraction (moonVisibleFraction) and the Earth-Sun distance (AU)
// already computed for the date.
double moonMagnitude(const objetceleste& moon, double visibleFraction, double sunDistance_au);
