// SPDX-License-Identifier: GPL-3.0-or-later
// Toolbar buttons: table positions, hit testing, greyed twins, drawing into a canvas, tooltips.
#include "app/toolbar.h"
#include "app/toolbar_icons.h"
#include "gfx/canvas.h"
#include "gfx/icons.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <utility>

namespace {

using namespace toolbar;

// Icons and fonts need an application object; the window tests of the same program need a
// QApplication, so that is the one made.
QCoreApplication& app() {
    static int argc = 1;
    static char name[] = "app_tests";
    static char* argv[] = {name, nullptr};
    static QCoreApplication* a = QCoreApplication::instance() ? QCoreApplication::instance()
                                                              : new QApplication(argc, argv);
    return *a;
}

TEST(Toolbar, TablePositionsAndTooltips) {
    Toolbar tb(500, 548);
    EXPECT_EQ(tb[kSaveScreen].x, 2);
    EXPECT_EQ(tb[kSaveScreen].icon, 132);
    EXPECT_STREQ(tb[kSaveScreen].tooltip, " Save screen ");
    EXPECT_EQ(tb[kLegend].x, 20);
    EXPECT_EQ(tb[kPlay].x, 367);
    EXPECT_EQ(tb[kPlay].icon, 100);
    EXPECT_STREQ(tb[kReverse].tooltip, " Reverse  ");
    EXPECT_STREQ(tb[kDate].tooltip, "Date");
    EXPECT_STREQ(tb[kQuadraticTrajectories].tooltip, " Quadratic + Trajectories ");
    EXPECT_EQ(tb[kInternet].x, 513);
    for (int i = 0; i < kCount; ++i) {
        if (i >= kScrollLeft && i <= kThumbY) continue;
        EXPECT_EQ(tb[i].y, 2) << i;
        EXPECT_EQ(tb[i].enabled, 1) << i;
    }
    // Scroll arrows and thumbs for H = 500, mapWidth = 548.
    EXPECT_EQ(tb[kScrollLeft].x, 5);
    EXPECT_EQ(tb[kScrollLeft].y, 487);
    EXPECT_EQ(tb[kScrollRight].x, 521);
    EXPECT_EQ(tb[kScrollDown].x, 531);
    EXPECT_EQ(tb[kScrollDown].y, 477);
    EXPECT_EQ(tb[kScrollUp].x, 531);
    EXPECT_EQ(tb[kScrollUp].y, 30);
    EXPECT_EQ(tb[kThumbX].icon, 300);
    EXPECT_EQ(tb[kThumbY].icon, 300);
    EXPECT_EQ(tb[kScrollUp].icon, 301);
    EXPECT_EQ(tb[kScrollDown].icon, 302);
    EXPECT_EQ(tb[kScrollLeft].icon, 303);
    EXPECT_EQ(tb[kScrollRight].icon, 304);
    EXPECT_EQ(tb[kThumbX].x, (548 - 49) / 2 + 15);
    EXPECT_EQ(tb[kThumbY].y, (500 - 71) / 2 + 40);
}

TEST(Toolbar, TooltipIsTruncatedAndTerminated) {
    Bouton b;
    b.setTooltip("0123456789012345678901234567890123456789");
    EXPECT_EQ(std::strlen(b.tooltip), 29u);
    EXPECT_EQ(b.tooltip[29], '\0');
}

TEST(Toolbar, HitTestingRow) {
    Toolbar tb;
    EXPECT_EQ(tb.hitButton(368, 10, false), kPlay);
    EXPECT_EQ(tb.hitButton(367, 10, false), kStop);  // strictly right of Play's x: Stop's box
    EXPECT_EQ(tb.hitButton(3, 0, false), kSaveScreen);
    EXPECT_EQ(tb.hitButton(3, 16, false), kSaveScreen);
    EXPECT_EQ(tb.hitButton(3, 17, false), -1);  // y = 17 hits nothing
    EXPECT_EQ(tb.hitButton(3, -1, false), -1);
    EXPECT_EQ(tb.hitButton(2, 5, false), -1);   // x must be strictly inside
    // Overlapping boxes: the last button in index order wins (Legende 31 over Save screen 0).
    EXPECT_EQ(tb.hitButton(21, 5, false), kLegend);
    EXPECT_EQ(tb.hitButton(600, 5, false), -1);
    // A disabled button is not hit; its neighbour's box may take the point.
    tb.setEnabled(kPlay, false);
    EXPECT_EQ(tb.hitButton(375, 10, false), -1);
    EXPECT_EQ(tb.hitButton(368, 10, false), kStop);
    tb.setEnabled(kStop, false);
    EXPECT_EQ(tb.hitButton(368, 10, false), -1);
}

TEST(Toolbar, HitTestingScrollButtonsFirst) {
    Toolbar tb(500, 548);
    EXPECT_EQ(tb.hitButton(10, 492, true), kScrollLeft);
    EXPECT_EQ(tb.hitButton(10, 492, false), -1);
    EXPECT_EQ(tb.hitButton(526, 492, true), kScrollRight);
    EXPECT_EQ(tb.hitButton(536, 35, true), kScrollUp);
    EXPECT_EQ(tb.hitButton(536, 482, true), kScrollDown);
    EXPECT_EQ(tb.hitButton(5, 492, true), -1);  // edge of the box is outside
    // The row is still hit when the scroll area is shown.
    EXPECT_EQ(tb.hitButton(368, 10, true), kPlay);
    // Scroll buttons are hit even when "disabled" (they have no such state).
    tb.placeScrollButtons(500, 548, 100, 50);
    EXPECT_EQ(tb[kThumbX].x, 115);
    EXPECT_EQ(tb[kThumbY].y, 90);
    EXPECT_EQ(tb.hitButton(120, 492, true), kThumbX);
    EXPECT_EQ(tb.hitButton(536, 95, true), kThumbY);
}

TEST(Toolbar, UnavailableButtonsAreGreyAndNeverHit) {
    Toolbar tb;
    EXPECT_EQ(drawnIcon(tb[kPlay]), 100);
    tb.available[kPlay] = false;
    EXPECT_EQ(drawnIcon(tb[kPlay], tb.available[kPlay]), 200);
    EXPECT_FALSE(tb.usable(kPlay));
    EXPECT_EQ(tb.hitButton(375, 10, false), -1);
    tb.setEnabled(kStop, false);
    EXPECT_EQ(drawnIcon(tb[kStop]), 201);
    // Scroll icons have no twin.
    tb[kScrollLeft].enabled = 0;
    EXPECT_EQ(drawnIcon(tb[kScrollLeft], false), 303);
}

TEST(Toolbar, ButtonGroups) {
    Toolbar tb;
    tb.animationButtonsRunning();
    for (int i : {kPreviousStep, kReverse, kPlay, kNextStep}) EXPECT_FALSE(tb.enabled(i)) << i;
    for (int i : {kStop, kSlowDown, kAccelerate}) EXPECT_TRUE(tb.enabled(i)) << i;
    tb.animationButtonsIdle();
    for (int i : {kPreviousStep, kReverse, kPlay, kNextStep, kSlowDown, kAccelerate}) EXPECT_TRUE(tb.enabled(i)) << i;
    EXPECT_FALSE(tb.enabled(kStop));
    tb.animationButtonsOff();
    for (int i = kPreviousStep; i <= kAccelerate; ++i) EXPECT_FALSE(tb.enabled(i)) << i;
    tb.realTimeButton(true, true);
    EXPECT_TRUE(tb.enabled(kRealTime));
    EXPECT_EQ(tb[kRealTime].icon, kRealTimeOnIcon);
    tb.animationButtonsRunning();
    EXPECT_EQ(tb[kRealTime].icon, kRealTimeOffIcon);
    tb.realTimeButton(false, true);
    EXPECT_FALSE(tb.enabled(kRealTime));
    EXPECT_EQ(tb[kRealTime].icon, kRealTimeOffIcon);
    tb.zoomButtons(false);
    EXPECT_FALSE(tb.enabled(kZoomIn));
    EXPECT_FALSE(tb.enabled(kZoomOut));
}

TEST(ToolbarIcons, EveryIconAndTwinIsRegistered) {
    app();
    ASSERT_EQ(registerIcons(), 0);
    EXPECT_EQ(iconIds().size(), 33u);
    for (int id : iconIds()) {
        const QImage* icon = gfx::icon(id);
        ASSERT_NE(icon, nullptr) << id;
        if (id >= 300) {
            EXPECT_EQ(icon->size(), QSize(10, 10)) << id;
            continue;
        }
        EXPECT_EQ(icon->size(), QSize(17, 17)) << id;
        const QImage* twin = gfx::icon(id + 100);
        ASSERT_NE(twin, nullptr) << id;
        EXPECT_EQ(twin->size(), icon->size());
    }
    // Every toolbar icon is a drawing, not a blank: a button face plus a glyph of several colours.
    for (int id : iconIds()) {
        const QImage* icon = gfx::icon(id);
        int opaque = 0;
        QRgb first = icon->pixel(icon->width() / 2, icon->height() / 2);
        bool varied = false;
        for (int y = 0; y < icon->height(); ++y)
            for (int x = 0; x < icon->width(); ++x) {
                const QRgb p = icon->pixel(x, y);
                if (qAlpha(p) > 200) ++opaque;
                if (qAlpha(p) > 200 && (p & 0xffffff) != (first & 0xffffff)) varied = true;
            }
        EXPECT_GT(opaque, icon->width() * icon->height() / 2) << id;
        EXPECT_TRUE(varied) << id;
    }
    // No two toolbar icons look the same.
    for (int a : iconIds())
        for (int b : iconIds())
            if (a < b && a < 300 && b < 300) {
                EXPECT_NE(*gfx::icon(a), *gfx::icon(b)) << a << " " << b;
            }
}

TEST(ToolbarIcons, FineVariantsShowTheSameDrawingAtTwiceTheResolution) {
    app();
    ASSERT_EQ(registerIcons(1), 0);
    ASSERT_EQ(registerIcons(2), 0);
    for (int id : iconIds()) {
        const QImage* plain = gfx::icon(id, 1);
        const QImage* fine = gfx::icon(id, 2);
        ASSERT_TRUE(plain && fine) << id;
        ASSERT_EQ(fine->size(), plain->size() * 2) << id;
        EXPECT_EQ(fine->devicePixelRatio(), 2.0) << id;
        if (id < 300) {
            EXPECT_EQ(gfx::icon(id + 100, 2)->devicePixelRatio(), 2.0) << id;
        }
        // Each 2 x 2 block of the fine drawing averages to about the plain pixel: the same
        // drawing, not an enlarged corner of it.
        long diff = 0;
        for (int y = 0; y < plain->height(); ++y)
            for (int x = 0; x < plain->width(); ++x) {
                int sum[4] = {0, 0, 0, 0};
                for (int j = 0; j < 2; ++j)
                    for (int i = 0; i < 2; ++i) {
                        const QRgb q = fine->pixel(2 * x + i, 2 * y + j);
                        sum[0] += qRed(q), sum[1] += qGreen(q), sum[2] += qBlue(q), sum[3] += qAlpha(q);
                    }
                const QRgb p = plain->pixel(x, y);
                diff += std::abs(sum[0] / 4 - qRed(p)) + std::abs(sum[1] / 4 - qGreen(p)) +
                        std::abs(sum[2] / 4 - qBlue(p)) + std::abs(sum[3] / 4 - qAlpha(p));
            }
        EXPECT_LT(double(diff) / (4.0 * plain->width() * plain->height()), 12.0) << id;
    }
    // A canvas of device scale 2 draws the fine variant pixel for pixel at the logical place.
    gfx::Canvas canvas(60, 30, gfx::rgb(200, 200, 200), 2);
    ASSERT_TRUE(canvas.drawIcon(10, 5, 100));
    const QImage* play = gfx::icon(100, 2);
    for (auto [x, y] : {std::pair{17, 17}, std::pair{8, 8}, std::pair{20, 14}}) {
        const QRgb s = play->pixel(x, y);
        if (qAlpha(s) != 255) continue;
        EXPECT_EQ(canvas.image().pixel(20 + x, 10 + y) & 0xffffff, s & 0xffffff) << x << " " << y;
    }
}

TEST(ToolbarIcons, GreyedTwinIsGreyAndKeepsAlpha) {
    QImage img(2, 1, QImage::Format_ARGB32);
    img.setPixel(0, 0, qRgba(255, 0, 0, 255));
    img.setPixel(1, 0, qRgba(0, 0, 0, 0));
    const QImage g = greyedTwin(img);
    const QRgb p = g.pixel(0, 0);
    EXPECT_EQ(qRed(p), qGreen(p));
    EXPECT_EQ(qGreen(p), qBlue(p));
    EXPECT_EQ(qRed(p), 110 + ((255 * 77) >> 8) * 45 / 100);
    EXPECT_EQ(qAlpha(g.pixel(1, 0)), 0);
}

TEST(ToolbarIcons, DrawnIconsAtTablePositions) {
    app();
    ASSERT_EQ(registerIcons(), 0);
    Toolbar tb;
    gfx::Canvas canvas(800, 60, gfx::rgb(200, 200, 200));
    tb.setEnabled(kStop, false);
    tb.drawButtons(canvas, 548);
    const QImage* play = gfx::icon(100);
    const QImage* stopGrey = gfx::icon(201);
    // The centre pixel of Play's icon is drawn at (367 + 8, 2 + 8).
    auto same = [&](const QImage* icon, int bx, int by, int ix, int iy) {
        const QRgb s = icon->pixel(ix, iy);
        ASSERT_EQ(qAlpha(s), 255);
        EXPECT_EQ(canvas.pixel(bx + ix, by + iy) & 0xffffff, s & 0xffffff);
    };
    same(play, 367, 2, 8, 8);
    same(play, 367, 2, 3, 3);
    same(stopGrey, 349, 2, 8, 8);
    // The greyed Stop is grey; the enabled Play is coloured.
    const gfx::Rgb stop = canvas.pixel(349 + 8, 2 + 8);
    EXPECT_TRUE(gfx::red(stop) == gfx::green(stop) && gfx::green(stop) == gfx::blue(stop));
    const gfx::Rgb playMid = canvas.pixel(367 + 8, 2 + 8);
    EXPECT_GT(gfx::green(playMid), gfx::red(playMid) + 50);
    // Buttons right of mapWidth - 20 are not drawn: with mapWidth 400, Next step (385) is out.
    gfx::Canvas narrow(800, 60, gfx::rgb(200, 200, 200));
    tb.drawButtons(narrow, 400);
    EXPECT_EQ(narrow.pixel(385 + 8, 10), gfx::rgb(200, 200, 200));
    EXPECT_NE(narrow.pixel(367 + 8, 10), gfx::rgb(200, 200, 200));
}

TEST(ToolbarIcons, TooltipTextOnItsBackground) {
    app();
    Toolbar tb;
    gfx::Canvas strip(800, 60, gfx::rgb(200, 200, 200));
    tb.drawTooltip(strip, kPlay);
    // Opaque text background RGB(255, 250, 230) begins at (367, 32); black glyph pixels follow.
    EXPECT_EQ(strip.pixel(367, 33), gfx::rgb(255, 250, 230));
    int black = 0;
    for (int y = 32; y < 46; ++y)
        for (int x = 367; x < 420; ++x)
            if (gfx::red(strip.pixel(x, y)) < 100) ++black;  // anti-aliased black glyphs
    EXPECT_GT(black, 5);
    EXPECT_EQ(strip.pixel(367, 20), gfx::rgb(200, 200, 200));
    EXPECT_EQ(strip.font(), gfx::FontId::Arial15);
}

}  // namespace
