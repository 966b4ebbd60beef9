// nalvo-cli moon-events: the transits, occultations, eclipses and shadow transits of Jupiter's
// four large moons between two dates, as CSV.
#pragma once

#include <string>

#include "cli/command.h"

int moonEventsCommand(const std::vector<std::string>& args, std::FILE* out, std::FILE* err);
extern const char kMoonEventsHelp[];

// "YYYY-MM-DDTHH:MM:SS" of a Julian day (UT, proleptic Gregorian calendar), rounded to the second.
std::string isoUtcOfJulianDay(double jd);
