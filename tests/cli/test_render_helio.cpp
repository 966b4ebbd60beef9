// SPDX-License-Identifier: GPL-3.0-or-later
// nalvo-cli render --view 20: the heliocentric view with its camera options, and their checks.
#include "cli/render.h"

#include <QImage>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

std::string scratch() {
    static const std::string dir = [] {
        char tmpl[] = "/tmp/nalvo_cli_helio_XXXXXX";
        const char* d = mkdtemp(tmpl);
        const std::string base = d ? d : "/tmp";
        setenv("XDG_CONFIG_HOME", (base + "/config").c_str(), 1);
        setenv("XDG_DATA_HOME", (base + "/data").c_str(), 1);
        return base;
    }();
    return dir;
}

int run(const std::vector<std::string>& args) {
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    const int rc = renderCommand(args, out, err);
    std::fclose(out);
    std::fclose(err);
    return rc;
}

} // namespace

TEST(RenderHelio, CameraOptionsMoveTheOrbitsButNotTheSun) {
    const std::string a = scratch() + "/a.png", b = scratch() + "/b.png";
    ASSERT_EQ(run({"--view", "20", "--date", "2026-12-09T20:00", "--out", a}), 0);
    ASSERT_EQ(run({"--view", "20", "--date", "2026-12-09T20:00", "--zoom", "-2", "--elevation", "80", "--azimuth",
                   "-45", "--out", b}),
              0);
    const QImage ia(QString::fromStdString(a)), ib(QString::fromStdString(b));
    ASSERT_EQ(ia.size(), QSize(780, 500));
    // The Sun's icon is centred at ((W - 10) / 2, 40 + (H - 45) / 2) = (269, 267) in both: its
    // yellow rays fill the box around that point (the inner planets may cover its middle).
    for (const QImage* img : {&ia, &ib}) {
        int sunny = 0;
        for (int y = 267 - 15; y <= 267 + 15; ++y)
            for (int x = 269 - 15; x <= 269 + 15; ++x) {
                const QRgb c = img->pixel(x, y);
                sunny += qRed(c) > 200 && qGreen(c) > 120 && qBlue(c) < 120;
            }
        EXPECT_GT(sunny, 60);
    }
    int differing = 0;
    for (int y = 46; y < 492; ++y)
        for (int x = 6; x < 542; ++x) differing += ia.pixel(x, y) != ib.pixel(x, y);
    EXPECT_GT(differing, 1000);
}

TEST(RenderHelio, BadCameraValuesAreRefused) {
    const std::string out = scratch() + "/c.png";
    EXPECT_EQ(run({"--view", "20", "--zoom", "2.5", "--out", out}), 2);
    EXPECT_EQ(run({"--view", "20", "--zoom", "5000", "--out", out}), 2);
    EXPECT_EQ(run({"--view", "20", "--elevation", "x", "--out", out}), 2);
    EXPECT_EQ(run({"--view", "20", "--azimuth", "400", "--out", out}), 2);
    EXPECT_EQ(run({"--view", "17", "--out", out}), 2);
    EXPECT_FALSE(std::filesystem::exists(out));
}
