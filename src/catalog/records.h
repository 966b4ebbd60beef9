// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogue records that "Sys.syt" fills besides the bodies: constellation stars and figures,
// deep-sky objects, the Milky Way outline, constellation borders, and the fixed records of the
// satellites of Jupiter and Saturn. Angles in degrees (right ascension too, 0-360).
#pragma once

#include <cstdint>
#include <memory>

// Capacities of the tables (the readers never store beyond them).
constexpr int kMaxConstellations = 100;
constexpr int kMaxConstellationStars = 50;
constexpr int kMaxStarLinks = 8; // stored links per star; the table has room for the -1 after them
constexpr int kMaxDeepSky = 400; // Messier and NGC objects together
constexpr int kMaxComets = 3000;
constexpr int kMaxMilkyWayLine1 = 500;
constexpr int kMaxMilkyWayLine2 = 499;
// The whole IAU boundary network has 698 distinct vertices, more than the 651 first planned, so
// the border tables are larger: 1000 points and 300 polylines of at most 50 points.
constexpr int kMaxBorderPoints = 1000;
constexpr int kMaxBorderLines = 300;
constexpr int kMaxBorderLinePoints = 50;

// A star: of a constellation (all fields) or streamed from a star catalogue (position and
// magnitude only).
class etoile {
  public:
    double dec = 0; // declination, deg
    double ra = 0;  // right ascension, deg
    double mag = 0;
    char word2[15] = {}; // proper name, "-" when none
    char word1[15] = {}; // Bayer or Flamsteed designation
    char word3[20] = {}; // spectral type; its first letter sets the colour
    // Indices within the constellation's stars of the stars a figure line goes to, ended by -1.
    int32_t links[10] = {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
    // Window point where the sky map last drew the star; x <= 0 means not drawn.
    int32_t screenX = 0, screenY = 0;
};

class constellation {
  public:
    char nom[30] = {};
    char abbrev[5] = {};
    int32_t nbStars = 0;    // stars stored in `stars` (at most kMaxConstellationStars)
    int32_t values[4] = {}; // four header integers, kept as read
    std::unique_ptr<etoile> stars[kMaxConstellationStars]; // file order

    etoile* star(int k) const { return k >= 0 && k < nbStars ? stars[k].get() : nullptr; }
};

// A deep-sky object of the Messier or NGC file.
class ngc {
  public:
    double dec = 0;            // deg
    double ra = 0;             // deg
    double mag = 0;            // Messier only; 0 for NGC objects
    char nom[30] = {};         // common name, "_" for NGC objects
    int32_t type = 0;          // object type code
    char designation[38] = {}; // "M<number>" or "NGC<number>"
    int32_t screenX = 0, screenY = 0;

    // 'M' for a Messier object, 'N' for an NGC object.
    char catalogueLetter() const { return designation[0]; }
};

struct MilkyWayPoint {
    double ra = 0;  // deg
    double dec = 0; // deg
};

// The Milky Way outline: two boundary lines.
class Lactee {
  public:
    int32_t count1 = 0; // points stored in line1
    int32_t count2 = 0; // points stored in line2
    MilkyWayPoint line1[kMaxMilkyWayLine1] = {};
    MilkyWayPoint line2[kMaxMilkyWayLine2] = {};
};

struct BorderPoint {
    double dec = 0; // deg
    double ra = 0;  // deg
};

struct BorderLine {
    int32_t count = 0;                         // points stored
    int32_t points[kMaxBorderLinePoints] = {}; // indices into the border points
    char name[15] = {};
};

// A satellite of Jupiter (slots 0-3) or Saturn (slots 4-11), for the satellite views.
struct satell {
    int32_t pos[8] = {}; // four screen points (x, y) kept by the satellite views
    char nom[30] = {};
    double diameter = 0; // km
    double distance = 0; // mean distance from the planet, thousands of km
    double satMag = 5.0;
    double period = 0; // days
};
