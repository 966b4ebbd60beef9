// SPDX-License-Identifier: GPL-3.0-or-later
// The satellite views drawn on a canvas: the Red Spot's visible half, the disc edge, the Saturn
// zoom factors, the rings at the ring-plane crossing and tilted, the shared table.
#include <gtest/gtest.h>

#include <cmath>

#include "astro/satellites.h"
#include "catalog/paths.h"
#include "catalog/prompter.h"
#include "catalog/ring_model.h"
#include "catalog/systeme.h"
#include "gfx/recording_canvas.h"
#include "views/camera.h"
#include "views/jupiter.h"
#include "views/saturn3d.h"
#include "views/saturn_moons.h"

namespace {
std::unique_ptr<systeme> loadModel() {
    auto sys = std::make_unique<systeme>();
    RecordingPrompter prompter;
    EXPECT_GE(sys->load(findDataFile("Sys.syt"), prompter, "/nonexistent/Nalvo.ini"), 0) << sys->lastError;
    sys->setScreen(780, 500);
    return sys;
}
views::SatelliteScene sceneAt(int y, int mo, int d, double days) {
    views::SatelliteScene s;
    s.start.annee = y;
    s.start.mois = mo;
    s.start.jour = d;
    s.start.calculeT();
    s.end = views::dateAt(s.start, s.start.t + days / 36525.0);
    return s;
}
bool isRingColour(gfx::Rgb p, const gfx::Palette& pal) {
    for (int k : {30, 31, 32})
        if ((p & 0xffffff) == (pal.brush(k).colour & 0xffffff)) return true;
    return false;
}
} // namespace

TEST(JupiterView, RedSpotOnlyOnTheNearHalfAndTheDiscEdgeDoesNotHide) {
    for (double a : {0.0, 90.0, 270.0, 360.0, 90.5, 180.0, 269.9})
        EXPECT_FALSE(views::redSpotShown(a)) << a;
    for (double a : {0.01, 45.0, 89.99, 270.01, 300.0, 359.99})
        EXPECT_TRUE(views::redSpotShown(a)) << a;
    // rho = 90: a satellite behind the planet exactly on the edge (54^2 + 72^2 = 90^2) is drawn.
    EXPECT_FALSE(views::hiddenByJupiter(100 + 54, 200 + 72, 5, 100, 200, 90.0));
    EXPECT_TRUE(views::hiddenByJupiter(100 + 54, 200 + 71, 1, 100, 200, 90.0));
    EXPECT_FALSE(views::hiddenByJupiter(100 + 54, 200 + 71, 0, 100, 200, 90.0)) << "in front";
}

TEST(JupiterView, JupiterLineAndPanelsFollowTheTheory) {
    auto sys = loadModel();
    views::SatelliteScene s = sceneAt(2026, 12, 9, 3.82);
    s.mapWidth = static_cast<int>(sys->mapWidth);
    gfx::Canvas c(1500, 1400);
    views::drawJupiterView(c, s, *sys);
    const int E = 780 / 4;
    // Jupiter is the double yellow line down the centre column, under the curves that cross it.
    int yellow = 0;
    for (int y = 131; y < 500 - 29; ++y)
        yellow += (c.pixel(E + 1, y) & 0xffffff) == 0xffff00u;
    EXPECT_GT(yellow, (500 - 29 - 131) * 3 / 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(sys->satell(i)->pos[2], i < 2 ? s.mapWidth + 10 : s.mapWidth + 100) << i;
}

TEST(JupiterView, StripAndDiscPutTheMoonsWhereAstronomyEngineSeesThem) {
    // 1952-03-18 02:01 UT, tests/data/jupiter_moons_reference.csv (Astronomy Engine 2.1.19):
    // x east of Jupiter in Jupiter radii: Io 4.7550, Europa 7.1733, Ganymede -14.6001, Callisto
    // 26.4408 (Callisto at its greatest eastern elongation).
    const double xEast[4] = {4.7550, 7.1733, -14.6001, 26.4408};
    auto sys = loadModel();
    views::SatelliteScene s = sceneAt(1952, 3, 18, 1);
    s.start.heure = 2;
    s.start.minute = 1;
    s.start.calculeT();
    s.end = views::dateAt(s.start, s.start.t + 1 / 36525.0);
    s.mapWidth = static_cast<int>(sys->mapWidth);
    gfx::RecordingCanvas c(1500, 1400);
    views::drawJupiterView(c, s, *sys);
    // The strip: S = 156 pixels for 27 radii around x = 195; the theory is within 0.18 radii
    // of the reference (1 pixel here), 2 pixels allowed. The disc picture: rho = 90 pixels a
    // radius around x = 585; 0.2 radius (18 pixels) allowed.
    const int E = 780 / 4, cx = 3 * 780 / 4;
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(sys->satell(i)->pos[6], E + 156 * xEast[i] / 27, 2.0) << "strip " << i;
        EXPECT_NEAR(sys->satell(i)->pos[0], cx + 90 * xEast[i], 18.0) << "disc " << i;
    }
    // East is on the right: the marks at the ends of the graph's top band and of the strip.
    int marks = 0;
    for (const gfx::DrawCall& call : c.calls()) {
        if (call.kind != gfx::DrawCall::Kind::Text || (call.text != "E" && call.text != "W")) continue;
        ++marks;
        const bool right = call.points[0].x > E;
        EXPECT_EQ(right, call.text == "E") << call.text << " at " << call.points[0].x;
        EXPECT_TRUE(call.points[0].y == 130 - 17 || call.points[0].y == 58) << call.points[0].y;
    }
    EXPECT_EQ(marks, 4);
    // The legend's "UT" is the end of the span, as the Part lays it out.
    EXPECT_TRUE(c.hasText("UT : " + s.end.texteHeureDate()));
    EXPECT_EQ(s.end.texteHeureDate(), "2h1 19/3/1952");
}

TEST(Saturn3D, ZoomFactors) {
    EXPECT_DOUBLE_EQ(views::saturnPixelFactor(4.0), 400);
    EXPECT_DOUBLE_EQ(views::saturnPixelFactor(2.0), 200);
    EXPECT_DOUBLE_EQ(views::saturnPixelFactor(1.0), 100);
    for (double z : {0.5, 0.25, 0.125})
        EXPECT_NEAR(views::saturnPixelFactor(z), 70.71, 0.01) << z;
}

TEST(Saturn3D, RingsAreALineInTheRingPlaneAndTheNearHalfCrossesTheGlobe) {
    auto sys = loadModel();
    const RingModel rings = loadRingModel();
    ASSERT_TRUE(rings.error.empty()) << rings.error;
    views::SatelliteScene s = sceneAt(2025, 3, 23, 0);
    s.mapWidth = static_cast<int>(sys->mapWidth);
    const int cx = 390, cy = (500 - 50) / 2 + 45;
    for (double tilt_deg : {0.0, -6.0}) {
        views::ViewCamera camera;
        sys->computePositions(s.start, true);
        camera.saturnTilt = tilt_deg * M_PI / 180;
        views::updateCamera(camera, 33);
        gfx::Canvas c(1500, 1400);
        views::drawSaturn3D(c, s, *sys, camera, 4.0, false, rings);
        int ringRows = 0;
        for (int y = 45; y < 495; ++y)
            if (isRingColour(c.pixel(cx + 150, y), c.palette())) ++ringRows;
        if (tilt_deg == 0) {
            // Edge-on: one thin line through the centre row, out to the A ring's edge and no further.
            EXPECT_GE(ringRows, 1);
            EXPECT_LE(ringRows, 2);
            EXPECT_TRUE(isRingColour(c.pixel(cx + 150, cy), c.palette()));
            EXPECT_FALSE(isRingColour(c.pixel(cx + 150, cy - 3), c.palette()));
            EXPECT_FALSE(isRingColour(c.pixel(cx + 200, cy), c.palette()));
        } else {
            // The Earth 6 degrees south of the ring plane: the near half of the B ring crosses the
            // globe above its centre, the far half is hidden below it.
            const double bRing = 0.7; // model units, the middle of the B ring (0.61-0.78)
            const int dy = static_cast<int>(bRing * std::sin(6 * M_PI / 180) * 30 / 59 * 400);
            EXPECT_GT(ringRows, 5);
            EXPECT_TRUE(isRingColour(c.pixel(cx, cy - dy), c.palette())) << dy;
            EXPECT_FALSE(isRingColour(c.pixel(cx, cy + dy), c.palette())) << dy;
        }
    }
}

TEST(Saturn3D, MissingRingsLeaveTheGlobeAndTheThumbnailIsFramed) {
    auto sys = loadModel();
    views::SatelliteScene s = sceneAt(2026, 12, 9, 0);
    views::ViewCamera camera;
    views::computeSaturnTilt(*sys, s.start, camera);
    views::updateCamera(camera, 33);
    gfx::Canvas c(1500, 1400);
    views::drawSaturn3D(c, s, *sys, camera, 4.0, false, RingModel{});
    for (int y = 45; y < 495; ++y)
        EXPECT_FALSE(isRingColour(c.pixel(390 + 150, y), c.palette())) << y;
    EXPECT_NE(c.pixel(390, 270) & 0xffffff, 0u) << "the globe";
    const QImage thumb = views::saturnThumbnail(*sys, s.start);
    EXPECT_EQ(thumb.size(), QSize(300, 300));
    EXPECT_NE(thumb.pixel(150, 150) & 0xffffff, 0u);
    EXPECT_EQ(thumb.pixel(2, 2) & 0xffffff, 0u);
}

TEST(SaturnMoonsView, FirstPaintAfterTheJupiterViewReinitialisesTheTables) {
    auto sys = loadModel();
    views::SatelliteScene s = sceneAt(2026, 12, 9, 26.13);
    s.mapWidth = static_cast<int>(sys->mapWidth);
    gfx::Canvas c(1500, 1400);
    views::drawSaturnMoonsView(c, s, *sys, true);
    int fresh[6];
    for (int i = 0; i < 6; ++i)
        fresh[i] = sys->satell(4 + i)->pos[6]; // strip x
    views::drawJupiterView(c, s, *sys);
    views::drawSaturnMoonsView(c, s, *sys, false);
    int stale = 0;
    for (int i = 0; i < 6; ++i)
        stale += sys->satell(4 + i)->pos[6] != fresh[i];
    EXPECT_GT(stale, 0) << "the Jupiter theory overwrote the orbit radii";
    views::drawJupiterView(c, s, *sys);
    views::drawSaturnMoonsView(c, s, *sys, true);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(sys->satell(4 + i)->pos[6], fresh[i]) << i;
    // The ring line is redrawn only strictly between the globe's edge and the rings' end.
    EXPECT_FALSE(views::redrawnUnderRingLine(100 + 40, 100, 1, 40.0));
    EXPECT_TRUE(views::redrawnUnderRingLine(100 + 41, 100, 1, 40.0));
    EXPECT_FALSE(views::redrawnUnderRingLine(100 + 41, 100, 0, 40.0));
    EXPECT_FALSE(views::redrawnUnderRingLine(100 + 92, 100, 1, 40.0));
}

TEST(JupiterView, PointedDateNamesTheNearestMoonEvent) {
    // 342 graph rows (H = 500) over 342 minutes from 2026-12-11 15:00 UT: one minute a row.
    // Astronomy Engine's geometry (tests/data/jovian_events_reference.csv) has Europa's shadow
    // come onto Jupiter at 19:32:51 and nothing from 12:07 to 18:12: the row of 19:40 names it,
    // the row of 15:00 names nothing and clears the line.
    views::SatelliteScene s = sceneAt(2026, 12, 11, 342.0 / 1440);
    s.start.heure = 15;
    s.start.calculeT();
    s.end = views::dateAt(s.start, s.start.t + 342.0L / 1440 / 36525);
    auto eventLine = [&](int minutes) {
        gfx::RecordingCanvas c(1500, 1400);
        views::showJovianPointedDate(c, s, views::kGraphTop + minutes);
        std::string line;
        for (const gfx::DrawCall& call : c.calls())
            if (call.kind == gfx::DrawCall::Kind::Text && call.points.at(0).y == 91) line = call.text;
        return line;
    };
    const std::string at1940 = eventLine(280);
    ASSERT_EQ(at1940.size(), 48u);
    // Within the two-minute budget of the event times: 19h31 to 19h34 after rounding.
    EXPECT_EQ(at1940.rfind("Europe : shadow transit begins at 19h3", 0), 0u) << at1940;
    const int minute = std::stoi(at1940.substr(38, 1));
    EXPECT_GE(minute, 1);
    EXPECT_LE(minute, 4);
    EXPECT_EQ(eventLine(0), std::string(48, ' '));
    EXPECT_EQ(views::nearestJovianEventText(views::pointedDate(s, views::kGraphTop)), "");
}

TEST(Saturn3D, TitanCrossesTheGlobeOn2009February24) {
    // Titan passed in front of Saturn's disc on 2009 February 24 from about 11:20 to 15:35 UT
    // (PyEphem 4.1.4, Bureau des Longitudes ephemeris, tests/data/saturn_moons_reference.py; it is
    // then 0.68 Saturn radii north of the centre and moves 0.35 radii an hour). The instants
    // checked stand 0.3 radii or more inside or outside the disc's edge.
    auto sys = loadModel();
    const RingModel rings = loadRingModel();
    const struct {
        int hour, minute;
        bool onDisc;
    } kInstants[] = {{10, 40, false}, {12, 0, true}, {13, 20, true}, {14, 40, true}, {16, 10, false}};
    int lastX = -1;
    for (const auto& at : kInstants) {
        views::SatelliteScene s = sceneAt(2009, 2, 24, 0);
        s.start.heure = at.hour;
        s.start.minute = at.minute;
        s.start.calculeT();
        s.end = s.start;
        s.mapWidth = static_cast<int>(sys->mapWidth);
        views::ViewCamera camera;
        views::computeSaturnTilt(*sys, s.start, camera);
        views::updateCamera(camera, 33);
        gfx::Canvas c(1500, 1400);
        views::drawSaturn3D(c, s, *sys, camera, 4.0, false, rings);
        const satell* titan = sys->satell(4 + 5);
        ASSERT_NE(titan, nullptr);
        const int tx = titan->pos[0], ty = titan->pos[1];
        const views::Projected g = views::projectPoint(camera, views::vecScale(camera.screenX, 0.4));
        const double globe = std::hypot(g.x, g.y) * 400; // the globe's radius in pixels
        const double off = std::hypot(tx - 390, ty - 270);
        EXPECT_EQ(off < globe, at.onDisc)
            << at.hour << ":" << at.minute << " Titan " << off << " px from the centre";
        // Titan moves from east (screen left) to west, and is drawn above the globe's centre,
        // over the globe while it crosses it.
        EXPECT_GT(tx, lastX) << at.hour << ":" << at.minute;
        lastX = tx;
        EXPECT_LT(ty, 270);
        if (at.onDisc) EXPECT_EQ(c.pixel(tx, ty) & 0xffffff, c.palette().brush(8).colour & 0xffffff);
    }
}

TEST(Saturn3D, BlackAndWhiteDrawsTheGlobeRingsAndMoonsInBlack) {
    auto sys = loadModel();
    const RingModel rings = loadRingModel();
    ASSERT_TRUE(rings.error.empty()) << rings.error;
    views::SatelliteScene s = sceneAt(2026, 12, 9, 0);
    s.mapWidth = static_cast<int>(sys->mapWidth);
    s.saving = s.blackWhite = true;
    views::ViewCamera camera;
    views::computeSaturnTilt(*sys, s.start, camera);
    views::updateCamera(camera, 33);
    const gfx::Palette bw = gfx::Palette::blackWhiteScheme();
    gfx::Canvas c(1500, 1400);
    c.setPalette(&bw);
    c.fillRect(0, 0, 1500, 1400, gfx::rgb(255, 255, 255));
    views::drawSaturn3D(c, s, *sys, camera, 4.0, false, rings);
    auto black = [&](int x, int y) { return (c.pixel(x, y) & 0xffffff) == 0; };
    // The globe's outline crosses the centre column above the centre (81 pixels up; the rings'
    // outline that comes nearest, 21 pixels up, is left out); ring outlines
    // cross the column 150
    // pixels right of it (the rings reach 1.1 model units, 220 pixels).
    const int cx = 390, cy = (500 - 50) / 2 + 45;
    int top = 0, column = 0;
    for (int y = 46; y < cy - 40; ++y)
        top += black(cx, y);
    for (int y = 45; y < 495; ++y)
        column += black(cx + 150, y);
    EXPECT_GT(top, 0) << "the globe's outline";
    EXPECT_GT(column, 1) << "ring outlines";
    // Each moon outside the globe is a black disc at its stored point.
    int moons = 0;
    for (int i = 0; i < 6; ++i) {
        const satell* m = sys->satell(4 + i);
        const int x = m->pos[0], y = m->pos[1];
        if (x < 10 || x > 770 || y < 50 || y > 490 || std::hypot(x - cx, y - cy) < 100) continue;
        if (x > s.mapWidth && y < 160) continue; // under the legend's box
        EXPECT_TRUE(black(x, y)) << i;
        ++moons;
    }
    EXPECT_GE(moons, 2);

    // The Jupiter and Saturn pictures of views 31 and 32: the planet's disc outlined in black.
    for (int view : {31, 32}) {
        gfx::Canvas p(1500, 1400);
        p.setPalette(&bw);
        p.fillRect(0, 0, 1500, 1400, gfx::rgb(255, 255, 255));
        if (view == 31)
            views::drawJupiterView(p, s, *sys);
        else
            views::drawSaturnMoonsView(p, s, *sys, true);
        // rho = 0.18 H = 90 (Jupiter) or 0.08 H = 40 (Saturn) around (585, 390).
        const int rho = view == 31 ? 90 : 40;
        int outline = 0;
        for (int y = 390 - rho - 2; y <= 390 - rho + 2; ++y)
            outline += (p.pixel(585, y) & 0xffffff) == 0;
        EXPECT_GT(outline, 0) << view;
    }
}

TEST(Saturn3D, ZoomedInTheLegendBoxStaysReadable) {
    auto sys = loadModel();
    views::SatelliteScene s = sceneAt(2026, 12, 9, 0);
    s.mapWidth = static_cast<int>(sys->mapWidth);
    views::ViewCamera camera;
    views::computeSaturnTilt(*sys, s.start, camera);
    views::updateCamera(camera, 33);
    gfx::Canvas c(1500, 1400);
    // Zoom 16: a globe of some 300 pixels' radius around (390, 270) reaches the legend's box.
    views::drawSaturn3D(c, s, *sys, camera, 16.0, false, loadRingModel());
    EXPECT_NE(c.pixel(390, 270) & 0xffffff, 0u) << "the globe at the centre";
    int white = 0, black = 0, all = 0;
    for (int y = 46; y < 158; ++y)
        for (int x = s.mapWidth + 1; x < 774; ++x) {
            const gfx::Rgb p = c.pixel(x, y) & 0xffffff;
            white += p == 0xffffffu;
            black += p == 0u;
            ++all;
        }
    EXPECT_GT(white, 100) << "the legend's white text";
    EXPECT_GT(black, all * 2 / 3) << "the text on the view's black, not on the globe";
}

TEST(Saturn3D, WestIsRightAndTheEarthSideBelowWhenSeenFromTheNorth) {
    // The Earth 17 degrees north of the ring plane, north up: the sky's west is on the right of
    // the screen, and the half of the ring plane facing the Earth lies below the centre.
    views::ViewCamera camera;
    camera.saturnTilt = 0.3;
    views::updateCamera(camera, 33);
    const views::Projected centre = views::projectPoint(camera, views::Vec3{0, 0, 0});
    const double d0 = views::vecLength(views::vecSub(views::Vec3{0, 0, 0}, camera.origin));
    const views::Vec3 west = views::saturnMoonPoint(3.0, 0.0);
    const views::Projected w = views::projectPoint(camera, west);
    EXPECT_GT(w.x, centre.x + 0.01);
    EXPECT_NEAR(w.y, centre.y, 1e-9);
    const views::Vec3 towardsEarth = views::saturnMoonPoint(0.0, 3.0);
    const views::Projected n = views::projectPoint(camera, towardsEarth);
    EXPECT_LT(n.y, centre.y - 0.01) << "projected y grows upwards: the near side is below";
    EXPECT_LT(views::vecLength(views::vecSub(towardsEarth, camera.origin)), d0) << "in front of Saturn";
}

TEST(SatelliteGraphs, PointedDateOfTheRowUnderTheMouse) {
    // 342 days over the graph's H - 158 = 342 rows from row 130: row 154 is 24 days after
    // 2026-01-01 0h, 25 January; row 130 + 171 = 301 is 171.0 days after, 21 June 0h.
    views::SatelliteScene s = sceneAt(2026, 1, 1, 342);
    s.mapWidth = 548;
    for (int textY : {79, 85}) {
        gfx::RecordingCanvas c(1500, 1400);
        views::showPointedDate(c, s, 154, textY);
        views::showPointedDate(c, s, 301, textY);
        ASSERT_EQ(c.count(gfx::DrawCall::Kind::Text), 2);
        int k = 0;
        for (const gfx::DrawCall& call : c.calls()) {
            if (call.kind != gfx::DrawCall::Kind::Text) continue;
            EXPECT_EQ(call.text,
                      k == 0 ? "Pointed date : 25/1/2026 0h     " : "Pointed date : 21/6/2026 0h     ");
            EXPECT_EQ(call.points[0], (gfx::Point{548 + 10, textY}));
            ++k;
        }
    }
    // A graph of fewer than 4 rows from 158 has no row-to-date mapping: nothing is written.
    for (int H : {155, 158, 161}) {
        s.clientHeight = H;
        gfx::RecordingCanvas c(1500, 1400);
        views::showPointedDate(c, s, 131, 79);
        EXPECT_EQ(c.count(gfx::DrawCall::Kind::Text), 0) << H;
    }
    for (int H : {154, 162}) {
        s.clientHeight = H;
        gfx::RecordingCanvas c(1500, 1400);
        views::showPointedDate(c, s, 131, 79);
        EXPECT_EQ(c.count(gfx::DrawCall::Kind::Text), 1) << H;
    }
}

TEST(Saturn3D, TheGlobeIsPaleGoldWithSoftBands) {
    // The globe alone (no ring file), as the screen shows it: Saturn is a pale yellowish gold
    // (about 225, 200, 150 in photographs), its belts a little deeper, its polar caps greyer,
    // never the lemon (255, 253, ~50) or the salmon (255, 125, ~120) of a plain OR with orange.
    auto sys = loadModel();
    views::SatelliteScene s = sceneAt(2026, 12, 9, 0);
    views::ViewCamera camera;
    views::computeSaturnTilt(*sys, s.start, camera);
    views::updateCamera(camera, 33);
    gfx::Canvas c(1500, 1400);
    views::drawSaturn3D(c, s, *sys, camera, 4.0, false, RingModel{});
    const int cx = 390, cy = 270;
    int r = 0;
    while (r < 300 && (c.pixel(cx - r, cy) & 0xffffff) != 0)
        ++r;
    ASSERT_GT(r, 40);
    // Mean colour of each band of rows across the middle half of the globe, 4 rows a band
    // (the picture's 4 x 4 dither averages out).
    double minG = 255, maxG = 0;
    for (int y0 = cy - r * 8 / 10; y0 + 4 <= cy + r * 8 / 10; y0 += 4) {
        double g = 0, b = 0;
        int n = 0;
        for (int y = y0; y < y0 + 4; ++y)
            for (int x = cx - r / 4; x < cx + r / 4; ++x) {
                g += gfx::green(c.pixel(x, y));
                b += gfx::blue(c.pixel(x, y));
                ++n;
            }
        g /= n;
        b /= n;
        EXPECT_GT(g, 185) << "row " << y0 << ": not salmon";
        EXPECT_LT(g, 250) << "row " << y0 << ": not lemon";
        EXPECT_GT(b, 100) << "row " << y0;
        EXPECT_LT(b, 240) << "row " << y0;
        minG = std::min(minG, g);
        maxG = std::max(maxG, g);
    }
    EXPECT_GT(maxG - minG, 12) << "bands";
}

TEST(SaturnMoonsView, EastAndWestMarksFollowTheTheorysWestwardX) {
    // Saturn's theory gives x towards the west (the 3D view turns it round to put east on the
    // left): in view 32 the graph and the strip grow westwards, "W" on the right, "E" on the left.
    auto sys = loadModel();
    views::SatelliteScene s = sceneAt(2026, 12, 9, 26.13);
    s.mapWidth = static_cast<int>(sys->mapWidth);
    gfx::RecordingCanvas c(1500, 1400);
    views::drawSaturnMoonsView(c, s, *sys, true);
    int marks = 0;
    for (const gfx::DrawCall& call : c.calls()) {
        if (call.kind != gfx::DrawCall::Kind::Text || (call.text != "E" && call.text != "W")) continue;
        ++marks;
        EXPECT_EQ(call.points[0].x > 780 / 4, call.text == "W") << call.text;
    }
    EXPECT_EQ(marks, 4);
}
