// SPDX-License-Identifier: GPL-3.0-or-later
// The heliocentric view: the orbit file, the orbit layer and its line rule, the bodies placed from
// their heliocentric places (checked against Astronomy Engine), the legend and the hover text.
#include "astro/date2.h"
#include "astro/planets.h"
#include "catalog/prompter.h"
#include "catalog/scan.h"
#include "catalog/systeme.h"
#include "gfx/canvas.h"
#include "gfx/icons.h"
#include "gfx/parametre_affichage.h"
#include "gfx/recording_canvas.h"
#include "views/helio_icons.h"
#include "views/heliocentric.h"
#include "views/orbit_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

using namespace views;
using gfx::DrawCall;

namespace {

const std::string kData = NALVO_SOURCE_DATA_DIR;
const double kUnit = 3.14159265358979323846 / 180; // model unit per AU

date2 makeDate(int y, int mo, int d, int h, int mi) {
    date2 date;
    date.annee = y;
    date.mois = mo;
    date.jour = d;
    date.heure = h;
    date.minute = mi;
    date.calculeT();
    return date;
}

std::string writeTemp(const std::string& name, const std::string& text) {
    const std::string path = (std::filesystem::temp_directory_path() / name).string();
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

// The shipped model, window 780 x 500 with the legend (W = 548), the initial camera, zoom 4.
struct Scene {
    RecordingPrompter prompter;
    systeme sys;
    ParametreAffichage options;
    ViewCamera camera;
    date2 date = makeDate(2003, 8, 27, 0, 0);
    HelioScene scene;
    bool loaded = false;

    Scene() {
        const std::string ini = (std::filesystem::temp_directory_path() / "nalvo_helio_none.ini").string();
        std::remove(ini.c_str());
        sys.lookupDirs = {kData};
        loaded = sys.load(kData + "/Sys.syt", prompter, ini) >= 0;
        sys.setScreen(780, 500);
        updateCamera(camera, 20);
        scene.sys = &sys;
        scene.date = &date;
        scene.options = &options;
        scene.camera = &camera;
        scene.layout = helioLayoutOf(sys);
        scene.clientWidth = 780;
        scene.orbitPath = kData + "/trajec.nal";
    }
    const planete* planet(const char* name) const {
        for (int k = 0; k < sys.planetCount(); ++k)
            if (std::strcmp(sys.planet(k)->nom, name) == 0) return sys.planet(k);
        return nullptr;
    }
};

struct Reference {
    double lon, lat, r;
};
// tests/data/helio_reference.csv: date -> body -> place.
std::map<std::string, std::map<std::string, Reference>> readReference() {
    std::map<std::string, std::map<std::string, Reference>> out;
    std::ifstream in(std::string(NALVO_TEST_DATA_DIR) + "/helio_reference.csv");
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#' || line.rfind("date_utc", 0) == 0) continue;
        std::stringstream ss(line);
        std::string date, body, lon, lat, r;
        std::getline(ss, date, ',');
        std::getline(ss, body, ',');
        std::getline(ss, lon, ',');
        std::getline(ss, lat, ',');
        std::getline(ss, r, ',');
        out[date][body] = {std::stod(lon), std::stod(lat), std::stod(r)};
    }
    return out;
}

// Distance from p to the polyline of an orbit.
double distanceToOrbit(Vec3 p, const std::vector<Vec3>& orbit) {
    double best = 1e9;
    for (size_t i = 1; i < orbit.size(); ++i) {
        const Vec3 a = orbit[i - 1], ab = vecSub(orbit[i], a), ap = vecSub(p, a);
        const double len2 = vecDot(ab, ab);
        const double t = len2 > 0 ? std::clamp(vecDot(ap, ab) / len2, 0.0, 1.0) : 0.0;
        best = std::min(best, vecLength(vecSub(ap, vecScale(ab, t))));
    }
    return best;
}

std::vector<const DrawCall*> callsOf(const gfx::RecordingCanvas& c, DrawCall::Kind kind) {
    std::vector<const DrawCall*> out;
    for (const DrawCall& call : c.calls())
        if (call.kind == kind) out.push_back(&call);
    return out;
}

} // namespace

TEST(OrbitFile, ReadsBlocksUntilFinAndRefusesDamagedFiles) {
    const std::string good = "Mercure\n3\n0.1 0.2 0.3\n-1 0 0.5\n0.1 0.2 0.3\nVenus\n 1\n1e-3 2 -3\nfin\n";
    OrbitFile f = readOrbitFile(openMemory(good.data(), good.size()).get());
    ASSERT_TRUE(f.ok()) << f.error;
    ASSERT_EQ(f.orbits.size(), 2u);
    EXPECT_EQ(f.names[1], "Venus");
    EXPECT_EQ(f.orbits[0][1], (Vec3{-1, 0, 0.5}));
    EXPECT_EQ(f.orbits[1][0], (Vec3{1e-3, 2, -3}));

    // Every damaged form gives no orbit at all, not the part read before the damage.
    for (const std::string& bad :
         {std::string("Mercure\n3\n0.1 0.2 0.3\n-1 0 0.5\n0.1 0.2 0.3\nVenus\n1\n"),
          std::string("Mercure\n3\n0.1 0.2 0.3\n-1 0 0.5\n"), std::string("Mercure\nx\n"),
          std::string("Mercure\n-2\nfin\n"), std::string("Mercure\n2\n0.1 0.2\n0 0 0\nfin\n"),
          std::string("Mercure\n1\n0 0 0\n"), std::string(""),
          // Found by fuzz_orbit_file: "nan" and "inf" read as numbers and were kept as points.
          std::string("A\n1\nnan inf -inf\nfin\n"), std::string("A\n2\n0 0 0\n1 inf 0\nfin\n")}) {
        f = readOrbitFile(openMemory(bad.data(), bad.size()).get());
        EXPECT_FALSE(f.ok()) << bad;
        EXPECT_TRUE(f.orbits.empty()) << bad;
    }
    EXPECT_FALSE(readOrbitFile(std::string("/nonexistent/trajec.nal")).ok());
}

TEST(OrbitFile, ShippedOrbitsAreClosedAndCarryThePlanets) {
    Scene s;
    ASSERT_TRUE(s.loaded) << s.sys.lastError;
    const OrbitFile f = readOrbitFile(kData + "/trajec.nal");
    ASSERT_TRUE(f.ok()) << f.error;
    ASSERT_EQ(static_cast<int>(f.orbits.size()), s.sys.planetCount());
    for (int k = 0; k < s.sys.planetCount(); ++k) {
        const std::vector<Vec3>& orbit = f.orbits[size_t(k)];
        EXPECT_EQ(f.names[size_t(k)], s.sys.planet(k)->nom);
        ASSERT_GE(orbit.size(), 361u);
        EXPECT_EQ(orbit.front(), orbit.back()) << f.names[size_t(k)] << " is not closed";
    }
    // Each planet, placed by the program for dates decades apart, lies on its own orbit. The
    // orbits are the ellipses of J2000: the bound is 0.3 % of the radius (the elements' drift over
    // 30 years; the polygon itself departs from the ellipse by 1e-5 of the radius).
    for (date2 d : {makeDate(1975, 3, 1, 0, 0), makeDate(2003, 8, 27, 0, 0), makeDate(2030, 11, 5, 12, 0)}) {
        s.sys.computePositions(d, false);
        for (int k = 0; k < s.sys.planetCount(); ++k) {
            const planete& p = *s.sys.planet(k);
            const Vec3 at = helioModelPoint(p.beta, p.lambda, p.r);
            EXPECT_LT(distanceToOrbit(at, f.orbits[size_t(k)]), 0.003 * p.r * kUnit)
                << p.nom << " in " << d.annee;
        }
    }
}

TEST(OrbitLayer, LinesOnlyBetweenInsidePointsWithThePenOfTheirEnd) {
    Scene s;
    // Pixels at zoom 4 with the initial camera: (0, y, 0) lands at x = 269 + trunc(4000 * 30 y / 59).
    const std::string path =
        writeTemp("nalvo_orbits_rule.nal", "A\n6\n0 0 0\n0 0.01 0\n0 0.1 0\n0 0.2 0\n0 0.1 0\n0 0.1 -0.01\n"
                                           "B\n2\n0 0 0\n0 -0.01 0\nfin\n");
    s.scene.orbitPath = path;
    gfx::RecordingCanvas layer(1500, 1400);
    const OrbitLayerStats stats = drawOrbits(layer, s.scene);
    EXPECT_TRUE(stats.fileRead);
    const auto rects = callsOf(layer, DrawCall::Kind::Rectangle);
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0]->points[0], (gfx::Point{5, 45}));
    EXPECT_EQ(rects[0]->points[1], (gfx::Point{543, 493}));
    EXPECT_EQ(rects[0]->brushIndex, 3);
    EXPECT_EQ(rects[0]->penIndex, 2);

    const auto lines = callsOf(layer, DrawCall::Kind::Line);
    EXPECT_EQ(stats.segments, 4);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_TRUE(layer.hasLine(269, 267, 289, 267)); // 20.3 px
    EXPECT_TRUE(layer.hasLine(289, 267, 472, 267)); // 203.4 px
    // (0, 0.2, 0) is at x = 675 > W - 6: both lines to and from it are skipped, none is clipped.
    for (const DrawCall* l : lines)
        for (const gfx::Point& p : l->points)
            EXPECT_LT(p.x, 542);
    EXPECT_EQ(lines[0]->penIndex, 1);
    EXPECT_EQ(lines[1]->penIndex, 1);
    EXPECT_EQ(lines[2]->penIndex, 20); // towards a point below the ecliptic
    EXPECT_EQ(lines[3]->penIndex, 1);  // the second orbit starts afresh: no line from A's last point
    EXPECT_TRUE(layer.hasLine(269, 267, 249, 267));

    // A saved picture: white area, lines in pen 3; black and white: black lines (pen 0).
    s.options.whiteScheme = true;
    layer.clearCalls();
    drawOrbits(layer, s.scene);
    EXPECT_EQ(callsOf(layer, DrawCall::Kind::Rectangle)[0]->brushIndex, 1);
    EXPECT_EQ(callsOf(layer, DrawCall::Kind::Rectangle)[0]->penIndex, 0);
    for (const DrawCall* l : callsOf(layer, DrawCall::Kind::Line))
        EXPECT_EQ(l->penIndex, 3);
    s.options.saveBlackWhite = true;
    s.options.useBlackWhiteScheme();
    layer.clearCalls();
    drawOrbits(layer, s.scene);
    for (const DrawCall* l : callsOf(layer, DrawCall::Kind::Line))
        EXPECT_EQ(l->pen.colour, gfx::rgb(0, 0, 0));
    std::remove(path.c_str());
}

TEST(OrbitLayer, MissingOrTruncatedFileDrawsNoOrbitsAndStillClears) {
    Scene s;
    const std::string truncated =
        writeTemp("nalvo_orbits_cut.nal", "A\n3\n0 0 0\n0 0.01 0\n0 0.02 0\nB\n3\n0 0 0\n");
    for (const std::string& path : {truncated, std::string("/nonexistent/trajec.nal")}) {
        s.scene.orbitPath = path;
        gfx::Canvas layer(1500, 1400, gfx::rgb(9, 9, 9));
        const OrbitLayerStats stats = drawOrbits(layer, s.scene);
        EXPECT_FALSE(stats.fileRead);
        EXPECT_EQ(stats.segments, 0);
        // The area is black with its red frame, and nothing else: no line of orbit A.
        EXPECT_EQ(layer.pixel(5, 45), gfx::rgb(255, 0, 0));
        EXPECT_EQ(layer.pixel(542, 492), gfx::rgb(255, 0, 0));
        for (int x = 6; x < 542; ++x)
            ASSERT_EQ(layer.pixel(x, 267), gfx::rgb(0, 0, 0)) << x;
    }
    std::remove(truncated.c_str());
}

TEST(OrbitLayer, ShippedOrbitsAreDrawnInThePensOfTheirSide) {
    Scene s;
    gfx::Canvas layer(1500, 1400);
    for (int zoom : {4, 1, -2}) {
        s.scene.zoom = zoom;
        const OrbitLayerStats stats = drawOrbits(layer, s.scene);
        EXPECT_EQ(stats.orbits, 9);
        EXPECT_GT(stats.segments, 300) << zoom;
    }
    // At zoom -2 the whole solar system fits; white (above) and grey (below the ecliptic) both show.
    int white = 0, grey = 0;
    for (int y = 46; y < 492; ++y)
        for (int x = 6; x < 542; ++x) {
            white += layer.pixel(x, y) == gfx::rgb(255, 255, 255);
            grey += layer.pixel(x, y) == gfx::rgb(100, 100, 100);
        }
    EXPECT_GT(white, 500);
    EXPECT_GT(grey, 100);
}

TEST(View, PlanetsStandWhereTheReferencePlacesPutThem) {
    Scene s;
    ASSERT_TRUE(s.loaded);
    const auto reference = readReference();
    ASSERT_FALSE(reference.empty()) << "tests/data/helio_reference.csv missing";
    gfx::Canvas screen(1500, 1400), layer(1500, 1400);
    // Zoom 40: Mars stands about 490 pixels from the Sun, one pixel is 7 arcminutes of its orbit.
    s.scene.zoom = 40;
    const double k = helioPixelFactor(40);
    for (const auto& [when, bodies] : reference) {
        int y, mo, d, h, mi;
        ASSERT_EQ(std::sscanf(when.c_str(), "%d-%d-%dT%d:%d", &y, &mo, &d, &h, &mi), 5);
        s.date = makeDate(y, mo, d, h, mi);
        drawHeliocentricView(screen, layer, s.scene);
        const Reference sun = bodies.at("Sun"), mars = bodies.at("Mars");
        const ScreenPoint earthAt =
            helioScreenPoint(s.camera, helioModelPoint(0, sun.lon + 180, sun.r), k, s.scene.layout);
        const ScreenPoint marsAt =
            helioScreenPoint(s.camera, helioModelPoint(mars.lat, mars.lon, mars.r), k, s.scene.layout);
        const planete* earth = s.planet("Terre");
        const planete* marsBody = s.planet("Mars");
        EXPECT_NEAR(earth->screenX, earthAt.x, 1) << when;
        EXPECT_NEAR(earth->screenY, earthAt.y, 1) << when;
        EXPECT_NEAR(marsBody->screenX, marsAt.x, 1) << when;
        EXPECT_NEAR(marsBody->screenY, marsAt.y, 1) << when;
    }
}

TEST(View, IconsSunFirstThenPlanetsInsideOnlyAndTheOrbitLayerCopied) {
    Scene s;
    ASSERT_TRUE(s.loaded);
    gfx::RecordingCanvas screen(1500, 1400);
    gfx::Canvas layer(1500, 1400);
    const HelioStats stats = drawHeliocentricView(screen, layer, s.scene);
    const auto copies = callsOf(screen, DrawCall::Kind::Copy);
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(copies[0]->points[0], (gfx::Point{5, 45}));
    const auto icons = callsOf(screen, DrawCall::Kind::Icon);
    ASSERT_FALSE(icons.empty());
    EXPECT_EQ(icons[0]->id, kHelioSun);
    EXPECT_EQ(icons[0]->points[0], (gfx::Point{269 - 16, 267 - 16}));
    // Zoom 4 shows Mercury to Mars (Jupiter at 5 AU is about 350 px out); each icon is centred
    // on its stored point, and a body outside keeps its point.
    int drawn = 0;
    for (int k = 0; k < s.sys.planetCount(); ++k) {
        const planete& p = *s.sys.planet(k);
        const bool inside = insideHelio({p.screenX, p.screenY}, s.scene.layout);
        bool found = false;
        for (const DrawCall* c : icons)
            found |=
                c->id == helioIconOf(p.nom) && c->points[0] == gfx::Point{p.screenX - 16, p.screenY - 16};
        EXPECT_EQ(found, inside) << p.nom;
        drawn += inside;
        EXPECT_NE(p.screenX, 0) << p.nom;
    }
    EXPECT_EQ(stats.planetsDrawn, drawn);
    EXPECT_GE(drawn, 4);
    const planete* pluto = s.planet("Pluton");
    EXPECT_FALSE(insideHelio({pluto->screenX, pluto->screenY}, s.scene.layout));
    EXPECT_EQ(stats.asteroidsDrawn, 0); // nothing selected

    // The black-and-white set while a black-and-white picture is drawn.
    s.options.whiteScheme = s.options.saveBlackWhite = true;
    screen.clearCalls();
    drawHeliocentricView(screen, layer, s.scene);
    EXPECT_EQ(callsOf(screen, DrawCall::Kind::Icon)[0]->id, kHelioSun - kHelioBlackWhiteOffset);
}

TEST(View, SelectedAsteroidsAndTheHoverText) {
    Scene s;
    ASSERT_TRUE(s.loaded);
    ASSERT_GT(s.sys.cometCount(), 1);
    s.sys.selectedComets[0] = 0; // Ceres
    s.sys.selectedComets[1] = -1;
    s.scene.zoom = 2; // Ceres at 2.77 AU: about 190 px out
    gfx::RecordingCanvas screen(1500, 1400);
    gfx::Canvas layer(1500, 1400);
    const HelioStats stats = drawHeliocentricView(screen, layer, s.scene);
    const ::comet& ceres = *s.sys.comet(0);
    EXPECT_EQ(stats.asteroidsDrawn, 1);
    bool asteroidIcon = false;
    for (const DrawCall* c : callsOf(screen, DrawCall::Kind::Icon))
        asteroidIcon |=
            c->id == kHelioAsteroid && c->points[0] == gfx::Point{ceres.screenX - 16, ceres.screenY - 16};
    EXPECT_TRUE(asteroidIcon);

    // Hover: strictly within 2 pixels, planets before asteroids.
    const planete& mars = *s.planet("Mars");
    screen.clearCalls();
    EXPECT_EQ(showHeliocentricHit(screen, s.scene, mars.screenX + 2, mars.screenY - 2), "Planet : Mars");
    auto texts = callsOf(screen, DrawCall::Kind::Text);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0]->points[0], (gfx::Point{548 + 65, 450}));
    EXPECT_EQ(showHeliocentricHit(screen, s.scene, mars.screenX + 3, mars.screenY), "");
    // Mercury, the first planet of the model, is named too (the scan reaches index 0).
    const planete& mercury = *s.sys.planet(0);
    ASSERT_STREQ(mercury.nom, "Mercure");
    EXPECT_EQ(showHeliocentricHit(screen, s.scene, mercury.screenX - 2, mercury.screenY + 2),
              "Planet : Mercure");
    screen.clearCalls();
    EXPECT_EQ(showHeliocentricHit(screen, s.scene, ceres.screenX, ceres.screenY + 2), "Asteroid : Ceres");
    texts = callsOf(screen, DrawCall::Kind::Text);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0]->points[0], (gfx::Point{548 + 70, 450}));
    // Each call clears the row first.
    EXPECT_EQ(callsOf(screen, DrawCall::Kind::FillRect).size(), 1u);
}

TEST(Legend, RowsOfIconsAndNamesThenTheDates) {
    Scene s;
    s.date = makeDate(2026, 12, 9, 20, 5);
    gfx::RecordingCanvas screen(1500, 1400);
    drawHeliocentricLegend(screen, s.scene);
    const int W = 548;
    EXPECT_TRUE(screen.hasText("LEGEND"));
    const auto icons = callsOf(screen, DrawCall::Kind::Icon);
    const int ids[] = {kHelioMercury, kHelioVenus, kHelioMars,  kHelioJupiter,  kHelioSaturn, kHelioUranus,
                       kHelioNeptune, kHelioPluto, kHelioEarth, kHelioAsteroid, kHelioSun};
    const char* names[] = {"Mercury", "Venus", "Mars",  "Jupiter",  "Saturn", "Uranus",
                           "Neptune", "Pluto", "Earth", "Asteroid", "Sun"};
    ASSERT_EQ(icons.size(), 11u);
    const auto texts = callsOf(screen, DrawCall::Kind::Text);
    ASSERT_EQ(texts.size(), 14u);
    EXPECT_EQ(texts[0]->points[0], (gfx::Point{W + 70, 5}));
    for (int r = 0; r < 11; ++r) {
        EXPECT_EQ(icons[size_t(r)]->id, ids[r]);
        EXPECT_EQ(icons[size_t(r)]->points[0], (gfx::Point{W + 10, 40 + 20 * r}));
        EXPECT_EQ(texts[size_t(r) + 1]->text, names[r]);
        EXPECT_EQ(texts[size_t(r) + 1]->points[0], (gfx::Point{W + 50, 45 + 20 * r}));
    }
    EXPECT_EQ(texts[12]->text, "UT : 20h5 9/12/2026");
    EXPECT_EQ(texts[12]->points[0], (gfx::Point{W + 30, 270}));
    EXPECT_EQ(texts[13]->text.rfind("Local time : ", 0), 0u);
    EXPECT_EQ(texts[13]->points[0], (gfx::Point{W + 30, 290}));
}

TEST(Icons, EverySetIsDrawnAndTheNamesPickThem) {
    registerHelioIcons();
    for (int id : {kHelioSun, kHelioSaturn, kHelioJupiter, kHelioMars, kHelioVenus, kHelioMercury,
                   kHelioEarth, kHelioNeptune, kHelioUranus, kHelioPluto, kHelioAsteroid}) {
        for (bool bw : {false, true}) {
            const QImage* icon = gfx::icon(helioIconInSet(id, bw));
            ASSERT_NE(icon, nullptr) << id << bw;
            EXPECT_EQ(icon->size(), QSize(32, 32));
            EXPECT_GT(qAlpha(icon->pixel(16, 16)), 200) << id; // every body covers its centre
            EXPECT_EQ(qAlpha(icon->pixel(0, 31)), 0) << id;    // and leaves the corners clear
        }
    }
    EXPECT_NE(gfx::icon(kHelioOtherBody), nullptr);
    EXPECT_EQ(helioIconOf("Terre"), kHelioEarth);
    EXPECT_EQ(helioIconOf("Pluton"), kHelioPluto);
    EXPECT_EQ(helioIconOf("Lune"), kHelioOtherBody);
    EXPECT_EQ(helioIconInSet(kHelioSaturn, true), 16);
    EXPECT_EQ(helioIconInSet(kHelioOtherBody, true), 71);
}
