// SPDX-License-Identifier: GPL-3.0-or-later
// Sky rendering: sky colours, the star painter, layers and screen points, frames, the NGC 2000
// stream and the Moon's phase, checked by pixels and by the calls of a recording canvas.
#include "astro/angles.h"
#include "astro/date2.h"
#include "catalog/prompter.h"
#include "catalog/star_store.h"
#include "catalog/systeme.h"
#include "gfx/canvas.h"
#include "gfx/parametre_affichage.h"
#include "gfx/recording_canvas.h"
#include "skymap/sky_icons.h"
#include "skymap/sky_render.h"
#include "skymap/star_painter.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <numbers>

using namespace skymap;

namespace {

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

// A model with a Sun and a hand-made constellation, for an observer at the north pole (altitude
// = declination) so that positions are easy to place.
struct PoleScene {
    systeme sys;
    ParametreAffichage options;
    SkyNavigation nav;
    date2 date = makeDate(2026, 12, 9, 20, 0);
    double theta = 0;

    PoleScene() {
        sys.latitude = 90;
        sys.longitude = 0;
        sys.clientWidth = 780;
        sys.clientHeight = 500;
        sys.mapWidth = 548;
        sys.mapRadius = 225;
        sys.sunBody = std::make_unique<soleil>();
        sys.sunBody->dec = -20; // 20 degrees below the horizon: black sky
        sys.sunBody->ra = 0;
        theta = siderealTime(date);
    }

    // A star at altitude alt whose hour angle (= azimuth at the pole) is hourAngle_deg.
    etoile* addStar(::constellation& c, double alt, double hourAngle_deg, double mag, const char* name,
                    const char* type) {
        auto star = std::make_unique<etoile>();
        star->dec = alt;
        star->ra = std::fmod(theta - hourAngle_deg + 720, 360.0);
        star->mag = mag;
        std::snprintf(star->word2, sizeof star->word2, "%s", name);
        std::snprintf(star->word3, sizeof star->word3, "%s", type);
        etoile* raw = star.get();
        c.stars[c.nbStars++] = std::move(star);
        return raw;
    }

    ::constellation& addConstellation() {
        sys.constellations[sys.nbConstellations] = std::make_unique<::constellation>();
        return *sys.constellations[sys.nbConstellations++];
    }

    SkyScene scene() {
        SkyScene s;
        s.sys = &sys;
        s.date = &date;
        s.options = &options;
        s.nav = &nav;
        s.computePositions = false;
        return s;
    }
};

gfx::Rgb channelBlend(double f) {
    const int v = static_cast<int>(255 * f);
    return gfx::rgb(v, v, v);
}

} // namespace

TEST(SkyColour, FollowsTheSunsAltitude) {
    const gfx::Palette pal = gfx::Palette::screenScheme();
    EXPECT_EQ(selectSkyBrush(5.5, false), 4);
    EXPECT_EQ(pal.brush(selectSkyBrush(5.5, false)).colour, gfx::rgb(0, 0, 255));
    EXPECT_EQ(selectSkyBrush(5.0, false), 29);
    EXPECT_EQ(pal.brush(selectSkyBrush(5.0, false)).colour, gfx::rgb(0, 0, 229));
    EXPECT_EQ(selectSkyBrush(-10, false), 3);
    EXPECT_EQ(pal.brush(selectSkyBrush(-10, false)).colour, gfx::rgb(0, 0, 0));
    EXPECT_EQ(selectSkyBrush(-9.99, false), 21);
    EXPECT_EQ(selectSkyBrush(0, false), 24);
    EXPECT_EQ(selectSkyBrush(1e-9, false), 25);
    EXPECT_EQ(selectSkyBrush(-1, false), 23);
    EXPECT_EQ(selectSkyBrush(-3, false), 22);
    EXPECT_EQ(selectSkyBrush(40, true), 1);
}

TEST(StarPainter, MagnitudeMinus1Point4HasFiveRings) {
    EXPECT_EQ(starRingCount(-1.4, 1.0), 5); // trunc(5 + 0.5)
    EXPECT_EQ(starRingCount(3.0, 1.0), 0);  // 5 - 3 = 2 is not above 2
    EXPECT_EQ(starRingCount(2.9, 1.0), 2);
    EXPECT_EQ(starRingCount(101.0, 1.0), 4); // flagged magnitude 1.0

    gfx::Canvas canvas(100, 100, gfx::rgb(0, 0, 0));
    StarStyle style;
    drawStar(canvas, {50, 50}, -1.4, 1, gfx::rgb(0, 0, 0), nullptr, style);
    const double k = 5.5;
    for (int r = 1; r <= 5; ++r) {
        const double F = std::cos((r - 1) * (std::numbers::pi / 2) / k);
        if (r > 1) {
            EXPECT_EQ(canvas.pixel(50 + r, 50), channelBlend(F)) << "ring " << r;
        }
    }
    EXPECT_EQ(canvas.pixel(50, 50), gfx::rgb(255, 255, 255));
    EXPECT_EQ(canvas.pixel(56, 50), gfx::rgb(0, 0, 0)); // nothing beyond the fifth ring
    EXPECT_EQ(canvas.pixel(45, 50), channelBlend(std::cos(4 * (std::numbers::pi / 2) / k))); // 180 deg
}

TEST(StarPainter, FaintStarIsOnePixelOfItsIntensity) {
    gfx::Canvas canvas(20, 20, gfx::rgb(0, 0, 0));
    StarStyle style; // limit 6: A = 7, f = 0.8 / (3 - 7)
    drawStar(canvas, {10, 10}, 3.0, 1, gfx::rgb(0, 0, 0), nullptr, style);
    EXPECT_EQ(canvas.pixel(10, 10), gfx::rgb(255, 255, 255)); // t = 0.2 + (3 - 7)(-0.2) = 1
    EXPECT_EQ(canvas.pixel(11, 10), gfx::rgb(0, 0, 0));
    drawStar(canvas, {5, 5}, 5.0, 1, gfx::rgb(0, 0, 0), nullptr, style);
    EXPECT_EQ(canvas.pixel(5, 5), channelBlend(0.6)); // 0.2 + (5 - 7)(-0.2)
    // Over a twilight sky the star blends from the sky colour.
    drawStar(canvas, {15, 15}, 5.0, 1, gfx::rgb(0, 0, 100), nullptr, style);
    EXPECT_EQ(canvas.pixel(15, 15), gfx::rgb(153, 153, 100 + static_cast<int>(155 * 0.6)));
    // With the Guide Star Catalog A = 16.
    style.useGsc = true;
    drawStar(canvas, {2, 2}, 5.0, 1, gfx::rgb(0, 0, 0), nullptr, style);
    EXPECT_EQ(canvas.pixel(2, 2), channelBlend(0.2 + (5 - 16) * (0.8 / (3 - 16.0))));
}

TEST(StarPainter, SpectralColourTakesThePaletteIndex) {
    EXPECT_EQ(spectralColourIndex("A0V"), 10);
    EXPECT_EQ(spectralColourIndex("O9"), 10);
    EXPECT_EQ(spectralColourIndex("B8"), 4);
    EXPECT_EQ(spectralColourIndex("F5"), 1);
    EXPECT_EQ(spectralColourIndex("G2"), 14);
    EXPECT_EQ(spectralColourIndex("K0"), 7);
    EXPECT_EQ(spectralColourIndex("M1"), 5);
    EXPECT_EQ(spectralColourIndex("-"), 1);
    gfx::Canvas canvas(20, 20, gfx::rgb(0, 0, 0));
    StarStyle style;
    const gfx::Palette pal = gfx::Palette::screenScheme();
    style.palette = &pal;
    style.spectralColours = true;
    drawStar(canvas, {10, 10}, 0.5, 7, gfx::rgb(0, 0, 0), nullptr, style);
    EXPECT_EQ(canvas.pixel(10, 10), gfx::rgb(255, 125, 0));
}

TEST(StarPainter, WhiteSchemeDiscsByMagnitude) {
    gfx::Palette pal = gfx::Palette::screenScheme();
    StarStyle style;
    style.palette = &pal;
    style.whiteScheme = true;
    gfx::Canvas canvas(60, 20, gfx::rgb(255, 255, 255));
    drawStar(canvas, {10, 10}, -0.5, 1, gfx::rgb(255, 255, 255), nullptr, style); // radius 3
    drawStar(canvas, {25, 10}, 1.0, 1, gfx::rgb(255, 255, 255), nullptr, style);  // radius 2
    drawStar(canvas, {40, 10}, 3.0, 1, gfx::rgb(255, 255, 255), nullptr, style);  // radius 1
    drawStar(canvas, {55, 10}, 4.0, 1, gfx::rgb(255, 255, 255), nullptr, style);  // a pixel
    const gfx::Rgb ink = pal.brush(0).colour;
    EXPECT_EQ(canvas.pixel(10, 10), ink);
    EXPECT_EQ(canvas.pixel(12, 10), ink);
    EXPECT_EQ(canvas.pixel(15, 10), gfx::rgb(255, 255, 255));
    EXPECT_EQ(canvas.pixel(26, 10), ink);
    EXPECT_EQ(canvas.pixel(28, 10), gfx::rgb(255, 255, 255));
    EXPECT_EQ(canvas.pixel(40, 10), ink);
    EXPECT_EQ(canvas.pixel(42, 10), gfx::rgb(255, 255, 255));
    EXPECT_EQ(canvas.pixel(55, 10), gfx::rgb(0, 0, 0));
    EXPECT_EQ(canvas.pixel(56, 10), gfx::rgb(255, 255, 255));
}

TEST(StarPainter, NamesOnlyWhenSwitchedOn) {
    gfx::Palette pal = gfx::Palette::screenScheme();
    for (bool white : {false, true}) {
        gfx::RecordingCanvas canvas(100, 100);
        StarStyle style;
        style.palette = &pal;
        style.whiteScheme = white;
        drawStar(canvas, {50, 50}, 1.0, 1, 0, "Vega", style);
        EXPECT_EQ(canvas.count(gfx::DrawCall::Kind::Text), 0);
        style.showNames = true;
        drawStar(canvas, {50, 50}, 1.0, 1, 0, "Vega", style);
        drawStar(canvas, {50, 50}, 1.0, 1, 0, "-", style);      // no name
        drawStar(canvas, {50, 50}, 2.6, 1, 0, "Mizar", style);  // fainter than 2.5 s
        drawStar(canvas, {50, 50}, -1.46, 1, 0, "Sirius", style); // the brightest are named too
        ASSERT_EQ(canvas.count(gfx::DrawCall::Kind::Text), 2);
        EXPECT_TRUE(canvas.hasText("Vega"));
        EXPECT_TRUE(canvas.hasText("Sirius"));
        for (const gfx::DrawCall& call : canvas.calls())
            if (call.kind == gfx::DrawCall::Kind::Text) {
                EXPECT_EQ(call.points.at(0), (gfx::Point{55, 47}));
                EXPECT_EQ(call.colour, white ? gfx::rgb(0, 0, 0) : gfx::rgb(255, 255, 255));
            }
    }
}

TEST(Render, ConstellationLineAcrossTheDiscIsNotDrawn) {
    PoleScene t;
    ::constellation& c = t.addConstellation();
    etoile* a = t.addStar(c, 10, 90, 2.0, "A", "A0");   // west
    etoile* b = t.addStar(c, 10, 270, 2.0, "B", "A0");  // east, across the disc
    etoile* near = t.addStar(c, 60, 90, 2.0, "C", "A0");
    etoile* near2 = t.addStar(c, 55, 95, 2.0, "D", "A0");
    a->links[0] = 1;
    a->links[1] = -1;
    near->links[0] = 3;
    near->links[1] = -1;
    SkyScene scene = t.scene();
    gfx::RecordingCanvas canvas(1500, 1400);
    t.options.attach(canvas);
    const PaintStats stats = paintSkyView(canvas, kViewCircular, scene);
    ASSERT_GT(a->screenX, 0);
    ASSERT_GT(b->screenX, 0);
    EXPECT_GT(std::abs(a->screenX - b->screenX), 100);
    EXPECT_EQ(stats.constellationLines, 1);
    EXPECT_TRUE(canvas.hasLine(near->screenX, near->screenY, near2->screenX, near2->screenY));
    EXPECT_FALSE(canvas.hasLine(a->screenX, a->screenY, b->screenX, b->screenY));
    // The lines use the dotted pen.
    for (const gfx::DrawCall& call : canvas.calls())
        if (call.kind == gfx::DrawCall::Kind::Line) {
            EXPECT_EQ(call.penIndex, 16);
        }
}

TEST(Render, HiddenStarsStoreTheHiddenPointAndAreNotDrawn) {
    PoleScene t;
    ::constellation& c = t.addConstellation();
    etoile* below = t.addStar(c, -5, 0, 1.0, "Below", "A0");
    etoile* faint = t.addStar(c, 40, 0, 6.5, "Faint", "A0");
    etoile* shown = t.addStar(c, 40, 180, 1.0, "Shown", "A0");
    SkyScene scene = t.scene();
    gfx::Canvas canvas(1500, 1400);
    t.options.attach(canvas);
    const PaintStats stats = paintSkyView(canvas, kViewCircular, scene);
    EXPECT_EQ(below->screenX, -100);
    EXPECT_GT(faint->screenX, 0); // projected, but fainter than 6: not drawn
    EXPECT_EQ(stats.starsDrawn, 1);
    // Circular view, R = 225: altitude 40 at the north (hour angle 180): r = 125 above the centre.
    EXPECT_EQ(shown->screenX, 274);
    EXPECT_EQ(shown->screenY, 265 - 125);
    EXPECT_EQ(canvas.pixel(274, 140), gfx::rgb(255, 255, 255));
    // The sky is black with the Sun 20 degrees down; outside the disc the buffer is untouched.
    EXPECT_EQ(stats.skyBrush, 3);
    EXPECT_EQ(canvas.pixel(274, 400), gfx::rgb(0, 0, 0));
    EXPECT_EQ(canvas.pixel(274, 40), gfx::rgb(255, 0, 0)); // red rim at the top of the disc
}

TEST(Render, TwilightDiscColour) {
    PoleScene t;
    t.sys.sunBody->dec = 4.9999; // just under 5 degrees high (asin(sin 5) is not exactly 5): ramp 229
    SkyScene scene = t.scene();
    gfx::Canvas canvas(1500, 1400);
    t.options.attach(canvas);
    PaintStats stats = paintSkyView(canvas, kViewCircular, scene);
    EXPECT_EQ(stats.skyBrush, 29);
    EXPECT_EQ(canvas.pixel(200, 300), gfx::rgb(0, 0, 229));
    t.sys.sunBody->dec = 5.5;
    stats = paintSkyView(canvas, kViewCircular, scene);
    EXPECT_EQ(canvas.pixel(200, 300), gfx::rgb(0, 0, 255));
    t.sys.sunBody->dec = -10.0001;
    stats = paintSkyView(canvas, kViewCircular, scene);
    EXPECT_EQ(canvas.pixel(200, 300), gfx::rgb(0, 0, 0));
}

TEST(Render, BorderSegmentAcrossHalfTheMapIsCut) {
    PoleScene t;
    t.options.constellationBorders = true;
    auto addPoint = [&](double alt, double ha) {
        t.sys.borderPoints[t.sys.nbBorderPoints] = BorderPoint{alt, std::fmod(t.theta - ha + 720, 360.0)};
        return t.sys.nbBorderPoints++;
    };
    BorderLine& line = t.sys.borderLines[t.sys.nbBorderLines++];
    line.points[line.count++] = addPoint(30, 80);
    line.points[line.count++] = addPoint(30, 100);  // short step: drawn
    line.points[line.count++] = addPoint(30, 260);  // across the disc: pen moves only
    line.points[line.count++] = addPoint(-10, 250); // below the horizon: hidden
    line.points[line.count++] = addPoint(20, 240);
    line.points[line.count++] = addPoint(20, 220);  // drawn
    SkyScene scene = t.scene();
    gfx::RecordingCanvas canvas(1500, 1400);
    t.options.attach(canvas);
    const PaintStats stats = paintSkyView(canvas, kViewCircular, scene);
    EXPECT_EQ(stats.borderSegments, 2);
    int whiteLines = 0;
    for (const gfx::DrawCall& call : canvas.calls())
        if (call.kind == gfx::DrawCall::Kind::Line && call.penIndex == 1) ++whiteLines;
    EXPECT_EQ(whiteLines, 2);
}

TEST(Render, QuadraticFrameIsBlackWithLabels) {
    PoleScene t;
    t.sys.sunBody->dec = 30; // daylight does not colour the quadratic views
    SkyScene scene = t.scene();
    gfx::RecordingCanvas canvas(1500, 1400, gfx::rgb(200, 200, 200));
    t.options.attach(canvas);
    paintSkyView(canvas, kViewQuadratic, scene);
    EXPECT_EQ(canvas.pixel(100, 100), gfx::rgb(0, 0, 0));
    EXPECT_EQ(canvas.pixel(4, 100), gfx::rgb(200, 200, 200));
    EXPECT_TRUE(canvas.hasText("24h"));
    EXPECT_TRUE(canvas.hasText("0h"));
    EXPECT_TRUE(canvas.hasText("90\xB0"));
    EXPECT_TRUE(canvas.hasText("-90\xB0"));
}

TEST(Render, AzimutalLabelsAndCardinals) {
    PoleScene t;
    SkyScene scene = t.scene();
    gfx::RecordingCanvas canvas(1500, 1400);
    t.options.attach(canvas);
    paintSkyView(canvas, kViewAzimutal, scene); // 300..420, -5..15
    EXPECT_TRUE(canvas.hasText("120\xB0"));  // 300 - 180
    EXPECT_TRUE(canvas.hasText("-120\xB0")); // 420 - 540
    EXPECT_TRUE(canvas.hasText("15\xB0"));
    EXPECT_TRUE(canvas.hasText("-5\xB0"));
    // "S" at 360: x = trunc(528 * 60 / 120 + 7) = 271; no "N" (R0 = 420 is not above 560).
    bool south = false;
    for (const gfx::DrawCall& call : canvas.calls())
        if (call.kind == gfx::DrawCall::Kind::Text && call.text == "S") {
            south = true;
            EXPECT_EQ(call.points.at(0), (gfx::Point{271, 470}));
        }
    EXPECT_TRUE(south);
    EXPECT_FALSE(canvas.hasText("N"));
}

TEST(Render, CircularLabelsOnlyUnzoomed) {
    PoleScene t;
    SkyScene scene = t.scene();
    gfx::RecordingCanvas canvas(1500, 1400);
    t.options.attach(canvas);
    paintSkyView(canvas, kViewCircular, scene);
    EXPECT_TRUE(canvas.hasText("North"));
    EXPECT_TRUE(canvas.hasText("East"));
    EXPECT_TRUE(canvas.hasText("West"));
    canvas.clearCalls();
    t.options.circularZoom = 2;
    paintSkyView(canvas, kViewCircular, scene);
    EXPECT_FALSE(canvas.hasText("North"));
}

TEST(Render, ZoomedDiscIsClippedToTheMapArea) {
    PoleScene t;
    t.sys.sunBody->dec = 30; // blue sky
    t.options.circularZoom = 4;
    SkyScene scene = t.scene();
    gfx::Canvas canvas(1500, 1400, gfx::rgb(200, 200, 200));
    t.options.attach(canvas);
    paintSkyView(canvas, kViewCircular, scene);
    EXPECT_EQ(canvas.pixel(100, 100), gfx::rgb(0, 0, 255));
    // Copied back: (3, 26) to (3 + 548 - 22, 26 + 500 - 41); beyond it the buffer is untouched.
    EXPECT_EQ(canvas.pixel(3, 26), gfx::rgb(0, 0, 255));
    EXPECT_EQ(canvas.pixel(528, 484), gfx::rgb(0, 0, 255));
    EXPECT_EQ(canvas.pixel(529, 300), gfx::rgb(200, 200, 200));
    EXPECT_EQ(canvas.pixel(300, 485), gfx::rgb(200, 200, 200));
    EXPECT_EQ(canvas.pixel(2, 300), gfx::rgb(200, 200, 200));
    // Unzoomed, the pans are forgotten.
    t.options.circularZoom = 1;
    t.options.circularPanX = 40;
    paintSkyView(canvas, kViewCircular, scene);
    EXPECT_EQ(t.options.circularPanX, 0);
}

TEST(Render, DeepSkyLayersStorePointsAndHiddenLayersForgetThem) {
    PoleScene t;
    auto add = [&](const char* designation, int type, double alt) {
        auto obj = std::make_unique<ngc>();
        obj->dec = alt;
        obj->ra = std::fmod(t.theta + 720, 360.0);
        obj->type = type;
        std::snprintf(obj->designation, sizeof obj->designation, "%s", designation);
        ngc* raw = obj.get();
        t.sys.deepSkyObjects[t.sys.nbDeepSky++] = std::move(obj);
        return raw;
    };
    registerSkyIcons();
    ngc* m31 = add("M31", 6, 45);
    ngc* n1 = add("NGC7000", 1, 50);
    n1->screenX = 77; // stale point of an earlier paint
    SkyScene scene = t.scene();
    gfx::RecordingCanvas canvas(1500, 1400);
    t.options.attach(canvas);
    PaintStats stats = paintSkyView(canvas, kViewCircular, scene);
    EXPECT_EQ(stats.deepSkyDrawn, 1);
    EXPECT_EQ(n1->screenX, -100); // NGC layer off
    ASSERT_GT(m31->screenX, 0);
    bool iconAtPoint = false;
    for (const gfx::DrawCall& call : canvas.calls())
        if (call.kind == gfx::DrawCall::Kind::Icon && call.id == kIconSpiralGalaxy)
            iconAtPoint = call.points.at(0) == gfx::Point{m31->screenX - 16, m31->screenY - 16};
    EXPECT_TRUE(iconAtPoint);
    t.options.showNGC = true;
    stats = paintSkyView(canvas, kViewCircular, scene);
    EXPECT_EQ(stats.deepSkyDrawn, 2);
    EXPECT_GT(n1->screenX, 0);
}

TEST(Ngc2000, ColumnsAndTypes) {
    const std::string path = (std::filesystem::temp_directory_path() / "nalvo_ngc2000_test.dat").string();
    {
        std::ofstream out(path, std::ios::binary);
        auto record = [&](const std::string& r) {
            std::string line = r;
            line.resize(97, ' ');
            out << line << '\n';
        };
        record("  224  Gx  0 42.7  +41 16  Sb");
        record(" 6514  Nb 18 02.6  -23 02");
        record(" 6205  Gb 16 41.7  +36 28");
        record(" 2632  OC  8 40.1  +19 59");
        record(" 7293  Pl 22 29.6  -20 48");
        record(" 1000  *  2 38.0  +41 28");
        out << "   55  Gx  0 15.1  -39 13"; // last record cut short, no line feed
    }
    struct Seen {
        int icon;
        double ra, dec;
    };
    std::vector<Seen> seen;
    ASSERT_TRUE(forEachNgc2000(path, [&](int icon, double ra, double dec) { seen.push_back({icon, ra, dec}); }));
    ASSERT_EQ(seen.size(), 7u);
    EXPECT_EQ(seen[0].icon, kIconGalaxy);
    EXPECT_NEAR(seen[0].ra, (0 + 42.7 / 60) * 15, 1e-9);
    EXPECT_NEAR(seen[0].dec, 41 + 16 / 60.0, 1e-9);
    EXPECT_EQ(seen[1].icon, kIconNebula);
    EXPECT_NEAR(seen[1].dec, -(23 + 2 / 60.0), 1e-9);
    EXPECT_NEAR(seen[1].ra, (18 + 2.6 / 60) * 15, 1e-9);
    EXPECT_EQ(seen[2].icon, kIconGlobularCluster);
    EXPECT_EQ(seen[3].icon, kIconOpenCluster);
    EXPECT_EQ(seen[4].icon, kIconNebula); // planetary nebula: second letter 'l'
    EXPECT_EQ(seen[5].icon, 0);           // a star: not drawn
    EXPECT_EQ(seen[6].icon, kIconGalaxy);
    EXPECT_NEAR(seen[6].dec, -(39 + 13 / 60.0), 1e-9);
    std::filesystem::remove(path);
    EXPECT_FALSE(forEachNgc2000(path, [](int, double, double) {}));
}

TEST(MoonPhase, HalfMoonWaxingIsLitOnTheRight) {
    gfx::Canvas canvas(40, 40, gfx::rgb(0, 0, 70));
    const gfx::Rgb lit = gfx::rgb(255, 255, 255), dark = gfx::rgb(50, 50, 50);
    drawMoonPhase(canvas, 20, 20, 10, 0.5, true, lit, dark);
    EXPECT_EQ(canvas.pixel(25, 20), lit);
    EXPECT_EQ(canvas.pixel(14, 20), dark);
    EXPECT_EQ(canvas.pixel(2, 20), gfx::rgb(0, 0, 70));
    drawMoonPhase(canvas, 20, 20, 10, 0.25, false, lit, dark); // waning crescent: lit on the left
    EXPECT_EQ(canvas.pixel(12, 20), lit);
    EXPECT_EQ(canvas.pixel(20, 20), dark);
    EXPECT_EQ(canvas.pixel(27, 20), dark);
    drawMoonPhase(canvas, 20, 20, 10, 1.0, true, lit, dark);
    EXPECT_EQ(canvas.pixel(12, 20), lit);
    EXPECT_EQ(canvas.pixel(28, 20), lit);
}

TEST(StarDepth, LimitAndScaleOfEachView) {
    ParametreAffichage o;
    CatalogueSettings none, star6;
    star6.useStar6 = 1;
    StarDepth d = viewStarDepth(o, none, kViewCircular, 0, 0); // no star file: limit 6, scale Z * 6 / 15
    EXPECT_DOUBLE_EQ(d.starMagnitude, 6);
    EXPECT_DOUBLE_EQ(d.starScale, 0.4);
    d = viewStarDepth(o, star6, kViewCircular, 0, 0); // automatic, Z = 1: 5.99 held at 6, scale 1
    EXPECT_DOUBLE_EQ(d.starMagnitude, 6);
    EXPECT_DOUBLE_EQ(d.starScale, 1);
    o.circularZoom = 4;
    d = viewStarDepth(o, star6, kViewCircular, 0, 0);
    EXPECT_NEAR(d.starMagnitude, 7.49, 1e-12);
    EXPECT_NEAR(d.starScale, 3 * 4.49 / 12 + 1, 1e-12);
    d = viewStarDepth(o, star6, kViewQuadratic, 19, 10);
    EXPECT_NEAR(d.starMagnitude, 30.0 / 19 + 6, 1e-12);
    EXPECT_NEAR(d.starScale, 0.2 * (30.0 / 19 + 2), 1e-12);
    d = viewStarDepth(o, star6, kViewQuadratic, 5, 5); // 30/5 + 6 = 12, held at 9
    EXPECT_DOUBLE_EQ(d.starMagnitude, 9);
    EXPECT_NEAR(d.starScale, 1.0, 1e-12);
    o.animating = true;
    d = viewStarDepth(o, star6, kViewQuadratic, 60, 30); // limit 6 while animating
    EXPECT_DOUBLE_EQ(d.starMagnitude, 6);
    EXPECT_NEAR(d.starScale, (6.0 / 6 - 1) * 60 * 0.0125 + 1, 1e-12);
    o.animating = false;
    o.autoMagnitude = false;
    o.starMagnitude = 8;
    d = viewStarDepth(o, star6, kViewAzimutal, 120, 20); // the user's limit stays
    EXPECT_DOUBLE_EQ(d.starMagnitude, 8);
    EXPECT_NEAR(d.starScale, 1.0, 1e-12);
    o.equidistantZoom = 2;
    d = viewStarDepth(o, star6, kViewEquidistant, 0, 0);
    EXPECT_NEAR(d.starScale, 2 * 8 / 15.0, 1e-12);
    // None of these paints' limits was written into the settings.
    EXPECT_DOUBLE_EQ(o.starMagnitude, 8);
    EXPECT_DOUBLE_EQ(o.starScale, 1.0);
}

TEST(StarDepth, ABrighterLimitHoldsWithoutStarFilesAndWhileAnimating) {
    ParametreAffichage o;
    CatalogueSettings none, star6;
    star6.useStar6 = 1;
    o.autoMagnitude = false;
    o.starMagnitude = 4.5;
    EXPECT_DOUBLE_EQ(viewStarDepth(o, none, kViewCircular, 0, 0).starMagnitude, 4.5);
    o.animating = true;
    EXPECT_DOUBLE_EQ(viewStarDepth(o, star6, kViewCircular, 0, 0).starMagnitude, 4.5);
    // Deeper than the constellation stars' 6 needs the star files, and no animation.
    o.starMagnitude = 8;
    EXPECT_DOUBLE_EQ(viewStarDepth(o, star6, kViewCircular, 0, 0).starMagnitude, 6);
    o.animating = false;
    EXPECT_DOUBLE_EQ(viewStarDepth(o, none, kViewCircular, 0, 0).starMagnitude, 6);
    EXPECT_DOUBLE_EQ(viewStarDepth(o, star6, kViewCircular, 0, 0).starMagnitude, 8);
}

TEST(Icons, EverySetIsDrawnAndDistinct) {
    for (int id = kIconSun; id <= kIconLast; ++id) {
        for (bool bw : {false, true}) {
            const QImage icon = makeSkyIcon(id, bw);
            ASSERT_EQ(icon.width(), 32);
            ASSERT_EQ(icon.height(), 32);
            int opaque = 0;
            for (int y = 0; y < 32; ++y)
                for (int x = 0; x < 32; ++x) opaque += qAlpha(icon.pixel(x, y)) > 128;
            EXPECT_GT(opaque, 8) << id << (bw ? " bw" : "");
            EXPECT_EQ(qAlpha(icon.pixel(0, 31)), 0) << id; // transparent corner
            if (bw) {
                for (int y = 0; y < 32; ++y)
                    for (int x = 0; x < 32; ++x) {
                        const QRgb p = icon.pixel(x, y);
                        if (qAlpha(p) == 255) {
                            EXPECT_EQ(qRed(p), qBlue(p)) << id; // greys only
                        }
                    }
            }
        }
        if (id > kIconSun) {
            EXPECT_NE(makeSkyIcon(id, false), makeSkyIcon(id - 1, false)) << id;
        }
    }
    EXPECT_EQ(planetIconId("Saturne"), kIconSaturn);
    EXPECT_EQ(planetIconId("Terre"), kIconEarth);
    EXPECT_EQ(planetIconId("Vulcain"), kIconBody);
    EXPECT_EQ(deepSkyIconId(1), kIconNebula);
    EXPECT_EQ(deepSkyIconId(7), kIconSpiralGalaxyEdge);
    EXPECT_EQ(deepSkyIconId(9), 0);
}

namespace {

// The shipped data for 2026-12-09 20:00 UT from Annecy (the settings' defaults).
struct ShippedScene {
    RecordingPrompter prompter;
    systeme sys;
    ParametreAffichage options;
    SkyNavigation nav;
    date2 date = makeDate(2026, 12, 9, 20, 0);
    bool loaded = false;

    ShippedScene() {
        const std::string data = NALVO_SOURCE_DATA_DIR;
        const std::string ini = (std::filesystem::temp_directory_path() / "nalvo_render_none.ini").string();
        std::remove(ini.c_str());
        sys.lookupDirs = {data};
        loaded = std::filesystem::exists(data + "/Sys.syt") && sys.load(data + "/Sys.syt", prompter, ini) >= 0;
        sys.setScreen(780, 500);
    }
    PaintStats paint(gfx::Canvas& canvas, int view) {
        SkyScene scene;
        scene.sys = &sys;
        scene.date = &date;
        scene.options = &options;
        scene.nav = &nav;
        scene.prompter = &prompter;
        options.attach(canvas);
        return paintSkyView(canvas, view, scene);
    }
    const etoile* star(const char* name) const {
        for (int k = 0; k < sys.constellationCount(); ++k)
            for (int s = 0; s < sys.constellation(k)->nbStars; ++s)
                if (const etoile* st = sys.constellation(k)->star(s); st && std::strcmp(st->word2, name) == 0)
                    return st;
        return nullptr;
    }
};

} // namespace

// The renderer projects disc views from the horizontal vector without the azimuth; its screen
// points must be those of projectSky(altitudeOf, azimuthOf) to the pixel (truncation may differ
// by one where a coordinate falls on a whole pixel).
TEST(RenderShipped, StoredPointsMatchThePureProjection) {
    ShippedScene t;
    ASSERT_TRUE(t.loaded) << "the shipped data did not load";
    gfx::Canvas canvas(1500, 1400);
    const MapGeometry g = geometryForSize(780, 500);
    const double theta = siderealTime(t.date);
    for (int view : {kViewCircular, kViewEquidistant}) {
        for (int zoom : {1, 4}) {
            if (view == kViewCircular) {
                t.options.circularZoom = zoom;
                t.options.circularPanX = zoom > 1 ? -37 : 0;
            } else {
                t.options.equidistantZoom = zoom;
                t.options.equidistantPanY = zoom > 1 ? 21 : 0;
            }
            t.paint(canvas, view);
            const DiscZoom z = view == kViewCircular
                                   ? DiscZoom{t.options.circularZoom, t.options.circularPanX, t.options.circularPanY}
                                   : DiscZoom{t.options.equidistantZoom, t.options.equidistantPanX,
                                              t.options.equidistantPanY};
            const ProjectionFrame f = view == kViewCircular ? circularFrame(g, z)
                                                            : equidistantFrame(g, z, t.sys.latitude, t.sys.longitude);
            const double lon = view == kViewCircular ? t.sys.longitude : 0;
            const double lat = view == kViewCircular ? t.sys.latitude : 90;
            int shown = 0, compared = 0;
            for (int k = 0; k < t.sys.constellationCount(); ++k)
                for (int s = 0; s < t.sys.constellation(k)->nbStars; ++s) {
                    const etoile* st = t.sys.constellation(k)->star(s);
                    const auto p = projectSky(f, altitudeOf(lon, lat, st->dec, st->ra, theta),
                                              azimuthOf(lon, lat, st->dec, st->ra, theta), st->dec, st->ra);
                    ++compared;
                    if (!p) {
                        EXPECT_LE(st->screenX, 0) << st->word1 << " view " << view;
                        continue;
                    }
                    ++shown;
                    EXPECT_NEAR(st->screenX, p->x, zoom) << st->word1 << " view " << view;
                    EXPECT_NEAR(st->screenY, p->y, zoom) << st->word1 << " view " << view;
                }
            EXPECT_GT(shown, 300);
            EXPECT_GT(compared, 1000);
        }
    }
}

// Whole pipeline against the independent reference: Vega's stored point in the circular view
// lies where Astronomy Engine's altitude and azimuth put it (skymap_horizontal.csv, first row:
// 2026-12-09 20:00 UT, Annecy, altitude 17.7266, azimuth 127.9591 from the south).
TEST(RenderShipped, VegaWhereTheReferencePutsIt) {
    ShippedScene t;
    ASSERT_TRUE(t.loaded) << "the shipped data did not load";
    gfx::Canvas canvas(1500, 1400);
    const PaintStats stats = t.paint(canvas, kViewCircular);
    const etoile* vega = t.star("Vega");
    ASSERT_NE(vega, nullptr);
    const auto expected = projectSky(circularFrame(geometryForSize(780, 500), {}), 17.726555, 127.959058, 0, 0);
    ASSERT_TRUE(expected);
    // The catalogue's J2000 place against the reference's, and the mean sidereal time: a pixel.
    EXPECT_NEAR(vega->screenX, expected->x, 1.5);
    EXPECT_NEAR(vega->screenY, expected->y, 1.5);
    // Vega (magnitude 0.03) is drawn there: a white centre pixel on the black night sky.
    EXPECT_EQ(stats.skyBrush, 3);
    EXPECT_GT(gfx::red(canvas.pixel(vega->screenX, vega->screenY)), 150);
    // The Sun is down and not drawn; the Moon, new on that day, is below the horizon too.
    EXPECT_LT(stats.sunAltitude_deg, -40);
    EXPECT_LE(t.sys.sun()->screenX, 0);
    EXPECT_FALSE(stats.moonDrawn);
}

namespace {
// Altitude and azimuth of skymap_horizontal.csv (Astronomy Engine) for the place at 45.9 N and
// the given instant and right ascension; false when the file has no such row.
bool referenceAltAz(int year, int month, int day, int hour, int minute, double ra_deg, double& alt,
                    double& az) {
    std::ifstream in(std::string(NALVO_TEST_DATA_DIR) + "/skymap_horizontal.csv");
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        int y, mo, d, h, mi;
        double lat, lon, ra, dec;
        if (std::sscanf(line.c_str(), "%d,%d,%d,%d,%d,%lf,%lf,%lf,%lf,%lf,%lf", &y, &mo, &d, &h, &mi, &lat,
                        &lon, &ra, &dec, &alt, &az) == 11 &&
            y == year && mo == month && d == day && h == hour && mi == minute && lat == 45.9 &&
            std::fabs(ra - ra_deg) < 0.01)
            return true;
    }
    return false;
}

int brightPixels(const gfx::Canvas& c, const MapGeometry& g) {
    int n = 0;
    for (int y = 25; y < int(g.clientHeight) - 2; ++y)
        for (int x = 3; x < int(g.mapWidth); ++x)
            n += gfx::red(c.pixel(x, y)) > 128;
    return n;
}
} // namespace

// Sirius, Betelgeuse and Vega are drawn at the points of the reference's altitude and azimuth
// (Sirius is below the horizon on the first date, so it is taken on the second).
TEST(RenderShipped, BrightStarsWhereTheReferencePutsThem) {
    struct Case {
        const char* name;
        double ra_deg;
        int year, month, day, hour, minute;
    };
    for (const Case& k :
         {Case{"Vega", 279.2347, 2026, 12, 9, 20, 0}, Case{"Betelgeuse", 88.7929, 2026, 12, 9, 20, 0},
          Case{"Sirius", 101.2872, 1999, 8, 11, 10, 15}}) {
        ShippedScene t;
        ASSERT_TRUE(t.loaded) << "the shipped data did not load";
        t.date = makeDate(k.year, k.month, k.day, k.hour, k.minute);
        double alt = 0, az = 0;
        ASSERT_TRUE(referenceAltAz(k.year, k.month, k.day, k.hour, k.minute, k.ra_deg, alt, az)) << k.name;
        gfx::Canvas canvas(1500, 1400);
        const PaintStats stats = t.paint(canvas, kViewCircular);
        const etoile* star = t.star(k.name);
        ASSERT_NE(star, nullptr) << k.name;
        const auto expected = projectSky(circularFrame(geometryForSize(780, 500), {}), alt, az, 0, 0);
        ASSERT_TRUE(expected) << k.name;
        EXPECT_NEAR(star->screenX, expected->x, 1.5) << k.name;
        EXPECT_NEAR(star->screenY, expected->y, 1.5) << k.name;
        // A bright star's disc: its centre is near white, whatever the sky behind it.
        const gfx::Rgb centre = canvas.pixel(star->screenX, star->screenY);
        EXPECT_NE(centre, t.options.palette.brush(stats.skyBrush).colour) << k.name;
        EXPECT_GT(gfx::red(centre), 150) << k.name;
        EXPECT_GT(gfx::blue(centre), 150) << k.name;
    }
}

// Without the star files the limit can still be brighter than 6: every step down of the limit
// leaves fewer stars, and so fewer lit pixels.
TEST(RenderShipped, LitPixelsGrowWithTheMagnitudeLimit) {
    ShippedScene t;
    ASSERT_TRUE(t.loaded) << "the shipped data did not load";
    ASSERT_EQ(t.sys.catalogueSettings->useStar6, 0);
    t.options.autoMagnitude = false;
    int previousPixels = -1, previousStars = -1;
    for (double limit : {2.0, 3.5, 5.0, 6.0}) {
        t.options.starMagnitude = limit;
        gfx::Canvas canvas(1500, 1400);
        const PaintStats stats = t.paint(canvas, kViewCircular);
        const int lit = brightPixels(canvas, geometryForSize(780, 500));
        EXPECT_DOUBLE_EQ(stats.starMagnitude, limit);
        EXPECT_GT(lit, previousPixels) << limit;
        EXPECT_GT(stats.starsDrawn, previousStars) << limit;
        EXPECT_DOUBLE_EQ(t.options.starMagnitude, limit); // the paint leaves the setting alone
        previousPixels = lit;
        previousStars = stats.starsDrawn;
    }
    // Deeper than 6 needs the star files: the limit stays at the constellation stars' 6.
    t.options.starMagnitude = 8;
    gfx::Canvas canvas(1500, 1400);
    EXPECT_DOUBLE_EQ(t.paint(canvas, kViewCircular).starMagnitude, 6);
    EXPECT_EQ(brightPixels(canvas, geometryForSize(780, 500)), previousPixels);
    EXPECT_DOUBLE_EQ(t.options.starMagnitude, 8);
}

TEST(RenderShipped, DeepCircularPaintStreamsTheStarFiles) {
    ShippedScene t;
    ASSERT_TRUE(t.loaded) << "the shipped data did not load";
    t.sys.catalogueSettings->useStar6 = t.sys.catalogueSettings->useStar7 = t.sys.catalogueSettings->useStar8 = 1;
    t.options.autoMagnitude = false;
    t.options.starMagnitude = 9;
    gfx::Canvas canvas(1500, 1400);
    const PaintStats stats = t.paint(canvas, kViewCircular);
    EXPECT_GT(stats.catalogueStars, 70000); // the three files hold the stars of magnitude 6 to 9
    EXPECT_GT(stats.starsDrawn, 30000);     // about half of the sky is above the horizon
    EXPECT_LT(stats.starsDrawn, stats.catalogueStars);
}

// A deep disc paint draws each star of the three files that is above the horizon (altitudeOf on
// the files' own text) and no other: the stars it leaves out as never rising are none of them.
TEST(RenderShipped, DeepDiscPaintDrawsExactlyTheStarsAboveTheHorizon) {
    std::vector<std::array<double, 3>> fileStars; // ra, dec, magnitude
    for (const char* name : {"star6.syt", "star7.syt", "star8.syt"}) {
        std::ifstream in(std::string(NALVO_SOURCE_DATA_DIR) + "/" + name);
        long count = 0;
        in >> count;
        ASSERT_GT(count, 10000) << name << " was not read";
        std::array<double, 3> s{};
        for (long k = 0; k < count && in >> s[0] >> s[1] >> s[2]; ++k)
            fileStars.push_back(s);
    }
    for (double latitude : {45.9, -33.9, 70.0}) {
        ShippedScene t;
        ASSERT_TRUE(t.loaded) << "the shipped data did not load";
        t.sys.latitude = latitude;
        t.options.autoMagnitude = false;
        t.options.starMagnitude = 9;
        gfx::Canvas canvas(1500, 1400);
        // Without the files the limit stays at 6: the constellation stars alone.
        const int constellationStars = t.paint(canvas, kViewCircular).starsDrawn;
        t.sys.catalogueSettings->useStar6 = t.sys.catalogueSettings->useStar7 =
            t.sys.catalogueSettings->useStar8 = 1;
        StarStore store;
        const double theta = siderealTime(t.date);
        int brighter = 0, above = 0;
        for (const auto& s : fileStars) {
            if (!(s[2] < 9)) continue;
            ++brighter;
            if (altitudeOf(t.sys.longitude, latitude, s[1], s[0], theta) > 0) ++above;
        }
        for (int paint = 0; paint < 2; ++paint) { // read, then from memory
            SkyScene scene;
            scene.sys = &t.sys;
            scene.date = &t.date;
            scene.options = &t.options;
            scene.nav = &t.nav;
            scene.prompter = &t.prompter;
            scene.starStore = &store;
            scene.starFiles.dataDirs = {NALVO_SOURCE_DATA_DIR};
            const PaintStats stats = paintSkyView(canvas, kViewCircular, scene);
            EXPECT_EQ(stats.catalogueStars, brighter) << latitude;
            EXPECT_EQ(stats.starsDrawn - constellationStars, above) << latitude;
        }
    }
}

TEST(RenderShipped, TrajectoryViewDrawsPathsAndHidesPlanets) {
    ShippedScene t;
    ASSERT_TRUE(t.loaded) << "the shipped data did not load";
    gfx::RecordingCanvas canvas(1500, 1400);
    t.sys.computePositions(t.date, true);
    const double jupiterRa = t.sys.planet(4) ? t.sys.planet(4)->ra : 0;
    SkyScene scene;
    scene.sys = &t.sys;
    scene.date = &t.date;
    scene.options = &t.options;
    scene.nav = &t.nav;
    scene.computePositions = false;
    t.options.attach(canvas);
    const PaintStats stats = paintSkyView(canvas, kViewTrajectories, scene);
    EXPECT_GT(stats.trajectorySegments, 1000);
    EXPECT_EQ(stats.planetsDrawn, 0);
    for (int k = 0; k < t.sys.planetCount(); ++k) {
        const planete* p = t.sys.planet(k);
        if (std::strcmp(p->nom, "Terre") == 0) continue;
        EXPECT_EQ(p->screenX, -100) << p->nom;
        EXPECT_EQ(p->screenY, 0) << p->nom;
    }
    // The model keeps the positions of the current date after the 500-day paths.
    ASSERT_NE(t.sys.planet(4), nullptr);
    EXPECT_DOUBLE_EQ(t.sys.planet(4)->ra, jupiterRa);
    // Each planet k has the pen 4 + k.
    bool jupiterPen = false;
    for (const gfx::DrawCall& call : canvas.calls())
        if (call.kind == gfx::DrawCall::Kind::Line && call.penIndex == 8) jupiterPen = true;
    EXPECT_TRUE(jupiterPen);
}

TEST(RenderShipped, Ngc2000StreamedWhenChosen) {
    ShippedScene t;
    ASSERT_TRUE(t.loaded) << "the shipped data did not load";
    const std::string path = std::string(NALVO_SOURCE_DATA_DIR) + "/ngc2000.dat";
    int records = 0, galaxies = 0, drawnKinds = 0;
    bool andromeda = false;
    ASSERT_TRUE(forEachNgc2000(path, [&](int icon, double ra, double dec) {
        ++records;
        galaxies += icon == kIconGalaxy;
        drawnKinds += icon != 0;
        // NGC 224 (M31): 0h 42.7m, +41 16'.
        if (std::fabs(ra - 10.675) < 1e-9 && std::fabs(dec - (41 + 16 / 60.0)) < 1e-9) andromeda = true;
    }));
    EXPECT_GT(records, 10000);
    EXPECT_GT(galaxies, drawnKinds / 2);
    EXPECT_TRUE(andromeda);
    t.options.showNGC = true;
    t.sys.catalogueSettings->useNgc = 1;
    gfx::Canvas canvas(1500, 1400);
    const PaintStats stats = t.paint(canvas, kViewCircular);
    EXPECT_GT(stats.ngcStreamed, 2000); // about half of the catalogue is above the horizon
    EXPECT_LT(stats.ngcStreamed, drawnKinds);
}
