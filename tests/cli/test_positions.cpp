// SPDX-License-Identifier: GPL-3.0-or-later
// nalvo-cli positions: arguments, CSV layout, ranges and errors.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "astro/moon.h"
#include "astro/planets.h"
#include "catalog/systeme.h"
#include "cli/model_loading.h"
#include "cli/positions.h"

namespace {
struct CliRun {
    int status = 0;
    std::string out, err;
};
std::string readAll(std::FILE* f) {
    std::string s;
    std::rewind(f);
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0)
        s.append(buf, n);
    std::fclose(f);
    return s;
}
CliRun run(std::vector<std::string> args, bool withData = true) {
    if (withData) {
        args.push_back("--data");
        args.push_back(NALVO_SOURCE_DATA_DIR);
    }
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    CliRun r;
    r.status = positionsCommand(args, out, err);
    r.out = readAll(out);
    r.err = readAll(err);
    return r;
}
std::vector<std::string> lines(const std::string& s) {
    std::vector<std::string> v;
    std::stringstream ss(s);
    std::string l;
    while (std::getline(ss, l))
        v.push_back(l);
    return v;
}
std::vector<std::string> cells(const std::string& line) {
    std::vector<std::string> v;
    std::stringstream ss(line);
    std::string c;
    while (std::getline(ss, c, ','))
        v.push_back(c);
    return v;
}
} // namespace

TEST(PositionsCli, OneInstant) {
    const CliRun r = run({"--date", "2026-12-09T21:00"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto l = lines(r.out);
    ASSERT_EQ(l.size(), 12u);
    EXPECT_EQ(l[0], "date_utc,body,ra_deg,dec_deg,distance_au,magnitude,illuminated,diameter_arcsec");
    const char* order[] = {"Sun",     "Mercury", "Venus",  "Earth",   "Moon", "Mars",
                           "Jupiter", "Saturn",  "Uranus", "Neptune", "Pluto"};
    for (int k = 0; k < 11; ++k) {
        const auto c = cells(l[k + 1]);
        ASSERT_EQ(c.size(), 8u) << l[k + 1];
        EXPECT_EQ(c[0], "2026-12-09T21:00");
        EXPECT_EQ(c[1], order[k]);
        // At least six decimals for the angles.
        EXPECT_GE(c[2].size() - c[2].find('.') - 1, 6u);
        EXPECT_GE(c[3].size() - c[3].find('.') - 1, 6u);
    }
    EXPECT_EQ(l[4], "2026-12-09T21:00,Earth,0.000000,0.000000,0.000000000,0.00,0.0000,0.00");
    // The Sun near the December solstice; Astronomy Engine: 256.7428, -22.8762 (mean of date).
    const auto sun = cells(l[1]);
    EXPECT_NEAR(std::stod(sun[2]), 256.7428, 0.01);
    EXPECT_NEAR(std::stod(sun[3]), -22.8762, 0.01);
    EXPECT_NEAR(std::stod(sun[4]), 0.984939, 0.0001); // Astronomy Engine 0.984939 AU, the true distance
    // The Moon two days before new Moon (2026 December 9): a thin crescent.
    const auto moon = cells(l[5]);
    EXPECT_NEAR(std::stod(moon[2]), 266.5741, 0.05);
    EXPECT_LT(std::stod(moon[6]), 0.05);
    EXPECT_NEAR(std::stod(moon[7]), 1765, 20); // 2 x 1737.4 km at 0.002712 AU
}

TEST(PositionsCli, RangeIncludesBothEnds) {
    const CliRun r = run({"--from", "2000-02-28T22:00", "--to", "2000-02-29T02:00", "--step", "2h"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto l = lines(r.out);
    ASSERT_EQ(l.size(), 1u + 3 * 11);
    EXPECT_EQ(cells(l[1])[0], "2000-02-28T22:00");
    EXPECT_EQ(cells(l[12])[0], "2000-02-29T00:00");
    EXPECT_EQ(cells(l[23])[0], "2000-02-29T02:00");
    const CliRun days = run({"--from", "1899-12-30T12:00", "--to", "1900-01-03T12:00", "--step", "1d"});
    EXPECT_EQ(lines(days.out).size(), 1u + 5 * 11);
    EXPECT_EQ(cells(lines(days.out).back())[0], "1900-01-03T12:00");
    const CliRun minutes = run({"--from", "2026-03-01T23:55", "--to", "2026-03-02T00:05", "--step", "5m"});
    EXPECT_EQ(lines(minutes.out).size(), 1u + 3 * 11);
    EXPECT_EQ(cells(lines(minutes.out).back())[0], "2026-03-02T00:05");
}

TEST(PositionsCli, LongRangeStaysOnWholeMinutes) {
    // 5000 ten-minute steps: every instant still prints on its minute.
    const CliRun r = run({"--from", "2026-01-01T00:00", "--to", "2026-02-04T17:10", "--step", "10m"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto l = lines(r.out);
    ASSERT_EQ(l.size(), 1u + 5000 * 11);
    EXPECT_EQ(cells(l.back())[0], "2026-02-04T17:10");
    EXPECT_EQ(cells(l[1 + 11 * 4321])[0], "2026-01-31T00:10");
}

TEST(PositionsCli, BadArgumentsExitWithStatusTwo) {
    const std::vector<std::vector<std::string>> bad = {
        {"--date", "2026-13-01T00:00"},
        {"--date", "2026-02-30T00:00"},
        {"--date", "2026-1-01T00:00"},
        {"--date", "2026-01-01T24:00"},
        {"--date", "2026-01-01 00:00"},
        {"--date"},
        {"--from", "2026-01-01T00:00", "--to", "2026-01-02T00:00"},
        {"--from", "2026-01-02T00:00", "--to", "2026-01-01T00:00", "--step", "1h"},
        {"--from", "2026-01-01T00:00", "--to", "2026-01-02T00:00", "--step", "0h"},
        {"--from", "2026-01-01T00:00", "--to", "2026-01-02T00:00", "--step", "3y"},
        {"--from", "2026-01-01T00:00", "--to", "2026-01-02T00:00", "--step", "h"},
        {"--date", "2026-01-01T00:00", "--from", "2026-01-01T00:00"},
        {"--date", "2026-01-01T00:00", "--date", "2026-01-01T00:00"},
        {"--frobnicate"},
    };
    for (const auto& args : bad) {
        const CliRun r = run(args);
        EXPECT_EQ(r.status, 2) << args[0];
        EXPECT_EQ(lines(r.err).size(), 1u) << r.err;
        EXPECT_TRUE(r.out.empty());
    }
    const CliRun noDir = run({"--data", "/nonexistent/nalvo"}, false);
    EXPECT_EQ(noDir.status, 2);
}

TEST(PositionsCli, MissingDataFilesFailWithStatusOne) {
    const CliRun r = run({"--date", "2026-01-01T00:00", "--data", NALVO_TEST_DATA_DIR}, false);
    EXPECT_EQ(r.status, 1);
    EXPECT_FALSE(r.err.empty());
}

TEST(PositionsCli, Help) {
    const CliRun r = run({"--help"}, false);
    EXPECT_EQ(r.status, 0);
    for (const char* option : {"--date", "--from", "--to", "--step", "--data"})
        EXPECT_NE(r.out.find(option), std::string::npos) << option;
}

TEST(PositionsCli, DateTexts) {
    date2 d;
    std::string why;
    ASSERT_TRUE(parseUtcDate("1582-10-15T00:00", d, why));
    EXPECT_NEAR(static_cast<double>(d.t), (2299160.5 - 2415020) / 36525, 1e-15);
    EXPECT_EQ(formatUtcDate(d), "1582-10-15T00:00");
    ASSERT_TRUE(parseUtcDate("-0044-03-15T12:30", d, why));
    EXPECT_EQ(d.annee, -44);
    EXPECT_EQ(formatUtcDate(d), "-0044-03-15T12:30");
    EXPECT_TRUE(parseUtcDate("1900-02-29T00:00", d, why)); // the program's month lengths
    EXPECT_FALSE(parseUtcDate("2026-12-09T21:00Z", d, why));
}

namespace {
// The CSV rows of one instant written with printf from the model's values, as the command's
// text is meant to read.
std::string printfRows(systeme& model, const date2& date) {
    model.computePositions(date, true);
    char when[64];
    if (date.annee < 0)
        std::snprintf(when, sizeof when, "-%04d-%02d-%02dT%02d:%02d", -date.annee, date.mois, date.jour,
                      date.heure, date.minute);
    else
        std::snprintf(when, sizeof when, "%04d-%02d-%02dT%02d:%02d", date.annee, date.mois, date.jour,
                      date.heure, date.minute);
    std::string rows;
    auto row = [&](const std::string& name, double ra, double dec, double delta, double mag, double k,
                   double diam) {
        char line[512];
        std::snprintf(line, sizeof line, "%s,%s,%.6f,%.6f,%.9f,%.2f,%.4f,%.2f\n", when, name.c_str(), ra, dec,
                      delta, mag, k, diam);
        rows += line;
    };
    const soleil& sun = *model.sun();
    row("Sun", sun.ra, sun.dec, sun.delta, -26.74 + 5 * std::log10(sun.delta), 1.0, apparentDiameter(sun));
    for (int k = 0; k < model.planetCount(); ++k) {
        const planete& p = *model.planet(k);
        if (std::strcmp(p.nom, "Terre") == 0)
            row("Earth", 0, 0, 0, 0, 0, 0);
        else
            row(englishName(p.nom), p.ra, p.dec, p.delta, planetMagnitude(p), visibleFraction(p),
                apparentDiameter(p));
        for (int j = 0; j < p.satelliteCount() && j < 2; ++j) {
            const satellite& s = *p.getSatellite(j);
            row(englishName(s.nom), s.ra, s.dec, s.delta, moonMagnitude(s, date, sun),
                moonVisibleFraction(date), apparentDiameter(s));
        }
    }
    return rows;
}
} // namespace

TEST(PositionsCli, RowsAreThePrintfTextOfTheModel) {
    systeme model;
    std::string sysPath;
    ASSERT_EQ(loadCommandModel(model, NALVO_SOURCE_DATA_DIR, sysPath), "");
    const std::string header =
        "date_utc,body,ra_deg,dec_deg,distance_au,magnitude,illuminated,diameter_arcsec\n";
    for (const char* when : {"1900-01-01T00:00", "2026-12-09T21:00", "-0044-03-15T12:30", "-0100-01-01T00:00",
                             "2999-12-31T23:59", "1987-07-04T05:06"}) {
        date2 d;
        std::string why;
        ASSERT_TRUE(parseUtcDate(when, d, why)) << why;
        const CliRun r = run({"--date", when});
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, header + printfRows(model, d)) << when;
    }
    // A range of 2185 instants (91 days of hours): more text than the command keeps in memory at
    // once, and long enough to be cut into blocks computed on several threads.
    const CliRun r = run({"--from", "2000-01-01T00:00", "--to", "2000-04-01T00:00", "--step", "1h"});
    ASSERT_EQ(r.status, 0) << r.err;
    std::string expected = header;
    date2 first;
    std::string why;
    ASSERT_TRUE(parseUtcDate("2000-01-01T00:00", first, why));
    for (int k = 0; k <= 2184; ++k) {
        date2 d = first;
        d.t = first.t + k * (60.0L / (876600.0L * 60.0L));
        d.calculeCalendrier();
        expected += printfRows(model, d);
    }
    ASSERT_EQ(r.out.size(), expected.size());
    EXPECT_TRUE(r.out == expected);
}
