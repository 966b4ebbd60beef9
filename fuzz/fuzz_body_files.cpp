// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the Sun, planet and satellite file readers on arbitrary bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "catalog/body_files.h"
#include "catalog/scan.h"
#include "fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    {
        FilePtr f = openMemory(data, size);
        soleil sun;
        readSunFile(f.get(), sun);
    }
    {
        FilePtr f = openMemory(data, size);
        planete planet;
        std::vector<std::string> satellites;
        readPlanetFile(f.get(), planet, satellites);
        fuzzcheck::check(satellites.size() <= 2, "at most two satellite files");
    }
    {
        FilePtr f = openMemory(data, size);
        satellite sat;
        readSatelliteFile(f.get(), sat);
    }
    return 0;
}
