// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the Milky Way file reader on arbitrary bytes.
#include <cstddef>
#include <cstdint>

#include "catalog/catalogue_files.h"
#include "catalog/records.h"
#include "catalog/scan.h"
#include "fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FilePtr f = openMemory(data, size);
    static Lactee mw;
    readMilkyWayFile(f.get(), mw);
    fuzzcheck::milkyWay(mw);
    return 0;
}
