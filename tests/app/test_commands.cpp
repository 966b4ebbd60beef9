// SPDX-License-Identifier: GPL-3.0-or-later
// The command table on a real window (offscreen platform): enabling rules, check marks and texts,
// toggles, projection and animation commands, steps and year limits, keys, mouse routing, the
// menu bar and the tooltip.
#include "app/commands.h"
#include "app/input.h"
#include "app/menus.h"
#include "app/sky_interaction.h"
#include "app/toolbar.h"
#include "app/toolbar_icons.h"
#include "app/window.h"
#include "catalog/prompter.h"

#include <QApplication>
#include <QDialog>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QThread>
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <memory>

namespace {

using namespace toolbar;
using commands::State;

QApplication& application() {
    static int argc = 1;
    static char name[] = "app_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* a = qobject_cast<QApplication*>(QCoreApplication::instance())
                                 ? qobject_cast<QApplication*>(QCoreApplication::instance())
                                 : new QApplication(argc, argv);
    return *a;
}

date2 makeDate(int year, int month, int day, int hour, int minute) {
    date2 d;
    d.annee = year;
    d.mois = month;
    d.jour = day;
    d.heure = hour;
    d.minute = minute;
    d.calculeT();
    return d;
}

class Commands : public ::testing::Test {
protected:
    void SetUp() override {
        application();
        ASSERT_EQ(toolbar::registerIcons(), 0);
        ini = (std::filesystem::temp_directory_path() / "nalvo_test_commands.ini").string();
        std::filesystem::remove(ini);
        w = std::make_unique<TPlanetariumWindow>(prompter, ini);
        ASSERT_TRUE(w->onSetup(nullptr));
        commands::markAvailableButtons(*w);
        input::installHooks(w->hooks);
        w->firstTickDone = true;  // no forecast of the day in these tests
        // A fixed date, never the clock.
        const double offsetComputer = w->date->decalageOrdinateur, offsetPlace = w->date->decalageLieu;
        *w->date = makeDate(2024, 3, 10, 22, 0);
        w->date->decalageOrdinateur = offsetComputer;
        w->date->decalageLieu = offsetPlace;
        *w->endDate = *w->date;
        w->endDate->t += 0.013415469;
        w->endDate->calculeCalendrier();
        w->onSize(780, 500);
    }
    void TearDown() override {
        w.reset();
        std::filesystem::remove(ini);
    }

    // Enters view 13 through its command, as the toolbar's "Sky" button does.
    void circular() { ASSERT_TRUE(commands::run(*w, 108)); }
    State st(int id) { return commands::state(*w, id); }

    RecordingPrompter prompter;
    std::string ini;
    std::unique_ptr<TPlanetariumWindow> w;
};

TEST_F(Commands, TableHasEveryMenuItemWithItsText) {
    int items = 0;
    for (const menus::MenuEntry& m : menus::menuBarEntries())
        for (int id : m.items)
            if (id) {
                ++items;
                EXPECT_NE(commands::find(id), nullptr) << id;
            }
    EXPECT_EQ(items, 60); // the 57 of the menus, "Print...", "Page setup..." and "Full screen resolution"
    EXPECT_STREQ(commands::find(127)->menuText, "Quadratic + trajectoiries");
    EXPECT_STREQ(commands::find(134)->menuText, "Color (white backgound)");
    EXPECT_STREQ(commands::find(11842)->menuText, "Le&gend");
    EXPECT_STREQ(commands::find(11843)->menuText, "Gifts !");
    // "Sky" never has a handler; the page set-up command opens its dialog.
    EXPECT_FALSE(commands::available(11849));
    EXPECT_FALSE(st(11849).enabled);
    EXPECT_TRUE(commands::available(131));
    // One entry per id.
    std::set<int> ids;
    for (const commands::Command& c : commands::table()) EXPECT_TRUE(ids.insert(c.id).second) << c.id;
}

TEST_F(Commands, SkyMenuIsGreyOutsideTheSkyViews) {
    ASSERT_EQ(w->view, 1);
    for (int id : {108, 109, 114, 150, 127, 117, 113, 116, 120, 125, 136, 128, 11850, 138, 200, 129})
        EXPECT_FALSE(st(id).enabled) << id;
    EXPECT_TRUE(st(11842).enabled);  // legend: always
    EXPECT_TRUE(st(103).enabled);
    circular();
    for (int id : {108, 109, 114, 150, 127, 117, 125, 136, 128, 11850, 138, 200, 129}) EXPECT_TRUE(st(id).enabled) << id;
    // The sky animation menu items belong to views 10 and 11 only.
    EXPECT_FALSE(st(113).enabled);
    EXPECT_EQ(st(113).text, "Run animation");
    EXPECT_TRUE(st(108).checked);
    EXPECT_FALSE(st(109).checked);
}

TEST_F(Commands, DisplayTogglesFollowTheirOptions) {
    circular();
    EXPECT_TRUE(st(128).checked);    // constellation lines on by default
    EXPECT_TRUE(st(200).checked);    // Messier on
    EXPECT_FALSE(st(129).checked);   // NGC off
    EXPECT_FALSE(st(136).checked);
    EXPECT_FALSE(st(11850).checked);
    EXPECT_FALSE(st(138).checked);
    struct Toggle {
        int id;
        bool ParametreAffichage::*option;
    };
    for (Toggle t : {Toggle{136, &ParametreAffichage::spectralColours}, Toggle{128, &ParametreAffichage::constellationLines},
                     Toggle{11850, &ParametreAffichage::constellationBorders}, Toggle{138, &ParametreAffichage::showStarNames},
                     Toggle{200, &ParametreAffichage::showMessier}, Toggle{129, &ParametreAffichage::showNGC}}) {
        const bool before = (*w->options).*t.option;
        const int redraws = w->redrawCount();
        ASSERT_TRUE(commands::runIfEnabled(*w, t.id));
        EXPECT_EQ((*w->options).*t.option, !before) << t.id;
        EXPECT_EQ(st(t.id).checked, !before) << t.id;
        EXPECT_EQ(w->redrawCount(), redraws + 1) << t.id;
        commands::run(*w, t.id);
        EXPECT_EQ((*w->options).*t.option, before) << t.id;
    }
}

TEST_F(Commands, ProjectionCommandsSetViewAndButtons) {
    struct P {
        int id, view;
    };
    for (P p : {P{114, 10}, P{150, 11}, P{127, 12}, P{108, 13}, P{109, 14}}) {
        w->skyRunning = true;
        ASSERT_TRUE(commands::run(*w, p.id));
        EXPECT_EQ(w->view, p.view);
        EXPECT_EQ(w->projection, p.view - 9);
        EXPECT_FALSE(w->skyRunning);
        EXPECT_TRUE(w->boutons->enabled(kRealTime));
        EXPECT_TRUE(w->boutons->enabled(kZoomIn));
        EXPECT_TRUE(w->boutons->enabled(kZoomOut));
        EXPECT_FALSE(w->boutons->enabled(kStop));
        EXPECT_EQ(w->boutons->enabled(kPlay), p.view != 12) << p.view;  // view 12 has no animation
        EXPECT_TRUE(st(p.id).checked);
    }
}

TEST_F(Commands, PlayStopReverseInTheSky) {
    circular();
    commands::clickButton(*w, kPlay);
    EXPECT_TRUE(w->skyRunning);
    EXPECT_EQ(w->skyDirection, 1);
    EXPECT_TRUE(w->timerRunning());
    for (int i : {kPreviousStep, kReverse, kPlay, kNextStep}) EXPECT_FALSE(w->boutons->enabled(i)) << i;
    for (int i : {kStop, kSlowDown, kAccelerate}) EXPECT_TRUE(w->boutons->enabled(i)) << i;
    commands::clickButton(*w, kPlay);  // greyed while running: nothing happens
    EXPECT_TRUE(w->skyRunning);
    commands::clickButton(*w, kStop);
    EXPECT_FALSE(w->skyRunning);
    EXPECT_TRUE(w->boutons->enabled(kPlay));
    EXPECT_FALSE(w->boutons->enabled(kStop));
    // Idle again: the next tick stops the timer, so the window no longer wakes up.
    for (int i = 0; i < 20 && w->timerRunning(); ++i) {
        QThread::msleep(10);
        QCoreApplication::processEvents();
    }
    EXPECT_FALSE(w->timerRunning());
    commands::clickButton(*w, kReverse);
    EXPECT_TRUE(w->skyRunning);
    EXPECT_EQ(w->skyDirection, -1);
    EXPECT_EQ(w->skyDirection2, -1);
    EXPECT_EQ(st(125).text, "Decreasing time");
}

TEST_F(Commands, SkyAnimationMovesTheDateEveryFourthTick) {
    circular();
    commands::clickButton(*w, kPlay);
    const long double t0 = w->date->t;
    const long double hour = 1.0L / 876600;  // one hour in Julian centuries
    w->onTimer();  // tickCount starts at 3: the first tick moves
    EXPECT_NEAR(double((w->date->t - t0) / hour), 1.0, 1e-6);
    for (int i = 0; i < 3; ++i) w->onTimer();
    EXPECT_NEAR(double((w->date->t - t0) / hour), 1.0, 1e-6);
    w->onTimer();
    EXPECT_NEAR(double((w->date->t - t0) / hour), 2.0, 1e-6);
    EXPECT_EQ(w->date->heure, 0);
    EXPECT_EQ(w->date->jour, 11);
    // Faster while running: 1 h becomes 24 h.
    commands::clickButton(*w, kAccelerate);
    EXPECT_EQ(w->skyStep, 24);
    commands::clickButton(*w, kSlowDown);
    commands::clickButton(*w, kSlowDown);
    EXPECT_EQ(w->skyStep, -5);
}

TEST_F(Commands, SingleStepsAndTheYearLimit) {
    commands::run(*w, 109);  // view 14, step -5: five minutes
    commands::clickButton(*w, kNextStep);
    EXPECT_EQ(w->date->heure, 22);
    EXPECT_EQ(w->date->minute, 5);
    commands::clickButton(*w, kPreviousStep);
    commands::clickButton(*w, kPreviousStep);
    EXPECT_EQ(w->date->heure, 21);
    EXPECT_EQ(w->date->minute, 55);
    // Quadratic view: quadraticStep hours.
    commands::run(*w, 150);
    commands::clickButton(*w, kNextStep);
    EXPECT_EQ(w->date->jour, 11);
    EXPECT_EQ(w->date->heure, 8);
    // A step that would pass year 3000 is clamped to 3000; from 3000 no step moves the date.
    circular();
    const double zc = w->date->decalageOrdinateur;
    *w->date = makeDate(2999, 12, 31, 12, 0);
    w->date->decalageOrdinateur = zc;
    w->skyStep = 876600;  // a century
    commands::clickButton(*w, kNextStep);
    EXPECT_EQ(w->date->annee, 3000);
    const long double t = w->date->t;
    commands::clickButton(*w, kNextStep);
    EXPECT_EQ(w->date->t, t);
    // A running animation stops moving at 3000 but stays on.
    commands::clickButton(*w, kPlay);
    for (int i = 0; i < 8; ++i) w->onTimer();
    EXPECT_EQ(w->date->t, t);
    EXPECT_TRUE(w->skyRunning);
}

TEST_F(Commands, AzimuthalFasterAndSlowerFromTheToolbar) {
    commands::run(*w, 109);
    ASSERT_EQ(w->azimuthalStep, -5);
    commands::clickButton(*w, kAccelerate);
    EXPECT_EQ(w->azimuthalStep, 1);
    commands::clickButton(*w, kAccelerate);
    EXPECT_EQ(w->azimuthalStep, 24);
    for (int i = 0; i < 7; ++i) commands::clickButton(*w, kSlowDown);
    EXPECT_EQ(w->azimuthalStep, -1);
}

TEST_F(Commands, SkyMenuAnimationInViewTen) {
    commands::run(*w, 114);
    EXPECT_TRUE(st(113).enabled);
    EXPECT_FALSE(st(116).enabled);  // faster only while running
    ASSERT_TRUE(commands::runIfEnabled(*w, 113));
    EXPECT_TRUE(w->skyRunning);
    EXPECT_EQ(st(113).text, "Stop animation");
    EXPECT_TRUE(st(116).enabled);
    EXPECT_TRUE(st(120).enabled);
    commands::runIfEnabled(*w, 116);
    EXPECT_EQ(w->skyStep, 24);
    // Increasing time: view 10 reads skyDirection, the others skyDirection2.
    EXPECT_EQ(st(125).text, "Increasing time");
    commands::runIfEnabled(*w, 125);
    EXPECT_EQ(w->skyDirection, -1);
    EXPECT_EQ(st(125).text, "Decreasing time");
    w->skyDirection = 1;  // only skyDirection2 negative
    EXPECT_EQ(st(125).text, "Increasing time");
    commands::run(*w, 150);
    EXPECT_EQ(st(125).text, "Decreasing time");
    commands::run(*w, 127);
    EXPECT_FALSE(st(125).enabled);  // not in view 12
}

TEST_F(Commands, LegendTogglesOnlyInTheSkyAndHeliocentricViews) {
    // The title picture has no legend: the command only redraws, and the next sky view keeps it.
    ASSERT_EQ(w->view, 1);
    int redraws = w->redrawCount();
    commands::run(*w, 11842);
    EXPECT_TRUE(w->showLegend);
    EXPECT_EQ(w->redrawCount(), redraws + 1);
    circular();
    ASSERT_TRUE(w->showLegend);
    const float withLegend = w->sys->mapWidth;
    commands::run(*w, 11842);
    EXPECT_FALSE(w->showLegend);
    EXPECT_FLOAT_EQ(w->sys->mapWidth, 780);
    commands::run(*w, 11842);
    EXPECT_TRUE(w->showLegend);
    EXPECT_FLOAT_EQ(w->sys->mapWidth, withLegend);
    w->view = 30;
    redraws = w->redrawCount();
    commands::run(*w, 11842);
    EXPECT_TRUE(w->showLegend);
    EXPECT_EQ(w->redrawCount(), redraws + 1);  // only a redraw
}

TEST_F(Commands, SaveSchemeMarks) {
    EXPECT_TRUE(st(134).checked);
    EXPECT_FALSE(st(133).checked);
    commands::run(*w, 133);
    EXPECT_TRUE(st(133).checked);
    EXPECT_FALSE(st(134).checked);
    commands::run(*w, 11851);
    EXPECT_TRUE(st(11851).checked);
    EXPECT_FALSE(st(133).checked);
    commands::run(*w, 134);
    EXPECT_TRUE(st(134).checked);
    EXPECT_FALSE(st(11851).checked);
    EXPECT_FALSE(st(130).enabled);  // no picture saving in view 1 (nor in this build)
}

TEST_F(Commands, RealTimeOnlyInSkyAndSatelliteViews) {
    w->view = 20;
    commands::run(*w, 11854);
    EXPECT_FALSE(w->realTime);
    circular();
    commands::clickButton(*w, kPlay);
    commands::clickButton(*w, kRealTime);
    EXPECT_TRUE(w->realTime);
    EXPECT_EQ(w->lastClockMinute, -1);
    EXPECT_FALSE(w->skyRunning);  // the clock takes over from the animation
    EXPECT_EQ((*w->boutons)[kRealTime].icon, kRealTimeOnIcon);
    EXPECT_TRUE(st(11854).checked);
    EXPECT_TRUE(w->timerRunning());
    // Real time alone reads the clock once a second instead of every 5 ms.
    EXPECT_EQ(w->timerPeriod(), TPlanetariumWindow::kClockPeriodMs);
    commands::run(*w, 11854);
    EXPECT_FALSE(w->realTime);
    EXPECT_EQ((*w->boutons)[kRealTime].icon, kRealTimeOffIcon);
    // Starting an animation switches real time off, and the timer back to 5 ms.
    commands::run(*w, 11854);
    EXPECT_EQ(w->timerPeriod(), TPlanetariumWindow::kClockPeriodMs);
    commands::clickButton(*w, kPlay);
    EXPECT_EQ(w->timerPeriod(), TPlanetariumWindow::kTimerPeriodMs);
    EXPECT_FALSE(w->realTime);
    EXPECT_EQ((*w->boutons)[kRealTime].icon, kRealTimeOffIcon);
}

TEST_F(Commands, HeliocentricRules) {
    w->view = 20;
    w->boutons->animationButtonsIdle();
    EXPECT_TRUE(st(115).enabled);
    EXPECT_EQ(st(115).text, "Run animation");
    EXPECT_FALSE(st(118).enabled);
    commands::run(*w, 115);
    EXPECT_TRUE(w->helioRunning);
    EXPECT_EQ(st(115).text, "Stop animation");
    EXPECT_TRUE(st(118).enabled);
    w->animationSpeed = 1;
    EXPECT_FALSE(st(119).enabled);
    w->animationSpeed = 24;
    commands::run(*w, 119);
    EXPECT_EQ(w->animationSpeed, 12);
    commands::run(*w, 119);
    EXPECT_EQ(w->animationSpeed, 11);
    commands::run(*w, 118);
    EXPECT_EQ(w->animationSpeed, 22);
    w->helioZoom = 1;
    EXPECT_FALSE(st(112).enabled);
    EXPECT_EQ(st(126).text, "Increasing time");
    commands::run(*w, 126);
    EXPECT_EQ(st(126).text, "Decreasing time");
}

TEST_F(Commands, ConjunctionFamilyAndTimeSpanZoom) {
    w->view = 31;
    w->satView = 1;
    EXPECT_TRUE(st(137).checked);
    EXPECT_TRUE(st(122).enabled);
    commands::run(*w, 121);
    EXPECT_EQ(w->view, 30);
    EXPECT_EQ(w->satView, 0);
    EXPECT_NEAR(double(w->endDate->t - w->date->t), 0.013415469, 1e-12);
    commands::run(*w, 140);
    EXPECT_EQ(w->view, 32);
    EXPECT_NEAR(double(w->endDate->t - w->date->t), 0.000715469, 1e-12);
    // Zoom out: each end moves out by half the span; zoom in (toolbar 28): in by a quarter.
    const long double d0 = w->date->t, e0 = w->endDate->t, span = e0 - d0;
    commands::run(*w, 122);
    EXPECT_NEAR(double(w->date->t - (d0 - span / 2)), 0, 1e-12);
    EXPECT_NEAR(double(w->endDate->t - (e0 + span / 2)), 0, 1e-12);
    w->boutons->zoomButtons(true);
    commands::clickButton(*w, kZoomIn);
    EXPECT_NEAR(double(w->endDate->t - w->date->t), double(span * 2 / 2), 1e-12);
    // Saturn 3D: the zoom doubles and halves.
    w->view = 33;
    w->saturnZoom = 4;
    input::keyDown(*w, input::kAdd);
    EXPECT_DOUBLE_EQ(w->saturnZoom, 8);
    input::keyDown(*w, input::kSubtract);
    input::keyDown(*w, input::kSubtract);
    EXPECT_DOUBLE_EQ(w->saturnZoom, 2);
}

TEST_F(Commands, TimeSpanZoomOutStaysInTheYearRange) {
    w->view = 30;
    for (int i = 0; i < 40; ++i) commands::timeSpanZoom(*w, false);
    EXPECT_GE(w->date->annee, -99);
    EXPECT_LE(w->endDate->annee, 3000);
}

TEST_F(Commands, SatelliteAnimationButtons) {
    w->view = 31;
    w->boutons->animationButtonsIdle();
    commands::clickButton(*w, kAccelerate);
    EXPECT_EQ(w->satStep, 1);
    commands::clickButton(*w, kReverse);
    EXPECT_TRUE(w->satRunning);
    EXPECT_EQ(w->satDirection, -1);
    const long double d0 = w->date->t, e0 = w->endDate->t;
    w->tickCount = 1;
    w->onTimer();
    const long double hour = 1.0L / 876600;
    EXPECT_NEAR(double((d0 - w->date->t) / hour), 1.0, 1e-6);
    EXPECT_NEAR(double((e0 - w->endDate->t) / hour), 1.0, 1e-6);
}

TEST_F(Commands, KeysOfEveryView) {
    EXPECT_EQ(input::virtualKey(Qt::Key_L, Qt::NoModifier), input::kKeyL);
    EXPECT_EQ(input::virtualKey(Qt::Key_P, Qt::ControlModifier), 0);  // the accelerator's
    EXPECT_EQ(input::virtualKey(Qt::Key_1, Qt::KeypadModifier), 97);
    EXPECT_EQ(input::virtualKey(Qt::Key_1, Qt::NoModifier), 0);
    EXPECT_EQ(input::virtualKey(Qt::Key_Plus, Qt::KeypadModifier), 107);
    EXPECT_EQ(input::virtualKey(Qt::Key_Minus, Qt::NoModifier), 109);
    EXPECT_TRUE(input::keyDown(*w, 97));  // keypad 1: circular projection
    EXPECT_EQ(w->view, 13);
    input::keyDown(*w, 98);  // keypad 2: quadratic
    EXPECT_EQ(w->view, 11);
    input::keyDown(*w, 97);
    input::keyDown(*w, input::kKeyL);
    EXPECT_FALSE(w->showLegend);
    input::keyDown(*w, input::kKeyL);
    EXPECT_TRUE(w->showLegend);
    // + zooms the circular map at (0, 0): outside the map, so the pans stay; - undoes it.
    input::keyDown(*w, input::kAdd);
    EXPECT_EQ(w->options->circularZoom, 2);
    input::keyDown(*w, input::kAdd);
    EXPECT_EQ(w->options->circularZoom, 4);
    input::keyDown(*w, input::kSubtract);
    EXPECT_EQ(w->options->circularZoom, 2);
    input::keyDown(*w, input::kSubtract);
    input::keyDown(*w, input::kSubtract);
    EXPECT_EQ(w->options->circularZoom, 1);
    // Q, S, W, Z turn the camera in views 20 and 33 only.
    const double az = w->camera.helioAzimuth;
    input::keyDown(*w, input::kKeyQ);
    EXPECT_DOUBLE_EQ(w->camera.helioAzimuth, az);
    w->view = 20;
    input::keyDown(*w, input::kKeyQ);
    EXPECT_DOUBLE_EQ(w->camera.helioAzimuth, az - 0.05);
    input::keyDown(*w, input::kKeyZ);
    EXPECT_DOUBLE_EQ(w->camera.helioElevation, 3.14159265358979323846 / 6 + 0.05);
}

TEST_F(Commands, ToolbarClicksAndUnavailableButtons) {
    // Clicks at y = 10 on the row: "Sky" enters view 13.
    EXPECT_TRUE(input::mouseDown(*w, 43 + 8, 10, Qt::LeftButton));
    EXPECT_EQ(w->view, 13);
    EXPECT_TRUE(input::mouseDown(*w, 61 + 8, 10, Qt::LeftButton));
    EXPECT_EQ(w->view, 14);
    // Play by mouse.
    input::mouseDown(*w, 367 + 8, 10, Qt::LeftButton);
    EXPECT_TRUE(w->skyRunning);
    input::mouseUp(*w, 367 + 8, 10, Qt::LeftButton);
    // y = 17 hits nothing.
    EXPECT_FALSE(input::mouseDown(*w, 349 + 8, 17, Qt::LeftButton));
    EXPECT_TRUE(w->skyRunning);
    // Buttons whose command is not in this build are greyed and never hit.
    for (int i = 0; i < kCount; ++i) {
        const int id = commands::commandOfButton(i);
        if (id != 0) EXPECT_EQ(w->boutons->available[i], id > 0 && commands::available(id)) << i;
        else EXPECT_TRUE(w->boutons->available[i]) << i;
    }
}

TEST_F(Commands, TitleViewGreysSaveAndDate) {
    ASSERT_EQ(w->view, 1);
    w->redraw();
    EXPECT_FALSE(w->boutons->usable(kSaveScreen));
    EXPECT_FALSE(w->boutons->usable(kDate));
    EXPECT_FALSE(w->boutons->usable(kLegend));  // "Legende" only in views 10-29
    EXPECT_EQ(w->boutons->hitButton(2 + 8, 10, false), -1);
    EXPECT_EQ(w->boutons->hitButton(271 + 8, 10, false), -1);
    EXPECT_FALSE(input::mouseDown(*w, 271 + 8, 10, Qt::LeftButton));
    EXPECT_EQ(w->view, 1);
    // The view buttons work in view 1.
    EXPECT_TRUE(input::mouseDown(*w, 211 + 8, 10, Qt::LeftButton));
    EXPECT_EQ(w->view, 11);
    EXPECT_TRUE(w->boutons->enabled(kLegend));
}

TEST_F(Commands, ScrollArrowsHoldAndRelease) {
    commands::run(*w, 150);  // quadratic: the scroll area is shown
    ASSERT_TRUE(w->scrollAreaShown());
    const int ra1 = w->quadRa1, ra2 = w->quadRa2;
    const Bouton& left = (*w->boutons)[kScrollLeft];
    w->holdX = 100;  // a stale edge position must not add to the arrow
    w->holdY = w->clientHeight() - 8;
    EXPECT_TRUE(input::mouseDown(*w, left.x + 5, left.y + 5, Qt::LeftButton));
    EXPECT_EQ(w->scrollMode, 1);
    const int step = (360 * -10) / w->troughW;  // both corners fall by trunc(360 n / range)
    auto wrap = [](int a) { return ((a % 360) + 360) % 360; };
    EXPECT_EQ(w->quadRa1, wrap(ra1 - step));
    EXPECT_EQ(wrap(w->quadRa2), wrap(ra2 - step));
    EXPECT_TRUE(w->timerRunning());
    for (int i = 0; i < 6; ++i) w->onTimer();  // held: one more step on the 6th tick
    EXPECT_EQ(w->quadRa1, wrap(ra1 - 2 * step));
    input::mouseUp(*w, 0, 0, Qt::LeftButton);
    EXPECT_EQ(w->scrollMode, 0);
    for (int i = 0; i < 6; ++i) w->onTimer();
    EXPECT_EQ(w->quadRa1, wrap(ra1 - 2 * step));
}

TEST_F(Commands, AnimationAndHeldScrollLeaveTheChosenMagnitude) {
    if (!w->sys->catalogueSettings) w->sys->catalogueSettings = std::make_unique<CatalogueSettings>();
    w->sys->catalogueSettings->useStar6 = 1;
    w->options->autoMagnitude = false;
    w->options->starMagnitude = 7.5;
    commands::run(*w, 114);
    EXPECT_DOUBLE_EQ(skyui::hitFilterOf(*w).starMagnitude, 7.5); // what the last paint drew
    ASSERT_TRUE(commands::runIfEnabled(*w, 113));
    ASSERT_TRUE(w->skyRunning);
    const int redraws = w->redrawCount();
    for (int i = 0; i < 8; ++i)
        w->onTimer(); // two animated paints, to magnitude 6 only
    EXPECT_GT(w->redrawCount(), redraws);
    EXPECT_DOUBLE_EQ(skyui::hitFilterOf(*w).starMagnitude, 6);
    commands::runIfEnabled(*w, 113);
    ASSERT_FALSE(w->skyRunning);
    EXPECT_DOUBLE_EQ(w->options->starMagnitude, 7.5);
    // A held scroll paints on the timer too.
    commands::zoomIn(*w, 200, 200);
    w->scrollMode = 1;
    for (int i = 0; i < 6; ++i)
        w->onTimer();
    w->scrollMode = 0;
    EXPECT_DOUBLE_EQ(w->options->starMagnitude, 7.5);
    w->redraw();
    EXPECT_DOUBLE_EQ(skyui::hitFilterOf(*w).starMagnitude, 7.5);
}

TEST_F(Commands, DiscViewsShowTheThumbsOfTheirOwnPan) {
    commands::run(*w, 114);
    commands::zoomIn(*w, 200, 200);
    ASSERT_EQ(w->options->equidistantZoom, 2);
    commands::panSky(*w, 60, 40);
    w->redraw();
    const int centreX = w->troughW / 2 + 15, centreY = w->troughH / 2 + 40;
    const int pannedX = (*w->boutons)[kThumbX].x, pannedY = (*w->boutons)[kThumbY].y;
    ASSERT_NE(pannedX, centreX);
    ASSERT_NE(pannedY, centreY);
    circular(); // the circular disc is not panned: centred thumbs
    EXPECT_EQ((*w->boutons)[kThumbX].x, centreX);
    EXPECT_EQ((*w->boutons)[kThumbY].y, centreY);
    commands::run(*w, 114);
    EXPECT_EQ((*w->boutons)[kThumbX].x, pannedX);
    EXPECT_EQ((*w->boutons)[kThumbY].y, pannedY);
}

TEST_F(Commands, TroughClickAndThumbDrag) {
    commands::run(*w, 150);
    const int H = w->clientHeight();
    const int thumbX = (*w->boutons)[kThumbX].x;
    const int dec1 = w->quadDec1;
    // Right of the horizontal thumb: +20 at once, mode 6.
    ASSERT_TRUE(input::mouseDown(*w, thumbX + 30, H - 8, Qt::LeftButton));
    EXPECT_EQ(w->scrollMode, 6);
    EXPECT_EQ(w->thumbQuadX + 15, (*w->boutons)[kThumbX].x);
    input::mouseUp(*w, thumbX + 30, H - 8, Qt::LeftButton);
    // Drag of the vertical thumb 10 pixels down: the declinations fall.
    const Bouton& ty = (*w->boutons)[kThumbY];
    const int y0 = ty.y + 5;
    ASSERT_TRUE(input::mouseDown(*w, ty.x + 5, y0, Qt::LeftButton));
    EXPECT_EQ(w->scrollMode, 10);
    input::mouseMove(*w, ty.x + 5, y0 + 10);
    EXPECT_LT(w->quadDec1, dec1 + 1);
    EXPECT_EQ(w->quadDec2, -90);  // held at -90
    input::mouseUp(*w, ty.x + 5, y0 + 10, Qt::LeftButton);
    EXPECT_EQ(w->scrollMode, 0);
}

TEST_F(Commands, DoubleClickZoomsTheSky) {
    circular();
    EXPECT_FALSE(input::mouseDoubleClick(*w, 200, 20, Qt::LeftButton));  // y < 34
    EXPECT_EQ(w->options->circularZoom, 1);
    const int cx = int(w->sys->mapWidth) / 2, cy = int(w->sys->mapRadius) + 40;
    EXPECT_TRUE(input::mouseDoubleClick(*w, cx, cy, Qt::LeftButton));
    EXPECT_EQ(w->options->circularZoom, 2);
    EXPECT_EQ(w->options->circularPanX, 0);
    EXPECT_EQ(w->options->circularPanY, 0);
    EXPECT_TRUE(w->scrollAreaShown());
    EXPECT_TRUE(input::mouseDoubleClick(*w, cx, cy, Qt::RightButton));
    EXPECT_EQ(w->options->circularZoom, 1);
}

TEST_F(Commands, TooltipShownOverAButtonAndHiddenAway) {
    circular();
    input::mouseMove(*w, 367 + 8, 10);
    ASSERT_TRUE(w->boutons->tooltipShown);
    EXPECT_EQ(w->boutons->tooltipButton, kPlay);
    EXPECT_EQ(w->memDC[1]->pixel(367, 33), gfx::rgb(255, 250, 230));
    // The back buffer itself is untouched; a child layer shows the strip over it.
    EXPECT_NE(w->memDC[0]->pixel(367, 33), gfx::rgb(255, 250, 230));
    auto* layer = w->findChild<QWidget*>(QStringLiteral("nalvoTooltipLayer"));
    ASSERT_NE(layer, nullptr);
    EXPECT_FALSE(layer->isHidden());
    EXPECT_EQ(layer->geometry(), QRect(0, 20, 780, 30));
    input::mouseMove(*w, 367 + 8, 60);
    EXPECT_FALSE(w->boutons->tooltipShown);
    EXPECT_TRUE(layer->isHidden());
    // Disabled buttons have no tooltip.
    input::mouseMove(*w, 349 + 8, 10);  // Stop is greyed when idle: Play's box does not reach
    EXPECT_FALSE(w->boutons->tooltipShown && w->boutons->tooltipButton == kStop);
}

TEST_F(Commands, AViewChangedUnderATooltipTakesTheStripToo) {
    circular();
    input::mouseMove(*w, 367 + 8, 10);
    ASSERT_TRUE(w->boutons->tooltipShown);
    auto* layer = w->findChild<QWidget*>(QStringLiteral("nalvoTooltipLayer"));
    ASSERT_NE(layer, nullptr);
    ASSERT_FALSE(layer->isHidden());
    // The pointer stays on Play while a key changes the view: the strip of the sky map (its
    // "North" label, the disc's top) and the tooltip go with the redraw.
    w->redraw();
    EXPECT_FALSE(w->boutons->tooltipShown);
    EXPECT_TRUE(layer->isHidden());
    input::mouseMove(*w, 367 + 9, 10);
    EXPECT_TRUE(w->boutons->tooltipShown) << "shown again at the next move";
}

TEST_F(Commands, ExitAsksFirst) {
    int asked = 0;
    bool answer = false;
    auto saved = commands::exitQuestion();
    commands::exitQuestion() = [&](TPlanetariumWindow&) {
        ++asked;
        return answer;
    };
    w->show();
    commands::run(*w, 103);
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(w->isVisible());
    answer = true;
    commands::run(*w, 103);
    EXPECT_EQ(asked, 2);
    EXPECT_FALSE(w->isVisible());
    commands::exitQuestion() = saved;
}

TEST_F(Commands, HelpCommandsOpenTheirDialogs) {
    std::vector<std::string> titles;
    auto saved = commands::dialogRunner();
    commands::dialogRunner() = [&](QDialog& d) {
        titles.push_back(d.windowTitle().toStdString());
        return int(QDialog::Accepted);
    };
    for (int id : {104, 11843, 11845}) EXPECT_TRUE(commands::runIfEnabled(*w, id)) << id;
    commands::dialogRunner() = saved;
    EXPECT_EQ(titles, (std::vector<std::string>{"About Nalvo", "Gifts !", "Sources and thanks"}));
}

TEST_F(Commands, MenuBarFromTheTable) {
    QMainWindow frame;
    menus::install(*w, frame);
    QMenuBar* bar = frame.menuBar();
    const QList<QAction*> tops = bar->actions();
    ASSERT_EQ(tops.size(), 10);
    const char* titles[] = {"&Exit", "&Save", "&Catalogs", "&View", "S&ky map", "&Heliocentric view",
                            "C&onjunctions", "Parameters", "&Internet", "&Help"};
    for (int i = 0; i < 10; ++i) EXPECT_EQ(tops[i]->text().toStdString(), titles[i]);
    QMenu* sky = tops[4]->menu();
    ASSERT_NE(sky, nullptr);
    const QList<QAction*> items = sky->actions();
    ASSERT_EQ(items.size(), 23);
    EXPECT_EQ(items[0]->text().toStdString(), "Circular projection");
    EXPECT_TRUE(items[6]->isSeparator());
    EXPECT_EQ(items[9]->text().toStdString(), "Run animation");
    EXPECT_FALSE(items[9]->isEnabled());  // view 1
    // Opening a menu applies the enablers.
    commands::run(*w, 114);
    menus::refresh(*w, *bar);
    EXPECT_EQ(items[9]->text().toStdString(), "Run animation");
    EXPECT_TRUE(items[9]->isEnabled());
    EXPECT_TRUE(items[3]->isChecked());  // Equidistant projection
    EXPECT_FALSE(items[1]->isEnabled()); // "Sky"
    // Triggering an item runs its command.
    items[20]->trigger();  // Messier objects
    EXPECT_FALSE(w->options->showMessier);
    // The accelerator.
    const QList<QShortcut*> shortcuts = frame.findChildren<QShortcut*>();
    ASSERT_EQ(shortcuts.size(), 1);
    EXPECT_EQ(shortcuts[0]->key(), QKeySequence(Qt::CTRL | Qt::Key_P));
}

}  // namespace
