// SPDX-License-Identifier: GPL-3.0-or-later
#include "skymap/interaction.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "astro/angles.h"
#include "astro/moon.h"
#include "astro/planets.h"
#include "astro/rise_set.h"
#include "catalog/systeme.h"

namespace skymap {

namespace {

// snprintf into a std::string (texts here are short; longer ones are cut, never overrun).
template <typename... Args>
std::string format(const char* fmt, Args... args) {
    char buf[256];
    const int n = std::snprintf(buf, sizeof buf, fmt, args...);
    if (n < 0) return {};
    return std::string(buf, static_cast<size_t>(std::min<int>(n, sizeof buf - 1)));
}

// A char array of the model as a string, stopping at its size even without a terminator.
template <size_t N>
std::string field(const char (&s)[N]) {
    return std::string(s, strnlen(s, N));
}

} // namespace

bool insideMapArea(const MapGeometry& g, int x, int y) {
    return x > 5 && x < g.width() - 20 && y > 30 && y < g.height() - 15;
}

PixelPoint clampToMapArea(const MapGeometry& g, int x, int y) {
    // The upper bounds are checked first so that a map smaller than its margins still gives the
    // lower bound (the zoom code clamps the same way).
    const int maxX = g.width() - 20, maxY = g.height() - 15;
    x = std::min(x, maxX);
    y = std::min(y, maxY);
    if (x < 6) x = 5;
    if (y < 31) y = 30;
    return {x, y};
}

bool onDrawnMap(const MapGeometry& g, int x, int y) {
    return x >= 3 && x <= g.width() - 15 && y >= 25 && y <= g.height() - 15;
}

bool mapIsCut(int view, int discZoom) {
    if (view == kViewEquidistant || view == kViewCircular) return discZoom > 1;
    return isSkyView(view);
}

bool isRectangleView(int view) {
    return view == kViewQuadratic || view == kViewTrajectories || view == kViewAzimutal;
}

bool identifiableInView(int view, HitFilter& filter) {
    if (isSkyView(view)) {
        filter.bodiesOnly = false;
        return true;
    }
    if (view >= 20 && view <= 29) {
        filter.bodiesOnly = true;
        return true;
    }
    return false;
}

// ---------------------------------------------------------------------------------------------
// Rubber band

bool RubberBand::press(int view, const MapGeometry& g, int x, int y) {
    if (!isRectangleView(view) || active_ || !insideMapArea(g, x, y)) return false;
    start_ = clampToMapArea(g, x, y);
    current_ = start_;
    active_ = true;
    return true;
}

bool RubberBand::move(int view, const MapGeometry& g, int x, int y) {
    if (!isRectangleView(view)) {
        active_ = false;
        return false;
    }
    if (!active_) return false;
    current_ = clampToMapArea(g, x, y);
    return true;
}

bool RubberBand::release(SkyNavigation& nav, int view, const MapGeometry& g, int x, int y) {
    if (!active_) return false;
    active_ = false;
    current_ = clampToMapArea(g, x, y);
    if (isRectangleView(view)) zoomToRectangle(nav, view, g, start_.x, start_.y, current_.x, current_.y);
    return true;
}

// ---------------------------------------------------------------------------------------------
// Coordinates under the pointer

std::optional<std::string> statusLineText(int view, const SkyNavigation& nav, const MapGeometry& g,
                                          int x, int y) {
    if (!isRectangleView(view) || !insideMapArea(g, x, y)) return std::nullopt;
    const double W = g.width() - 25;
    const double H = g.height() - 45;
    if (W <= 0 || H <= 0) return std::nullopt;
    if (view == kViewAzimutal) {
        int w = nav.azimAz2 - nav.azimAz1;
        if (w < 0) w += 360;
        double az = (x - 5) * static_cast<double>(w) / W + (nav.azimAz1 - 180);
        if (az < 0) az += 360;
        else if (az > 360) az -= 360;
        const double el = nav.azimEl2 - (y - 30) * static_cast<double>(nav.azimEl2 - nav.azimEl1) / H;
        return format("Azim:%3.2lf\xB0 Haut:%3.2lf\xB0    ", az, el);
    }
    double ra;
    if (nav.quadRa1 < nav.quadRa2)
        ra = (x - 5) * static_cast<double>(nav.quadRa1 - nav.quadRa2) / W + nav.quadRa2;
    else
        ra = (x - 5) * static_cast<double>(nav.quadRa1 - nav.quadRa2 - 360) / W + nav.quadRa2 + 360;
    if (ra > 360) ra -= 360;
    const double dec = nav.quadDec1 - (y - 30) * static_cast<double>(nav.quadDec1 - nav.quadDec2) / H;
    return "Asc:" + hoursText(ra) + " D\xE9" "c:" + degreesText(dec) + "    ";
}

PixelPoint statusLinePosition(const MapGeometry& g) { return {g.width() + 30, g.height() - 20}; }

// ---------------------------------------------------------------------------------------------
// Hover label

std::string bodyEnglishName(const char* frenchName) {
    const std::string english = englishName(frenchName);
    return english.empty() ? std::string(frenchName) : english;
}

HoverLabel hoverLabel(const systeme& sys, const MapGeometry& g, const HitFilter& filter, int x, int y) {
    HoverLabel label;
    label.object = hoverObject(sys, x, y, filter);
    const SkyObjectRef& r = label.object;
    const int base = g.width();
    constexpr int kRow = 430, kSecondRow = 450;
    switch (r.kind) {
    case kKindNone: return label;
    case kKindPlanet:
        label.texts.push_back({base + 65, kRow, format("%s:%s", "Planet", bodyEnglishName(planetOf(sys, r)->nom).c_str())});
        return label;
    case kKindMoon: label.texts.push_back({base + 80, kRow, "Moon"}); return label;
    case kKindStar: {
        const constellation* con = constellationOf(sys, r);
        const etoile* star = starOf(sys, r);
        const std::string name = field(star->word2);
        const std::string shown = name.size() == 1 ? field(star->word1) : name;
        label.texts.push_back({base + 65, kRow, format("%s:%s", "Star", shown.c_str())});
        label.texts.push_back({base + 30, kSecondRow, format("%s:%s", "Constellation", field(con->nom).c_str())});
        if (field(con->nom) != "-") {
            for (int s = 0; s < con->nbStars && s < kMaxConstellationStars; ++s) {
                const etoile* other = con->star(s);
                if (other && insideMapArea(g, other->screenX, other->screenY) &&
                    reducedMagnitude(other->mag) < filter.starMagnitude)
                    label.constellationMarkers.push_back({other->screenX, other->screenY});
            }
            label.hoveredStar = PixelPoint{star->screenX, star->screenY};
        }
        return label;
    }
    case kKindAsteroid:
        label.texts.push_back({base + 70, kRow, format("%s:%s", "Asteroid", field(asteroidOf(sys, r)->nom).c_str())});
        return label;
    default:
        if (const ngc* o = deepSkyOf(sys, r)) label.texts.push_back({base + 70, kRow, field(o->designation)});
        return label;
    }
}

// ---------------------------------------------------------------------------------------------
// Information dialog

bool messierPictureHasCredit(const std::string& designation) {
    static const char* const kCredited[] = {"M1",  "M5",  "M17", "M20", "M27", "M42",  "M43", "M45",
                                            "M65", "M66", "M83", "M84", "M87", "M95", "M100", "M104"};
    for (const char* d : kCredited)
        if (designation == d) return true;
    return false;
}

namespace {

constexpr char kMessierCredit[] = "Picture: see pictures/CREDITS.txt";

// Position angle of the bright limb of a body at (ra, dec) lit by the Sun at (ra0, dec0), deg
// from north through east (Meeus, Astronomical Algorithms, 48.5).
double brightLimbAngle(double ra, double dec, double ra0, double dec0) {
    const double d = degToRad(dec), d0 = degToRad(dec0), da = degToRad(ra0 - ra);
    const double y = std::cos(d0) * std::sin(da);
    const double x = std::sin(d0) * std::cos(d) - std::cos(d0) * std::sin(d) * std::cos(da);
    return normalize360(radToDeg(std::atan2(y, x)));
}

// The rise, transit and set line of `body` for the model's observer, in the local day of `date`.
std::string riseTransitSetLine(const systeme& sys, const RiseSetBody& body, const date2& date) {
    const long double day = localDayStart(date.t, date.placeOffset_h());
    return riseTransitSetText(riseTransitSet(body, day, sys.latitude, sys.longitude), day);
}

} // namespace

ObjectFacts objectFacts(const systeme& sys, const SkyObjectRef& r, const date2& date) {
    ObjectFacts f;
    const soleil* sun = sys.sun();
    switch (r.kind) {
    case kKindPlanet: {
        const planete* p = planetOf(sys, r);
        if (!p) return f;
        f.kind = kKindPlanet;
        f.name = bodyEnglishName(p->nom);
        f.ra_deg = p->ra;
        f.dec_deg = p->dec;
        f.magnitude = planetMagnitude(*p);
        f.visibleFraction = visibleFraction(*p);
        f.diameter_arcsec = apparentDiameter(*p);
        if (sun) {
            f.brightLimb_deg = brightLimbAngle(p->ra, p->dec, sun->ra, sun->dec);
            f.riseTransitSet = riseTransitSetLine(sys, planetForRiseSet(*p, *sun), date);
        }
        f.pictureName = f.name;
        return f;
    }
    case kKindMoon: {
        const satellite* m = moonOf(sys);
        if (!m) return f;
        f.kind = kKindMoon;
        f.name = "Moon";
        f.ra_deg = m->ra;
        f.dec_deg = m->dec;
        f.visibleFraction = moonVisibleFraction(date);
        f.diameter_arcsec = apparentDiameter(*m);
        if (sun) {
            f.brightLimb_deg = brightLimbAngle(m->ra, m->dec, sun->ra, sun->dec);
            f.riseTransitSet = riseTransitSetLine(sys, moonForRiseSet(*m, *sun), date);
        }
        f.pictureName = "Moon";
        return f;
    }
    case kKindSun: {
        if (!sun) return f;
        f.kind = kKindSun;
        f.name = "Sun";
        f.ra_deg = sun->ra;
        f.dec_deg = sun->dec;
        f.riseTransitSet = riseTransitSetLine(sys, sunForRiseSet(*sun), date);
        f.pictureName = "Sun";
        return f;
    }
    case kKindStar: {
        const constellation* con = constellationOf(sys, r);
        const etoile* s = starOf(sys, r);
        if (!con || !s) return f;
        f.kind = kKindStar;
        f.constellation = field(con->nom);
        f.name = field(s->word2);
        if (f.name == "-") f.name = field(s->word1) + " " + field(con->abbrev);
        f.ra_deg = s->ra;
        f.dec_deg = s->dec;
        f.magnitude = reducedMagnitude(s->mag);
        f.spectralType = field(s->word3);
        f.pictureName = f.name;
        return f;
    }
    case kKindAsteroid: {
        const ::comet* c = asteroidOf(sys, r);
        if (!c) return f;
        f.kind = kKindAsteroid;
        f.name = field(c->nom);
        f.ra_deg = c->ra;
        f.dec_deg = c->dec;
        if (sun) f.riseTransitSet = riseTransitSetLine(sys, asteroidForRiseSet(*c, *sun), date);
        f.pictureName = f.name;
        return f;
    }
    default: {
        const ngc* o = deepSkyOf(sys, r);
        if (!o) return f;
        f.kind = r.kind;
        f.name = field(o->nom);
        f.number = field(o->designation);
        f.ra_deg = o->ra;
        f.dec_deg = o->dec;
        f.pictureName = f.number;
        if (messierPictureHasCredit(f.number)) f.credit = kMessierCredit;
        return f;
    }
    }
}

ObjectFacts satellFacts(const systeme& sys, int slot) {
    ObjectFacts f;
    const ::satell* s = sys.satell(slot);
    if (!s) return f;
    f.kind = kKindSatellite;
    f.name = field(s->nom);
    f.diameter_km = s->diameter;
    f.orbit_kkm = s->distance;
    f.period_days = s->period;
    f.pictureName = f.name;
    return f;
}

bool pictureAllowed(const ObjectFacts& f, const CatalogueSettings* settings) {
    if (f.kind == kKindMoon || f.kind == kKindPlanet) return settings && settings->usePlanetPictures != 0;
    if (isDeepSkyKind(f.kind) && !f.number.empty() && f.number[0] == 'M')
        return settings && settings->useMessierPictures != 0;
    return true;
}

bool alwaysLargeInfo(int kind) { return kind == kKindMoon || kind == kKindPlanet; }

bool showsPhase(const ObjectFacts& f) {
    if (f.kind == kKindMoon) return true;
    // The inner planets show phases; Mars a gibbous disc. Farther planets stay above 99 %.
    return f.kind == kKindPlanet && (f.pictureName == "Mercury" || f.pictureName == "Venus" || f.pictureName == "Mars");
}

std::vector<std::string> infoLines(const ObjectFacts& f) {
    std::vector<std::string> lines;
    lines.push_back(format("%s : %s", "Type", kindTypeText(f.kind)));
    if (f.kind == kKindMoon || f.kind == kKindPlanet || f.kind == kKindAsteroid || f.kind == kKindSatellite ||
        f.kind == kKindSun) {
        lines.push_back(format("%s : %s", "Name", f.name.c_str()));
    } else if (f.kind == kKindStar) {
        lines.push_back(format("%s : %s", "Constellation", f.constellation.c_str()));
        lines.push_back(format("%s : %s", "Name", f.name.c_str()));
    } else if (isDeepSkyKind(f.kind)) {
        if (f.name != "_") lines.push_back(format("%s : %s", "Name", f.name.c_str()));
        lines.push_back(format("%s : %s", "Number", f.number.c_str()));
    }
    if (f.kind < kKindSatellite || f.kind == kKindDeepSkyOther || f.kind == kKindSun) {
        // Right ascension in hours, minutes and seconds of time, each truncated. Asteroid right
        // ascensions come unreduced (-90 to 270) and are brought into 0-360 first.
        const double ra = std::isfinite(f.ra_deg) ? normalize360(f.ra_deg) : 0.0;
        // Whole seconds of time with a slack of 1e-6 s, so that an exact value is not cut to the
        // second below by rounding in ra/15.
        const long long secs = static_cast<long long>(std::floor(ra / 15.0 * 3600.0 + 1e-6)) % 86400;
        const int h = static_cast<int>(secs / 3600), m = static_cast<int>(secs / 60 % 60),
                  s = static_cast<int>(secs % 60);
        lines.push_back(format("%s : %dh% dm %ds", "Right ascension", h, m, s));
        lines.push_back(format("%s : %3.1lf\xB0", "Declination", f.dec_deg));
    }
    if (f.kind == kKindStar) {
        lines.push_back(format("%s : %2.1lf", " Magnitude ", f.magnitude));
        lines.push_back(format("%s : %s", "Spectral type", f.spectralType.c_str()));
    } else if (f.kind == kKindPlanet) {
        lines.push_back(format("%s : %3.1lf", " Magnitude ", f.magnitude));
    }
    if (f.kind == kKindMoon || f.kind == kKindPlanet) {
        lines.push_back(format("%s : %3.1lf%%", "Visible part", std::fabs(f.visibleFraction * 100.0)));
        lines.push_back(format("%s : %5.1lf s", "Angular diameter", f.diameter_arcsec));
    }
    if (f.kind == kKindSatellite) {
        // Days, hours and minutes of the period, each truncated.
        const double p = std::max(0.0, f.period_days);
        const int days = static_cast<int>(p);
        const double hoursExact = (p - days) * 24.0;
        const int hours = static_cast<int>(hoursExact);
        const int minutes = static_cast<int>((hoursExact - hours) * 60.0);
        lines.push_back(format("%s : %d km", "Diameter", static_cast<int>(f.diameter_km)));
        lines.push_back(format("%s : %d 000 km", "Orbite", static_cast<int>(f.orbit_kkm)));
        lines.push_back(format("%s : %d j %d h %d mn", "Rotation period", days, hours, minutes));
    }
    if (!f.riseTransitSet.empty()) lines.push_back(f.riseTransitSet);
    return lines;
}

// ---------------------------------------------------------------------------------------------
// Search

SearchList searchList(const systeme& sys, SearchCatalogue catalogue) {
    SearchList list;
    auto add = [&](std::string text, SkyObjectRef ref) { list.entries.push_back({std::move(text), ref}); };
    switch (catalogue) {
    case SearchCatalogue::Planets: {
        SkyObjectRef sun;
        sun.kind = kKindSun;
        add("Sun", sun);
        for (int k = 0; k < sys.planetCount(); ++k) {
            const planete* p = sys.planet(k);
            if (!p || isEarth(*p)) continue;
            SkyObjectRef ref;
            ref.kind = kKindPlanet;
            ref.planet = k;
            add(bodyEnglishName(p->nom), ref);
        }
        SkyObjectRef moon;
        moon.kind = kKindMoon;
        add("Moon", moon);
        list.selected = 0;
        break;
    }
    case SearchCatalogue::Stars: {
        for (int c = 0; c < sys.constellationCount(); ++c) {
            const constellation* con = sys.constellation(c);
            if (!con) continue;
            for (int s = 0; s < con->nbStars && s < kMaxConstellationStars; ++s) {
                const etoile* st = con->star(s);
                if (!st) continue;
                SkyObjectRef ref;
                ref.kind = kKindStar;
                ref.constellation = c;
                ref.star = s;
                const std::string name = field(st->word2), desig = field(st->word1), abbrev = field(con->abbrev);
                if (name != "-") {
                    add(name, ref);
                } else if (desig != "-" && abbrev != "-") {
                    std::string text = desig + " " + abbrev;
                    if (!text.empty() && text[0] != ' ') add(text, ref);
                }
                if (c == 0 && s == 0 && !list.entries.empty() && list.entries.back().object == ref)
                    list.selected = static_cast<int>(list.entries.size()) - 1;
            }
        }
        if (list.selected < 0 && !list.entries.empty()) list.selected = 0;
        break;
    }
    case SearchCatalogue::Messier:
    case SearchCatalogue::NGC: {
        const char letter = catalogue == SearchCatalogue::Messier ? 'M' : 'N';
        for (int k = 0; k < sys.deepSkyCount(); ++k) {
            const ngc* o = sys.deepSky(k);
            if (!o || o->catalogueLetter() != letter) continue;
            SkyObjectRef ref;
            const int64_t kind = static_cast<int64_t>(kKindDeepSkyBase) + o->type;
            ref.kind = kind >= 3 && kind <= 10 ? static_cast<int>(kind) : kKindDeepSkyOther;
            ref.deepSky = k;
            add(field(o->designation), ref);
        }
        if (!list.entries.empty()) list.selected = 0;
        break;
    }
    case SearchCatalogue::Asteroids: {
        for (int k = 0; k < kMaxComets - 1; ++k) {
            const int idx = sys.selectedComets[k];
            if (idx < 0) break;
            if (idx >= static_cast<int>(sys.comets.size()) || !sys.comets[idx]) continue;
            SkyObjectRef ref;
            ref.kind = kKindAsteroid;
            ref.comet = idx;
            add(field(sys.comets[idx]->nom), ref);
        }
        if (!list.entries.empty()) list.selected = 0;
        break;
    }
    }
    return list;
}

SearchOutcome searchOutcome(const systeme& sys, const SkyObjectRef& object, int view, const MapGeometry& g,
                            int discZoom) {
    SearchOutcome out;
    out.point = screenPointOf(sys, object);
    bool storedByView = isSkyView(view);
    if (view >= 20 && view <= 29) storedByView = object.kind == kKindPlanet || object.kind == kKindAsteroid;
    out.visible = object.found() && storedByView && out.point.x > 0 && out.point.x < g.clientWidth &&
                  out.point.y > 0 && out.point.y < g.clientHeight;
    // A zoomed disc stores points beyond the map, where its copy to the window clips them away:
    // where the map is cut only points within the drawn map count.
    if (out.visible && mapIsCut(view, discZoom)) out.visible = onDrawnMap(g, out.point.x, out.point.y);
    if (!out.visible) {
        out.message = "Object not visible";
        out.caption = "It is may be too soon";
    }
    return out;
}

} // namespace skymap
