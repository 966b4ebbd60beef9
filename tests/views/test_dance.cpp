// SPDX-License-Identifier: GPL-3.0-or-later
// The dance from the shipped model: steps, scales, pens, the jump at +-180 degrees, the frame
// and marks, the month ticks, and the crossings of the Sun's column against Astronomy Engine.
#include "gfx/parametre_affichage.h"
#include "gfx/recording_canvas.h"
#include "views/dance.h"
#include "views/time_span.h"
#include "views_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

constexpr int kCw = 780, kH = 500;

int countText(const gfx::RecordingCanvas& c, const std::string& text) {
    int n = 0;
    for (const gfx::DrawCall& call : c.calls())
        n += call.kind == gfx::DrawCall::Kind::Text && call.text == text;
    return n;
}

} // namespace

TEST(DanceScales, ByPlanetIndex) {
    EXPECT_EQ(dance::scaleFor(0).x, 10.0);
    EXPECT_EQ(dance::scaleFor(0).y, 12.0);
    EXPECT_EQ(dance::scaleFor(1).x, 5.0);
    EXPECT_EQ(dance::scaleFor(4).x, 1.0);
    EXPECT_EQ(dance::scaleFor(8).y, 4.5);
    EXPECT_EQ(dance::penOfStep(2, false), 9);
    EXPECT_EQ(dance::penOfStep(3, false), 10);
    EXPECT_EQ(dance::penOfStep(12, true), 11);
    EXPECT_EQ(dance::penOfStep(1, true), 12);
}

TEST(DancePath, StepsJumpsAndPoints) {
    REQUIRE_MODEL(sys);
    const date2 start = makeDate(2026, 1, 1, 0);
    date2 end;
    timespan::setEnd(start, end, dance::defaultSpan(0));
    // Mercury's default year: 490 steps of 17 hours after the start.
    std::vector<dance::PathPoint> path = dance::tracePath(*sys, start, end, 0, kCw, kH);
    ASSERT_EQ(path.size(), 491u);
    EXPECT_NEAR(hoursBetween(start, path.back().date), 490 * 17, 1e-6);
    for (const dance::PathPoint& p : path) {
        // The point is the offset from the Sun at 10 and 12 pixels per degree around (390, 250).
        EXPECT_EQ(p.x, static_cast<int>(390 + p.offset.ra_deg * 10));
        EXPECT_EQ(p.y, static_cast<int>(250 + p.offset.dec_deg * 12));
        EXPECT_LE(std::fabs(p.offset.ra_deg), 180.0);
        EXPECT_FALSE(p.jump) << "Mercury never leaves the Sun by 170 degrees";
    }
    // The Earth has no dance; a span under 490 hours is one point repeated.
    EXPECT_TRUE(dance::tracePath(*sys, start, end, 2, kCw, kH).empty());
    date2 shortEnd = start;
    shortEnd.ajouteHeures(400);
    path = dance::tracePath(*sys, start, shortEnd, 3, kCw, kH);
    ASSERT_EQ(path.size(), 491u);
    for (const dance::PathPoint& p : path)
        EXPECT_EQ(p.date.t, start.t);

    // Mars in 2026-2027 passes opposition (February 2027): its difference jumps through 180
    // degrees, where no line is drawn across the window.
    path = dance::tracePath(*sys, start, makeDate(2028, 1, 1, 0), 3, kCw, kH);
    int jumps = 0;
    for (size_t k = 1; k < path.size(); ++k) {
        if (path[k].jump) {
            ++jumps;
            EXPECT_GT(std::fabs(path[k].offset.ra_deg - path[k - 1].offset.ra_deg), 300);
        } else {
            EXPECT_LT(std::abs(path[k].x - path[k - 1].x), 20);
        }
    }
    EXPECT_EQ(jumps, 1);
    ParametreAffichage o;
    gfx::RecordingCanvas c(1500, 1400);
    o.attach(c);
    dance::drawDance(c, *sys, start, makeDate(2028, 1, 1, 0), 3, o, kCw, kH);
    for (const gfx::DrawCall& call : c.calls())
        if (call.kind == gfx::DrawCall::Kind::Line) {
            EXPECT_LT(std::abs(call.points[1].x - call.points[0].x), 40) << "a line across the window";
        }
}

TEST(DanceDrawing, FrameTextsMarksAndMonthTicks) {
    REQUIRE_MODEL(sys);
    const date2 start = makeDate(2026, 1, 1, 0);
    date2 end;
    timespan::setEnd(start, end, dance::defaultSpan(3));
    ParametreAffichage o;
    gfx::RecordingCanvas c(1500, 1400);
    o.attach(c);
    dance::drawDance(c, *sys, start, end, 3, o, kCw, kH);
    EXPECT_TRUE(c.hasText("The dance of Mars"));
    EXPECT_TRUE(c.hasText("Start date : 1/1/2026"));
    EXPECT_TRUE(c.hasText("End date : 30/12/2029")); // 4 x 364.9945 days: 1.02 days short of 2030
    EXPECT_TRUE(c.hasText("Start date"));
    // Scale marks: floor(195 / 1) degrees across, floor(125 / 4.5) = 27 degrees up and down.
    EXPECT_EQ(countText(c, "195"), 2);
    EXPECT_EQ(countText(c, "27"), 2);
    EXPECT_TRUE(c.hasLine(190, 250, 200, 250));
    EXPECT_TRUE(c.hasLine(390, 120, 390, 130));
    // The Sun's cross and the frame.
    EXPECT_TRUE(c.hasLine(385, 250, 395, 250));
    const gfx::Palette screen = gfx::Palette::screenScheme();
    EXPECT_EQ(c.pixel(5, 300), screen.pen(2).colour);
    EXPECT_EQ(c.pixel(30, 480), screen.brush(0).colour);
    // Month ticks: a number 1 to 12 in the path's own pen, never two labels on one another.
    std::vector<gfx::Rect> labels;
    c.selectFont(gfx::FontId::Times12); // the labels' font
    for (const gfx::DrawCall& call : c.calls()) {
        if (call.kind != gfx::DrawCall::Kind::Text || call.text.size() > 2) continue;
        const int month = std::atoi(call.text.c_str());
        if (month < 1 || month > 12 || call.text == "27") continue;
        const bool pathColour = call.colour == screen.pen(9).colour || call.colour == screen.pen(10).colour ||
                                call.colour == screen.pen(11).colour || call.colour == screen.pen(12).colour;
        EXPECT_TRUE(pathColour) << "tick label " << call.text;
        const gfx::Size s = c.textExtent(call.text);
        const gfx::Rect r{call.points[0].x, call.points[0].y, call.points[0].x + s.width,
                          call.points[0].y + s.height};
        for (const gfx::Rect& q : labels)
            EXPECT_FALSE(r.left < q.right && q.left < r.right && r.top < q.bottom && q.top < r.bottom)
                << "two month labels overlap";
        labels.push_back(r);
    }
    EXPECT_GE(labels.size(), 10u) << "four years of months, most of them with room for a label";
    EXPECT_LE(labels.size(), 48u);
}

TEST(DanceDrawing, BlackAndWhiteMarksTheFarSideChanges) {
    REQUIRE_MODEL(sys);
    const date2 start = makeDate(2026, 1, 1, 0), end = makeDate(2028, 1, 1, 0);
    const std::vector<dance::PathPoint> path = dance::tracePath(*sys, start, end, 3, kCw, kH);
    int changes = 0;
    for (size_t k = 2; k < path.size(); ++k)
        changes += path[k].far != path[k - 1].far;
    ASSERT_GE(changes, 1);
    ParametreAffichage o;
    o.whiteScheme = o.saveBlackWhite = true;
    o.useBlackWhiteScheme();
    gfx::RecordingCanvas c(1500, 1400);
    o.attach(c);
    dance::drawDance(c, *sys, start, end, 3, o, kCw, kH);
    // The start mark, the legend mark and one small circle per change of side. Mars is past
    // conjunction with the Sun (2026 January 9) at the start, so on the far side; the Earth
    // gains about 0.46 degree a day on it in heliocentric longitude, so it comes within 71
    // degrees some 154 days before the opposition of 2027 February 19 and leaves 154 days after
    // it, both inside the span: two changes of side.
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(c.count(gfx::DrawCall::Kind::Ellipse), 2 + 2);
    for (const gfx::DrawCall& call : c.calls())
        if (call.kind == gfx::DrawCall::Kind::Line) {
            EXPECT_EQ(call.penIndex, 0);
        }
}

// Where the dance crosses the Sun's column (the right ascension difference changes sign away from
// the +-180 jump) against Astronomy Engine's conjunction dates: within two steps.
TEST(DancePath, SunColumnCrossingsMatchReferenceConjunctions) {
    REQUIRE_MODEL(sys);
    const std::vector<ReferenceConjunction> refs = referenceConjunctions();
    ASSERT_GE(refs.size(), 25u);
    const date2 start = makeDate(2026, 1, 1, 0), end = makeDate(2028, 1, 1, 0);
    const int step = timespan::stepHours(start, end);
    const char* english[] = {"Mercury", "Venus",  "",        "Mars", "Jupiter",
                             "Saturn",  "Uranus", "Neptune", "Pluto"};
    int compared = 0;
    for (int object : {0, 1, 3, 4, 5, 6, 7, 8}) {
        const std::vector<dance::PathPoint> path = dance::tracePath(*sys, start, end, object, kCw, kH);
        std::vector<size_t> crossings;
        for (size_t k = 1; k < path.size(); ++k)
            if (!path[k].jump && (path[k].offset.ra_deg < 0) != (path[k - 1].offset.ra_deg < 0))
                crossings.push_back(k);
        for (const ReferenceConjunction& r : refs) {
            if (r.body != english[object] || r.date.t < path[1].date.t || r.date.t > path.back().date.t)
                continue;
            bool found = false;
            for (size_t k : crossings) {
                const double steps = hoursBetween(path[k].date, r.date) / step;
                if (std::fabs(steps) <= 2) {
                    found = true;
                    std::printf("%-8s reference %04d-%02d-%02d %02dh, dance step %zu = %04d-%02d-%02d %02dh "
                                "(%+.2f steps)\n",
                                r.body.c_str(), r.date.annee, r.date.mois, r.date.jour, r.date.heure, k,
                                path[k].date.annee, path[k].date.mois, path[k].date.jour, path[k].date.heure,
                                -steps);
                }
            }
            EXPECT_TRUE(found) << r.body << " " << r.date.jour << "/" << r.date.mois << "/" << r.date.annee;
            ++compared;
        }
    }
    EXPECT_GE(compared, 25);
}

TEST(DancePath, EastIsLeftAndNorthUpAsOnTheSky) {
    REQUIRE_MODEL(sys);
    // Astronomy Engine 2.1.19 (tests/data/astro_reference.csv), right ascension and declination
    // of date: 2015-05-04 13:49 UT Sun 41.334933, 15.977349, Mercury 62.063520, 23.592516
    // (Mercury east of the Sun, in the evening sky, and north of it); 2016-02-29 13:15 UT Sun
    // 341.897731, -7.671371, Mercury 325.178710, -15.967790 (west and south, a morning star).
    // Mercury's scales: 10 pixels a degree across, 12 down, around (390, 250). Half a degree
    // (5 and 6 pixels) covers the model's error and the light time.
    struct Case {
        int y, mo, d, h, mi;
        double sunRa, sunDec, ra, dec;
    } cases[] = {{2015, 5, 4, 13, 49, 41.334933, 15.977349, 62.063520, 23.592516},
                 {2016, 2, 29, 13, 15, 341.897731, -7.671371, 325.178710, -15.967790}};
    for (const Case& k : cases) {
        const date2 start = makeDate(k.y, k.mo, k.d, k.h, k.mi);
        date2 end;
        timespan::setEnd(start, end, dance::defaultSpan(0));
        const std::vector<dance::PathPoint> path = dance::tracePath(*sys, start, end, 0, kCw, kH);
        ASSERT_FALSE(path.empty());
        EXPECT_NEAR(path[0].x, 390 + (k.sunRa - k.ra) * 10, 5.0) << k.y;
        EXPECT_NEAR(path[0].y, 250 + (k.sunDec - k.dec) * 12, 6.0) << k.y;
    }
}
