// SPDX-License-Identifier: GPL-3.0-or-later
// Conversion of XEphem orbital element files (".edb") into the program's comet file "comet.syt",
// the file the comet reader loads. Only elliptic records ("e") are converted; every other line
// that is not a comment is skipped and counted.
#pragma once

#include <string>
#include <string_view>

struct EdbConversion {
    std::string text;         // the comet file
    int converted = 0;        // records written
    int skipped = 0;          // lines that were not comments and gave no record
    std::string firstSkipped; // "line N: reason" of the first skipped line, for the message
};

// Converts the bytes of an .edb file. Blanks are removed from every line ("1 Ceres" becomes
// "1Ceres"); the thirteen fields are taken from the right, so extra commas stay in the name. The
// time of perihelion is derived from the epoch, the mean anomaly and the daily motion the program
// moves the body with (0.985609 / a^1.5 deg/day), as the whole date of the passage nearest to 0 h
// UT among the three orbits either side of the nearest one, since the reader takes it as a date
// at 0 h. The
// magnitude parameters lose a leading letter ("H3.33" is 3.33). Names are cut to 14 characters,
// the longest name the reader keeps. Comment lines ("#") fill the remarks block at the end, up to
// 800 characters.
EdbConversion convertEdbText(std::string_view edb);

// Reads `sourcePath`, converts it and writes `targetPath` through a temporary file renamed over
// it, so that a failed conversion leaves the old file as it was. Returns 0 on success, 1 when the
// source cannot be read or the target cannot be written (`error` says which, when given).
int convertEdb(const std::string& sourcePath, const std::string& targetPath, EdbConversion* result = nullptr,
               std::string* error = nullptr);

// True when a chosen file name is accepted for conversion: it ends in "edb", lower case.
bool isEdbFileName(const std::string& path);
