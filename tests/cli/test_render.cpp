// SPDX-License-Identifier: GPL-3.0-or-later
// nalvo-cli render: the 24-bit bitmap layout and a whole render of the shipped data.
#include "cli/render.h"

#include <QImage>
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

uint32_t u32(const std::vector<uint8_t>& b, size_t at) {
    return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 3]) << 24;
}
uint16_t u16(const std::vector<uint8_t>& b, size_t at) { return uint16_t(b[at] | b[at + 1] << 8); }

std::vector<uint8_t> readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A private settings folder so that the user's Nalvo.ini is never read.
std::string scratchDir() {
    static const std::string dir = [] {
        char tmpl[] = "/tmp/nalvo_cli_render_XXXXXX";
        const char* d = mkdtemp(tmpl);
        const std::string base = d ? d : "/tmp";
        setenv("XDG_CONFIG_HOME", (base + "/config").c_str(), 1);
        setenv("XDG_DATA_HOME", (base + "/data").c_str(), 1);
        return base;
    }();
    return dir;
}

int run(std::vector<std::string> args, std::string* errText = nullptr) {
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    const int rc = renderCommand(args, out, err);
    if (errText) {
        std::rewind(err);
        char buffer[4096] = {};
        const size_t n = std::fread(buffer, 1, sizeof buffer - 1, err);
        *errText = std::string(buffer, n);
    }
    std::fclose(out);
    std::fclose(err);
    return rc;
}

} // namespace

TEST(Bitmap, Width781HasOnePaddingByte) {
    QImage image(781, 2, QImage::Format_RGB32);
    image.fill(QColor(10, 20, 30));
    image.setPixel(0, 1, qRgb(200, 100, 50)); // bottom row, first pixel
    image.setPixel(780, 0, qRgb(1, 2, 3));    // top row, last pixel
    const std::vector<uint8_t> b = bitmapBytes(image, 781, 2);
    ASSERT_EQ(b.size(), 54u + 2344u * 2);
    EXPECT_EQ(b[0], 'B');
    EXPECT_EQ(b[1], 'M');
    EXPECT_EQ(u32(b, 2), 54u + 2344u * 2);
    EXPECT_EQ(u32(b, 6), 0u);
    EXPECT_EQ(u32(b, 10), 54u);
    EXPECT_EQ(u32(b, 14), 40u);
    EXPECT_EQ(u32(b, 18), 781u);
    EXPECT_EQ(u32(b, 22), 2u);
    EXPECT_EQ(u16(b, 26), 1u);
    EXPECT_EQ(u16(b, 28), 24u);
    EXPECT_EQ(u32(b, 30), 0u);
    EXPECT_EQ(u32(b, 34), 2344u * 2); // (3 x 781 + 1) x 2
    EXPECT_EQ(u32(b, 38), 2835u);
    EXPECT_EQ(u32(b, 42), 2835u);
    EXPECT_EQ(u32(b, 46), 0u);
    EXPECT_EQ(u32(b, 50), 0u);
    // First stored row is the bottom one, blue-green-red.
    EXPECT_EQ(b[54], 50);
    EXPECT_EQ(b[55], 100);
    EXPECT_EQ(b[56], 200);
    EXPECT_EQ(b[54 + 2343], 0); // its padding byte
    // Last pixel of the top row, then its padding.
    const size_t top = 54 + 2344;
    EXPECT_EQ(b[top + 3 * 780], 3);
    EXPECT_EQ(b[top + 3 * 780 + 1], 2);
    EXPECT_EQ(b[top + 3 * 780 + 2], 1);
    EXPECT_EQ(b[top + 2343], 0);
}

TEST(Bitmap, PaddingIsWidthModFour) {
    QImage image(8, 3, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int w = 1; w <= 8; ++w) {
        const std::vector<uint8_t> b = bitmapBytes(image, w, 3);
        EXPECT_EQ(u32(b, 34), uint32_t((3 * w + w % 4) * 3)) << w;
        EXPECT_EQ((3 * w + w % 4) % 4, 0) << w; // every row a multiple of 4 bytes
    }
}

TEST(RenderCommand, WritesTheCircularViewOfTheShippedData) {
    const std::string dir = scratchDir();
    const std::string path = dir + "/circular.bmp";
    std::string err;
    ASSERT_EQ(run({"--view", "13", "--date", "2026-12-09T20:00", "--lat", "45.9", "--lon", "6.2", "--out", path},
                  &err),
              0)
        << err;
    const std::vector<uint8_t> b = readAll(path);
    ASSERT_EQ(b.size(), 54u + 3u * 780u * 500u);
    EXPECT_EQ(u32(b, 18), 780u);
    EXPECT_EQ(u32(b, 22), 500u);
    auto pixel = [&](int x, int y) { // from the top
        const size_t at = 54 + size_t(499 - y) * 2340 + size_t(x) * 3;
        return std::array<int, 3>{b[at + 2], b[at + 1], b[at]};
    };
    // The map area outside the disc and the legend panel are the window grey (200, 200, 200).
    EXPECT_EQ(pixel(5, 495), (std::array<int, 3>{200, 200, 200}));
    EXPECT_EQ(pixel(770, 480), (std::array<int, 3>{200, 200, 200}));
    // The rim of the disc is red at its lowest point, y = 225 + 40 + 225 - 1.
    EXPECT_EQ(pixel(274, 489), (std::array<int, 3>{255, 0, 0}));
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
}

TEST(RenderCommand, WhiteSchemeAndPng) {
    const std::string dir = scratchDir();
    const std::string path = dir + "/quadratic.png";
    std::string err;
    ASSERT_EQ(run({"--view", "11", "--date", "2026-12-09T20:00", "--scheme", "white", "--legend", "off", "--size",
                   "600x400", "--out", path},
                  &err),
              0)
        << err;
    QImage image(QString::fromStdString(path));
    ASSERT_EQ(image.width(), 600);
    ASSERT_EQ(image.height(), 400);
    // White scheme: the quadratic frame is white; without the legend the map takes the whole width.
    EXPECT_EQ(image.pixel(300, 200) & 0xffffff, 0xffffffu);
    EXPECT_EQ(image.pixel(590, 200) & 0xffffff, 0xffffffu);
}

TEST(RenderCommand, BadArgumentsAreRefused) {
    scratchDir();
    std::string err;
    EXPECT_EQ(run({"--view", "15", "--out", "/tmp/x.bmp"}, &err), 2);
    EXPECT_NE(err.find("--view"), std::string::npos);
    EXPECT_EQ(run({"--view", "13"}, &err), 2);
    EXPECT_NE(err.find("--out"), std::string::npos);
    EXPECT_EQ(run({"--view", "13", "--date", "2026-02-30T20:00", "--out", "/tmp/x.bmp"}, &err), 2);
    EXPECT_EQ(run({"--view", "13", "--size", "99999x10", "--out", "/tmp/x.bmp"}, &err), 2);
    EXPECT_EQ(run({"--view", "13", "--lat", "95", "--lon", "0", "--out", "/tmp/x.bmp"}, &err), 2);
    EXPECT_EQ(run({"--view", "13", "--lat", "45", "--out", "/tmp/x.bmp"}, &err), 2);
    EXPECT_EQ(run({"--view", "13", "--scheme", "pink", "--out", "/tmp/x.bmp"}, &err), 2);
    EXPECT_EQ(run({"--view"}, &err), 2);
    // A file that cannot be written, by any user (its folder is a plain file): refused before the
    // drawing, with a message naming it.
    const std::string notAFolder = scratchDir() + "/plain-file";
    std::ofstream(notAFolder) << "x";
    const std::string target = notAFolder + "/x.bmp";
    EXPECT_EQ(run({"--view", "13", "--date", "2026-12-09T20:00", "--out", target}, &err), 2);
    EXPECT_NE(err.find(target), std::string::npos);
}

TEST(RenderCommand, ConjunctionGraphAndDance) {
    const std::string dir = scratchDir();
    const std::string path = dir + "/span.png";
    std::string err;
    ASSERT_EQ(run({"--view", "30", "--date", "2026-01-01T00:00", "--end", "2027-12-31T00:00", "--out", path}, &err),
              0)
        << err;
    QImage graph(QString::fromStdString(path));
    ASSERT_EQ(graph.width(), 780);
    // The red frame of the graph, and Mercury's legend sample (pen 13) at H/4 beside it.
    EXPECT_EQ(graph.pixel(4, 300) & 0xffffff, 0xff0000u);
    EXPECT_EQ(graph.pixel(548 + 30, 125) & 0xffffff, 0x7878c8u);
    // The dance of Jupiter by its English and its model name: red frame, dark blue inside.
    for (const char* planet : {"Jupiter", "jupiter"}) {
        ASSERT_EQ(run({"--view", "40", "--planet", planet, "--date", "2026-01-01T00:00", "--out", path}, &err), 0)
            << err;
        QImage dance(QString::fromStdString(path));
        EXPECT_EQ(dance.pixel(5, 300) & 0xffffff, 0xff0000u);
        EXPECT_EQ(dance.pixel(30, 480) & 0xffffff, 0x000046u);
    }
    // The Earth has no dance, an unknown planet none either, and a span must not run backwards.
    EXPECT_EQ(run({"--view", "40", "--planet", "Terre", "--out", path}, &err), 2);
    EXPECT_NE(err.find("--planet"), std::string::npos);
    EXPECT_EQ(run({"--view", "40", "--planet", "Vulcan", "--out", path}, &err), 2);
    EXPECT_EQ(run({"--view", "30", "--date", "2026-01-01T00:00", "--end", "2025-01-01T00:00", "--out", path}, &err),
              2);
    EXPECT_EQ(run({"--view", "30", "--end", "2026-13-01T00:00", "--out", path}, &err), 2);
    EXPECT_EQ(run({"--view", "35", "--out", path}, &err), 2);
}
