// libFuzzer target: the Milky Way file reader on arbitrary bytes.
#include <cstddef>
#include <cstdint>
#include <string>

#include "catalog/catalogue_files.h"
#include "catalog/records.h"
#include "catalog/scan.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FilePtr f = openMemory(data, size);
    static Lactee mw;
    readMilkyWayFile(f.get(), mw);
    if (mw.count1 > kMaxMilkyWayLine1 || mw.count2 > kMaxMilkyWayLine2) __builtin_trap();
    return 0;
}
