// SPDX-License-Identifier: GPL-3.0-or-later
// Rise, transit and set of a point at a fixed place, by hand: Meeus (Astronomical Algorithms,
// example 12.a) gives the mean sidereal time at Greenwich on 1987 April 10, 0h UT, as
// 13h10m46.3668s. A star 12 hours of right ascension further on (17.693195 deg) at declination
// +20 deg therefore culminates on the equator at longitude 0 when the sidereal time has gained
// 12 h, at 12 / 1.002737908 = 11.967235 h UT (11h58m02.0s), 70 deg high. With 34' of refraction,
// cos H0 = sin(-34') / cos 20 deg gives the hour angle of rise and set, 90.60304 deg, that is
// 6.023710 h of UT either side: rise 5h56m36.7s, set 17h59m27.4s.
#include <gtest/gtest.h>

#include <cmath>

#include "astro/rise_set.h"
#include "astro_test_util.h"

namespace {

constexpr double kSecondsPerCentury = 36525.0 * 86400.0;

double secondsOfDay(long double t, long double dayStart) {
    return static_cast<double>((t - dayStart) * kSecondsPerCentury);
}

RiseSetBody fixedStar(double ra_deg, double dec_deg) {
    RiseSetBody b;
    b.place = [=](long double) { return GeocentricPlace{ra_deg, dec_deg, 0}; };
    return b;
}

} // namespace

// The sidereal formula of the program and Meeus' differ by a few hundredths of a second; 2 s
// leaves room for that and for the 0.1 s brackets.
TEST(RiseSet, StarOnTheEquatorByHand) {
    const date2 noon = dateOf(1987, 4, 10, 12);
    const long double day = localDayStart(noon.t, 0);
    EXPECT_NEAR(secondsOfDay(dateOf(1987, 4, 10).t, day), 0, 1e-3);
    const RiseTransitSet e = riseTransitSet(fixedStar(17.693195, 20), day, 0, 0);
    ASSERT_TRUE(e.rise_t && e.transit_t && e.set_t);
    EXPECT_NEAR(secondsOfDay(*e.transit_t, day), 11 * 3600 + 58 * 60 + 2.0, 2);
    EXPECT_NEAR(secondsOfDay(*e.rise_t, day), 5 * 3600 + 56 * 60 + 36.7, 2);
    EXPECT_NEAR(secondsOfDay(*e.set_t, day), 17 * 3600 + 59 * 60 + 27.4, 2);
    EXPECT_NEAR(e.transitAltitude_deg, 70.0, 1e-6);
    EXPECT_EQ(riseTransitSetText(e, day), "Rise 5h57, transit 11h58 at 70.0\xB0, set 17h59 (local time).");
}

// The same star seen from 135 deg east in local time UT + 9: it culminates 9 sidereal hours
// (8h58m31.5s of UT) before it does at Greenwich, and the clock shows UT + 9, so the local time of
// the transit is Greenwich's UT plus 9 h x (1 - 1/1.002737908) = 1 min 28.5 s.
TEST(RiseSet, LocalDayOfAnEasternPlace) {
    const date2 morning = dateOf(1987, 4, 10, 1); // 10h local, on April 10
    const long double day = localDayStart(morning.t, 9);
    EXPECT_NEAR(secondsOfDay(dateOf(1987, 4, 9, 15).t, day), 0, 1e-3);
    const RiseTransitSet e = riseTransitSet(fixedStar(17.693195, 20), day, 0, -135);
    ASSERT_TRUE(e.transit_t);
    EXPECT_NEAR(secondsOfDay(*e.transit_t, day), 11 * 3600 + 58 * 60 + 2.0 + 88.5, 2);
}

// A star that never rises (below the equator's horizon from the north pole's neighbourhood) and
// one that never sets: only the transit is found, "-" written for the others.
TEST(RiseSet, CircumpolarAndNeverRising) {
    const long double day = localDayStart(dateOf(1987, 4, 10, 12).t, 0);
    const RiseTransitSet down = riseTransitSet(fixedStar(17.693195, -30), day, 80, 0);
    EXPECT_FALSE(down.rise_t);
    EXPECT_FALSE(down.set_t);
    ASSERT_TRUE(down.transit_t);
    EXPECT_NEAR(down.transitAltitude_deg, -20.0, 1e-6); // 90 - (80 + 30)
    EXPECT_EQ(riseTransitSetText(down, day), "Rise -, transit 11h58 at -20.0\xB0, set - (local time).");
    const RiseTransitSet up = riseTransitSet(fixedStar(17.693195, 30), day, 80, 0);
    EXPECT_FALSE(up.rise_t);
    EXPECT_FALSE(up.set_t);
    EXPECT_NEAR(up.transitAltitude_deg, 40.0, 1e-6);
}

// The clock times: hours without a leading zero, two-digit minutes, rounded to the nearest minute
// but never into the next day; the altitude to a tenth of a degree.
TEST(RiseSet, TextRoundsToTheMinuteWithinTheDay) {
    const long double day = dateOf(2026, 12, 11).t;
    const auto at = [&](int h, int m, double s) {
        return day + (h * 3600 + m * 60 + s) / static_cast<long double>(kSecondsPerCentury);
    };
    RiseTransitSet e;
    e.rise_t = at(7, 41, 29.5);
    e.transit_t = at(12, 2, 30.5);
    e.transitAltitude_deg = 21.44;
    e.set_t = at(23, 59, 45);
    EXPECT_EQ(riseTransitSetText(e, day), "Rise 7h41, transit 12h03 at 21.4\xB0, set 23h59 (local time).");
    e.rise_t = at(0, 4, 0);
    e.transit_t.reset();
    e.set_t.reset();
    EXPECT_EQ(riseTransitSetText(e, day), "Rise 0h04, transit -, set - (local time).");
}
