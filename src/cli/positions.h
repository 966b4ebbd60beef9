// nalvo-cli positions: geocentric places of the Sun, the planets and their satellites as CSV, for
// one instant or a range of instants (streamed row by row).
#pragma once

#include <string>

#include "astro/date2.h"
#include "cli/command.h"

int positionsCommand(const std::vector<std::string>& args, std::FILE* out, std::FILE* err);
extern const char kPositionsHelp[];

// "YYYY-MM-DDTHH:MM" (UT; a leading '-' for years before 1) into the calendar fields and t of
// `date`. False, with the reason in `why`, when the text is not such a date.
bool parseUtcDate(const std::string& text, date2& date, std::string& why);
// The calendar fields of `date` as "YYYY-MM-DDTHH:MM".
std::string formatUtcDate(const date2& date);
