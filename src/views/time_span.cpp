// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/time_span.h"

#include <algorithm>
#include <cmath>

namespace timespan {

namespace {

// Julian centuries of year -4000 and of year 9000: far outside the program's years, well inside
// those the calendar conversion can rebuild.
constexpr long double kFarPast_T = -59.0L, kFarFuture_T = 71.0L;

// The year limits of the program's dates: animations and zooms stay within -99 .. 3000.
void holdYear(date2& d) {
    // Repeated zooms double the span each time; a time far beyond the limits is brought back
    // first so that the calendar fields describe it.
    d.t = std::clamp(d.t, kFarPast_T, kFarFuture_T);
    d.calculeCalendrier();
    if (d.annee > 3000 || d.annee < -99) {
        d.annee = d.annee > 3000 ? 3000 : -99;
        d.calculeT();
        d.calculeCalendrier();
    }
}

} // namespace

int stepHours(const date2& start, const date2& end) {
    const long double hours = (end.t - start.t) * kHoursPer490thOfCentury;
    // A span of more than a few million centuries is not a date range; keep the int finite.
    return static_cast<int>(std::clamp<long double>(std::trunc(hours), -2e9L, 2e9L));
}

void setEnd(const date2& start, date2& end, double centuries) {
    end = start;
    end.t += centuries;
    holdYear(end);
}

RowMapping conjunctionRows(int clientHeight) {
    RowMapping m;
    m.firstRow = 30;
    m.rowCount = clientHeight - 35;
    m.minRow = 30;
    m.maxRow = clientHeight - 5;
    return m;
}

date2 dateAtRow(const date2& start, const date2& end, int y, const RowMapping& rows) {
    date2 d = start;
    if (rows.rowCount != 0) d.t = start.t + (end.t - start.t) * (y - rows.firstRow) / rows.rowCount;
    d.calculeCalendrier();
    return d;
}

double rowOfDate(const date2& start, const date2& end, const date2& at, const RowMapping& rows) {
    const long double span = end.t - start.t;
    if (span == 0) return rows.firstRow;
    return static_cast<double>(rows.firstRow + (at.t - start.t) / span * rows.rowCount);
}

bool selectRows(date2& start, date2& end, int y0, int y1, const RowMapping& rows) {
    y1 = std::clamp(y1, rows.minRow, rows.maxRow);
    if (y0 == y1) return false;
    const date2 from = dateAtRow(start, end, std::min(y0, y1), rows);
    const date2 to = dateAtRow(start, end, std::max(y0, y1), rows);
    start = from;
    end = to;
    return true;
}

void zoom(date2& start, date2& end, bool in) {
    const long double span = end.t - start.t;
    if (in) {
        start.t += span / 4;
        end.t -= span / 4;
    } else {
        start.t -= span / 2;
        end.t += span / 2;
    }
    holdYear(start);
    holdYear(end);
}

} // namespace timespan
