// SPDX-License-Identifier: GPL-3.0-or-later
// The forecast's lines for Jupiter's moons: the sentences, and the night of 2026 December 11 at
// Annecy, when the shadows of Io and Europa cross Jupiter together, against the events of
// tests/data/jovian_events_reference.csv (Astronomy Engine's geometry).
#include <cstring>
#include <regex>

#include "reports/forecast.h"
#include "reports/jupiter_events_lines.h"
#include "reports_test_util.h"

using namespace reports;

TEST(JupiterEventLines, SentencesInTheReportsStyle) {
    EXPECT_EQ(jupiterEventLine(0, JovianEventKind::ShadowStart, 21, 14),
              " Io : shadow transit begins at 21h14.\n");
    EXPECT_EQ(jupiterEventLine(1, JovianEventKind::EclipseStart, 2, 3),
              " Europa : disappears into Jupiter's shadow at 2h03.\n");
    EXPECT_EQ(jupiterEventLine(3, JovianEventKind::OccultationEnd, 0, 0),
              " Callisto : reappears from behind Jupiter at 0h00.\n");
}

namespace {
class JupiterNight : public testutil::ShippedModel {};
} // namespace

TEST_F(JupiterNight, DoubleShadowTransitAtAnnecy) {
    place(45.9, 6.12);
    std::strcpy(model.cityName, "France-Annecy");
    date2 date = testutil::dateOf("2026-12-11T15:00");
    date.decalageLieu = 1;
    const auto tmp = std::filesystem::temp_directory_path();
    const std::string text =
        forecastText(model, date, {(tmp / "LogFile.txt").string(), {(tmp / "no-info").string()}});

    // Jupiter rises at about 22h15 local time (21h15 UT). The reference's events of the night
    // after it, in UT: Io's shadow 21:25:29, Europa's transit 21:54:06, Europa's shadow ends
    // 22:26:20, Io's transit 22:33:17, Callisto's transit ends 22:52:19, Io's shadow ends
    // 23:42:00, Europa's transit ends 00:47:07, Io's 00:50:46. Europa's shadow began at 19:32:51
    // with Jupiter below the horizon: no line. Each line within 2 minutes (4 for Callisto) of the
    // reference plus one hour, and the lines in this order right after Jupiter's.
    struct Expected {
        const char* text;
        int utMinutes;
        int tolerance;
    };
    const Expected expected[] = {
        {" Io : shadow transit begins at ", 21 * 60 + 25, 2},
        {" Europa : transit begins at ", 21 * 60 + 54, 2},
        {" Europa : shadow transit ends at ", 22 * 60 + 26, 2},
        {" Io : transit begins at ", 22 * 60 + 33, 2},
        {" Callisto : transit ends at ", 22 * 60 + 52, 4},
        {" Io : shadow transit ends at ", 23 * 60 + 42, 2},
        {" Europa : transit ends at ", 24 * 60 + 47, 2},
        {" Io : transit ends at ", 24 * 60 + 51, 2},
    };
    const size_t jupiter = text.find(" Jupiter ");
    const size_t saturn = text.find(" Saturn ");
    ASSERT_NE(jupiter, std::string::npos);
    ASSERT_NE(saturn, std::string::npos);
    const std::string block = text.substr(jupiter, saturn - jupiter);
    std::vector<std::string> lines;
    static const std::regex re(" (Io|Europa|Ganymede|Callisto) : [^\n]* at (\\d+)h(\\d\\d)\\.\n");
    for (auto it = std::sregex_iterator(block.begin(), block.end(), re); it != std::sregex_iterator(); ++it)
        lines.push_back(it->str());
    ASSERT_EQ(lines.size(), std::size(expected)) << block;
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string& l = lines[i];
        EXPECT_EQ(l.rfind(expected[i].text, 0), 0u) << l;
        std::smatch m;
        ASSERT_TRUE(std::regex_search(l, m, re));
        const int local = std::stoi(m[2]) * 60 + std::stoi(m[3]);
        const int expectedLocal = (expected[i].utMinutes + 60) % 1440;
        EXPECT_LE(std::abs(local - expectedLocal), expected[i].tolerance) << l;
    }
    EXPECT_EQ(block.find("Europa : shadow transit begins"), std::string::npos);
}
