// SPDX-License-Identifier: GPL-3.0-or-later
// The satellite views in the window: the commands that open them, the first paint of view 32
// after the Jupiter view, the Saturn zoom and the drag selection of a time range.
#include "app/commands.h"
#include "app/input.h"
#include "app/picture_saving.h"
#include "app/toolbar_icons.h"
#include "app/window.h"
#include "../common/test_window.h"
#include "astro/satellites.h"
#include "catalog/paths.h"
#include "catalog/prompter.h"
#include "views/saturn_moons.h"

#include <QApplication>
#include <QDialog>
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <memory>

namespace {
QApplication& app() {
    static int argc = 1;
    static char name[] = "app_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* a = qobject_cast<QApplication*>(QCoreApplication::instance())
                                 ? qobject_cast<QApplication*>(QCoreApplication::instance())
                                 : new QApplication(argc, argv);
    return *a;
}

class SatelliteViews : public ::testing::Test {
  protected:
    void SetUp() override {
        app();
        ASSERT_EQ(toolbar::registerIcons(), 0);
        ini = (std::filesystem::temp_directory_path() / "nalvo_test_satellite_ui.ini").string();
        std::filesystem::remove(ini);
        w = std::make_unique<TPlanetariumWindow>(prompter, ini);
        ASSERT_TRUE(startTestWindow(*w));
        saved = commands::dialogRunner();
        commands::dialogRunner() = [this](QDialog&) { return answer; }; // the conjunction dialog
    }
    void TearDown() override {
        commands::dialogRunner() = saved;
        w.reset();
        std::filesystem::remove(ini);
    }
    RecordingPrompter prompter;
    std::function<int(QDialog&)> saved;
    int answer = QDialog::Accepted;
    std::string ini;
    std::unique_ptr<TPlanetariumWindow> w;
};
} // namespace

TEST_F(SatelliteViews, JupiterCommandShowsThreeAndAHalfDays) {
    ASSERT_TRUE(commands::run(*w, 11855));
    EXPECT_EQ(w->view, 31);
    EXPECT_EQ(w->satView, 1);
    EXPECT_NEAR(static_cast<double>(w->endDate->t - w->date->t), 0.00010469, 1e-12);
    int yellow = 0;
    for (int y = 131; y < 500 - 29; ++y)
        yellow += (w->memDC[0]->pixel(780 / 4 + 1, y) & 0xffffff) == 0xffff00u;
    EXPECT_GT(yellow, 250) << "Jupiter's line down the graph";
    // Cancelled from the title view, the dialog leaves the view as it was.
    answer = QDialog::Rejected;
    w->view = 1;
    ASSERT_TRUE(commands::run(*w, 11855));
    EXPECT_EQ(w->view, 1);
}

TEST_F(SatelliteViews, CancelledJupiterDialogFromTheToolbarKeepsTheViewAndTheSpan) {
    // Saturn's satellites over the menu's 26.13-day span (0.000715469 centuries).
    w->view = 31;
    w->satView = 1;
    ASSERT_TRUE(commands::run(*w, 140));
    ASSERT_EQ(w->view, 32);
    ASSERT_NEAR(static_cast<double>(w->endDate->t - w->date->t), 0.000715469, 1e-12);
    const date2 start = *w->date;
    answer = QDialog::Rejected;
    // The " Jupiter " button of the toolbar (x = 115, y = 2).
    input::mouseDown(*w, 122, 8, Qt::LeftButton);
    input::mouseUp(*w, 122, 8, Qt::LeftButton);
    EXPECT_EQ(w->view, 32);
    EXPECT_EQ(w->satView, 2);
    EXPECT_EQ(w->date->t, start.t);
    EXPECT_NEAR(static_cast<double>(w->endDate->t - w->date->t), 0.000715469, 1e-12) << "not 3.82 days";
}

TEST_F(SatelliteViews, FirstPaintOfSaturnsSatellitesAfterJupiterReinitialises) {
    ASSERT_TRUE(commands::run(*w, 11855));
    ASSERT_TRUE(commands::run(*w, 140));
    ASSERT_EQ(w->view, 32);
    EXPECT_FALSE(w->saturnTablesDirty);
    int strip[6];
    for (int i = 0; i < 6; ++i)
        strip[i] = w->sys->satell(4 + i)->pos[6];
    // The same drawing on a model that never saw the Jupiter theory.
    systeme fresh;
    RecordingPrompter p;
    ASSERT_GE(fresh.load(findDataFile("Sys.syt"), p, ini), 0);
    fresh.setScreen(780, 500);
    views::SatelliteScene s;
    s.mapWidth = static_cast<int>(w->sys->mapWidth);
    s.start = *w->date;
    s.end = *w->endDate;
    gfx::Canvas c(1500, 1400);
    views::drawSaturnMoonsView(c, s, fresh, true);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(strip[i], fresh.satell(4 + i)->pos[6]) << i;
    w->redraw(); // a later paint reuses the tables
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(strip[i], w->sys->satell(4 + i)->pos[6]) << i;
    // Reused, not written again: with the shared storage overwritten behind the view's back (the
    // Jupiter theory's radii, 5.9 to 26.4 Jupiter radii), a later paint of view 32 draws from
    // what is there, which puts Titan elsewhere; a paint after another view starts afresh.
    computeJovianSatellites(*w->date, w->sys->satelliteTable);
    w->redraw();
    int moved = 0;
    for (int i = 0; i < 6; ++i)
        moved += strip[i] != w->sys->satell(4 + i)->pos[6];
    EXPECT_GT(moved, 0) << "the later paint initialised the tables again";
    w->view = 31;
    w->redraw();
    w->view = 32;
    w->redraw();
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(strip[i], w->sys->satell(4 + i)->pos[6]) << i;
}

TEST_F(SatelliteViews, SaturnZoomHalvesAndDoubles) {
    ASSERT_TRUE(commands::run(*w, 139));
    EXPECT_EQ(w->view, 33);
    EXPECT_EQ(w->satView, 3);
    ASSERT_TRUE(commands::run(*w, 122));
    EXPECT_DOUBLE_EQ(w->saturnZoom, 2.0);
    w->hooks.mouseDoubleClick(*w, 300, 300, Qt::LeftButton);
    EXPECT_DOUBLE_EQ(w->saturnZoom, 4.0);
    w->hooks.mouseDoubleClick(*w, 300, 300, Qt::RightButton);
    EXPECT_DOUBLE_EQ(w->saturnZoom, 2.0);
    // The rings' colours are on the screen around Saturn.
    int ring = 0;
    for (int x = 390; x < 700; ++x)
        ring += (w->memDC[0]->pixel(x, 270) & 0xffffff) == 0x8c735au; // palette 30 (140, 115, 90)
    EXPECT_GT(ring, 5);
}

TEST_F(SatelliteViews, DragInTheGraphSelectsTheRows) {
    ASSERT_TRUE(commands::run(*w, 11855));
    const long double t0 = w->date->t, span = w->endDate->t - t0;
    ASSERT_TRUE(w->hooks.mouseDown(*w, 100, 300, Qt::LeftButton));
    w->hooks.mouseMove(*w, 100, 250);
    ASSERT_TRUE(w->hooks.mouseUp(*w, 100, 200, Qt::LeftButton));
    // Rows 200 and 300 of a graph of H - 158 = 342 rows from row 130.
    EXPECT_NEAR(static_cast<double>(w->date->t - t0), static_cast<double>(span * 70 / 342), 1e-9);
    EXPECT_NEAR(static_cast<double>(w->endDate->t - t0), static_cast<double>(span * 170 / 342), 1e-9);
    // A release on the starting row changes nothing.
    const long double start = w->date->t;
    w->hooks.mouseDown(*w, 100, 220, Qt::LeftButton);
    w->hooks.mouseUp(*w, 100, 220, Qt::LeftButton);
    EXPECT_EQ(w->date->t, start);
}

TEST_F(SatelliteViews, Saturn3DHasNoLegendSeparatorAndItsPictureKeepsTheFrame) {
    ASSERT_TRUE(commands::run(*w, 139));
    ASSERT_EQ(w->view, 33);
    const int W = static_cast<int>(w->sys->mapWidth), H = 500;
    // The window's grey (palette 33) above and below the view where the other views have their
    // legend separator (pens 17 and 19).
    for (int y : {26, 30, 44, H - 5, H - 3})
        for (int x : {W, W + 1})
            EXPECT_EQ(w->memDC[0]->pixel(x, y) & 0xffffffu, 0xc8c8c8u) << x << "," << y;
    // In a picture on white the frame's lines stay, black.
    picturesave::drawWhitePicture(*w);
    for (int y : {30, 100, 480}) {
        EXPECT_EQ(w->memDC[0]->pixel(1, y) & 0xffffffu, 0u) << y;
        EXPECT_EQ(w->memDC[0]->pixel(780 - 3, y) & 0xffffffu, 0u) << y;
    }
    EXPECT_EQ(w->memDC[0]->pixel(3, 100) & 0xffffffu, 0xffffffu) << "white outside the lines";
    picturesave::restoreScreen(*w);
    w->options->saveBlackWhite = true;
    picturesave::drawWhitePicture(*w);
    EXPECT_EQ(w->memDC[0]->pixel(1, 100) & 0xffffffu, 0u) << "black and white";
    picturesave::restoreScreen(*w);
}

TEST_F(SatelliteViews, PointedDateUnderTheMouseInBothSatelliteGraphs) {
    // 2026-12-09 20:00 UT to 342 days later over the graph's 342 rows: row 154 is 24 days on,
    // 2 January 2027 20h.
    const std::string expected = "Pointed date : 2/1/2027 20h     ";
    for (int view : {31, 32}) {
        ASSERT_TRUE(commands::run(*w, view == 31 ? 11855 : 140));
        ASSERT_EQ(w->view, view);
        *w->endDate = *w->date;
        w->endDate->t += 342.0L / 36525;
        w->endDate->calculeCalendrier();
        w->redraw();
        input::mouseMove(*w, 100, 154);
        // The text as the Part places it: (W + 10, 79) in view 31, (W + 10, 85) in view 32.
        const int x = static_cast<int>(w->sys->mapWidth) + 10, y = view == 31 ? 79 : 85;
        gfx::Canvas ref(1500, 1400);
        ref.selectFont(gfx::FontId::Arial14);
        ref.setTextColour(gfx::rgb(0, 0, 0));
        ref.setBackgroundColour(gfx::rgb(200, 200, 200));
        ref.setBackgroundMode(gfx::BackgroundMode::Opaque);
        ref.textOut(x, y, expected);
        const gfx::Size extent = ref.textExtent(expected);
        int differ = 0, ink = 0;
        for (int yy = y; yy < y + extent.height; ++yy)
            for (int xx = x; xx < x + extent.width; ++xx) {
                differ += w->memDC[0]->pixel(xx, yy) != ref.pixel(xx, yy);
                ink += gfx::red(ref.pixel(xx, yy)) < 100;
            }
        EXPECT_GT(ink, 100);
        EXPECT_EQ(differ, 0) << view;
    }
}
