// SPDX-License-Identifier: GPL-3.0-or-later
// Reads the shipped catalogue files of data/ through the program's own readers (catalog library)
// and prints, per file, its (fields read - 1) total and record counts, with every note a reader
// made (records dropped, links or indices out of range). Exit status 1 when a file cannot be
// opened, a total is negative or a reader left a note. Built and run by verify_readers.sh.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "catalog/catalogue_files.h"
#include "catalog/cities.h"
#include "catalog/prompter.h"
#include "catalog/stars.h"
#include "catalog/systeme.h"

namespace {

int failures = 0;

std::FILE* openData(const std::string& dir, const char* name) {
    std::FILE* f = std::fopen((dir + "/" + name).c_str(), "r");
    if (!f) {
        std::printf("%s: cannot be opened\n", name);
        ++failures;
    }
    return f;
}

void report(const char* name, int total, const ReaderNotes& notes, const std::string& counts) {
    std::printf("%s total %d: %s\n", name, total, counts.c_str());
    for (const auto& n : notes) std::printf("  note: %s\n", n.c_str());
    if (total < 0 || !notes.empty()) ++failures;
}

// A value read by a reader against an independent J2000 reference (SIMBAD), within `tol`.
void expectNear(const char* what, double got, double want, double tol) {
    const bool ok = std::fabs(got - want) <= tol;
    std::printf("  %s %s: %.4f, reference %.4f\n", ok ? "ok" : "WRONG", what, got, want);
    if (!ok) ++failures;
}

const etoile* namedStar(const systeme& sys, const char* name) {
    for (int c = 0; c < sys.constellationCount(); ++c)
        for (int s = 0; s < sys.constellation(c)->nbStars; ++s)
            if (std::strcmp(sys.constellation(c)->star(s)->word2, name) == 0) return sys.constellation(c)->star(s);
    return nullptr;
}

} // namespace

int main(int argc, char** argv) {
    const std::string dir = argc > 1 ? argv[1] : NALVO_SOURCE_DATA_DIR;
    auto sys = std::make_unique<systeme>();

    if (std::FILE* f = openData(dir, "constel.syt")) {
        ReaderNotes notes;
        const int total = readConstellationFile(f, *sys, &notes);
        std::fclose(f);
        int stars = 0, links = 0;
        for (int c = 0; c < sys->constellationCount(); ++c) {
            const auto* con = sys->constellation(c);
            stars += con->nbStars;
            for (int s = 0; s < con->nbStars; ++s)
                for (int k = 0; k < 8 && con->star(s)->links[k] >= 0; ++k) ++links;
        }
        report("constel.syt", total, notes,
               std::to_string(sys->constellationCount()) + " constellations, " + std::to_string(stars) + " stars, " +
                   std::to_string(links) + " links");
        // Positions to 1 arcminute (the file keeps 1 s and 1"; the references are SIMBAD's).
        if (const etoile* sirius = namedStar(*sys, "Sirius")) {
            expectNear("Sirius right ascension, deg", sirius->ra, 101.28715, 1.0 / 60);
            expectNear("Sirius declination, deg", sirius->dec, -16.71612, 1.0 / 60);
            expectNear("Sirius magnitude", sirius->mag, -1.46, 0.05);
        } else {
            std::printf("  WRONG: no star named Sirius\n");
            ++failures;
        }
        if (const etoile* vega = namedStar(*sys, "Vega")) {
            expectNear("Vega right ascension, deg", vega->ra, 279.23473, 1.0 / 60);
            expectNear("Vega declination, deg", vega->dec, 38.78369, 1.0 / 60);
        } else {
            std::printf("  WRONG: no star named Vega\n");
            ++failures;
        }
    }
    if (std::FILE* f = openData(dir, "messier.syt")) {
        ReaderNotes notes;
        const int total = readMessierFile(f, *sys, &notes);
        std::fclose(f);
        report("messier.syt", total, notes, std::to_string(sys->deepSkyCount()) + " objects");
        // M2 lies 49' south of the equator: its sign must survive the degrees-only sign rule.
        if (sys->deepSkyCount() > 1) {
            expectNear("M2 declination, deg", sys->deepSky(1)->dec, -0.82325, 2.0 / 60);
            expectNear("M2 right ascension, deg", sys->deepSky(1)->ra, 323.36258, 2.0 / 60);
        }
    }
    if (std::FILE* f = openData(dir, "ngc.syt")) {
        ReaderNotes notes;
        const int before = sys->deepSkyCount();
        const int total = readNgcFile(f, *sys, &notes);
        std::fclose(f);
        report("ngc.syt", total, notes,
               std::to_string(sys->deepSkyCount() - before) + " objects, " + std::to_string(sys->deepSkyCount()) +
                   " deep-sky objects in all");
    }
    if (std::FILE* f = openData(dir, "lactee.syt")) {
        ReaderNotes notes;
        auto mw = std::make_unique<Lactee>();
        const int total = readMilkyWayFile(f, *mw, &notes);
        std::fclose(f);
        report("lactee.syt", total, notes,
               "lines of " + std::to_string(mw->count1) + " and " + std::to_string(mw->count2) + " points");
    }
    if (std::FILE* f = openData(dir, "comet.syt")) {
        ReaderNotes notes;
        const int total = readCometFile(f, *sys, &notes);
        std::fclose(f);
        report("comet.syt", total, notes, std::to_string(sys->cometCount()) + " bodies");
    }
    if (std::FILE* f = openData(dir, "frontier.syt")) {
        ReaderNotes notes;
        const int total = readBorderFile(f, *sys, &notes);
        std::fclose(f);
        int indices = 0;
        for (int k = 0; k < sys->borderLineCount(); ++k) indices += sys->borderLine(k)->count;
        report("frontier.syt", total, notes,
               std::to_string(sys->borderPointCount()) + " points, " + std::to_string(sys->borderLineCount()) +
                   " lines, " + std::to_string(indices) + " indices");
    }

    // The three star streams through forEachCatalogueStar with every file on and a limit of 9.5.
    {
        CatalogueSettings settings;
        settings.useStar6 = settings.useStar7 = settings.useStar8 = 1;
        StarDepth depth;
        depth.starMagnitude = 9.5;
        depth.autoMagnitude = false;
        StarFiles files;
        files.dataDirs = {dir};
        RecordingPrompter prompter;
        long bySource[3] = {0, 0, 0};
        double faintest[3] = {-99, -99, -99}, brightest[3] = {99, 99, 99};
        const long visited = forEachCatalogueStar(
            kEquidistantKind, StarWindow{}, settings, depth, prompter,
            [&](double, double, double mag, StarSource src) {
                const int k = static_cast<int>(src);
                if (k > 2) return;
                ++bySource[k];
                faintest[k] = std::max(faintest[k], mag);
                brightest[k] = std::min(brightest[k], mag);
            },
            files);
        std::printf("star6/7/8.syt streamed: %ld stars (%ld, %ld, %ld); magnitudes %.2f-%.2f, %.2f-%.2f, "
                    "%.2f-%.2f\n",
                    visited, bySource[0], bySource[1], bySource[2], brightest[0], faintest[0], brightest[1],
                    faintest[1], brightest[2], faintest[2]);
        for (int k = 0; k < 3; ++k) {
            const long inFile = readStarFile(dir + "/star" + std::to_string(6 + k) + ".syt",
                                             [](double, double, double) {});
            if (inFile != bySource[k]) {
                std::printf("  WRONG: star%d.syt holds %ld stars, %ld streamed\n", 6 + k, inFile, bySource[k]);
                ++failures;
            }
            if (faintest[k] >= 7 + k || (k > 0 && brightest[k] < 6 + k)) {
                std::printf("  WRONG: star%d.syt holds stars outside its magnitude step\n", 6 + k);
                ++failures;
            }
        }
        if (!prompter.entries.empty()) ++failures;
    }

    // Cities and countries: every city's country is in pays.syt in both seasons.
    {
        const auto cities = readCities(dir + "/ville.syt");
        const std::string pays = dir + "/pays.syt";
        int unknown = 0, unselectable = 0;
        for (std::size_t k = 0; k + 1 < cities.size(); ++k) {
            for (int season = 0; season < 2; ++season) {
                date2 date;
                date.saison = season;
                const double off = cityOffset(date, cities[k].name, false, nullptr, pays);
                if (off == kUnknownOffset) {
                    std::printf("  WRONG: %s has no country in pays.syt\n", cities[k].name.c_str());
                    ++unknown;
                } else if (off > 11.5 || timeZoneIndex(off) < 0) {
                    ++unselectable;
                }
            }
        }
        std::printf("ville.syt: %zu cities and \"%s\"; city 31 %s; %d city-seasons beyond the +11.5 h "
                    "entry\n",
                    cities.size() - 1, cities.empty() ? "" : cities.back().name.c_str(),
                    cities.size() > 31 ? cities[31].name.c_str() : "-", unselectable);
        if (cities.size() < 300 || cities[31].name != "France-Annecy" || unknown) ++failures;
    }

    // The whole data set through load, as the program starts (default settings: no INI file).
    {
        systeme whole;
        RecordingPrompter prompter;
        const int total = whole.load(dir + "/Sys.syt", prompter, dir + "/no-such-dir/Nalvo.ini");
        std::printf("Sys.syt load %d: %d planets, %d constellations, %d deep-sky objects, %d comets, "
                    "%d border points, %d border lines, Milky Way %d + %d points; %zu messages\n",
                    total, whole.planetCount(), whole.constellationCount(), whole.deepSkyCount(),
                    whole.cometCount(), whole.borderPointCount(), whole.borderLineCount(),
                    whole.milkyWay() ? whole.milkyWay()->count1 : 0, whole.milkyWay() ? whole.milkyWay()->count2 : 0,
                    prompter.entries.size());
        for (const auto& e : prompter.entries) std::printf("  message: %s: %s\n", e.caption.c_str(), e.text.c_str());
        if (total < 0 || !prompter.entries.empty() || whole.constellationCount() != 88 ||
            whole.deepSkyCount() != 400 || whole.borderLineCount() == 0 || whole.cometCount() == 0)
            ++failures;
    }
    return failures ? 1 : 0;
}
