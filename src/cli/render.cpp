// SPDX-License-Identifier: GPL-3.0-or-later
// nalvo-cli render.
#include "cli/render.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <memory>

#include "astro/clock.h"
#include "astro/date2.h"
#include "catalog/cities.h"
#include "catalog/atomic_file.h"
#include "catalog/paths.h"
#include "catalog/prompter.h"
#include "catalog/settings.h"
#include "catalog/systeme.h"
#include "cli/city_option.h"
#include "cli/output_file.h"
#include "cli/positions.h"
#include "cli/render_span.h"
#include "views/satellite_views.h"
#include "gfx/bitmap_file.h"
#include "gfx/canvas.h"
#include "gfx/vector_canvas.h"
#include "gfx/parametre_affichage.h"
#include "skymap/projection.h"
#include "skymap/sky_icons.h"
#include "skymap/sky_render.h"
#include "views/camera.h"
#include "views/heliocentric.h"

const char kRenderHelp[] =
    "usage: nalvo-cli render --view N [--date YYYY-MM-DDTHH:MM] [--size WxH] [--lat DEG --lon DEG]\n"
    "                        [--city NAME] [--magnitude M] [--scheme screen|white|bw] [--legend on|off]\n"
    "                        [--zoom N] [--elevation DEG] [--azimuth DEG] --out FILE\n"
    "Draws sky view N (10 equidistant, 11 quadratic, 12 quadratic with trajectories, 13 circular,\n"
    "14 azimutal) with the default windows, 20 the heliocentric view, 30 the conjunction graph, 31\n"
    "Jupiter's satellites, 32 Saturn's satellites, 33 Saturn 3D or 40 the dance, as the program's\n"
    "window does, and writes it as a 24-bit bitmap (a PNG when FILE ends in .png, a PDF page or an\n"
    "SVG picture when it ends in .pdf or .svg).\n"
    "  --view N        the view to draw (10-14, 20, 30-33, 40)\n"
    "  --date D        the instant, UT (default: now); in views 30-32 and 40 the start of the span\n"
    "  --end D         views 30-32 and 40: the end of the span, UT (default: 490 days for view 30,\n"
    "                  3.82 days for view 31, 26.13 days for view 32, the planet's number plus one\n"
    "                  years for view 40, as the commands set it)\n"
    "  --planet NAME   view 40: the planet, English or model name (default Mars)\n"
    "  --size WxH      client area in pixels, 100x100 to 1500x1400 (default 780x500)\n"
    "  --lat DEG       observer's latitude, degrees, north positive\n"
    "  --lon DEG       observer's longitude, degrees, EAST POSITIVE on this command line (the program\n"
    "                  stores west-positive longitudes; Annecy is --lon 6.2)\n"
    "  --city NAME     the observer: a city of the list (ville.syt), its place and the time zone of\n"
    "                  the legend's local time (--lat and --lon override its place)\n"
    "                  (default place, display options and catalogue flags: the user's Nalvo.ini)\n"
    "  --magnitude M   limiting star magnitude, -2 to 20 (switches the automatic magnitude off)\n"
    "  --scheme S      screen (colour on black, default), white (colour on white) or bw\n"
    "  --legend on|off the legend panel (default on)\n"
    "  --zoom N        view 20: zoom level, -1000 to 1000 (default 4)\n"
    "  --elevation DEG view 20: the eye's angle above the ecliptic, -360 to 360 (default 30)\n"
    "  --azimuth DEG   view 20: the eye's angle around the ecliptic pole, -360 to 360 (default 0)\n"
    "  --out FILE      the picture to write; its folder must exist\n"
    "Dates are within the years -100 to 3000.\n"
    "Exit status: 0 written, 1 the data could not be loaded or the file written, 2 bad arguments\n"
    "(an --out whose folder is missing or cannot be written included).\n";

namespace {

bool parseNumber(const std::string& s, double lo, double hi, double& v) {
    if (s.empty()) return false;
    char* end = nullptr;
    errno = 0;
    v = std::strtod(s.c_str(), &end);
    return errno == 0 && end && *end == '\0' && std::isfinite(v) && v >= lo && v <= hi;
}

// Writes the top-left width x height of the canvas as a PNG or a 24-bit bitmap, by a temporary file.
// A vector `page` gives its own bytes instead.
bool writePicture(const gfx::Canvas& canvas, gfx::VectorPicture* page, const std::string& outPath, int width, int height,
                  std::string& error);

} // namespace

std::vector<uint8_t> bitmapBytes(const QImage& image, int width, int height) {
    const std::string b = gfx::bitmapBytes(image, gfx::Rect{0, 0, width, height});
    return std::vector<uint8_t>(b.begin(), b.end());
}

// Views 31-33 on the back buffer as the window draws them.
int renderSatelliteView(gfx::Canvas& canvas, int view, systeme& sys, const ParametreAffichage& options,
                        const date2& date, const SpanRenderOptions& span, int width, int height,
                        gfx::VectorPicture* page, const std::string& outPath, std::FILE* out, std::FILE* err) {
    date2 end = span.haveEnd ? span.end
                             : views::dateAt(date, date.t + (view == 31 ? views::kJupiterCommandSpan
                                                                         : views::kSatelliteSpan));
    if (end.t < date.t) {
        std::fprintf(err, "nalvo-cli render: --end is before --date (nalvo-cli render --help)\n");
        return 2;
    }
    end.decalageOrdinateur = date.decalageOrdinateur;
    end.decalageLieu = date.decalageLieu;
    end.saison = date.saison;
    end.zoneLieu = date.zoneLieu;
    sys.setMapWidthForLegend(true); // from view 30 on the legend panel is always there
    views::SatelliteScene scene;
    scene.clientWidth = width;
    scene.clientHeight = height;
    scene.mapWidth = static_cast<int>(sys.mapWidth);
    scene.start = date;
    scene.end = end;
    scene.saving = options.whiteScheme;
    scene.blackWhite = options.whiteScheme && options.saveBlackWhite;
    views::ViewCamera camera;
    views::paintSatelliteView(canvas, view, scene, sys, camera, 4.0, true);
    std::string error;
    if (!writePicture(canvas, page, outPath, width, height, error)) {
        std::fprintf(err, "nalvo-cli render: %s\n", error.c_str());
        return 1;
    }
    std::fprintf(out, "view %d %dx%d from %s to %s UT, written to %s\n", view, width, height,
                 date.texteHeureDate().c_str(), end.texteHeureDate().c_str(), outPath.c_str());
    return 0;
}

int renderCommand(const std::vector<std::string>& args, std::FILE* out, std::FILE* err) {
    int view = 0, width = 780, height = 500;
    std::string outPath, scheme = "screen", city;
    bool legend = true, haveDate = false, haveLat = false, haveLon = false, haveMagnitude = false;
    double lat = 0, lonEast = 0, magnitude = 6;
    int helioZoom = 4;
    double elevation_deg = 30, azimuth_deg = 0;
    date2 date;
    SpanRenderOptions span;
    auto bad = [&](const std::string& what) {
        std::fprintf(err, "nalvo-cli render: %s (nalvo-cli render --help)\n", what.c_str());
        return 2;
    };
    for (size_t k = 0; k < args.size(); ++k) {
        const std::string& a = args[k];
        if (a == "--help" || a == "-h") {
            std::fputs(kRenderHelp, out);
            return 0;
        }
        if (k + 1 >= args.size()) return bad("option " + a + " needs a value");
        const std::string& v = args[++k];
        if (a == "--view") {
            double n;
            if (!parseNumber(v, 10, 40, n) || n != std::floor(n) || (n > 14 && n != 20 && !isSpanView(int(n)) && (n < 31 || n > 33)))
                return bad("--view takes 10 to 14, 20, 30 to 33 or 40, not '" + v + "'");
            view = static_cast<int>(n);
        } else if (a == "--end") {
            std::string why;
            if (!parseUtcDate(v, span.end, why)) return bad("--end: " + why);
            span.haveEnd = true;
        } else if (a == "--planet") {
            span.planet = v;
        } else if (a == "--zoom") {
            double n;
            if (!parseNumber(v, -1000, 1000, n) || n != std::floor(n))
                return bad("--zoom takes -1000 to 1000, not '" + v + "'");
            helioZoom = static_cast<int>(n);
        } else if (a == "--elevation") {
            if (!parseNumber(v, -360, 360, elevation_deg))
                return bad("--elevation takes -360 to 360, not '" + v + "'");
        } else if (a == "--azimuth") {
            if (!parseNumber(v, -360, 360, azimuth_deg))
                return bad("--azimuth takes -360 to 360, not '" + v + "'");
        } else if (a == "--date") {
            std::string why;
            if (!parseUtcDate(v, date, why)) return bad("--date: " + why);
            haveDate = true;
        } else if (a == "--size") {
            int w = 0, h = 0;
            char tail = 0;
            if (std::sscanf(v.c_str(), "%dx%d%c", &w, &h, &tail) != 2 || w < 100 || h < 100 || w > 1500 || h > 1400)
                return bad("--size takes WxH from 100x100 to 1500x1400, not '" + v + "'");
            width = w;
            height = h;
        } else if (a == "--lat") {
            if (!parseNumber(v, -90, 90, lat)) return bad("--lat takes -90 to 90, not '" + v + "'");
            haveLat = true;
        } else if (a == "--lon") {
            if (!parseNumber(v, -180, 180, lonEast)) return bad("--lon takes -180 to 180 (east positive), not '" + v + "'");
            haveLon = true;
        } else if (a == "--magnitude") {
            if (!parseNumber(v, -2, 20, magnitude)) return bad("--magnitude takes -2 to 20, not '" + v + "'");
            haveMagnitude = true;
        } else if (a == "--scheme") {
            if (v != "screen" && v != "white" && v != "bw") return bad("--scheme takes screen, white or bw");
            scheme = v;
        } else if (a == "--legend") {
            if (v != "on" && v != "off") return bad("--legend takes on or off");
            legend = v == "on";
        } else if (a == "--out") {
            outPath = v;
        } else if (a == "--city") {
            city = v;
        } else {
            return bad("unknown option " + a);
        }
    }
    if (view == 0) return bad("--view is required");
    if (outPath.empty()) return bad("--out is required");
    if (std::string why; !outputPathUsable(outPath, why)) return bad(why);
    if (haveLat != haveLon) return bad("--lat and --lon go together");

    // Text needs the application object; the command line draws off screen.
    std::unique_ptr<QGuiApplication> app;
    if (!QGuiApplication::instance()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "nalvo-cli";
        static char* argv[] = {name, nullptr};
        app = std::make_unique<QGuiApplication>(argc, argv);
    }

    RecordingPrompter prompter(err);
    systeme sys;
    const std::string sysPath = findDataFile("Sys.syt");
    if (sysPath.empty()) {
        std::fprintf(err, "nalvo-cli render: File Sys.syt missing\n");
        return 1;
    }
    if (sys.load(sysPath, prompter) < 0) {
        std::fprintf(err, "nalvo-cli render: %s\n", sys.lastError.c_str());
        return 1;
    }
    if (std::string why; !city.empty() && !applyCityOption(city, sys, why)) return bad(why);
    if (haveLat) {
        sys.latitude = lat;
        sys.longitude = -lonEast; // stored west positive
        std::snprintf(sys.cityName, sizeof sys.cityName, "%s", "Other");
    }
    if (!haveDate) date = universalTimeNow();
    // The place's clock at the date: its zone's offset, or the settings' fixed one.
    std::string note;
    applyPlaceToDate(sys, date, &note);
    if (!note.empty()) std::fprintf(err, "nalvo-cli render: %s", note.c_str());

    ParametreAffichage options;
    const DisplaySettings display = readDisplaySettings(resolveIniPath(""));
    options.iconSize = display.iconSize;
    options.gscMaxMagnitude = display.gscMaxMagnitude;
    options.gscMinMagnitude = display.gscMinMagnitude;
    options.starMagnitude = display.starMagnitude;
    options.autoMagnitude = display.autoMagnitude;
    if (haveMagnitude) {
        options.starMagnitude = magnitude;
        options.autoMagnitude = false;
    }
    if (scheme != "screen") options.whiteScheme = true;
    if (scheme == "bw") {
        options.saveBlackWhite = true;
        options.useBlackWhiteScheme();
    }

    sys.setScreen(static_cast<float>(width), static_cast<float>(height));
    sys.setMapWidthForLegend(legend);
    skymap::registerSkyIcons();

    // A .pdf or .svg name draws through a vector canvas onto the page as well.
    std::unique_ptr<gfx::VectorPicture> page;
    if (gfx::isVectorFileName(outPath)) page = std::make_unique<gfx::VectorPicture>(outPath, width, height);
    gfx::Canvas bitmap(page ? 1 : 1500, page ? 1 : 1400);
    gfx::Canvas& canvas = page ? page->canvas() : bitmap;
    options.attach(canvas);
    canvas.fill(options.whiteScheme ? options.palette.brush(1).colour : options.palette.brush(33).colour);

    if (view >= 31 && view <= 33)
        return renderSatelliteView(canvas, view, sys, options, date, span, width, height, page.get(), outPath, out,
                                   err);

    if (isSpanView(view)) {
        std::string summary, error;
        if (span.haveEnd && span.end.t < date.t) return bad("--end is before --date");
        sys.setMapWidthForLegend(true); // from view 30 on the legend panel is always there
        if (!renderSpanView(canvas, view, sys, date, span, options, width, height, summary, error)) return bad(error);
        if (!writePicture(canvas, page.get(), outPath, width, height, error)) {
            std::fprintf(err, "nalvo-cli render: %s\n", error.c_str());
            return 1;
        }
        std::fprintf(out, "view %d %dx%d from %s UT: %s, written to %s\n", view, width, height,
                     date.texteHeureDate().c_str(), summary.c_str(), outPath.c_str());
        return 0;
    }

    if (view == 20) {
        // The window's second canvas holds the orbit layer.
        gfx::Canvas orbitLayer(1500, 1400);
        views::ViewCamera camera;
        camera.helioElevation = elevation_deg * 3.14159265358979323846 / 180;
        camera.helioAzimuth = azimuth_deg * 3.14159265358979323846 / 180;
        views::updateCamera(camera, 20);
        views::HelioScene helio;
        helio.sys = &sys;
        helio.date = &date;
        helio.options = &options;
        helio.camera = &camera;
        helio.zoom = helioZoom;
        helio.layout = views::helioLayoutOf(sys);
        helio.clientWidth = width;
        const views::OrbitLayerStats orbits = views::drawOrbits(orbitLayer, helio);
        const views::HelioStats drawn = views::drawHeliocentricView(canvas, orbitLayer, helio);
        if (legend) views::drawHeliocentricLegend(canvas, helio);
        std::string error;
        if (!writePicture(canvas, page.get(), outPath, width, height, error)) {
            std::fprintf(err, "nalvo-cli render: %s\n", error.c_str());
            return 1;
        }
        if (!orbits.fileRead)
            std::fprintf(err, "nalvo-cli render: trajec.nal could not be read: no orbits drawn\n");
        std::fprintf(
            out,
            "view 20 %dx%d at %s UT, zoom %d, elevation %.2f, azimuth %.2f deg: %d orbits, %d planets, "
            "%d asteroids, written to %s\n",
            width, height, date.texteHeureDate().c_str(), helioZoom, elevation_deg, azimuth_deg,
            orbits.orbits, drawn.planetsDrawn, drawn.asteroidsDrawn, outPath.c_str());
        return 0;
    }

    skymap::SkyNavigation nav;
    skymap::SkyScene scene;
    scene.sys = &sys;
    scene.date = &date;
    scene.options = &options;
    scene.nav = &nav;
    scene.prompter = &prompter;
    const skymap::PaintStats stats = skymap::paintSkyView(canvas, view, scene);
    if (legend) skymap::paintLegend(canvas, view, scene);

    std::string error;
    if (!writePicture(canvas, page.get(), outPath, width, height, error)) {
        std::fprintf(err, "nalvo-cli render: %s\n", error.c_str());
        return 1;
    }
    std::fprintf(out, "view %d %dx%d at %s UT, latitude %.2f, longitude %.2f east: %d stars, %d deep-sky, "
                      "%d planets, Sun at %.1f deg, written to %s\n",
                 view, width, height, date.texteHeureDate().c_str(), sys.latitude, -sys.longitude, stats.starsDrawn,
                 stats.deepSkyDrawn + stats.ngcStreamed, stats.planetsDrawn, stats.sunAltitude_deg, outPath.c_str());
    return 0;
}

namespace {

bool writePicture(const gfx::Canvas& canvas, gfx::VectorPicture* page, const std::string& outPath, int width, int height,
                  std::string& error) {
    std::string bytes;
    if (page) {
        if (!page->finish(bytes, error)) return false;
    } else {
        bytes = gfx::pictureBytes(canvas.image(), gfx::Rect{0, 0, width, height}, gfx::pictureFormatOf(outPath));
        if (bytes.empty()) {
            error = "the picture could not be encoded";
            return false;
        }
    }
    return writeFileAtomically(outPath, bytes, &error);
}

} // namespace
