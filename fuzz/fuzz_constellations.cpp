// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the constellations file reader on arbitrary bytes; the model's tables stay within their
// capacities and every index points at a stored record.
#include <cstddef>
#include <cstdint>

#include "catalog/catalogue_files.h"
#include "catalog/scan.h"
#include "catalog/systeme.h"
#include "fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FilePtr f = openMemory(data, size);
    static systeme sys; // one model, refilled by each input as a reload would
    ReaderNotes notes;
    readConstellationFile(f.get(), sys, &notes);
    fuzzcheck::catalogueTables(sys);
    return 0;
}
