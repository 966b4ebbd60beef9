// SPDX-License-Identifier: GPL-3.0-or-later
// nalvo-cli moon-events: the transits, occultations, eclipses and shadow transits of Jupiter's
// four large moons between two dates, as CSV.
#pragma once

#include <string>

#include "cli/command.h"

int moonEventsCommand(const std::vector<std::string>& args, std::FILE* out, std::FILE* err);
extern const char kMoonEventsHelp[];

// "YYYY-MM-DDTHH:MM:SS" of a Julian day (UT), rounded to the second, in the calendar of the
// program's dates (Julian before 1582 October 15, Gregorian from then on).
std::string isoUtcOfJulianDay(double jd);
