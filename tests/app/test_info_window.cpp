// SPDX-License-Identifier: GPL-3.0-or-later
// The sky interaction in the main window: right click and "I" key open the information dialog,
// the search circles the object in red or says it is not visible, the rubber band zooms view 11,
// the hover layer shows the label, the markers and the coordinates.
#include "app/application.h"
#include "app/commands.h"
#include "app/dialogs/info_dialog.h"
#include "app/dialogs/search_dialog.h"
#include "app/input.h"
#include "app/sky_interaction.h"
#include "app/window.h"
#include "astro/angles.h"
#include "catalog/prompter.h"
#include "gfx/text_codec.h"
#include "reports/position.h"
#include "skymap/sky_render.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;
using namespace skymap;

namespace {

struct SkyWindow {
    RecordingPrompter prompter;
    MainFrame main{&prompter};
    bool ok = false;
    QStringList dialogLines;
    bool dialogLarge = false;
    bool dialogPicture = false;
    int dialogs = 0;

    SkyWindow() {
        const std::string ini = (fs::temp_directory_path() / "nalvo_info_window.ini").string();
        std::remove(ini.c_str()); // the defaults: Annecy
        ok = main.create(ini);
        if (!ok) return;
        main.show();
        QApplication::processEvents();
        prompter.clear(); // the note of the day of the first tick, which depends on the clock
        w().onSize(780, 500);
        date2& d = *w().date;
        d.annee = 2026;
        d.mois = 1;
        d.jour = 15;
        d.heure = 22;
        d.minute = 0;
        d.calculeT();
        skyui::infoDialogRunner() = [this](TDialogInfo& dlg) {
            ++dialogs;
            dialogLines = dlg.lineTexts();
            dialogLarge = dlg.isLarge();
            dialogPicture = !dlg.picture().isNull();
        };
    }
    ~SkyWindow() {
        skyui::infoDialogRunner() = [](TDialogInfo& dlg) { dlg.exec(); };
        skyui::searchDialogRunner() = [](TDialogSearch& dlg) { return dlg.exec(); };
    }
    TPlanetariumWindow& w() { return *main.window(); }

    // The sky view's paint, as the redraw makes it, so that the screen points are stored.
    void paintSky(int view) {
        w().view = view;
        w().redraw();
        SkyScene scene;
        scene.sys = w().sys.get();
        scene.date = w().date.get();
        scene.options = w().options.get();
        SkyNavigation nav = commands::navigationOf(w());
        scene.nav = &nav;
        scene.prompter = &prompter;
        w().options->attach(*w().memDC[0]);
        paintSkyView(*w().memDC[0], view, scene);
    }

    const etoile* star(const char* name) {
        for (int c = 0; c < w().sys->constellationCount(); ++c)
            for (int s = 0; s < w().sys->constellation(c)->nbStars; ++s)
                if (std::string(w().sys->constellation(c)->star(s)->word2) == name)
                    return w().sys->constellation(c)->star(s);
        return nullptr;
    }
};

// A search runner that presses a catalogue button, selects `text` and presses "Search".
void searchFor(const char* catalogue, const char* text) {
    skyui::searchDialogRunner() = [catalogue, text](TDialogSearch& d) {
        d.button(catalogue)->click();
        const auto items = d.list()->findItems(text, Qt::MatchExactly);
        if (items.isEmpty()) return 0;
        d.list()->setCurrentItem(items.first());
        return static_cast<int>(QDialog::Accepted);
    };
}

bool isRed(gfx::Rgb c) { return c == gfx::rgb(255, 0, 0); }

// The position report's rise, transit and set line of list entry `index` for the window's place,
// date and local offset, as the screen shows it.
QString reportLineOf(SkyWindow& t, int index) {
    const systeme& sys = *t.w().sys;
    const date2& d = *t.w().date;
    return gfx::fromWindows1252(
        reports::riseTransitSetLine(sys, d, index, sys.latitude, sys.longitude, d.decalageLieu));
}

} // namespace

TEST(InfoWindow, RightClickOnSiriusOpensTheSmallDialog) {
    SkyWindow t;
    ASSERT_TRUE(t.ok);
    t.paintSky(kViewCircular);
    const etoile* sirius = t.star("Sirius");
    ASSERT_NE(sirius, nullptr);
    ASSERT_GT(sirius->screenX, 0);
    EXPECT_TRUE(skyui::identifyAt(t.w(), sirius->screenX - 1, sirius->screenY + 2));
    EXPECT_EQ(t.dialogs, 1);
    EXPECT_FALSE(t.dialogLarge);
    ASSERT_GE(t.dialogLines.size(), 7);
    EXPECT_EQ(t.dialogLines[0], QString("Type : Star"));
    EXPECT_EQ(t.dialogLines[2], QString("Name : Sirius"));
    EXPECT_EQ(t.dialogLines[3], QString("Right ascension : 6h 45m 9s"));
    EXPECT_EQ(t.dialogLines[6], QString("Spectral type : A0"));
    // Nothing under the pointer: no dialog.
    EXPECT_FALSE(skyui::identifyAt(t.w(), 8, 480));
    EXPECT_EQ(t.dialogs, 1);
}

TEST(InfoWindow, PlanetOpensTheLargeDialogWithItsPicture) {
    SkyWindow t;
    ASSERT_TRUE(t.ok);
    t.paintSky(kViewCircular);
    // The first planet above the horizon that no star or other object covers.
    const planete* shown = nullptr;
    int shownIndex = -1;
    for (int k = 0; k < t.w().sys->planetCount() && !shown; ++k) {
        const planete* p = t.w().sys->planet(k);
        if (p->screenX <= 0 || std::string(p->nom) == "Terre") continue;
        const skymap::SkyObjectRef hit =
            skymap::identifyObject(*t.w().sys, p->screenX, p->screenY, skyui::hitFilterOf(t.w()));
        if (hit.kind == kKindPlanet && hit.planet == k) {
            shown = p;
            shownIndex = k;
        }
    }
    ASSERT_NE(shown, nullptr);
    // "Planet picture" off (the default): the large dialog, its picture area empty.
    ASSERT_NE(t.w().sys->catalogueSettings, nullptr);
    ASSERT_EQ(t.w().sys->catalogueSettings->usePlanetPictures, 0);
    EXPECT_TRUE(skyui::identifyAt(t.w(), shown->screenX, shown->screenY));
    EXPECT_TRUE(t.dialogLarge);
    EXPECT_FALSE(t.dialogPicture);
    EXPECT_EQ(t.dialogLines.value(0), QString("Type : Planet"));
    EXPECT_EQ(t.dialogLines.value(1), QString::fromStdString("Name : " + bodyEnglishName(shown->nom)));
    // Last, the line of the position report for the window's place and local day.
    EXPECT_EQ(t.dialogLines.value(t.dialogLines.size() - 1) + "\n", reportLineOf(t, shownIndex + 1));
    // Switched on: the shipped picture of the planet.
    t.w().sys->catalogueSettings->usePlanetPictures = 1;
    EXPECT_TRUE(skyui::identifyAt(t.w(), shown->screenX, shown->screenY));
    EXPECT_TRUE(t.dialogPicture);
}

TEST(InfoWindow, RightClickOnTheSunShowsItsRiseAndSet) {
    SkyWindow t;
    ASSERT_TRUE(t.ok);
    t.w().date->heure = 12;
    t.w().date->calculeT();
    t.paintSky(kViewCircular);
    const soleil* sun = t.w().sys->sun();
    ASSERT_GT(sun->screenX, 0);
    ASSERT_EQ(identifyObject(*t.w().sys, sun->screenX, sun->screenY, skyui::hitFilterOf(t.w())).kind,
              kKindSun);
    EXPECT_TRUE(skyui::identifyAt(t.w(), sun->screenX, sun->screenY));
    EXPECT_EQ(t.dialogs, 1);
    EXPECT_EQ(t.dialogLines.value(0), QString("Type : Star"));
    EXPECT_EQ(t.dialogLines.value(1), QString("Name : Sun"));
    ASSERT_EQ(t.dialogLines.size(), 5);
    // The degree sign reaches the screen as U+00B0.
    EXPECT_TRUE(t.dialogLines[4].contains(QChar(0xB0))) << t.dialogLines[4].toStdString();
    EXPECT_EQ(t.dialogLines[4] + "\n", reportLineOf(t, 0));
}

TEST(InfoWindow, NoIdentificationWhileTheSkyAnimationRunsOrOutsideTheViews) {
    SkyWindow t;
    ASSERT_TRUE(t.ok);
    t.paintSky(kViewCircular);
    const etoile* sirius = t.star("Sirius");
    ASSERT_NE(sirius, nullptr);
    t.w().skyRunning = true;
    EXPECT_FALSE(skyui::identifyAt(t.w(), sirius->screenX, sirius->screenY));
    t.w().skyRunning = false;
    t.w().view = 1;
    EXPECT_FALSE(skyui::identifyAt(t.w(), sirius->screenX, sirius->screenY));
    t.w().view = 31;
    EXPECT_FALSE(skyui::identifyAt(t.w(), sirius->screenX, sirius->screenY));
    // A point that a zoomed disc stored beyond the map, under the legend panel, is not named.
    t.w().view = kViewCircular;
    t.w().options->circularZoom = 2;
    etoile* moved = const_cast<etoile*>(sirius);
    moved->screenX = static_cast<int>(t.w().sys->mapWidth) + 60;
    EXPECT_FALSE(skyui::identifyAt(t.w(), moved->screenX, moved->screenY));
    // A point near the rim of the zoomed disc's map, beyond what the map shows, is not named either.
    moved->screenX = static_cast<int>(t.w().sys->mapWidth) - 8;
    EXPECT_FALSE(skyui::identifyAt(t.w(), moved->screenX, moved->screenY));
    EXPECT_EQ(t.dialogs, 0);
    // The unzoomed disc is drawn whole: there the same point is on its rim and is named.
    t.w().options->circularZoom = 1;
    EXPECT_TRUE(skyui::identifyAt(t.w(), moved->screenX, moved->screenY));
    EXPECT_EQ(t.dialogs, 1);
}

TEST(InfoWindow, SearchSiriusDrawsTheRedCircle) {
    SkyWindow t;
    ASSERT_TRUE(t.ok);
    t.paintSky(kViewCircular);
    const etoile* sirius = t.star("Sirius");
    ASSERT_NE(sirius, nullptr);
    const int x = sirius->screenX, y = sirius->screenY;
    searchFor("Stars", "Sirius");
    skyui::searchObject(t.w());
    EXPECT_TRUE(t.prompter.entries.empty());
    const gfx::Canvas& back = *t.w().memDC[0];
    // A ring of radius 8 in the red pen: the four points of the compass are red, the centre not.
    auto redNear = [&](int px, int py) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (isRed(back.pixel(px + dx, py + dy))) return true;
        return false;
    };
    EXPECT_TRUE(redNear(x - 8, y));
    EXPECT_TRUE(redNear(x + 7, y));
    EXPECT_TRUE(redNear(x, y - 8));
    EXPECT_TRUE(redNear(x, y + 7));
    EXPECT_FALSE(isRed(back.pixel(x, y)));
    EXPECT_FALSE(isRed(back.pixel(x + 4, y)));
}

TEST(InfoWindow, SearchOfAPlanetBelowTheHorizonSaysNotVisible) {
    SkyWindow t;
    ASSERT_TRUE(t.ok);
    t.paintSky(kViewCircular);
    const systeme& sys = *t.w().sys;
    const double theta = siderealTime(*t.w().date);
    std::string below;
    for (int k = 0; k < sys.planetCount() && below.empty(); ++k) {
        const planete* p = sys.planet(k);
        if (std::string(p->nom) == "Terre") continue;
        if (altitudeOf(sys.longitude, sys.latitude, p->dec, p->ra, theta) < -1) below = bodyEnglishName(p->nom);
    }
    ASSERT_FALSE(below.empty());
    searchFor("Planets", below.c_str());
    const int redraws = t.w().redrawCount();
    skyui::searchObject(t.w());
    ASSERT_EQ(t.prompter.entries.size(), 1u) << below;
    EXPECT_EQ(t.prompter.entries[0].text, "Object not visible");
    EXPECT_EQ(t.prompter.entries[0].caption, "It is may be too soon");
    EXPECT_EQ(t.w().redrawCount(), redraws); // nothing else changes
}

TEST(InfoWindow, CancelledSearchDoesNothing) {
    SkyWindow t;
    ASSERT_TRUE(t.ok);
    skyui::searchDialogRunner() = [](TDialogSearch&) { return static_cast<int>(QDialog::Rejected); };
    const int redraws = t.w().redrawCount();
    skyui::searchObject(t.w());
    EXPECT_TRUE(t.prompter.entries.empty());
    EXPECT_EQ(t.w().redrawCount(), redraws);
}

TEST(InfoWindow, RubberBandZoomsTheQuadraticView) {
    SkyWindow t;
    ASSERT_TRUE(t.ok);
    t.paintSky(kViewQuadratic);
    const int quadRa1 = t.w().quadRa1, quadRa2 = t.w().quadRa2;
    ASSERT_EQ(quadRa1, 0);
    ASSERT_EQ(quadRa2, 360);
    EXPECT_TRUE(skyui::onSkyMouseDown(t.w(), 100, 100));
    EXPECT_TRUE(skyui::onSkyMouseMove(t.w(), 300, 250));
    ASSERT_TRUE(skyui::overlayVisible(t.w()));
    const gfx::Canvas* layer = skyui::overlayCanvas(t.w());
    ASSERT_NE(layer, nullptr);
    // The outline in the white pen along the top edge and the left edge of the rectangle.
    EXPECT_EQ(layer->pixel(200, 100), gfx::rgb(255, 255, 255));
    EXPECT_EQ(layer->pixel(100, 200), gfx::rgb(255, 255, 255));
    EXPECT_EQ(layer->pixel(300, 180), gfx::rgb(255, 255, 255));
    EXPECT_TRUE(skyui::onSkyMouseUp(t.w(), 300, 250));
    EXPECT_FALSE(skyui::overlayVisible(t.w()));
    // mapWidth 548: W' = 523, H' = 455; Ra 0, Rb' 360: floor(360 - 295*360/523) and
    // ceil(360 - 95*360/523); Dec: ceil(90 - 70*180/455), floor(90 - 220*180/455).
    EXPECT_EQ(t.w().quadRa1, 156);
    EXPECT_EQ(t.w().quadRa2, 295);
    EXPECT_EQ(t.w().quadDec1, 63);
    EXPECT_EQ(t.w().quadDec2, 2);
}

TEST(InfoWindow, HoverShowsTheLabelMarkersAndCoordinates) {
    SkyWindow t;
    ASSERT_TRUE(t.ok);
    t.paintSky(kViewQuadratic);
    const etoile* sirius = t.star("Sirius");
    ASSERT_NE(sirius, nullptr);
    ASSERT_GT(sirius->screenX, 0);
    const skymap::SkyObjectRef hovered =
        skymap::hoverObject(*t.w().sys, sirius->screenX, sirius->screenY, skyui::hitFilterOf(t.w()));
    ASSERT_EQ(hovered.kind, kKindStar);
    const skyui::Overlay o = skyui::overlayAt(t.w(), sirius->screenX, sirius->screenY);
    ASSERT_EQ(o.hover.texts.size(), 2u);
    EXPECT_EQ(o.hover.texts[0].text, "Star:Sirius");
    EXPECT_FALSE(o.hover.constellationMarkers.empty());
    ASSERT_TRUE(o.status.has_value());
    EXPECT_EQ(o.status->substr(0, 4), "Asc:");

    EXPECT_TRUE(skyui::onSkyMouseMove(t.w(), sirius->screenX, sirius->screenY));
    const gfx::Canvas* layer = skyui::overlayCanvas(t.w());
    ASSERT_NE(layer, nullptr);
    // The red ring of the hovered star, 8 pixels to its left.
    bool red = false;
    for (int dy = -1; dy <= 1; ++dy)
        red |= isRed(layer->pixel(sirius->screenX - 8, sirius->screenY + dy));
    EXPECT_TRUE(red);
    // Black text of the label and of the coordinates in the legend panel, not in the back buffer.
    auto blackPixels = [](const gfx::Canvas& c, int x0, int y0, int x1, int y1) {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) n += c.pixel(x, y) == gfx::rgb(0, 0, 0);
        return n;
    };
    const int mw = static_cast<int>(t.w().sys->mapWidth), H = t.w().clientHeight();
    EXPECT_GT(blackPixels(*layer, mw + 30, 430, mw + 230, 446), blackPixels(*t.w().memDC[0], mw + 30, 430, mw + 230, 446));
    EXPECT_GT(blackPixels(*layer, mw + 30, H - 20, mw + 230, H - 5), 20);
    // The next redraw makes the layer stale.
    t.w().redraw();
    EXPECT_FALSE(skyui::overlayVisible(t.w()));
    // Moving to an empty corner of the map hides it.
    EXPECT_TRUE(skyui::onSkyMouseMove(t.w(), 10, 480)); // the coordinates are still shown
    EXPECT_FALSE(skyui::onSkyMouseMove(t.w(), 10, 10)); // the toolbar row: nothing
    EXPECT_FALSE(skyui::overlayVisible(t.w()));
}

TEST(InfoWindow, MouseAndKeyRoutingReachTheSkyInteraction) {
    SkyWindow t;
    ASSERT_TRUE(t.ok);
    skyui::installViewHandlers(); // the window's hooks install them too; a second call changes nothing
    t.paintSky(kViewQuadratic);
    const etoile* sirius = t.star("Sirius");
    ASSERT_NE(sirius, nullptr);
    // Right button and the "I" key at the last mouse position open the information dialog.
    EXPECT_TRUE(input::mouseDown(t.w(), sirius->screenX, sirius->screenY, Qt::RightButton));
    EXPECT_EQ(t.dialogs, 1);
    input::mouseMove(t.w(), sirius->screenX + 1, sirius->screenY);
    EXPECT_TRUE(input::keyDown(t.w(), input::kKeyI));
    EXPECT_EQ(t.dialogs, 2);
    EXPECT_EQ(t.dialogLines.value(2), QString("Name : Sirius"));

    // A rectangle started in view 11 and a move after the view changed: the rectangle is dropped.
    const int ra1 = t.w().quadRa1;
    EXPECT_TRUE(input::mouseDown(t.w(), 100, 100, Qt::LeftButton));
    t.w().view = 20;
    input::mouseMove(t.w(), 200, 200);
    t.w().view = kViewQuadratic;
    input::mouseUp(t.w(), 200, 200, Qt::LeftButton);
    EXPECT_EQ(t.w().quadRa1, ra1);
    // A whole drag in view 11 zooms.
    EXPECT_TRUE(input::mouseDown(t.w(), 100, 100, Qt::LeftButton));
    input::mouseMove(t.w(), 300, 250);
    EXPECT_TRUE(input::mouseUp(t.w(), 300, 250, Qt::LeftButton));
    EXPECT_EQ(t.w().quadRa1, 156);
    EXPECT_EQ(t.w().quadDec2, 2);
}

TEST(InfoWindow, TheLabelGoesAfterTheDialogAndTheRedrawAndTheLegendLinesShowAgain) {
    SkyWindow t;
    ASSERT_TRUE(t.ok);
    t.w().resize(780, 500); // the layer is as wide as the window: the legend panel inside it
    QApplication::processEvents();
    ASSERT_EQ(t.w().width(), 780);
    skyui::installViewHandlers();
    t.paintSky(kViewQuadratic);
    const etoile* sirius = t.star("Sirius");
    ASSERT_NE(sirius, nullptr);
    auto* layer = t.w().findChild<QWidget*>(QStringLiteral("skyInteractionLayer"));
    EXPECT_TRUE(skyui::onSkyMouseMove(t.w(), sirius->screenX, sirius->screenY));
    if (!layer) layer = t.w().findChild<QWidget*>(QStringLiteral("skyInteractionLayer"));
    ASSERT_NE(layer, nullptr);
    EXPECT_FALSE(layer->isHidden());
    // "Star:Sirius" at y = 430 and "Constellation:..." at 450 cross the legend's "Local time"
    // (from 425), "City" and "Longitude" (to 473) lines: those are cleared whole, so the panel's
    // grey is all there is above the first label and below the second.
    {
        const gfx::Canvas* shown = skyui::overlayCanvas(t.w());
        ASSERT_NE(shown, nullptr);
        const int mw = static_cast<int>(t.w().sys->mapWidth);
        int fragments = 0;
        for (int y : {425, 426, 427, 428, 466, 468, 470, 472, 473})
            for (int x = mw + 3; x < 777; ++x)
                fragments += (shown->pixel(x, y) & 0xffffffu) != 0xc8c8c8u;
        EXPECT_EQ(fragments, 0);
    }
    // The information dialog took the pointer away: "Star:Sirius" is not left over the legend.
    EXPECT_TRUE(input::mouseDown(t.w(), sirius->screenX, sirius->screenY, Qt::RightButton));
    EXPECT_EQ(t.dialogs, 1);
    EXPECT_TRUE(layer->isHidden());
    // Nor after a redraw (a key, a dialog's OK, the clock).
    EXPECT_TRUE(skyui::onSkyMouseMove(t.w(), sirius->screenX, sirius->screenY));
    EXPECT_FALSE(layer->isHidden());
    t.w().redraw();
    EXPECT_TRUE(layer->isHidden());
    // Off the star, only the coordinate line stays: the legend's "Local time", "City" and
    // "Longitude" lines (y 425 to 472) are the back buffer's again.
    EXPECT_TRUE(skyui::onSkyMouseMove(t.w(), sirius->screenX, sirius->screenY));
    EXPECT_TRUE(skyui::onSkyMouseMove(t.w(), 10, 470));
    const gfx::Canvas* shown = skyui::overlayCanvas(t.w());
    ASSERT_NE(shown, nullptr);
    const int mw = static_cast<int>(t.w().sys->mapWidth);
    int differ = 0;
    for (int y = 420; y < 472; ++y)
        for (int x = mw + 3; x < 777; ++x)
            differ += (shown->pixel(x, y) & 0xffffffu) != (t.w().memDC[0]->pixel(x, y) & 0xffffffu);
    EXPECT_EQ(differ, 0);
}
