// SPDX-License-Identifier: GPL-3.0-or-later
// The orbit file "trajec.nal" of the heliocentric view: one block per orbit (a name, a point
// count, that many "x y z" lines in the model unit), ended by the word "fin".
#pragma once

#include "views/camera.h"

#include <cstdio>
#include <string>
#include <vector>

namespace views {

struct OrbitFile {
    std::vector<std::string> names;
    std::vector<std::vector<Vec3>> orbits; // heliocentric ecliptic points, AU x pi/180
    std::string error;                     // why the file was refused; empty when it was read whole

    bool ok() const { return error.empty(); }
};

// More points than this in one orbit, or more orbits than kMaxOrbits, mark a damaged file.
constexpr int kMaxOrbitPoints = 1000000;
constexpr int kMaxOrbits = 1000;

// Reads the whole file with the patterns "%s", " %d\n", "%lf %lf %lf\n" and "\n%s". A file that
// ends before "fin", a count that is not a number or out of range, or a point that does not
// read gives an error and no orbits at all: a half-read file is never drawn.
OrbitFile readOrbitFile(std::FILE* file);
// The same from a path; a file that cannot be opened is an error too.
OrbitFile readOrbitFile(const std::string& path);

} // namespace views
