#include "catalog/settings.h"

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
    s.useGsc = profileReadInt(ini, kCatalogue, kGuideStarCatalog, 0);
    s.cdromDrive = profileReadInt(ini, kCatalogue, kCdromDrive, 3);
    s.useStar6 = profileReadInt(ini, kCatalogue, kMagnitude6, 0);
    s.useStar7 = profileReadInt(ini, kCatalogue, kMagnitude7, 0);
    s.useStar8 = profileReadInt(ini, kCatalogue, kMagnitude8, 0);
    s.useNgc = profileReadInt(ini, kCatalogue, kNgc, 0);
    s.usePlanetPictures = profileReadInt(ini, kCatalogue, kPlanetPictures, 0);
    s.useMessierPictures = profileReadInt(ini, kCatalogue, kMessierPictures, 0);
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
    sys.cityNumber = profileReadInt(ini, kPosition, kCityNumber, 31);
    sys.latitude = profileReadInt(ini, kPosition, kLatitude, 4590) / 100.0;
    sys.longitude = profileReadInt(ini, kPosition, kLongitude, 17380) / 100.0 - 180.0;
    copyName(sys.cityName, profileReadString(ini, kPosition, kCity, "France-Annecy", 29));
    sys.computerCityNumber = profileReadInt(ini, kComputerPosition, kCityNumber, 31);
    copyName(sys.computerCityName, profileReadString(ini, kComputerPosition, kCity, "France-Annecy", 29));
    sys.computerTimeZone = profileReadInt(ini, kTime, kComputerTimeZone, 26);
    sys.observerTimeZone = profileReadInt(ini, kTime, kObserverTimeZone, 26);
    sys.season = profileReadInt(ini, kTime, kSeason, -1);
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
    return profileReadInt(resolveIniPath(iniPath), kAsteroids, kMaxMagnitude, 700) * 0.01;
}

bool writeCometMagLimit(const std::string& iniPath, double limit, std::string* error) {
    KeyWriter w(iniPath, error);
    w.put(kAsteroids, kMaxMagnitude, static_cast<int>(std::floor(limit * 100.0 + 1e-6)));
    return w.ok();
}

DisplaySettings readDisplaySettings(const std::string& iniPath) {
    const std::string ini = resolveIniPath(iniPath);
    DisplaySettings d;
    d.iconSize = profileReadInt(ini, kDisplay, kIconSize, 0);
    d.gscMaxMagnitude = profileReadInt(ini, kDisplay, kGscMaxMagnitude, -200) / 100.0;
    d.gscMinMagnitude = profileReadInt(ini, kDisplay, kGscMinMagnitude, 1600) / 100.0;
    d.starMagnitude = profileReadInt(ini, kDisplay, kMagnitude, 600) / 100.0;
    d.autoMagnitude = profileReadInt(ini, kDisplay, kAutoMagnitude, 1) == 1;
    return d;
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
