// SPDX-License-Identifier: GPL-3.0-or-later
// The sky-map dialog: its lists, the corner group that follows the view, what OK stores and the
// "Position" keys it writes; and the sky views drawn by the window's redraw.
#include "app/dialogs/skymap_dialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "astro/date2.h"
#include "catalog/cities.h"
#include "catalog/profile.h"
#include "catalog/settings.h"
#include "catalog/systeme.h"

namespace {

struct DialogState {
    date2 date;
    int projection = 4;
    int quadRa1 = 0, quadDec1 = 90, quadRa2 = 360, quadDec2 = -90;
    int azimAz1 = 300, azimEl2 = 15, azimAz2 = 60, azimEl1 = -5;
    systeme sys;
    std::string ini;

    DialogState() {
        date.annee = 2026;
        date.mois = 12;
        date.jour = 9;
        date.heure = 8;
        date.minute = 17;
        date.calculeT();
        ini = (std::filesystem::temp_directory_path() / "nalvo_skymap_dialog.ini").string();
        std::remove(ini.c_str());
    }
    skyMapXfer xfer() {
        skyMapXfer x;
        x.date = &date;
        x.projection = &projection;
        x.quadRa1 = &quadRa1;
        x.quadDec1 = &quadDec1;
        x.quadRa2 = &quadRa2;
        x.quadDec2 = &quadDec2;
        x.azimAz1 = &azimAz1;
        x.azimEl2 = &azimEl2;
        x.azimAz2 = &azimAz2;
        x.azimEl1 = &azimEl1;
        x.sys = &sys;
        return x;
    }
    std::vector<City> cities() const {
        return {{"France-Paris", 48.85, -2.35}, {"France-Annecy", 45.90, -6.13}, {kOtherCity, 0, 0}};
    }
};

} // namespace

TEST(SkyMapDialog, ViewListOrderAndIndices) {
    for (int p = 1; p <= 5; ++p) EXPECT_EQ(TSkyMapDialog::projectionOf(TSkyMapDialog::viewIndexOf(p)), p);
    EXPECT_EQ(TSkyMapDialog::viewIndexOf(4), 0);
    EXPECT_EQ(TSkyMapDialog::viewIndexOf(5), 1);
    EXPECT_EQ(TSkyMapDialog::viewIndexOf(1), 2);
    EXPECT_EQ(TSkyMapDialog::viewIndexOf(3), 4);
    DialogState s;
    s.sys.cityNumber = 1;
    TSkyMapDialog d(s.xfer(), s.cities(), s.ini);
    EXPECT_EQ(d.windowTitle(), "Sky map");
    ASSERT_EQ(d.viewList()->count(), 5);
    EXPECT_EQ(d.viewList()->itemText(0), "Circular projection");
    EXPECT_EQ(d.viewList()->itemText(1), "Azimutal view");
    EXPECT_EQ(d.viewList()->itemText(2), "Equidistant proj.");
    EXPECT_EQ(d.viewList()->itemText(3), "Quadratic proj.");
    EXPECT_EQ(d.viewList()->itemText(4), "Quadratic with trajectories");
    EXPECT_EQ(d.viewList()->currentIndex(), 0);
    EXPECT_EQ(d.yearList()->count(), 3100); // -100 to 2999
    EXPECT_EQ(d.yearList()->currentText(), "2026");
    EXPECT_EQ(d.monthList()->currentText(), "December");
    EXPECT_EQ(d.dayList()->currentText(), "9");
    EXPECT_EQ(d.hourList()->currentText(), "8");
}

TEST(SkyMapDialog, CornerGroupFollowsTheView) {
    DialogState s;
    TSkyMapDialog d(s.xfer(), s.cities(), s.ini);
    EXPECT_EQ(d.cornerTitle()->text(), "Windows coordinates (Azimutal view)");
    EXPECT_EQ(d.cornerLabel(0)->text(), "Corner sup. left Azimut  :");
    EXPECT_EQ(d.cornerLabel(3)->text(), "Corner Inf. right Elevation  :");
    EXPECT_EQ(d.cornerList(0)->count(), 361);
    EXPECT_EQ(d.cornerList(1)->count(), 96); // 90 down to -5
    EXPECT_EQ(d.cornerList(0)->currentText(), "300");
    EXPECT_EQ(d.cornerList(1)->currentText(), "15");
    EXPECT_EQ(d.cornerList(3)->currentText(), "-5");
    d.viewList()->setCurrentIndex(3); // quadratic
    EXPECT_EQ(d.cornerTitle()->text(), "Windows coordinates (quadratic proj.)");
    EXPECT_EQ(d.cornerLabel(0)->text(), "Corner sup. left R. Ascension :");
    EXPECT_EQ(d.cornerList(0)->count(), 25);
    EXPECT_EQ(d.cornerList(0)->itemText(24), "24 h");
    EXPECT_EQ(d.cornerList(2)->currentText(), "24 h"); // quadRa2 360 shown as 24 h
    EXPECT_EQ(d.cornerList(1)->count(), 181);
    EXPECT_EQ(d.cornerList(3)->currentText(), "-90");
}

TEST(SkyMapDialog, DayListFollowsMonthAndYear) {
    DialogState s;
    s.date.mois = 2;
    s.date.jour = 29;
    s.date.annee = 2024;
    TSkyMapDialog d(s.xfer(), s.cities(), s.ini);
    EXPECT_EQ(d.dayList()->count(), 29);
    EXPECT_EQ(d.dayList()->currentText(), "29");
    d.yearList()->setCurrentIndex(2025 + 100);
    EXPECT_EQ(d.dayList()->count(), 28);
    EXPECT_EQ(d.dayList()->currentText(), "28");
    d.monthList()->setCurrentIndex(0);
    EXPECT_EQ(d.dayList()->count(), 31);
    d.monthList()->setCurrentIndex(3); // April
    EXPECT_EQ(d.dayList()->count(), 30);
}

TEST(SkyMapDialog, OkStoresDateViewCornersAndPlace) {
    DialogState s;
    TSkyMapDialog d(s.xfer(), s.cities(), s.ini);
    d.hourList()->setCurrentIndex(20);
    d.viewList()->setCurrentIndex(3);     // quadratic: projection 2
    d.cornerList(0)->setCurrentIndex(2);  // 2 h -> 30 degrees
    d.cornerList(1)->setCurrentIndex(30); // 90 - 30 = 60
    d.cornerList(2)->setCurrentIndex(6);  // 6 h -> 90
    d.cornerList(3)->setCurrentIndex(100);
    d.cityList()->setCurrentIndex(0); // Paris
    EXPECT_EQ(d.latitudeEdit()->text(), "48.850000");
    EXPECT_EQ(d.longitudeEdit()->text(), "-2.350000");
    d.accept();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(s.date.heure, 20);
    EXPECT_EQ(s.date.minute, 0); // the lists offer whole hours
    date2 expected = s.date;
    expected.calculeT();
    EXPECT_EQ(s.date.t, expected.t);
    EXPECT_EQ(s.projection, 2);
    EXPECT_EQ(s.quadRa1, 30);
    EXPECT_EQ(s.quadDec1, 60);
    EXPECT_EQ(s.quadRa2, 90);
    EXPECT_EQ(s.quadDec2, -10);
    EXPECT_EQ(s.azimAz1, 300); // the other group is kept
    EXPECT_EQ(s.sys.cityNumber, 0);
    EXPECT_DOUBLE_EQ(s.sys.latitude, 48.85);
    EXPECT_STREQ(s.sys.cityName, "France-Paris");
    EXPECT_EQ(profileReadInt(s.ini, "Position", "N\xB0 ville", -1), 0);
    EXPECT_EQ(profileReadInt(s.ini, "Position", "Latitude", -1), 4885);
    EXPECT_EQ(profileReadInt(s.ini, "Position", "Longitude", -1), 17765); // (-2.35 + 180) x 100
    EXPECT_EQ(profileReadString(s.ini, "Position", "Ville", ""), "France-Paris");
}

TEST(SkyMapDialog, TypedCoordinatesChooseOtherOrAreRefused) {
    DialogState s;
    s.sys.cityNumber = 1;
    {
        TSkyMapDialog d(s.xfer(), s.cities(), s.ini);
        d.latitudeEdit()->setText("12.5");
        emit d.latitudeEdit()->textEdited("12.5"); // as a user's keystroke does
        EXPECT_EQ(d.cityList()->currentIndex(), 2);
        d.longitudeEdit()->setText("-30");
        d.accept();
        EXPECT_EQ(s.sys.cityNumber, 2);
        EXPECT_DOUBLE_EQ(s.sys.latitude, 12.5);
        EXPECT_DOUBLE_EQ(s.sys.longitude, -30);
        EXPECT_STREQ(s.sys.cityName, "Other");
    }
    {
        // A latitude beyond the pole is not a place: the city and coordinates stay.
        TSkyMapDialog d(s.xfer(), s.cities(), s.ini);
        d.latitudeEdit()->setText("95");
        emit d.latitudeEdit()->textEdited("95");
        d.accept();
        EXPECT_DOUBLE_EQ(s.sys.latitude, 12.5);
        EXPECT_EQ(s.sys.cityNumber, 2);
    }
}

TEST(SkyMapDialog, CancelChangesNothing) {
    DialogState s;
    TSkyMapDialog d(s.xfer(), s.cities(), s.ini);
    d.hourList()->setCurrentIndex(3);
    d.viewList()->setCurrentIndex(2);
    d.cornerList(0)->setCurrentIndex(5);
    d.reject();
    EXPECT_EQ(s.date.heure, 8);
    EXPECT_EQ(s.projection, 4);
    EXPECT_EQ(s.quadRa1, 0);
    EXPECT_EQ(s.azimAz1, 300);
    EXPECT_FALSE(std::filesystem::exists(s.ini));
}

// --- the sky views in the window ------------------------------------------------------------------

#include <QApplication>

#include "app/application.h"
#include "app/commands.h"
#include "app/window.h"
#include "catalog/prompter.h"

namespace {
struct SkyWindow {
    RecordingPrompter prompter;
    MainFrame main{&prompter};
    bool ok;
    SkyWindow() {
        const std::string ini = (std::filesystem::temp_directory_path() / "nalvo_sky_window.ini").string();
        std::remove(ini.c_str());
        ok = main.create(ini, "");
    }
    TPlanetariumWindow& w() { return *main.window(); }
};
} // namespace

TEST(SkyWindowView, CommandsDrawEachSkyViewWithItsLegend) {
    SkyWindow f;
    ASSERT_TRUE(f.ok) << (f.prompter.entries.empty() ? "" : f.prompter.entries[0].text);
    TPlanetariumWindow& w = f.w();
    w.onSize(780, 500);
    // A fixed night: 2026-12-09 20:00 UT from Annecy (the settings' defaults).
    w.date->annee = 2026;
    w.date->mois = 12;
    w.date->jour = 9;
    w.date->heure = 20;
    w.date->minute = 0;
    w.date->calculeT();
    const gfx::Canvas& bb = *w.memDC[0];
    ASSERT_TRUE(commands::run(w, 108)); // circular projection
    EXPECT_EQ(w.view, 13);
    EXPECT_EQ(bb.pixel(274, 265 - 100) & 0xffffff, 0u);            // black night sky inside the disc
    EXPECT_EQ(bb.pixel(274, 489), gfx::rgb(255, 0, 0));            // red rim at the bottom
    EXPECT_EQ(bb.pixel(30, 480), gfx::rgb(200, 200, 200));         // window grey outside it
    ASSERT_TRUE(commands::run(w, 150)); // quadratic projection: a black rectangle
    EXPECT_EQ(w.view, 11);
    EXPECT_EQ(bb.pixel(10, 300) & 0xffffff, 0u);
    ASSERT_TRUE(commands::run(w, 109)); // azimutal view
    EXPECT_EQ(w.view, 14);
    EXPECT_EQ(bb.pixel(10, 300) & 0xffffff, 0u);
    ASSERT_TRUE(commands::run(w, 114)); // equidistant projection
    EXPECT_EQ(w.view, 10);
    ASSERT_TRUE(commands::run(w, 127)); // quadratic with trajectories
    EXPECT_EQ(w.view, 12);
    // The legend's Moon is drawn in its phase left of "Moon": new on this date, dark.
    const int mapW = int(w.sys->mapWidth);
    bool darkMoon = false;
    for (int y = 30; y < 400 && !darkMoon; ++y)
        darkMoon = bb.pixel(mapW + 28, y) == gfx::rgb(60, 60, 70);
    EXPECT_TRUE(darkMoon);
    // The planets are not identifiable in the trajectory view.
    for (int k = 0; k < w.sys->planetCount(); ++k) {
        if (std::string(w.sys->planet(k)->nom) != "Terre") {
            EXPECT_EQ(w.sys->planet(k)->screenX, -100);
        }
    }
}

TEST(SkyWindowView, SkyMapCommandOpensTheDialogAndEntersTheChosenView) {
    SkyWindow f;
    ASSERT_TRUE(f.ok);
    TPlanetariumWindow& w = f.w();
    w.onSize(780, 500);
    auto& runner = skyui::skyMapDialogRunner();
    const auto saved = runner;
    runner = [](TSkyMapDialog& d) {
        d.viewList()->setCurrentIndex(1); // "Azimutal view"
        d.accept();
        return int(QDialog::Accepted);
    };
    ASSERT_TRUE(commands::run(w, 105));
    EXPECT_EQ(w.projection, 5);
    EXPECT_EQ(w.view, 14);
    runner = [](TSkyMapDialog& d) {
        d.viewList()->setCurrentIndex(2);
        d.reject();
        return int(QDialog::Rejected);
    };
    commands::run(w, 105);
    EXPECT_EQ(w.view, 14); // cancelled: nothing changes
    runner = saved;
}
