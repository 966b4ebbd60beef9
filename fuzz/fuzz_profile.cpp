// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the INI profile reader and writer, and every settings group read from it, on
// arbitrary contents of "Nalvo.ini" (a file of a private folder under the build directory).
#include <cstddef>
#include <cstdint>

#include "catalog/profile.h"
#include "catalog/settings.h"
#include "catalog/systeme.h"
#include "fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static fuzzcheck::PrivateDir dir("profile");
    const std::string path = dir.write("Nalvo.ini", fuzzcheck::bytes(data, size));
    profileReadInt(path, "Position", "N\xB0 ville", 31);
    fuzzcheck::check(profileReadString(path, "Position", "Ville", "France-Annecy", 29).size() <= 29,
                     "string cut to its maximum");

    readCatalogueSettings(path);
    readDisplaySettings(path);
    readCometMagLimit(path);
    readBrowser(path);
    static systeme sys;
    readPlaceSettings(path, sys);
    fuzzcheck::terminated(sys.cityName, "city name");
    fuzzcheck::terminated(sys.computerCityName, "computer city name");

    // A write keeps the file readable and the value read back is the one written. A write
    // flushes the file and its folder to the disk, which costs far more than the reads: it is
    // checked on one input in 32, chosen by the input's length so that a reproducer replays
    // the same way.
    if (size % 32 == 0) {
        fuzzcheck::check(profileWriteString(path, "Heure", "Saison", "1"), "profile write");
        fuzzcheck::check(profileReadInt(path, "Heure", "Saison", 0) == 1, "value read back");
    }
    dir.empty();
    return 0;
}
