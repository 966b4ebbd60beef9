// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: start-up order and log, a missing system file, geometry, the title picture,
// the frame, the scroll layout and the timer steps.
#include "app/application.h"
#include "app/pictures.h"
#include "app/window.h"
#include "astro/time_zone.h"
#include "catalog/paths.h"
#include "catalog/prompter.h"
#include "gfx/icons.h"

#include <QApplication>
#include <QMainWindow>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace fs = std::filesystem;

namespace {

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// A settings file of the test's own, removed first.
std::string freshIni(const std::string& name, const std::string& content = "") {
    const std::string path = (fs::temp_directory_path() / ("nalvo_window_" + name + ".ini")).string();
    std::remove(path.c_str());
    if (!content.empty()) std::ofstream(path, std::ios::binary) << content;
    return path;
}

struct Fixture {
    RecordingPrompter prompter;
    MainFrame main{&prompter};
    bool ok;
    explicit Fixture(const std::string& ini, const std::string& sys = "") : ok(main.create(ini, sys)) {}
    TPlanetariumWindow& w() { return *main.window(); }
};

} // namespace

TEST(Window, StartUpLogHoldsExactlyTheLinesOfANormalStart) {
    TPlanetariumWindow::startLog();
    {
        Fixture f(freshIni("log"));
        ASSERT_TRUE(f.ok) << (f.prompter.entries.empty() ? "" : f.prompter.entries[0].text);
        EXPECT_EQ(f.main.frame()->windowTitle(), QString("Nalvo"));
        // The frame carries the program's icon, drawn (not empty) at the title bar's size.
        const QImage icon = f.main.frame()->windowIcon().pixmap(32, 32).toImage();
        ASSERT_FALSE(icon.isNull());
        EXPECT_GT(qAlpha(icon.pixel(16, 16)), 0);
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0); // round: transparent corners
        EXPECT_EQ(f.main.frame()->centralWidget(), f.main.window());
        f.main.show();
        QApplication::processEvents();
        f.w().onSize(780, 500); // a second size change logs nothing more
    }
    EXPECT_EQ(readFile(TPlanetariumWindow::logPath()),
              "LOGFILE -- NALVO\nNalvoInit\nConstructeur...OK\nNalvoInit...OK\nSetup\nEcran OK\nImages OK\n"
              "Dates OK\nFont OK\nParametreAffichage...OK\nSetup OK\nSelectObject...OK\n");
}

TEST(Window, MissingSystemFileIsReportedAndSetUpFails) {
    Fixture f(freshIni("missing"), "/nonexistent/dir/Sys.syt");
    EXPECT_FALSE(f.ok);
    ASSERT_GE(f.prompter.messageCount(), 1);
    EXPECT_EQ(f.prompter.entries[0].caption, "Nalvo -- Error");
    EXPECT_NE(f.prompter.entries[0].text.find("missing"), std::string::npos);
    EXPECT_EQ(f.prompter.entries[0].text.rfind("File ", 0), 0u);
    EXPECT_EQ(f.w().sys, nullptr); // nothing half-loaded is kept
}

TEST(Window, MissingBodyFileIsReported) {
    const fs::path dir = fs::temp_directory_path() / "nalvo_window_badsys";
    fs::create_directories(dir);
    std::ofstream(dir / "Sys.syt") << "Fichier du soleil:nosuchsun.syt\nNombre de planetes:0\n";
    Fixture f(freshIni("badsys"), (dir / "Sys.syt").string());
    EXPECT_FALSE(f.ok);
    ASSERT_GE(f.prompter.messageCount(), 1);
    EXPECT_EQ(f.prompter.entries[0].text, "File nosuchsun.syt missing");
    EXPECT_EQ(f.prompter.entries[0].caption, "Nalvo -- Error");
}

TEST(Window, InitialStateAndBuffers) {
    Fixture f(freshIni("initial"));
    ASSERT_TRUE(f.ok);
    TPlanetariumWindow& w = f.w();
    for (const auto& c : w.memDC) {
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c->width(), 1500);
        EXPECT_EQ(c->height(), 1400);
    }
    EXPECT_EQ(w.memDC[0]->font(), gfx::FontId::Arial14);
    EXPECT_EQ(w.memDC[1]->font(), gfx::FontId::Arial15);
    EXPECT_EQ(w.view, 1);
    EXPECT_TRUE(w.showLegend);
    EXPECT_EQ(w.helioZoom, 4);
    EXPECT_EQ(w.animationSpeed, 24);
    EXPECT_EQ(w.animationDirection, 1);
    EXPECT_FALSE(w.skyRunning || w.helioRunning || w.satRunning || w.realTime);
    EXPECT_EQ(w.tickCount, 3);
    EXPECT_EQ(w.projection, 4);
    EXPECT_EQ(w.azimuthalStep, -5);
    EXPECT_EQ(w.quadraticStep, 11);
    EXPECT_EQ(w.satStep, -5);
    EXPECT_DOUBLE_EQ(w.camera.cameraDistance, 30.0);
    EXPECT_TRUE(w.timerStarted());
    // Animation, zoom and real-time buttons start hidden.
    for (int i = toolbar::kPreviousStep; i <= toolbar::kAccelerate; ++i) EXPECT_FALSE(w.boutons->enabled(i)) << i;
    EXPECT_FALSE(w.boutons->enabled(toolbar::kZoomIn));
    EXPECT_FALSE(w.boutons->enabled(toolbar::kZoomOut));
    EXPECT_FALSE(w.boutons->enabled(toolbar::kRealTime));
    // The default place, Annecy, with the automatic season: its clock is the zone Europe/Paris.
    ASSERT_TRUE(w.date->zoneLieu);
    EXPECT_EQ(w.date->zoneLieu->name(), "Europe/Paris");
    EXPECT_EQ(w.date->saison, -1);
    EXPECT_EQ(w.sys->season, -1);
    EXPECT_EQ(w.endDate->zoneLieu, w.date->zoneLieu);
    // endDate is 490 days later.
    EXPECT_NEAR(double(w.endDate->t - w.date->t) * 36525.0, 490.0, 1e-3);
    // Display options from an absent settings file: the defaults.
    EXPECT_DOUBLE_EQ(w.options->starMagnitude, 6.0);
    EXPECT_TRUE(w.options->autoMagnitude);
    EXPECT_DOUBLE_EQ(w.options->gscMaxMagnitude, -2.0);
    EXPECT_DOUBLE_EQ(w.options->gscMinMagnitude, 16.0);
}

TEST(Window, DisplayKeysAreRead) {
    Fixture f(freshIni("display", "[Affichage]\r\nMagnitude=750\r\nMagnitude automatique=2\r\n"
                                  "Magnitude Maximale GSC=-150\r\nMagnitude Minimale GSC=1200\r\n"
                                  "Taille des icones=3\r\n"));
    ASSERT_TRUE(f.ok);
    EXPECT_DOUBLE_EQ(f.w().options->starMagnitude, 7.5);
    EXPECT_FALSE(f.w().options->autoMagnitude); // only 1 is on
    EXPECT_DOUBLE_EQ(f.w().options->gscMaxMagnitude, -1.5);
    EXPECT_DOUBLE_EQ(f.w().options->gscMinMagnitude, 12.0);
    EXPECT_EQ(f.w().options->iconSize, 3);
}

TEST(Window, TimeZoneIndicesGiveHalfHours) {
    // A chosen season keeps the observer's stored index; the computer's no longer counts.
    Fixture f(freshIni("zones", "[Heure]\nLieu de l'ordinateur=23\nLieu d'observation=0\nSaison=1\n"));
    ASSERT_TRUE(f.ok);
    EXPECT_DOUBLE_EQ(f.w().date->decalageLieu, -12.0);
    EXPECT_FALSE(f.w().date->zoneLieu);
    EXPECT_EQ(f.w().date->saison, 1);
}

namespace {

// Runs `body` with the process's TZ set to `zone`, then puts the previous value back.
template <class F> void withComputerZone(const char* zone, F body) {
    const char* old = std::getenv("TZ");
    const std::string saved = old ? old : "";
    setenv("TZ", zone, 1);
    tzset();
    body();
    if (old)
        setenv("TZ", saved.c_str(), 1);
    else
        unsetenv("TZ");
    tzset();
}

} // namespace

TEST(Window, StartUpReadsTheClockInUniversalTimeInEveryComputerZone) {
    // The clock stands at 1781537340 s, 2026-06-15 15:29 UT (date -u -d @1781537340); the settings
    // keep the default computer's place (Annecy, +1 h), which must not move it.
    WindowHooks& hooks = defaultWindowHooks();
    const auto saved = hooks.clockSeconds;
    hooks.clockSeconds = [] { return std::time_t{1781537340}; };
    for (const char* zone : {"UTC", "Asia/Tokyo"}) {
        withComputerZone(zone, [&] {
            Fixture f(freshIni(std::string("clock_") + (zone[0] == 'U' ? "utc" : "tokyo")));
            ASSERT_TRUE(f.ok) << zone;
            const date2& d = *f.w().date;
            EXPECT_EQ(d.annee, 2026) << zone;
            EXPECT_EQ(d.mois, 6) << zone;
            EXPECT_EQ(d.jour, 15) << zone;
            EXPECT_EQ(d.heure, 15) << zone;
            EXPECT_EQ(d.minute, 29) << zone;
            // The computer's offset is the system's: 0 in UTC, +9 h in Tokyo.
            EXPECT_DOUBLE_EQ(d.decalageOrdinateur, zone[0] == 'U' ? 0 : 9) << zone;
            // Annecy keeps summer time in June: 17h29 on its clock.
            EXPECT_EQ(d.texteHeureDateLieu(), "17h29 15/6/2026") << zone;
        });
    }
    hooks.clockSeconds = saved;
}

TEST(Window, GeometryOnSizeChanges) {
    Fixture f(freshIni("geometry"));
    ASSERT_TRUE(f.ok);
    TPlanetariumWindow& w = f.w();
    w.onSize(1000, 600);
    EXPECT_FLOAT_EQ(w.sys->mapWidth, 768);
    EXPECT_FLOAT_EQ(w.sys->mapRadius, 275); // H - 30 < mapWidth: (H - 50)/2
    EXPECT_EQ(w.troughW, 768 - 49);
    EXPECT_EQ(w.troughH, 600 - 71);
    EXPECT_EQ((*w.boutons)[toolbar::kScrollRight].x, 768 - 27);
    EXPECT_EQ((*w.boutons)[toolbar::kScrollRight].y, 600 - 13);
    EXPECT_EQ((*w.boutons)[toolbar::kScrollDown].y, 600 - 23);
    EXPECT_EQ((*w.boutons)[toolbar::kThumbY].x, 768 - 17);
    w.onSize(732, 900); // 732 or less: 5/8 of the width
    EXPECT_FLOAT_EQ(w.sys->mapWidth, 457.5f);
    EXPECT_FLOAT_EQ(w.sys->mapRadius, (457.5f - 10) / 2);
    EXPECT_EQ(w.sys->circularLayout[0], 5);
    EXPECT_EQ(w.sys->circularLayout[1], int(w.sys->mapRadius));
    // Hiding the legend in a sky view gives the whole width at the next redraw; mapRadius stays.
    w.onSize(1000, 600);
    const float radius = w.sys->mapRadius;
    w.view = 10;
    w.showLegend = false;
    w.redraw();
    EXPECT_FLOAT_EQ(w.sys->mapWidth, 1000);
    EXPECT_FLOAT_EQ(w.sys->mapRadius, radius);
    // From view 30 on the legend rule applies whatever the flag.
    w.view = 30;
    w.redraw();
    EXPECT_FLOAT_EQ(w.sys->mapWidth, 768);
}

TEST(Window, ThumbsFollowTheTroughLengths) {
    Fixture f(freshIni("thumbs"));
    ASSERT_TRUE(f.ok);
    TPlanetariumWindow& w = f.w();
    w.view = 11;
    w.onSize(1000, 600);
    w.thumbQuadX = 100;
    w.thumbQuadY = 50;
    const int oldW = w.troughW, oldH = w.troughH;
    w.onSize(1232, 871); // mapWidth 1000, troughs 951 and 800
    EXPECT_EQ(w.troughW, 951);
    EXPECT_EQ(w.troughH, 800);
    EXPECT_EQ(w.thumbQuadX, 100 * 951 / oldW);
    EXPECT_EQ(w.thumbQuadY, 50 * 800 / oldH);
    EXPECT_EQ((*w.boutons)[toolbar::kThumbX].x, w.thumbQuadX + 15);
    EXPECT_EQ((*w.boutons)[toolbar::kThumbY].y, w.thumbQuadY + 40);
}

TEST(Window, TitlePictureUnscaledInASmallWindow) {
    Fixture f(freshIni("title_small"));
    ASSERT_TRUE(f.ok);
    TPlanetariumWindow& w = f.w();
    w.onSize(780, 500);
    const QImage* title = gfx::picture(pictures::kTitle);
    ASSERT_NE(title, nullptr);
    ASSERT_EQ(title->size(), QSize(800, 500));
    const gfx::Canvas& bb = *w.memDC[0];
    // Centred: (W - 800)/2 = -10, from y = 25 down.
    EXPECT_EQ(bb.pixel(0, 25), title->pixel(10, 0) | 0xff000000u);
    EXPECT_EQ(bb.pixel(400, 300), title->pixel(410, 275) | 0xff000000u);
    EXPECT_EQ(bb.pixel(779, 499), title->pixel(789, 474) | 0xff000000u);
    // Above the picture the light grey of brush 18, right of the toolbar.
    EXPECT_EQ(bb.pixel(700, 12), gfx::rgb(200, 200, 200));
    // "Save screen" and "Date" are greyed in view 1.
    EXPECT_FALSE(w.boutons->enabled(toolbar::kSaveScreen));
    EXPECT_FALSE(w.boutons->enabled(toolbar::kDate));
    EXPECT_FALSE(w.boutons->enabled(toolbar::kLegend));
}

TEST(Window, TitlePictureStretchedInALargeWindow) {
    Fixture f(freshIni("title_large"));
    ASSERT_TRUE(f.ok);
    TPlanetariumWindow& w = f.w();
    w.onSize(1200, 775); // 1.5 times 800 x 500 below y = 25
    const QImage* title = gfx::picture(pictures::kTitle);
    const gfx::Canvas& bb = *w.memDC[0];
    // A stretched pixel comes from the source pixel under it or a neighbour (sampling rounding).
    const auto fromSource = [&](int x, int y) {
        const int sx = int(x / 1.5), sy = int((y - 25) / 1.5);
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (title->valid(sx + dx, sy + dy) && bb.pixel(x, y) == (title->pixel(sx + dx, sy + dy) | 0xff000000u))
                    return true;
        return false;
    };
    EXPECT_TRUE(fromSource(0, 25));
    EXPECT_TRUE(fromSource(600, 400));
    EXPECT_TRUE(fromSource(1199, 774));
    EXPECT_TRUE(fromSource(900, 700));
    EXPECT_EQ(bb.pixel(1000, 12), gfx::rgb(200, 200, 200));
}

TEST(Window, FrameIsASunkenBorder) {
    Fixture f(freshIni("frame"));
    ASSERT_TRUE(f.ok);
    TPlanetariumWindow& w = f.w();
    w.onSize(780, 500);
    w.view = 20;
    w.fillBackground();
    w.drawFrame();
    const gfx::Canvas& bb = *w.memDC[0];
    EXPECT_EQ(bb.pixel(777, 100), gfx::rgb(240, 240, 240)); // light right edge, x = W - 3
    EXPECT_EQ(bb.pixel(300, 498), gfx::rgb(240, 240, 240)); // light bottom edge, y = H - 2
    EXPECT_EQ(bb.pixel(1, 100), gfx::rgb(50, 50, 50));      // dark left edge
    EXPECT_EQ(bb.pixel(300, 24), gfx::rgb(50, 50, 50));     // dark top edge
    EXPECT_EQ(bb.pixel(300, 100), gfx::rgb(200, 200, 200)); // background 33
    // The four panels of the satellite views.
    w.view = 31;
    w.fillBackground();
    w.drawFrame();
    EXPECT_EQ(bb.pixel(1, 60), gfx::rgb(50, 50, 50));
    EXPECT_EQ(bb.pixel(388, 60), gfx::rgb(240, 240, 240)); // W/2 - 2
    EXPECT_EQ(bb.pixel(100, 103), gfx::rgb(240, 240, 240));
    EXPECT_EQ(bb.pixel(392, 200), gfx::rgb(50, 50, 50)); // W/2 + 2
    EXPECT_EQ(bb.pixel(500, 285), gfx::rgb(240, 240, 240)); // H/2 + 35
    EXPECT_EQ(bb.pixel(500, 290), gfx::rgb(50, 50, 50));    // H/2 + 40
    // The white scheme's background is white.
    w.options->whiteScheme = true;
    w.fillBackground();
    EXPECT_EQ(bb.pixel(300, 100), gfx::rgb(255, 255, 255));
}

TEST(Window, LegendSeparatorAndScrollTroughs) {
    Fixture f(freshIni("separator"));
    ASSERT_TRUE(f.ok);
    TPlanetariumWindow& w = f.w();
    w.onSize(1000, 600);
    w.view = 11; // quadratic view: scroll area shown (nothing else draws in it yet)
    w.redraw();
    const gfx::Canvas& bb = *w.memDC[0];
    EXPECT_EQ(bb.pixel(768, 300), gfx::rgb(50, 50, 50));
    EXPECT_EQ(bb.pixel(769, 300), gfx::rgb(240, 240, 240));
    EXPECT_TRUE(w.scrollAreaShown());
    EXPECT_TRUE(w.boutons->enabled(toolbar::kLegend));
    EXPECT_TRUE(w.boutons->enabled(toolbar::kSaveScreen));
    w.view = 10;
    EXPECT_FALSE(w.scrollAreaShown());
    w.options->equidistantZoom = 2;
    EXPECT_TRUE(w.scrollAreaShown());
}

TEST(Window, FirstTickAsksForTheForecastOnce) {
    Fixture f(freshIni("tick"));
    ASSERT_TRUE(f.ok);
    TPlanetariumWindow& w = f.w();
    int asked = 0;
    w.hooks.forecastOfTheDay = [&](TPlanetariumWindow&) {
        ++asked;
        return std::string("Full Moon");
    };
    w.onTimer();
    w.onTimer();
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(w.firstTickDone);
    ASSERT_EQ(f.prompter.messageCount(), 1);
    EXPECT_EQ(f.prompter.entries[0].text, "Full Moon");
    EXPECT_EQ(f.prompter.entries[0].caption, "NALVO information");
    EXPECT_FALSE(w.options->animating);
}

TEST(Window, SkyAnimationMovesEveryFourthTickAndStopsAtTheYearLimit) {
    Fixture f(freshIni("skyanim"));
    ASSERT_TRUE(f.ok);
    TPlanetariumWindow& w = f.w();
    w.firstTickDone = true;
    w.view = 13;
    w.date->annee = 1996;
    w.date->mois = 3;
    w.date->jour = 5;
    w.date->heure = 20;
    w.date->minute = 0;
    w.date->calculeT();
    w.skyRunning = true;
    w.skyStep = 1; // one hour
    w.tickCount = 0;
    for (int k = 0; k < 3; ++k) w.onTimer();
    EXPECT_EQ(w.date->heure, 20);
    w.onTimer();
    w.date->calculeCalendrier();
    EXPECT_EQ(w.date->heure, 21);
    EXPECT_EQ(w.date->jour, 5);
    EXPECT_EQ(w.tickCount, 0);
    // Backwards, 5 minutes a step.
    w.skyStep = -5;
    w.skyDirection = -1;
    for (int k = 0; k < 4; ++k) w.onTimer();
    EXPECT_EQ(w.date->heure, 20);
    EXPECT_EQ(w.date->minute, 55);
    // In year 3000 the date stays but the animation is still on.
    w.date->annee = 3000;
    w.date->calculeT();
    const long double t = w.date->t;
    for (int k = 0; k < 8; ++k) w.onTimer();
    EXPECT_EQ(w.date->t, t);
    EXPECT_TRUE(w.skyRunning);
}

TEST(Window, HeliocentricAnimationEverySecondTick) {
    Fixture f(freshIni("helioanim"));
    ASSERT_TRUE(f.ok);
    TPlanetariumWindow& w = f.w();
    w.firstTickDone = true;
    w.view = 20;
    w.date->annee = 2000;
    w.date->mois = 2;
    w.date->jour = 28;
    w.date->heure = 0;
    w.date->minute = 0;
    w.date->calculeT();
    w.helioRunning = true;
    w.tickCount = 0;
    w.onTimer();
    EXPECT_EQ(w.date->jour, 28);
    w.onTimer(); // +24 h
    EXPECT_EQ(w.date->jour, 29);
    EXPECT_EQ(w.date->mois, 2);
}

TEST(Window, SatelliteAnimationMovesBothDates) {
    Fixture f(freshIni("satanim"));
    ASSERT_TRUE(f.ok);
    TPlanetariumWindow& w = f.w();
    w.firstTickDone = true;
    w.view = 31;
    w.satRunning = true;
    w.satStep = 2; // hours
    w.tickCount = 0;
    const long double t0 = w.date->t, t1 = w.endDate->t;
    w.onTimer();
    w.onTimer();
    EXPECT_NEAR(double((w.date->t - t0) * 876600.0L), 2.0, 1e-6);
    EXPECT_NEAR(double((w.endDate->t - t1) * 876600.0L), 2.0, 1e-6);
}

TEST(Window, RealTimeOutsideItsViewsDoesNothing) {
    Fixture f(freshIni("realtime"));
    ASSERT_TRUE(f.ok);
    TPlanetariumWindow& w = f.w();
    w.firstTickDone = true;
    w.view = 20;
    w.realTime = true;
    w.date->annee = 1990;
    w.date->calculeT();
    const long double t = w.date->t;
    const int redraws = w.redrawCount();
    w.onTimer();
    EXPECT_EQ(w.date->t, t);
    EXPECT_EQ(w.redrawCount(), redraws);
    EXPECT_EQ(w.lastClockMinute, -1);
}

TEST(Window, HeldScrollPansEverySixthTick) {
    Fixture f(freshIni("scroll"));
    ASSERT_TRUE(f.ok);
    TPlanetariumWindow& w = f.w();
    w.firstTickDone = true;
    w.view = 11;
    w.onSize(780, 500);
    int dxSum = 0, calls = 0;
    w.hooks.panSky = [&](TPlanetariumWindow&, int dx, int dy) {
        dxSum += dx;
        ++calls;
        EXPECT_EQ(dy, 0);
    };
    w.scrollMode = 2;
    w.holdX = w.holdY = 0;
    for (int k = 0; k < 5; ++k) w.onTimer();
    EXPECT_EQ(calls, 0);
    w.onTimer();
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(dxSum, 10);
    EXPECT_EQ(w.scrollTicks, 0);
}
