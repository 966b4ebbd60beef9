// SPDX-License-Identifier: GPL-3.0-or-later
// Truncated VSOP87D for the Earth and Jupiter, Lieske's E5 for the Galilean moons (the series and
// the reduction to the ecliptic of date as in Meeus, Astronomical Algorithms, 2nd ed., ch. 44).
#include "astro/jovian_theory.h"

#include <cmath>
#include <cstddef>

namespace {

struct VsopTerm {
    double A, B, C;
};
struct VsopSeries {
    const VsopTerm* terms;
    std::size_t count;
    template <std::size_t N> constexpr VsopSeries(const VsopTerm (&t)[N]) : terms(t), count(N) {}
};

#include "astro/vsop87_terms.inc"

constexpr double kDeg = M_PI / 180;
constexpr double kJ2000 = 2451545.0;

template <std::size_t N> double vsopSum(const VsopSeries (&series)[N], double tau) {
    double sum = 0, power = 1;
    for (const VsopSeries& s : series) {
        double part = 0;
        for (std::size_t i = 0; i < s.count; ++i)
            part += s.terms[i].A * std::cos(s.terms[i].B + s.terms[i].C * tau);
        sum += part * power;
        power *= tau;
    }
    return sum;
}

template <std::size_t NL, std::size_t NB, std::size_t NR>
Vec3d vsopPosition(const VsopSeries (&L)[NL], const VsopSeries (&B)[NB], const VsopSeries (&R)[NR],
                   double jdTt) {
    const double tau = (jdTt - kJ2000) / 365250;
    const double l = vsopSum(L, tau), b = vsopSum(B, tau), r = vsopSum(R, tau) * kAu_km;
    return {r * std::cos(b) * std::cos(l), r * std::cos(b) * std::sin(l), r * std::sin(b)};
}

// An angle in radians brought into [0, 2 pi), so that the many sines of its combinations take
// the fast path of small arguments.
double turn(double x) {
    return x - 2 * M_PI * std::floor(x / (2 * M_PI));
}

double poly(double t, double c0, double c1, double c2, double c3) {
    return c0 + t * (c1 + t * (c2 + t * c3));
}

} // namespace

double deltaT_s(double jdUt) {
    const double y = 2000 + (jdUt - kJ2000) / 365.25;
    if (y >= 2026 && y < 2029) return 69.2;
    if (y >= 2005 && y < 2050) {
        const double t = y - 2000;
        return 62.92 + 0.32217 * t + 0.005589 * t * t;
    }
    if (y >= 1986 && y < 2005) {
        const double t = y - 2000;
        return 63.86 +
               t * (0.3345 + t * (-0.060374 + t * (0.0017275 + t * (0.000651814 + t * 0.00002373599))));
    }
    if (y >= 1961 && y < 1986) {
        const double t = y - 1975;
        return 45.45 + 1.067 * t - t * t / 260 - t * t * t / 718;
    }
    if (y >= 1941 && y < 1961) {
        const double t = y - 1950;
        return 29.07 + 0.407 * t - t * t / 233 + t * t * t / 2547;
    }
    const double u = (y - 1820) / 100;
    if (y >= 2050 && y < 2150) return -20 + 32 * u * u - 0.5628 * (2150 - y);
    return -20 + 32 * u * u;
}

Vec3d earthHeliocentric_km(double jdTt) {
    return vsopPosition(kEarthL, kEarthB, kEarthR, jdTt);
}

Vec3d jupiterHeliocentric_km(double jdTt) {
    return vsopPosition(kJupiterL, kJupiterB, kJupiterR, jdTt);
}

Vec3d jupiterPole(double jdTt) {
    const double T = (jdTt - kJ2000) / 36525;
    const double ra = (268.056595 - 0.006499 * T) * kDeg, dec = (64.495303 + 0.002413 * T) * kDeg;
    // J2000 equator to the mean equator of date (IAU 1976 precession, Meeus ch. 21), then to the
    // ecliptic of date by the mean obliquity of date.
    const double as = 1.0 / 3600 * kDeg;
    const double zeta = (2306.2181 * T + 0.30188 * T * T + 0.017998 * T * T * T) * as;
    const double zz = (2306.2181 * T + 1.09468 * T * T + 0.018203 * T * T * T) * as;
    const double theta = (2004.3109 * T - 0.42665 * T * T - 0.041833 * T * T * T) * as;
    const double A = std::cos(dec) * std::sin(ra + zeta);
    const double B = std::cos(theta) * std::cos(dec) * std::cos(ra + zeta) - std::sin(theta) * std::sin(dec);
    const double C = std::sin(theta) * std::cos(dec) * std::cos(ra + zeta) + std::cos(theta) * std::sin(dec);
    const double raD = std::atan2(A, B) + zz, decD = std::asin(C);
    const double eps = poly(T, 84381.448, -46.8150, -0.00059, 0.001813) * as;
    const double x = std::cos(decD) * std::cos(raD), y = std::cos(decD) * std::sin(raD), z = std::sin(decD);
    return {x, y * std::cos(eps) + z * std::sin(eps), -y * std::sin(eps) + z * std::cos(eps)};
}

void galileanMoons_km(double jdTt, Vec3d out[4], unsigned mask) {
    const double p = kDeg;
    const double t = jdTt - 2443000.5;
    const double l1 = turn(106.07719 * p + 203.48895579 * p * t);
    const double l2 = turn(175.73161 * p + 101.374724735 * p * t);
    const double l3 = turn(120.55883 * p + 50.317609207 * p * t);
    const double l4 = turn(84.44459 * p + 21.571071177 * p * t);
    const double pi1 = turn(97.0881 * p + 0.16138586 * p * t);
    const double pi2 = turn(154.8663 * p + 0.04726307 * p * t);
    const double pi3 = turn(188.184 * p + 0.00712734 * p * t);
    const double pi4 = turn(335.2868 * p + 0.00184 * p * t);
    const double w1 = turn(312.3346 * p - 0.13279386 * p * t);
    const double w2 = turn(100.4411 * p - 0.03263064 * p * t);
    const double w3 = turn(119.1942 * p - 0.00717703 * p * t);
    const double w4 = turn(322.6186 * p - 0.00175934 * p * t);
    const double Gamma = 0.33033 * p * std::sin(163.679 * p + 0.0010512 * p * t) +
                         0.03439 * p * std::sin(34.486 * p - 0.0161731 * p * t);
    const double PhiL = turn(199.6766 * p + 0.1737919 * p * t);
    double psi = turn(316.5182 * p - 0.00000208 * p * t);
    const double G = turn(30.23756 * p + 0.0830925701 * p * t) + Gamma;
    const double G2 = turn(31.97853 * p + 0.0334597339 * p * t);
    const double PI = 13.469942 * p;

    const double S1 =
        !(mask & 1)
            ? 0
            : 0.47259 * p * std::sin(2 * (l1 - l2)) + -0.03478 * p * std::sin(pi3 - pi4) +
                  0.01081 * p * std::sin(l2 - 2 * l3 + pi3) + 0.00738 * p * std::sin(PhiL) +
                  0.00713 * p * std::sin(l2 - 2 * l3 + pi2) +
                  -0.00674 * p * std::sin(pi1 + pi3 - 2 * PI - 2 * G) +
                  0.00666 * p * std::sin(l2 - 2 * l3 + pi4) + 0.00445 * p * std::sin(l1 - pi3) +
                  -0.00354 * p * std::sin(l1 - l2) + -0.00317 * p * std::sin(2 * psi - 2 * PI) +
                  0.00265 * p * std::sin(l1 - pi4) + -0.00186 * p * std::sin(G) +
                  0.00162 * p * std::sin(pi2 - pi3) + 0.00158 * p * std::sin(4 * (l1 - l2)) +
                  -0.00155 * p * std::sin(l1 - l3) + -0.00138 * p * std::sin(psi + w3 - 2 * PI - 2 * G) +
                  -0.00115 * p * std::sin(2 * (l1 - 2 * l2 + w2)) + 0.00089 * p * std::sin(pi2 - pi4) +
                  0.00085 * p * std::sin(l1 + pi3 - 2 * PI - 2 * G) + 0.00083 * p * std::sin(w2 - w3) +
                  0.00053 * p * std::sin(psi - w2);
    const double S2 =
        !(mask & 2)
            ? 0
            : 1.06476 * p * std::sin(2 * (l2 - l3)) + 0.04256 * p * std::sin(l1 - 2 * l2 + pi3) +
                  0.03581 * p * std::sin(l2 - pi3) + 0.02395 * p * std::sin(l1 - 2 * l2 + pi4) +
                  0.01984 * p * std::sin(l2 - pi4) + -0.01778 * p * std::sin(PhiL) +
                  0.01654 * p * std::sin(l2 - pi2) + 0.01334 * p * std::sin(l2 - 2 * l3 + pi2) +
                  0.01294 * p * std::sin(pi3 - pi4) + -0.01142 * p * std::sin(l2 - l3) +
                  -0.01057 * p * std::sin(G) + -0.00775 * p * std::sin(2 * (psi - PI)) +
                  0.00524 * p * std::sin(2 * (l1 - l2)) + -0.0046 * p * std::sin(l1 - l3) +
                  0.00316 * p * std::sin(psi - 2 * G + w3 - 2 * PI) +
                  -0.00203 * p * std::sin(pi1 + pi3 - 2 * PI - 2 * G) + 0.00146 * p * std::sin(psi - w3) +
                  -0.00145 * p * std::sin(2 * G) + 0.00125 * p * std::sin(psi - w4) +
                  -0.00115 * p * std::sin(l1 - 2 * l3 + pi3) + -0.00094 * p * std::sin(2 * (l2 - w2)) +
                  0.00086 * p * std::sin(2 * (l1 - 2 * l2 + w2)) +
                  -0.00086 * p * std::sin(5 * G2 - 2 * G + 52.225 * p) + -0.00078 * p * std::sin(l2 - l4) +
                  -0.00064 * p * std::sin(3 * l3 - 7 * l4 + 4 * pi4) + 0.00064 * p * std::sin(pi1 - pi4) +
                  -0.00063 * p * std::sin(l1 - 2 * l3 + pi4) + 0.00058 * p * std::sin(w3 - w4) +
                  0.00056 * p * std::sin(2 * (psi - PI - G)) + 0.00056 * p * std::sin(2 * (l2 - l4)) +
                  0.00055 * p * std::sin(2 * (l1 - l3)) +
                  0.00052 * p * std::sin(3 * l3 - 7 * l4 + pi3 + 3 * pi4) +
                  -0.00043 * p * std::sin(l1 - pi3) + 0.00041 * p * std::sin(5 * (l2 - l3)) +
                  0.00041 * p * std::sin(pi4 - PI) + 0.00032 * p * std::sin(w2 - w3) +
                  0.00032 * p * std::sin(2 * (l3 - G - PI));
    const double S3 =
        !(mask & 4)
            ? 0
            : 0.1649 * p * std::sin(l3 - pi3) + 0.09081 * p * std::sin(l3 - pi4) +
                  -0.06907 * p * std::sin(l2 - l3) + 0.03784 * p * std::sin(pi3 - pi4) +
                  0.01846 * p * std::sin(2 * (l3 - l4)) + -0.0134 * p * std::sin(G) +
                  -0.01014 * p * std::sin(2 * (psi - PI)) + 0.00704 * p * std::sin(l2 - 2 * l3 + pi3) +
                  -0.0062 * p * std::sin(l2 - 2 * l3 + pi2) + -0.00541 * p * std::sin(l3 - l4) +
                  0.00381 * p * std::sin(l2 - 2 * l3 + pi4) + 0.00235 * p * std::sin(psi - w3) +
                  0.00198 * p * std::sin(psi - w4) + 0.00176 * p * std::sin(PhiL) +
                  0.0013 * p * std::sin(3 * (l3 - l4)) + 0.00125 * p * std::sin(l1 - l3) +
                  -0.00119 * p * std::sin(5 * G2 - 2 * G + 52.225 * p) + 0.00109 * p * std::sin(l1 - l2) +
                  -0.001 * p * std::sin(3 * l3 - 7 * l4 + 4 * pi4) + 0.00091 * p * std::sin(w3 - w4) +
                  0.0008 * p * std::sin(3 * l3 - 7 * l4 + pi3 + 3 * pi4) +
                  -0.00075 * p * std::sin(2 * l2 - 3 * l3 + pi3) +
                  0.00072 * p * std::sin(pi1 + pi3 - 2 * PI - 2 * G) + 0.00069 * p * std::sin(pi4 - PI) +
                  -0.00058 * p * std::sin(2 * l3 - 3 * l4 + pi4) +
                  -0.00057 * p * std::sin(l3 - 2 * l4 + pi4) +
                  0.00056 * p * std::sin(l3 + pi3 - 2 * PI - 2 * G) +
                  -0.00052 * p * std::sin(l2 - 2 * l3 + pi1) + -0.00050 * p * std::sin(pi2 - pi3) +
                  0.00048 * p * std::sin(l3 - 2 * l4 + pi3) + -0.00045 * p * std::sin(2 * l2 - 3 * l3 + pi4) +
                  -0.00041 * p * std::sin(pi2 - pi4) + -0.00038 * p * std::sin(2 * G) +
                  -0.00037 * p * std::sin(pi3 - pi4 + w3 - w4) +
                  -0.00032 * p * std::sin(3 * l3 - 7 * l4 + 2 * pi3 + 2 * pi4) +
                  0.0003 * p * std::sin(4 * (l3 - l4)) + 0.00029 * p * std::sin(l3 + pi4 - 2 * PI - 2 * G) +
                  -0.00028 * p * std::sin(w3 + psi - 2 * PI - 2 * G) + 0.00026 * p * std::sin(l3 - PI - G) +
                  0.00024 * p * std::sin(l2 - 3 * l3 + 2 * l4) + 0.00021 * p * std::sin(2 * (l3 - PI - G)) +
                  -0.00021 * p * std::sin(l3 - pi2) + 0.00017 * p * std::sin(2 * (l3 - pi3));
    const double S4 =
        !(mask & 8)
            ? 0
            : 0.84287 * p * std::sin(l4 - pi4) + 0.03431 * p * std::sin(pi4 - pi3) +
                  -0.03305 * p * std::sin(2 * (psi - PI)) + -0.03211 * p * std::sin(G) +
                  -0.01862 * p * std::sin(l4 - pi3) + 0.01186 * p * std::sin(psi - w4) +
                  0.00623 * p * std::sin(l4 + pi4 - 2 * G - 2 * PI) + 0.00387 * p * std::sin(2 * (l4 - pi4)) +
                  -0.00284 * p * std::sin(5 * G2 - 2 * G + 52.225 * p) +
                  -0.00234 * p * std::sin(2 * (psi - pi4)) + -0.00223 * p * std::sin(l3 - l4) +
                  -0.00208 * p * std::sin(l4 - PI) + 0.00178 * p * std::sin(psi + w4 - 2 * pi4) +
                  0.00134 * p * std::sin(pi4 - PI) + 0.00125 * p * std::sin(2 * (l4 - G - PI)) +
                  -0.00117 * p * std::sin(2 * G) + -0.00112 * p * std::sin(2 * (l3 - l4)) +
                  0.00107 * p * std::sin(3 * l3 - 7 * l4 + 4 * pi4) + 0.00102 * p * std::sin(l4 - G - PI) +
                  0.00096 * p * std::sin(2 * l4 - psi - w4) + 0.00087 * p * std::sin(2 * (psi - w4)) +
                  -0.00085 * p * std::sin(3 * l3 - 7 * l4 + pi3 + 3 * pi4) +
                  0.00085 * p * std::sin(l3 - 2 * l4 + pi4) + -0.00081 * p * std::sin(2 * (l4 - psi)) +
                  0.00071 * p * std::sin(l4 + pi4 - 2 * PI - 3 * G) + 0.00061 * p * std::sin(l1 - l4) +
                  -0.00056 * p * std::sin(psi - w3) + -0.00054 * p * std::sin(l3 - 2 * l4 + pi3) +
                  0.00051 * p * std::sin(l2 - l4) + 0.00042 * p * std::sin(2 * (psi - G - PI)) +
                  0.00039 * p * std::sin(2 * (pi4 - w4)) + 0.00036 * p * std::sin(psi + PI - pi4 - w4) +
                  0.00035 * p * std::sin(2 * G2 - G + 188.37 * p) +
                  -0.00035 * p * std::sin(l4 - pi4 + 2 * PI - 2 * psi) +
                  -0.00032 * p * std::sin(l4 + pi4 - 2 * PI - G) +
                  0.0003 * p * std::sin(2 * G2 - 2 * G + 149.15 * p) +
                  0.00029 * p * std::sin(3 * l3 - 7 * l4 + 2 * pi3 + 2 * pi4) +
                  0.00028 * p * std::sin(l4 - pi4 + 2 * psi - 2 * PI) +
                  -0.00028 * p * std::sin(2 * (l4 - w4)) + -0.00027 * p * std::sin(pi3 - pi4 + w3 - w4) +
                  -0.00026 * p * std::sin(5 * G2 - 3 * G + 188.37 * p) + 0.00025 * p * std::sin(w4 - w3) +
                  -0.00025 * p * std::sin(l2 - 3 * l3 + 2 * l4) + -0.00023 * p * std::sin(3 * (l3 - l4)) +
                  0.00021 * p * std::sin(2 * l4 - 2 * PI - 3 * G) +
                  -0.00021 * p * std::sin(2 * l3 - 3 * l4 + pi4) + 0.00019 * p * std::sin(l4 - pi4 - G) +
                  -0.00019 * p * std::sin(2 * l4 - pi3 - pi4) + -0.00018 * p * std::sin(l4 - pi4 + G) +
                  -0.00016 * p * std::sin(l4 + pi3 - 2 * PI - 2 * G);
    const double L1 = l1 + S1;
    const double L2 = l2 + S2;
    const double L3 = l3 + S3;
    const double L4 = l4 + S4;
    const double B[4] = {
        !(mask & 1) ? 0
                    : std::atan(0.0006393 * std::sin(L1 - w1) + 0.0001825 * std::sin(L1 - w2) +
                                0.0000329 * std::sin(L1 - w3) + -0.0000311 * std::sin(L1 - psi) +
                                0.0000093 * std::sin(L1 - w4) +
                                0.0000075 * std::sin(3 * L1 - 4 * l2 - 1.9927 * S1 + w2) +
                                0.0000046 * std::sin(L1 + psi - 2 * PI - 2 * G)),
        !(mask & 2)
            ? 0
            : std::atan(0.0081004 * std::sin(L2 - w2) + 0.0004512 * std::sin(L2 - w3) +
                        -0.0003284 * std::sin(L2 - psi) + 0.0001160 * std::sin(L2 - w4) +
                        0.0000272 * std::sin(l1 - 2 * l3 + 1.0146 * S2 + w2) +
                        -0.0000144 * std::sin(L2 - w1) + 0.0000143 * std::sin(L2 + psi - 2 * PI - 2 * G) +
                        0.0000035 * std::sin(L2 - psi + G) +
                        -0.0000028 * std::sin(l1 - 2 * l3 + 1.0146 * S2 + w3)),
        !(mask & 4)
            ? 0
            : std::atan(0.0032402 * std::sin(L3 - w3) + -0.0016911 * std::sin(L3 - psi) +
                        0.0006847 * std::sin(L3 - w4) + -0.0002797 * std::sin(L3 - w2) +
                        0.0000321 * std::sin(L3 + psi - 2 * PI - 2 * G) + 0.0000051 * std::sin(L3 - psi + G) +
                        -0.0000045 * std::sin(L3 - psi - G) + -0.0000045 * std::sin(L3 + psi - 2 * PI) +
                        0.0000037 * std::sin(L3 + psi - 2 * PI - 3 * G) +
                        0.000003 * std::sin(2 * l2 - 3 * L3 + 4.03 * S3 + w2) +
                        -0.0000021 * std::sin(2 * l2 - 3 * L3 + 4.03 * S3 + w3)),
        !(mask & 8)
            ? 0
            : std::atan(-0.0076579 * std::sin(L4 - psi) + 0.0044134 * std::sin(L4 - w4) +
                        -0.0005112 * std::sin(L4 - w3) + 0.0000773 * std::sin(L4 + psi - 2 * PI - 2 * G) +
                        0.0000104 * std::sin(L4 - psi + G) + -0.0000102 * std::sin(L4 - psi - G) +
                        0.0000088 * std::sin(L4 + psi - 2 * PI - 3 * G) +
                        -0.0000038 * std::sin(L4 + psi - 2 * PI - G))};
    const double R[4] = {
        !(mask & 1) ? 0
                    : 5.90569 * (1 + -0.0041339 * std::cos(2 * (l1 - l2)) + -0.0000387 * std::cos(l1 - pi3) +
                                 -0.0000214 * std::cos(l1 - pi4) + 0.000017 * std::cos(l1 - l2) +
                                 -0.0000131 * std::cos(4 * (l1 - l2)) + 0.0000106 * std::cos(l1 - l3) +
                                 -0.0000066 * std::cos(l1 + pi3 - 2 * PI - 2 * G)),
        !(mask & 2) ? 0
                    : 9.39657 * (1 + 0.0093848 * std::cos(l1 - l2) + -0.0003116 * std::cos(l2 - pi3) +
                                 -0.0001744 * std::cos(l2 - pi4) + -0.0001442 * std::cos(l2 - pi2) +
                                 0.0000553 * std::cos(l2 - l3) + 0.0000523 * std::cos(l1 - l3) +
                                 -0.0000290 * std::cos(2 * (l1 - l2)) + 0.0000164 * std::cos(2 * (l2 - w2)) +
                                 0.0000107 * std::cos(l1 - 2 * l3 + pi3) + -0.0000102 * std::cos(l2 - pi1) +
                                 -0.0000091 * std::cos(2 * (l1 - l3))),
        !(mask & 4) ? 0
                    : 14.98832 * (1 + -0.0014388 * std::cos(l3 - pi3) + -0.0007917 * std::cos(l3 - pi4) +
                                  0.0006342 * std::cos(l2 - l3) + -0.0001761 * std::cos(2 * (l3 - l4)) +
                                  0.0000294 * std::cos(l3 - l4) + -0.0000156 * std::cos(3 * (l3 - l4)) +
                                  0.0000156 * std::cos(l1 - l3) + -0.0000153 * std::cos(l1 - l2) +
                                  0.000007 * std::cos(2 * l2 - 3 * l3 + pi3) +
                                  -0.0000051 * std::cos(l3 + pi3 - 2 * PI - 2 * G)),
        !(mask & 8)
            ? 0
            : 26.36273 *
                  (1 + -0.0073546 * std::cos(l4 - pi4) + 0.0001621 * std::cos(l4 - pi3) +
                   0.0000974 * std::cos(l3 - l4) + -0.0000543 * std::cos(l4 + pi4 - 2 * PI - 2 * G) +
                   -0.0000271 * std::cos(2 * (l4 - pi4)) + 0.0000182 * std::cos(l4 - PI) +
                   0.0000177 * std::cos(2 * (l3 - l4)) + -0.0000167 * std::cos(2 * l4 - psi - w4) +
                   0.0000167 * std::cos(psi - w4) + -0.0000155 * std::cos(2 * (l4 - PI - G)) +
                   0.0000142 * std::cos(2 * (l4 - psi)) + 0.0000105 * std::cos(l1 - l4) +
                   0.0000092 * std::cos(l2 - l4) + -0.0000089 * std::cos(l4 - PI - G) +
                   -0.0000062 * std::cos(l4 + pi4 - 2 * PI - 3 * G) + 0.0000048 * std::cos(2 * (l4 - w4)))};

    // Precession from the theory's B1950 equinox to the equinox of date (Meeus p. 311).
    const double T0 = (jdTt - 2433282.423) / 36525;
    const double P = (1.3966626 * p + 0.0003088 * p * T0) * T0;
    const double L[4] = {L1 + P, L2 + P, L3 + P, L4 + P};
    psi += P;
    const double T = (jdTt - 2415020.0) / 36525;
    const double I = 3.120262 * p + 0.0006 * p * T; // Jupiter's equator on its orbit
    // Jupiter's orbit on the ecliptic of date (Meeus table 31.A).
    const double Tj = (jdTt - kJ2000) / 36525;
    const double node = poly(Tj, 100.464407, 1.0209774, 0.00040315, 0.000000404) * p;
    const double inc = poly(Tj, 1.303267, -0.0054965, 0.00000466, -0.000000002) * p;
    const double sI = std::sin(I), cI = std::cos(I), sPhi = std::sin(psi - node), cPhi = std::cos(psi - node);
    const double si = std::sin(inc), ci = std::cos(inc), sN = std::sin(node), cN = std::cos(node);
    // The theory's unit of distance, Jupiter's equatorial radius of E5.
    constexpr double kE5Radius_km = 71398;
    for (int k = 0; k < 4; ++k) {
        if (!(mask & (1u << k))) continue;
        const double X = R[k] * std::cos(L[k] - psi) * std::cos(B[k]);
        const double Y = R[k] * std::sin(L[k] - psi) * std::cos(B[k]);
        const double Z = R[k] * std::sin(B[k]);
        // Jupiter's equator to its orbit, the node of the equator to that of the orbit, the orbit
        // to the ecliptic, the node to the equinox.
        double a = X, b = Y * cI - Z * sI, c = Y * sI + Z * cI;
        double a0 = a * cPhi - b * sPhi;
        b = a * sPhi + b * cPhi;
        a = a0;
        const double b0 = b * ci - c * si;
        c = b * si + c * ci;
        b = b0;
        a0 = a * cN - b * sN;
        b = a * sN + b * cN;
        a = a0;
        out[k] = {a * kE5Radius_km, b * kE5Radius_km, c * kE5Radius_km};
    }
}
