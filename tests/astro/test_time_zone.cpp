// SPDX-License-Identifier: GPL-3.0-or-later
// Zone offsets at the transitions of tzdata's rules. The instants are the rules' own (the last
// Sundays of March and October at 01:00 UT in Europe, the second Sunday of March and the first of
// November at 02:00 local in the USA, ...), worked out by hand for 2026 from a calendar; each is
// checked one minute before and one minute after.
#include <gtest/gtest.h>

#include "astro_test_util.h"

#include "astro/date2.h"
#include "astro/time_zone.h"

namespace {

date2 utc(int y, int mo, int d, int h, int mi) { return dateOf(y, mo, d, h, mi); }

// The offset of `zone` one minute before and one minute after the UT instant y-mo-d h:mi.
void expectChange(const char* zone, int y, int mo, int d, int h, int mi, double before_h, double after_h) {
    const auto z = TimeZone::find(zone);
    ASSERT_TRUE(z) << zone << ": tzdata must be installed";
    date2 at = utc(y, mo, d, h, mi);
    at.ajouteMinutes(-1);
    EXPECT_DOUBLE_EQ(z->offsetAt_h(at.t), before_h) << zone << " just before " << y << "-" << mo << "-" << d;
    at.ajouteMinutes(2);
    EXPECT_DOUBLE_EQ(z->offsetAt_h(at.t), after_h) << zone << " just after " << y << "-" << mo << "-" << d;
}

double offsetOn(const char* zone, int y, int mo, int d, int h = 12) {
    const auto z = TimeZone::find(zone);
    EXPECT_TRUE(z) << zone;
    return z ? z->offsetAt_h(utc(y, mo, d, h, 0).t) : -1000;
}

} // namespace

TEST(TimeZone, EuropeChangesOnTheLastSundaysOfMarchAndOctoberAt1hUT) {
    // 2026-03-29 and 2026-10-25 are the last Sundays; Paris and London change at the same instant.
    expectChange("Europe/Paris", 2026, 3, 29, 1, 0, 1, 2);
    expectChange("Europe/Paris", 2026, 10, 25, 1, 0, 2, 1);
    expectChange("Europe/London", 2026, 3, 29, 1, 0, 0, 1);
    expectChange("Europe/London", 2026, 10, 25, 1, 0, 1, 0);
    // The whole of October before the change is summer time, the days after it in March too.
    EXPECT_DOUBLE_EQ(offsetOn("Europe/Paris", 2026, 10, 15), 2);
    EXPECT_DOUBLE_EQ(offsetOn("Europe/Paris", 2026, 3, 30), 2);
}

TEST(TimeZone, UnitedStatesChangeAt2hLocalOnTheSecondSundayOfMarchAndTheFirstOfNovember) {
    // 2026-03-08 02:00 EST is 07:00 UT; 2026-11-01 02:00 EDT is 06:00 UT.
    expectChange("America/New_York", 2026, 3, 8, 7, 0, -5, -4);
    expectChange("America/New_York", 2026, 11, 1, 6, 0, -4, -5);
    // Los Angeles at its own 02:00: 10:00 and 09:00 UT.
    expectChange("America/Los_Angeles", 2026, 3, 8, 10, 0, -8, -7);
    expectChange("America/Los_Angeles", 2026, 11, 1, 9, 0, -7, -8);
}

TEST(TimeZone, SouthernSummers) {
    // Sydney: the first Sundays of April (03:00 AEDT) and of October (02:00 AEST), both 16:00 UT
    // on the Saturday before.
    expectChange("Australia/Sydney", 2026, 4, 4, 16, 0, 11, 10);
    expectChange("Australia/Sydney", 2026, 10, 3, 16, 0, 10, 11);
    // Santiago: the first Sunday on or after April 2 at 03:00 UT and on or after September 2 at
    // 04:00 UT.
    expectChange("America/Santiago", 2026, 4, 5, 3, 0, -3, -4);
    expectChange("America/Santiago", 2026, 9, 6, 4, 0, -4, -3);
    // Lord Howe keeps +10:30 in winter and moves half an hour: the first Sundays of April
    // (02:00 local, +11) and October (02:00 local, +10:30), 15:00 and 15:30 UT on the Saturday.
    expectChange("Australia/Lord_Howe", 2026, 4, 4, 15, 0, 11, 10.5);
    expectChange("Australia/Lord_Howe", 2026, 10, 3, 15, 30, 10.5, 11);
}

TEST(TimeZone, ZonesWithoutSummerTimeAndOddOffsets) {
    for (int month = 1; month <= 12; ++month) {
        EXPECT_DOUBLE_EQ(offsetOn("America/Phoenix", 2026, month, 15), -7) << month;
        EXPECT_DOUBLE_EQ(offsetOn("Asia/Tokyo", 2026, month, 15), 9) << month;
        EXPECT_DOUBLE_EQ(offsetOn("Asia/Kolkata", 2026, month, 15), 5.5) << month;
        EXPECT_DOUBLE_EQ(offsetOn("Asia/Kathmandu", 2026, month, 15), 5.75) << month;
    }
    // Denver, in the same state-less zone as Phoenix in winter, has summer time.
    EXPECT_DOUBLE_EQ(offsetOn("America/Denver", 2026, 7, 15), -6);
}

TEST(TimeZone, RulesOfThePast) {
    // Before 2007 the USA kept summer time from the first Sunday of April to the last of October:
    // 2006-04-02 and 2006-10-29, at 02:00 local.
    EXPECT_DOUBLE_EQ(offsetOn("America/New_York", 2006, 3, 20), -5);
    expectChange("America/New_York", 2006, 4, 2, 7, 0, -5, -4);
    expectChange("America/New_York", 2006, 10, 29, 6, 0, -4, -5);
    EXPECT_DOUBLE_EQ(offsetOn("America/New_York", 2006, 11, 1), -5);
    // Paris mean time before 1911: 0h09m21s east of Greenwich.
    EXPECT_NEAR(offsetOn("Europe/Paris", 1900, 6, 1), (9 * 60 + 21) / 3600.0, 1e-12);
}

TEST(TimeZone, RulesGoOnAfterTheLastListedTransition) {
    // tzdata's files list transitions up to 2037 and end with the rule that follows: 2050-03-27
    // is the last Sunday of March, 2050-10-30 the last of October.
    expectChange("Europe/Paris", 2050, 3, 27, 1, 0, 1, 2);
    expectChange("Europe/Paris", 2050, 10, 30, 1, 0, 2, 1);
    EXPECT_DOUBLE_EQ(offsetOn("Australia/Sydney", 2999, 7, 15), 10);
    EXPECT_DOUBLE_EQ(offsetOn("America/New_York", 2999, 7, 15), -4);
}

TEST(TimeZone, UnknownZone) {
    EXPECT_EQ(TimeZone::find("Nowhere/Atlantis"), nullptr);
    EXPECT_EQ(TimeZone::find(""), nullptr);
}

TEST(TimeZone, PlaceClockFollowsTheZone) {
    date2 d = utc(2026, 10, 25, 0, 30);
    d.decalageLieu = 5; // not used while the place has a zone
    d.zoneLieu = TimeZone::find("Europe/Paris");
    ASSERT_TRUE(d.zoneLieu);
    EXPECT_DOUBLE_EQ(d.placeOffset_h(), 2);
    EXPECT_EQ(d.texteHeureDateLieu(), "2h30 25/10/2026");
    // An hour later the clock has gone back: the same local time again.
    d.ajouteHeures(1);
    EXPECT_DOUBLE_EQ(d.placeOffset_h(), 1);
    EXPECT_EQ(d.texteHeureDateLieu(), "2h30 25/10/2026");
    d.zoneLieu = nullptr;
    EXPECT_DOUBLE_EQ(d.placeOffset_h(), 5);
}
