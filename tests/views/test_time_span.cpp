// SPDX-License-Identifier: GPL-3.0-or-later
// The span of the time-span views: steps, the row-to-date mapping and its drag, the zoom and its
// year limits. Expected values are hand calculations from the span constants.
#include "views/dance.h"
#include "views/time_span.h"
#include "views_model.h"

#include <gtest/gtest.h>

using namespace timespan;

namespace {

date2 plusHours(date2 d, int hours) {
    d.ajouteHeures(hours);
    d.calculeCalendrier();
    return d;
}

void expectFields(const date2& d, int y, int mo, int day, int h) {
    EXPECT_EQ(d.annee, y);
    EXPECT_EQ(d.mois, mo);
    EXPECT_EQ(d.jour, day);
    EXPECT_EQ(d.heure, h);
}

} // namespace

TEST(TimeSpanStep, FourHundredNinetyPartsInWholeHours) {
    const date2 start = makeDate(2026, 1, 1, 0);
    date2 end;
    // 490 days: 0.013415469 x 1788.9796 = 24.0000004 hours per row.
    setEnd(start, end, kPlanetSpan);
    EXPECT_EQ(stepHours(start, end), 24);
    // The default dance span of Mercury: 0.0099930048965724 x 1788.9796 = 17.877 -> 17 hours,
    // so the 490 steps cover 8330 hours of the 8759.9-hour year.
    setEnd(start, end, dance::defaultSpan(0));
    EXPECT_EQ(stepHours(start, end), 17);
    EXPECT_NEAR(hoursBetween(start, end), 364.9945 * 24, 0.01);
    // Jupiter's dance: five years, trunc(5 x 17.877) = 89 hours.
    setEnd(start, end, dance::defaultSpan(4));
    EXPECT_EQ(stepHours(start, end), 89);
    // Exactly 490 hours is one hour a row; anything shorter is step 0 (every row is the start).
    EXPECT_EQ(stepHours(start, plusHours(start, 490)), 1);
    EXPECT_EQ(stepHours(start, plusHours(start, 489)), 0);
    EXPECT_EQ(stepHours(start, plusHours(start, 20)), 0);
    // The satellite command's 3.8 days is far below 490 hours.
    setEnd(start, end, kJupiterCommandSpan);
    EXPECT_EQ(stepHours(start, end), 0);
    EXPECT_EQ(stepHours(plusHours(start, 980), start), -2);
}

TEST(TimeSpanRows, DragMapsRowsToDatesBothWays) {
    // A 526-pixel window has rows 30 .. 521 over 491 rows; a span of 491 hours is one hour a row.
    const RowMapping rows = conjunctionRows(526);
    EXPECT_EQ(rows.firstRow, 30);
    EXPECT_EQ(rows.rowCount, 491);
    EXPECT_EQ(rows.maxRow, 521);
    const date2 start = makeDate(2026, 1, 1, 0);
    const date2 end = plusHours(start, 491);
    expectFields(dateAtRow(start, end, 30, rows), 2026, 1, 1, 0);
    expectFields(dateAtRow(start, end, 54, rows), 2026, 1, 2, 0);
    expectFields(dateAtRow(start, end, 521, rows), 2026, 1, 21, 11);
    EXPECT_NEAR(rowOfDate(start, end, makeDate(2026, 1, 2, 0), rows), 54.0, 1e-6);
    EXPECT_NEAR(rowOfDate(start, end, makeDate(2026, 1, 11, 6), rows), 30.0 + 246, 1e-6);

    // Dragged upwards from row 254 to row 78: the upper row gives the start, the lower the end.
    date2 a = start, b = end;
    EXPECT_TRUE(selectRows(a, b, 254, 78, rows));
    expectFields(a, 2026, 1, 3, 0);  // + 48 h
    expectFields(b, 2026, 1, 10, 8); // + 224 h
    // The same rows dragged downwards give the same span.
    date2 c = start, d = end;
    EXPECT_TRUE(selectRows(c, d, 78, 254, rows));
    EXPECT_NEAR(hoursBetween(a, c), 0, 1e-6);
    EXPECT_NEAR(hoursBetween(b, d), 0, 1e-6);
    // A release below the graph is held at its last row: the end stays the end.
    date2 e = start, f = end;
    EXPECT_TRUE(selectRows(e, f, 54, 700, rows));
    expectFields(e, 2026, 1, 2, 0);
    EXPECT_NEAR(hoursBetween(f, end), 0, 1e-6);
    // Releasing on the pressed row changes nothing.
    date2 g = start, h = end;
    EXPECT_FALSE(selectRows(g, h, 100, 100, rows));
    EXPECT_EQ(g.t, start.t);
    EXPECT_EQ(h.t, end.t);
}

TEST(TimeSpanZoom, QuarterInHalfOutHeldAtYear3000) {
    date2 start = makeDate(2026, 1, 1, 0), end = makeDate(2026, 1, 9, 0);
    zoom(start, end, true); // 8 days: 2 days in from each end
    expectFields(start, 2026, 1, 3, 0);
    expectFields(end, 2026, 1, 7, 0);
    zoom(start, end, false); // 4 days: 2 days out from each end
    expectFields(start, 2026, 1, 1, 0);
    expectFields(end, 2026, 1, 9, 0);

    // Ten years from 2990: zoom out carries the end 5 years on, to mid-3004, held in year 3000
    // with its month, day and hour kept.
    start = makeDate(2990, 3, 1, 0);
    end = makeDate(3000, 3, 1, 12);
    date2 unlimited = end;
    unlimited.t += (end.t - start.t) / 2;
    unlimited.calculeCalendrier();
    ASSERT_EQ(unlimited.annee, 3005);
    zoom(start, end, false);
    EXPECT_EQ(end.annee, 3000);
    EXPECT_EQ(end.mois, unlimited.mois);
    EXPECT_EQ(end.jour, unlimited.jour);
    EXPECT_EQ(end.heure, unlimited.heure);
    EXPECT_EQ(start.annee, 2985);
    // However often it is pressed, the end never passes year 3000 and the start never -99.
    for (int k = 0; k < 40; ++k)
        zoom(start, end, false);
    EXPECT_EQ(end.annee, 3000);
    EXPECT_EQ(start.annee, -99);
    EXPECT_LT(start.t, end.t);
}
