// libFuzzer target: the INI profile reader and writer on arbitrary file contents.
#include <cstddef>
#include <cstdint>
#include <string>

#include <cstdio>
#include <unistd.h>

#include "catalog/profile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path = "/tmp/nalvo-fuzz-" + std::to_string(::getpid()) + ".ini";
    if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    profileReadInt(path, "Position", "N\xB0 ville", 31);
    profileReadString(path, "Position", "Ville", "France-Annecy", 29);
    profileWriteString(path, "Heure", "Saison", "1");
    if (profileReadInt(path, "Heure", "Saison", 0) != 1) __builtin_trap();
    return 0;
}
