// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the Guide Star Catalog region table and region file readers on arbitrary bytes,
// also placed behind the fixed headers so that the records are reached.
#include <cstddef>
#include <cstdint>
#include <string>

#include "catalog/prompter.h"
#include "catalog/stars.h"
#include "fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The input is used as is and also behind each fixed header, where the records start.
    const std::string raw(reinterpret_cast<const char*>(data), size);
    RecordingPrompter prompter;
    for (const std::string& table :
         {raw, std::string(8985, ' ') + raw.substr(0, 5) + std::string(14400 - 8990, ' ') +
                   (size > 5 ? raw.substr(5) : std::string())}) {
        const GscRegionList l = findRegionsInTable(table, 0, 400, -90, 90, prompter);
        fuzzcheck::check(l.count >= 0 && l.count <= kMaxGscRegions, "region count");
    }
    for (const std::string& region :
         {raw, std::string(3225, ' ') + raw.substr(0, 5) + std::string(8640 - 3230, ' ') +
                   (size > 5 ? raw.substr(5) : std::string())})
        parseGscRegion(region, [](double, double, double) {});
    return 0;
}
