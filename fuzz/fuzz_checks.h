// SPDX-License-Identifier: GPL-3.0-or-later
// Checks shared by the libFuzzer targets: what every reader promises about the model it fills,
// whatever the bytes it was given. A failed check prints what broke and aborts, which libFuzzer
// reports as a crash with the input that caused it.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include <filesystem>
#include <unistd.h>

#include "catalog/records.h"
#include "catalog/systeme.h"

namespace fuzzcheck {

[[noreturn]] inline void fail(const char* what) {
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

inline void check(bool ok, const char* what) {
    if (!ok) fail(what);
}

inline void finite(double v, const char* what) {
    if (!std::isfinite(v)) fail(what);
}

// The input as a string (the readers that take bytes).
inline std::string bytes(const uint8_t* data, std::size_t size) {
    return std::string(reinterpret_cast<const char*>(data), size);
}

// A C string stored in a fixed field is terminated within it.
template <std::size_t N> void terminated(const char (&field)[N], const char* what) {
    for (std::size_t k = 0; k < N; ++k)
        if (field[k] == '\0') return;
    fail(what);
}

// Every catalogue table of the model within its capacity, every stored record present and every
// index pointing at a stored record.
inline void catalogueTables(const systeme& sys) {
    check(sys.nbConstellations >= 0 && sys.nbConstellations <= kMaxConstellations, "constellation count");
    check(sys.nbDeepSky >= 0 && sys.nbDeepSky <= kMaxDeepSky, "deep-sky count");
    check(sys.nbComets >= 0 && sys.nbComets <= kMaxComets, "comet count");
    check(static_cast<std::size_t>(sys.nbComets) <= sys.comets.size(), "comet records");
    check(sys.nbBorderPoints >= 0 && sys.nbBorderPoints <= kMaxBorderPoints, "border point count");
    check(sys.nbBorderLines >= 0 && sys.nbBorderLines <= kMaxBorderLines, "border line count");
    for (int c = 0; c < sys.nbConstellations; ++c) {
        const constellation* k = sys.constellation(c);
        check(k != nullptr, "constellation record");
        terminated(k->nom, "constellation name");
        terminated(k->abbrev, "constellation abbreviation");
        check(k->nbStars >= 0 && k->nbStars <= kMaxConstellationStars, "constellation star count");
        for (int s = 0; s < k->nbStars; ++s) {
            const etoile* star = k->star(s);
            check(star != nullptr, "constellation star record");
            terminated(star->word1, "star designation");
            terminated(star->word2, "star name");
            terminated(star->word3, "star spectral type");
            int links = 0;
            while (links < 10 && star->links[links] != -1) {
                check(star->links[links] >= 0 && star->links[links] < k->nbStars, "star link index");
                ++links;
            }
            check(links <= kMaxStarLinks, "star links ended by -1");
        }
    }
    for (int o = 0; o < sys.nbDeepSky; ++o) {
        const ngc* obj = sys.deepSky(o);
        check(obj != nullptr, "deep-sky record");
        terminated(obj->nom, "deep-sky name");
        terminated(obj->designation, "deep-sky designation");
    }
    for (int c = 0; c < sys.nbComets; ++c)
        check(sys.comets[static_cast<std::size_t>(c)] != nullptr, "comet record");
    for (int c = 0; c < kMaxComets && sys.selectedComets[static_cast<std::size_t>(c)] != -1; ++c) {
        const int index = sys.selectedComets[static_cast<std::size_t>(c)];
        check(index >= 0 && index < sys.nbComets, "selected comet index");
    }
    terminated(sys.borderTitle, "border title");
    for (int l = 0; l < sys.nbBorderLines; ++l) {
        const BorderLine* line = sys.borderLine(l);
        check(line->count >= 0 && line->count <= kMaxBorderLinePoints, "border line point count");
        terminated(line->name, "border line name");
        for (int k = 0; k < line->count; ++k)
            check(line->points[k] >= 0 && line->points[k] < sys.nbBorderPoints, "border point index");
    }
}

inline void milkyWay(const Lactee& mw) {
    check(mw.count1 >= 0 && mw.count1 <= kMaxMilkyWayLine1, "Milky Way line 1 count");
    check(mw.count2 >= 0 && mw.count2 <= kMaxMilkyWayLine2, "Milky Way line 2 count");
}

// The whole model after a load: the tables, the bodies and the place.
inline void model(const systeme& sys) {
    catalogueTables(sys);
    check(sys.nbPlanets >= 0 && sys.nbPlanets <= kMaxPlanets, "planet count");
    for (int p = 0; p < sys.nbPlanets; ++p)
        check(sys.planet(p) != nullptr, "planet record");
    if (sys.milkyWay()) milkyWay(*sys.milkyWay());
    terminated(sys.cityName, "city name");
    terminated(sys.computerCityName, "computer city name");
}

// A folder of this process for the readers that take a path: "work/<target>-<pid>" beside the
// target's executable (the build directory, never /tmp), emptied after each input and removed
// when the process ends.
class PrivateDir {
  public:
    explicit PrivateDir(const char* target) {
        std::error_code ec;
        const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
        const std::filesystem::path base = ec ? std::filesystem::current_path() : exe.parent_path();
        dir_ = (base / "work" / (std::string(target) + "-" + std::to_string(::getpid()))).string();
        std::filesystem::create_directories(dir_, ec);
        check(!ec, "private folder cannot be created");
    }
    ~PrivateDir() {
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    PrivateDir(const PrivateDir&) = delete;
    PrivateDir& operator=(const PrivateDir&) = delete;

    const std::string& path() const { return dir_; }
    // Writes `bytes` as the file `name` of the folder and returns its path. The old file is
    // removed first: a file truncated and written again makes ext4 flush it to disk at close,
    // which would cost more than the reader.
    std::string write(const std::string& name, std::string_view bytes) {
        const std::string file = dir_ + "/" + name;
        std::remove(file.c_str());
        std::FILE* f = std::fopen(file.c_str(), "wb");
        check(f != nullptr, "private file cannot be written");
        if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
        return file;
    }
    // Removes every file of the folder.
    void empty() {
        std::error_code ec;
        for (const auto& entry : std::filesystem::directory_iterator(dir_, ec))
            std::filesystem::remove_all(entry.path(), ec);
    }

  private:
    std::string dir_;
};

} // namespace fuzzcheck
