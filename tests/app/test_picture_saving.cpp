// SPDX-License-Identifier: GPL-3.0-or-later
// "Save..." on a real window (offscreen): the three schemes, the bitmap layout read back from the
// file, PNG by name, a file that cannot be written, cancelling, and the title view.
#include "app/commands.h"
#include "app/input.h"
#include "app/picture_saving.h"
#include "app/toolbar_icons.h"
#include "app/window.h"
#include "../common/test_window.h"
#include "catalog/prompter.h"

#include <QApplication>
#include <QImage>
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

namespace {

QApplication& application() {
    static int argc = 1;
    static char name[] = "app_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* a = qobject_cast<QApplication*>(QCoreApplication::instance())
                                 ? qobject_cast<QApplication*>(QCoreApplication::instance())
                                 : new QApplication(argc, argv);
    return *a;
}

std::string readFile(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}
uint32_t u32(const std::string& b, size_t at) {
    return uint32_t(uint8_t(b[at])) | uint32_t(uint8_t(b[at + 1])) << 8 | uint32_t(uint8_t(b[at + 2])) << 16 |
           uint32_t(uint8_t(b[at + 3])) << 24;
}
// Red, green, blue of pixel (x, y) of a bitmap file, y counted from the top of the picture.
std::array<int, 3> bmpPixel(const std::string& b, int x, int y) {
    const int w = int(u32(b, 18)), h = int(u32(b, 22));
    const size_t at = 54 + size_t(h - 1 - y) * size_t(3 * w + w % 4) + size_t(3 * x);
    return {uint8_t(b[at + 2]), uint8_t(b[at + 1]), uint8_t(b[at])};
}
std::array<int, 3> rgbOf(uint32_t p) {
    return {int((p >> 16) & 0xff), int((p >> 8) & 0xff), int(p & 0xff)};
}

class PictureSaving : public ::testing::Test {
  protected:
    void SetUp() override {
        application();
        ASSERT_EQ(toolbar::registerIcons(), 0);
        dir = std::filesystem::temp_directory_path() / "nalvo_picture_saving";
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        w = std::make_unique<TPlanetariumWindow>(prompter, (dir / "Nalvo.ini").string());
        ASSERT_TRUE(startTestWindow(*w));
        picturesave::fileChooser() = [this](TPlanetariumWindow&, const std::string& previous) {
            previousNames.push_back(previous);
            ++asked;
            return chosen;
        };
    }
    void TearDown() override {
        w.reset();
        std::filesystem::remove_all(dir);
    }
    void save() { ASSERT_TRUE(commands::run(*w, 130)); }
    int messages(const std::string& text, const std::string& caption) const {
        int n = 0;
        for (const auto& e : prompter.entries)
            n += e.text.rfind(text, 0) == 0 && e.caption == caption;
        return n;
    }

    RecordingPrompter prompter;
    std::filesystem::path dir;
    std::unique_ptr<TPlanetariumWindow> w;
    std::string chosen;
    int asked = 0;
    std::vector<std::string> previousNames;
};

TEST_F(PictureSaving, BlackBackgroundIsTheScreenBelowTheToolbar) {
    ASSERT_TRUE(commands::run(*w, 108)); // circular view
    ASSERT_TRUE(commands::run(*w, 11851));
    EXPECT_TRUE(commands::state(*w, 130).enabled);
    chosen = (dir / "black.bmp").string();
    const QImage screen = w->memDC[0]->snapshot();
    const int redraws = w->redrawCount();
    save();
    EXPECT_EQ(w->redrawCount(), redraws); // the picture is the screen as it is
    const std::string b = readFile(chosen);
    ASSERT_EQ(b.size(), 54u + 2340u * 472u);
    EXPECT_EQ(b.substr(0, 2), "BM");
    EXPECT_EQ(u32(b, 2), 54u + 2340u * 472u);
    EXPECT_EQ(u32(b, 18), 780u);
    EXPECT_EQ(u32(b, 22), 472u);
    EXPECT_EQ(u32(b, 34), 2340u * 472u);
    // Row 0 of the picture is row 28 of the window, its last row the window's last.
    for (int x : {0, 137, 274, 500, 779})
        for (int y : {0, 100, 471})
            EXPECT_EQ(bmpPixel(b, x, y), rgbOf(screen.pixel(x, y + 28))) << x << "," << y;
    EXPECT_EQ(messages("Picture Saved", "NALVO information"), 1);
    // The name is remembered for the next save.
    save();
    ASSERT_EQ(previousNames.size(), 2u);
    EXPECT_EQ(previousNames[1], chosen);
}

TEST_F(PictureSaving, WhiteBackgroundHasNoToolbarAndPadsOddWidths) {
    w->onSize(781, 500);
    ASSERT_TRUE(commands::run(*w, 108));
    ASSERT_TRUE(commands::run(*w, 134)); // colour on white
    const std::array<int, 3> toolbarGrey = rgbOf(w->memDC[0]->pixel(1, 1));
    ASSERT_NE(toolbarGrey, (std::array<int, 3>{255, 255, 255}));
    chosen = (dir / "white.bmp").string();
    save();
    const std::string b = readFile(chosen);
    ASSERT_EQ(b.size(), 54u + 2344u * 500u); // 3 x 781 + 1 padding byte a row
    EXPECT_EQ(u32(b, 18), 781u);
    EXPECT_EQ(u32(b, 22), 500u);
    EXPECT_EQ(uint8_t(b[54 + 2343]), 0); // the padding byte
    // Where the toolbar and frame were, white.
    EXPECT_EQ(bmpPixel(b, 1, 1), (std::array<int, 3>{255, 255, 255}));
    EXPECT_EQ(bmpPixel(b, 1, 300), (std::array<int, 3>{255, 255, 255}));
    // The window grey around the disc is white too; the sky inside is drawn on it.
    EXPECT_EQ(rgbOf(w->memDC[0]->pixel(5, 495)), (std::array<int, 3>{200, 200, 200}));
    EXPECT_EQ(bmpPixel(b, 5, 495), (std::array<int, 3>{255, 255, 255}));
    int drawn = 0;
    for (int y = 100; y < 400; ++y)
        for (int x = 100; x < 450; ++x) drawn += bmpPixel(b, x, y) != std::array<int, 3>{255, 255, 255};
    EXPECT_GT(drawn, 1000);
    // The screen scheme is back.
    EXPECT_FALSE(w->options->whiteScheme);
    EXPECT_EQ(rgbOf(w->memDC[0]->pixel(1, 1)), toolbarGrey);
    EXPECT_EQ(messages("Picture Saved", "NALVO information"), 1);
}

TEST_F(PictureSaving, BlackAndWhiteHasNoColourAndPngByName) {
    ASSERT_TRUE(commands::run(*w, 108));
    ASSERT_TRUE(commands::run(*w, 133)); // white and black
    chosen = (dir / "bw.png").string();
    save();
    const std::string bytes = readFile(chosen);
    ASSERT_EQ(bytes.substr(0, 4), "\x89PNG");
    QImage picture;
    ASSERT_TRUE(picture.load(QString::fromStdString(chosen)));
    EXPECT_EQ(picture.size(), QSize(780, 500));
    int coloured = 0, black = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb p = picture.pixel(x, y);
            coloured += qRed(p) != qGreen(p) || qGreen(p) != qBlue(p);
            black += p == qRgb(0, 0, 0);
        }
    EXPECT_EQ(coloured, 0);
    EXPECT_GT(black, 1000); // the rim, the stars, the legend texts
    EXPECT_EQ(w->options->palette.brush(33).colour, gfx::Palette::screenScheme().brush(33).colour);
}

TEST_F(PictureSaving, FailureCancelAndTitleView) {
    // The title view is not saved, whatever asks.
    save();
    EXPECT_EQ(asked, 0);
    ASSERT_TRUE(commands::run(*w, 108));
    // Cancelled: nothing written, no message, the screen redrawn in its scheme.
    chosen.clear();
    save();
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(prompter.entries.empty());
    EXPECT_FALSE(w->options->whiteScheme);
    // A folder that does not exist: an error, never "Picture Saved".
    chosen = (dir / "no-such-folder" / "x.bmp").string();
    save();
    EXPECT_EQ(messages("Picture Saved", "NALVO information"), 0);
    EXPECT_EQ(messages("Can't save the picture: ", "Nalvo -- Error"), 1);
    EXPECT_FALSE(std::filesystem::exists(dir / "no-such-folder"));
}

} // namespace
