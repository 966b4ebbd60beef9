// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/satellites.h"

#include <algorithm>
#include <cmath>

const char* const kJovianSatelliteNames[kJovianSatellites] = {"Io", "Europe", "Ganymede", "Callisto"};
const char* const kSaturnSatelliteNames[kSaturnSatellites] = {"Mimas", "Encelade", "Tethys",   "Dione",
                                                              "Rhea",  "Titan",    "Hyperion", "Japet"};

namespace {
constexpr double kDeg = M_PI / 180.0;
double sind(double deg) {
    return std::sin(deg * kDeg);
}
double cosd(double deg) {
    return std::cos(deg * kDeg);
}

// Saturn's satellites on circular orbits in Saturn's equatorial plane: mean longitude at
// 1980 January 0.0 (JD 2444238.5), counted from the ascending node of that plane on the Earth's
// equator of date, and sidereal daily motion (deg/day), fitted to the Bureau des Longitudes
// ephemeris over 1999-2039 by tools/satellites/fit_saturn_moons.py; magnitude, orbit radius
// (Saturn diameters), diameter (km). Hyperion and Japet keep their constants only.
struct SaturnOrbit {
    double epochLongitude, motion, magnitude, radius, diameter;
};
constexpr SaturnOrbit kSaturnOrbits[kSaturnSatellites] = {
    {206.669213, 381.993900874, 13.0, 1.5382, 390}, {51.801262, 262.731925757, 11.8, 1.97331, 510},
    {52.468139, 190.698129653, 10.3, 2.4424, 1050}, {316.985337, 131.534967286, 10.2, 3.12862, 1120},
    {276.871553, 79.690084644, 9.8, 4.3693, 1530},  {288.960344, 22.577011692, 8.4, 10.12431, 5150},
    {266.6977, 16.88756168, 14.3, 12.29073, 300},   {195.3513, 4.504559706, 11.2, 29.50522, 1440},
};
// Mimas librates in its resonance with Tethys: A sin(2 pi d / P + phase), P = 70.8 years.
constexpr double kMimasLibration_deg = 41.9753, kMimasLibrationPhase_deg = 43.4553,
                 kMimasLibrationPeriod_days = 70.8 * 365.25;
// Titan's orbit: eccentricity, and its perisaturnium in the same frame at the epoch (deg) and its
// daily motion (deg/day).
constexpr double kTitanEccentricity = 0.0288, kTitanPeriapsis_deg = 193.6176,
                 kTitanPeriapsisMotion = 0.00145744;

// Saturn's north pole, equator of date: right ascension and polar distance, degrees.
constexpr double kSaturnPoleRa_deg = 40.27, kSaturnPolarDistance_deg = 6.49;
} // namespace

double reduceAngle(double a) {
    if (!std::isfinite(a)) return a;
    if (a < 0) a += 360.0 * std::ceil(-a / 360.0); // the same as adding 360 one turn at a time
    a -= 360.0 * std::trunc(a / 360.0);
    return a >= 360.0 ? a - 360.0 : a;
}

void computeJovianSatellites(const date2& date, SatelliteTable& table) {
    const double d = 36525.0 * static_cast<double>(date.t);
    const double V = 134.63 + 0.00111587 * d;
    const double M = 358.476 + 0.9856005 * d;                  // the Earth's mean anomaly
    const double N = 225.328 + 0.0830853 * d + 0.33 * sind(V); // Jupiter's mean anomaly
    const double J = 221.647 + 0.9025179 * d - 0.33 * sind(V);
    const double A = 1.916 * sind(M) + 0.02 * sind(2 * M);
    const double B = 5.552 * sind(N) + 0.167 * sind(2 * N);
    const double K = J + A - B;
    const double R = 1.00014 - 0.01672 * cosd(M) - 0.00014 * cosd(2 * M); // Earth-Sun, AU
    const double r = 5.20867 - 0.25192 * cosd(N) - 0.0061 * cosd(2 * N);  // Jupiter-Sun, AU
    const double delta = std::sqrt(r * r + R * R - 2 * r * R * cosd(K));  // Earth-Jupiter, AU
    const double psi = std::asin(std::clamp(R * sind(K) / delta, -1.0, 1.0)) / kDeg;
    const double t = d - delta * 0.005780346820809248; // light time, delta / 173 days

    const double cm = reduceAngle(290.28 + 870.1869088 * t + psi - B);
    table.redSpotAngle = 42.0 - cm;

    double u[4] = {
        reduceAngle(84.5506 + 203.405863 * t + psi - B), reduceAngle(41.5015 + 101.2916323 * t + psi - B),
        reduceAngle(109.977 + 50.2345169 * t + psi - B), reduceAngle(176.3586 + 21.4879802 * t + psi - B)};
    const double G = 187.3 + 50.310674 * t, H = 311.1 + 21.569226 * t;
    const double lambda = 238.05 + 0.083091 * d + 0.33 * sind(V) + B;
    const double De = 3.07 * sind(lambda + 44.5) - 2.15 * sind(psi) * cosd(lambda + 24) -
                      1.31 * ((r - delta) / delta) * sind(lambda - 99.4);

    const double radius[4] = {5.9061 - 0.0244 * cosd(2 * (u[0] - u[1])),
                              9.3972 - 0.0889 * cosd(2 * (u[1] - u[2])), 14.9894 - 0.0227 * cosd(G),
                              26.3649 - 0.1944 * cosd(H)};
    const double corrected[4] = {u[0] + 0.472 * sind(2 * (u[0] - u[1])),
                                 u[1] + 1.073 * sind(2 * (u[1] - u[2])), u[2] + 0.174 * sind(G),
                                 u[3] + 0.845 * sind(H)};
    const double sinDe = sind(De);
    for (int i = 0; i < kJovianSatellites; ++i) {
        table.satRadius[i] = radius[i];
        table.satLongitude[i] = corrected[i];
        table.satX[i] = -radius[i] * sind(corrected[i]);
        table.satZ[i] = -radius[i] * cosd(corrected[i]);
        table.satY[i] = -radius[i] * cosd(corrected[i]) * sinDe;
    }
}

double saturnEarthLongitude(double saturnRa_deg, double saturnDec_deg) {
    // The Earth seen from Saturn, e = -(direction of Saturn); the pole n; the node q = z x n on
    // the equator, and r = n x q a quarter turn further in the direction of the motion.
    const double cd = cosd(saturnDec_deg);
    const double e[3] = {-cd * cosd(saturnRa_deg), -cd * sind(saturnRa_deg), -sind(saturnDec_deg)};
    const double A = kSaturnPoleRa_deg, cosDec = sind(kSaturnPolarDistance_deg),
                 sinDec = cosd(kSaturnPolarDistance_deg);
    const double n[3] = {cosDec * cosd(A), cosDec * sind(A), sinDec};
    const double q[3] = {-sind(A), cosd(A), 0};
    const double r[3] = {n[1] * q[2] - n[2] * q[1], n[2] * q[0] - n[0] * q[2], n[0] * q[1] - n[1] * q[0]};
    return std::atan2(e[0] * r[0] + e[1] * r[1] + e[2] * r[2], e[0] * q[0] + e[1] * q[1] + e[2] * q[2]) /
           kDeg;
}

void computeSaturnSatellites(const date2& date, double saturnRa_deg, double saturnDec_deg,
                             double saturnDelta_au, SatelliteTable& table, bool initialise) {
    if (initialise) {
        for (int i = 0; i < kSaturnSatellites; ++i) {
            table.satEpochLongitude[i] = kSaturnOrbits[i].epochLongitude;
            table.satMotion[i] = kSaturnOrbits[i].motion;
            table.satMagnitude[i] = kSaturnOrbits[i].magnitude;
            table.satRadius[i] = kSaturnOrbits[i].radius;
            table.satDiameter[i] = kSaturnOrbits[i].diameter;
        }
    }
    const double d = 36525.0 * static_cast<double>(date.t) - 29218.5; // days from JD 2444238.5
    const double tau = saturnDelta_au * 0.005752746936662256;         // light time, delta / 173.83 days
    const double t = d - tau;                                         // when the light left the moons
    const double earth = saturnEarthLongitude(saturnRa_deg, saturnDec_deg);
    for (int i = 0; i < kSaturnPositioned; ++i) {
        double mean = table.satMotion[i] * t + table.satEpochLongitude[i], radius = table.satRadius[i];
        if (i == 0)
            mean += kMimasLibration_deg *
                    std::sin(2 * M_PI * t / kMimasLibrationPeriod_days + kMimasLibrationPhase_deg * kDeg);
        if (i == 5) { // Titan: equation of the centre and radius of its ellipse
            const double e = kTitanEccentricity;
            const double M = (mean - kTitanPeriapsis_deg - kTitanPeriapsisMotion * t) * kDeg;
            mean += (2 * e * std::sin(M) + 1.25 * e * e * std::sin(2 * M)) / kDeg;
            radius *= 1 - e * std::cos(M);
        }
        const double l = reduceAngle(mean - earth);
        table.satLongitude[i] = l;
        table.satX[i] = radius * sind(l);
        table.satY[i] = radius * cosd(l);
    }
}

double saturnRingTilt_rad(double saturnRa_deg, double saturnDec_deg) {
    const double p = kSaturnPolarDistance_deg, A = kSaturnPoleRa_deg;
    // The sine of the angle between the line of sight towards Saturn and its equator plane; the
    // Earth stands on the other side of the plane, so its latitude has the opposite sign.
    const double towardsSaturn = cosd(p) * cosd(90 - saturnDec_deg) +
                                 sind(p) * sind(A) * sind(90 - saturnDec_deg) * sind(saturnRa_deg) +
                                 sind(p) * cosd(A) * sind(90 - saturnDec_deg) * cosd(saturnRa_deg);
    return -std::asin(std::clamp(towardsSaturn, -1.0, 1.0));
}
