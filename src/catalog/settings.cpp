// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/settings.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "catalog/paths.h"
#include "catalog/profile.h"

using namespace inikeys;

namespace {

void copyName(char (&dst)[30], const std::string& src) {
    std::strncpy(dst, src.c_str(), sizeof dst - 1);
    dst[sizeof dst - 1] = '\0';
}

// A value read from a hand-editable file is only used when it makes sense: a key whose value is
// not a whole number ("1e308", "NaN", random bytes) counts as missing.
bool wholeNumber(const std::string& text, long long& value) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    if (i == text.size()) return false;
    long long n = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        if (n < 100000000000LL) n = n * 10 + (text[i] - '0'); // far beyond every range: saturate
    }
    value = negative ? -n : n;
    return true;
}

// The key as a whole number within [lo, hi]; `fallback` when missing, not whole or outside.
int wholeIn(const std::string& ini, const char* section, const char* key, int fallback, int lo, int hi) {
    long long v = 0;
    if (!wholeNumber(profileReadString(ini, section, key, "", 64), v) || v < lo || v > hi) return fallback;
    return static_cast<int>(v);
}

// The key as a whole number brought into [lo, hi]; `fallback` when missing or not whole.
int wholeClamped(const std::string& ini, const char* section, const char* key, int fallback, int lo, int hi) {
    long long v = 0;
    if (!wholeNumber(profileReadString(ini, section, key, "", 64), v)) return fallback;
    return static_cast<int>(std::clamp<long long>(v, lo, hi));
}

// A city name without control bytes (a tab or a NUL would break the legend and the lists); the
// default when nothing printable is left.
std::string cityNameIn(const std::string& ini, const char* section) {
    std::string name;
    for (char c : profileReadString(ini, section, kCity, "France-Annecy", 29))
        if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) name += c;
    while (!name.empty() && name.back() == ' ')
        name.pop_back();
    return name.empty() ? "France-Annecy" : name;
}

// Writes keys one after the other; a key that cannot be written does not stop the others, and
// the first reason is kept.
class KeyWriter {
  public:
    KeyWriter(const std::string& iniPath, std::string* error)
        : ini_(resolveIniPath(iniPath)), error_(error) {}
    void put(const char* section, const char* key, const std::string& value) {
        std::string why;
        if (!profileWriteString(ini_, section, key, value, &why) && ok_) {
            ok_ = false;
            if (error_) *error_ = why;
        }
    }
    void put(const char* section, const char* key, int value) { put(section, key, std::to_string(value)); }
    bool ok() const { return ok_; }

  private:
    std::string ini_;
    std::string* error_;
    bool ok_ = true;
};

} // namespace

int toHundredths(double value) {
    const double scaled = value * 100.0;
    const double nudged = scaled + (scaled >= 0 ? 1e-6 : -1e-6);
    if (!(nudged < 2147483647.0)) return 2147483647;
    if (!(nudged > -2147483648.0)) return -2147483647 - 1;
    return static_cast<int>(std::trunc(nudged));
}

std::string resolveIniPath(const std::string& iniPath) {
    return iniPath.empty() ? iniFilePath() : iniPath;
}

CatalogueSettings readCatalogueSettings(const std::string& iniPath) {
    const std::string ini = resolveIniPath(iniPath);
    CatalogueSettings s;
    // Switches are 0 or 1; drives are A: to Z:.
    s.useGsc = wholeIn(ini, kCatalogue, kGuideStarCatalog, 0, 0, 1);
    s.cdromDrive = wholeIn(ini, kCatalogue, kCdromDrive, 3, 0, 25);
    s.useStar6 = wholeIn(ini, kCatalogue, kMagnitude6, 0, 0, 1);
    s.useStar7 = wholeIn(ini, kCatalogue, kMagnitude7, 0, 0, 1);
    s.useStar8 = wholeIn(ini, kCatalogue, kMagnitude8, 0, 0, 1);
    s.useNgc = wholeIn(ini, kCatalogue, kNgc, 0, 0, 1);
    s.usePlanetPictures = wholeIn(ini, kCatalogue, kPlanetPictures, 0, 0, 1);
    s.useMessierPictures = wholeIn(ini, kCatalogue, kMessierPictures, 0, 0, 1);
    return s;
}

bool writeCatalogueSettings(const std::string& iniPath, const CatalogueSettings& s, std::string* error) {
    KeyWriter w(iniPath, error);
    w.put(kCatalogue, kCdromDrive, s.cdromDrive);
    w.put(kCatalogue, kGuideStarCatalog, s.useGsc);
    w.put(kCatalogue, kMagnitude6, s.useStar6);
    w.put(kCatalogue, kMagnitude7, s.useStar7);
    w.put(kCatalogue, kMagnitude8, s.useStar8);
    w.put(kCatalogue, kNgc, s.useNgc);
    w.put(kCatalogue, kPlanetPictures, s.usePlanetPictures);
    w.put(kCatalogue, kMessierPictures, s.useMessierPictures);
    return w.ok();
}

void readPlaceSettings(const std::string& iniPath, systeme& sys) {
    const std::string ini = resolveIniPath(iniPath);
    // A place outside the Earth's ranges, a zone outside the 48 entries or an unknown season is
    // replaced by its default; a city number past the list is "Other" in the dialogs.
    sys.cityNumber = wholeIn(ini, kPosition, kCityNumber, 31, 0, 2147483647);
    sys.latitude = wholeIn(ini, kPosition, kLatitude, 4590, -9000, 9000) / 100.0;
    sys.longitude = wholeIn(ini, kPosition, kLongitude, 17380, 0, 36000) / 100.0 - 180.0;
    copyName(sys.cityName, cityNameIn(ini, kPosition));
    sys.computerCityNumber = wholeIn(ini, kComputerPosition, kCityNumber, 31, 0, 2147483647);
    copyName(sys.computerCityName, cityNameIn(ini, kComputerPosition));
    sys.computerTimeZone = wholeIn(ini, kTime, kComputerTimeZone, 26, 0, 47);
    sys.observerTimeZone = wholeIn(ini, kTime, kObserverTimeZone, 26, 0, 47);
    sys.season = wholeIn(ini, kTime, kSeason, -1, -1, 1);
}

bool writeObserverPlace(const std::string& iniPath, const systeme& sys, std::string* error) {
    KeyWriter w(iniPath, error);
    w.put(kPosition, kCityNumber, sys.cityNumber);
    w.put(kPosition, kLatitude, toHundredths(sys.latitude));
    w.put(kPosition, kLongitude, toHundredths(sys.longitude + 180.0));
    w.put(kPosition, kCity, sys.cityName);
    return w.ok();
}

bool writeComputerPlace(const std::string& iniPath, const systeme& sys, std::string* error) {
    KeyWriter w(iniPath, error);
    w.put(kComputerPosition, kCityNumber, sys.computerCityNumber);
    w.put(kComputerPosition, kCity, sys.computerCityName);
    return w.ok();
}

bool writeTimeSettings(const std::string& iniPath, const systeme& sys, std::string* error) {
    KeyWriter w(iniPath, error);
    w.put(kTime, kSeason, sys.season);
    w.put(kTime, kObserverTimeZone, sys.observerTimeZone);
    w.put(kTime, kComputerTimeZone, sys.computerTimeZone);
    return w.ok();
}

double readCometMagLimit(const std::string& iniPath) {
    // The asteroid dialog's range, 0 to 20.
    return wholeClamped(resolveIniPath(iniPath), kAsteroids, kMaxMagnitude, 700, 0, 2000) * 0.01;
}

bool writeCometMagLimit(const std::string& iniPath, double limit, std::string* error) {
    KeyWriter w(iniPath, error);
    w.put(kAsteroids, kMaxMagnitude, static_cast<int>(std::floor(limit * 100.0 + 1e-6)));
    return w.ok();
}

DisplaySettings readDisplaySettings(const std::string& iniPath) {
    const std::string ini = resolveIniPath(iniPath);
    DisplaySettings d;
    // Magnitudes are brought into the ranges of their dialogs' scroll bars.
    d.iconSize = wholeIn(ini, kDisplay, kIconSize, 0, 0, 256);
    d.gscMaxMagnitude = wholeClamped(ini, kDisplay, kGscMaxMagnitude, -200, -200, 1600) / 100.0;
    d.gscMinMagnitude = wholeClamped(ini, kDisplay, kGscMinMagnitude, 1600, -200, 1600) / 100.0;
    d.starMagnitude = wholeClamped(ini, kDisplay, kMagnitude, 600, -200, 900) / 100.0;
    d.autoMagnitude = profileReadInt(ini, kDisplay, kAutoMagnitude, 1) == 1;
    d.saveFullResolution = wholeIn(ini, kDisplay, kFullResolution, 0, 0, 1) == 1;
    return d;
}

bool writeFullResolution(const std::string& iniPath, bool on, std::string* error) {
    KeyWriter w(iniPath, error);
    w.put(kDisplay, kFullResolution, on ? "1" : "0");
    return w.ok();
}

bool writeMagnitudeSettings(const std::string& iniPath, double starMagnitude, bool autoMagnitude,
                            std::string* error) {
    KeyWriter w(iniPath, error);
    w.put(kDisplay, kAutoMagnitude, autoMagnitude ? "1" : "0");
    w.put(kDisplay, kMagnitude, toHundredths(starMagnitude));
    return w.ok();
}

bool writeCatalogueMagnitudeSettings(const std::string& iniPath, const DisplaySettings& d,
                                     std::string* error) {
    KeyWriter w(iniPath, error);
    w.put(kDisplay, kAutoMagnitude, d.autoMagnitude ? "1" : "0");
    w.put(kDisplay, kMagnitude, toHundredths(d.starMagnitude));
    w.put(kDisplay, kGscMaxMagnitude, toHundredths(d.gscMaxMagnitude));
    w.put(kDisplay, kGscMinMagnitude, toHundredths(d.gscMinMagnitude));
    return w.ok();
}

std::string readBrowser(const std::string& iniPath) {
    return profileReadString(resolveIniPath(iniPath), kInternet, kBrowser, "Aucun", 299);
}

bool writeBrowser(const std::string& iniPath, const std::string& browser, std::string* error) {
    KeyWriter w(iniPath, error);
    w.put(kInternet, kBrowser, browser);
    return w.ok();
}
