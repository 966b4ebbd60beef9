// SPDX-License-Identifier: GPL-3.0-or-later
// Sky map rendering through the canvas: frames, labels, layers in their drawing order and the
// screen points of every drawn object.
#include "skymap/sky_render.h"

#include "astro/angles.h"
#include "astro/date2.h"
#include "astro/moon.h"
#include "astro/planets.h"
#include "astro/sun.h"
#include "catalog/paths.h"
#include "catalog/prompter.h"
#include "catalog/star_store.h"
#include "catalog/systeme.h"
#include "gfx/canvas.h"
#include "gfx/icons.h"
#include "gfx/parametre_affichage.h"
#include "skymap/sky_icons.h"
#include "skymap/star_painter.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <numbers>
#include <string>
#include <string_view>

namespace skymap {

namespace {

constexpr double kDegToRad = std::numbers::pi / 180.0;
constexpr int kHidden = -100; // the model's "not drawn" screen x
constexpr gfx::Rgb kLabelGrey = gfx::rgb(200, 200, 200);

StarDepth starDepthOf(const ParametreAffichage& o) {
    StarDepth d;
    d.starMagnitude = o.starMagnitude;
    d.autoMagnitude = o.autoMagnitude;
    d.gscMinMagnitude = o.gscMinMagnitude;
    d.gscMaxMagnitude = o.gscMaxMagnitude;
    d.starScale = o.starScale;
    d.animating = o.animating;
    return d;
}


MapGeometry geometryOf(const systeme& sys) {
    MapGeometry g;
    g.clientWidth = sys.clientWidth;
    g.clientHeight = sys.clientHeight;
    g.mapWidth = sys.mapWidth;
    g.mapRadius = sys.mapRadius;
    return g;
}

DiscZoom discZoomOf(const ParametreAffichage& o, int view) {
    if (view == kViewEquidistant) return {o.equidistantZoom, o.equidistantPanX, o.equidistantPanY};
    if (view == kViewCircular) return {o.circularZoom, o.circularPanX, o.circularPanY};
    return {};
}

// Projects sky points for one paint: horizontal coordinates with the latitude's sine and cosine
// computed once, and the projection of the frame.
class Projector {
public:
    Projector(const ProjectionFrame& frame, double lonWest_deg, double lat_deg, double sidereal_deg)
        : frame_(frame), sidereal_(sidereal_deg) {
        if (frame.kind == ProjectionKind::Equidistant) {
            // The pole observer of the hemisphere: longitude 0, latitude +-90.
            lon_ = 0;
            lat_ = lat_deg >= 0 ? 90 : -90;
        } else {
            lon_ = lonWest_deg;
            lat_ = lat_deg;
        }
        sinPhi_ = std::sin(lat_ * kDegToRad);
        cosPhi_ = std::cos(lat_ * kDegToRad);
        sinRot_ = std::sin(frame.rotation_deg * kDegToRad);
        cosRot_ = std::cos(frame.rotation_deg * kDegToRad);
        needsHorizontal_ = frame.kind == ProjectionKind::Equidistant || frame.kind == ProjectionKind::Circular ||
                           frame.kind == ProjectionKind::AzimutalWindow;
    }

    std::optional<PixelPoint> operator()(double dec_deg, double ra_deg) const {
        if (!needsHorizontal_) return projectSky(frame_, 0, 0, dec_deg, ra_deg);
        if (frame_.kind == ProjectionKind::AzimutalWindow) {
            double alt, az;
            horizontal(dec_deg, ra_deg, alt, az);
            return projectSky(frame_, alt, az, dec_deg, ra_deg);
        }
        const double d = dec_deg * kDegToRad;
        return disc(ra_deg, std::sin(d), std::cos(d));
    }

    // A star with the sine and cosine of its declination known (a star store's columns).
    std::optional<PixelPoint> star(double dec_deg, double ra_deg, double sinDec, double cosDec) const {
        if (!needsHorizontal_) return projectSky(frame_, 0, 0, dec_deg, ra_deg);
        if (frame_.kind == ProjectionKind::AzimutalWindow) {
            double alt, az;
            horizontalOf(ra_deg, sinDec, cosDec, alt, az);
            return projectSky(frame_, alt, az, dec_deg, ra_deg);
        }
        // The highest the star climbs bounds its altitude's sine whatever the hour angle
        // (|cos H| <= 1 and rounding keeps the order), so a star that never climbs above the
        // disc's rim is dropped before any trigonometry.
        const double highest = sinPhi_ * sinDec + std::fabs(cosPhi_ * cosDec);
        if (frame_.kind == ProjectionKind::Circular ? highest <= 0 : highest < kEquidistantRimSine)
            return std::nullopt;
        return disc(ra_deg, sinDec, cosDec);
    }

    // Same formulas as altitudeOf and azimuthOf, sharing the trigonometry.
    void horizontal(double dec_deg, double ra_deg, double& alt, double& az) const {
        const double d = dec_deg * kDegToRad;
        horizontalOf(ra_deg, std::sin(d), std::cos(d), alt, az);
    }

    const ProjectionFrame& frame() const { return frame_; }

  private:
    // The equidistant map's rim: altitude -45 degrees, with a hair of margin.
    static constexpr double kEquidistantRimSine = -0.7072;

    // Disc kinds: the azimuth's sine and cosine are those of the horizontal vector
    // (sin H, cos H sin phi - tan dec cos phi), normalised; no angle is needed.
    std::optional<PixelPoint> disc(double ra_deg, double sd, double cd) const {
        const double H = (sidereal_ - (lon_ + ra_deg)) * kDegToRad;
        const double sH = std::sin(H), cH = std::cos(H);
        const double sinAlt = sinPhi_ * sd + cosPhi_ * cd * cH;
        // Points certainly below the rim are dropped before the arc sine.
        if (frame_.kind == ProjectionKind::Circular ? sinAlt <= 0 : sinAlt < kEquidistantRimSine)
            return std::nullopt;
        const double alt = std::asin(std::clamp(sinAlt, -1.0, 1.0)) / kDegToRad;
        const double num = sH, den = cH * sinPhi_ - (sd / cd) * cosPhi_;
        const double rho = std::sqrt(num * num + den * den);
        double sinA, cosA;
        if (rho > 0) {
            sinA = num / rho;
            cosA = den / rho;
        } else { // at the pole of the observer: the azimuth rule for a zero denominator
            sinA = sH > 0 ? 1 : -1;
            cosA = 0;
        }
        if (frame_.kind == ProjectionKind::Equidistant)
            return projectDisc(frame_, alt, sinA * cosRot_ + cosA * sinRot_, cosA * cosRot_ - sinA * sinRot_);
        return projectDisc(frame_, alt, sinA, cosA);
    }

    void horizontalOf(double ra_deg, double sd, double cd, double& alt, double& az) const {
        const double H = (sidereal_ - (lon_ + ra_deg)) * kDegToRad;
        const double sH = std::sin(H), cH = std::cos(H);
        alt = std::asin(std::clamp(sinPhi_ * sd + cosPhi_ * cd * cH, -1.0, 1.0)) / kDegToRad;
        const double den = cH * sinPhi_ - (sd / cd) * cosPhi_;
        double A;
        if (den > 0)
            A = std::atan(sH / den) / kDegToRad;
        else if (den < 0)
            A = std::atan(sH / den) / kDegToRad + 180;
        else
            A = sH > 0 ? 90 : 270;
        if (A < 0) A += 360;
        if (A >= 360) A -= 360;
        az = A;
    }

    ProjectionFrame frame_;
    double sidereal_;
    double lon_ = 0, lat_ = 0, sinPhi_ = 0, cosPhi_ = 1, sinRot_ = 0, cosRot_ = 1;
    bool needsHorizontal_ = true;
};

template <class T> void storePoint(T& object, const std::optional<PixelPoint>& p) {
    if (p) {
        object.screenX = p->x;
        object.screenY = p->y;
    } else {
        object.screenX = kHidden;
        object.screenY = kHidden;
    }
}

bool blackWhiteScheme(const ParametreAffichage& o) { return o.whiteScheme && o.saveBlackWhite; }

int iconFor(int id, const ParametreAffichage& o) { return blackWhiteScheme(o) ? id + kBlackWhiteOffset : id; }

void drawIconAt(gfx::Canvas& canvas, PixelPoint p, int id, const ParametreAffichage& o) {
    canvas.drawIcon(p.x - 16, p.y - 16, iconFor(id, o));
}

// The sky icons are drawn once per program, on the first paint that needs them.
void ensureSkyIcons() {
    if (!gfx::icon(kIconSun)) registerSkyIcons();
}

planete* earthOf(const systeme& sys) {
    for (int k = 0; k < sys.planetCount(); ++k)
        if (planete* p = sys.planet(k); p && std::strcmp(p->nom, "Terre") == 0) return p;
    return sys.planet(2);
}

objetceleste* moonOf(const systeme& sys) {
    planete* earth = earthOf(sys);
    return earth ? earth->getSatellite(0) : nullptr;
}

void labelText(gfx::Canvas& canvas, const ParametreAffichage& o, int x, int y, const std::string& text) {
    canvas.setBackgroundMode(gfx::BackgroundMode::Transparent);
    canvas.setTextColour(o.whiteScheme ? gfx::rgb(0, 0, 0) : kLabelGrey);
    canvas.textOut(x, y, text);
}

std::string degreesLabel(int v) { return std::to_string(v) + "\xB0"; }

int azimuthLabel(double A) { return static_cast<int>(A > 359 ? A - 540 : A - 180); }

// --- frames --------------------------------------------------------------------------------------

void discFrame(gfx::Canvas& canvas, const MapGeometry& g, const DiscZoom& z, int skyBrush,
               const ParametreAffichage& o) {
    const int R = g.radius(), cx = g.centreX();
    const int64_t RZ = int64_t(R) * z.zoom;
    const int64_t ccx = cx + int64_t(z.panX) * z.zoom, ccy = R + 40 + int64_t(z.panY) * z.zoom;
    auto clampPx = [](int64_t v) { return static_cast<int>(std::clamp<int64_t>(v, -2000000000, 2000000000)); };
    canvas.selectBrush(skyBrush);
    canvas.selectPen(o.whiteScheme ? 0 : 2);
    canvas.ellipse(clampPx(ccx - RZ), clampPx(ccy - RZ), clampPx(ccx + RZ), clampPx(ccy + RZ));
}

void drawEquidistantFrame(gfx::Canvas& canvas, const MapGeometry& g, const DiscZoom& z, int skyBrush,
                      const ParametreAffichage& o, double lat_deg) {
    discFrame(canvas, g, z, skyBrush, o);
    const int R = g.radius(), cx = g.centreX();
    const double RZ = double(R) * z.zoom;
    const double ccx = cx + double(z.panX) * z.zoom, ccy = R + 40 + double(z.panY) * z.zoom;
    const double r0 = RZ * 2.0 / 3.0;
    canvas.setBrush(gfx::Brush{0, true});
    canvas.selectPen(o.whiteScheme ? 0 : 2);
    canvas.ellipse(int(ccx - r0), int(ccy - r0), int(ccx + r0), int(ccy + r0));
    // The horizon of the observer, approximated by an ellipse.
    const double k = 1.34 - 0.003778 * std::fabs(lat_deg);
    const double hx = r0 * k, hy = r0;
    const double hcy = ccy + RZ * (90 - std::fabs(lat_deg)) / 135;
    canvas.selectPen(1);
    canvas.ellipse(int(ccx - hx), int(hcy - hy), int(ccx + hx), int(hcy + hy));
}

void drawCircularFrame(gfx::Canvas& canvas, const MapGeometry& g, const DiscZoom& z, int skyBrush,
                       const ParametreAffichage& o) {
    discFrame(canvas, g, z, skyBrush, o);
    if (z.zoom == 1) {
        const int R = g.radius(), cx = g.centreX(), W = g.width();
        // These three stand outside the disc, on the window's grey: written in black there, as
        // the light grey of the other labels would not show.
        auto outside = [&](int x, int y, const char* text) {
            canvas.setBackgroundMode(gfx::BackgroundMode::Transparent);
            canvas.setTextColour(gfx::rgb(0, 0, 0));
            canvas.textOut(x, y, text);
        };
        outside(cx + z.panX - 15, 28, "North");
        outside(W / 5 + z.panX - 15, R / 5 + 30, "East");
        outside(W * 4 / 5 + z.panX, R / 5 + 30, "West");
    }
}

void rectangleFrame(gfx::Canvas& canvas, const MapGeometry& g, int brush, const ParametreAffichage& o) {
    canvas.selectBrush(brush);
    canvas.selectPen(o.whiteScheme ? 0 : 2);
    canvas.rectangle(5, 30, g.width() - 20, g.height() - 15);
}

void azimutalLabels(gfx::Canvas& canvas, const MapGeometry& g, const AzimutalBounds& b,
                    const ParametreAffichage& o) {
    const int W = g.width(), H = g.height();
    labelText(canvas, o, 7, H - 30, degreesLabel(azimuthLabel(b.azLeft)));
    labelText(canvas, o, W - 50, H - 30, degreesLabel(azimuthLabel(b.azRight)));
    labelText(canvas, o, W - 50, 32, degreesLabel(static_cast<int>(b.elMax)));
    labelText(canvas, o, W - 50, H - 50, degreesLabel(static_cast<int>(b.elMin)));
    const double L = b.azLeft, R0 = b.azRight;
    struct Cardinal {
        const char* text;
        double A, rightAbove, leftBelow;
    };
    static const Cardinal cardinals[] = {
        {"S", 360, 380, 340}, {"N", 180, 200, 160}, {"O", 90, 110, 50},  {"E", 270, 290, 250},
        {"N", 540, 560, 520}, {"O", 450, 470, 410}, {"E", 630, 650, 610},
    };
    for (const Cardinal& c : cardinals)
        if (R0 > c.rightAbove && L < c.leftBelow)
            labelText(canvas, o, static_cast<int>((W - 20) * (c.A - L) / (R0 - L) + 7), H - 30, c.text);
}

void quadraticLabels(gfx::Canvas& canvas, const MapGeometry& g, const QuadraticBounds& b,
                     const ParametreAffichage& o) {
    const int W = g.width(), H = g.height();
    auto hours = [](double ra) {
        while (ra > 360) ra -= 360;
        return std::to_string(static_cast<int>(ra / 15)) + "h";
    };
    labelText(canvas, o, 7, H - 30, hours(b.raLeft));
    labelText(canvas, o, W - 50, H - 30, hours(b.raRight));
    labelText(canvas, o, W - 50, 32, degreesLabel(static_cast<int>(b.decMax)));
    labelText(canvas, o, W - 50, H - 50, degreesLabel(static_cast<int>(b.decMin)));
}

// --- layers --------------------------------------------------------------------------------------

struct PaintContext {
    const Projector& project;
    const MapGeometry& g;
    SkyScene& scene;
    PaintStats& stats;
    gfx::Rgb background;
    StarStyle starStyle;
    const StarDepth& depth; // this paint's limit and star size, not the user's setting
};

void paintBorders(gfx::Canvas& canvas, PaintContext& c) {
    const systeme& sys = *c.scene.sys;
    const int half = c.g.width() / 2;
    canvas.selectPen(1);
    for (int l = 0; l < sys.borderLineCount(); ++l) {
        const BorderLine* line = sys.borderLine(l);
        std::optional<PixelPoint> previous;
        const int n = std::min<int>(line->count, kMaxBorderLinePoints);
        for (int k = 0; k < n; ++k) {
            const BorderPoint* bp = sys.borderPoint(line->points[k]);
            std::optional<PixelPoint> p = bp ? c.project(bp->dec, bp->ra) : std::nullopt;
            if (p && previous && segmentWithin(*previous, *p, half, 1 << 30)) {
                canvas.lineTo(p->x, p->y);
                ++c.stats.borderSegments;
            } else if (p) {
                canvas.moveTo(p->x, p->y);
            }
            previous = p;
        }
    }
}

void paintConstellationLines(gfx::Canvas& canvas, PaintContext& c) {
    const systeme& sys = *c.scene.sys;
    canvas.selectPen(16);
    for (int k = 0; k < sys.constellationCount(); ++k) {
        const ::constellation* con = sys.constellation(k);
        for (int s = 0; s < con->nbStars; ++s) {
            const etoile* from = con->star(s);
            if (!from || from->screenX <= 0) continue;
            for (int l = 0; l < kMaxStarLinks; ++l) {
                const int target = from->links[l];
                if (target < 0) break;
                const etoile* to = con->star(target);
                if (!to || to->screenX <= 0) continue;
                const PixelPoint a{from->screenX, from->screenY}, b{to->screenX, to->screenY};
                if (!segmentWithin(a, b, 100, 1 << 30)) continue;
                canvas.line(a.x, a.y, b.x, b.y);
                ++c.stats.constellationLines;
            }
        }
    }
}

void paintStars(gfx::Canvas& canvas, PaintContext& c) {
    const systeme& sys = *c.scene.sys;
    const double limit = c.depth.starMagnitude;
    for (int k = 0; k < sys.constellationCount(); ++k) {
        const ::constellation* con = sys.constellation(k);
        for (int s = 0; s < con->nbStars; ++s) {
            const etoile* st = con->star(s);
            if (!st || st->screenX <= 0) continue;
            if (!(st->mag < limit && st->mag < 6)) continue;
            drawStar(canvas, {st->screenX, st->screenY}, st->mag, spectralColourIndex(st->word3), c.background,
                     st->word2, c.starStyle);
            ++c.stats.starsDrawn;
        }
    }
    if (sys.catalogueSettings) {
        StarStyle plain = c.starStyle;
        plain.showNames = false;
        const ProjectionFrame& f = c.project.frame();
        StarWindow window;
        if (f.kind == ProjectionKind::Quadratic || f.kind == ProjectionKind::QuadraticTrajectories)
            window = StarWindow{f.c1, f.c2, f.c3, f.c4};
        const CatalogueSettings& settings = *sys.catalogueSettings;
        StarStore paintOnly; // without the model's store the files are read for this paint
        StarStore& store = c.scene.starStore ? *c.scene.starStore : paintOnly;
        c.stats.catalogueStars += static_cast<int>(forEachStarFileStar(
            store, settings, c.depth.starMagnitude, c.scene.starFiles,
            [&](const StarColumns& stars, std::size_t i, StarSource) {
                const auto p =
                    c.project.star(stars.dec_deg[i], stars.ra_deg[i], stars.sinDec[i], stars.cosDec[i]);
                if (!p) return;
                drawStar(canvas, *p, stars.mag[i], 1, c.background, nullptr, plain);
                ++c.stats.starsDrawn;
            }));
        RecordingPrompter cancel; // without a prompter every question is answered Cancel
        Prompter& prompter = c.scene.prompter ? *c.scene.prompter : cancel;
        forEachGscStar(
            static_cast<int>(f.kind), window, settings, c.depth, prompter,
            [&](double ra, double dec, double mag, StarSource) {
                ++c.stats.catalogueStars;
                const auto p = c.project(dec, ra);
                if (!p) return;
                drawStar(canvas, *p, mag, 1, c.background, nullptr, plain);
                ++c.stats.starsDrawn;
            },
            c.scene.starFiles);
    }
}

void paintDeepSky(gfx::Canvas& canvas, PaintContext& c, char letter, bool shown) {
    systeme& sys = *c.scene.sys;
    const ParametreAffichage& o = *c.scene.options;
    for (int k = 0; k < sys.deepSkyCount(); ++k) {
        ngc* obj = sys.deepSky(k);
        if (!obj || obj->catalogueLetter() != letter) continue;
        if (!shown) {
            storePoint(*obj, std::nullopt); // a hidden layer cannot be identified
            continue;
        }
        const auto p = c.project(obj->dec, obj->ra);
        storePoint(*obj, p);
        const int icon = deepSkyIconId(obj->type);
        if (!p || icon == 0) continue;
        drawIconAt(canvas, *p, icon, o);
        ++c.stats.deepSkyDrawn;
    }
}

void paintNgc2000(gfx::Canvas& canvas, PaintContext& c) {
    std::string path = c.scene.ngc2000Path;
    if (path.empty()) path = findDataFile("ngc2000.dat");
    if (path.empty()) return;
    const ParametreAffichage& o = *c.scene.options;
    forEachNgc2000(path, [&](int icon, double ra, double dec) {
        if (icon == 0) return;
        const auto p = c.project(dec, ra);
        if (!p) return;
        drawIconAt(canvas, *p, icon, o);
        ++c.stats.ngcStreamed;
    });
}

void paintAsteroids(gfx::Canvas& canvas, PaintContext& c) {
    systeme& sys = *c.scene.sys;
    const soleil* sun = sys.sun();
    if (!sun) return;
    for (int k = 0; k < 2999; ++k) {
        const int index = sys.selectedComets[k];
        if (index < 0 || index >= sys.cometCount()) break;
        ::comet* body = sys.comet(index);
        if (!body) break;
        cometPosition(*body, *c.scene.date, *sun);
        const auto p = c.project(body->dec, body->ra);
        storePoint(*body, p);
        if (!p) continue;
        drawIconAt(canvas, *p, kIconAsteroid, *c.scene.options);
        ++c.stats.asteroidsDrawn;
    }
}

void paintTrajectories(gfx::Canvas& canvas, PaintContext& c) {
    systeme& sys = *c.scene.sys;
    const ParametreAffichage& o = *c.scene.options;
    if (!sys.sun()) return;
    const planete* earth = earthOf(sys);
    for (int k = 0; k < sys.planetCount(); ++k) {
        planete* planet = sys.planet(k);
        if (!planet || planet == earth) continue;
        planet->screenX = kHidden;
        planet->screenY = 0;
        canvas.selectPen(blackWhiteScheme(o) ? 0 : 4 + k);
        // Work on copies so that the model keeps the positions of the current date.
        planete body = *planet;
        soleil sun = *sys.sun();
        date2 d = *c.scene.date;
        std::optional<PixelPoint> previous;
        for (int step = 0; step < 500; ++step) {
            if (step > 0) d.t += 1.0L / 36525.0L;
            sunPosition(sun, d);
            planetPosition(body, d, sun);
            const auto p = c.project(body.dec, body.ra);
            if (p && previous && segmentWithin(*previous, *p, 50, 50)) {
                canvas.line(previous->x, previous->y, p->x, p->y);
                ++c.stats.trajectorySegments;
            }
            previous = p;
        }
    }
}

void paintPlanets(gfx::Canvas& canvas, PaintContext& c) {
    systeme& sys = *c.scene.sys;
    const planete* earth = earthOf(sys);
    for (int k = 0; k < sys.planetCount(); ++k) {
        planete* planet = sys.planet(k);
        if (!planet || planet == earth) continue;
        const auto p = c.project(planet->dec, planet->ra);
        storePoint(*planet, p);
        if (!p) continue;
        drawIconAt(canvas, *p, planetIconId(planet->nom), *c.scene.options);
        ++c.stats.planetsDrawn;
    }
}

void paintMoon(gfx::Canvas& canvas, PaintContext& c) {
    systeme& sys = *c.scene.sys;
    objetceleste* moon = moonOf(sys);
    const soleil* sun = sys.sun();
    if (!moon || !sun) return;
    const auto p = c.project(moon->dec, moon->ra);
    storePoint(*moon, p);
    if (!p) return;
    drawIconAt(canvas, *p, kIconMoon, *c.scene.options);
    c.stats.moonDrawn = true;
    if (static_cast<int>(moon->dec - sun->dec) == 0 && static_cast<int>(moon->ra - sun->ra) == 0) {
        drawIconAt(canvas, *p, kIconEclipse, *c.scene.options);
        c.stats.eclipseMarker = true;
    }
}

} // namespace

StarDepth viewStarDepth(const ParametreAffichage& o, const CatalogueSettings& settings, int view,
                        double width_deg, double height_deg) {
    const double Z = view == kViewEquidistant ? o.equidistantZoom : (view == kViewCircular ? o.circularZoom : 1);
    StarDepth d = starDepthOf(o);
    updateStarDepth(static_cast<int>(kindOfView(view)), Z, width_deg, height_deg, settings, d);
    return d;
}

PaintStats paintSkyView(gfx::Canvas& canvas, int view, SkyScene& scene) {
    PaintStats stats;
    if (!scene.sys || !scene.date || !scene.options || !isSkyView(view)) return stats;
    ensureSkyIcons();
    systeme& sys = *scene.sys;
    ParametreAffichage& o = *scene.options;
    SkyNavigation fallbackNav;
    SkyNavigation& nav = scene.nav ? *scene.nav : fallbackNav;
    if (scene.computePositions) sys.computePositions(*scene.date, true);

    const MapGeometry g = geometryOf(sys);
    const double theta = siderealTime(*scene.date);
    const double lon = sys.longitude, lat = sys.latitude;
    const soleil* sun = sys.sun();
    stats.sunAltitude_deg = sun ? altitudeOf(lon, lat, sun->dec, sun->ra, theta) : -90;
    const int skyBrush = selectSkyBrush(stats.sunAltitude_deg, o.whiteScheme);
    stats.skyBrush = skyBrush;
    const CatalogueSettings settings = sys.catalogueSettings ? *sys.catalogueSettings : CatalogueSettings{};

    // A disc view drawn unzoomed forgets its pans.
    if (view == kViewEquidistant && o.equidistantZoom <= 1) {
        o.equidistantZoom = 1;
        o.equidistantPanX = o.equidistantPanY = 0;
    }
    if (view == kViewCircular && o.circularZoom <= 1) {
        o.circularZoom = 1;
        o.circularPanX = o.circularPanY = 0;
    }
    const DiscZoom zoom = discZoomOf(o, view);

    ProjectionFrame frame;
    double spanW = 0, spanH = 0;
    const ProjectionKind kind = kindOfView(view);
    if (kind == ProjectionKind::Quadratic || kind == ProjectionKind::QuadraticTrajectories) {
        const QuadraticBounds b = prepareQuadratic(nav.quadRa1, nav.quadDec1, nav.quadRa2, nav.quadDec2);
        frame = quadraticFrame(b, g, kind == ProjectionKind::QuadraticTrajectories);
        spanW = b.raLeft - b.raRight;
        spanH = b.decMax - b.decMin;
        rectangleFrame(canvas, g, o.whiteScheme ? 1 : 3, o);
        quadraticLabels(canvas, g, b, o);
    } else if (kind == ProjectionKind::AzimutalWindow) {
        const AzimutalBounds b = prepareAzimutal(nav.azimAz1, nav.azimAz2, nav.azimEl1, nav.azimEl2);
        frame = azimutalFrame(b, g);
        spanW = b.azRight - b.azLeft;
        spanH = b.elMax - b.elMin;
        rectangleFrame(canvas, g, skyBrush, o);
        azimutalLabels(canvas, g, b, o);
    }
    const StarDepth depth = viewStarDepth(o, settings, view, spanW, spanH);
    stats.starMagnitude = depth.starMagnitude;
    stats.starScale = depth.starScale;

    // Zoomed discs draw into an off-screen copy of the back buffer; only the map area comes back.
    std::unique_ptr<gfx::Canvas> offscreen;
    gfx::Canvas* target = &canvas;
    if ((kind == ProjectionKind::Equidistant || kind == ProjectionKind::Circular) && zoom.zoom > 1) {
        offscreen = std::make_unique<gfx::Canvas>(1600, 1400);
        o.attach(*offscreen);
        offscreen->copyFrom(canvas, 0, 0, std::min(canvas.width(), 1600), std::min(canvas.height(), 1400), 0, 0);
        target = offscreen.get();
    }
    if (kind == ProjectionKind::Equidistant) {
        frame = skymap::equidistantFrame(g, zoom, lat, lon);
        drawEquidistantFrame(*target, g, zoom, skyBrush, o, lat);
    } else if (kind == ProjectionKind::Circular) {
        frame = circularFrame(g, zoom);
        drawCircularFrame(*target, g, zoom, skyBrush, o);
    }

    paintSkyObjects(*target, frame, scene, depth, stats);

    if (offscreen) {
        const int w = g.width() - 22, h = g.height() - 41;
        if (w > 0 && h > 0) canvas.copyFrom(*offscreen, 3, 26, w, h, 3, 26);
    }
    return stats;
}

void paintSkyObjects(gfx::Canvas& canvas, const ProjectionFrame& frame, SkyScene& scene,
                     const StarDepth& depth, PaintStats& stats) {
    systeme& sys = *scene.sys;
    ParametreAffichage& o = *scene.options;
    const double theta = siderealTime(*scene.date);
    const Projector project(frame, sys.longitude, sys.latitude, theta);
    const soleil* sun = sys.sun();
    const double sunAlt = sun ? altitudeOf(sys.longitude, sys.latitude, sun->dec, sun->ra, theta) : -90;
    // Stars blend from the sky colour of the Sun's altitude, also over the black quadratic frame.
    const gfx::Rgb background =
        o.whiteScheme ? gfx::rgb(255, 255, 255) : o.palette.brush(selectSkyBrush(sunAlt, false)).colour;

    StarStyle style;
    style.palette = &o.palette;
    style.scale = depth.starScale;
    style.limitMagnitude = depth.starMagnitude;
    style.useGsc = sys.catalogueSettings && sys.catalogueSettings->useGsc;
    style.spectralColours = o.spectralColours;
    style.whiteScheme = o.whiteScheme;
    style.blackWhite = blackWhiteScheme(o);
    style.showNames = o.showStarNames;
    const MapGeometry& g = frame.geometry;
    PaintContext c{project, g, scene, stats, background, style, depth};
    canvas.selectFont(gfx::FontId::Arial14);

    // The Sun.
    if (sun) {
        soleil* s = sys.sun();
        const auto p = project(s->dec, s->ra);
        storePoint(*s, p);
        if (p) drawIconAt(canvas, *p, kIconSun, o);
    }
    // Constellation borders.
    if (o.constellationBorders) paintBorders(canvas, c);
    // Screen points of every constellation star, used by the figure lines and the star layer.
    for (int k = 0; k < sys.constellationCount(); ++k) {
        const ::constellation* con = sys.constellation(k);
        for (int s = 0; s < con->nbStars; ++s)
            if (etoile* st = con->star(s)) storePoint(*st, project(st->dec, st->ra));
    }
    // Constellation lines.
    if (o.constellationLines) paintConstellationLines(canvas, c);
    // Stars of every layer.
    paintStars(canvas, c);
    // Messier objects, then NGC objects, from memory or streamed.
    paintDeepSky(canvas, c, 'M', o.showMessier);
    const bool streamNgc = sys.catalogueSettings && sys.catalogueSettings->useNgc;
    paintDeepSky(canvas, c, 'N', o.showNGC && !streamNgc);
    if (o.showNGC && streamNgc) paintNgc2000(canvas, c);
    // Asteroids.
    paintAsteroids(canvas, c);
    // Planets: paths in the trajectory view, icons otherwise.
    if (frame.kind == ProjectionKind::QuadraticTrajectories)
        paintTrajectories(canvas, c);
    else
        paintPlanets(canvas, c);
    // The Moon, with the eclipse marker when it stands within a degree of the Sun.
    paintMoon(canvas, c);
}

bool forEachNgc2000(const std::string& path,
                    const std::function<void(int iconId, double ra_deg, double dec_deg)>& visit) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    char record[98];
    int length = 0;
    auto column = [&](int col) -> char { return col <= length ? record[col - 1] : ' '; }; // 1-based
    auto digit = [&](int col) -> int {
        const char ch = column(col);
        return ch >= '0' && ch <= '9' ? ch - '0' : 0; // a column without a digit counts as nothing
    };
    auto flush = [&]() {
        if (length == 0) return;
        const char t1 = column(8), t2 = column(9);
        int icon = 0;
        if (t2 == 'l' || (t1 == 'N' && t2 == 'b'))
            icon = kIconNebula;
        else if (t1 == 'G' && t2 == 'b')
            icon = kIconGlobularCluster;
        else if (t2 == 'C')
            icon = kIconOpenCluster;
        else if (t2 == 'x')
            icon = kIconGalaxy;
        const double hours = digit(11) * 10 + digit(12);
        const double minutes = digit(14) * 10 + digit(15) + digit(17) / 10.0;
        const double sign = column(20) == '+' ? 1.0 : -1.0;
        const double degrees = digit(21) * 10 + digit(22);
        const double arcmin = digit(24) * 10 + digit(25);
        visit(icon, (hours + minutes / 60) * 15, sign * (degrees + arcmin / 60));
        length = 0;
    };
    int ch;
    while ((ch = std::fgetc(f)) != EOF) {
        if (ch == '\n') {
            flush();
            continue;
        }
        if (ch == '\r') continue;
        if (length < 97) record[length++] = static_cast<char>(ch);
    }
    flush(); // a last record without its line feed
    std::fclose(f);
    return true;
}

void drawMoonPhase(gfx::Canvas& canvas, int cx, int cy, int r, double fraction, bool waxing, gfx::Rgb lit,
                   gfx::Rgb dark) {
    const double k = std::clamp(fraction, 0.0, 1.0);
    for (int dy = -r; dy <= r; ++dy) {
        const double w = std::sqrt(std::max(0.0, double(r) * r - double(dy) * dy));
        const int left = static_cast<int>(std::lround(cx - w)), right = static_cast<int>(std::lround(cx + w));
        if (right <= left) continue;
        canvas.fillRect(left, cy + dy, right, cy + dy + 1, dark);
        // The terminator is a half ellipse of semi-axis w|1 - 2k|; the lit part lies between the
        // terminator and the limb on the Sun's side (right while waxing, as seen from the north).
        const double term = w * (1 - 2 * k);
        int a, b;
        if (waxing) {
            a = static_cast<int>(std::lround(cx + term));
            b = right;
        } else {
            a = left;
            b = static_cast<int>(std::lround(cx - term));
        }
        if (b > a) canvas.fillRect(a, cy + dy, b, cy + dy + 1, lit);
    }
}

void paintLegend(gfx::Canvas& canvas, int view, SkyScene& scene) {
    (void)view; // the trajectory view uses the same layout
    if (!scene.sys || !scene.options || !scene.date) return;
    ensureSkyIcons();
    const systeme& sys = *scene.sys;
    const ParametreAffichage& o = *scene.options;
    const int mapW = static_cast<int>(sys.mapWidth), W = static_cast<int>(sys.clientWidth);
    const int H = static_cast<int>(sys.clientHeight);
    const gfx::Rgb textColour = gfx::rgb(0, 0, 0); // on the grey (or white) panel
    canvas.selectFont(gfx::FontId::Arial14);
    canvas.setBackgroundMode(gfx::BackgroundMode::Transparent);
    canvas.setTextColour(textColour);

    // Separator, then the title.
    canvas.selectPen(17);
    canvas.line(mapW, 25, mapW, H - 2);
    canvas.selectPen(19);
    canvas.line(mapW + 1, 25, mapW + 1, H - 2);
    canvas.setTextColour(textColour);
    canvas.textOut(mapW + (W - mapW) * 70 / 232, 2, "LEGEND");

    struct Entry {
        int icon;
        const char* text;
    };
    static const Entry planets[] = {{kIconMercury, "Mercury"}, {kIconVenus, "Venus"},     {kIconMars, "Mars"},
                                    {kIconJupiter, "Jupiter"}, {kIconSaturn, "Saturn"},   {kIconUranus, "Uranus"},
                                    {kIconNeptune, "Neptune"}, {kIconPluto, "Pluto"}};
    static const Entry deepSky[] = {{kIconGalaxy, "Galaxy"},
                                    {kIconSpiralGalaxy, "Spiral galaxy"},
                                    {kIconSpiralGalaxyEdge, "Spiral galaxy"},
                                    {kIconEllipticGalaxy, "Elliptic galaxy "},
                                    {kIconOpenCluster, "Open cluster"},
                                    {kIconGlobularCluster, "Globular clustere"},
                                    {kIconNebula, "Nebula"},
                                    {kIconAsteroid, "Asteroid"}};
    // 17 rows between y = 30 and the five text lines at the bottom, scaled to the height.
    const int textTop = H - 92;
    const double step = std::max(12.0, (textTop - 36) / 17.0);
    int row = 0;
    auto rowY = [&](int r) { return static_cast<int>(36 + step * r + step / 2); };
    const int iconX = mapW + 28;
    auto entry = [&](int icon, const char* text) {
        const int y = rowY(row++);
        canvas.drawIcon(iconX - 16, y - 16, iconFor(icon, o));
        canvas.setTextColour(textColour);
        canvas.textOut(mapW + 50, y - 8, text);
    };
    for (const Entry& e : planets) entry(e.icon, e.text);
    {
        // The Moon drawn in its current phase.
        const int y = rowY(row++);
        const bool bw = blackWhiteScheme(o);
        const gfx::Rgb lit = bw || o.whiteScheme ? gfx::rgb(255, 255, 255) : gfx::rgb(235, 235, 220);
        const gfx::Rgb dark = bw || o.whiteScheme ? gfx::rgb(0, 0, 0) : gfx::rgb(60, 60, 70);
        drawMoonPhase(canvas, iconX, y, 8, moonVisibleFraction(*scene.date), moonWaxing(*scene.date) > 0, lit,
                      dark);
        if (o.whiteScheme) {
            canvas.setBrush(gfx::Brush{0, true});
            canvas.setPen(gfx::Pen{gfx::rgb(0, 0, 0), gfx::PenStyle::Solid, 1});
            canvas.ellipse(iconX - 9, y - 9, iconX + 10, y + 10);
        }
        canvas.setTextColour(textColour);
        canvas.textOut(mapW + 50, y - 8, "Moon");
    }
    for (const Entry& e : deepSky) entry(e.icon, e.text);

    char buffer[128];
    int y = textTop;
    auto line = [&](const std::string& text) {
        canvas.setTextColour(textColour);
        canvas.textOut(mapW + 20, y, text);
        y += 17;
    };
    std::snprintf(buffer, sizeof buffer, "%s : %s", "UT", scene.date->texteHeureDate().c_str());
    line(buffer);
    std::snprintf(buffer, sizeof buffer, "%s : %s", "Local time", scene.date->texteHeureDateLieu().c_str());
    line(buffer);
    // A long city name is cut to the panel, with "..." to say so.
    std::string city = "City : " + std::string(sys.cityName, strnlen(sys.cityName, 29));
    const int room = W - (mapW + 20) - 4;
    if (canvas.textExtent(city).width > room) {
        while (city.size() > 7 && canvas.textExtent(city + "...").width > room)
            city.pop_back();
        city += "...";
    }
    line(city);
    std::snprintf(buffer, sizeof buffer, "%s : %4.2lf\xB0", "Longitude", sys.longitude);
    line(buffer);
    std::snprintf(buffer, sizeof buffer, "%s : %4.2lf\xB0", "Latitude", sys.latitude);
    line(buffer);
}

} // namespace skymap
