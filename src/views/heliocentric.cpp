// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/heliocentric.h"

#include "astro/date2.h"
#include "astro/planets.h"
#include "catalog/paths.h"
#include "catalog/systeme.h"
#include "gfx/canvas.h"
#include "gfx/icons.h"
#include "gfx/parametre_affichage.h"
#include "views/helio_icons.h"
#include "views/orbit_file.h"

#include <cstdio>

namespace views {

namespace {

constexpr int kMaxSelected = 2999;

bool saving(const ParametreAffichage& o) {
    return o.whiteScheme;
}
bool blackWhite(const ParametreAffichage& o) {
    return o.whiteScheme && o.saveBlackWhite;
}

// Brush 3 and pen 2 on screen, brush 1 and pen 0 in a saved picture.
void selectAreaTools(gfx::Canvas& c, const ParametreAffichage& o) {
    c.selectBrush(saving(o) ? 1 : 3);
    c.selectPen(saving(o) ? 0 : 2);
}

void ensureIcons() {
    if (!gfx::icon(kHelioSun)) registerHelioIcons();
}

void placeBody(gfx::Canvas& screen, const HelioScene& s, double k, objetceleste& body, int icon, int& drawn) {
    const ScreenPoint p =
        helioScreenPoint(*s.camera, helioModelPoint(body.beta, body.lambda, body.r), k, s.layout);
    body.screenX = p.x;
    body.screenY = p.y;
    if (!insideHelio(p, s.layout)) return;
    screen.drawIcon(p.x - 16, p.y - 16, helioIconInSet(icon, blackWhite(*s.options)));
    ++drawn;
}

} // namespace

HelioLayout helioLayoutOf(const systeme& sys) {
    return {static_cast<int>(sys.mapWidth), static_cast<int>(sys.clientHeight)};
}

OrbitLayerStats drawOrbits(gfx::Canvas& layer, const HelioScene& s) {
    OrbitLayerStats stats;
    const ParametreAffichage& o = *s.options;
    const HelioLayout& l = s.layout;
    const double k = helioPixelFactor(s.zoom);
    o.attach(layer);
    selectAreaTools(layer, o);
    layer.rectangle(5, 45, l.width - 5, l.height - 7);

    const std::string path = s.orbitPath.empty() ? findDataFile("trajec.nal") : s.orbitPath;
    const OrbitFile file = readOrbitFile(path);
    if (!file.ok()) return stats;
    stats.fileRead = true;
    stats.orbits = static_cast<int>(file.orbits.size());
    // Above the ecliptic pen 1, below it pen 20; a saved picture draws every line in pen 3, or in
    // black (pen 0) in the black-and-white scheme, whose pen 3 is white on white.
    const int above = blackWhite(o) ? 0 : saving(o) ? 3 : 1;
    const int below = blackWhite(o) ? 0 : saving(o) ? 3 : 20;
    for (const std::vector<Vec3>& orbit : file.orbits) {
        ScreenPoint previous{};
        bool previousInside = false;
        for (size_t i = 0; i < orbit.size(); ++i) {
            const ScreenPoint p = helioScreenPoint(*s.camera, orbit[i], k, l);
            const bool inside = insideHelio(p, l);
            // A line is skipped, not clipped, when either end is outside.
            if (i >= 1 && inside && previousInside) {
                layer.selectPen(orbit[i].z >= 0 ? above : below);
                layer.line(previous.x, previous.y, p.x, p.y);
                ++stats.segments;
            }
            previous = p;
            previousInside = inside;
        }
    }
    return stats;
}

HelioStats drawHeliocentricView(gfx::Canvas& screen, gfx::Canvas& layer, HelioScene& s) {
    HelioStats stats;
    systeme& sys = *s.sys;
    const ParametreAffichage& o = *s.options;
    const HelioLayout& l = s.layout;
    if (s.computePositions) sys.computePositions(*s.date, true);
    ensureIcons();
    const double k = helioPixelFactor(s.zoom);

    o.attach(layer);
    selectAreaTools(layer, o);
    layer.rectangle(5, 10, l.width - 5, 30);
    screen.copyFrom(layer, 5, 45, l.width - 10, l.height - 52, 5, 45);

    const ScreenPoint sun = sunIconCorner(l);
    screen.drawIcon(sun.x, sun.y, helioIconInSet(kHelioSun, blackWhite(o)));

    for (int i = 0; i < sys.planetCount(); ++i)
        if (planete* planet = sys.planet(i))
            placeBody(screen, s, k, *planet, helioIconOf(planet->nom), stats.planetsDrawn);

    if (const soleil* sunBody = sys.sun()) {
        for (int i = 0; i < kMaxSelected; ++i) {
            const int index = sys.selectedComets[static_cast<size_t>(i)];
            if (index < 0 || index >= sys.cometCount()) break; // -1 ends the list
            ::comet* body = sys.comet(index);
            if (!body) break;
            cometPosition(*body, *s.date, *sunBody);
            placeBody(screen, s, k, *body, kHelioAsteroid, stats.asteroidsDrawn);
        }
    }
    return stats;
}

void drawHeliocentricLegend(gfx::Canvas& screen, const HelioScene& s) {
    const ParametreAffichage& o = *s.options;
    const int W = s.layout.width;
    ensureIcons();
    screen.selectFont(gfx::FontId::Arial14);
    screen.setBackgroundMode(gfx::BackgroundMode::Transparent);
    screen.setTextColour(gfx::rgb(0, 0, 0));
    screen.textOut(W + 70, 5, "LEGEND");
    struct Row {
        int icon;
        const char* name;
    };
    static constexpr Row rows[] = {
        {kHelioMercury, "Mercury"},   {kHelioVenus, "Venus"},   {kHelioMars, "Mars"},
        {kHelioJupiter, "Jupiter"},   {kHelioSaturn, "Saturn"}, {kHelioUranus, "Uranus"},
        {kHelioNeptune, "Neptune"},   {kHelioPluto, "Pluto"},   {kHelioEarth, "Earth"},
        {kHelioAsteroid, "Asteroid"}, {kHelioSun, "Sun"}};
    int y = 40;
    for (const Row& r : rows) {
        screen.drawIcon(W + 10, y, helioIconInSet(r.icon, blackWhite(o)));
        screen.textOut(W + 50, y + 5, r.name);
        y += 20;
    }
    char text[128];
    std::snprintf(text, sizeof text, "%s : %s", "UT", s.date->texteHeureDate().c_str());
    screen.textOut(W + 30, 270, text);
    std::snprintf(text, sizeof text, "%s : %s", "Local time", s.date->texteHeureDateLieu().c_str());
    screen.textOut(W + 30, 290, text);
}

std::string showHeliocentricHit(gfx::Canvas& screen, const HelioScene& s, int mx, int my) {
    const systeme& sys = *s.sys;
    const ParametreAffichage& o = *s.options;
    const int W = s.layout.width;
    char text[64] = {};
    int x = 0;
    for (int i = sys.planetCount() - 1; i >= 0 && !text[0]; --i) {
        const planete* p = sys.planet(i);
        if (p && helioHit({p->screenX, p->screenY}, mx, my)) {
            std::snprintf(text, sizeof text, "%s : %.14s", "Planet", p->nom);
            x = W + 65;
        }
    }
    for (int i = 0; i < kMaxSelected && !text[0]; ++i) {
        const int index = sys.selectedComets[static_cast<size_t>(i)];
        if (index < 0 || index >= sys.cometCount()) break;
        const ::comet* c = sys.comet(index);
        if (c && helioHit({c->screenX, c->screenY}, mx, my)) {
            std::snprintf(text, sizeof text, "%s : %.14s", "Asteroid", c->nom);
            x = W + 70;
        }
    }
    // The row of the legend panel, in the panel's colour, so that texts never pile up.
    screen.fillRect(W + 2, 448, s.clientWidth - 3, 468, o.palette.brush(o.whiteScheme ? 1 : 33).colour);
    if (!text[0]) return {};
    screen.selectFont(gfx::FontId::Arial14);
    screen.setBackgroundMode(gfx::BackgroundMode::Transparent);
    screen.setTextColour(gfx::rgb(0, 0, 0));
    screen.textOut(x, 450, text);
    return text;
}

} // namespace views
