// SPDX-License-Identifier: GPL-3.0-or-later
// The window at device pixel ratio 2: back buffers at twice the resolution, the layout, clicks and
// hit tests in logical pixels, and "Save..." at the window's size unless full resolution is asked.
#include "app/commands.h"
#include "app/input.h"
#include "app/picture_saving.h"
#include "app/window.h"
#include "../common/test_window.h"
#include "catalog/prompter.h"

#include <QCoreApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace {

class HiDpiWindow : public ::testing::Test {
protected:
    void SetUp() override {
        dir = std::filesystem::temp_directory_path() / "nalvo_hidpi_window";
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        w = std::make_unique<TPlanetariumWindow>(prompter, (dir / "Nalvo.ini").string());
        ASSERT_TRUE(startTestWindow(*w, false));
        picturesave::fileChooser() = [this](TPlanetariumWindow&, const std::string&) { return chosen; };
    }
    void TearDown() override {
        w.reset();
        std::filesystem::remove_all(dir);
    }
    QImage saved(const std::string& name) {
        chosen = (dir / name).string();
        EXPECT_TRUE(commands::run(*w, 130));
        return QImage(QString::fromStdString(chosen));
    }

    RecordingPrompter prompter;
    std::filesystem::path dir;
    std::unique_ptr<TPlanetariumWindow> w;
    std::string chosen;
};

TEST_F(HiDpiWindow, BackBufferHasTheScreenResolutionAndClicksStayLogical) {
    ASSERT_EQ(w->devicePixelRatioF(), 2.0); // the platform honours QT_SCALE_FACTOR
    EXPECT_EQ(w->screenScale(), 2);
    const gfx::Canvas& back = *w->memDC[0];
    EXPECT_EQ(back.width(), TPlanetariumWindow::kBufferWidth);
    EXPECT_EQ(back.deviceWidth(), 2 * TPlanetariumWindow::kBufferWidth);
    EXPECT_EQ(back.deviceHeight(), 2 * TPlanetariumWindow::kBufferHeight);
    EXPECT_EQ(w->clientWidth(), 780); // the layout is in logical pixels

    // A click at the logical centre of the heliocentric button finds it.
    const auto& button = (*w->boutons)[toolbar::kHeliocentric];
    const QPointF at(button.x + 10, button.y + 10);
    QMouseEvent press(QEvent::MouseButtonPress, at, w->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(w.get(), &press);
    EXPECT_EQ(w->view, 20);
    // Its icon is drawn there at the device resolution: the toolbar grey is not everywhere.
    int ink = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) ink += back.devicePixel(2 * button.x + x, 2 * button.y + y) != gfx::rgb(200, 200, 200);
    EXPECT_GT(ink, 100);

    // The window shows the back buffer one device pixel for one.
    w->show();
    QImage shown(w->size() * 2, QImage::Format_RGB32);
    shown.setDevicePixelRatio(2);
    w->render(&shown);
    for (const QPoint p : {QPoint(2 * button.x + 7, 2 * button.y + 9), QPoint(401, 301), QPoint(1001, 601)})
        EXPECT_EQ(shown.pixel(p) | 0xff000000u, back.devicePixel(p.x(), p.y())) << p.x() << "," << p.y();
}

TEST_F(HiDpiWindow, SavedBitmapHasTheWindowSizeUnlessFullResolutionIsAsked) {
    ASSERT_TRUE(commands::run(*w, 108)); // circular sky view
    ASSERT_TRUE(commands::run(*w, 11851)); // black background: the screen below the toolbar
    // The same view drawn at scale 1, the reference for the picture of the window's size.
    w->setBackBufferScale(1);
    w->redraw();
    const QImage logical = w->memDC[0]->image().copy(0, 28, 780, 472);
    w->setBackBufferScale(2);
    w->redraw();

    const QImage small = saved("small.png");
    ASSERT_EQ(small.size(), QSize(780, 472));
    EXPECT_EQ(small.convertToFormat(QImage::Format_RGB32), logical.convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(w->memDC[0]->scale(), 2); // the screen is back at its resolution

    EXPECT_FALSE(commands::state(*w, picturesave::kFullResolutionCommand).checked);
    ASSERT_TRUE(commands::run(*w, picturesave::kFullResolutionCommand));
    EXPECT_TRUE(commands::state(*w, picturesave::kFullResolutionCommand).checked);
    const QImage full = saved("full.png");
    ASSERT_EQ(full.size(), QSize(1560, 944));
    EXPECT_EQ(full.convertToFormat(QImage::Format_RGB32),
              w->memDC[0]->image().copy(0, 56, 1560, 944).convertToFormat(QImage::Format_RGB32));

    // The choice is kept in Nalvo.ini: a window started later has it, and unticking it is kept too.
    prompter.clear();
    w.reset();
    w = std::make_unique<TPlanetariumWindow>(prompter, (dir / "Nalvo.ini").string());
    ASSERT_TRUE(startTestWindow(*w, false));
    EXPECT_TRUE(commands::state(*w, picturesave::kFullResolutionCommand).checked);
    ASSERT_TRUE(commands::run(*w, picturesave::kFullResolutionCommand));
    w.reset();
    w = std::make_unique<TPlanetariumWindow>(prompter, (dir / "Nalvo.ini").string());
    ASSERT_TRUE(startTestWindow(*w, false));
    EXPECT_FALSE(commands::state(*w, picturesave::kFullResolutionCommand).checked);
    EXPECT_EQ(prompter.messageCount(), 0) << prompter.entries.front().text;
}

} // namespace
