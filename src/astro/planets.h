// SPDX-License-Identifier: GPL-3.0-or-later
// Planets from their element polynomials, comets and asteroids from fixed osculating elements,
// and what is shown for a body: phase angle, illuminated fraction, magnitude, apparent diameter,
// and the French/English body names. Angles in degrees, distances in AU.
#pragma once

#include <string>

#include "astro/bodies.h"
#include "astro/date2.h"
#include "astro/sun.h"

// Writes beta, lambda (heliocentric ecliptic of date), r, and dec, ra, delta (geocentric); the
// Earth ("Terre") keeps only its heliocentric place (dec = ra = delta = 0).
void planetPosition(objetceleste& planet, const date2& date, const soleil& sun);
// The same with the Sun's geometry at date.t already computed (sunGeometry), so that a whole
// model solves the Sun's Kepler equation once per instant.
void planetPosition(objetceleste& planet, const date2& date, const SunGeometry& sun);
// Elliptic orbits (e < 1) from a0, e0, i0, o0 (argument of perihelion), O0, tperi and tequi
// (the elements' equinox, precessed to the date). Writes ra in [0, 360), dec, delta, r, beta = 0
// and lambda (heliocentric right ascension, mean equator of date).
void cometPosition(comet& body, const date2& date, const soleil& sun);
// Sun-body-Earth angle (deg) from r, delta and sunDistance (taken as 1 AU when 0).
double phaseAngle(const objetceleste& body);
// cos^2(phase / 2), 0..1.
double visibleFraction(const objetceleste& body);
// The same from the phase angle (deg) already computed.
double visibleFractionAtPhase(double phase_deg);
// mag0 + 5 log10(r delta) + mag1 x + mag2 x^2 + mag3 x^3, x = phase angle / 100 deg; Saturn
// ("Saturne") adds its rings, -2.60 sin|B| + 1.25 sin^2 B, with B the ring tilt seen from the
// Earth at its ra and dec.
double planetMagnitude(const objetceleste& body);
// The same from the phase angle (deg) already computed.
double planetMagnitude(const objetceleste& body, double phase_deg);
// Apparent diameter in arcseconds from rayon (km) and delta (AU); 0 without a distance.
double apparentDiameter(const objetceleste& body);
// English name of a French body name (any case), or "".
std::string englishName(const std::string& french);
// French name of an English body name (any case), or "".
std::string frenchName(const std::string& english);
