// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the conversion of XEphem ".edb" files into the comet file, on arbitrary
// bytes; the converted text must read back through the comet reader with every record it holds.
#include <cstddef>
#include <cstdint>

#include "catalog/asteroid_conversion.h"
#include "catalog/catalogue_files.h"
#include "catalog/records.h"
#include "catalog/scan.h"
#include "catalog/systeme.h"
#include "fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const EdbConversion c = convertEdbText(fuzzcheck::bytes(data, size));
    fuzzcheck::check(c.converted >= 0 && c.skipped >= 0, "counts");
    fuzzcheck::check(c.skipped == 0 || !c.firstSkipped.empty(), "a skipped line is named");
    static systeme sys;
    FilePtr f = openMemory(c.text.data(), c.text.size());
    ReaderNotes notes;
    readCometFile(f.get(), sys, &notes);
    fuzzcheck::catalogueTables(sys);
    fuzzcheck::check(sys.nbComets == (c.converted < kMaxComets ? c.converted : kMaxComets),
                     "every converted record reads back");
    return 0;
}
