// SPDX-License-Identifier: GPL-3.0-or-later
// Costs of the catalogue layer: streaming the three star files through forEachCatalogueStar (each
// paint of a deep sky view does it), and loading the whole shipped data set (start-up).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "catalog/prompter.h"
#include "catalog/stars.h"
#include "catalog/systeme.h"

namespace {

const std::string kData = NALVO_SOURCE_DATA_DIR;

void BM_StreamStarFiles(benchmark::State& state) {
    CatalogueSettings settings;
    settings.useStar6 = settings.useStar7 = settings.useStar8 = 1;
    StarDepth depth;
    depth.starMagnitude = 9.5; // every star of the three files
    StarFiles files;
    files.dataDirs = {kData};
    RecordingPrompter prompter;
    long stars = 0;
    double sum = 0;
    for (auto _ : state) {
        stars = forEachCatalogueStar(
            kCircularKind, {}, settings, depth, prompter,
            [&](double ra, double dec, double mag, StarSource) { sum += ra + dec + mag; }, files);
        benchmark::DoNotOptimize(sum);
    }
    state.counters["stars"] = static_cast<double>(stars);
    if (stars == 0) state.SkipWithError("no star files in data/");
}
BENCHMARK(BM_StreamStarFiles)->Unit(benchmark::kMillisecond);

// "Sys.syt" with the catalogue lines (added when the shipped file does not have them yet).
std::string fullSysFile() {
    std::string text;
    if (std::FILE* f = std::fopen((kData + "/Sys.syt").c_str(), "rb")) {
        char buf[4096];
        for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, f)) > 0;)
            text.append(buf, n);
        std::fclose(f);
    }
    if (text.find("Fichier des constellations") == std::string::npos)
        text += "Fichier des constellations:constel.syt\nFichier des objets Messier:messier.syt\n"
                "Fichier des objets NGC:ngc.syt\nFichier de la Voie Lact\xE9"
                "e:lactee.syt\n"
                "Fichier des cometes:comet.syt\nFichier des frontieres:frontier.syt\n";
    const std::string path = (std::filesystem::temp_directory_path() / "nalvo-bench-Sys.syt").string();
    if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(text.data(), 1, text.size(), f);
        std::fclose(f);
    }
    return path;
}

void BM_LoadFullDataSet(benchmark::State& state) {
    const std::string sysPath = fullSysFile();
    const std::string ini = (std::filesystem::temp_directory_path() / "nalvo-bench-none.ini").string();
    int total = 0;
    for (auto _ : state) {
        RecordingPrompter prompter;
        systeme sys;
        sys.lookupDirs = {kData};
        total = sys.load(sysPath, prompter, ini);
        benchmark::DoNotOptimize(total);
    }
    state.counters["total"] = total;
    if (total < 0) state.SkipWithError("the data set did not load");
}
BENCHMARK(BM_LoadFullDataSet)->Unit(benchmark::kMillisecond);

} // namespace
