// SPDX-License-Identifier: GPL-3.0-or-later
// The ring model "anneau3d.nal": the shipped file and broken ones.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "catalog/ring_model.h"
#include "catalog/scan.h"

namespace {
RingModel readText(const std::string& text) {
    FilePtr f = openMemory(text.data(), text.size());
    return readRingModel(f.get(), "anneau3d.nal");
}
double radius(const RingQuad& q, int k) {
    return std::hypot(q.x[k], q.y[k]);
}
} // namespace

TEST(RingModel, ShippedFileHoldsTheRingsAtTheirPublishedRadii) {
    const RingModel m = loadRingModel();
    ASSERT_TRUE(m.error.empty()) << m.error;
    ASSERT_GE(m.records.size(), 120u);
    // One Saturn radius (60,268 km) is 0.4 model units.
    EXPECT_DOUBLE_EQ(m.globeSize, 0.4);
    const double unit = 0.4 / 60268;
    const double inner[3] = {74658, 92000, 122170}, outer[3] = {92000, 117580, 136775}; // C, B, A (km)
    double turned = 0;
    for (const auto& r : m.records)
        for (int z = 0; z < 3; ++z) {
            EXPECT_NEAR(radius(r[z], 0), inner[z] * unit, 1e-5);
            EXPECT_NEAR(radius(r[z], 1), outer[z] * unit, 1e-5);
            EXPECT_NEAR(radius(r[z], 2), outer[z] * unit, 1e-5);
            EXPECT_NEAR(radius(r[z], 3), inner[z] * unit, 1e-5);
            if (z == 0)
                turned += std::remainder(std::atan2(r[z].y[3], r[z].x[3]) - std::atan2(r[z].y[0], r[z].x[0]),
                                         2 * M_PI);
        }
    EXPECT_NEAR(turned, 2 * M_PI, 1e-6) << "the sectors close the ring once";
}

TEST(RingModel, BrokenFilesGiveNoRingsAndAMessage) {
    const std::string rec = "0 0/1 0/1 1/0 1 - 1 0/2 0/2 1/1 1 - 2 0/3 0/3 1/2 1\n";
    const RingModel good = readText("2 0.4\n" + rec + rec);
    EXPECT_TRUE(good.error.empty());
    EXPECT_EQ(good.records.size(), 2u);
    EXPECT_DOUBLE_EQ(good.records[1][2].x[2], 3.0);

    const RingModel truncated = readText("3 0.4\n" + rec + rec);
    EXPECT_TRUE(truncated.records.empty());
    EXPECT_NE(truncated.error.find("record 3"), std::string::npos) << truncated.error;
    EXPECT_DOUBLE_EQ(truncated.globeSize, 0.4);

    for (const std::string bad :
         {"", "x 0.4\n", "-1 0.4\n", "2000000000 0.4\n", "1 0.4\n0 0/1 0/1 1/0 1 - 1 0\n"}) {
        const RingModel m = readText(bad);
        EXPECT_TRUE(m.records.empty()) << bad;
        EXPECT_FALSE(m.error.empty()) << bad;
    }
    EXPECT_FALSE(readRingModel(nullptr, "anneau3d.nal").error.empty());
}

// Found by fuzz_ring_model: "inf" and "nan" read as numbers and were kept as the globe size and
// as corners.
TEST(RingModel, ValuesThatAreNotNumbersAreRefused) {
    const std::string rec = "0 0/1 0/1 1/0 1 - 1 0/2 0/2 1/1 1 - 2 0/3 0/3 1/2 1\n";
    for (const std::string& bad : std::initializer_list<std::string>{"1infn", "1 nan\n" + rec,
                                  "1 0.4\n0 0/1 0/1 1/0 1 - 1 0/2 0/2 1/1 1 - 2 0/3 0/3 1/2 nan\n",
                                  "1 0.4\n0 0/1 0/1 1/0 1 - 1 0/2 inf/2 1/1 1 - 2 0/3 0/3 1/2 1\n"}) {
        const RingModel m = readText(bad);
        EXPECT_TRUE(m.records.empty()) << bad;
        EXPECT_FALSE(m.error.empty()) << bad;
        EXPECT_TRUE(std::isfinite(m.globeSize)) << bad;
    }
}
