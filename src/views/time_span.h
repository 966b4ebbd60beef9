// SPDX-License-Identifier: GPL-3.0-or-later
// The time span shown by the conjunction, satellite and dance views (from the window's `date` to
// its `endDate`): the step of a 490-row graph, the row-to-date mapping of a graph and the drag
// selection built on it, and the zoom of the span with its year limit. No drawing here.
#pragma once

#include "astro/date2.h"

namespace timespan {

// 876600 hours per Julian century / 490 rows: multiplying a span in centuries by this gives the
// hours of one of its 490 parts.
constexpr double kHoursPer490thOfCentury = 1788.9796;

// Default spans, Julian centuries.
constexpr double kPlanetSpan = 0.013415469;          // 490 days: the planets' conjunction graph
constexpr double kSatelliteDialogSpan = 0.004415469; // 161.275 days: satellite views after the dialog
constexpr double kJupiterCommandSpan = 0.00010469;   // 3.8238 days: "Jupiter's satellites" (View menu)
constexpr double kSatelliteSpan = 0.000715469;       // 26.1325 days: the Conjunctions menu's satellites
constexpr double kDanceYear = 0.0099930048965724;    // 364.9945 days: one year of dance per planet index
// A conjunction graph of the planets shorter than this is widened to kPlanetSpan.
constexpr double kShortestPlanetSpan = 0.009;

// The step of one of the 490 parts of [start, end], truncated to whole hours (0 for a span under
// 490 hours, negative for a reversed span).
int stepHours(const date2& start, const date2& end);

// `end` set to `start` + `centuries`, its calendar fields rebuilt (a year past 3000 is held at 3000).
void setEnd(const date2& start, date2& end, double centuries);

// How the rows of a graph map to dates: date(y) = start + (end - start)·(y - firstRow)/rowCount.
struct RowMapping {
    int firstRow = 30;
    int rowCount = 1;
    // The rows a drag may end on.
    int minRow = 30, maxRow = 30;
};
// Views 30: rows 30 .. H - 5 over H - 35 rows.
RowMapping conjunctionRows(int clientHeight);

// The instant of row y (calendar fields rebuilt); the start itself for an empty mapping.
date2 dateAtRow(const date2& start, const date2& end, int y, const RowMapping& rows);
// The row (real, not rounded) where `at` falls.
double rowOfDate(const date2& start, const date2& end, const date2& at, const RowMapping& rows);

// A drag from row y0 (press) to y1 (release, clamped to the mapping's rows): the start becomes
// the date of the upper row, the end that of the lower one. Equal rows change nothing; returns
// whether the span changed.
bool selectRows(date2& start, date2& end, int y0, int y1, const RowMapping& rows);

// Zoom of the span: in moves both ends a quarter of the span inwards, out half a span outwards.
// A year beyond 3000 is held at 3000 (its other fields kept), one before -99 at -99.
void zoom(date2& start, date2& end, bool in);

} // namespace timespan
