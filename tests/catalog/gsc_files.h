// SPDX-License-Identifier: GPL-3.0-or-later
// Writers of small Guide Star Catalog files in the CD-ROM's exact layouts, for the tests.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

struct GscRegionRow {
    int region;
    int lowRaH, lowRaM;
    double lowRaS;
    int highRaH, highRaM;
    double highRaS;
    const char* dec1Deg; // three characters, e.g. "-00", "+05", " 45"
    double dec1Min;
    const char* dec2Deg;
    double dec2Min;
};

// Header of 14400 bytes with the record count at offsets 8985-8989, then 48-byte records.
inline std::string regionTable(const std::vector<GscRegionRow>& rows) {
    std::string bytes(14400, ' ');
    char count[8];
    std::snprintf(count, sizeof count, "%5d", static_cast<int>(rows.size()));
    bytes.replace(8985, 5, count);
    for (const GscRegionRow& r : rows) {
        char rec[64];
        std::snprintf(rec, sizeof rec, "%5d  %2d %2d %5.2f %2d %2d %5.2f %3s %4.1f %3s %4.1f", r.region,
                      r.lowRaH, r.lowRaM, r.lowRaS, r.highRaH, r.highRaM, r.highRaS, r.dec1Deg, r.dec1Min,
                      r.dec2Deg, r.dec2Min);
        bytes += std::string(rec, 48);
    }
    return bytes;
}

struct GscStarRow {
    double ra, dec, mag;
};

// Header of 8640 bytes with the record count at offsets 3225-3229, then 45-byte records.
inline std::string regionFile(const std::vector<GscStarRow>& rows, int statedCount = -1) {
    std::string bytes(8640, ' ');
    char count[8];
    std::snprintf(count, sizeof count, "%5d", statedCount < 0 ? static_cast<int>(rows.size()) : statedCount);
    bytes.replace(3225, 5, count);
    int id = 1;
    for (const GscStarRow& s : rows) {
        char rec[64];
        std::snprintf(rec, sizeof rec, "%5d%9.5f%9.5f%5.1f%5.2f%12s", id++, s.ra, s.dec, 0.2, s.mag,
                      "0 1 2 3 4 5 ");
        bytes += std::string(rec, 45);
    }
    return bytes;
}
