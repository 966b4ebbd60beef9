// SPDX-License-Identifier: GPL-3.0-or-later
// Sun, Kepler's equation and coordinate reductions.
#include "astro/sun.h"

#include <algorithm>
#include <cmath>

#include "astro/angles.h"

namespace {
double clampUnit(double x) {
    return std::clamp(x, -1.0, 1.0);
}

// atan(num/den) in degrees, plus 180 when den < 0; den = 0 gives +-90 by the sign of num.
double quadrantAtan(double num, double den) {
    if (den == 0) return num >= 0 ? 90.0 : -90.0;
    double x = radToDeg(std::atan(num / den));
    if (den < 0) x += 180;
    return x;
}

struct SunOrbit {
    double L, e, M;
    KeplerSolution k;
};
SunOrbit sunOrbit(const soleil& sun, double t) {
    SunOrbit s;
    s.L = normalize360(polynomial(sun.L, t));
    s.e = polynomial(sun.e, t);
    s.M = normalize360(polynomial(sun.M, t));
    s.k = keplerSolution(s.M, s.e);
    return s;
}
double sunDistance(const SunOrbit& s) {
    return 1.0000002 * (1 - s.e * s.k.cosE);
}
double sunLongitude(const SunOrbit& s) {
    return normalize360(s.L + trueAnomaly(s.k, s.e) - s.M);
}
} // namespace

KeplerSolution keplerSolution(double meanAnomaly_deg, double e) {
    constexpr double kPi = 3.141592653589793, kTwoPi = 2 * kPi;
    const double m = degToRad(meanAnomaly_deg);
    // E - M is periodic in M: solve for M reduced to [-pi, pi], then add the whole turns back.
    const double mr = m - kTwoPi * std::nearbyint(m / kTwoPi);
    const double x = std::fabs(mr); // E(-M) = -E(M)
    // Start from the series M + e sin M + (e^2 / 2) sin 2M + (e^3 / 8)(3 sin 3M - sin M), kept
    // within [0, pi], where f(E) = E - e sin E - M is increasing and convex.
    double s, c;
    ::sincos(x, &s, &c);
    double E = std::clamp(x + e * s * (1 + e * c + e * e * (1 - 1.5 * s * s)), 0.0, kPi);
    double step = 0;
    for (int k = 0; k < 50; ++k) {
        ::sincos(E, &s, &c);
        const double slope = 1 - e * c, curvature = e * s; // f', f''
        const double newton = (E - e * s - x) / slope;
        // Halley's step, at most twice Newton's: far from the root (e near 1, M near 0) the
        // correction term can exceed f' and would turn the step around.
        const double denominator = std::max(slope - 0.5 * newton * curvature, 0.5 * slope);
        const double next = std::clamp(E - newton * slope / denominator, 0.0, kPi);
        step = E - next;
        E = next;
        // Halley's error after a step is about K step^3 with K = f''^2 / (4 f'^2) - f''' / (6 f'),
        // |K| <= q^2 / 4 + q / 6 for q = e / f'. Once that is below 1e-17 (a twentieth of a unit
        // in the last place at E = 1), another step would not change E.
        const double q = e / slope;
        if (!((0.25 * q * q + q / 6) * std::fabs(step * step * step) > 1e-17)) break;
    }
    // sin and cos at E from those at E + step, the last point evaluated: to rounding while the
    // step is below 1e-3 (the series' next terms are below 1e-18).
    if (std::fabs(step) < 1e-3) {
        const double h2 = step * step;
        const double sh = step * (1 - h2 / 6), ch = 1 - 0.5 * h2 * (1 - h2 / 12);
        const double sE = s * ch - c * sh;
        c = c * ch + s * sh;
        s = sE;
    } else {
        ::sincos(E, &s, &c);
    }
    KeplerSolution k;
    k.E_rad = m + ((mr < 0 ? -E : E) - mr);
    k.sinE = mr < 0 ? -s : s;
    k.cosE = c;
    return k;
}

double trueAnomaly(const KeplerSolution& k, double e) {
    // tan(nu / 2) = sqrt((1 + e) / (1 - e)) tan(E / 2), taken as one arctangent of the quadrant:
    // sin nu and cos nu are proportional to sqrt(1 - e^2) sin E and cos E - e.
    return radToDeg(std::atan2(std::sqrt(1 - e * e) * k.sinE, k.cosE - e));
}

void sunPosition(soleil& sun, const date2& date) {
    sunPosition(sun, sunGeometry(sun, static_cast<double>(date.t)));
}

double sunEarthDistance(const soleil& sun, double t) {
    return sunDistance(sunOrbit(sun, t));
}

double sunLongitude(const soleil& sun, double t) {
    return sunLongitude(sunOrbit(sun, t));
}

SunGeometry sunGeometry(const soleil& sun, double t) {
    const SunOrbit s = sunOrbit(sun, t);
    SunGeometry g;
    g.t = t;
    g.longitude_deg = sunLongitude(s);
    sinCosDeg(g.longitude_deg, g.sinLongitude, g.cosLongitude);
    g.distance_au = sunDistance(s);
    g.obliquity_deg = polynomial(sun.E, t);
    sinCosDeg(g.obliquity_deg, g.sinObliquity, g.cosObliquity);
    return g;
}

void sunPosition(soleil& sun, const SunGeometry& g) {
    double ra = quadrantAtan(g.cosObliquity * g.sinLongitude, g.cosLongitude);
    if (ra < 0) ra += 360;
    if (ra >= 360) ra -= 360;
    sun.ra = ra;
    sun.dec = radToDeg(std::asin(clampUnit(g.sinObliquity * g.sinLongitude)));
    sun.delta = g.distance_au;
}

Equatorial eclipticToEquatorial(double lambda_deg, double beta_deg, double obliquity_deg) {
    const double eps = degToRad(obliquity_deg);
    return eclipticToEquatorial(lambda_deg, beta_deg, std::sin(eps), std::cos(eps));
}

Equatorial eclipticToEquatorial(double lambda_deg, double beta_deg, double sinEps, double cosEps) {
    const double l = degToRad(lambda_deg), b = degToRad(beta_deg);
    double sl, cl, sb, cb;
    ::sincos(l, &sl, &cl);
    ::sincos(b, &sb, &cb);
    Equatorial q;
    double ra = quadrantAtan(sl * cosEps - (sb / cb) * sinEps, cl);
    if (std::isfinite(ra)) {
        if (ra < 0) ra += 360.0 * std::ceil(-ra / 360.0);
        if (ra >= 360) ra -= 360;
    }
    q.ra_deg = ra;
    q.dec_deg = radToDeg(std::asin(clampUnit(sb * cosEps + cb * sinEps * sl)));
    return q;
}

double altitudeFromSiderealTime(double dec_deg, double ra_deg, double theta_deg, double lat_deg,
                                double lonWest_deg) {
    const double h = degToRad(theta_deg - (lonWest_deg + ra_deg));
    const double phi = degToRad(lat_deg), dec = degToRad(dec_deg);
    return radToDeg(
        std::asin(clampUnit(std::cos(h) * std::cos(phi) * std::cos(dec) + std::sin(phi) * std::sin(dec))));
}

void topocentricCorrection(objetceleste& body, const date2& date, double lat_deg, double lonWest_deg) {
    if (!(body.delta > 0)) return;
    const double h = degToRad(siderealTime(date) - (lonWest_deg + body.ra));
    const double sinPi = 4.2634515116e-5 / body.delta; // 8.794" horizontal parallax at 1 AU
    const double u = std::atan(0.99664719 * std::tan(degToRad(lat_deg)));
    const double rhoSin = 0.99664719 * std::sin(u);
    const double rhoCos = std::cos(u);
    const double dec = degToRad(body.dec);
    const double den = std::cos(dec) - rhoCos * sinPi * std::cos(h);
    // atan2 keeps the quadrant should the denominator turn negative (a body within a parallax
    // of the pole); elsewhere it equals the plain arctangent of the quotient.
    const double dRa = std::atan2(-rhoCos * sinPi * std::sin(h), den);
    const double decTopo = std::atan2((std::sin(dec) - rhoSin * sinPi) * std::cos(dRa), den);
    body.dec = radToDeg(decTopo);
    body.ra = normalize360(body.ra + radToDeg(dRa));
}
