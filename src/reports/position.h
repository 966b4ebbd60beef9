// SPDX-License-Identifier: GPL-3.0-or-later
// The position of one body at one instant as the position dialog shows it: geocentric right
// ascension, declination and distance of the Sun, a planet (the Earth included) or a satellite.
#pragma once

#include <string>
#include <vector>

#include "astro/date2.h"
#include "reports/report_text.h"

class systeme;

namespace reports {

// The object list of the position dialog: the English names of the Sun, of every planet in model
// order, then of every satellite, planet by planet. A body without an English name keeps its
// stored name.
std::vector<std::string> positionObjectNames(const systeme& model);
// The list entry selected when the dialog opens: the first planet.
constexpr int kPositionFirstPlanet = 1;

struct PositionValues {
    DeclinationParts dec;
    RightAscensionParts ra;
    std::string distance; // "%3.4lf AU" (Sun, planets) or "%3.2lf mAU" (satellites)
};

// Places the body of list entry `objectIndex` (0 the Sun, then the planets, then the
// satellites) at `date` (UT, its t already computed) without topocentric correction. False when
// the index names no body. The model's record of that body is updated.
bool computePosition(systeme& model, const date2& date, int objectIndex, PositionValues& values);

// The degrees box of the dialog: the signed whole degrees, with a minus sign kept for a
// declination between -1 and 0 degrees (so -0.5 reads "-0", not "0").
std::string declinationDegreesText(const DeclinationParts& dec);

// One line with the values of the dialog (Windows-1252, degree sign 0xB0), for example
// "Mars 2026-03-01 0h UT  RA 12h 34m 56s  Dec -5\xB0 06' 07\"  Distance 1.2345 AU".
std::string positionLine(const std::string& name, const date2& date, const PositionValues& values);

// The line that follows it for an observer at lat_deg (north positive) and lonWest_deg (positive
// west) whose local time is UT + offset_h: "Rise 7h41, transit 12h03 at 21.4\xB0, set 16h25 (local
// time).\n" for the local calendar day of `date`. "" for an entry without rise and set (the Earth,
// a satellite other than the Moon). The model's records are not changed.
std::string riseTransitSetLine(const systeme& model, const date2& date, int objectIndex, double lat_deg,
                               double lonWest_deg, double offset_h);

} // namespace reports
