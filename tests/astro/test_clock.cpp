// SPDX-License-Identifier: GPL-3.0-or-later
// The clock in UT and the computer's own offset, whatever zone the process runs in.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

#include "astro/clock.h"

namespace {
// Runs `body` with the process's TZ set to `zone`, then puts the previous value back.
template <class F> void withZone(const char* zone, F body) {
    const char* old = std::getenv("TZ");
    const std::string saved = old ? old : "";
    setenv("TZ", zone, 1);
    tzset();
    body();
    if (old) setenv("TZ", saved.c_str(), 1);
    else unsetenv("TZ");
    tzset();
}
} // namespace

TEST(Clock, UniversalTimeIsTheSameInEveryComputerZone) {
    // 1815654896 s is 2027-07-15 12:34:56 UT (date -u -d 2027-07-15T12:34:56Z +%s).
    for (const char* zone : {"UTC", "Asia/Tokyo", "America/New_York", "Australia/Lord_Howe"}) {
        withZone(zone, [&] {
            const date2 d = universalTimeAt(1815654896);
            EXPECT_EQ(d.annee, 2027) << zone;
            EXPECT_EQ(d.mois, 7) << zone;
            EXPECT_EQ(d.jour, 15) << zone;
            EXPECT_EQ(d.heure, 12) << zone;
            EXPECT_EQ(d.minute, 34) << zone;
            // 12:34:00 UT (the minute the date keeps) is JD 2461602.023611; T counts from JD 2415020.0.
            EXPECT_NEAR(static_cast<double>(d.t), (2461602.023611 - 2415020.0) / 36525.0, 1e-9) << zone;
        });
    }
}

TEST(Clock, ComputerOffsetFollowsTheZoneRules) {
    // 1774745999 s is 2026-03-29 00:59:59 UT, one second before Europe's summer time starts.
    withZone("Europe/Paris", [] {
        EXPECT_DOUBLE_EQ(computerUtcOffsetAt(1774745999), 1.0);
        EXPECT_DOUBLE_EQ(computerUtcOffsetAt(1774746000), 2.0);
    });
    withZone("Asia/Tokyo", [] { EXPECT_DOUBLE_EQ(computerUtcOffsetAt(1815654896), 9.0); });
    withZone("Asia/Kathmandu", [] { EXPECT_DOUBLE_EQ(computerUtcOffsetAt(1815654896), 5.75); });
    withZone("UTC", [] { EXPECT_DOUBLE_EQ(computerUtcOffsetAt(1815654896), 0.0); });
}
