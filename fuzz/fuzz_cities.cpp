// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the city list reader (ville.syt) on arbitrary bytes.
#include <cstddef>
#include <cstdint>

#include "catalog/cities.h"
#include "fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto cities = parseCities(fuzzcheck::bytes(data, size));
    fuzzcheck::check(!cities.empty() && cities.back().name == kOtherCity, "the list ends with Other");
    for (const City& c : cities) {
        fuzzcheck::check(c.name.size() <= 29, "city name within 29 characters");
        fuzzcheck::finite(c.latitude, "city latitude");
        fuzzcheck::finite(c.longitude, "city longitude");
    }
    return 0;
}
