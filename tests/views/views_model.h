// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped model for the view tests, loaded once, and the reference dates of the conjunctions
// in right ascension (tests/data/ra_conjunctions.csv, Astronomy Engine).
#pragma once

#include "astro/date2.h"
#include "catalog/prompter.h"
#include "catalog/systeme.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

inline date2 makeDate(int y, int mo, int d, int h, int mi = 0) {
    date2 date;
    date.annee = y;
    date.mois = mo;
    date.jour = d;
    date.heure = h;
    date.minute = mi;
    date.calculeT();
    return date;
}

// The shipped "Sys.syt" with every file it names; a test that needs it fails when it does not load.
inline systeme* shippedModel() {
    static RecordingPrompter prompter;
    static systeme* model = [] {
        auto* sys = new systeme;
        const std::string data = NALVO_SOURCE_DATA_DIR;
        const std::string ini = (std::filesystem::temp_directory_path() / "nalvo_views_none.ini").string();
        std::remove(ini.c_str());
        sys->lookupDirs = {data};
        if (sys->load(data + "/Sys.syt", prompter, ini) < 0) {
            delete sys;
            return static_cast<systeme*>(nullptr);
        }
        return sys;
    }();
    return model;
}

#define REQUIRE_MODEL(sys)                                                                                   \
    systeme* sys = shippedModel();                                                                           \
    ASSERT_NE(sys, nullptr) << "the shipped Sys.syt did not load";                                           \
    ASSERT_EQ(sys->planetCount(), 9)

struct ReferenceConjunction {
    std::string body; // English name
    date2 date;
};

inline std::vector<ReferenceConjunction> referenceConjunctions() {
    std::vector<ReferenceConjunction> out;
    std::ifstream in(std::string(NALVO_TEST_DATA_DIR) + "/ra_conjunctions.csv");
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#' || line.rfind("body,", 0) == 0) continue;
        const size_t comma = line.find(',');
        int y, mo, d, h, mi;
        if (comma == std::string::npos ||
            std::sscanf(line.c_str() + comma + 1, "%d-%d-%dT%d:%d", &y, &mo, &d, &h, &mi) != 5)
            continue;
        out.push_back({line.substr(0, comma), makeDate(y, mo, d, h, mi)});
    }
    return out;
}

// Hours from a to b.
inline double hoursBetween(const date2& a, const date2& b) {
    return double(b.t - a.t) * 876600.0;
}
