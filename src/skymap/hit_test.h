// SPDX-License-Identifier: GPL-3.0-or-later
// Hit tests of the sky map: which drawn object lies under the pointer, by the screen points the
// renderer stored during the last paint. Identification (right click) and hover use the same
// categories in opposite orders. Pure code over the model, no Qt.
#pragma once

#include <cstdint>

class systeme;
class planete;
class satellite;
class constellation;
class etoile;
class ngc;
class comet;
class soleil;

namespace skymap {

// Half size of the hit box, pixels: an object at (x0, y0) is under the pointer (x, y) when
// x0 - 3 < x < x0 + 3 and y0 - 3 < y < y0 + 3, strictly.
constexpr int kHitHalfBox = 3;

// True when a stored screen point is a drawn point (x > 0) and the pointer is inside its box.
bool underPointer(int32_t screenX, int32_t screenY, int x, int y);

// A magnitude as the star painter uses it: 90-190 lose 100, 190-290 lose 200 (catalogue
// markers for variable or double stars).
double reducedMagnitude(double mag);

// Kinds of identified objects; deep-sky objects are kDeepSkyBase + their type code (3 to 10).
constexpr int kKindNone = -1;
constexpr int kKindMoon = 0;
constexpr int kKindPlanet = 1;
constexpr int kKindStar = 2;
constexpr int kKindDeepSkyBase = 2;
constexpr int kKindAsteroid = 11;
constexpr int kKindSatellite = 12;
// The Sun: found by the search, and by a click where nothing else lies.
constexpr int kKindSun = 13;
// A deep-sky object whose type code is none of the known ones (its type text is empty).
constexpr int kKindDeepSkyOther = 14;
inline bool isDeepSkyKind(int kind) { return (kind >= 3 && kind <= 10) || kind == kKindDeepSkyOther; }

// The type text of a kind ("Planet", "Star", "Globular clustere", ...); "" for an unknown kind.
const char* kindTypeText(int kind);

// One object of the model, by its indices; kind kKindNone when nothing was found.
struct SkyObjectRef {
    int kind = kKindNone;
    int planet = -1;        // planet table index (kKindPlanet)
    int constellation = -1; // constellation index (kKindStar)
    int star = -1;          // star index within the constellation (kKindStar)
    int deepSky = -1;       // deep-sky table index (kinds 3-10)
    int comet = -1;         // comet table index (kKindAsteroid)
    int satell = -1;        // satell slot 0-11 (kKindSatellite)

    bool found() const { return kind != kKindNone; }
    bool operator==(const SkyObjectRef&) const = default;
};

// The display state the hit tests depend on.
struct HitFilter {
    double starMagnitude = 6.0; // stars of a reduced magnitude above this are never hit
    bool showMessier = true;
    bool showNGC = false;
    // Only planets and asteroids (the heliocentric views store no other screen points).
    bool bodiesOnly = false;
};

// Object under the pointer for a right click. Categories in this order, a later match replacing
// an earlier one: the Sun, planets but the Earth, the Moon, constellation stars no fainter than the limit,
// Messier objects (when shown), NGC objects (when shown), selected asteroids (the first match
// ends the search). Within a category the last match counts.
SkyObjectRef identifyObject(const systeme& sys, int x, int y, const HitFilter& filter);

// Object under the pointer for the hover label: the first match of planets (last to first), the
// Moon, constellation stars, Messier then NGC objects (when shown), asteroids.
SkyObjectRef hoverObject(const systeme& sys, int x, int y, const HitFilter& filter);

// The Earth (the planet named "Terre") and its first satellite, the Moon; null when absent.
const planete* earthOf(const systeme& sys);
const satellite* moonOf(const systeme& sys);
bool isEarth(const planete& p);

// The model objects a reference names (null when the reference is of another kind or stale).
const planete* planetOf(const systeme& sys, const SkyObjectRef& r);
const constellation* constellationOf(const systeme& sys, const SkyObjectRef& r);
const etoile* starOf(const systeme& sys, const SkyObjectRef& r);
const ngc* deepSkyOf(const systeme& sys, const SkyObjectRef& r);
const ::comet* asteroidOf(const systeme& sys, const SkyObjectRef& r);

// Stored screen point of the object a reference names; x = -100 when it has none.
struct ScreenPoint {
    int32_t x = -100;
    int32_t y = 0;
};
ScreenPoint screenPointOf(const systeme& sys, const SkyObjectRef& r);

} // namespace skymap
