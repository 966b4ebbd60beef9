// SPDX-License-Identifier: GPL-3.0-or-later
// Planets, comets and asteroids from orbital elements; phases, magnitudes, names.
#include "astro/planets.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>

#include "astro/angles.h"
#include "astro/satellites.h"
#include "astro/sun.h"

namespace {
double clampUnit(double x) {
    return std::clamp(x, -1.0, 1.0);
}

// atan(num/den) in degrees plus 180 when den <= 0 (the comet orientation constants).
double orientationAngle(double num, double den) {
    if (den == 0) return (num >= 0 ? 90.0 : -90.0) + 180;
    double x = radToDeg(std::atan(num / den));
    if (den <= 0) x += 180;
    return x;
}
// Direction of (x, y) in [0, 360): atan(y/x), plus 180 when x < 0; on the y axis 90 or 270.
double directionDeg(double y, double x) {
    double a;
    if (x > 0)
        a = radToDeg(std::atan(y / x));
    else if (x < 0)
        a = radToDeg(std::atan(y / x)) + 180;
    else
        a = y >= 0 ? 90 : 270;
    return normalize360(a);
}
} // namespace

void planetPosition(objetceleste& p, const date2& date, const soleil& sun) {
    if (std::strcmp(p.nom, "Terre") == 0) {
        planetPosition(p, date, SunGeometry{}); // the Earth needs nothing of the Sun
        return;
    }
    planetPosition(p, date, sunGeometry(sun, static_cast<double>(date.t)));
}

namespace {
constexpr double kMaxEccentricity = 0.99;
} // namespace

void planetPosition(objetceleste& p, const date2& date, const SunGeometry& sun) {
    const double t = static_cast<double>(date.t);
    const double L = normalize360(polynomial(p.L, t));
    const double a = polynomial(p.a, t);
    // The element polynomials hold for some thousand years; far beyond them (a span view's rows can
    // reach year 9000) Saturn's eccentricity leaves [0, 1), where the true anomaly is not a number.
    // Within the date range every planet's stays far inside these bounds.
    const double e = std::clamp(polynomial(p.e, t), 0.0, kMaxEccentricity);
    const double inc = normalize360(polynomial(p.i, t));
    const double node = normalize360(polynomial(p.O, t));
    const double M = normalize360(polynomial(p.M, t));

    // The true anomaly nu by its sine and cosine, from those of E.
    const KeplerSolution k = keplerSolution(M, e);
    const double q = 1 - e * k.cosE;
    p.r = a * q;
    const double cosNu = (k.cosE - e) / q, sinNu = std::sqrt(1 - e * e) * k.sinE / q;
    // The argument of latitude u = omega + nu, omega = L - M - node the argument of perihelion.
    double sinW, cosW, sinI, cosI, sinN, cosN;
    sinCosDeg(L - (M + node), sinW, cosW);
    sinCosDeg(inc, sinI, cosI);
    sinCosDeg(node, sinN, cosN);
    const double sinU = sinW * cosNu + cosW * sinNu, cosU = cosW * cosNu - sinW * sinNu;
    // Heliocentric ecliptic direction: the orbit plane turned by i about the node line, then by
    // the node about the ecliptic pole. atan2 keeps retrograde orbits (i > 90) right.
    const double x = cosU * cosN - sinU * cosI * sinN;
    const double y = cosU * sinN + sinU * cosI * cosN;
    const double z = clampUnit(sinU * sinI);
    p.lambda = normalize360(radToDeg(std::atan2(y, x)));
    p.beta = radToDeg(std::asin(z));

    const double R = sun.distance_au;
    p.sunDistance = R;
    if (std::strcmp(p.nom, "Terre") == 0) {
        p.dec = p.ra = p.delta = 0;
        return;
    }
    // Geocentric: the Sun's geocentric vector plus the heliocentric one, then turned by the
    // obliquity about the equinox line.
    const double gx = p.r * x + R * sun.cosLongitude, gy = p.r * y + R * sun.sinLongitude, gz = p.r * z;
    const double X = gx, Y = gy * sun.cosObliquity - gz * sun.sinObliquity,
                 Z = gy * sun.sinObliquity + gz * sun.cosObliquity;
    p.delta = std::sqrt(X * X + Y * Y + Z * Z);
    p.ra = normalize360(radToDeg(std::atan2(Y, X)));
    p.dec = p.delta > 0 ? radToDeg(std::asin(clampUnit(Z / p.delta))) : 0;
}

namespace {

// Turns an equatorial vector from the mean equator and equinox of `from_T` to that of `to_T`
// (T in Julian centuries since JD 2415020.0) with the IAU 1976 precession angles (Lieske 1977, as
// in J. Meeus, Astronomical Algorithms, ch. 21).
void precessEquatorial(double& x, double& y, double& z, double from_T, double to_T) {
    const double T0 = from_T - 1.0, t = to_T - from_T; // T0 from J2000.0 (T = 1), centuries
    if (t == 0) return;
    const double arcsec = 1.0 / 3600.0;
    const double zeta = ((2306.2181 + 1.39656 * T0 - 0.000139 * T0 * T0) * t +
                         (0.30188 - 0.000344 * T0) * t * t + 0.017998 * t * t * t) *
                        arcsec;
    const double zz = ((2306.2181 + 1.39656 * T0 - 0.000139 * T0 * T0) * t +
                       (1.09468 + 0.000066 * T0) * t * t + 0.018203 * t * t * t) *
                      arcsec;
    const double theta = ((2004.3109 - 0.85330 * T0 - 0.000217 * T0 * T0) * t -
                          (0.42665 + 0.000217 * T0) * t * t - 0.041833 * t * t * t) *
                         arcsec;
    const double r = std::sqrt(x * x + y * y + z * z);
    if (!(r > 0)) return;
    const double ra0 = directionDeg(y, x), dec0 = radToDeg(std::asin(clampUnit(z / r)));
    const double A = cosDeg(dec0) * sinDeg(ra0 + zeta);
    const double B = cosDeg(theta) * cosDeg(dec0) * cosDeg(ra0 + zeta) - sinDeg(theta) * sinDeg(dec0);
    const double C = sinDeg(theta) * cosDeg(dec0) * cosDeg(ra0 + zeta) + cosDeg(theta) * sinDeg(dec0);
    const double ra = directionDeg(A, B) + zz, dec = radToDeg(std::asin(clampUnit(C)));
    x = r * cosDeg(dec) * cosDeg(ra);
    y = r * cosDeg(dec) * sinDeg(ra);
    z = r * sinDeg(dec);
}

} // namespace

void cometPosition(comet& c, const date2& date, const soleil& sun) {
    const double t = static_cast<double>(date.t);
    const double a = c.a[0], e = c.e[0], inc = c.i[0], omega = c.o[0], node = c.O[0];
    const double eps0 = polynomial(sun.E, c.tequi);

    double sinN, cosN, sinI, cosI, sinE0, cosE0;
    sinCosDeg(node, sinN, cosN);
    sinCosDeg(inc, sinI, cosI);
    sinCosDeg(eps0, sinE0, cosE0);
    const double F = cosN, P = -sinN * cosI;
    const double A = orientationAngle(F, P), aP = std::sqrt(F * F + P * P);
    const double G = sinN * cosE0;
    const double Q = cosN * cosI * cosE0 - sinI * sinE0;
    const double B = orientationAngle(G, Q), bP = std::sqrt(G * G + Q * Q);
    const double H = sinN * sinE0;
    const double Rr = cosN * cosI * sinE0 + sinI * cosE0;
    const double C = orientationAngle(H, Rr), cP = std::sqrt(H * H + Rr * Rr);

    // 0.985609 degrees per day at 1 AU (Gauss' constant).
    const double M = a > 0 ? 0.985609 / (a * std::sqrt(a)) * (t - c.tperi) * 36525 : 0;
    const KeplerSolution k = keplerSolution(M, e);
    const double nu = trueAnomaly(k, e);
    const double r = a * (1 - e * k.cosE);

    double x = r * aP * sinDeg(A + omega + nu);
    double y = r * bP * sinDeg(B + omega + nu);
    double z = r * cP * sinDeg(C + omega + nu);
    // The orbit is in the equator of its elements' equinox, the Sun in the mean equator of date:
    // bring the body to the date's equator (a J2000 orbit would be off by 20' in 2025). An equinox
    // of 0 means none was given; the elements are then taken as of date.
    if (c.tequi != 0) precessEquatorial(x, y, z, c.tequi, t);

    // The Sun's geocentric place in the equator of date.
    const SunGeometry g = sunGeometry(sun, t);
    const double R = g.distance_au;
    c.sunDistance = R;
    const double X = R * g.cosLongitude, Y = R * g.sinLongitude * g.cosObliquity,
                 Z = R * g.sinLongitude * g.sinObliquity;
    const double xi = x + X, eta = y + Y, zeta = z + Z;

    c.ra = directionDeg(eta, xi);
    c.delta = std::sqrt(xi * xi + eta * eta + zeta * zeta);
    c.dec = c.delta > 0 ? radToDeg(std::asin(clampUnit(zeta / c.delta))) : 0;
    c.r = std::sqrt(x * x + y * y + z * z);
    c.beta = 0;
    c.lambda = directionDeg(y, x);
}

double phaseAngle(const objetceleste& b) {
    const double denom = 2 * b.r * b.delta;
    if (!(denom > 0)) return 0;
    // The Earth-Sun distance of the body's last position; 1 AU for a body placed by hand. Taking
    // 1 always would put Saturn 1.1 degrees from opposition on the day of opposition.
    const double R = b.sunDistance > 0 ? b.sunDistance : 1.0;
    const double c = clampUnit((b.r * b.r + b.delta * b.delta - R * R) / denom);
    return radToDeg(std::acos(c));
}

double visibleFraction(const objetceleste& b) {
    return visibleFractionAtPhase(phaseAngle(b));
}

double visibleFractionAtPhase(double phase_deg) {
    const double c = cosDeg(phase_deg / 2);
    return c * c;
}

double planetMagnitude(const objetceleste& b) {
    return planetMagnitude(b, phaseAngle(b));
}

double planetMagnitude(const objetceleste& b, double phase_deg) {
    const double x = phase_deg * 0.01;
    const double rd = b.r * b.delta;
    const double distanceTerm = rd > 0 ? 5 * std::log10(rd) : 0; // no distance: the body's mag0
    double m = b.mag[0] + distanceTerm + b.mag[1] * x + b.mag[2] * x * x + b.mag[3] * x * x * x;
    if (std::strcmp(b.nom, "Saturne") == 0 && rd > 0) {
        // The rings brighten Saturn as they open: -2.60 sin|B| + 1.25 sin^2 B, B the Earth's
        // latitude above the ring plane (Astronomical Almanac 1984).
        const double s = std::abs(std::sin(saturnRingTilt_rad(b.ra, b.dec)));
        m += -2.60 * s + 1.25 * s * s;
    }
    return m;
}

double apparentDiameter(const objetceleste& b) {
    if (!(b.delta > 0)) return 0;
    return 2.7575885721851394 * (b.rayon * 0.001) / b.delta;
}

namespace {
struct NamePair {
    const char* french;
    const char* english;
};
constexpr NamePair kNames[] = {
    {"Terre", "Earth"},     {"Mercure", "Mercury"}, {"Venus", "Venus"},   {"Mars", "Mars"},
    {"Jupiter", "Jupiter"}, {"Saturne", "Saturn"},  {"Uranus", "Uranus"}, {"Neptune", "Neptune"},
    {"Pluton", "Pluto"},    {"Lune", "Moon"},       {"Soleil", "Sun"},
};
// Case-insensitive comparison of Windows-1252 bytes (ASCII letters and the accented capitals
// 0xC0-0xDE folded onto 0xE0-0xFE).
unsigned char fold(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
    return c;
}
bool sameName(const std::string& a, const char* b) {
    const size_t n = std::strlen(b);
    if (a.size() != n) return false;
    for (size_t k = 0; k < n; ++k)
        if (fold(static_cast<unsigned char>(a[k])) != fold(static_cast<unsigned char>(b[k]))) return false;
    return true;
}
} // namespace

std::string englishName(const std::string& french) {
    if (sameName(french, "V\xE9nus")) return "Venus";
    for (const NamePair& p : kNames)
        if (sameName(french, p.french)) return p.english;
    return "";
}

std::string frenchName(const std::string& english) {
    for (const NamePair& p : kNames)
        if (sameName(english, p.english)) return p.french;
    return "";
}
