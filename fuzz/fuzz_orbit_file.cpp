// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the orbit file "trajec.nal" of the heliocentric view on arbitrary bytes: a
// file is either refused with a reason or read whole.
#include <cstddef>
#include <cstdint>

#include "catalog/scan.h"
#include "fuzz_checks.h"
#include "views/orbit_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FilePtr f = openMemory(data, size);
    const views::OrbitFile orbits = views::readOrbitFile(f.get());
    fuzzcheck::check(orbits.names.size() == orbits.orbits.size(), "one name per orbit");
    if (!orbits.ok()) fuzzcheck::check(orbits.orbits.empty(), "a refused file has no orbits");
    fuzzcheck::check(orbits.orbits.size() <= static_cast<std::size_t>(views::kMaxOrbits), "orbit count");
    for (const auto& orbit : orbits.orbits)
        for (const views::Vec3& p : orbit) {
            fuzzcheck::finite(p.x, "orbit point x");
            fuzzcheck::finite(p.y, "orbit point y");
            fuzzcheck::finite(p.z, "orbit point z");
        }
    return 0;
}
