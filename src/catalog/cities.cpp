// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/cities.h"

#include <cmath>
#include <cstdio>

#include "astro/clock.h"
#include "astro/time_zone.h"
#include "catalog/paths.h"
#include "catalog/prompter.h"
#include "catalog/scan.h"
#include "catalog/systeme.h"

namespace {

constexpr int kMaxCities = 100000; // far above any list; bounds a damaged count

} // namespace

std::vector<City> parseCities(const std::string& bytes) {
    std::vector<City> cities;
    FilePtr f = openMemory(bytes.data(), bytes.size());
    if (f) {
        int n = 0;
        if (scanFile(f.get(), "Nombre:%d", {&n}) == 1) {
            for (int k = 0; k < n && k < kMaxCities; ++k) {
                char name[30] = {};
                double lat = 0, lon = 0;
                if (scanFile(f.get(), "\n%s %lf %lf", {name, &lat, &lon}) != 3) break;
                if (!std::isfinite(lat) || !std::isfinite(lon)) break;
                cities.push_back(City{name, lat, lon});
            }
        }
    }
    cities.push_back(City{kOtherCity, 0, 0});
    return cities;
}

std::vector<City> readCities(const std::string& path, Prompter* prompter) {
    const std::string file = path.empty() ? findDataFile("ville.syt") : path;
    FilePtr f = file.empty() ? nullptr : openForReading(file);
    if (!f) {
        if (prompter) prompter->message("File ville.syt missing", kErrorCaption);
        return {City{kOtherCity, 0, 0}};
    }
    std::string bytes;
    char buf[1 << 15];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, f.get())) > 0;)
        bytes.append(buf, n);
    return parseCities(bytes);
}

std::vector<std::string> timeZoneLabels() {
    std::vector<std::string> labels;
    char text[32];
    for (int i = -12; i <= 11; ++i) {
        std::snprintf(text, sizeof text, i < 0 ? "%d h" : "+ %d h", i);
        labels.emplace_back(text);
        if (i < -1)
            std::snprintf(text, sizeof text, "%d h 30", i + 1);
        else if (i == -1)
            std::snprintf(text, sizeof text, "- %d h 30", 0);
        else
            std::snprintf(text, sizeof text, "+ %d h 30", i);
        labels.emplace_back(text);
    }
    return labels;
}

double timeZoneOffset(int index) {
    return (index - 24) / 2.0;
}

int timeZoneIndex(double offset_h) {
    if (!std::isfinite(offset_h) || std::fabs(offset_h) > 14) return -1;
    const int whole = static_cast<int>(std::trunc((offset_h + 12) * 2));
    return ((whole % 48) + 48) % 48;
}

std::string countryOf(const std::string& cityName, bool stopAtBlank) {
    const std::size_t end = cityName.find_first_of(stopAtBlank ? "- " : "-");
    return cityName.substr(0, end);
}

std::string paysFilePath() {
    return findDataFile("pays.syt");
}

std::string cityZoneName(const std::string& cityName, const std::string& path) {
    const std::string file = path.empty() ? findDataFile("zones.syt") : path;
    FilePtr f = file.empty() ? nullptr : openForReading(file);
    if (!f) return "";
    char name[30] = {}, zone[64] = {};
    while (scanFile(f.get(), "%s %s\n", {name, zone}) == 2)
        if (cityName == name) return zone;
    return "";
}

namespace {

// The country's offset for the season of the month, when the date's own season is automatic.
double countryOffset(const date2& date, const std::string& country, const std::string& paysPath) {
    date2 seasonal = date;
    if (seasonal.saison == -1) seasonal.choisitSaison();
    return seasonal.decalagePays(country, paysPath);
}

} // namespace

double cityOffset(const date2& date, const std::string& cityName, bool stopAtBlank, Prompter* prompter,
                  const std::string& paysPath, const std::string& zonesPath) {
    if (date.saison == -1) {
        if (const auto zone = TimeZone::find(cityZoneName(cityName, zonesPath)))
            return zone->offsetAt_h(date.t);
    }
    const std::string path = paysPath.empty() ? paysFilePath() : paysPath;
    if (path.empty() || !fileExists(path)) {
        if (prompter) prompter->message("File pays.syt missing", kErrorCaption);
        return kUnknownOffset;
    }
    return countryOffset(date, countryOf(cityName, stopAtBlank), path);
}

void applyPlaceToDate(const systeme& sys, date2& date, std::string* note, const std::string& zonesPath,
                      const std::string& paysPath) {
    date.decalageOrdinateur = computerUtcOffsetAt(unixSeconds(date));
    date.decalageLieu = timeZoneOffset(sys.observerTimeZone);
    date.saison = sys.season;
    date.zoneLieu = nullptr;
    const std::string city = sys.cityName;
    if (date.saison != -1 || city == kOtherCity) {
        if (date.saison == -1) date.choisitSaison();
        return;
    }
    const std::string zoneName = cityZoneName(city, zonesPath);
    date.zoneLieu = TimeZone::find(zoneName);
    if (date.zoneLieu) {
        date.decalageLieu = date.zoneLieu->offsetAt_h(date.t);
        return;
    }
    // No zone: the country's offsets, as the season of the month chooses them.
    date.choisitSaison();
    const std::string pays = paysPath.empty() ? paysFilePath() : paysPath;
    const double offset = pays.empty() ? kUnknownOffset : date.decalagePays(countryOf(city, true), pays);
    if (timeZoneIndex(offset) >= 0) date.decalageLieu = offset;
    if (note) {
        char text[200];
        std::snprintf(text, sizeof text, "%s: %s, local time from the country's offsets (%+g h)\n",
                      city.c_str(),
                      zoneName.empty() ? "no time zone in zones.syt"
                                       : ("time zone " + zoneName + " unknown to tzdata").c_str(),
                      date.decalageLieu);
        *note = text;
    }
}
