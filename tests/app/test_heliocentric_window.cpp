// SPDX-License-Identifier: GPL-3.0-or-later
// The heliocentric view in the window: the orbit layer is a cache redrawn after a zoom, a rotation
// key, another view or a tooltip but never on an animation step; the commands, clicks, keys and
// hover text of view 20.
#include "app/commands.h"
#include "app/input.h"
#include "app/toolbar.h"
#include "app/toolbar_icons.h"
#include "app/window.h"
#include "../common/test_window.h"
#include "catalog/prompter.h"

#include <QApplication>
#include <QDialog>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace {

using namespace toolbar;

QApplication& application() {
    static int argc = 1;
    static char name[] = "app_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* a = qobject_cast<QApplication*>(QCoreApplication::instance())
                                 ? qobject_cast<QApplication*>(QCoreApplication::instance())
                                 : new QApplication(argc, argv);
    return *a;
}

constexpr gfx::Rgb kMarker = gfx::rgb(255, 0, 255);

class HelioWindow : public ::testing::Test {
protected:
    void SetUp() override {
        application();
        ASSERT_EQ(toolbar::registerIcons(), 0);
        ini = (std::filesystem::temp_directory_path() / "nalvo_test_helio_window.ini").string();
        std::filesystem::remove(ini);
        w = std::make_unique<TPlanetariumWindow>(prompter, ini);
        ASSERT_TRUE(startTestWindow(*w));
        commands::clickButton(*w, kHeliocentric);
        ASSERT_EQ(w->view, 20);
    }
    void TearDown() override {
        w.reset();
        std::filesystem::remove(ini);
    }
    // A pixel of the orbit layer inside the copied area, in a corner no orbit or body reaches.
    void mark() { w->memDC[1]->setPixel(8, 488, kMarker); }
    bool layerKept() const { return w->memDC[1]->pixel(8, 488) == kMarker; }

    RecordingPrompter prompter;
    std::string ini;
    std::unique_ptr<TPlanetariumWindow> w;
};

} // namespace

TEST_F(HelioWindow, OrbitLayerRedrawnOnlyWhenDirty) {
    EXPECT_FALSE(w->orbitsDirty);
    mark();
    // Animation steps (every second tick) move the date and repaint from the cached layer.
    commands::run(*w, 115);
    ASSERT_TRUE(w->helioRunning);
    const int day = w->date->jour;
    w->tickCount = 0;
    for (int k = 0; k < 4; ++k) w->onTimer();
    EXPECT_EQ(w->date->jour, day + 2);
    EXPECT_TRUE(layerKept());
    EXPECT_EQ(w->memDC[0]->pixel(8, 488), kMarker); // the back buffer shows the cached layer
    commands::run(*w, 115);

    // A zoom step, a rotation key, another view and a tooltip each redraw it.
    commands::run(*w, 111);
    EXPECT_EQ(w->helioZoom, 5);
    EXPECT_FALSE(layerKept());
    mark();
    input::keyDown(*w, input::kKeyW);
    EXPECT_FALSE(layerKept());
    mark();
    commands::run(*w, 108);
    commands::clickButton(*w, kHeliocentric);
    EXPECT_FALSE(layerKept());
    mark();
    input::mouseMove(*w, (*w->boutons)[kHeliocentric].x + 8, 10);
    EXPECT_TRUE(w->orbitsDirty);
    w->redraw();
    EXPECT_FALSE(layerKept());
}

TEST_F(HelioWindow, ClicksKeysAndZoomCommands) {
    const int W = int(w->sys->mapWidth);
    EXPECT_TRUE(commands::available(102));
    EXPECT_TRUE(commands::available(111));
    EXPECT_TRUE(commands::available(112));
    EXPECT_TRUE(w->boutons->available[kHeliocentric]);
    // A left click strictly inside 5 < x < W - 20, 30 < y < H - 15 zooms in; on the edge it does not.
    input::mouseDown(*w, 6, 31, Qt::LeftButton);
    input::mouseUp(*w, 6, 31, Qt::LeftButton);
    EXPECT_EQ(w->helioZoom, 5);
    input::mouseDown(*w, W - 20, 200, Qt::LeftButton);
    EXPECT_EQ(w->helioZoom, 5);
    input::keyDown(*w, input::kAdd);
    EXPECT_EQ(w->helioZoom, 6);
    for (int k = 0; k < 8; ++k) input::keyDown(*w, input::kSubtract);
    EXPECT_EQ(w->helioZoom, -2); // below 1 by the keys and double-clicks, as far as the user likes
    input::mouseDoubleClick(*w, 200, 34, Qt::RightButton);
    EXPECT_EQ(w->helioZoom, -3);
    input::mouseDoubleClick(*w, 200, 33, Qt::LeftButton);
    EXPECT_EQ(w->helioZoom, -3);
    input::mouseDoubleClick(*w, 200, 100, Qt::LeftButton);
    EXPECT_EQ(w->helioZoom, -2);
    // Zoom commands leave any other view for view 20.
    commands::run(*w, 108);
    commands::run(*w, 112);
    EXPECT_EQ(w->view, 20);
    EXPECT_EQ(w->helioZoom, -3);
    // S and Z turn the camera the other way; the camera follows at once.
    input::keyDown(*w, input::kKeyS);
    input::keyDown(*w, input::kKeyZ);
    EXPECT_DOUBLE_EQ(w->camera.helioAzimuth, 0.05);
    EXPECT_NEAR(w->camera.eye.z, 30 * std::sin(3.14159265358979323846 / 6 + 0.05), 1e-12);
}

TEST_F(HelioWindow, HeliocentricCommandAsksTheDate) {
    auto saved = commands::dialogRunner();
    commands::run(*w, 108);
    w->skyRunning = true;
    commands::dialogRunner() = [](QDialog&) { return int(QDialog::Rejected); };
    commands::run(*w, 102);
    EXPECT_EQ(w->view, 13);
    EXPECT_TRUE(w->skyRunning);
    commands::dialogRunner() = [](QDialog&) { return int(QDialog::Accepted); };
    EXPECT_TRUE(commands::runIfEnabled(*w, 102));
    EXPECT_EQ(w->view, 20);
    EXPECT_FALSE(w->skyRunning);
    commands::dialogRunner() = saved;
}

TEST_F(HelioWindow, HoverNamesThePlanetInTheLegendPanel) {
    const planete* mars = w->sys->planet(3);
    ASSERT_STREQ(mars->nom, "Mars");
    const int W = int(w->sys->mapWidth);
    auto rowInked = [&] {
        int dark = 0;
        for (int y = 450; y < 466; ++y)
            for (int x = W + 60; x < 780; ++x) dark += gfx::red(w->memDC[0]->pixel(x, y)) < 100;
        return dark;
    };
    EXPECT_EQ(rowInked(), 0);
    input::mouseMove(*w, mars->screenX + 1, mars->screenY + 1);
    EXPECT_GT(rowInked(), 20);
    // The frame's light right edge (pen 19, 240 grey) at clientWidth - 3 stays through the row.
    for (int y = 448; y < 468; ++y)
        EXPECT_EQ(w->memDC[0]->pixel(780 - 3, y) & 0xffffffu, 0xf0f0f0u) << y;
    input::mouseMove(*w, mars->screenX + 3, mars->screenY);
    EXPECT_EQ(rowInked(), 0);
    // Not while the animation runs.
    w->helioRunning = true;
    input::mouseMove(*w, mars->screenX, mars->screenY);
    EXPECT_EQ(rowInked(), 0);
}
