// SPDX-License-Identifier: GPL-3.0-or-later
// The forecast of one night for the model's observer: local time convention, Julian day,
// eclipses, meteor showers, seasons, the note of the day, sunset and sunrise, and for Mercury to
// Neptune their risings and settings, brightness, height and nearness to conjunction,
// opposition, quadrature or greatest elongation. Risings and settings come from stepping the
// clock through the night in five-minute steps, each crossing of the horizon timed by linear
// interpolation between two steps. Windows-1252 text.
#pragma once

#include <string>
#include <vector>

#include "astro/date2.h"

class systeme;

namespace reports {

// One crossing of the geometric horizon by a body's centre during the night.
struct HorizonCrossing {
    bool rising = false;
    int hour = 0, minute = 0; // local clock time, rounded to the minute
    double minutes = 0;       // minutes after the report's start instant, interpolated
};

// One planet's record of the night's search.
struct tabeveplanet {
    char nom[8] = {};
    // At sunset: 100 above the horizon, -10 below it; then the local hour of the night's first
    // rising.
    int leverh = 0;
    int leverm = -100;   // minute of the first rising; -100 none
    int coucherh = -100; // local hour of the first setting; -100 none
    int coucherm = 0;
    double magnitude = 0;     // at sunset
    double partieVisible = 0; // illuminated percentage at sunset
    double hauteurMax = 0;    // highest altitude of the night, deg (starts at the sunset altitude)
    double elongation = 0;    // RA of the Sun minus RA of the planet at sunset, deg (not reduced)
    double ha = 0;            // altitude at the last step, deg
    // Every rising and setting between sunset and sunrise, in time order.
    std::vector<HorizonCrossing> crossings;
};

// The search gives up after this many five-minute steps: a day or a night longer than 24 hours
// is the midnight sun or the polar night.
constexpr int kForecastMaxSteps = 288;
// Ten-minute steps back to the previous daylight before the Sun is taken to stay down.
constexpr int kForecastMaxStepsBack = 248;

struct ForecastOptions {
    // The trace file, recreated by each report and appended to line by line; "" for no trace.
    std::string logPath;
    // Folders searched for the month's information file; empty for the program's data lookup.
    std::vector<std::string> infoDirs;
};

// Writes the report of the night that follows `date` (a date in daylight) or contains it (a date
// at night) for the observer of `model`, in the place's local time at each instant
// (date2::placeOffset_h: its zone's offset, or decalageLieu). `date` is
// left at the sunrise instant (UT) and the model describes the last instant examined.
std::string forecastText(systeme& model, date2& date, const ForecastOptions& options,
                         std::vector<tabeveplanet>* planets = nullptr);

// forecastText written into the file `path` (replaced whole, never half written). False with a
// reason in `error` when the file cannot be written.
bool writeForecast(date2& date, systeme& model, const std::string& path, const ForecastOptions& options,
                   std::string& error);

} // namespace reports
