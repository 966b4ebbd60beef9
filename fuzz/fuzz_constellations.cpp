// libFuzzer target: the constellations file reader on arbitrary bytes; the tables must stay within their
// capacities.
#include <cstddef>
#include <cstdint>
#include <string>

#include "catalog/catalogue_files.h"
#include "catalog/scan.h"
#include "catalog/systeme.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FilePtr f = openMemory(data, size);
    static systeme sys; // one model, refilled by each input as a reload would
    ReaderNotes notes;
    readConstellationFile(f.get(), sys, &notes);
    if (sys.nbConstellations > kMaxConstellations || sys.nbDeepSky > kMaxDeepSky ||
        sys.nbComets > kMaxComets || sys.nbBorderPoints > kMaxBorderPoints ||
        sys.nbBorderLines > kMaxBorderLines)
        __builtin_trap();
    for (int l = 0; l < sys.nbBorderLines; ++l)
        for (int k = 0; k < sys.borderLines[l].count; ++k)
            if (sys.borderLines[l].points[k] >= sys.nbBorderPoints) __builtin_trap();
    return 0;
}
