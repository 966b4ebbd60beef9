// SPDX-License-Identifier: GPL-3.0-or-later
// Cities and time zones: "ville.syt" (cities with their coordinates), "pays.syt" (each
// country's winter and summer offsets), the 48 time-zone entries of half an hour from -12 h to
// +11 h 30 (index k is (k - 24)/2 hours), and the country part of a city name.
#pragma once

#include <string>
#include <vector>

#include "astro/date2.h"

class Prompter;
class systeme;

struct City {
    std::string name;     // "Country-Town", one word of at most 29 characters
    double latitude = 0;  // deg, north positive
    double longitude = 0; // deg, east negative
};

constexpr char kOtherCity[] = "Other";
constexpr double kUnknownOffset = -1000; // a country that "pays.syt" does not list

// The cities of "ville.syt" ("Nombre:%d", then "\n%s %lf %lf" each) in file order, followed by
// "Other", whose index is the number of cities. `path` "" looks the file up in the data
// directories. A missing file gives the list with "Other" only and the message "File ville.syt
// missing" when `prompter` is given; the list ends at the first line that does not read.
std::vector<City> readCities(const std::string& path = "", Prompter* prompter = nullptr);
std::vector<City> parseCities(const std::string& bytes);

// The 48 labels "-12 h", "-11 h 30", ..., "- 0 h 30", "+ 0 h", ..., "+ 11 h 30".
std::vector<std::string> timeZoneLabels();
// (index - 24)/2 hours.
double timeZoneOffset(int index);
// whole((offset + 12) x 2) modulo 48; -1 for an unknown offset (kUnknownOffset, non-finite, or
// beyond 14 hours), which no entry stands for.
int timeZoneIndex(double offset_h);

// The part of a city name before the first "-" (and, with `stopAtBlank`, before the first blank).
std::string countryOf(const std::string& cityName, bool stopAtBlank);

// The path of "pays.syt" in the data directories ("" when there is none).
std::string paysFilePath();

// "zones.syt": "%s %s\n" per city, its name and its tz zone (an IANA name, "Europe/Paris"). The
// zone of `cityName`, "" when the file or the city is missing. `path` "" looks the file up in the
// data directories.
std::string cityZoneName(const std::string& cityName, const std::string& path = "");

// The offset of the city's clock at the date. With the automatic season (saison -1): its zone's
// at the date's instant (zones.syt, tzdata), or without one its country's for the month's season
// (choisitSaison). Otherwise its country's for the date's season (date2::decalagePays).
// kUnknownOffset when neither is known. A missing "pays.syt" is told to `prompter` as
// "File pays.syt missing".
double cityOffset(const date2& date, const std::string& cityName, bool stopAtBlank,
                  Prompter* prompter = nullptr, const std::string& paysPath = "", const std::string& zonesPath = "");

// Start-up and every change of place: the date's clock settings from the place fields of `sys`.
// - decalageOrdinateur: the operating system's offset at the date (the computer's place and its
//   stored zone no longer move the clock);
// - a chosen season (0 or 1), or "Other": the season and the stored observer's time-zone index,
//   with no zone;
// - the automatic season (-1) and a city of the list: the city's tz zone (zoneLieu, and
//   decalageLieu its offset at the date), saison -1. A city without a zone in "zones.syt", or a
//   zone that tzdata lacks, falls back on its country's offset of "pays.syt" for the month's
//   season (or the stored index when the country is unknown) and `note` gets a line for
//   LogFile.txt saying so.
void applyPlaceToDate(const systeme& sys, date2& date, std::string* note = nullptr,
                      const std::string& zonesPath = "", const std::string& paysPath = "");
