// SPDX-License-Identifier: GPL-3.0-or-later
// Planets from their elements, comets, phases, magnitudes, diameters and names.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "astro/angles.h"
#include "astro/planets.h"
#include "astro/sun.h"
#include "astro_test_util.h"

namespace {
objetceleste circularPlanet(double L, double inc, double node, double a = 2.0) {
    objetceleste p;
    std::strcpy(p.nom, "Test");
    setList(p.L, L);
    setList(p.a, a);
    setList(p.i, inc);
    setList(p.O, node);
    setList(p.M, 0);
    return p;
}
} // namespace

TEST(Planet, CircularUninclinedOrbit) {
    const soleil s = meeusSun();
    for (double L : {0.0, 45.0, 123.0, 271.0, 359.5}) {
        objetceleste p = circularPlanet(L, 0, 0);
        planetPosition(p, date2{}, s);
        EXPECT_NEAR(p.beta, 0, 1e-12);
        EXPECT_NEAR(p.lambda, L, 1e-9);
        EXPECT_NEAR(p.r, 2.0, 1e-12);
    }
}

// Far outside the date range an element polynomial can take the eccentricity out of [0, 1)
// (Saturn's does by year 8500, which a long span view's rows reach): the place stays a number,
// on the orbit of the nearest eccentricity that is an ellipse.
TEST(Planet, EccentricityPolynomialBeyondAnEllipseStaysFinite) {
    const soleil s = meeusSun();
    for (double eT : {0.03, -0.03}) {
        objetceleste p = circularPlanet(40, 2.5, 110, 9.5);
        p.e[0] = 0.05;
        p.e[1] = eT; // 1 at T = +-31.7, beyond the ellipse at T = 66
        p.M[0] = 100;
        date2 d;
        d.t = 66;
        planetPosition(p, d, s);
        for (double v : {p.beta, p.lambda, p.r, p.ra, p.dec, p.delta})
            EXPECT_TRUE(std::isfinite(v)) << eT;
        EXPECT_GE(p.r, 9.5 * 0.01 - 1e-9);
        EXPECT_LE(p.r, 9.5 * 1.99 + 1e-9);
    }
}

TEST(Planet, PolarOrbit) {
    const soleil s = meeusSun();
    // i = 90: l is 0 or 180 by the quadrant of u, beta is u folded into [-90, 90].
    objetceleste p = circularPlanet(60, 90, 0);
    planetPosition(p, date2{}, s);
    EXPECT_NEAR(p.lambda, 0, 1e-9);
    EXPECT_NEAR(p.beta, 60, 1e-9);
    p = circularPlanet(120, 90, 0);
    planetPosition(p, date2{}, s);
    EXPECT_NEAR(p.lambda, 180, 1e-9);
    EXPECT_NEAR(p.beta, 60, 1e-9);
    p = circularPlanet(250, 90, 0);
    planetPosition(p, date2{}, s);
    EXPECT_NEAR(p.lambda, 180, 1e-9);
    EXPECT_NEAR(p.beta, -70, 1e-9);
}

TEST(Planet, ContinuousThroughNinetyAndTwoSeventyDegrees) {
    const soleil s = meeusSun();
    for (double uc : {90.0, 270.0}) {
        double previous = -1;
        for (double u = uc - 0.01; u <= uc + 0.01; u += 0.0005) {
            objetceleste p = circularPlanet(u + 30, 10, 30);
            planetPosition(p, date2{}, s);
            if (previous >= 0) {
                EXPECT_LT(std::fabs(p.lambda - previous), 0.001) << u;
            }
            previous = p.lambda;
        }
    }
}

TEST(Planet, RetrogradeOrbitLongitude) {
    // i = 170, node 0, u = 10: x = cos u, y = sin u cos i, so l = -9.85 deg.
    const soleil s = meeusSun();
    objetceleste p = circularPlanet(10, 170, 0);
    planetPosition(p, date2{}, s);
    EXPECT_NEAR(p.lambda, 360 - radToDeg(std::atan(std::tan(degToRad(10)) * std::cos(degToRad(170))) * -1),
                1e-9);
    EXPECT_NEAR(p.beta, radToDeg(std::asin(std::sin(degToRad(10)) * std::sin(degToRad(170)))), 1e-9);
}

TEST(Planet, EarthKeepsOnlyItsHeliocentricPlace) {
    const soleil s = meeusSun();
    objetceleste earth = circularPlanet(99.69668, 0, 0, 1.0000002);
    std::strcpy(earth.nom, "Terre");
    earth.ra = earth.dec = earth.delta = 5;
    planetPosition(earth, dateOf(2026, 1, 1), s);
    EXPECT_EQ(earth.ra, 0);
    EXPECT_EQ(earth.dec, 0);
    EXPECT_EQ(earth.delta, 0);
    EXPECT_GT(earth.r, 0.99);
}

TEST(Planet, GeocentricPlaceOfABodyOppositeTheSun) {
    // A body on the ecliptic at heliocentric longitude sun + 180, r = 2: it is seen opposite the
    // Sun at distance r - R.
    const soleil s = meeusSun();
    const date2 d = dateOf(2026, 1, 1);
    const double t = static_cast<double>(d.t);
    const double sunLon = sunLongitude(s, t);
    objetceleste p = circularPlanet(normalize360(sunLon + 180), 0, 0);
    planetPosition(p, d, s);
    EXPECT_NEAR(p.delta, 2 - sunEarthDistance(s, t), 1e-9);
    const Equatorial q = eclipticToEquatorial(normalize360(sunLon + 180), 0, polynomial(s.E, t));
    EXPECT_NEAR(p.ra, q.ra_deg, 1e-9);
    EXPECT_NEAR(p.dec, q.dec_deg, 1e-9);
    // Sun, Earth and body in a line: the phase angle is 0 with the true Sun-Earth distance
    // (R = 0.983 in January; taking 1 would give 7.3 degrees).
    EXPECT_NEAR(p.sunDistance, sunEarthDistance(s, t), 1e-12);
    EXPECT_NEAR(phaseAngle(p), 0, 1e-4);
    EXPECT_NEAR(visibleFraction(p), 1, 1e-9);
}

TEST(Phase, ClampedAtOneEightyDegrees) {
    objetceleste b;
    b.r = 0.5;
    b.delta = 0.5;
    EXPECT_DOUBLE_EQ(phaseAngle(b), 180);
    EXPECT_NEAR(visibleFraction(b), 0, 1e-12);
    b.r = 0.5;
    b.delta = 0.5 - 1e-17;
    EXPECT_DOUBLE_EQ(phaseAngle(b), 180);
    b.r = 2;
    b.delta = 1;
    EXPECT_NEAR(phaseAngle(b), 0, 1e-6);
    b.r = std::sqrt(2.0);
    b.delta = 1;
    EXPECT_NEAR(phaseAngle(b), 45, 1e-9);
    EXPECT_NEAR(visibleFraction(b), std::pow(std::cos(degToRad(22.5)), 2), 1e-12);
    objetceleste none;
    EXPECT_EQ(phaseAngle(none), 0);
}

TEST(Magnitude, OppositionAndPhaseTerms) {
    objetceleste b;
    setList(b.mag, -9.4, 0.5, 0, 0);
    b.r = 5.2;
    b.delta = 4.2;
    EXPECT_NEAR(planetMagnitude(b), -9.4 + 5 * std::log10(5.2 * 4.2), 1e-6);
    // Mercury at a 90 degree phase: -0.42 + 3.8 x - 2.73 x^2 + 2 x^3 with x = 0.9.
    objetceleste m;
    setList(m.mag, -0.42, 3.8, -2.73, 2.0);
    m.r = std::sqrt(0.5);
    m.delta = std::sqrt(0.5); // r^2 + delta^2 = 1: phase 90
    const double x = 0.9;
    EXPECT_NEAR(planetMagnitude(m), -0.42 + 5 * std::log10(0.5) + 3.8 * x - 2.73 * x * x + 2 * x * x * x,
                1e-9);
    objetceleste none;
    setList(none.mag, 1.5);
    EXPECT_EQ(planetMagnitude(none), 1.5);
}

TEST(Diameter, Arcseconds) {
    objetceleste j;
    j.rayon = 71492;
    j.delta = 4.2;
    EXPECT_NEAR(apparentDiameter(j), 2.7575885721851394 * 71.492 / 4.2, 1e-9);
    EXPECT_NEAR(apparentDiameter(j), 46.94, 0.01);
    j.delta = 0;
    EXPECT_EQ(apparentDiameter(j), 0);
}

TEST(Names, Table) {
    EXPECT_EQ(englishName("mars"), "Mars");
    EXPECT_EQ(englishName("TERRE"), "Earth");
    EXPECT_EQ(englishName("Saturne"), "Saturn");
    EXPECT_EQ(englishName("Pluton"), "Pluto");
    EXPECT_EQ(englishName("Lune"), "Moon");
    EXPECT_EQ(englishName("Soleil"), "Sun");
    EXPECT_EQ(englishName("V\xE9nus"), "Venus");
    EXPECT_EQ(englishName("V\xC9NUS"), "Venus");
    EXPECT_EQ(englishName("Venus"), "Venus");
    EXPECT_EQ(englishName("Vulcain"), "");
    EXPECT_EQ(englishName(""), "");
    EXPECT_EQ(frenchName("saturn"), "Saturne");
    EXPECT_EQ(frenchName("Earth"), "Terre");
    EXPECT_EQ(frenchName("Moon"), "Lune");
    EXPECT_EQ(frenchName("Mercury"), "Mercure");
    EXPECT_EQ(frenchName("Terre"), "");
}

TEST(Comet, AtPerihelion) {
    const soleil s = meeusSun();
    comet c;
    setList(c.a, 3.0);
    setList(c.e, 0.6);
    setList(c.i, 12);
    setList(c.o, 40);
    setList(c.O, 80);
    const date2 d = dateOf(2026, 5, 1);
    c.setTimes(static_cast<double>(d.t), 0);
    cometPosition(c, d, s);
    EXPECT_NEAR(c.r, 3.0 * (1 - 0.6), 1e-12);
    EXPECT_EQ(c.beta, 0);
    EXPECT_GE(c.ra, 0);
    EXPECT_LT(c.ra, 360);
    EXPECT_GT(c.delta, 0);
}

TEST(Comet, CircularOrbitInTheEclipticMatchesThePlanetRoutine) {
    // With i = 0 and the equinox of the elements at the date, the comet routine and the planet
    // routine place a circular orbit at the same point.
    const soleil s = meeusSun();
    const date2 d = dateOf(2026, 5, 1);
    const double t = static_cast<double>(d.t);
    comet c;
    setList(c.a, 2.5);
    setList(c.e, 0.0);
    setList(c.i, 1e-9);
    setList(c.o, 30);
    setList(c.O, 50);
    c.setTimes(t - 0.001, t);
    cometPosition(c, d, s);
    const double meanMotion = 0.985609 / (2.5 * std::sqrt(2.5)) * 0.001 * 36525;
    objetceleste p = circularPlanet(normalize360(80 + meanMotion), 1e-9, 50, 2.5);
    planetPosition(p, d, s);
    EXPECT_NEAR(c.r, 2.5, 1e-9);
    EXPECT_NEAR(c.delta, p.delta, 1e-6);
    EXPECT_LT(separationArcmin(c.ra, c.dec, p.ra, p.dec), 0.01);
}
