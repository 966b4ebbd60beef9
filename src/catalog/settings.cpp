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

void writeCatalogueSettings(const std::string& iniPath, const CatalogueSettings& s) {
    const std::string ini = resolveIniPath(iniPath);
    profileWriteInt(ini, kCatalogue, kCdromDrive, s.cdromDrive);
    profileWriteInt(ini, kCatalogue, kGuideStarCatalog, s.useGsc);
    profileWriteInt(ini, kCatalogue, kMagnitude6, s.useStar6);
    profileWriteInt(ini, kCatalogue, kMagnitude7, s.useStar7);
    profileWriteInt(ini, kCatalogue, kMagnitude8, s.useStar8);
    profileWriteInt(ini, kCatalogue, kNgc, s.useNgc);
    profileWriteInt(ini, kCatalogue, kPlanetPictures, s.usePlanetPictures);
    profileWriteInt(ini, kCatalogue, kMessierPictures, s.useMessierPictures);
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

void writeObserverPlace(const std::string& iniPath, const systeme& sys) {
    const std::string ini = resolveIniPath(iniPath);
    profileWriteInt(ini, kPosition, kCityNumber, sys.cityNumber);
    profileWriteInt(ini, kPosition, kLatitude, toHundredths(sys.latitude));
    profileWriteInt(ini, kPosition, kLongitude, toHundredths(sys.longitude + 180.0));
    profileWriteString(ini, kPosition, kCity, sys.cityName);
}

void writeComputerPlace(const std::string& iniPath, const systeme& sys) {
    const std::string ini = resolveIniPath(iniPath);
    profileWriteInt(ini, kComputerPosition, kCityNumber, sys.computerCityNumber);
    profileWriteString(ini, kComputerPosition, kCity, sys.computerCityName);
}

void writeTimeSettings(const std::string& iniPath, const systeme& sys) {
    const std::string ini = resolveIniPath(iniPath);
    profileWriteInt(ini, kTime, kSeason, sys.season);
    profileWriteInt(ini, kTime, kObserverTimeZone, sys.observerTimeZone);
    profileWriteInt(ini, kTime, kComputerTimeZone, sys.computerTimeZone);
}

double readCometMagLimit(const std::string& iniPath) {
    return profileReadInt(resolveIniPath(iniPath), kAsteroids, kMaxMagnitude, 700) * 0.01;
}

void writeCometMagLimit(const std::string& iniPath, double limit) {
    profileWriteInt(resolveIniPath(iniPath), kAsteroids, kMaxMagnitude,
                    static_cast<int>(std::floor(limit * 100.0 + 1e-6)));
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

void writeMagnitudeSettings(const std::string& iniPath, double starMagnitude, bool autoMagnitude) {
    const std::string ini = resolveIniPath(iniPath);
    profileWriteString(ini, kDisplay, kAutoMagnitude, autoMagnitude ? "1" : "0");
    profileWriteInt(ini, kDisplay, kMagnitude, toHundredths(starMagnitude));
}

void writeCatalogueMagnitudeSettings(const std::string& iniPath, const DisplaySettings& d) {
    const std::string ini = resolveIniPath(iniPath);
    writeMagnitudeSettings(ini, d.starMagnitude, d.autoMagnitude);
    profileWriteInt(ini, kDisplay, kGscMaxMagnitude, toHundredths(d.gscMaxMagnitude));
    profileWriteInt(ini, kDisplay, kGscMinMagnitude, toHundredths(d.gscMinMagnitude));
}

std::string readBrowser(const std::string& iniPath) {
    return profileReadString(resolveIniPath(iniPath), kInternet, kBrowser, "Aucun", 299);
}

void writeBrowser(const std::string& iniPath, const std::string& browser) {
    profileWriteString(resolveIniPath(iniPath), kInternet, kBrowser, browser);
}
