// SPDX-License-Identifier: GPL-3.0-or-later
// The model of the whole sky and solar system: the Sun, planets and their satellites, the
// catalogues, the satellites of Jupiter and Saturn, the window geometry and the observer's place.
// `load` reads "Sys.syt", every file it names and the place, time and catalogue settings.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "astro/bodies.h"
#include "astro/date2.h"
#include "astro/satellites.h"
#include "catalog/records.h"

class Prompter;

constexpr int kMaxPlanets = 9;
constexpr int kSatellCount = 12;
constexpr char kErrorCaption[] = "Nalvo -- Error";

// Section "Catalogue" of the settings: which star and deep-sky catalogues are read.
struct CatalogueSettings {
    int32_t useGsc = 0;             // "Guide Star Catalog": 1 reads the Guide Star Catalog
    int32_t cdromDrive = 3;         // "CD-ROM Drive": drive index, 0 for A, 3 for D
    int32_t useStar6 = 0;           // "Magnitude 6": star6.syt
    int32_t useStar7 = 0;           // "Magnitude 7": star7.syt
    int32_t useStar8 = 0;           // "Magnitude 8": star8.syt
    int32_t useNgc = 0;             // "NGC": ngc2000.dat
    int32_t usePlanetPictures = 0;  // "Images plan\xE8tes"
    int32_t useMessierPictures = 0; // "Images Messier"
};

class systeme {
  public:
    systeme();
    ~systeme();
    systeme(const systeme&) = delete;
    systeme& operator=(const systeme&) = delete;

    // Reads "Sys.syt" at `path` and every file it names (looked up in the user directory, then
    // beside "Sys.syt", then in the data directories), then the settings of `iniPath` ("" for the
    // user's Nalvo.ini). Returns a negative value on failure, after telling `prompter`; otherwise
    // the non-negative count of the fields read. On failure `lastError` says what went wrong and
    // the model must not be used.
    int load(const std::string& path, Prompter& prompter);
    int load(const std::string& path, Prompter& prompter, const std::string& iniPath);

    // Positions of the Sun, the planets in table order and, if asked, their satellites.
    void computePositions(const date2& date, bool withSatellites);

    // Window geometry from the client size: clientWidth, clientHeight, mapWidth (legend panel
    // included), mapRadius and the four integers of the circular layouts.
    void setScreen(float width, float height);
    // mapWidth when the legend is switched: the legend rule when `legendShown` (or a view of 30
    // and above), the whole client width otherwise. mapRadius is kept.
    void setMapWidthForLegend(bool legendShown);

    ::soleil* sun() const { return sunBody.get(); }
    int planetCount() const { return nbPlanets; }
    planete* planet(int k) const { return k >= 0 && k < nbPlanets ? planets[k].get() : nullptr; }
    int constellationCount() const { return nbConstellations; }
    ::constellation* constellation(int k) const {
        return k >= 0 && k < nbConstellations ? constellations[k].get() : nullptr;
    }
    int deepSkyCount() const { return nbDeepSky; }
    ngc* deepSky(int k) const { return k >= 0 && k < nbDeepSky ? deepSkyObjects[k].get() : nullptr; }
    Lactee* milkyWay() const { return milkyWayOutline.get(); }
    int cometCount() const { return nbComets; }
    // An index outside 0-2999 (or beyond the loaded bodies) gives comet 0; null when none is loaded.
    ::comet* comet(int k) const;
    int borderPointCount() const { return nbBorderPoints; }
    const BorderPoint* borderPoint(int k) const {
        return k >= 0 && k < nbBorderPoints ? &borderPoints[k] : nullptr;
    }
    int borderLineCount() const { return nbBorderLines; }
    const BorderLine* borderLine(int k) const {
        return k >= 0 && k < nbBorderLines ? &borderLines[k] : nullptr;
    }
    ::satell* satell(int k) { return k >= 0 && k < kSatellCount ? &satells[k] : nullptr; }
    const ::satell* satell(int k) const { return k >= 0 && k < kSatellCount ? &satells[k] : nullptr; }

    // Replaces the comets and asteroids by those of a comet file (also used by `load`); returns
    // the file's total, or a negative value when it cannot be read.
    int reloadComets(const std::string& path, Prompter& prompter, const std::string& iniPath = "");
    // Removes every body and catalogue record (the state before `load`).
    void clear();

    // Bodies.
    std::unique_ptr<::soleil> sunBody;
    int32_t nbPlanets = 0;
    std::array<std::unique_ptr<planete>, kMaxPlanets> planets;
    // Owner of the planets' satellites (the planets point into it).
    std::vector<std::unique_ptr<::satellite>> satelliteStore;
    std::array<::satell, kSatellCount> satells{};
    // Storage shared by the Jupiter and Saturn satellite theories (the satellite views).
    SatelliteTable satelliteTable;

    // Catalogues.
    int32_t nbConstellations = 0;
    std::array<std::unique_ptr<::constellation>, kMaxConstellations> constellations;
    int32_t nbDeepSky = 0; // Messier objects first, then NGC objects
    std::array<std::unique_ptr<ngc>, kMaxDeepSky> deepSkyObjects;
    std::unique_ptr<Lactee> milkyWayOutline;
    int32_t nbComets = 0;
    std::vector<std::unique_ptr<::comet>> comets; // at most kMaxComets
    // Indices into `comets` of the bodies shown, ended by -1 (empty when the first entry is -1).
    std::array<int32_t, kMaxComets> selectedComets{};
    double cometMagLimit = 7.0; // faintest asteroid magnitude drawn
    int32_t nbBorderPoints = 0;
    std::array<BorderPoint, kMaxBorderPoints> borderPoints{};
    int32_t nbBorderLines = 0;
    char borderTitle[15] = {};
    std::array<BorderLine, kMaxBorderLines> borderLines{};

    // The window's canvas, set and owned by the main window (opaque here: the model has no
    // drawing code).
    void* clientDC = nullptr;

    // Window geometry, pixels.
    float clientWidth = 0, clientHeight = 0, mapWidth = 0, mapRadius = 0;
    // Circular layouts: 5; trunc(mapRadius); R*0.75 - R*(lat-45)/90 + 40; R*((lat-45)*3/90 + 0.25)
    // with R = mapRadius and lat the observer's latitude, deg (all truncated).
    int32_t circularLayout[4] = {};

    std::unique_ptr<CatalogueSettings> catalogueSettings;

    // Observer's place (sections "Position" and "Heure").
    int32_t cityNumber = 31;  // index in the city list; the list's length means "Other"
    double latitude = 45.90;  // deg, north positive
    double longitude = -6.20; // deg, east negative
    char cityName[30] = "France-Annecy";
    // Computer's place (section "Position ordinateur").
    int32_t computerCityNumber = 31;
    char computerCityName[30] = "France-Annecy";
    // Time-zone indices 0-47 (offset = (index - 24)/2 hours) and the season flag
    // (0 winter, 1 summer, -1 decided from the date).
    int32_t computerTimeZone = 26;
    int32_t observerTimeZone = 26;
    int32_t season = -1;

    // Where `load` looks for the files that "Sys.syt" names. Empty: the user directory, the
    // directory of "Sys.syt", then the data directories. Otherwise exactly these directories.
    std::vector<std::string> lookupDirs;

    // What made the last `load` fail (file and line where known); empty after a good load.
    std::string lastError;
    // Records that did not fit their tables or were unusable, and catalogue files with fields
    // that did not match ("file, line N: ..."), from the last load.
    std::vector<std::string> notes;

  private:
    void createSatells();
};
