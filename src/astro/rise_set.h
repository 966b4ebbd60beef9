// SPDX-License-Identifier: GPL-3.0-or-later
// Rise, upper transit and set of a body within one local calendar day, by the almanacs'
// convention: the upper limb of a body given a radius (the Sun, the Moon), the centre of the
// others, 34' of refraction at the horizon, an observer at sea level, topocentric places (the
// Moon's parallax). Each instant is found by a bracketed search to a fraction of a second.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "astro/bodies.h"

// Geocentric place of a body: mean equator of date, degrees; distance in AU (0 or less: no
// parallax).
struct GeocentricPlace {
    double ra_deg = 0;
    double dec_deg = 0;
    double distance_au = 0;
};
// The place at t (Julian centuries since JD 2415020.0, UT).
using PlaceAt = std::function<GeocentricPlace(long double t)>;

// A body for the search: its place, and its radius in km (0: the centre crosses the horizon).
struct RiseSetBody {
    PlaceAt place;
    double radius_km = 0;
};

// The events found within one day; a missing one did not happen in that day.
struct RiseTransitSet {
    std::optional<long double> rise_t, transit_t, set_t; // t of each event
    double transitAltitude_deg = 0; // topocentric altitude of the centre at transit, no refraction
};

// The first rise, upper transit and set within [dayStart_t, dayStart_t + 1 day), for an
// observer at latitude lat_deg (north positive) and longitude lonWest_deg (positive west).
RiseTransitSet riseTransitSet(const RiseSetBody& body, long double dayStart_t, double lat_deg,
                              double lonWest_deg);

// t of the local midnight that begins the local calendar day of the instant t, where local time
// is UT + offset_h hours.
long double localDayStart(long double t, double offset_h);

// The program's bodies, from copies of their records (the records themselves are not touched):
// the Sun and the Moon with their radii (upper limb), a planet or an asteroid by its centre.
RiseSetBody sunForRiseSet(const soleil& sun);
RiseSetBody moonForRiseSet(const objetceleste& moon, const soleil& sun);
RiseSetBody planetForRiseSet(const objetceleste& planet, const soleil& sun);
RiseSetBody asteroidForRiseSet(const comet& asteroid, const soleil& sun);

// "Rise 7h41, transit 12h03 at 21.4\xB0, set 16h25 (local time)." in the local time of the day
// that starts at dayStart_t: hours and two-digit minutes, rounded to the nearest minute (never
// past 23h59), "-" for an event that did not happen, the degree sign as byte 0xB0.
std::string riseTransitSetText(const RiseTransitSet& events, long double dayStart_t);
