// SPDX-License-Identifier: GPL-3.0-or-later
// The Sun's apparent orbit, the Earth-Sun distance, Kepler's equation and the reductions the
// other ephemerides share (ecliptic to equatorial, topocentric correction). Angles in degrees,
// distances in AU, frame: mean equator and equinox of the element polynomials.
#pragma once

#include "astro/bodies.h"
#include "astro/date2.h"

struct Equatorial {
    double ra_deg = 0; // [0, 360)
    double dec_deg = 0;
};

// Eccentric anomaly E (radians) of Kepler's equation E - e sin E = M for 0 <= e < 1, by Halley's
// method, to rounding, with sin E and cos E, which the solver has at hand and every caller needs
// next. E is not reduced: E - M = e sin E.
struct KeplerSolution {
    double E_rad = 0, sinE = 0, cosE = 1;
};
KeplerSolution keplerSolution(double meanAnomaly_deg, double e);
// True anomaly in degrees, (-180, 180], from the solution's sin E and cos E.
double trueAnomaly(const KeplerSolution& k, double e);
// Writes the Sun's ra, dec and delta (its true geocentric distance, AU) for `date`.
void sunPosition(soleil& sun, const date2& date);
// Earth-Sun distance (AU) from the Sun's e and M lists at t: 1.0000002 (1 - e cos E).
double sunEarthDistance(const soleil& sun, double t);
// The Sun's geocentric longitude of date, [0, 360): normalize360(L + nu - M).
double sunLongitude(const soleil& sun, double t);

// What the geocentric reductions need of the Sun at one t, from one Kepler solution: its
// longitude (deg, [0, 360)) with its sine and cosine, the Earth-Sun distance (AU) and the obliquity
// (deg).
struct SunGeometry {
    double t = 0;
    double longitude_deg = 0;
    double sinLongitude = 0, cosLongitude = 1;
    double distance_au = 0;
    double obliquity_deg = 0;
    double sinObliquity = 0, cosObliquity = 1;
};
SunGeometry sunGeometry(const soleil& sun, double t);
// The Sun's ra, dec and delta (true distance) from its geometry at the date (same result as
// sunPosition at that date).
void sunPosition(soleil& sun, const SunGeometry& geometry);
// eclipticToEquatorial with the sine and cosine of the obliquity given.
Equatorial eclipticToEquatorial(double lambda_deg, double beta_deg, double sinObliquity, double cosObliquity);
// Right ascension in [0, 360) and declination from ecliptic longitude, latitude and obliquity.
Equatorial eclipticToEquatorial(double lambda_deg, double beta_deg, double obliquity_deg);
// Altitude (deg) of dec/ra for an observer at latitude (deg, north positive) and longitude (deg,
// positive west) at Greenwich sidereal time theta (deg).
double altitudeFromSiderealTime(double dec_deg, double ra_deg, double theta_deg, double lat_deg,
                                double lonWest_deg);
// Replaces body.ra and body.dec by the topocentric place for an observer at sea level; body.delta
// is kept. A body without a distance (delta <= 0) is left unchanged.
void topocentricCorrection(objetceleste& body, const date2& date, double lat_deg, double lonWest_deg);
