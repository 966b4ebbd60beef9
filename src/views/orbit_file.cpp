// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/orbit_file.h"

#include "catalog/scan.h"

#include <algorithm>
#include <cmath>

namespace views {

OrbitFile readOrbitFile(std::FILE* f) {
    OrbitFile result;
    auto fail = [&](const std::string& why) {
        result.names.clear();
        result.orbits.clear();
        result.error = why;
        return result;
    };
    if (!f) return fail("trajec.nal cannot be opened");
    char word[64] = {};
    if (scanFile(f, "%s", {word}) != 1) return fail("trajec.nal is empty");
    while (std::string(word) != "fin") {
        const std::string name = word;
        if (static_cast<int>(result.orbits.size()) >= kMaxOrbits)
            return fail("trajec.nal has too many orbits");
        int n = 0;
        if (scanFile(f, " %d\n", {&n}) != 1) return fail("trajec.nal: orbit " + name + " has no point count");
        if (n < 0 || n > kMaxOrbitPoints)
            return fail("trajec.nal: orbit " + name + " has a point count out of range");
        // Grown as the points are read, so that a damaged count costs no more than the file holds.
        std::vector<Vec3> points;
        points.reserve(static_cast<size_t>(std::min(n, 4096)));
        for (int k = 0; k < n; ++k) {
            Vec3& p = points.emplace_back();
            if (scanFile(f, "%lf %lf %lf\n", {&p.x, &p.y, &p.z}) != 3)
                return fail("trajec.nal: orbit " + name + " ends before its points");
            // "nan" and "inf" read as numbers; such a point cannot be drawn.
            if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(p.z))
                return fail("trajec.nal: orbit " + name + " has a point that is not a number");
        }
        result.names.push_back(name);
        result.orbits.push_back(std::move(points));
        if (scanFile(f, "\n%s", {word}) != 1) return fail("trajec.nal ends before \"fin\"");
    }
    return result;
}

OrbitFile readOrbitFile(const std::string& path) {
    FilePtr f = openForReading(path);
    return readOrbitFile(f.get());
}

} // namespace views
