// SPDX-License-Identifier: GPL-3.0-or-later
// The monthly information files "NalvoInfo<month><year>.dat": a heading ended by "*", then
// records "<day> <text>*" separated by white space. Windows-1252 text.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "astro/date2.h"

namespace reports {

// "NalvoInfo%d%d.dat" with the month and the year of `date`, e.g. "NalvoInfo31998.dat".
std::string dayInfoFileName(const date2& date);

// Where the month's file of `date` is: the first of `dirs` that holds it, or, with `dirs` empty,
// the program's data lookup (the user directory first, then the shipped data). "" when none.
std::string dayInfoPath(const date2& date, const std::vector<std::string>& dirs = {});

// Fills `text` with "\n<heading>\n" and, when the day of `date` has a record, makes it
// "\n\n<heading>\n\n<record>\n". True when there is something to show (a heading or a record);
// false, with `text` empty, when the month has no file. `dayFound` (when given) tells whether
// the day had a record.
bool readDayInfo(const date2& date, std::string& text, const std::vector<std::string>& dirs = {},
                 bool* dayFound = nullptr);

// Appends the text of readDayInfo to `report` when it returns true.
void appendDayInfo(const date2& date, std::string& report, const std::vector<std::string>& dirs = {});

// The note of the day for the message shown at start-up: the text of readDayInfo (the month's
// heading, with the day's record when it has one); "" when the month has no file.
std::string noteOfTheDay(const date2& date, const std::vector<std::string>& dirs = {});

} // namespace reports
