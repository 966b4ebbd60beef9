// SPDX-License-Identifier: GPL-3.0-or-later
// nalvo-cli positions: geocentric places of the Sun, the planets and their satellites as CSV, for
// one instant or a range of instants (streamed row by row).
#pragma once

#include <string>

#include "astro/date2.h"
#include "cli/command.h"

int positionsCommand(const std::vector<std::string>& args, std::FILE* out, std::FILE* err);
extern const char kPositionsHelp[];

// The years the program's dates cover (its date lists, steps and animations).
constexpr int kFirstYear = -100, kLastYear = 3000;
// The most rows one --from/--to/--step range may ask for (a day's step over the whole span of
// years is 1.13 million).
constexpr long long kMaxRangeRows = 2000000;

// "YYYY-MM-DDTHH:MM" (UT; a leading '-' for years before 1) into the calendar fields and t of
// `date`. False, with the reason in `why`, when the text is not such a date or its year is
// outside kFirstYear to kLastYear.
bool parseUtcDate(const std::string& text, date2& date, std::string& why);
// The number of rows from `first` to `last` (included when a whole number of steps away) every
// `step_min` minutes; capped at kMaxRangeRows + 1.
long long rangeRows(const date2& first, const date2& last, long long step_min);
// The calendar fields of `date` as "YYYY-MM-DDTHH:MM".
std::string formatUtcDate(const date2& date);
// The same into `buf`, without allocating; returns the text's length.
size_t formatUtcDate(const date2& date, char (&buf)[64]);
