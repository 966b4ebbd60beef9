// SPDX-License-Identifier: GPL-3.0-or-later
// nalvo-cli moons: CSV layout, ranges, signs against Astronomy Engine, errors.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/moons.h"

namespace {
struct MoonsRun {
    int status = 0;
    std::vector<std::vector<std::string>> rows; // CSV cells, header included
    std::string err;
};
std::string readAll(std::FILE* f) {
    std::string s;
    std::rewind(f);
    char buf[4096];
    for (size_t n; (n = std::fread(buf, 1, sizeof buf, f)) > 0;)
        s.append(buf, n);
    std::fclose(f);
    return s;
}
std::vector<std::string> split(const std::string& line) {
    std::vector<std::string> v;
    std::stringstream ss(line);
    for (std::string c; std::getline(ss, c, ',');)
        v.push_back(c);
    return v;
}
MoonsRun moons(std::vector<std::string> args) {
    args.insert(args.end(), {"--data", NALVO_SOURCE_DATA_DIR});
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    MoonsRun r;
    r.status = moonsCommand(args, out, err);
    std::stringstream ss(readAll(out));
    for (std::string l; std::getline(ss, l);)
        r.rows.push_back(split(l));
    r.err = readAll(err);
    return r;
}
} // namespace

TEST(MoonsCommand, JupiterRowsMatchTheReferenceSides) {
    // Astronomy Engine, 1950-01-19 06:18 UT (tests/data/jupiter_moons_reference.csv): Io -5.0206,
    // Europa 8.8963 (behind), Ganymede -14.7642, Callisto 22.6970 (behind).
    const MoonsRun r = moons({"--date", "1950-01-19T06:18"});
    ASSERT_EQ(r.status, 0) << r.err;
    ASSERT_EQ(r.rows.size(), 11u);
    EXPECT_EQ(r.rows[0], split("date_utc,planet,moon,x_east,y_north,behind"));
    const double x[4] = {-5.0206, 8.8963, -14.7642, 22.6970};
    const char* behind[4] = {"0", "1", "0", "1"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(r.rows[1 + i][0], "1950-01-19T06:18");
        EXPECT_EQ(r.rows[1 + i][1], "Jupiter");
        EXPECT_NEAR(std::stod(r.rows[1 + i][3]), x[i], 0.1) << r.rows[1 + i][2];
        EXPECT_EQ(r.rows[1 + i][5], behind[i]) << r.rows[1 + i][2];
    }
    EXPECT_EQ(r.rows[5][1], "Saturn");
    EXPECT_EQ(r.rows[5][2], "Mimas");
    EXPECT_EQ(r.rows[10][2], "Titan");
}

TEST(MoonsCommand, SaturnMoonsFollowTheRingTilt) {
    // At the ring-plane crossing of 2025 March 23 every orbit is seen edge-on; on 2026 November 27
    // the Earth is 6.1 degrees south of the ring plane (Astronomy Engine), so the near half of
    // every orbit is seen north of the planet and the far half south of it.
    const MoonsRun edgeOn = moons({"--date", "2025-03-23T00:00"});
    ASSERT_EQ(edgeOn.status, 0) << edgeOn.err;
    for (size_t k = 5; k < 11; ++k)
        EXPECT_LT(std::abs(std::stod(edgeOn.rows[k][4])), 0.3) << edgeOn.rows[k][2];
    const double kRadii[6] = {1.5382, 1.97331, 2.4424, 3.12862, 4.3693, 10.12431};
    const MoonsRun tilted = moons({"--date", "2026-11-27T09:43"});
    ASSERT_EQ(tilted.status, 0) << tilted.err;
    for (size_t k = 5; k < 11; ++k) {
        const double x = std::stod(tilted.rows[k][3]), y = std::stod(tilted.rows[k][4]);
        // Back to the orbit in the ring plane: the radius is twice the orbit radius in diameters.
        const double orbit = std::hypot(x, y / std::sin(6.1 * M_PI / 180));
        EXPECT_NEAR(orbit, 2 * kRadii[k - 5], 0.08 * 2 * kRadii[k - 5]) << tilted.rows[k][2];
        if (std::abs(y) > 0.05) {
            EXPECT_EQ(y > 0, tilted.rows[k][5] == "0") << tilted.rows[k][2];
        }
    }
}

TEST(MoonsCommand, RangesAndBadArguments) {
    const MoonsRun r = moons({"--from", "2026-12-09T00:00", "--to", "2026-12-10T00:00", "--step", "6h"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.rows.size(), 1u + 5 * 10);
    EXPECT_EQ(r.rows.back()[0], "2026-12-10T00:00");
    for (const std::vector<std::string>& bad :
         {std::vector<std::string>{"--date", "2026-13-01T00:00"},
          {"--from", "2026-01-01T00:00"},
          {"--from", "2026-01-02T00:00", "--to", "2026-01-01T00:00", "--step", "1d"},
          {"--from", "2026-01-01T00:00", "--to", "2026-01-02T00:00", "--step", "0d"},
          {"--planet"}}) {
        const MoonsRun b = moons(bad);
        EXPECT_EQ(b.status, 2) << bad[0];
        EXPECT_FALSE(b.err.empty());
        EXPECT_TRUE(b.rows.empty());
    }
}

TEST(MoonsCommand, SaturnMoonsCrossTheDiscTogetherAsObservedIn2009) {
    // On 2009 February 24 the Hubble Space Telescope watched Titan, Mimas, Dione and Enceladus
    // pass in front of Saturn. PyEphem (Bureau des Longitudes ephemeris) puts Mimas 0.24 radii
    // east of the centre at 13h UT, and Enceladus, Dione and Titan 0.57, 0.42 and -0.55 at 15h,
    // all in front; a satellite in front of its planet moves west.
    const MoonsRun r = moons({"--from", "2009-02-24T13:00", "--to", "2009-02-24T15:00", "--step", "2h"});
    ASSERT_EQ(r.status, 0) << r.err;
    ASSERT_EQ(r.rows.size(), 21u);
    // Rows 5-10 are Mimas ... Titan at 13h, rows 15-20 the same at 15h.
    const struct {
        size_t row;
        double reference;
    } kOnDisc[] = {{5, 0.24}, {16, 0.57}, {18, 0.42}, {20, -0.55}};
    for (const auto& m : kOnDisc) {
        const double x = std::stod(r.rows[m.row][3]);
        EXPECT_NEAR(x, m.reference, 0.25) << r.rows[m.row][2]; // inside the disc either way
        EXPECT_EQ(r.rows[m.row][5], "0") << r.rows[m.row][2];
    }
    for (size_t k : {5u, 6u, 8u, 10u})
        EXPECT_LT(std::stod(r.rows[k + 10][3]), std::stod(r.rows[k][3]))
            << r.rows[k][2] << " moves west in front";
}
