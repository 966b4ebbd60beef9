// SPDX-License-Identifier: GPL-3.0-or-later
// The higher-accuracy geometry of Jupiter's system for the events of its moons: the Earth and
// Jupiter from truncated VSOP87D, the Galilean moons from Lieske's theory E5 (as given in
// J. Meeus, Astronomical Algorithms, 2nd ed., ch. 44), Jupiter's IAU pole, and TT - UT. Frame:
// ecliptic and equinox of date; distances in km. The views keep computeJovianSatellites.
#pragma once

struct Vec3d {
    double x = 0, y = 0, z = 0;
};

// TT - UT in seconds at a Julian day of UT: 69.2 s for the years 2026 to 2028; the polynomials of
// Espenak and Meeus from 1941 to 2150 elsewhere, and Morrison and Stephenson's parabola
// -20 + 32 u^2 (u in centuries from 1820) before and after.
double deltaT_s(double jdUt);

// Heliocentric position of the Earth and of Jupiter at a Julian day of TT, km.
Vec3d earthHeliocentric_km(double jdTt);
Vec3d jupiterHeliocentric_km(double jdTt);

// Jupiter-centred positions of Io, Europa, Ganymede and Callisto (index 0-3) at a Julian day of TT
// (the instant the light left the moon), km. Only the moons of `mask` (bit k for moon k) are
// computed; the others are left as they were.
void galileanMoons_km(double jdTt, Vec3d out[4], unsigned mask = 0xf);

// Unit vector of Jupiter's north pole (IAU 2015: right ascension 268.056595 - 0.006499 T,
// declination 64.495303 + 0.002413 T on the ICRF equator, T in centuries from J2000).
Vec3d jupiterPole(double jdTt);

constexpr double kJupiterEquatorialRadius_km = 71492;
constexpr double kJupiterPolarRadius_km = 66854;
constexpr double kSunRadius_km = 695700;
constexpr double kAu_km = 149597870.7;
constexpr double kLightSpeed_kmPerDay = 299792.458 * 86400;
