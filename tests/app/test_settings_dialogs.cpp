// SPDX-License-Identifier: GPL-3.0-or-later
// The settings dialogs: date lists and the day-list rule, the localisation dialog (cities, time
// zones, the clock kept when the computer's zone changes, refused coordinates), the two magnitude
// dialogs and the catalogue dialog, the keys they write and a restart that keeps them.
#include "app/application.h"
#include "app/commands.h"
#include "app/dialogs/catalogue_dialog.h"
#include "app/dialogs/date_dialog.h"
#include "app/dialogs/localisation_dialog.h"
#include "app/dialogs/magnitude_dialogs.h"
#include "app/dialogs/settings_commands.h"
#include "app/window.h"
#include "astro/time_zone.h"
#include "catalog/profile.h"
#include "catalog/prompter.h"
#include "catalog/settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

std::string freshIni(const std::string& name) {
    const std::string path = (fs::temp_directory_path() / ("nalvo_dialogs_" + name + ".ini")).string();
    fs::remove(path);
    return path;
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

std::vector<City> testCities() {
    return {{"France-Annecy", 45.90, -6.13},
            {"Japan-Tokyo", 35.68, -139.69},
            {"United_Kingdom-London", 51.50, 0.12},
            {"Atlantis-Capital", 10, 10},
            {kOtherCity, 0, 0}};
}

std::string testPays() {
    const std::string path = (fs::temp_directory_path() / "nalvo_dialogs_pays.syt").string();
    std::ofstream(path) << "France 1 2\nJapan 9 9\nUnited_Kingdom 0 1\n# 0 0\n";
    return path;
}

} // namespace

// --- date dialog -----------------------------------------------------------------------------------

TEST(DateDialog, ListsAndSelection) {
    date2 d = makeDate(1996, 3, 5, 21, 30);
    TDialogDate dialog(d);
    EXPECT_EQ(dialog.windowTitle(), QString("Date"));
    EXPECT_EQ(dialog.yearList()->count(), 3100);
    EXPECT_EQ(dialog.yearList()->itemText(0), QString("-100"));
    EXPECT_EQ(dialog.yearList()->itemText(3099), QString("2999"));
    EXPECT_EQ(dialog.monthList()->count(), 12);
    EXPECT_EQ(dialog.monthList()->itemText(0), QString("January"));
    EXPECT_EQ(dialog.monthList()->itemText(11), QString("December"));
    EXPECT_EQ(dialog.dayList()->count(), 31);
    EXPECT_EQ(dialog.hourList()->count(), 24);
    EXPECT_EQ(dialog.yearList()->currentText(), QString("1996"));
    EXPECT_EQ(dialog.monthList()->currentIndex(), 2);
    EXPECT_EQ(dialog.dayList()->currentText(), QString("5"));
    EXPECT_EQ(dialog.hourList()->currentText(), QString("21"));
}

TEST(DateDialog, February29ThenANonLeapYearGivesFebruary28) {
    date2 d = makeDate(2000, 2, 29, 12, 0);
    TDialogDate dialog(d);
    EXPECT_EQ(dialog.dayList()->count(), 29);
    EXPECT_EQ(dialog.dayList()->currentText(), QString("29"));
    dialog.yearList()->setCurrentIndex(2001 + 100);
    EXPECT_EQ(dialog.dayList()->count(), 28);
    EXPECT_EQ(dialog.dayList()->currentText(), QString("28"));
    // 1900 is divisible by 4: the lists give February 29 days (no century rule).
    dialog.yearList()->setCurrentIndex(1900 + 100);
    EXPECT_EQ(dialog.dayList()->count(), 29);
    EXPECT_EQ(dialog.dayList()->currentText(), QString("28"));
}

TEST(DateDialog, ThirtyFirstInAShortMonthBecomesThirtieth) {
    date2 d = makeDate(1999, 1, 31, 0, 0);
    TDialogDate dialog(d);
    dialog.monthList()->setCurrentIndex(3); // April
    EXPECT_EQ(dialog.dayList()->count(), 30);
    EXPECT_EQ(dialog.dayList()->currentText(), QString("30"));
    dialog.monthList()->setCurrentIndex(1); // February of 1999
    EXPECT_EQ(dialog.dayList()->count(), 28);
    EXPECT_EQ(dialog.dayList()->currentText(), QString("28"));
    dialog.monthList()->setCurrentIndex(6); // July: the days come back, the selection stays
    EXPECT_EQ(dialog.dayList()->count(), 31);
    EXPECT_EQ(dialog.dayList()->currentText(), QString("28"));
}

TEST(DateDialog, OkSetsTheDateAndKeepsTheMinute) {
    date2 d = makeDate(1996, 3, 5, 21, 30);
    TDialogDate dialog(d);
    dialog.yearList()->setCurrentIndex(-44 + 100);
    dialog.monthList()->setCurrentIndex(2);
    dialog.dayList()->setCurrentIndex(14);
    dialog.hourList()->setCurrentIndex(6);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(d.annee, -44);
    EXPECT_EQ(d.mois, 3);
    EXPECT_EQ(d.jour, 15);
    EXPECT_EQ(d.heure, 6);
    EXPECT_EQ(d.minute, 30);
    const date2 same = makeDate(-44, 3, 15, 6, 30);
    EXPECT_EQ(d.t, same.t);
}

TEST(DateDialog, CancelLeavesTheDate) {
    date2 d = makeDate(1996, 3, 5, 21, 30);
    d.ajouteMinutes(7); // an instant whose calendar fields lag behind
    const date2 before = d;
    TDialogDate dialog(d);
    dialog.yearList()->setCurrentIndex(5);
    dialog.reject();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(d.t, before.t);
    EXPECT_EQ(d.annee, 1996);
}

// --- localisation dialog ------------------------------------------------------------------------------

class Localisation : public ::testing::Test {
protected:
    void SetUp() override {
        ini = freshIni("localisation");
        sys.cityNumber = 0;
        sys.latitude = 45.90;
        sys.longitude = -6.13;
        std::snprintf(sys.cityName, sizeof sys.cityName, "France-Annecy");
        sys.computerCityNumber = 0;
        std::snprintf(sys.computerCityName, sizeof sys.computerCityName, "France-Annecy");
        sys.computerTimeZone = 26;
        sys.observerTimeZone = 26;
        sys.season = 0;
        date = makeDate(2026, 12, 9, 10, 0);
        date.decalageOrdinateur = 1;
        date.decalageLieu = 1;
        date.saison = 0;
    }
    std::unique_ptr<TDialogLocalisation> open() {
        return std::make_unique<TDialogLocalisation>(localisationXfer{&date, &sys}, testCities(), ini, pays,
                                                     &prompter);
    }
    systeme sys;
    date2 date;
    std::string ini;
    std::string pays = testPays();
    RecordingPrompter prompter;
};

TEST_F(Localisation, OpensOnTheStoredPlace) {
    auto dlg = open();
    EXPECT_EQ(dlg->windowTitle(), QString("Localization"));
    EXPECT_EQ(dlg->observerList()->count(), 5);
    EXPECT_EQ(dlg->observerList()->itemText(4), QString("Other"));
    EXPECT_EQ(dlg->observerList()->currentIndex(), 0);
    EXPECT_EQ(dlg->longitudeEdit()->text(), QString("-6.130000"));
    EXPECT_EQ(dlg->latitudeEdit()->text(), QString("45.900000"));
    EXPECT_EQ(dlg->seasonList()->itemText(0), QString("of winter"));
    EXPECT_EQ(dlg->seasonList()->itemText(1), QString("of summer"));
    EXPECT_EQ(dlg->computerZoneList()->count(), 48);
    EXPECT_EQ(dlg->computerZoneList()->currentText(), QString("+ 1 h"));
    EXPECT_EQ(dlg->observerZoneList()->itemText(23), QString("- 0 h 30"));
}

TEST_F(Localisation, ObserverCityGivesItsCoordinatesAndZone) {
    auto dlg = open();
    dlg->observerList()->setCurrentIndex(1); // Japan-Tokyo
    EXPECT_EQ(dlg->latitudeEdit()->text(), QString("35.680000"));
    EXPECT_EQ(dlg->longitudeEdit()->text(), QString("-139.690000"));
    EXPECT_DOUBLE_EQ(date.decalageLieu, 9.0);
    EXPECT_EQ(dlg->observerZoneList()->currentIndex(), 42);
    EXPECT_EQ(dlg->observerList()->currentIndex(), 1); // the update did not switch to "Other"
    // A country missing from "pays.syt" keeps the previous offset and entry.
    dlg->observerList()->setCurrentIndex(3);
    EXPECT_DOUBLE_EQ(date.decalageLieu, 9.0);
    EXPECT_EQ(dlg->observerZoneList()->currentIndex(), 42);
}

TEST_F(Localisation, ComputerPlaceNoLongerMovesTheClock) {
    auto dlg = open();
    const date2 before = date;
    dlg->computerList()->setCurrentIndex(1); // Japan: +9 h
    EXPECT_EQ(dlg->computerZoneList()->currentIndex(), 42);
    dlg->computerZoneList()->setCurrentIndex(24); // + 0 h
    // The clock is read in UT: the instant and the computer's offset stay.
    EXPECT_EQ(date.t, before.t);
    EXPECT_EQ(date.heure, 10);
    EXPECT_DOUBLE_EQ(date.decalageOrdinateur, 1.0);
}

TEST_F(Localisation, SeasonChangeRecomputesBothOffsets) {
    auto dlg = open();
    dlg->computerList()->setCurrentIndex(2); // United Kingdom: 0 in winter, 1 in summer
    dlg->observerList()->setCurrentIndex(2);
    const date2 before = date;
    dlg->seasonList()->setCurrentIndex(1);
    EXPECT_EQ(date.saison, 1);
    EXPECT_DOUBLE_EQ(date.decalageLieu, 1.0);
    EXPECT_EQ(dlg->computerZoneList()->currentIndex(), 26);
    EXPECT_EQ(dlg->observerZoneList()->currentIndex(), 26);
    EXPECT_EQ(date.t, before.t);
}

TEST_F(Localisation, AutomaticSeasonGivesTheCityZoneAndStaysThroughOk) {
    sys.season = -1;
    // 2026-10-15: summer time in France, though the month rule of "pays.syt" says winter.
    date = makeDate(2026, 10, 15, 12, 0);
    date.saison = -1;
    auto dlg = open();
    dlg->observerList()->setCurrentIndex(1); // Japan-Tokyo: Asia/Tokyo, +9 h
    EXPECT_EQ(dlg->observerZoneList()->currentIndex(), 42);
    dlg->observerList()->setCurrentIndex(0); // France-Annecy: Europe/Paris, +2 h
    EXPECT_EQ(dlg->observerZoneList()->currentIndex(), 28);
    dlg->accept();
    ASSERT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(sys.season, -1);
    EXPECT_EQ(profileReadInt(ini, "Heure", "Saison", -5), -1);
    ASSERT_TRUE(date.zoneLieu);
    EXPECT_EQ(date.zoneLieu->name(), "Europe/Paris");
    EXPECT_DOUBLE_EQ(date.placeOffset_h(), 2.0);
}

TEST_F(Localisation, AChosenSeasonCanGoBackToTheCityZone) {
    sys.season = 0;
    // 2026-10-15 12:00 UT: Europe/Paris is still on summer time, +2 h (tzdata: until 25 October).
    date = makeDate(2026, 10, 15, 12, 0);
    date.saison = 0;
    auto dlg = open();
    EXPECT_EQ(dlg->seasonList()->count(), 3);
    EXPECT_EQ(dlg->seasonList()->currentIndex(), 0);
    dlg->observerList()->setCurrentIndex(0); // France-Annecy
    EXPECT_EQ(dlg->observerZoneList()->currentText(), QString("+ 1 h"));
    dlg->seasonList()->setCurrentIndex(2);
    EXPECT_EQ(date.saison, -1);
    EXPECT_EQ(dlg->observerZoneList()->currentText(), QString("+ 2 h"));
    dlg->accept();
    ASSERT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(sys.season, -1);
    EXPECT_EQ(profileReadInt(ini, "Heure", "Saison", -5), -1);
    EXPECT_DOUBLE_EQ(date.placeOffset_h(), 2.0);
}

TEST_F(Localisation, OkWritesEveryKeyAndTypedLongitudeIsHundredths) {
    auto dlg = open();
    dlg->longitudeEdit()->setText("-6.2");
    emit dlg->longitudeEdit()->textEdited("-6.2"); // the user's typing selects "Other"
    EXPECT_EQ(dlg->observerList()->currentIndex(), 4);
    dlg->latitudeEdit()->setText("45.9");
    dlg->computerList()->setCurrentIndex(1);
    dlg->accept();
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(sys.cityNumber, 4);
    EXPECT_STREQ(sys.cityName, "Other");
    EXPECT_DOUBLE_EQ(sys.longitude, -6.2);
    EXPECT_EQ(profileReadInt(ini, "Position", "Longitude", 0), 17380);
    EXPECT_EQ(profileReadInt(ini, "Position", "Latitude", 0), 4590);
    EXPECT_EQ(profileReadInt(ini, "Position", "N\xB0 ville", 0), 4);
    EXPECT_EQ(profileReadString(ini, "Position", "Ville", ""), "Other");
    EXPECT_EQ(profileReadInt(ini, "Position ordinateur", "N\xB0 ville", 0), 1);
    EXPECT_EQ(profileReadString(ini, "Position ordinateur", "Ville", ""), "Japan-Tokyo");
    EXPECT_EQ(profileReadInt(ini, "Heure", "Lieu de l'ordinateur", 0), 42);
    EXPECT_EQ(profileReadInt(ini, "Heure", "Lieu d'observation", 0), 26);
    EXPECT_EQ(profileReadInt(ini, "Heure", "Saison", -5), 0);
    // The keys' bytes in the file, section and key as Windows-1252.
    std::ifstream in(ini, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(bytes.find("N\xB0 ville=4"), std::string::npos);
    EXPECT_NE(bytes.find("Longitude=17380"), std::string::npos);
    // Read back: -6.20.
    systeme again;
    readPlaceSettings(ini, again);
    EXPECT_NEAR(again.longitude, -6.20, 1e-9);
    EXPECT_NEAR(again.latitude, 45.90, 1e-9);
    EXPECT_DOUBLE_EQ(date.decalageLieu, 1.0);
    EXPECT_FALSE(date.zoneLieu);
}

TEST_F(Localisation, RefusedCoordinatesAreToldAndNothingChanges) {
    auto dlg = open();
    dlg->observerList()->setCurrentIndex(4);
    dlg->latitudeEdit()->setText("95");
    dlg->longitudeEdit()->setText("10");
    dlg->accept();
    EXPECT_NE(dlg->result(), QDialog::Accepted);
    ASSERT_EQ(prompter.messageCount(), 1);
    EXPECT_NE(prompter.entries[0].text.find("latitude"), std::string::npos);
    EXPECT_EQ(sys.cityNumber, 0);
    EXPECT_DOUBLE_EQ(sys.latitude, 45.90);
    EXPECT_FALSE(fs::exists(ini));
    dlg->latitudeEdit()->setText("-33.9");
    dlg->longitudeEdit()->setText("181");
    dlg->accept();
    EXPECT_NE(dlg->result(), QDialog::Accepted);
    EXPECT_NE(prompter.entries.back().text.find("longitude"), std::string::npos);
    dlg->longitudeEdit()->setText("abc");
    dlg->accept();
    EXPECT_NE(dlg->result(), QDialog::Accepted);
    // Bounds themselves are accepted.
    dlg->latitudeEdit()->setText("-90");
    dlg->longitudeEdit()->setText("180");
    dlg->accept();
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_DOUBLE_EQ(sys.latitude, -90);
    EXPECT_DOUBLE_EQ(sys.longitude, 180);
}

TEST_F(Localisation, CancelRestoresTheDate) {
    auto dlg = open();
    const date2 before = date;
    dlg->computerList()->setCurrentIndex(1);
    dlg->observerList()->setCurrentIndex(1);
    dlg->reject();
    EXPECT_EQ(date.t, before.t);
    EXPECT_EQ(date.heure, before.heure);
    EXPECT_DOUBLE_EQ(date.decalageOrdinateur, 1.0);
    EXPECT_DOUBLE_EQ(date.decalageLieu, 1.0);
    EXPECT_FALSE(fs::exists(ini));
}

// --- magnitude dialogs ---------------------------------------------------------------------------------

TEST(MagnitudeDialog, ScrollSetsTheMagnitudeAtOnceAndOkWritesIt) {
    const std::string ini = freshIni("magnitude");
    ParametreAffichage o;
    TDialogMagnitude dlg(o, ini);
    EXPECT_EQ(dlg.windowTitle(), QString("Magnitude"));
    // The dialog says how deep its limit can go.
    const QLabel* note = dlg.findChild<QLabel*>("depthNote");
    ASSERT_NE(note, nullptr);
    EXPECT_TRUE(note->text().contains("magnitude 6"));
    EXPECT_NE(TDialogCatalogueMagnitude(o, ini).findChild<QLabel*>("depthNote"), nullptr);
    EXPECT_EQ(dlg.scrollBar()->minimum(), 0);
    EXPECT_EQ(dlg.scrollBar()->maximum(), 110);
    EXPECT_EQ(dlg.scrollBar()->value(), 80);
    EXPECT_EQ(dlg.field()->text(), QString("6.0  "));
    dlg.scrollBar()->setValue(95);
    EXPECT_DOUBLE_EQ(o.starMagnitude, 7.5);
    EXPECT_EQ(dlg.field()->text(), QString("7.5  "));
    dlg.scrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_NEAR(o.starMagnitude, 8.5, 1e-12);
    dlg.scrollBar()->setValue(0);
    EXPECT_NEAR(o.starMagnitude, -2.0, 1e-12);
    EXPECT_EQ(dlg.field()->text(), QString("-2.0  "));
    dlg.scrollBar()->setValue(29);
    dlg.automatic()->setChecked(false);
    EXPECT_FALSE(o.autoMagnitude);
    dlg.accept();
    EXPECT_EQ(profileReadString(ini, "Affichage", "Magnitude automatique", ""), "0");
    EXPECT_EQ(profileReadInt(ini, "Affichage", "Magnitude", 0), 90); // 0.9 as hundredths
    const DisplaySettings back = readDisplaySettings(ini);
    EXPECT_NEAR(back.starMagnitude, 0.9, 1e-9);
    EXPECT_FALSE(back.autoMagnitude);
}

TEST(MagnitudeDialog, ClosingWritesWhatIsShown) {
    const std::string ini = freshIni("magnitude_close");
    ParametreAffichage o;
    TDialogMagnitude dlg(o, ini);
    dlg.scrollBar()->setValue(110);
    dlg.reject(); // no Cancel: closing keeps and writes the shown magnitude
    EXPECT_EQ(profileReadInt(ini, "Affichage", "Magnitude", 0), 900);
    EXPECT_EQ(profileReadString(ini, "Affichage", "Magnitude automatique", ""), "1");
}

TEST(CatalogueMagnitudeDialog, ThreeBarsAndTheirKeys) {
    const std::string ini = freshIni("gsc");
    ParametreAffichage o;
    TDialogCatalogueMagnitude dlg(o, ini);
    EXPECT_EQ(dlg.starBar()->maximum(), 110);
    EXPECT_EQ(dlg.gscMinBar()->maximum(), 180);
    EXPECT_EQ(dlg.gscMaxBar()->maximum(), 180);
    EXPECT_EQ(dlg.gscMinBar()->value(), 180); // 16.0
    EXPECT_EQ(dlg.gscMaxBar()->value(), 0);   // -2.0
    EXPECT_EQ(dlg.starField()->text(), QString("6.00  "));
    EXPECT_EQ(dlg.gscMinField()->text(), QString("16.00  "));
    dlg.gscMinBar()->setValue(140);
    dlg.gscMaxBar()->setValue(50);
    EXPECT_DOUBLE_EQ(o.gscMinMagnitude, 12.0);
    EXPECT_DOUBLE_EQ(o.gscMaxMagnitude, 3.0);
    EXPECT_EQ(dlg.gscMaxField()->text(), QString("3.00  "));
    // The brightest bound pushed past the faintest takes it along.
    dlg.gscMaxBar()->setValue(160);
    EXPECT_DOUBLE_EQ(o.gscMinMagnitude, 14.0);
    dlg.accept();
    EXPECT_EQ(profileReadInt(ini, "Affichage", "Magnitude Maximale GSC", 0), 1400);
    EXPECT_EQ(profileReadInt(ini, "Affichage", "Magnitude Minimale GSC", 0), 1400);
    EXPECT_EQ(profileReadInt(ini, "Affichage", "Magnitude", 0), 600);
    EXPECT_EQ(profileReadString(ini, "Affichage", "Magnitude automatique", ""), "1");
}

// --- catalogue dialog ----------------------------------------------------------------------------------

TEST(CatalogueDialog, BoxesDrivesAndKeys) {
    const std::string ini = freshIni("catalogue");
    CatalogueSettings s;
    s.useStar7 = 1;
    TCatalogueDialog dlg(s, ini, {2, 3, 4});
    EXPECT_EQ(dlg.windowTitle(), QString("Catalogs"));
    EXPECT_EQ(dlg.checkBox(0)->text(), QString("Guide Star Catalog  (magnitude 16)"));
    EXPECT_EQ(dlg.checkBox(6)->text(), QString("Messier picture"));
    EXPECT_FALSE(dlg.checkBox(1)->isChecked());
    EXPECT_TRUE(dlg.checkBox(2)->isChecked());
    ASSERT_EQ(dlg.driveList()->count(), 3);
    EXPECT_EQ(dlg.driveList()->itemText(0), QString("c:"));
    EXPECT_EQ(dlg.driveList()->currentText(), QString("d:"));
    dlg.checkBox(0)->setChecked(true);
    dlg.checkBox(4)->setChecked(true);
    dlg.checkBox(2)->setChecked(false);
    EXPECT_EQ(s.useGsc, 1);
    EXPECT_EQ(s.useNgc, 1);
    EXPECT_EQ(s.useStar7, 0);
    dlg.driveList()->setCurrentIndex(2);
    EXPECT_EQ(s.cdromDrive, 4);
    dlg.accept();
    const CatalogueSettings back = readCatalogueSettings(ini);
    EXPECT_EQ(back.useGsc, 1);
    EXPECT_EQ(back.cdromDrive, 4);
    EXPECT_EQ(back.useStar6, 0);
    EXPECT_EQ(back.useStar7, 0);
    EXPECT_EQ(back.useNgc, 1);
    EXPECT_EQ(back.usePlanetPictures, 0);
}

TEST(CatalogueDialog, StoredDriveIsAlwaysOffered) {
    CatalogueSettings s;
    s.cdromDrive = 7;
    TCatalogueDialog dlg(s, freshIni("catalogue_drive"), {3});
    ASSERT_EQ(dlg.driveList()->count(), 2);
    EXPECT_EQ(dlg.driveList()->currentText(), QString("h:"));
}

// --- first start and restart -----------------------------------------------------------------------------

TEST(Settings, FirstStartWithoutIniUsesTheDefaults) {
    const std::string ini = freshIni("first");
    RecordingPrompter prompter;
    MainFrame main(&prompter);
    ASSERT_TRUE(main.create(ini));
    const systeme& sys = *main.window()->sys;
    EXPECT_EQ(sys.cityNumber, 31);
    EXPECT_DOUBLE_EQ(sys.latitude, 45.90);
    EXPECT_NEAR(sys.longitude, -6.20, 1e-9);
    EXPECT_STREQ(sys.cityName, "France-Annecy");
    EXPECT_EQ(sys.computerTimeZone, 26);
    EXPECT_EQ(sys.observerTimeZone, 26);
    EXPECT_EQ(sys.season, -1);
    EXPECT_DOUBLE_EQ(sys.cometMagLimit, 7.0);
    EXPECT_EQ(sys.catalogueSettings->useGsc + sys.catalogueSettings->useStar6 + sys.catalogueSettings->useStar7 +
                  sys.catalogueSettings->useStar8 + sys.catalogueSettings->useNgc,
              0);
    EXPECT_DOUBLE_EQ(main.window()->options->starMagnitude, 6.0);
    EXPECT_TRUE(main.window()->options->autoMagnitude);
    EXPECT_FALSE(fs::exists(ini)); // reading writes nothing
}

TEST(Settings, ChangesSurviveARestart) {
    const std::string ini = freshIni("restart");
    RecordingPrompter prompter;
    {
        MainFrame main(&prompter);
        ASSERT_TRUE(main.create(ini));
        TPlanetariumWindow& w = *main.window();
        std::vector<City> cities = readCities();
        ASSERT_GT(cities.size(), 40u);
        TDialogLocalisation loc(localisationXfer{w.date.get(), w.sys.get()}, cities, ini, "", &prompter);
        loc.observerList()->setCurrentIndex(40);
        loc.accept();
        ASSERT_EQ(loc.result(), QDialog::Accepted);
        TDialogMagnitude mag(*w.options, ini);
        mag.scrollBar()->setValue(75);
        mag.automatic()->setChecked(false);
        mag.accept();
    }
    MainFrame again(&prompter);
    ASSERT_TRUE(again.create(ini));
    const systeme& sys = *again.window()->sys;
    const std::vector<City> cities = readCities();
    EXPECT_EQ(sys.cityNumber, 40);
    EXPECT_EQ(std::string(sys.cityName), cities[40].name.substr(0, 29));
    EXPECT_NEAR(sys.latitude, cities[40].latitude, 0.01);
    EXPECT_NEAR(sys.longitude, cities[40].longitude, 0.01);
    EXPECT_NEAR(again.window()->options->starMagnitude, 5.5, 1e-9);
    EXPECT_FALSE(again.window()->options->autoMagnitude);
}

TEST(Settings, AFailedWriteIsToldAndTheOldFileStays) {
    // The settings file's folder is a regular file: nothing can be written there, root included.
    const fs::path dir = fs::temp_directory_path() / "nalvo_dialogs_unwritable";
    fs::remove_all(dir);
    fs::create_directories(dir);
    std::ofstream(dir / "config") << "a file, not a folder";
    const std::string ini = (dir / "config" / "Nalvo.ini").string();
    RecordingPrompter prompter;
    MainFrame main(&prompter);
    ASSERT_TRUE(main.create(ini));
    TPlanetariumWindow& w = *main.window();
    prompter.clear();
    const auto saved = commands::dialogRunner();
    commands::dialogRunner() = [](QDialog& d) {
        if (auto* mag = dynamic_cast<TDialogMagnitude*>(&d)) mag->scrollBar()->setValue(75);
        d.accept();
        return d.result();
    };
    settingscommands::openMagnitude(w);
    settingscommands::openCatalogue(w);
    commands::dialogRunner() = saved;
    ASSERT_EQ(prompter.messageCount(), 2);
    for (const auto& e : prompter.entries) {
        EXPECT_EQ(e.caption, "Nalvo -- Error");
        EXPECT_NE(e.text.find("The settings could not be saved"), std::string::npos) << e.text;
        EXPECT_NE(e.text.find("cannot write " + ini + " (no temporary file in " + (dir / "config").string() +
                              "): not a directory"),
                  std::string::npos)
            << e.text;
    }
    // The value is used all the same, and the blocking file is as it was.
    EXPECT_NEAR(w.options->starMagnitude, 5.5, 1e-9);
    std::ifstream in(dir / "config");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "a file, not a folder");
}
