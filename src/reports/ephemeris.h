// SPDX-License-Identifier: GPL-3.0-or-later
// The ephemeris table: positions of the Sun, a planet (topocentric) or the Moon (topocentric) at
// regular steps from a start date, as Windows-1252 text.
#pragma once

#include <string>
#include <vector>

#include "astro/date2.h"

class systeme;

namespace reports {

// The ephemeris dialog's lists: the objects (the Sun, every planet but the model's third, the
// Earth, then "Moon"), the steps ("1 hour", "1 day", "2 days" ... "365 days") and the counts
// ("5", "10" ... "100").
std::vector<std::string> ephemerisObjectNames(const systeme& model);
std::vector<std::string> ephemerisStepItems();
std::vector<std::string> ephemerisCountItems();
constexpr int kEphemerisStepCount = 366, kEphemerisCountCount = 20;

struct EphemerisRequest {
    int object = 1;     // entry of the object list: 0 the Sun, then the planets, the last the Moon
    int stepIndex = 0;  // entry of the step list: 0 one hour, k > 0 k days
    int countIndex = 0; // entry of the count list: 5 (k + 1) lines
};
int ephemerisStepHours(int stepIndex);
int ephemerisLineCount(int countIndex);

// "%d/%d/%d" (day, month, year) of the instant `count` steps after `start`.
std::string ephemerisEndText(const date2& start, int stepIndex, int countIndex);

// The table from `date` (UT, t computed) for the model's observer. `date` is left at the instant
// after the last line. Empty when the request names no object.
std::string ephemerisText(systeme& model, date2& date, const EphemerisRequest& request);

} // namespace reports
