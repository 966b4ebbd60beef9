// nalvo-cli position, ephemeris and forecast: the file of --out holds the writers' bytes, the
// terminal gets UTF-8, and bad bodies, dates and files end with status 2 and a message.
#include "cli/report_commands.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "catalog/prompter.h"
#include "catalog/systeme.h"
#include "cli/positions.h"
#include "reports/ephemeris.h"

namespace fs = std::filesystem;

namespace {
struct CliRun {
    int status = 0;
    std::string out, err;
};

std::string readAll(std::FILE* f) {
    std::rewind(f);
    std::string s;
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0)
        s.append(buf, n);
    return s;
}

CliRun run(int (*command)(const std::vector<std::string>&, std::FILE*, std::FILE*),
           std::vector<std::string> args) {
    args.insert(args.end(), {"--data", NALVO_SOURCE_DATA_DIR});
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    CliRun r;
    r.status = command(args, out, err);
    r.out = readAll(out);
    r.err = readAll(err);
    std::fclose(out);
    std::fclose(err);
    return r;
}

std::string fileBytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), {});
}
} // namespace

TEST(ReportCommands, EphemerisFileHasTheWritersBytes) {
    const fs::path file = fs::temp_directory_path() / "moon.txt";
    const CliRun r =
        run(ephemerisCommand, {"--body", "moon", "--date", "2026-01-01T00:00", "--step", "3d", "--count",
                               "10", "--lat", "45.9", "--lon", "6.2", "--out", file.string()});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");
    systeme model;
    RecordingPrompter prompter;
    model.lookupDirs = {NALVO_SOURCE_DATA_DIR};
    ASSERT_GE(model.load(std::string(NALVO_SOURCE_DATA_DIR) + "/Sys.syt", prompter), 0);
    model.latitude = 45.9;
    model.longitude = -6.2;
    date2 d;
    std::string why;
    ASSERT_TRUE(parseUtcDate("2026-01-01T00:00", d, why));
    EXPECT_EQ(fileBytes(file), reports::ephemerisText(model, d, {9, 3, 1}));

    // On the terminal the degree sign is UTF-8.
    const CliRun t = run(ephemerisCommand, {"--body", "Sun", "--date", "2026-03-20T12:00"});
    ASSERT_EQ(t.status, 0) << t.err;
    EXPECT_NE(t.out.find("\xC2\xB0 "), std::string::npos);
    EXPECT_EQ(t.out.find("\xB0 "), t.out.find("\xC2\xB0 ") + 1);
}

TEST(ReportCommands, PositionLineAndForecastText) {
    const CliRun p = run(positionCommand, {"--body", "Earth", "--date", "2026-06-01T00:30"});
    ASSERT_EQ(p.status, 0) << p.err;
    EXPECT_EQ(p.out, "Earth 2026-06-01 0h UT  RA 00h 00m 00s  Dec 0\xC2\xB0 00' 00\"  Distance 0.0000 AU\n");
    const fs::path file = fs::temp_directory_path() / "night.txt";
    const CliRun f = run(forecastCommand, {"--date", "2026-10-05T12:00", "--lat", "45.9", "--lon", "6.12",
                                           "--offset", "2", "--place", "Annecy", "--out", file.string()});
    ASSERT_EQ(f.status, 0) << f.err;
    const std::string bytes = fileBytes(file);
    EXPECT_EQ(bytes.substr(0, 80),
              "The time correspond to local time of Annecy.\n The diferrence with GMT is 2.00.\nD");
    EXPECT_NE(bytes.find(" Mars se l\xE8ve \xE0 "), std::string::npos);
    const CliRun u = run(forecastCommand, {"--date", "2026-10-05T12:00", "--lat", "45.9", "--lon", "6.12"});
    ASSERT_EQ(u.status, 0) << u.err;
    EXPECT_NE(u.out.find(" Mars se l\xC3\xA8ve \xC3\xA0 "), std::string::npos);
}

TEST(ReportCommands, BadInputEndsWithStatusTwo) {
    const std::vector<std::vector<std::string>> cases = {
        {"--body", "Vulcan"},
        {"--body", "Mars", "--date", "2026-02-30T00:00"},
        {"--body", "Mars", "--step", "366d"},
        {"--body", "Mars", "--count", "7"},
        {"--body", "Mars", "--lat", "91"},
        {"--body", "Mars", "--out", (fs::temp_directory_path() / "no" / "such" / "dir.txt").string()},
        {"--body", "Mars", "--frobnicate", "1"},
    };
    for (const auto& c : cases) {
        const CliRun r = run(ephemerisCommand, c);
        EXPECT_EQ(r.status, 2) << c.back();
        EXPECT_FALSE(r.err.empty()) << c.back();
    }
    EXPECT_EQ(run(positionCommand, {"--body", "Vulcan"}).status, 2);
    EXPECT_EQ(run(forecastCommand, {"--offset", "x"}).status, 2);
    EXPECT_EQ(run(forecastCommand, {"--out", "/proc/no-such/x.txt"}).status, 2);
    EXPECT_NE(run(positionCommand, {"--body", "Vulcan"}).err.find("unknown body 'Vulcan'"),
              std::string::npos);
}

namespace {
// The minutes after local midnight of "The sun rise at HhM, it shink at HhM." in a forecast.
bool sunTimes(const std::string& text, int& rise_min, int& set_min) {
    const size_t at = text.find("The sun rise at ");
    int rh = 0, rm = 0, sh = 0, sm = 0;
    if (at == std::string::npos ||
        std::sscanf(text.c_str() + at, "The sun rise at %dh%d, it shink at %dh%d.", &rh, &rm, &sh, &sm) != 4)
        return false;
    rise_min = rh * 60 + rm;
    set_min = sh * 60 + sm;
    return true;
}
} // namespace

TEST(ReportCommands, CityGivesItsZoneAndTheNightFollowsTheChangeOfTime) {
    // The night of 2026-10-24 in Paris, across the end of summer time (10-25 01:00 UT). PyEphem
    // (the Sun's centre on a horizon without refraction, 48.8667 N 2.3333 E) sets it at 16:38:52
    // UT, 18h39 summer time, and raises it at 06:31:43 UT, 7h32 winter time. The report steps by
    // five minutes: 10 minutes of tolerance.
    const CliRun r = run(forecastCommand, {"--date", "2026-10-24T12:00", "--city", "france-paris"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(r.out.starts_with(
        "The time correspond to local time of France-Paris.\n The diferrence with GMT is 2.00.\n"))
        << r.out.substr(0, 120);
    int rise = 0, set = 0;
    ASSERT_TRUE(sunTimes(r.out, rise, set)) << r.out;
    EXPECT_NEAR(set, 18 * 60 + 39, 10);
    EXPECT_NEAR(rise, 7 * 60 + 32, 10);
    // --offset still overrides the zone, for the whole night.
    const CliRun o = run(forecastCommand, {"--date", "2026-10-24T12:00", "--city", "France-Paris", "--offset", "2"});
    ASSERT_EQ(o.status, 0) << o.err;
    ASSERT_TRUE(sunTimes(o.out, rise, set)) << o.out;
    EXPECT_NEAR(rise, 8 * 60 + 32, 10);
    // New York after its change of 2026-11-01 06:00 UT: -5 h.
    const CliRun n = run(forecastCommand, {"--date", "2026-11-01T18:00", "--city", "USA_W5-New_York"});
    ASSERT_EQ(n.status, 0) << n.err;
    EXPECT_NE(n.out.find("The diferrence with GMT is -5.00."), std::string::npos) << n.out.substr(0, 120);
}

TEST(ReportCommands, UnknownCityEndsWithStatusTwoAndNamesTheOption) {
    const std::vector<std::string> city = {"--date", "2026-10-24T12:00", "--city", "Atlantis-Capital"};
    std::vector<std::string> withBody = city;
    withBody.insert(withBody.end(), {"--body", "Mars"});
    for (const CliRun& r : {run(forecastCommand, city), run(ephemerisCommand, withBody), run(positionCommand, withBody)}) {
        EXPECT_EQ(r.status, 2);
        EXPECT_NE(r.err.find("--city"), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("Atlantis-Capital"), std::string::npos) << r.err;
    }
}
