// SPDX-License-Identifier: GPL-3.0-or-later
// The conjunction graph drawn from the shipped model into a recording canvas: rows and steps,
// the Earth, the wrap at +-180 degrees, the frame and legend, and the rows where each planet
// meets the Sun's line against Astronomy Engine's dates.
#include "gfx/parametre_affichage.h"
#include "gfx/recording_canvas.h"
#include "views/conjunction.h"
#include "views/time_span.h"
#include "views_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <vector>

namespace {

constexpr int kW = 548, kH = 526; // a 780 x 526 window: drawing width 780 - 232, 490 rows
constexpr int kU = kW / 2, kHalf = kW * 2 / 5;

// Pens of the curves and the English names of their planets.
const std::map<int, std::string> kPlanetOfPen = {{13, "Mercury"}, {1, "Venus"},  {7, "Mars"},
                                                 {2, "Jupiter"},  {8, "Saturn"}, {9, "Uranus"},
                                                 {10, "Neptune"}, {11, "Pluto"}};

struct Segment {
    int x0, x1, y;
};

// The curve segments (a line from row y - 1 to row y inside the graph) of each pen.
std::map<int, std::vector<Segment>> curves(const gfx::RecordingCanvas& c) {
    std::map<int, std::vector<Segment>> out;
    for (const gfx::DrawCall& call : c.calls())
        if (call.kind == gfx::DrawCall::Kind::Line && call.points[1].y == call.points[0].y + 1 &&
            call.points[1].x < kW)
            out[call.penIndex].push_back({call.points[0].x, call.points[1].x, call.points[1].y});
    return out;
}

struct Graph {
    gfx::RecordingCanvas canvas{1500, 1400};
    ParametreAffichage options;
    Graph(systeme& sys, const date2& start, const date2& end) {
        options.attach(canvas);
        conjunction::drawConjunctionGraph(canvas, sys, start, end, options, kW, kH);
    }
};

} // namespace

TEST(ConjunctionGraph, OneRowPerStepAndNoEarth) {
    REQUIRE_MODEL(sys);
    const date2 start = makeDate(2026, 1, 1, 0);
    date2 end;
    timespan::setEnd(start, end, timespan::kPlanetSpan);
    Graph g(*sys, start, end);
    const auto byPen = curves(g.canvas);
    // Eight curves of 490 rows (31 .. 520) in the planets' own pens, none for the Earth.
    ASSERT_EQ(byPen.size(), 8u);
    for (const auto& [pen, segments] : byPen) {
        ASSERT_TRUE(kPlanetOfPen.count(pen)) << "a curve in pen " << pen;
        ASSERT_EQ(segments.size(), 490u) << kPlanetOfPen.at(pen);
        EXPECT_EQ(segments.front().y, 31);
        EXPECT_EQ(segments.back().y, 520);
        EXPECT_EQ(segments.front().x0, kU) << "every track starts at the Sun's column";
    }
    // Legend: eight rows 35 pixels apart from H/4, the Earth's left out and the rows closed up.
    EXPECT_FALSE(g.canvas.hasText("Terre"));
    const char* names[] = {"Mercure", "Venus", "Mars", "Jupiter", "Saturne", "Uranus", "Neptune", "Pluton"};
    for (int j = 0; j < 8; ++j) {
        const int y = kH / 4 + j * 35;
        EXPECT_TRUE(g.canvas.hasLine(kW + 20, y, kW + 40, y)) << names[j];
        bool named = false;
        for (const gfx::DrawCall& call : g.canvas.calls())
            if (call.kind == gfx::DrawCall::Kind::Text && call.text == names[j])
                named = call.points[0].x == kW + 50 && call.points[0].y == y - 5;
        EXPECT_TRUE(named) << names[j];
    }
    EXPECT_TRUE(g.canvas.hasText("LEGEND"));
    EXPECT_TRUE(g.canvas.hasText("Date:01/01/2026"));
    EXPECT_TRUE(g.canvas.hasText("Date:06/05/2027")); // 490 days later
    // Pixels: the red frame, the yellow line of the Sun (two columns), black inside.
    const gfx::Palette screen = gfx::Palette::screenScheme();
    EXPECT_EQ(g.canvas.pixel(4, 300), screen.pen(2).colour);
    EXPECT_EQ(g.canvas.pixel(kW - 5, 300), screen.pen(2).colour);
    int sunColumn = 0;
    for (int y = 60; y < 500; ++y)
        sunColumn += g.canvas.pixel(kU, y) == screen.pen(6).colour &&
                     g.canvas.pixel(kU + 1, y) == screen.pen(6).colour;
    EXPECT_GT(sunColumn, 300) << "the Sun's line, crossed here and there by the curves";
    EXPECT_EQ(g.canvas.pixel(kU - 3, 495), gfx::rgb(0, 0, 0));
}

TEST(ConjunctionGraph, SpanUnder490HoursRepeatsTheStartOnEveryRow) {
    REQUIRE_MODEL(sys);
    const date2 start = makeDate(2026, 6, 1, 0);
    date2 end = start;
    end.ajouteHeures(300);
    Graph g(*sys, start, end);
    for (const auto& [pen, segments] : curves(g.canvas)) {
        ASSERT_EQ(segments.size(), 490u);
        // After the first row's step from the centre, every row draws the same column.
        for (size_t k = 1; k < segments.size(); ++k) {
            EXPECT_EQ(segments[k].x0, segments[0].x1) << kPlanetOfPen.at(pen);
            EXPECT_EQ(segments[k].x1, segments[0].x1) << kPlanetOfPen.at(pen);
        }
    }
}

TEST(ConjunctionGraph, CrossingPlusMinus180StartsAtTheOppositeEdge) {
    REQUIRE_MODEL(sys);
    // Two years: every outer planet passes opposition, where its elongation jumps through 180.
    Graph g(*sys, makeDate(2026, 1, 1, 0), makeDate(2028, 1, 1, 0));
    int wraps = 0;
    for (const auto& [pen, segments] : curves(g.canvas))
        for (const Segment& s : segments) {
            if (s.y == 31) continue; // the first row comes from the Sun's column
            const bool fromEdge = s.x0 == kU - kHalf || s.x0 == kU + kHalf;
            wraps += fromEdge;
            // 35 hours a row: no planet moves more than a few degrees from the Sun per row.
            EXPECT_LT(std::abs(s.x1 - s.x0), 40) << kPlanetOfPen.at(pen) << " row " << s.y;
        }
    EXPECT_GE(wraps, 6);
}

// The row where a curve crosses the Sun's column against the date where Astronomy Engine puts the
// planet's right ascension equal to the Sun's: within two rows (two steps of the graph).
TEST(ConjunctionGraph, SunLineCrossingsMatchReferenceConjunctions) {
    REQUIRE_MODEL(sys);
    const std::vector<ReferenceConjunction> refs = referenceConjunctions();
    ASSERT_GE(refs.size(), 25u) << "tests/data/ra_conjunctions.csv";
    const date2 start = makeDate(2026, 1, 1, 0), end = makeDate(2028, 1, 1, 0);
    const int step = timespan::stepHours(start, end);
    ASSERT_EQ(step, 35);
    Graph g(*sys, start, end);
    const auto byPen = curves(g.canvas);
    // Row y shows start + (y - 30) steps; the graph covers rows 31 .. 520.
    auto rowDate = [&](int y) {
        date2 d = start;
        d.ajouteHeures((y - 30) * step);
        d.calculeCalendrier();
        return d;
    };
    const date2 first = rowDate(31), last = rowDate(520);
    int compared = 0;
    for (const auto& [pen, segments] : byPen) {
        const std::string& body = kPlanetOfPen.at(pen);
        std::vector<int> crossings;
        for (const Segment& s : segments) {
            const bool wrapped =
                std::abs(s.x1 - s.x0) > kHalf / 2 || s.x0 == kU - kHalf || s.x0 == kU + kHalf;
            if (!wrapped && s.y > 31 && ((s.x0 < kU) != (s.x1 < kU))) crossings.push_back(s.y);
        }
        std::vector<bool> matched(crossings.size(), false);
        for (const ReferenceConjunction& r : refs) {
            if (r.body != body || r.date.t < first.t || r.date.t > last.t) continue;
            bool found = false;
            for (size_t k = 0; k < crossings.size(); ++k) {
                const double rows = hoursBetween(rowDate(crossings[k]), r.date) / step;
                if (std::fabs(rows) <= 2) {
                    found = matched[k] = true;
                    const date2 d = rowDate(crossings[k]);
                    std::printf("%-8s reference %04d-%02d-%02d %02dh, graph row %d = %04d-%02d-%02d %02dh "
                                "(%+.2f rows)\n",
                                body.c_str(), r.date.annee, r.date.mois, r.date.jour, r.date.heure,
                                crossings[k], d.annee, d.mois, d.jour, d.heure, -rows);
                }
            }
            EXPECT_TRUE(found) << body << " conjunction of " << r.date.jour << "/" << r.date.mois << "/"
                               << r.date.annee << " has no crossing of the Sun's line within two rows";
            ++compared;
        }
        for (size_t k = 0; k < crossings.size(); ++k)
            EXPECT_TRUE(matched[k]) << body << " crosses the Sun's line at row " << crossings[k]
                                    << " with no reference conjunction near";
    }
    EXPECT_GE(compared, 25);
}

TEST(ConjunctionGraph, PointedDateOfARow) {
    gfx::RecordingCanvas canvas(1500, 1400);
    // 491 rows over 491 days: row 30 + 31 is the 1st of February.
    const date2 start = makeDate(2026, 1, 1, 0), end = makeDate(2027, 5, 7, 0);
    ASSERT_NEAR(hoursBetween(start, end), 491 * 24, 1e-6);
    conjunction::showConjunctionPointedDate(canvas, start, end, 61, kW, kH);
    ASSERT_EQ(canvas.count(gfx::DrawCall::Kind::Text), 1);
    const gfx::DrawCall& t = canvas.calls().back();
    EXPECT_EQ(t.text, "Pointed date : 1/2/2026   ");
    EXPECT_EQ(t.points[0], (gfx::Point{kW + 30, 30}));
    EXPECT_EQ(canvas.backgroundColour(), gfx::rgb(200, 200, 200));
}
