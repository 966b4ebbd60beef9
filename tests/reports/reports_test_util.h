// SPDX-License-Identifier: GPL-3.0-or-later
// Shared set-up of the report tests: the shipped model, the reference rows of
// tests/data/reports_reference.csv (tools/reports/reference.mjs, Astronomy Engine), UTC texts.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "astro/date2.h"
#include "catalog/prompter.h"
#include "catalog/systeme.h"

namespace testutil {

inline std::vector<std::vector<std::string>> referenceRows(const std::string& kind) {
    std::ifstream in(std::string(NALVO_TEST_DATA_DIR) + "/reports_reference.csv");
    std::vector<std::vector<std::string>> rows;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> fields;
        std::stringstream ss(line);
        std::string f;
        while (std::getline(ss, f, ','))
            fields.push_back(f);
        if (line.back() == ',') fields.emplace_back();
        if (!fields.empty() && fields[0] == kind) rows.push_back(fields);
    }
    return rows;
}

// Seconds since 1970 of "YYYY-MM-DDTHH:MM:SSZ"; -1 for "".
inline long long utcSeconds(const std::string& iso) {
    if (iso.size() < 19) return -1;
    std::tm tm{};
    tm.tm_year = std::stoi(iso.substr(0, 4)) - 1900;
    tm.tm_mon = std::stoi(iso.substr(5, 2)) - 1;
    tm.tm_mday = std::stoi(iso.substr(8, 2));
    tm.tm_hour = std::stoi(iso.substr(11, 2));
    tm.tm_min = std::stoi(iso.substr(14, 2));
    tm.tm_sec = std::stoi(iso.substr(17, 2));
    return static_cast<long long>(timegm(&tm));
}

// The date2 of a whole-minute "YYYY-MM-DDTHH:MM..." text.
inline date2 dateOf(const std::string& iso) {
    date2 d;
    d.annee = std::stoi(iso.substr(0, 4));
    d.mois = std::stoi(iso.substr(5, 2));
    d.jour = std::stoi(iso.substr(8, 2));
    d.heure = std::stoi(iso.substr(11, 2));
    d.minute = std::stoi(iso.substr(14, 2));
    d.calculeT();
    return d;
}

// Angle between two places, arcminutes.
inline double separation_arcmin(double ra1, double dec1, double ra2, double dec2) {
    const double k = M_PI / 180;
    const double c = std::sin(dec1 * k) * std::sin(dec2 * k) +
                     std::cos(dec1 * k) * std::cos(dec2 * k) * std::cos((ra1 - ra2) * k);
    return std::acos(std::min(1.0, std::max(-1.0, c))) / k * 60;
}

class ShippedModel : public ::testing::Test {
  protected:
    systeme model;
    void SetUp() override {
        RecordingPrompter prompter;
        model.lookupDirs = {NALVO_SOURCE_DATA_DIR};
        const std::string ini = (std::filesystem::temp_directory_path() / "no-such-Nalvo.ini").string();
        ASSERT_GE(model.load(std::string(NALVO_SOURCE_DATA_DIR) + "/Sys.syt", prompter, ini), 0)
            << model.lastError;
        ASSERT_EQ(model.planetCount(), 9);
    }
    void place(double lat, double lonEast) {
        model.latitude = lat;
        model.longitude = -lonEast; // the model counts longitudes positive west
    }
};

} // namespace testutil
