// SPDX-License-Identifier: GPL-3.0-or-later
#include "skymap/hit_test.h"

#include <cstring>

#include "catalog/systeme.h"

namespace skymap {

bool underPointer(int32_t screenX, int32_t screenY, int x, int y) {
    if (screenX <= 0) return false; // not drawn in the last paint
    // 64-bit differences: a stored point may be any int32.
    const int64_t dx = static_cast<int64_t>(x) - screenX;
    const int64_t dy = static_cast<int64_t>(y) - screenY;
    return dx > -kHitHalfBox && dx < kHitHalfBox && dy > -kHitHalfBox && dy < kHitHalfBox;
}

double reducedMagnitude(double mag) {
    if (mag > 90 && mag <= 190) return mag - 100;
    if (mag > 190 && mag <= 290) return mag - 200;
    return mag;
}

const char* kindTypeText(int kind) {
    switch (kind) {
    case kKindMoon: return "Satellite";
    case kKindPlanet: return "Planet";
    case kKindStar: return "Star";
    case 3: return "Nebula";
    case 4: return "Globular clustere";
    case 5: return "Open cluster";
    case 6: return "Galaxy";
    case 7: return "Elliptic galaxy ";
    case 8:
    case 9: return "Spiral galaxy";
    case 10: return "Non regular galaxy";
    case kKindAsteroid: return "Asteroid";
    case kKindSatellite: return "Satellite";
    case kKindSun: return "Star";
    default: return "";
    }
}

bool isEarth(const planete& p) { return std::strcmp(p.nom, "Terre") == 0; }

const planete* earthOf(const systeme& sys) {
    for (int k = 0; k < sys.planetCount(); ++k) {
        const planete* p = sys.planet(k);
        if (p && isEarth(*p)) return p;
    }
    return nullptr;
}

const satellite* moonOf(const systeme& sys) {
    const planete* earth = earthOf(sys);
    return earth ? earth->getSatellite(0) : nullptr;
}

namespace {

bool starHittable(const etoile& s, const HitFilter& f) {
    return reducedMagnitude(s.mag) <= f.starMagnitude;
}

// Deep-sky kind from the type code (3-10); a code outside the known types gets its own kind so
// it cannot pass for an asteroid or a satellite.
int deepSkyKind(const ngc& o) {
    const int64_t kind = static_cast<int64_t>(kKindDeepSkyBase) + o.type;
    return kind >= 3 && kind <= 10 ? static_cast<int>(kind) : kKindDeepSkyOther;
}

// Indices of the selected asteroids, in list order, up to the -1 end (at most 2999 entries).
template <typename F>
bool forEachSelectedAsteroid(const systeme& sys, F&& f) {
    for (int k = 0; k < kMaxComets - 1; ++k) {
        const int idx = sys.selectedComets[k];
        if (idx < 0) break;
        if (idx >= static_cast<int>(sys.comets.size()) || !sys.comets[idx]) continue;
        if (f(idx, *sys.comets[idx])) return true;
    }
    return false;
}

bool lastStarUnder(const systeme& sys, int x, int y, const HitFilter& f, SkyObjectRef& out) {
    bool any = false;
    for (int c = 0; c < sys.constellationCount(); ++c) {
        const constellation* con = sys.constellation(c);
        if (!con) continue;
        for (int s = 0; s < con->nbStars && s < kMaxConstellationStars; ++s) {
            const etoile* st = con->star(s);
            if (st && starHittable(*st, f) && underPointer(st->screenX, st->screenY, x, y)) {
                out = SkyObjectRef{};
                out.kind = kKindStar;
                out.constellation = c;
                out.star = s;
                any = true;
            }
        }
    }
    return any;
}

bool firstStarUnder(const systeme& sys, int x, int y, const HitFilter& f, SkyObjectRef& out) {
    for (int c = 0; c < sys.constellationCount(); ++c) {
        const constellation* con = sys.constellation(c);
        if (!con) continue;
        for (int s = 0; s < con->nbStars && s < kMaxConstellationStars; ++s) {
            const etoile* st = con->star(s);
            if (st && starHittable(*st, f) && underPointer(st->screenX, st->screenY, x, y)) {
                out = SkyObjectRef{};
                out.kind = kKindStar;
                out.constellation = c;
                out.star = s;
                return true;
            }
        }
    }
    return false;
}

// Deep-sky objects of one catalogue letter; `last` keeps the last match, else the first.
bool deepSkyUnder(const systeme& sys, char letter, int x, int y, bool last, SkyObjectRef& out) {
    bool any = false;
    for (int k = 0; k < sys.deepSkyCount(); ++k) {
        const ngc* o = sys.deepSky(k);
        if (!o || o->catalogueLetter() != letter) continue;
        if (!underPointer(o->screenX, o->screenY, x, y)) continue;
        out = SkyObjectRef{};
        out.kind = deepSkyKind(*o);
        out.deepSky = k;
        any = true;
        if (!last) return true;
    }
    return any;
}

bool asteroidUnder(const systeme& sys, int x, int y, SkyObjectRef& out) {
    return forEachSelectedAsteroid(sys, [&](int idx, const ::comet& c) {
        if (!underPointer(c.screenX, c.screenY, x, y)) return false;
        out = SkyObjectRef{};
        out.kind = kKindAsteroid;
        out.comet = idx;
        return true;
    });
}

} // namespace

SkyObjectRef identifyObject(const systeme& sys, int x, int y, const HitFilter& f) {
    SkyObjectRef found;
    if (const soleil* sun = sys.sun(); sun && !f.bodiesOnly && underPointer(sun->screenX, sun->screenY, x, y))
        found.kind = kKindSun;
    for (int k = 0; k < sys.planetCount(); ++k) {
        const planete* p = sys.planet(k);
        if (p && !isEarth(*p) && underPointer(p->screenX, p->screenY, x, y)) {
            found = SkyObjectRef{};
            found.kind = kKindPlanet;
            found.planet = k;
        }
    }
    if (!f.bodiesOnly) {
        if (const satellite* moon = moonOf(sys); moon && underPointer(moon->screenX, moon->screenY, x, y)) {
            found = SkyObjectRef{};
            found.kind = kKindMoon;
        }
        lastStarUnder(sys, x, y, f, found);
        if (f.showMessier) deepSkyUnder(sys, 'M', x, y, true, found);
        if (f.showNGC) deepSkyUnder(sys, 'N', x, y, true, found);
    }
    asteroidUnder(sys, x, y, found);
    return found;
}

SkyObjectRef hoverObject(const systeme& sys, int x, int y, const HitFilter& f) {
    SkyObjectRef found;
    for (int k = sys.planetCount() - 1; k >= 0; --k) {
        const planete* p = sys.planet(k);
        if (p && !isEarth(*p) && underPointer(p->screenX, p->screenY, x, y)) {
            found.kind = kKindPlanet;
            found.planet = k;
            return found;
        }
    }
    if (!f.bodiesOnly) {
        if (const satellite* moon = moonOf(sys); moon && underPointer(moon->screenX, moon->screenY, x, y)) {
            found.kind = kKindMoon;
            return found;
        }
        if (firstStarUnder(sys, x, y, f, found)) return found;
        if (f.showMessier && deepSkyUnder(sys, 'M', x, y, false, found)) return found;
        if (f.showNGC && deepSkyUnder(sys, 'N', x, y, false, found)) return found;
    }
    asteroidUnder(sys, x, y, found);
    return found;
}

const planete* planetOf(const systeme& sys, const SkyObjectRef& r) {
    return r.kind == kKindPlanet ? sys.planet(r.planet) : nullptr;
}

const constellation* constellationOf(const systeme& sys, const SkyObjectRef& r) {
    return r.kind == kKindStar ? sys.constellation(r.constellation) : nullptr;
}

const etoile* starOf(const systeme& sys, const SkyObjectRef& r) {
    const constellation* c = constellationOf(sys, r);
    return c ? c->star(r.star) : nullptr;
}

const ngc* deepSkyOf(const systeme& sys, const SkyObjectRef& r) {
    return isDeepSkyKind(r.kind) ? sys.deepSky(r.deepSky) : nullptr;
}

const ::comet* asteroidOf(const systeme& sys, const SkyObjectRef& r) {
    if (r.kind != kKindAsteroid || r.comet < 0 || r.comet >= static_cast<int>(sys.comets.size()))
        return nullptr;
    return sys.comets[r.comet].get();
}

ScreenPoint screenPointOf(const systeme& sys, const SkyObjectRef& r) {
    auto of = [](const auto* o) { return o ? ScreenPoint{o->screenX, o->screenY} : ScreenPoint{}; };
    switch (r.kind) {
    case kKindSun: return of(sys.sun());
    case kKindPlanet: return of(planetOf(sys, r));
    case kKindMoon: return of(moonOf(sys));
    case kKindStar: return of(starOf(sys, r));
    case kKindAsteroid: return of(asteroidOf(sys, r));
    default:
        if (isDeepSkyKind(r.kind)) return of(deepSkyOf(sys, r));
        return ScreenPoint{};
    }
}

} // namespace skymap
