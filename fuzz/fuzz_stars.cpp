// libFuzzer target: the star file stream (star6/7/8.syt) on arbitrary bytes.
#include <cstddef>
#include <cstdint>
#include <string>

#include <cmath>

#include "catalog/stars.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    parseStarText(reinterpret_cast<const char*>(data), size, [](double ra, double dec, double mag) {
        if (!std::isfinite(ra) || !std::isfinite(dec) || !std::isfinite(mag)) __builtin_trap();
    });
    return 0;
}
