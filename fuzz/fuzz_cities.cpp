// libFuzzer target: the city list reader on arbitrary bytes.
#include <cstddef>
#include <cstdint>
#include <string>

#include "catalog/cities.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto cities = parseCities(std::string(reinterpret_cast<const char*>(data), size));
    if (cities.empty() || cities.back().name != kOtherCity) __builtin_trap();
    for (const City& c : cities)
        if (c.name.size() > 29) __builtin_trap();
    return 0;
}
