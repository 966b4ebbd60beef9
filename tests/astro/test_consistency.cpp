// SPDX-License-Identifier: GPL-3.0-or-later
// The fast paths give what the plain formulas give: the lunar series by angle addition, the Sun's
// geometry computed once.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "astro/angles.h"
#include "astro/moon.h"
#include "astro/planets.h"
#include "astro/sun.h"
#include "astro_test_util.h"

namespace {
// The longitude series written out term by term with one sine each, as tabled.
double longitudeByHand(double t) {
    const double k = M_PI / 180;
    auto S = [&](double x) { return std::sin(x * k); };
    const double t2 = t * t, t3 = t2 * t;
    auto n360 = [](double x) { return normalize360(x); };
    double Lp = n360(270.434164 + 481267.8831 * t - 0.001133 * t2 + 0.0000019 * t3);
    double M = n360(358.475833 + 35999.0498 * t - 0.00015 * t2 - 0.0000033 * t3);
    double Mp = n360(296.104608 + 477198.8491 * t + 0.009192 * t2 + 0.0000144 * t3);
    double D = n360(350.737486 + 445267.1142 * t - 0.001436 * t2 + 0.0000019 * t3);
    double F = n360(11.250889 + 483202.0251 * t - 0.003211 * t2 - 0.0000003 * t3);
    const double O = n360(259.183275 - 1934.142 * t + 0.002078 * t2 + 0.0000022 * t3);
    const double s1 = S(51.2 + 20.2 * t);
    Lp += 0.000233 * s1, M -= 0.001778 * s1, Mp += 0.000817 * s1, D -= 0.002011 * s1;
    const double s2 = S(346.56 + 132.87 * t + 0.0091731 * t2);
    Lp += 0.003964 * s2, Mp += 0.003964 * s2, D += 0.003964 * s2, F += 0.003964 * s2;
    const double s3 = S(O);
    Lp += 0.001964 * s3, Mp += 0.002541 * s3, D += 0.001964 * s3, F -= 0.024691 * s3;
    F -= 0.004328 * S(O + 275.05 - 2.3 * t);
    const double e = 1 - 0.002495 * t - 0.00000752 * t2, e2 = e * e;
    return Lp + 6.28875 * S(Mp) + 1.274018 * S(2 * D - Mp) + 0.658309 * S(2 * D) + 0.213616 * S(2 * Mp) -
           e * 0.185596 * S(M) - 0.114336 * S(2 * F) + 0.058793 * S(2 * D - 2 * Mp) +
           e * 0.057212 * S(2 * D - M - Mp) + 0.05332 * S(2 * D + Mp) + e * 0.045874 * S(2 * D - M) +
           e * 0.041024 * S(Mp - M) - 0.034718 * S(D) - e * 0.030465 * S(M + Mp) +
           0.015326 * S(2 * D - 2 * F) - 0.012528 * S(2 * F + Mp) - 0.01098 * S(2 * F - Mp) +
           0.010674 * S(4 * D - Mp) + 0.010034 * S(3 * Mp) + 0.008548 * S(4 * D - 2 * Mp) -
           e * 0.00791 * S(M - Mp + 2 * D) - e * 0.006783 * S(2 * D + M) + 0.005162 * S(Mp - D) +
           e * 0.005 * S(M + D) + e * 0.004049 * S(Mp - M + 2 * D) + 0.003996 * S(2 * Mp + 2 * D) +
           0.003862 * S(4 * D) + 0.003665 * S(2 * D - 3 * Mp) + e * 0.002695 * S(2 * Mp - M) +
           0.002602 * S(Mp - 2 * F - 2 * D) + e * 0.002396 * S(2 * D - M - 2 * Mp) - 0.002349 * S(Mp + D) +
           e2 * 0.002249 * S(2 * D - 2 * M) - e * 0.002125 * S(2 * Mp + M) - e2 * 0.002079 * S(2 * M) +
           e2 * 0.002059 * S(2 * D - Mp - 2 * M) - 0.001773 * S(2 * D + Mp - 2 * F) -
           0.001595 * S(2 * F + 2 * D) + e * 0.00122 * S(4 * D - M - Mp) - 0.00111 * S(2 * Mp + 2 * F) +
           0.000892 * S(Mp - 3 * D) - e * 0.000811 * S(M + Mp + 2 * D) +
           e * 0.000761 * S(4 * D - M - 2 * Mp) + e2 * 0.000717 * S(Mp - 2 * M) +
           e2 * 0.000704 * S(Mp - 2 * M - 2 * D) + e * 0.000693 * S(M - 2 * Mp + 2 * D) +
           e * 0.000598 * S(2 * D - M - 2 * F) + 0.00055 * S(4 * D + Mp) + 0.000538 * S(4 * Mp) +
           e * 0.000521 * S(4 * D - M) + 0.000486 * S(2 * Mp - D);
}
} // namespace

TEST(Consistency, LunarLongitudeSeriesAsTabled) {
    for (double t = -2; t <= 4; t += 0.0137)
        EXPECT_NEAR(moonEcliptic(t).lambda_deg, longitudeByHand(t), 1e-11) << t;
}

TEST(Consistency, SunGeometryOnceEqualsPerBodyComputation) {
    const soleil s = meeusSun();
    for (int y = 1800; y <= 2200; y += 37) {
        const date2 d = dateOf(y, 1 + y % 12, 1 + y % 28, y % 24);
        const double t = static_cast<double>(d.t);
        const SunGeometry g = sunGeometry(s, t);
        EXPECT_NEAR(g.longitude_deg, sunLongitude(s, t), 1e-12);
        EXPECT_DOUBLE_EQ(g.distance_au, sunEarthDistance(s, t));
        soleil a = s, b = s;
        sunPosition(a, d);
        sunPosition(b, g);
        EXPECT_NEAR(a.ra, b.ra, 1e-9);
        EXPECT_NEAR(a.dec, b.dec, 1e-9);
        objetceleste p;
        std::strcpy(p.nom, "Mars");
        setList(p.L, 293.737334, 19141.69551, 0.0003107);
        setList(p.a, 1.5236883);
        setList(p.e, 0.0933129, 0.000092064, -0.000000077);
        setList(p.i, 1.850333, -0.000675, 0.0000126);
        setList(p.O, 48.786442, 0.7709917, -0.0000014, -0.00000533);
        setList(p.M, 319.51913, 19139.85475, 0.000181);
        objetceleste q = p;
        planetPosition(p, d, s);
        planetPosition(q, d, g);
        EXPECT_DOUBLE_EQ(p.ra, q.ra);
        EXPECT_DOUBLE_EQ(p.dec, q.dec);
        EXPECT_DOUBLE_EQ(p.delta, q.delta);
        // Against the textbook reduction with atan and the geocentric latitude formula.
        const double lam = p.lambda, bet = p.beta, rr = p.r;
        const double k = M_PI / 180;
        const double X =
            rr * std::cos(bet * k) * std::cos(lam * k) + g.distance_au * std::cos(g.longitude_deg * k);
        const double Y =
            rr * std::cos(bet * k) * std::sin(lam * k) + g.distance_au * std::sin(g.longitude_deg * k);
        const double Z = rr * std::sin(bet * k);
        const Equatorial e =
            eclipticToEquatorial(std::atan2(Y, X) / k, std::atan2(Z, std::hypot(X, Y)) / k, g.obliquity_deg);
        EXPECT_NEAR(p.ra, e.ra_deg, 1e-9);
        EXPECT_NEAR(p.dec, e.dec_deg, 1e-9);
        EXPECT_NEAR(p.delta, std::sqrt(X * X + Y * Y + Z * Z), 1e-12);
    }
}
