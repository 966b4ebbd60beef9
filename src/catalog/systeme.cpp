// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/systeme.h"
#include "catalog/comet_selection.h"

#include <cmath>
#include <cstring>

#include "catalog/body_files.h"
#include "catalog/catalogue_files.h"
#include "catalog/paths.h"
#include "catalog/prompter.h"
#include "catalog/scan.h"
#include "catalog/settings.h"

namespace {

// The twelve satellites of Jupiter and Saturn: name, diameter (km), mean distance (1000 km),
// period (days; 33.0 for Jupiter's four, whose positions come from their own theory).
struct SatellRow {
    const char* nom;
    double diameter, distance, period;
};
constexpr SatellRow kSatells[kSatellCount] = {
    {"Io", 3630, 422, 33.0},        {"Europe", 3140, 671, 33.0},    {"Ganymede", 5280, 1070, 33.0},
    {"Callisto", 4840, 1883, 33.0}, {"Mimas", 420, 185, 0.94},      {"Encelade", 500, 238, 1.37},
    {"Tethys", 1060, 295, 1.88},    {"Dione", 1120, 377, 2.73},     {"Rhea", 1528, 527, 4.51},
    {"Titan", 5150, 1220, 15.94},   {"Hyperion", 320, 1481, 21.28}, {"Japet", 1436, 3561, 79.33},
};

// Builds the loader's messages and remembers the first failure.
class LoadReport {
  public:
    LoadReport(systeme& sys, Prompter& prompter) : sys_(sys), prompter_(prompter) {}

    // "File <name> missing", at most 199 characters.
    int missing(const std::string& name) { return fail("File " + name + " missing"); }
    // Message texts are kept within 199 characters.
    int fail(const std::string& message) {
        const std::string text = message.substr(0, 199);
        sys_.lastError = text;
        prompter_.message(text, kErrorCaption);
        return -1;
    }

  private:
    systeme& sys_;
    Prompter& prompter_;
};

// One catalogue line of "Sys.syt" and its reader.
struct CatalogueLine {
    const char* pattern;
    const char* what;
    int (*read)(std::FILE*, systeme&, ReaderNotes*);
    int valueWhenUnopenable; // the file exists but cannot be opened
};

int readMilkyWayInto(std::FILE* f, systeme& sys, ReaderNotes* notes) {
    sys.milkyWayOutline = std::make_unique<Lactee>();
    return readMilkyWayFile(f, *sys.milkyWayOutline, notes);
}

const CatalogueLine kCatalogueLines[] = {
    {"\nFichier des constellations:%s", "constellations", readConstellationFile, -1},
    {"\nFichier des objets Messier:%s", "Messier objects", readMessierFile, -1},
    {"\nFichier des objets NGC:%s", "NGC objects", readNgcFile, -1},
    {"\nFichier de la Voie Lact\xE9"
     "e:%s",
     "Milky Way", readMilkyWayInto, -1},
    {"\nFichier des cometes:%s", "comets", readCometFile, 0},
    {"\nFichier des frontieres:%s", "borders", readBorderFile, -1},
};

} // namespace

systeme::systeme() : catalogueSettings(std::make_unique<CatalogueSettings>()) {
    selectedComets.fill(-1);
    createSatells();
}

systeme::~systeme() = default;

void systeme::createSatells() {
    for (int k = 0; k < kSatellCount; ++k) {
        satells[k] = ::satell{};
        std::strncpy(satells[k].nom, kSatells[k].nom, sizeof satells[k].nom - 1);
        satells[k].diameter = kSatells[k].diameter;
        satells[k].distance = kSatells[k].distance;
        satells[k].satMag = 5.0;
        satells[k].period = kSatells[k].period;
    }
}

void systeme::clear() {
    sunBody.reset();
    nbPlanets = 0;
    for (auto& p : planets)
        p.reset();
    satelliteStore.clear();
    nbConstellations = 0;
    for (auto& c : constellations)
        c.reset();
    nbDeepSky = 0;
    for (auto& o : deepSkyObjects)
        o.reset();
    milkyWayOutline.reset();
    nbComets = 0;
    comets.clear();
    selectedComets.fill(-1);
    nbBorderPoints = 0;
    nbBorderLines = 0;
    std::memset(borderTitle, 0, sizeof borderTitle);
}

::comet* systeme::comet(int k) const {
    if (comets.empty()) return nullptr;
    if (k < 0 || k >= kMaxComets || k >= static_cast<int>(comets.size())) k = 0;
    return comets[static_cast<std::size_t>(k)].get();
}

void systeme::setScreen(float width, float height) {
    clientWidth = width;
    clientHeight = height;
    mapWidth = width > 732 ? width - 232 : width * 5 / 8;
    mapRadius = height - 30 >= mapWidth ? (mapWidth - 10) / 2 : (height - 50) / 2;
    const double R = mapRadius;
    circularLayout[0] = 5;
    circularLayout[1] = static_cast<int32_t>(mapRadius);
    circularLayout[2] = static_cast<int32_t>(R * 0.75 - R * (latitude - 45) / 90 + 40);
    circularLayout[3] = static_cast<int32_t>(R * ((latitude - 45) * 3 / 90 + 0.25));
}

void systeme::setMapWidthForLegend(bool legendShown) {
    if (legendShown)
        mapWidth = clientWidth > 732 ? clientWidth - 232 : clientWidth * 5 / 8;
    else
        mapWidth = clientWidth;
}

int systeme::load(const std::string& path, Prompter& prompter) {
    return load(path, prompter, "");
}

int systeme::load(const std::string& path, Prompter& prompter, const std::string& iniPath) {
    clear();
    lastError.clear();
    notes.clear();
    LoadReport report(*this, prompter);
    const std::string sysName =
        path.substr(path.find_last_of('/') == std::string::npos ? 0 : path.find_last_of('/') + 1);
    if (!fileExists(path)) return report.missing(sysName);
    FilePtr sys = openForReading(path);
    if (!sys) return report.missing(sysName);
    const std::vector<std::string> besideSys{directoryOf(path)};
    auto locate = [&](const std::string& name) -> std::string {
        if (lookupDirs.empty()) return findDataFile(name, besideSys);
        if (!name.empty() && name.front() == '/') return fileExists(name) ? name : std::string();
        for (const std::string& d : lookupDirs)
            if (fileExists(joinPath(d, name))) return joinPath(d, name);
        return {};
    };
    int total = 0;

    // Sun.
    char sunName[256] = {};
    total += scanTotal(sys.get(), "Fichier du soleil:%s", {sunName});
    {
        const std::string file = locate(sunName);
        if (file.empty()) return report.missing(sunName);
        FilePtr f = openForReading(file);
        // The rest of the program needs the Sun: a Sun file that cannot be opened stops loading.
        if (!f) return report.missing(sunName);
        sunBody = std::make_unique<::soleil>();
        const int t = readSunFile(f.get(), *sunBody);
        if (t < 0) {
            const int line = currentLine(f.get());
            clear();
            return report.fail("File " + std::string(sunName) + " is not a valid Sun file (line " +
                               std::to_string(line) + ")");
        }
        total += t;
    }

    // Planets and their satellites.
    int n = 0;
    total += scanTotal(sys.get(), "\nNombre de planetes:%d", {&n});
    if (n > kMaxPlanets) {
        clear();
        return report.fail("File " + sysName + " names " + std::to_string(n) + " planets, at most " +
                           std::to_string(kMaxPlanets) + " are possible");
    }
    for (int k = 0; k < n; ++k) {
        char planetName[256] = {};
        total += scanTotal(sys.get(), "\nFichier de la planete:%s", {planetName});
        const std::string file = locate(planetName);
        if (file.empty()) return clear(), report.missing(planetName);
        FilePtr f = openForReading(file);
        if (!f) return clear(), report.missing(planetName);
        auto planet = std::make_unique<planete>();
        std::vector<std::string> satelliteFiles;
        const int t = readPlanetFile(f.get(), *planet, satelliteFiles);
        if (t < 0) {
            const int line = currentLine(f.get());
            clear();
            return report.fail("File " + std::string(planetName) + " is not a valid planet file (line " +
                               std::to_string(line) + ")");
        }
        total += t;
        // A satellite that cannot be read leaves the model incomplete (the Moon is needed by the
        // sky map and the reports): it stops loading like a planet.
        for (int s = 0; s < static_cast<int>(satelliteFiles.size()); ++s) {
            const std::string& satName = satelliteFiles[static_cast<std::size_t>(s)];
            const std::string satFile = locate(satName);
            if (satFile.empty()) return clear(), report.missing(satName);
            FilePtr sf = openForReading(satFile);
            if (!sf) return clear(), report.missing(satName);
            auto sat = std::make_unique<::satellite>();
            const int st = readSatelliteFile(sf.get(), *sat);
            if (st < 0) {
                const int line = currentLine(sf.get());
                clear();
                return report.fail("File " + satName + " is not a valid satellite file (line " +
                                   std::to_string(line) + ")");
            }
            planet->setSatellite(s, sat.get());
            satelliteStore.push_back(std::move(sat));
        }
        planets[static_cast<std::size_t>(k)] = std::move(planet);
        nbPlanets = k + 1;
    }

    // Catalogues. A "Sys.syt" that ends after the planets has none.
    bool first = true;
    for (const CatalogueLine& line : kCatalogueLines) {
        char name[256] = {};
        const int r = scanFile(sys.get(), line.pattern, {name});
        if (r == EOF && first) break;
        first = false;
        if (r != 1) {
            const int at = currentLine(sys.get());
            clear();
            return report.fail("File " + sysName + " has no line for the " + line.what + " file (line " +
                               std::to_string(at) + ")");
        }
        total += r - 1;
        const std::string file = locate(name);
        if (file.empty()) return clear(), report.missing(name);
        FilePtr f = openForReading(file);
        if (!f) {
            report.missing(name);
            if (line.valueWhenUnopenable < 0) return clear(), -1;
            // The comets are optional: loading goes on without them.
            lastError.clear();
            notes.push_back(std::string(name) + ": cannot be opened, no comets or asteroids");
            continue;
        }
        ReaderNotes fileNotes;
        const int t = line.read(f.get(), *this, &fileNotes);
        for (const std::string& s : fileNotes)
            notes.push_back(std::string(name) + ", " + s);
        if (t < 0)
            notes.push_back(std::string(name) + ": total " + std::to_string(t) +
                            " (fields that do not match)");
        total += t;
    }
    sys.reset();

    // Settings.
    const std::string ini = resolveIniPath(iniPath);
    *catalogueSettings = readCatalogueSettings(ini);
    readPlaceSettings(ini, *this);
    cometMagLimit = readCometMagLimit(ini);
    readCometSelection(ini, *this);
    createSatells();

    if (total < 0) {
        std::string text = "The data files are damaged (total " + std::to_string(total) + ")";
        for (const std::string& s : notes)
            if (s.find(": total ") != std::string::npos) text += "; " + s;
        report.fail(text);
    }
    return total;
}

int systeme::reloadComets(const std::string& path, Prompter& prompter, const std::string& iniPath) {
    const std::string name =
        path.substr(path.find_last_of('/') == std::string::npos ? 0 : path.find_last_of('/') + 1);
    LoadReport report(*this, prompter);
    if (!fileExists(path)) return report.missing(name);
    FilePtr f = openForReading(path);
    if (!f) return report.missing(name);
    ReaderNotes fileNotes;
    const int t = readCometFile(f.get(), *this, &fileNotes);
    for (const std::string& s : fileNotes)
        notes.push_back(name + ", " + s);
    cometMagLimit = readCometMagLimit(resolveIniPath(iniPath));
    readCometSelection(resolveIniPath(iniPath), *this);
    return t;
}
