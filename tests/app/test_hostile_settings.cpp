// SPDX-License-Identifier: GPL-3.0-or-later
// A "Nalvo.ini" edited by hand into nonsense: the program starts through its own start-up path
// with sound values (each bad key back to its default or brought into its range), and the
// legend of the sky view shows them.
#include "app/application.h"
#include "app/window.h"
#include "catalog/prompter.h"
#include "catalog/systeme.h"
#include "gfx/parametre_affichage.h"
#include "gfx/recording_canvas.h"

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>

namespace fs = std::filesystem;

namespace {

// The user's settings folder pointed at a folder of the test's own, holding `ini` as nalvo/Nalvo.ini.
class UserSettings {
  public:
    explicit UserSettings(const std::string& name, const std::string& ini) {
        const char* before = std::getenv("XDG_CONFIG_HOME");
        saved_ = before ? before : "";
        dir_ = fs::temp_directory_path() / ("nalvo_hostile_" + name);
        fs::remove_all(dir_);
        fs::create_directories(dir_ / "nalvo");
        std::ofstream(dir_ / "nalvo" / "Nalvo.ini", std::ios::binary) << ini;
        setenv("XDG_CONFIG_HOME", dir_.c_str(), 1);
    }
    ~UserSettings() { setenv("XDG_CONFIG_HOME", saved_.c_str(), 1); }

  private:
    fs::path dir_;
    std::string saved_;
};

// The legend lines of sky view `view` at 2026-03-10 12:00 UT, drawn by the window's own redraw:
// the text after "Name : " for each name.
std::map<std::string, std::string> legendOf(TPlanetariumWindow& w, int view, gfx::RecordingCanvas*& drawn) {
    w.date->annee = 2026;
    w.date->mois = 3;
    w.date->jour = 10;
    w.date->heure = 12;
    w.date->minute = 0;
    w.date->calculeT();
    auto canvas = std::make_unique<gfx::RecordingCanvas>(TPlanetariumWindow::kBufferWidth,
                                                         TPlanetariumWindow::kBufferHeight);
    drawn = canvas.get();
    w.options->attach(*canvas);
    w.sys->clientDC = canvas.get();
    w.memDC[0] = std::move(canvas);
    w.view = view;
    w.showLegend = true;
    w.updateMapWidth();
    w.redraw();
    std::map<std::string, std::string> lines;
    for (const gfx::DrawCall& c : drawn->calls()) {
        if (c.kind != gfx::DrawCall::Kind::Text) continue;
        const auto at = c.text.find(" : ");
        if (at != std::string::npos) lines[c.text.substr(0, at)] = c.text.substr(at + 3);
    }
    return lines;
}

bool finiteText(const std::string& s) {
    for (const char* bad : {"nan", "inf", "NAN", "INF"})
        if (s.find(bad) != std::string::npos) return false;
    return true;
}

} // namespace

TEST(HostileSettings, HugeCoordinatesAZoneOffTheListAndALongCityName) {
    const std::string city(400, 'W');
    UserSettings user("issue", "[Position]\r\nLatitude=999999999999\r\nLongitude=-77777777\r\nVille=" + city +
                                   "\r\n[Heure]\r\nLieu d'observation=-90\r\n");
    RecordingPrompter prompter;
    MainFrame main(&prompter);
    ASSERT_TRUE(main.create(""));
    EXPECT_TRUE(prompter.entries.empty());
    TPlanetariumWindow& w = *main.window();
    // Out-of-range keys give their defaults: Annecy's 45.90 N, 6.20 E, and GMT + 1 h.
    EXPECT_DOUBLE_EQ(w.sys->latitude, 45.90);
    EXPECT_NEAR(w.sys->longitude, -6.20, 1e-9);
    EXPECT_EQ(w.sys->observerTimeZone, 26);
    EXPECT_DOUBLE_EQ(w.date->decalageLieu, 1.0);
    EXPECT_EQ(std::string(w.sys->cityName), city.substr(0, 29));

    gfx::RecordingCanvas* drawn = nullptr;
    const auto legend = legendOf(w, 10, drawn);
    EXPECT_EQ(legend.at("Latitude"), "45.90\xB0");
    EXPECT_EQ(legend.at("Longitude"), "-6.20\xB0");
    EXPECT_EQ(legend.at("UT"), "12h0 10/3/2026");
    EXPECT_EQ(legend.at("Local time"), "13h0 10/3/2026");
    // The city is cut to the panel and says so.
    const std::string shown = legend.at("City");
    EXPECT_TRUE(shown.starts_with("WWWW")) << shown;
    EXPECT_TRUE(shown.ends_with("...")) << shown;
    for (const gfx::DrawCall& c : drawn->calls())
        if (c.kind == gfx::DrawCall::Kind::Text && c.text.starts_with("City : ")) {
            EXPECT_LE(c.points.at(0).x + drawn->textExtent(c.text).width, w.clientWidth()) << c.text;
        }
}

TEST(HostileSettings, AbsurdValuesFallBackOrAreBroughtIntoRange) {
    UserSettings user("absurd",
                      "[Position]\nLatitude=1e308\nLongitude=NaN\nN\xB0 ville=-1\nVille=\x01\x02\t\n"
                      "[Position ordinateur]\nN\xB0 ville=100000\n"
                      "[Heure]\nLieu de l'ordinateur=48\nSaison=5\n"
                      "[Asteroides]\nMagnitude Maximale=1000000000\n"
                      "[Affichage]\nMagnitude=-5000\nMagnitude Maximale GSC=1e9\n"
                      "Magnitude Minimale GSC=99999999999999999999\nTaille des icones=-4\n"
                      "[Catalogue]\nNGC=7\nCD-ROM Drive=-3\nMagnitude 6=1\n"
                      // Keys the program does not keep: a window size and a date.
                      "[Fenetre]\nLargeur=0\nHauteur=100000\n[Date]\nAnnee=1000000\n");
    RecordingPrompter prompter;
    MainFrame main(&prompter);
    ASSERT_TRUE(main.create(""));
    EXPECT_TRUE(prompter.entries.empty());
    TPlanetariumWindow& w = *main.window();
    const systeme& sys = *w.sys;
    EXPECT_DOUBLE_EQ(sys.latitude, 45.90); // not whole numbers: the defaults
    EXPECT_NEAR(sys.longitude, -6.20, 1e-9);
    EXPECT_EQ(sys.cityNumber, 31);
    EXPECT_STREQ(sys.cityName, "France-Annecy"); // nothing printable was left
    EXPECT_EQ(sys.computerCityNumber, 100000);   // past the list: "Other" in the dialogs
    EXPECT_EQ(sys.computerTimeZone, 26);
    EXPECT_EQ(sys.season, -1);                        // the automatic season, as for -1
    EXPECT_DOUBLE_EQ(sys.cometMagLimit, 20.0);        // the asteroid dialog's faintest
    EXPECT_DOUBLE_EQ(w.options->starMagnitude, -2.0); // the magnitude dialog's brightest
    EXPECT_DOUBLE_EQ(w.options->gscMaxMagnitude, -2.0);
    EXPECT_DOUBLE_EQ(w.options->gscMinMagnitude, 16.0);
    EXPECT_EQ(w.options->iconSize, 0);
    EXPECT_EQ(sys.catalogueSettings->useNgc, 0);
    EXPECT_EQ(sys.catalogueSettings->cdromDrive, 3);
    EXPECT_EQ(sys.catalogueSettings->useStar6, 1); // a sound key is kept
    EXPECT_EQ(w.clientWidth(), TPlanetariumWindow::kInitialWidth);
    EXPECT_EQ(w.clientHeight(), TPlanetariumWindow::kInitialHeight);
    EXPECT_LT(w.date->annee, 3000);
    // Every sky view and the heliocentric view draw finite values.
    for (int view : {10, 11, 12, 13, 14, 20}) {
        gfx::RecordingCanvas* drawn = nullptr;
        const auto legend = legendOf(w, view, drawn);
        for (const gfx::DrawCall& c : drawn->calls())
            if (c.kind == gfx::DrawCall::Kind::Text) {
                EXPECT_TRUE(finiteText(c.text)) << view << ": " << c.text;
            }
        if (view < 20) {
            EXPECT_EQ(legend.at("Latitude"), "45.90\xB0") << view;
        }
    }
}

TEST(HostileSettings, RandomBytesStartWithTheDefaults) {
    std::string bytes;
    unsigned state = 12345;
    for (int k = 0; k < 8192; ++k) {
        state = state * 1103515245u + 12345u;
        bytes += char(state >> 16);
    }
    // Random bytes alone, then random bytes as the values of real keys.
    for (const std::string& ini :
         {bytes, "[Position]\nLatitude=" + bytes.substr(0, 300) + "\nVille=" + bytes.substr(300, 300) +
                     "\n[Heure]\nSaison=" + bytes.substr(600, 50) +
                     "\n[Affichage]\nMagnitude=" + bytes.substr(700, 40) + "\n"}) {
        UserSettings user("random", ini);
        RecordingPrompter prompter;
        MainFrame main(&prompter);
        ASSERT_TRUE(main.create(""));
        TPlanetariumWindow& w = *main.window();
        EXPECT_DOUBLE_EQ(w.sys->latitude, 45.90);
        EXPECT_NEAR(w.sys->longitude, -6.20, 1e-9);
        EXPECT_EQ(w.sys->observerTimeZone, 26);
        EXPECT_DOUBLE_EQ(w.options->starMagnitude, 6.0);
        for (const char* c = w.sys->cityName; *c; ++c)
            EXPECT_GE(static_cast<unsigned char>(*c), 0x20);
        gfx::RecordingCanvas* drawn = nullptr;
        const auto legend = legendOf(w, 13, drawn);
        EXPECT_EQ(legend.at("Latitude"), "45.90\xB0");
    }
}
