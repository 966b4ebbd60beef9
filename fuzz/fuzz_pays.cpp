// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the country offsets file "pays.syt" on arbitrary bytes, looked up for a
// country named by the first bytes of the input in both seasons.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "astro/date2.h"
#include "catalog/cities.h"
#include "fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static fuzzcheck::PrivateDir dir("pays");
    // The city name is the input up to its first line feed (at most 40 bytes), the file is the
    // whole input: a country of the file, or one that is not there.
    std::size_t cityEnd = 0;
    while (cityEnd < size && cityEnd < 40 && data[cityEnd] != '\n')
        ++cityEnd;
    const std::string city(reinterpret_cast<const char*>(data), cityEnd);
    const std::string path = dir.write("pays.syt", fuzzcheck::bytes(data, size));
    // No zone file: the city falls back on its country's line, the part this target reads.
    const std::string noZones = dir.path() + "/zones.syt";
    for (bool stopAtBlank : {false, true}) {
        double bySeason[2] = {0, 0};
        for (int season : {0, 1, -1}) {
            date2 date;
            date.saison = season;
            const double offset = cityOffset(date, city, stopAtBlank, nullptr, path, noZones);
            fuzzcheck::check(!std::isnan(offset), "offset is a number");
            if (season >= 0) {
                bySeason[season] = offset;
            } else {
                // The automatic season without a zone is the country's offset of the month's season.
                date2 seasonal = date;
                seasonal.choisitSaison();
                fuzzcheck::check(offset == bySeason[seasonal.saison == 1 ? 1 : 0],
                                 "automatic season, the country's offset of the month");
            }
            // Every offset the program uses goes through the time-zone table.
            timeZoneIndex(offset);
        }
    }
    return 0;
}
