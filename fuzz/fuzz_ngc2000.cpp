// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the "ngc2000.dat" stream the sky map draws the NGC 2000.0 objects from (fixed
// columns, one record a line), on arbitrary bytes. ngc.syt has its own target (fuzz_ngc).
#include <cstddef>
#include <cstdint>

#include "fuzz_checks.h"
#include "skymap/sky_render.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static fuzzcheck::PrivateDir dir("ngc2000");
    const std::string path = dir.write("ngc2000.dat", fuzzcheck::bytes(data, size));
    long lines = 1;
    for (std::size_t k = 0; k < size; ++k)
        lines += data[k] == '\n';
    long records = 0;
    fuzzcheck::check(skymap::forEachNgc2000(path,
                                            [&](int, double ra, double dec) {
                                                ++records;
                                                fuzzcheck::finite(ra, "right ascension");
                                                fuzzcheck::finite(dec, "declination");
                                            }),
                     "the file opens");
    fuzzcheck::check(records <= lines, "at most one record a line");
    return 0;
}
