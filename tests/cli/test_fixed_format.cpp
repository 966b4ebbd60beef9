// SPDX-License-Identifier: GPL-3.0-or-later
// formatFixed against the C library's printf("%.*f"): random doubles of every magnitude and
// sign, exact decimal ties, their neighbours, zeros, subnormals and values past the fast range.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <string>

#include "cli/fixed_format.h"

namespace {
std::string viaPrintf(double v, int decimals) {
    char buf[512];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
    return buf;
}
std::string viaFormatFixed(double v, int decimals) {
    char buf[512];
    const auto r = formatFixed(buf, buf + sizeof buf, v, decimals);
    EXPECT_EQ(r.ec, std::errc());
    return std::string(buf, r.ptr);
}
// Each value with every number of decimals the formatter handles itself and a few more.
int checkAll(double v) {
    int bad = 0;
    for (int d : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12}) {
        const std::string expected = viaPrintf(v, d);
        const std::string got = viaFormatFixed(v, d);
        if (got != expected && bad++ < 3)
            ADD_FAILURE() << "%." << d << "f of " << v << ": " << got << " != " << expected;
    }
    return bad;
}
} // namespace

TEST(FixedFormat, RandomDoublesOfEveryMagnitude) {
    std::mt19937_64 random(20261210);
    std::uniform_real_distribution<double> unit(-1, 1);
    std::uniform_int_distribution<int> power(-25, 10);
    int bad = 0;
    for (int k = 0; k < 200000; ++k)
        bad += checkAll(unit(random) * std::pow(10.0, power(random)));
    EXPECT_EQ(bad, 0);
}

TEST(FixedFormat, TiesRoundToEvenAndTheirNeighboursAwayFromThem) {
    int bad = 0;
    // j / 2^n has n decimals, so with fewer decimals some of these are exact ties.
    for (int n = 1; n <= 12; ++n)
        for (int j = -3000; j <= 3000; j += 7) {
            const double v = std::ldexp(j, -n);
            bad += checkAll(v) + checkAll(std::nextafter(v, 1e300)) + checkAll(std::nextafter(v, -1e300));
        }
    for (double v :
         {0.5, 1.5, 2.5, 3.5, -0.5, -2.5, 0.125, 0.375, 2.675, 1.005, 1.0000005, 999.9999995, 0.0000000005})
        bad += checkAll(v) + checkAll(std::nextafter(v, 1e300)) + checkAll(std::nextafter(v, -1e300));
    // Half-unit points of each number of decimals as the nearest doubles (mostly not exact ties).
    for (int d = 0; d <= 9; ++d)
        for (int k = -1000; k <= 1000; k += 3) {
            const double v = (k + 0.5) / std::pow(10.0, d) + 359 * (k % 2);
            bad += checkAll(v) + checkAll(std::nextafter(v, 1e300)) + checkAll(std::nextafter(v, -1e300));
        }
    EXPECT_EQ(bad, 0);
}

TEST(FixedFormat, ZerosSubnormalsLimitsAndNonFinite) {
    const double inf = std::numeric_limits<double>::infinity();
    int bad = 0;
    for (double v : {0.0, -0.0, 1e-320, -1e-320, std::numeric_limits<double>::denorm_min(), -1e-300, -4e-10,
                     4e-10, 999999999.99999988, -999999999.99999988, 1e9, -1e9, 1e9 + 0.5, 123456789012.25,
                     1e300, inf, -inf, std::nan("")})
        bad += checkAll(v);
    EXPECT_EQ(bad, 0);
    EXPECT_EQ(viaFormatFixed(-0.0, 2), "-0.00");
    EXPECT_EQ(viaFormatFixed(-0.004, 2), "-0.00");
    EXPECT_EQ(viaFormatFixed(0.125, 2), "0.12"); // an exact tie goes to the even digit
    EXPECT_EQ(viaFormatFixed(2.5, 0), "2");
}

TEST(FixedFormat, TooSmallABufferIsRefused) {
    char buf[5];
    EXPECT_EQ(formatFixed(buf, buf + 4, 12.345, 2).ec, std::errc::value_too_large); // "12.35": 5 bytes
    EXPECT_EQ(formatFixed(buf, buf + 4, -1.5, 2).ec, std::errc::value_too_large);
    const auto r = formatFixed(buf, buf + sizeof buf, -1.5, 2);
    ASSERT_EQ(r.ec, std::errc());
    EXPECT_EQ(std::string(buf, r.ptr), "-1.50");
}
