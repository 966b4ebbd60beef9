// SPDX-License-Identifier: GPL-3.0-or-later
// Angle helpers, texts and sidereal time.
#include <gtest/gtest.h>

#include <cmath>

#include "astro/angles.h"
#include "astro/date2.h"

TEST(Angles, Conversions) {
    EXPECT_DOUBLE_EQ(degToRad(180), 3.141592653589793);
    EXPECT_NEAR(radToDeg(3.141592653589793), 180, 1e-12);
    EXPECT_NEAR(radToDeg(degToRad(123.456)), 123.456, 1e-12);
}

TEST(Angles, Normalize360) {
    EXPECT_DOUBLE_EQ(normalize360(0), 0);
    EXPECT_DOUBLE_EQ(normalize360(360), 0);
    EXPECT_DOUBLE_EQ(normalize360(725), 5);
    EXPECT_DOUBLE_EQ(normalize360(-30), 330);
    EXPECT_DOUBLE_EQ(normalize360(-720), 0);
    EXPECT_NEAR(normalize360(-1e-9), 360 - 1e-9, 1e-9);
    EXPECT_LT(normalize360(-1e-20), 360.0);
    EXPECT_NEAR(normalize360(481267.8831 * 3), std::fmod(481267.8831 * 3, 360), 1e-8);
    EXPECT_NEAR(normalize360(-1e12 - 30), std::fmod(-1e12 - 30, 360) + 360, 1e-3);
    EXPECT_TRUE(std::isnan(normalize360(INFINITY)));
    EXPECT_TRUE(std::isnan(normalize360(-INFINITY)));
}

TEST(Angles, Polynomial) {
    const double c[4] = {280.46, 36000.77, 0.5, -2};
    EXPECT_DOUBLE_EQ(polynomial(c, 0), 280.46);
    EXPECT_DOUBLE_EQ(polynomial(c, 2), 280.46 + 72001.54 + 2 - 16);
}

TEST(Angles, HoursText) {
    EXPECT_EQ(hoursText(-15), "23h0'0\"");
    EXPECT_EQ(hoursText(0), "0h0'0\"");
    EXPECT_EQ(hoursText(90.5), "6h2'0\"");
    EXPECT_EQ(hoursText(375), "1h0'0\"");
    EXPECT_EQ(hoursText(187.25), "12h29'0\"");
    EXPECT_EQ(hoursText(10.0 + 1.0 / 240), "0h40'1\"");
    EXPECT_EQ(hoursText(359.9999999999), "0h0'0\"");
    EXPECT_EQ(hoursText(100.12345), "6h40'29\"");
}

TEST(Angles, DegreesText) {
    EXPECT_EQ(degreesText(0), "-0\xB0"
                              "0'");
    EXPECT_EQ(degreesText(-0.5), "-0\xB0"
                                 "30'");
    EXPECT_EQ(degreesText(23.5), "23\xB0"
                                 "30'");
    EXPECT_EQ(degreesText(-23.45), "-23\xB0"
                                   "27'");
    EXPECT_EQ(degreesText(89.999), "89\xB0"
                                   "59'");
    EXPECT_EQ(degreesText(23.99999999999), "24\xB0"
                                           "0'");
    EXPECT_EQ(degreesText(12.3456), "12\xB0"
                                    "20'");
}

TEST(Angles, SiderealTime1996) {
    date2 d;
    d.annee = 1996;
    d.mois = 1;
    d.jour = 1;
    d.calculeT();
    EXPECT_NEAR(siderealTime(d) / 15, 6.662446, 1e-6);
    EXPECT_NEAR(siderealTime(d), 99.9367, 1e-4);
    d.heure = 21;
    d.minute = 30;
    EXPECT_NEAR(siderealTime(d), 423.3197, 1e-4);
    // From the calendar fields, not from t.
    d.t = 0;
    EXPECT_NEAR(siderealTime(d), 423.3197, 1e-4);
}

TEST(Angles, SiderealTimeStaysBelow721) {
    date2 d;
    double maxTheta = 0;
    for (int day = 1; day <= 365; day += 3) {
        d.annee = 2026;
        d.mois = 1 + (day % 12);
        d.jour = 1 + day % 28;
        d.heure = 23;
        d.minute = 59;
        const double theta = siderealTime(d);
        EXPECT_GE(theta, 0);
        EXPECT_LT(theta, 721.1);
        maxTheta = std::max(maxTheta, theta);
    }
    EXPECT_GT(maxTheta, 360);
}
