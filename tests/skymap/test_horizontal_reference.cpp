// SPDX-License-Identifier: GPL-3.0-or-later
// altitudeOf / azimuthOf with the program's sidereal time against Astronomy Engine's Horizon().
#include "astro/angles.h"
#include "astro/date2.h"
#include "skymap/projection.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Row {
    int y, mo, d, h, mi;
    double lat, lonEast, ra, dec, alt, az;
};

std::vector<Row> readRows() {
    std::ifstream in(std::string(NALVO_TEST_DATA_DIR) + "/skymap_horizontal.csv");
    std::vector<Row> rows;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::replace(line.begin(), line.end(), ',', ' ');
        std::istringstream s(line);
        Row r{};
        if (s >> r.y >> r.mo >> r.d >> r.h >> r.mi >> r.lat >> r.lonEast >> r.ra >> r.dec >> r.alt >> r.az)
            rows.push_back(r);
    }
    return rows;
}

double angleDiff(double a, double b) {
    double d = std::fmod(a - b, 360.0);
    if (d > 180) d -= 360;
    if (d < -180) d += 360;
    return d;
}

} // namespace

// Tolerance: the program uses the mean sidereal time and Astronomy Engine the apparent one; the
// equation of the equinoxes stays under 1.2 s of time (0.005 deg), and minute-rounded calendar
// fields add nothing. 0.01 deg on the sky is far below a pixel of any map.
TEST(HorizontalReference, AgreesWithAstronomyEngine) {
    const std::vector<Row> rows = readRows();
    ASSERT_EQ(rows.size(), 160u);
    double worstAlt = 0, worstSky = 0;
    for (const Row& r : rows) {
        date2 d;
        d.annee = r.y;
        d.mois = r.mo;
        d.jour = r.d;
        d.heure = r.h;
        d.minute = r.mi;
        d.calculeT();
        const double theta = siderealTime(d);
        const double lonWest = -r.lonEast;
        const double alt = skymap::altitudeOf(lonWest, r.lat, r.dec, r.ra, theta);
        const double az = skymap::azimuthOf(lonWest, r.lat, r.dec, r.ra, theta);
        const double dAlt = std::fabs(alt - r.alt);
        // Azimuth error as an angle on the sky (it is meaningless at the zenith).
        const double dSky = std::fabs(angleDiff(az, r.az)) * std::cos(r.alt * M_PI / 180);
        worstAlt = std::max(worstAlt, dAlt);
        worstSky = std::max(worstSky, dSky);
        EXPECT_LT(dAlt, 0.01) << r.y << "-" << r.mo << "-" << r.d << " lat " << r.lat << " ra " << r.ra;
        EXPECT_LT(dSky, 0.01) << r.y << "-" << r.mo << "-" << r.d << " lat " << r.lat << " ra " << r.ra;
    }
    std::printf("horizontal vs astronomy-engine: worst altitude %.5f deg, worst azimuth on sky %.5f deg\n",
                worstAlt, worstSky);
}
