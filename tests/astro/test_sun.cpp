// SPDX-License-Identifier: GPL-3.0-or-later
// Kepler's equation, the Sun, ecliptic to equatorial and the topocentric correction.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "astro/angles.h"
#include "astro/sun.h"
#include "astro_test_util.h"

namespace {
// A Sun whose true longitude is exactly `lambda` when e = 0 and M = 0.
soleil sunAtLongitude(double lambda_deg, double obliquity_deg) {
    soleil s;
    setList(s.L, lambda_deg);
    setList(s.E, obliquity_deg);
    return s;
}
} // namespace

namespace {
// E - e sin E = M by bisection: E - M = e sin E lies in [-e, e] and the left side increases with
// E, so [M - e, M + e] brackets the one root; halved until the midpoint no longer moves.
double keplerByBisection(double m_rad, double e) {
    double lo = m_rad - e - 1e-9, hi = m_rad + e + 1e-9;
    for (int k = 0; k < 200; ++k) {
        const double mid = 0.5 * (lo + hi);
        if (mid == lo || mid == hi) break;
        (mid - e * std::sin(mid) < m_rad ? lo : hi) = mid;
    }
    return 0.5 * (lo + hi);
}
} // namespace

TEST(Kepler, CircularOrbitReturnsMeanAnomaly) {
    for (double m : {-400.0, 0.0, 37.5, 180.0, 359.0, 7200.0})
        EXPECT_DOUBLE_EQ(keplerSolution(m, 0).E_rad, degToRad(m));
}

TEST(Kepler, AgreesWithBisectionForEveryEccentricityAndAnomaly) {
    constexpr double kPi = 3.141592653589793;
    std::vector<double> anomalies_rad;
    for (int k = 0; k <= 600; ++k) // -2 pi to 4 pi by 0.0314..., off the grid of the special points
        anomalies_rad.push_back(-2 * kPi + k * 6 * kPi / 600 + 1e-3);
    for (double base : {-2 * kPi, -kPi, 0.0, kPi, 2 * kPi, 3 * kPi, 4 * kPi}) // where f' or E - M is smallest
        for (double d : {0.0, 1e-15, -1e-15, 1e-9, -1e-9, 1e-5, -1e-5, 1e-2, -1e-2})
            anomalies_rad.push_back(base + d);
    double worst = 0;
    for (double e : {0.0, 0.0167, 0.0934, 0.2056, 0.2488, 0.5, 0.75, 0.9, 0.95, 0.98, 0.985, 0.99})
        for (double m_rad : anomalies_rad) {
            const double m_deg = m_rad * 180 / kPi;
            const double expected = keplerByBisection(m_deg * kPi / 180, e);
            const KeplerSolution k = keplerSolution(m_deg, e);
            worst = std::max(worst, std::fabs(k.E_rad - expected));
            ASSERT_NEAR(k.E_rad, expected, 1e-12) << "e " << e << " M " << m_rad << " rad";
            // The sine and cosine handed back are those of the solution, to rounding.
            ASSERT_NEAR(k.sinE, std::sin(expected), 1e-12) << "e " << e << " M " << m_rad;
            ASSERT_NEAR(k.cosE, std::cos(expected), 1e-12) << "e " << e << " M " << m_rad;
        }
    std::printf("Kepler: largest difference from bisection %.3g rad\n", worst);
}

TEST(Kepler, MeeusExampleAndManyTurns) {
    // Meeus' example: e = 0.1, M = 5 degrees gives E = 5.554589 degrees.
    EXPECT_NEAR(radToDeg(keplerSolution(5, 0.1).E_rad), 5.554589, 1e-6);
    // A comet many revolutions from perihelion: the turns are kept in E.
    const double m_deg = -123456.7, E = keplerSolution(m_deg, 0.6).E_rad;
    EXPECT_NEAR(E - 0.6 * std::sin(E), degToRad(m_deg), 1e-11);
    EXPECT_TRUE(std::isnan(keplerSolution(std::nan(""), 0.2).E_rad));
}

TEST(Kepler, TrueAnomaly) {
    auto at = [](double E_deg) {
        KeplerSolution k;
        k.E_rad = degToRad(E_deg);
        k.sinE = std::sin(k.E_rad);
        k.cosE = std::cos(k.E_rad);
        return k;
    };
    EXPECT_DOUBLE_EQ(trueAnomaly(at(0), 0.3), 0);
    EXPECT_NEAR(trueAnomaly(at(90), 0), 90, 1e-12);
    // tan(nu/2) = sqrt((1+e)/(1-e)) tan(E/2): e = 0.5, E = 90 gives nu = 120, E = -90 gives -120.
    EXPECT_NEAR(trueAnomaly(at(90), 0.5), 120, 1e-10);
    EXPECT_NEAR(trueAnomaly(at(-90), 0.5), -120, 1e-10);
    // Aphelion: nu = 180 for any e.
    EXPECT_NEAR(std::fabs(trueAnomaly(at(180), 0.9)), 180, 1e-9);
}

TEST(Sun, SolsticesAndEquinoxes) {
    soleil s = sunAtLongitude(90, 23.44);
    sunPosition(s, date2{});
    EXPECT_NEAR(s.ra, 90, 1e-9);
    EXPECT_NEAR(s.dec, 23.44, 1e-9);
    EXPECT_DOUBLE_EQ(s.delta, 1.0000002); // e = 0: the distance formula's 1.0000002 (1 - e cos E)
    s = sunAtLongitude(270, 23.44);
    sunPosition(s, date2{});
    EXPECT_NEAR(s.ra, 270, 1e-9);
    EXPECT_NEAR(s.dec, -23.44, 1e-9);
    s = sunAtLongitude(0, 23.44);
    sunPosition(s, date2{});
    EXPECT_NEAR(s.ra, 0, 1e-12);
    EXPECT_NEAR(s.dec, 0, 1e-12);
}

TEST(Sun, LongitudeJustBelowZeroGivesRightAscensionJustBelow360) {
    // L = 0 with M = 350 and a small e: nu - M is just below -360, so lambda is a negative
    // value that is not reduced.
    soleil s = sunAtLongitude(0, 23.44);
    setList(s.M, 350);
    setList(s.e, 0.00001);
    sunPosition(s, date2{});
    EXPECT_GT(s.ra, 359.99);
    EXPECT_LT(s.ra, 360);
    EXPECT_LT(s.dec, 0);
    EXPECT_GT(s.dec, -0.01);
}

TEST(Sun, November1978) {
    // 1978 November 12, 0h UT: Astronomy Engine 2.1.19 gives the Sun's apparent longitude
    // 229.2457 degrees (true equinox, aberration included: within 0.01 deg of the geometric mean
    // value) and the distance 0.989839 AU.
    soleil s = meeusSun();
    const date2 d = dateOf(1978, 11, 12);
    EXPECT_NEAR(sunLongitude(s, static_cast<double>(d.t)), 229.2457, 0.01);
    EXPECT_NEAR(sunEarthDistance(s, static_cast<double>(d.t)), 0.989839, 0.00005);
    sunPosition(s, d);
    // alpha, delta from the same longitude with the obliquity of date.
    const Equatorial q = eclipticToEquatorial(sunLongitude(s, static_cast<double>(d.t)), 0,
                                              polynomial(s.E, static_cast<double>(d.t)));
    EXPECT_NEAR(s.ra, q.ra_deg, 1e-9);
    EXPECT_NEAR(s.dec, q.dec_deg, 1e-9);
}

TEST(Coordinates, EclipticToEquatorial) {
    Equatorial q = eclipticToEquatorial(90, 0, 23.44);
    EXPECT_NEAR(q.ra_deg, 90, 1e-9);
    EXPECT_NEAR(q.dec_deg, 23.44, 1e-9);
    q = eclipticToEquatorial(0, 90, 23.44); // ecliptic north pole: RA 270, Dec 90 - eps
    EXPECT_NEAR(q.ra_deg, 270, 1e-9);
    EXPECT_NEAR(q.dec_deg, 66.56, 1e-9);
    // Meeus, Astronomical Algorithms example 13.a reversed: Pollux lambda 113.215630,
    // beta 6.684170, eps 23.4392911 gives alpha 116.328942, delta 28.026183.
    q = eclipticToEquatorial(113.215630, 6.684170, 23.4392911);
    EXPECT_NEAR(q.ra_deg, 116.328942, 1e-5);
    EXPECT_NEAR(q.dec_deg, 28.026183, 1e-5);
    for (double l = -720; l <= 720; l += 7.3) {
        q = eclipticToEquatorial(l, -5, 23.44);
        EXPECT_GE(q.ra_deg, 0);
        EXPECT_LT(q.ra_deg, 360);
    }
}

TEST(Coordinates, AltitudeFromSiderealTime) {
    // On the meridian (H = 0) the altitude is 90 - |phi - delta|.
    EXPECT_NEAR(altitudeFromSiderealTime(20, 100, 100 + 10, 48, 10), 62, 1e-9);
    EXPECT_NEAR(altitudeFromSiderealTime(90, 0, 0, 48, 0), 48, 1e-9);
    EXPECT_NEAR(altitudeFromSiderealTime(0, 0, 90, 0, 0), 0, 1e-9);
}

TEST(Topocentric, PlanetAtOneAuMovesAtMostNineArcseconds) {
    double maxShift = 0;
    for (int h = 0; h < 24; ++h)
        for (double dec : {-60.0, 0.0, 30.0}) {
            objetceleste b;
            b.ra = 15.0 * h;
            b.dec = dec;
            b.delta = 1;
            const date2 d = dateOf(2026, 3, 20, h);
            topocentricCorrection(b, d, 45, -5);
            maxShift = std::max(maxShift, separationArcmin(15.0 * h, dec, b.ra, b.dec) * 60);
            EXPECT_DOUBLE_EQ(b.delta, 1);
        }
    EXPECT_LE(maxShift, 8.8);
    EXPECT_GT(maxShift, 6);
}

TEST(Topocentric, MoonNearTheHorizonShiftsByAboutADegree) {
    // Observer on the equator at Greenwich; the Moon at the horizon (H = 90 deg, dec 0).
    const date2 d = dateOf(2026, 3, 20, 6);
    const double theta = siderealTime(d);
    objetceleste m;
    m.ra = normalize360(theta - 90);
    m.dec = 0;
    m.delta = 0.00257;
    const double ra0 = m.ra;
    topocentricCorrection(m, d, 0, 0);
    const double shift = separationArcmin(ra0, 0, m.ra, m.dec) / 60;
    EXPECT_NEAR(shift, 0.95, 0.02);
    // The Moon on the meridian at the zenith does not move.
    objetceleste z;
    z.ra = normalize360(theta);
    z.delta = 0.00257;
    topocentricCorrection(z, d, 0, 0);
    EXPECT_NEAR(separationArcmin(normalize360(theta), 0, z.ra, z.dec), 0, 1e-6);
}

TEST(Topocentric, BodyWithoutDistanceUnchanged) {
    objetceleste e;
    e.ra = 12;
    e.dec = 3;
    topocentricCorrection(e, dateOf(2000, 1, 1), 45, 0);
    EXPECT_EQ(e.ra, 12);
    EXPECT_EQ(e.dec, 3);
}
