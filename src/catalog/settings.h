// SPDX-License-Identifier: GPL-3.0-or-later
// The keys of "Nalvo.ini", one read and one write function per group, with the encodings of the
// file: real values are whole hundredths ("Latitude" 4590 is 45.90 deg, "Longitude" 17380 is
// (longitude + 180) x 100, so -6.20 deg). Names are the exact Windows-1252 bytes. A write function
// is false, with the first reason in `error`, when a key could not be written.
#pragma once

#include <string>

#include "catalog/systeme.h"

namespace inikeys {
constexpr char kCatalogue[] = "Catalogue";
constexpr char kPosition[] = "Position";
constexpr char kComputerPosition[] = "Position ordinateur";
constexpr char kTime[] = "Heure";
constexpr char kAsteroids[] = "Asteroides";
constexpr char kDisplay[] = "Affichage";
constexpr char kInternet[] = "Internet";

constexpr char kCdromDrive[] = "CD-ROM Drive";
constexpr char kGuideStarCatalog[] = "Guide Star Catalog";
constexpr char kMagnitude6[] = "Magnitude 6";
constexpr char kMagnitude7[] = "Magnitude 7";
constexpr char kMagnitude8[] = "Magnitude 8";
constexpr char kNgc[] = "NGC";
constexpr char kPlanetPictures[] = "Images plan\xE8tes";
constexpr char kMessierPictures[] = "Images Messier";
constexpr char kCityNumber[] = "N\xB0 ville";
constexpr char kLatitude[] = "Latitude";
constexpr char kLongitude[] = "Longitude";
constexpr char kCity[] = "Ville";
constexpr char kComputerTimeZone[] = "Lieu de l'ordinateur";
constexpr char kObserverTimeZone[] = "Lieu d'observation";
constexpr char kSeason[] = "Saison";
constexpr char kMaxMagnitude[] = "Magnitude Maximale";
constexpr char kIconSize[] = "Taille des icones";
constexpr char kGscMaxMagnitude[] = "Magnitude Maximale GSC";
constexpr char kGscMinMagnitude[] = "Magnitude Minimale GSC";
constexpr char kMagnitude[] = "Magnitude";
constexpr char kAutoMagnitude[] = "Magnitude automatique";
constexpr char kFullResolution[] = "Pleine r\xE9solution";
constexpr char kBrowser[] = "Navigateur";
} // namespace inikeys

// A real value as whole hundredths, truncated towards zero. The product is nudged by 1e-6 away
// from zero first, so that a value such as 0.29 (28.999999... x 100 in binary) is stored as 29.
int toHundredths(double value);

// "" stands for the user's Nalvo.ini (iniFilePath()).
std::string resolveIniPath(const std::string& iniPath);

// Section "Catalogue".
CatalogueSettings readCatalogueSettings(const std::string& iniPath);
bool writeCatalogueSettings(const std::string& iniPath, const CatalogueSettings& settings,
                            std::string* error = nullptr);

// Sections "Position", "Position ordinateur" and "Heure" into the place fields of `sys`.
void readPlaceSettings(const std::string& iniPath, systeme& sys);
// "Position": "N\xB0 ville", "Latitude", "Longitude", "Ville", in this order.
bool writeObserverPlace(const std::string& iniPath, const systeme& sys, std::string* error = nullptr);
// "Position ordinateur": "N\xB0 ville", "Ville".
bool writeComputerPlace(const std::string& iniPath, const systeme& sys, std::string* error = nullptr);
// "Heure": "Saison", "Lieu d'observation", "Lieu de l'ordinateur".
bool writeTimeSettings(const std::string& iniPath, const systeme& sys, std::string* error = nullptr);

// "Asteroides" / "Magnitude Maximale": hundredths, default 700 (7.00).
double readCometMagLimit(const std::string& iniPath);
// Written as floor(limit x 100).
bool writeCometMagLimit(const std::string& iniPath, double limit, std::string* error = nullptr);

// Section "Affichage".
struct DisplaySettings {
    int iconSize = 0;
    double gscMaxMagnitude = -2.0;
    double gscMinMagnitude = 16.0;
    double starMagnitude = 6.0;
    bool autoMagnitude = true;       // only a stored 1 is on
    bool saveFullResolution = false; // "Pleine r\xE9solution": pictures saved at the screen's resolution
};
DisplaySettings readDisplaySettings(const std::string& iniPath);
// "Pleine r\xE9solution" of "Affichage", "1" or "0".
bool writeFullResolution(const std::string& iniPath, bool on, std::string* error = nullptr);
// The magnitude dialog: "Magnitude automatique" ("1"/"0"), then "Magnitude".
bool writeMagnitudeSettings(const std::string& iniPath, double starMagnitude, bool autoMagnitude,
                            std::string* error = nullptr);
// The catalogue magnitudes dialog: "Magnitude automatique", "Magnitude", "Magnitude Maximale GSC",
// "Magnitude Minimale GSC".
bool writeCatalogueMagnitudeSettings(const std::string& iniPath, const DisplaySettings& settings,
                                     std::string* error = nullptr);

// "Internet" / "Navigateur": the browser program, "Aucun" when none (up to 299 characters).
std::string readBrowser(const std::string& iniPath);
bool writeBrowser(const std::string& iniPath, const std::string& browser, std::string* error = nullptr);
