// SPDX-License-Identifier: GPL-3.0-or-later
// The star store: the shipped star files held in memory as their text says, limits, and files that
// change, appear or hold magnitudes in thousandths.
#include <cmath>
#include <fstream>
#include <numbers>
#include <sstream>

#include "catalog/star_store.h"
#include "test_util.h"

namespace {

struct TextStar {
    double ra, dec, mag;
};

// A star file read with the standard library alone: the count, then three numbers a line.
std::vector<TextStar> readIndependently(const std::string& path) {
    std::ifstream in(path);
    long count = 0;
    in >> count;
    std::vector<TextStar> stars;
    TextStar s{};
    for (long k = 0; k < count && in >> s.ra >> s.dec >> s.mag; ++k)
        stars.push_back(s);
    return stars;
}

} // namespace

TEST(StarStore, HoldsEveryShippedStarAsTheFileWritesIt) {
    StarFiles files;
    files.dataDirs = {NALVO_SOURCE_DATA_DIR};
    StarStore store;
    for (int layer = 0; layer < kStarFileCount; ++layer) {
        const std::string path = std::string(NALVO_SOURCE_DATA_DIR) + "/" + starFileName(layer);
        const std::vector<TextStar> expected = readIndependently(path);
        ASSERT_GT(expected.size(), 10000u) << path << " was not read";
        const StarColumns* stars = store.layer(layer, files);
        ASSERT_NE(stars, nullptr) << path << " did not load";
        ASSERT_EQ(stars->size(), expected.size()) << path;
        for (std::size_t i = 0; i < expected.size(); ++i) {
            ASSERT_EQ(stars->ra_deg[i], expected[i].ra) << path << " star " << i;
            ASSERT_EQ(stars->dec_deg[i], expected[i].dec) << path << " star " << i;
            ASSERT_EQ(stars->mag[i], expected[i].mag) << path << " star " << i;
            // Degrees to radians as the projection converts them (one factor pi/180).
            const double d = expected[i].dec * (std::numbers::pi / 180);
            ASSERT_EQ(stars->sinDec[i], std::sin(d)) << path << " star " << i;
            ASSERT_EQ(stars->cosDec[i], std::cos(d)) << path << " star " << i;
        }
        // Limits on both sides of the file's magnitudes and between two hundredths give the same
        // stars, in file order, as a test of every star.
        for (double limit : {6.0 + layer, 6.5 + layer, 7.0 + layer - 0.005, 7.0 + layer, 9.0}) {
            std::vector<std::size_t> brute;
            for (std::size_t i = 0; i < expected.size(); ++i)
                if (expected[i].mag < limit) brute.push_back(i);
            std::vector<std::size_t> seen;
            stars->forEachBrighterThan(limit, [&](std::size_t i) { seen.push_back(i); });
            EXPECT_EQ(seen, brute) << path << " below " << limit;
        }
        // A second use keeps the stars read the first time.
        EXPECT_EQ(store.layer(layer, files), stars);
    }
}

TEST(StarStore, FollowsTheFileOnDisk) {
    TempDir tmp;
    StarFiles files;
    files.dataDirs = {tmp.dir()};
    StarStore store;
    EXPECT_EQ(store.layer(1, files), nullptr); // missing: nothing, no message
    tmp.write("star7.syt", "2\n10.5 -20.25 7.5\n11.000 21.000 7.25\n");
    const StarColumns* stars = store.layer(1, files);
    ASSERT_NE(stars, nullptr);
    ASSERT_EQ(stars->size(), 2u);
    EXPECT_EQ(stars->ra_deg[0], 10.5);
    EXPECT_EQ(stars->dec_deg[0], -20.25);
    EXPECT_EQ(stars->mag[0], 7.5);
    EXPECT_EQ(stars->mag[1], 7.25);

    // Rewritten with another size: read again. A magnitude in thousandths is kept exactly, and a
    // line that does not hold three numbers ends the file.
    tmp.write("star7.syt", "3\n1 2 7.125\n3 4 7.5\nbad line\n");
    stars = store.layer(1, files);
    ASSERT_NE(stars, nullptr);
    ASSERT_EQ(stars->size(), 2u);
    EXPECT_EQ(stars->mag[0], 7.125);
    EXPECT_EQ(stars->mag[1], 7.5);
    std::vector<double> below;
    stars->forEachBrighterThan(7.2, [&](std::size_t i) { below.push_back(stars->mag[i]); });
    EXPECT_EQ(below, std::vector<double>{7.125});

    // Removed again: nothing.
    std::filesystem::remove(tmp.path("star7.syt"));
    EXPECT_EQ(store.layer(1, files), nullptr);
    // An empty or unreadable count gives no stars, not a failure.
    tmp.write("star7.syt", "");
    stars = store.layer(1, files);
    ASSERT_NE(stars, nullptr);
    EXPECT_EQ(stars->size(), 0u);
    int visited = 0;
    stars->forEachBrighterThan(9, [&](std::size_t) { ++visited; });
    EXPECT_EQ(visited, 0);
}
