// SPDX-License-Identifier: GPL-3.0-or-later
// Step sequences of the animations: faster/slower in each view family and the year limits.
#include "app/animation.h"
#include "astro/date2.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int> run(int start, int (*f)(int), int n) {
    std::vector<int> out{start};
    for (int i = 0; i < n; ++i) out.push_back(f(out.back()));
    return out;
}

TEST(Steps, SkyFasterFromFiveMinutes) {
    EXPECT_EQ(run(-5, anim::skyFaster, 4), (std::vector<int>{-5, 1, 24, 48, 72}));
    EXPECT_EQ(anim::skyFaster(-3), -3);  // other minute values stay
    EXPECT_EQ(anim::skyFaster(0), 0);
    EXPECT_EQ(anim::skyFaster(5), 29);
}

TEST(Steps, SkySlowerBackToFiveMinutes) {
    EXPECT_EQ(run(72, anim::skySlower, 5), (std::vector<int>{72, 48, 24, 1, -5, -5}));
}

TEST(Steps, AzimuthalFasterWalksMinutesThenHours) {
    EXPECT_EQ(run(-1, anim::azimuthalFaster, 7), (std::vector<int>{-1, -2, -3, -4, -5, 1, 24, 48}));
}

TEST(Steps, AzimuthalSlowerStopsAtOneMinute) {
    EXPECT_EQ(run(24, anim::azimuthalSlower, 7), (std::vector<int>{24, 1, -5, -4, -3, -2, -1, -1}));
}

TEST(Steps, QuadraticAddsADayRemovesTenHours) {
    EXPECT_EQ(anim::quadraticFaster(11), 35);
    EXPECT_EQ(run(35, anim::quadraticSlower, 4), (std::vector<int>{35, 25, 15, 5, 5}));
    EXPECT_EQ(anim::quadraticSlower(10), 10);
}

TEST(Steps, SatelliteFasterSequence) {
    EXPECT_EQ(run(-1, anim::satelliteFaster, 9),
              (std::vector<int>{-1, -2, -3, -4, -5, 1, 24, 48, 72, 312}));
    EXPECT_EQ(anim::satelliteFaster(312), 552);
}

TEST(Steps, SatelliteSlowerRetracesFaster) {
    EXPECT_EQ(run(552, anim::satelliteSlower, 10),
              (std::vector<int>{552, 312, 72, 48, 24, 1, -5, -4, -3, -2, -1}));
    EXPECT_EQ(anim::satelliteSlower(-1), -1);
}

// Every step that faster changes comes back with slower, over a wide range of steps.
TEST(Steps, SatelliteSlowerUndoesFasterEverywhere) {
    for (int s = -5; s <= 20000; ++s) {
        if (s == 0) continue;
        const int f = anim::satelliteFaster(s);
        ASSERT_NE(f, s) << s;
        EXPECT_EQ(anim::satelliteSlower(f), s) << "step " << s << " -> " << f;
    }
}

TEST(Steps, SkyAndAzimuthalSlowerUndoFasterOnTheirSequences) {
    for (int s : {-5, 1, 24, 48, 96, 2400}) EXPECT_EQ(anim::skySlower(anim::skyFaster(s)), s) << s;
    for (int s : {-1, -2, -3, -4, -5, 1, 24, 48, 960}) EXPECT_EQ(anim::azimuthalSlower(anim::azimuthalFaster(s)), s) << s;
}

TEST(Steps, FasterNeverOverflows) {
    int s = 1, a = 1, q = 11, sat = -5, h = 24;
    for (int i = 0; i < 100000; ++i) {
        s = anim::skyFaster(s);
        a = anim::azimuthalFaster(a);
        q = anim::quadraticFaster(q);
        sat = anim::satelliteFaster(sat);
        h = anim::helioFaster(h);
    }
    for (int v : {s, a, q, sat, h}) {
        EXPECT_GT(v, 0);
        EXPECT_LE(v, 876600);  // a century per step at most
    }
}

TEST(Steps, HelioFasterDoublesSlowerHalvesThenCounts) {
    EXPECT_EQ(anim::helioFaster(24), 48);
    EXPECT_EQ(run(48, anim::helioSlower, 5), (std::vector<int>{48, 24, 12, 11, 10, 9}));
    EXPECT_EQ(anim::helioSlower(2), 1);
    EXPECT_EQ(anim::helioSlower(1), 1);
}

date2 makeDate(int year, int month, int day, int hour, int minute) {
    date2 d;
    d.annee = year;
    d.mois = month;
    d.jour = day;
    d.heure = hour;
    d.minute = minute;
    d.calculeT();
    return d;
}

TEST(Steps, StepEncodingHoursAndMinutes) {
    date2 d = makeDate(2024, 3, 10, 22, 0);
    anim::moveByStep(d, 3, +1);  // 3 hours
    EXPECT_EQ(d.jour, 11);
    EXPECT_EQ(d.heure, 1);
    EXPECT_EQ(d.minute, 0);
    anim::moveByStep(d, -5, -1);  // 5 minutes back
    EXPECT_EQ(d.jour, 11);
    EXPECT_EQ(d.heure, 0);
    EXPECT_EQ(d.minute, 55);
    anim::moveByStep(d, 0, +1);  // zero minutes: no move
    EXPECT_EQ(d.minute, 55);
    anim::moveByStep(d, 24, -1);
    EXPECT_EQ(d.jour, 10);
    EXPECT_EQ(d.mois, 3);
}

TEST(Steps, YearLimits) {
    EXPECT_TRUE(anim::yearAnimatable(makeDate(2999, 12, 31, 23, 0)));
    EXPECT_FALSE(anim::yearAnimatable(makeDate(3000, 1, 1, 0, 0)));
    EXPECT_TRUE(anim::yearAnimatable(makeDate(-99, 1, 1, 0, 0)));
    EXPECT_FALSE(anim::yearAnimatable(makeDate(-100, 12, 31, 0, 0)));
    date2 d = makeDate(3001, 6, 15, 12, 0);
    anim::clampYear(d);
    EXPECT_EQ(d.annee, 3000);
    EXPECT_EQ(d.mois, 6);
    EXPECT_EQ(d.jour, 15);
    const date2 ref = makeDate(3000, 6, 15, 12, 0);
    EXPECT_NEAR(double(d.t), double(ref.t), 1e-12);
    date2 e = makeDate(2999, 6, 15, 12, 0);
    anim::clampYear(e);
    EXPECT_EQ(e.annee, 2999);
}

}  // namespace
