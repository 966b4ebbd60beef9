// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the star file stream (star6/7/8.syt) on arbitrary bytes.
#include <cstddef>
#include <cstdint>

#include "catalog/stars.h"
#include "fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    parseStarText(reinterpret_cast<const char*>(data), size, [](double ra, double dec, double mag) {
        fuzzcheck::finite(ra, "star right ascension");
        fuzzcheck::finite(dec, "star declination");
        fuzzcheck::finite(mag, "star magnitude");
    });
    return 0;
}
