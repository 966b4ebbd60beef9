// SPDX-License-Identifier: GPL-3.0-or-later
// Accuracy of the program's positions against reference positions from an independent library
// (tests/data/astro_reference.csv): errors in RA x cos(dec) and in Dec, arcminutes, per body
// and per century, and the relative distance error.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "astro/date2.h"
#include "cli/command.h"

class systeme;

struct ReferenceRow {
    date2 date;       // calendar fields and t, UT
    std::string body; // English name ("Sun", "Moon", "Mercury", ...)
    double ra_deg = 0, dec_deg = 0, distance_au = 0;
};

// Reads the reference CSV ('#' comment lines, then the header
// "date_utc,body,ra_deg,dec_deg,distance_au"). False with "file, line N: ..." in `why` when the
// file is missing or a line is malformed.
bool readReference(const std::string& path, std::vector<ReferenceRow>& rows, std::string& why);

struct ErrorStats {
    int count = 0;
    double maxRa = 0, sumRa2 = 0;   // |dRA| cos(dec), arcmin
    double maxDec = 0, sumDec2 = 0; // |dDec|, arcmin
    double maxSep = 0;              // angular separation, arcmin
    double maxDistance = 0;         // |d delta| / delta (the Sun: the Earth-Sun distance)
    std::string worstDate;          // instant of maxSep
    void add(double dRa_arcmin, double dDec_arcmin, double sep_arcmin, double relDistance,
             const std::string& when);
    double rmsRa() const;
    double rmsDec() const;
};

struct AccuracyTable {
    // Body -> century (1800, 1900, 2000, 2100) -> stats; century -1 holds the whole span.
    std::map<std::string, std::map<int, ErrorStats>> stats;
    std::vector<std::string> bodyOrder;
};

// Computes the model at every reference instant and compares; rows of bodies the model lacks
// are skipped.
AccuracyTable compareWithReference(systeme& model, const std::vector<ReferenceRow>& rows);

int accuracyCommand(const std::vector<std::string>& args, std::FILE* out, std::FILE* err);
