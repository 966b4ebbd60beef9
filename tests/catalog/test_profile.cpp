// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstring>

#include "catalog/profile.h"
#include "catalog/settings.h"
#include "catalog/systeme.h"
#include "test_util.h"

TEST(Profile, MissingFileGivesDefaults) {
    TempDir t;
    const std::string ini = t.path("none/Nalvo.ini");
    EXPECT_EQ(profileReadInt(ini, "Position", "Latitude", 4590), 4590);
    EXPECT_EQ(profileReadString(ini, "Position", "Ville", "France-Annecy", 29), "France-Annecy");
}

TEST(Profile, IntegerIsTheLeadingDecimalNumber) {
    TempDir t;
    const std::string ini =
        t.write("Nalvo.ini", "[Affichage]\r\nMagnitude=650xyz\r\nA=abc\r\nB= -200 \r\nC=+7\r\n");
    EXPECT_EQ(profileReadInt(ini, "Affichage", "Magnitude", 600), 650);
    EXPECT_EQ(profileReadInt(ini, "Affichage", "A", 5), 0);
    EXPECT_EQ(profileReadInt(ini, "Affichage", "B", 5), -200);
    EXPECT_EQ(profileReadInt(ini, "Affichage", "C", 5), 7);
    EXPECT_EQ(profileReadInt(ini, "Affichage", "D", 5), 5);
    EXPECT_EQ(profileReadInt(ini, "Autre", "Magnitude", 5), 5);
}

TEST(Profile, SectionAndKeyNamesIgnoreAsciiCaseOnly) {
    TempDir t;
    const std::string ini = t.write("Nalvo.ini", "[position]\nn\xB0 VILLE=12\n");
    EXPECT_EQ(profileReadInt(ini, "Position", "N\xB0 ville", 31), 12);
    // The UTF-8 spelling of the degree sign is another key.
    EXPECT_EQ(profileReadInt(ini, "Position", "N\xC2\xB0 ville", 31), 31);
}

TEST(Profile, StringIsCutToItsLength) {
    TempDir t;
    const std::string ini =
        t.write("Nalvo.ini", "[Position]\nVille=  ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789  \n");
    EXPECT_EQ(profileReadString(ini, "Position", "Ville", "", 29), "ABCDEFGHIJKLMNOPQRSTUVWXYZ012");
}

TEST(Profile, WriteReplacesTheKeyAndKeepsEveryOtherLine) {
    TempDir t;
    const std::string before =
        "; my settings\r\n[Position]\r\nLatitude=4590\r\nfoo = bar \r\n\r\n[Heure]\r\nSaison=-1\r\n";
    const std::string ini = t.write("Nalvo.ini", before);
    ASSERT_TRUE(profileWriteString(ini, "Position", "Latitude", "4800"));
    EXPECT_EQ(t.read("Nalvo.ini"),
              "; my settings\r\n[Position]\r\nLatitude=4800\r\nfoo = bar \r\n\r\n[Heure]\r\nSaison=-1\r\n");
    // A new key goes to the end of its section, before the blank line.
    ASSERT_TRUE(profileWriteInt(ini, "Position", "N\xB0 ville", 7));
    EXPECT_EQ(t.read("Nalvo.ini"),
              "; my settings\r\n[Position]\r\nLatitude=4800\r\nfoo = bar \r\nN\xB0 ville=7\r\n\r\n"
              "[Heure]\r\nSaison=-1\r\n");
    // A new section goes to the end of the file.
    ASSERT_TRUE(profileWriteInt(ini, "Asteroides", "Magnitude Maximale", 650));
    EXPECT_EQ(profileReadInt(ini, "Asteroides", "Magnitude Maximale", 700), 650);
    EXPECT_EQ(profileReadInt(ini, "Heure", "Saison", 0), -1);
    const std::string after = t.read("Nalvo.ini");
    const std::string tail = "Saison=-1\r\n[Asteroides]\r\nMagnitude Maximale=650\r\n";
    ASSERT_GE(after.size(), tail.size());
    EXPECT_EQ(after.substr(after.size() - tail.size()), tail);
}

TEST(Profile, WriteCreatesFileAndDirectoryAndLeavesNoTemporaryFile) {
    TempDir t;
    const std::string ini = t.path("conf/nalvo/Nalvo.ini");
    ASSERT_TRUE(profileWriteString(ini, "Catalogue", "Images plan\xE8tes", "1"));
    EXPECT_EQ(t.read("conf/nalvo/Nalvo.ini"), "[Catalogue]\nImages plan\xE8tes=1\n");
    int files = 0;
    for (auto& e : std::filesystem::directory_iterator(t.path("conf/nalvo"))) {
        (void)e;
        ++files;
    }
    EXPECT_EQ(files, 1);
}

TEST(Profile, WriteRefusesLineBreaksInValues) {
    TempDir t;
    const std::string ini = t.path("Nalvo.ini");
    EXPECT_FALSE(profileWriteString(ini, "Position", "Ville", "Paris\n[Heure]"));
    EXPECT_FALSE(std::filesystem::exists(ini));
}

TEST(Settings, FirstStartWithoutIniUsesTheDefaults) {
    TempDir t;
    const std::string ini = t.path("Nalvo.ini");
    systeme sys;
    readPlaceSettings(ini, sys);
    EXPECT_EQ(sys.cityNumber, 31);
    EXPECT_DOUBLE_EQ(sys.latitude, 45.90);
    EXPECT_NEAR(sys.longitude, -6.20, 1e-12);
    EXPECT_STREQ(sys.cityName, "France-Annecy");
    EXPECT_EQ(sys.computerCityNumber, 31);
    EXPECT_STREQ(sys.computerCityName, "France-Annecy");
    EXPECT_EQ(sys.computerTimeZone, 26);
    EXPECT_EQ(sys.observerTimeZone, 26);
    EXPECT_EQ(sys.season, -1);
    const CatalogueSettings c = readCatalogueSettings(ini);
    EXPECT_EQ(c.cdromDrive, 3);
    EXPECT_EQ(c.useGsc + c.useStar6 + c.useStar7 + c.useStar8 + c.useNgc + c.usePlanetPictures +
                  c.useMessierPictures,
              0);
    EXPECT_DOUBLE_EQ(readCometMagLimit(ini), 7.0);
    const DisplaySettings d = readDisplaySettings(ini);
    EXPECT_DOUBLE_EQ(d.starMagnitude, 6.0);
    EXPECT_TRUE(d.autoMagnitude);
    EXPECT_DOUBLE_EQ(d.gscMinMagnitude, 16.0);
    EXPECT_DOUBLE_EQ(d.gscMaxMagnitude, -2.0);
    EXPECT_EQ(readBrowser(ini), "Aucun");
}

TEST(Settings, LongitudeMinusSixPointTwoIsStoredAs17380) {
    TempDir t;
    const std::string ini = t.path("Nalvo.ini");
    systeme sys;
    sys.longitude = -6.2;
    sys.latitude = 48.85;
    sys.cityNumber = 12;
    std::strcpy(sys.cityName, "France-Paris");
    writeObserverPlace(ini, sys);
    EXPECT_EQ(t.read("Nalvo.ini"),
              "[Position]\nN\xB0 ville=12\nLatitude=4885\nLongitude=17380\nVille=France-Paris\n");
    systeme back;
    readPlaceSettings(ini, back);
    EXPECT_NEAR(back.longitude, -6.20, 1e-12);
    EXPECT_NEAR(back.latitude, 48.85, 1e-12);
    EXPECT_STREQ(back.cityName, "France-Paris");
}

TEST(Settings, HundredthsTruncateTowardsZeroWithoutLosingRepresentableValues) {
    EXPECT_EQ(toHundredths(0.29), 29); // 0.29 * 100 is 28.999999999999996 in binary
    EXPECT_EQ(toHundredths(-2.0), -200);
    EXPECT_EQ(toHundredths(6.057), 605);
    EXPECT_EQ(toHundredths(-6.057), -605);
    EXPECT_EQ(toHundredths(173.8), 17380);
}

TEST(Settings, AutomaticMagnitudeIsOnOnlyForOne) {
    TempDir t;
    const std::string ini = t.write("Nalvo.ini", "[Affichage]\nMagnitude automatique=2\n");
    EXPECT_FALSE(readDisplaySettings(ini).autoMagnitude);
    writeMagnitudeSettings(ini, 7.5, true);
    EXPECT_TRUE(readDisplaySettings(ini).autoMagnitude);
    EXPECT_DOUBLE_EQ(readDisplaySettings(ini).starMagnitude, 7.5);
}

TEST(Settings, CatalogueKeysAreWrittenInTableOrder) {
    TempDir t;
    const std::string ini = t.path("Nalvo.ini");
    CatalogueSettings c;
    c.useGsc = 1;
    c.cdromDrive = 4;
    c.useStar7 = 1;
    writeCatalogueSettings(ini, c);
    EXPECT_EQ(t.read("Nalvo.ini"),
              "[Catalogue]\nCD-ROM Drive=4\nGuide Star Catalog=1\nMagnitude 6=0\nMagnitude 7=1\n"
              "Magnitude 8=0\nNGC=0\nImages plan\xE8tes=0\nImages Messier=0\n");
    const CatalogueSettings back = readCatalogueSettings(ini);
    EXPECT_EQ(back.cdromDrive, 4);
    EXPECT_EQ(back.useGsc, 1);
    EXPECT_EQ(back.useStar7, 1);
}

TEST(Settings, CometLimitIsWrittenAsFloorOfHundredths) {
    TempDir t;
    const std::string ini = t.path("Nalvo.ini");
    writeCometMagLimit(ini, 8.5);
    EXPECT_EQ(profileReadInt(ini, "Asteroides", "Magnitude Maximale", 0), 850);
    EXPECT_DOUBLE_EQ(readCometMagLimit(ini), 8.5);
}

TEST(Settings, TimeKeysRoundTrip) {
    TempDir t;
    const std::string ini = t.path("Nalvo.ini");
    systeme sys;
    sys.season = 1;
    sys.observerTimeZone = 23;
    sys.computerTimeZone = 28;
    writeTimeSettings(ini, sys);
    EXPECT_EQ(t.read("Nalvo.ini"), "[Heure]\nSaison=1\nLieu d'observation=23\nLieu de l'ordinateur=28\n");
    systeme back;
    readPlaceSettings(ini, back);
    EXPECT_EQ(back.season, 1);
    EXPECT_EQ(back.observerTimeZone, 23);
    EXPECT_EQ(back.computerTimeZone, 28);
}

TEST(Profile, GarbledAndOverlongFilesAreReadSafely) {
    TempDir t;
    std::string bytes = "[Position\n=12\n[]\nLatitude\n" + std::string(100000, 'x') + "\n[Position]\nLatitude=99999999999999\n"
                        "Ville=" + std::string(5000, 'v') + "\n";
    bytes[10] = '\0';
    const std::string ini = t.write("Nalvo.ini", bytes);
    EXPECT_EQ(profileReadInt(ini, "Position", "Latitude", 1), 2147483647); // saturated, no overflow
    EXPECT_EQ(profileReadString(ini, "Position", "Ville", "", 29), std::string(29, 'v'));
    ASSERT_TRUE(profileWriteInt(ini, "Position", "Latitude", 4590));
    EXPECT_EQ(profileReadInt(ini, "Position", "Latitude", 1), 4590);
    EXPECT_EQ(t.read("Nalvo.ini").size(), bytes.size() - 10); // only that value changed
}
