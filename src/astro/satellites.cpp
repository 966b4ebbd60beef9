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

// Saturn's satellites on circular orbits: longitude at 1980 January 0.0 (deg), daily motion
// (deg/day), magnitude, orbit radius (Saturn diameters), diameter (km).
struct SaturnOrbit {
    double epochLongitude, motion, magnitude, radius, diameter;
};
constexpr SaturnOrbit kSaturnOrbits[kSaturnSatellites] = {
    {18.2919, 381.960878, 13.0, 1.5382, 390},     {174.2135, 262.702179, 11.8, 1.97331, 510},
    {172.8546, 190.6686144, 10.3, 2.4424, 1050},  {76.8438, 131.505802, 10.2, 3.12862, 1120},
    {37.2555, 79.6607672, 9.8, 4.3693, 1530},     {57.7005, 22.54663941, 8.4, 10.12431, 5150},
    {266.6977, 16.88756168, 14.3, 12.29073, 300}, {195.3513, 4.504559706, 11.2, 29.50522, 1440},
};

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

void computeSaturnSatellites(const date2& date, double saturnDelta_au, SatelliteTable& table,
                             bool initialise) {
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
    for (int i = 0; i < kSaturnPositioned; ++i) {
        const double l = reduceAngle(table.satMotion[i] * (d - tau) + table.satEpochLongitude[i]);
        table.satLongitude[i] = l;
        table.satX[i] = table.satRadius[i] * sind(l);
        table.satY[i] = table.satRadius[i] * cosd(l);
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
