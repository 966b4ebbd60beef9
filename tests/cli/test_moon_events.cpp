// SPDX-License-Identifier: GPL-3.0-or-later
// nalvo-cli moon-events: CSV layout, events against the reference, the Sun's glare, bad arguments.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/moon_events.h"

namespace {
struct EventsRun {
    int status = 0;
    std::vector<std::string> lines;
    std::string err;
};
std::string readAll(std::FILE* f) {
    std::string s;
    std::rewind(f);
    char buf[4096];
    for (size_t n; (n = std::fread(buf, 1, sizeof buf, f)) > 0;)
        s.append(buf, n);
    std::fclose(f);
    return s;
}
EventsRun run(const std::vector<std::string>& args) {
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    EventsRun r;
    r.status = moonEventsCommand(args, out, err);
    std::stringstream ss(readAll(out));
    for (std::string line; std::getline(ss, line);)
        r.lines.push_back(line);
    r.err = readAll(err);
    return r;
}
} // namespace

TEST(MoonEvents, JulianDaysAsUtcText) {
    // Meeus, Astronomical Algorithms, ch. 7: JD 2451545.0 is 2000 January 1.5; JD 2436116.31 is
    // 1957 October 4.81 (19:26:24).
    EXPECT_EQ(isoUtcOfJulianDay(2451545.0), "2000-01-01T12:00:00");
    EXPECT_EQ(isoUtcOfJulianDay(2436116.31), "1957-10-04T19:26:24");
    EXPECT_EQ(isoUtcOfJulianDay(2451544.5 - 1.0 / 86400 * 0.4), "2000-01-01T00:00:00");
    // Before 1582 October 15 the Julian calendar, as the dates the command reads: JD 1842713.0 is
    // 333 January 27.5 (Meeus, example 7.b); JD 2299160.5 is 1582 October 15 and the day before
    // it October 4.
    EXPECT_EQ(isoUtcOfJulianDay(1842713.0), "0333-01-27T12:00:00");
    EXPECT_EQ(isoUtcOfJulianDay(2299160.5), "1582-10-15T00:00:00");
    EXPECT_EQ(isoUtcOfJulianDay(2299159.5), "1582-10-04T00:00:00");
}

TEST(MoonEvents, AncientSpanStartsAtItsFirstDay) {
    // The span's bounds and the printed times are in one calendar: nothing before the start.
    const EventsRun r = run({"--from", "-0100-03-01", "--to", "-0100-03-03"});
    ASSERT_EQ(r.status, 0) << r.err;
    ASSERT_GT(r.lines.size(), 2u);
    for (size_t i = 1; i < r.lines.size(); ++i) {
        EXPECT_TRUE(r.lines[i].rfind("-0100-03-01T", 0) == 0 || r.lines[i].rfind("-0100-03-02T", 0) == 0)
            << r.lines[i];
    }
}

TEST(MoonEvents, NightOfADoubleShadowTransit) {
    // 2026 December 11, from the reference found with Astronomy Engine's geometry
    // (tests/data/jovian_events_reference.csv): Europa's shadow 19:32:51-22:26:20, Io's from
    // 21:25:29, Io's transit from 22:33:17. Within the two-minute budget of the inner moons.
    const EventsRun r = run({"--from", "2026-12-11T18:00", "--to", "2026-12-11T23:00"});
    ASSERT_EQ(r.status, 0) << r.err;
    ASSERT_FALSE(r.lines.empty());
    EXPECT_EQ(r.lines[0], "utc,planet,moon,event");
    std::vector<std::string> events;
    for (size_t i = 1; i < r.lines.size(); ++i) {
        const std::string& l = r.lines[i];
        ASSERT_GE(l.size(), 20u);
        EXPECT_EQ(l[10], 'T');
        EXPECT_EQ(l.substr(19, 9), ",Jupiter,");
        events.push_back(l.substr(28) + " " + l.substr(11, 5));
    }
    const std::vector<std::string> expected = {"Callisto,transit_start 18:1", "Europa,shadow_start 19:3",
                                               "Io,shadow_start 21:2",        "Europa,transit_start 21:5",
                                               "Europa,shadow_end 22:2",      "Io,transit_start 22:3",
                                               "Callisto,transit_end 22:5"};
    ASSERT_EQ(events.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        // Hours and the tens of minutes: the budget of 2 (Callisto 4) minutes can cross a ten only
        // for Callisto's 18:12 and 22:52, which sit far enough from one.
        EXPECT_EQ(events[i].substr(0, events[i].size() - 1), expected[i]) << i;
    }
}

TEST(MoonEvents, NoneNearConjunctionWithTheSun) {
    // Jupiter passes behind the Sun on 2026 July 29 (elongation under 15 degrees for about five
    // weeks around it): the reference lists 132 events from July 25 to August 9, the command none.
    const EventsRun r = run({"--from", "2026-07-25", "--to", "2026-08-10"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.lines.size(), 1u);
}

TEST(MoonEvents, BadArgumentsExitWithStatus2) {
    const std::vector<std::vector<std::string>> bad = {
        {"--from", "2026-01-01", "--to", "2126-01-03"}, // 100 years and a day
        {"--from", "-0101-01-01", "--to", "-0100-06-01"},
        {"--from", "2999-01-01", "--to", "3001-01-01"},
        {"--from", "2026-02-01", "--to", "2026-01-01"},
        {"--from", "2026-01-01"},
        {"--from", "2026-13-01", "--to", "2027-01-01"},
        {"--from", "2026-01-01", "--to", "2027-01-01", "--step", "1h"},
    };
    for (const auto& args : bad) {
        const EventsRun r = run(args);
        EXPECT_EQ(r.status, 2) << args[1];
        EXPECT_NE(r.err.find("nalvo-cli moon-events: "), std::string::npos) << r.err;
        EXPECT_TRUE(r.lines.empty());
    }
    EXPECT_EQ(run({"--from", "2026-01-01", "--to", "2026-01-02"}).status, 0);
}
