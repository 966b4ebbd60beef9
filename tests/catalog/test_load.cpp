// SPDX-License-Identifier: GPL-3.0-or-later
// Loading "Sys.syt" with small body files written by the tests.
#include <cstring>

#include "catalog/body_files.h"
#include "catalog/prompter.h"
#include "catalog/systeme.h"
#include "test_util.h"

namespace {

const char kSun[] = "\nNom:Soleil\nCouleur:jaune\nRayon:696000\n"
                    "L 279.69668 36000.76892 0.0003025 0\n"
                    "a 1 0\n"
                    "e 0.01675104 -0.0000418 -0.000000126 0\n"
                    "i 0\n"
                    "o 0\n"
                    "O 0\n"
                    "M 358.47583 35999.04975 -0.000150 -0.0000033 0\n"
                    "E 23.452294 -0.0130125 -0.00000164 0.000000503 0\n";

std::string planetFile(const std::string& name, int satellites, const std::string& satLines) {
    return "\nNom:" + name +
           "\nCouleur:rouge\nRayon:3397.2\n"
           "L 293.737334 19141.69551 0.0003107 0\n"
           "a 1.5236883 0\n"
           "e 0.09331290 0.000092064 -0.000000077 0\n"
           "i 1.850333 -0.0006750 0.0000126 0\n"
           "o 285.431761 1.0697667 0.0001313 0.00000414 0\n"
           "O 48.786442 0.7709917 -0.0000014 -0.00000533 0\n"
           "M 319.51913 19139.85475 0.000181 0\n"
           "Nombre de satellite(s):" +
           std::to_string(satellites) + "\n" + satLines + "Mag -1.52 1.6 0 0\n";
}

const char kMoon[] = "\nNom:Lune\nCouleur:blanc\nRayon:1738\n"
                     "L 270.434164 481267.8831 -0.001133 0.0000019 0\n"
                     "a 60.2665 0\n"
                     "e 0.054900489 0\n"
                     "i 5.1453964 0\n"
                     "o 334.329556 4069.0340 -0.010325 -0.0000125 0\n"
                     "O 259.183275 -1934.1420 0.002078 0.0000022 0\n"
                     "M 296.104608 477198.8491 0.009192 0.0000144 0\n"
                     "Mag 0.21 0 0 0\n";

struct DataSet {
    TempDir dir;
    DataSet() {
        dir.write("soleil.syt", kSun);
        dir.write("mercure.syt", planetFile("Mercure", 0, ""));
        dir.write("venus.syt", planetFile("Venus", 0, ""));
        dir.write("terre.syt", planetFile("Terre", 1, "Fichier du satellite:lune.syt\n"));
        dir.write("lune.syt", kMoon);
    }
    std::string sys(const std::string& body) { return dir.write("Sys.syt", body); }
    // A model that reads only the test's files.
    std::unique_ptr<systeme> model() const {
        auto s = std::make_unique<systeme>();
        s->lookupDirs = {dir.dir()};
        return s;
    }
    std::string ini() const { return dir.path("Nalvo.ini"); }
};

const char kSysBodies[] =
    "Fichier du soleil:soleil.syt\nNombre de planetes:3\n"
    "Fichier de la planete:mercure.syt\nFichier de la planete:venus.syt\nFichier de la planete:terre.syt\n";

} // namespace

TEST(BodyFiles, CoefficientListKeepsValuesUpToTheFirstZero) {
    auto f = memoryStream("L 280.46 36000.77 0\n");
    double L[4] = {9, 9, 9, 9};
    EXPECT_EQ(readCoefficientList(f.get(), "L %lf", L), 0);
    EXPECT_DOUBLE_EQ(L[0], 280.46);
    EXPECT_DOUBLE_EQ(L[1], 36000.77);
    EXPECT_EQ(L[2], 0.0);
    EXPECT_EQ(L[3], 0.0);
}

TEST(BodyFiles, ListWhoseSecondValueIsZeroKeepsOnlyItsConstant) {
    auto f = memoryStream("a 1.5 0 7 8\n");
    double a[4] = {};
    readCoefficientList(f.get(), "a %lf", a);
    EXPECT_DOUBLE_EQ(a[0], 1.5);
    EXPECT_EQ(a[1], 0.0);
    EXPECT_EQ(a[2], 0.0);
    // The values after the zero are left for the next pattern.
    int next = 0;
    EXPECT_EQ(scanFile(f.get(), " %d", {&next}), 1);
    EXPECT_EQ(next, 7);
}

TEST(BodyFiles, ListOfMoreThanTenValuesStopsAtTheBuffer) {
    auto f = memoryStream("L 1 2 3 4 5 6 7 8 9 10 11 12 0\n");
    double L[4] = {};
    readCoefficientList(f.get(), "L %lf", L);
    EXPECT_DOUBLE_EQ(L[3], 4.0);
    int next = 0;
    EXPECT_EQ(scanFile(f.get(), " %d", {&next}), 1);
    EXPECT_EQ(next, 11); // ten values were read
}

TEST(BodyFiles, PlanetNamingThreeSatellitesReadsTwoAndLosesItsMagnitudes) {
    auto f = memoryStream(planetFile("Jupiter", 3,
                                     "Fichier du satellite:a.syt\nFichier du satellite:b.syt\n"
                                     "Fichier du satellite:c.syt\n"));
    planete p;
    std::vector<std::string> sats;
    EXPECT_GE(readPlanetFile(f.get(), p, sats), 0);
    EXPECT_EQ(p.satelliteCount(), 3);
    ASSERT_EQ(sats.size(), 2u);
    EXPECT_EQ(sats[1], "b.syt");
    EXPECT_EQ(p.getMag(0), 0.0);
    EXPECT_EQ(p.getMag(1), 0.0);
}

TEST(BodyFiles, PlanetFieldsAndMagnitudes) {
    auto f = memoryStream(planetFile("Mars", 0, ""));
    planete p;
    std::vector<std::string> sats;
    EXPECT_EQ(readPlanetFile(f.get(), p, sats), 0);
    EXPECT_STREQ(p.nom, "Mars");
    EXPECT_STREQ(p.couleur, "rouge");
    EXPECT_DOUBLE_EQ(p.rayon, 3397.2);
    EXPECT_DOUBLE_EQ(p.L[1], 19141.69551);
    EXPECT_DOUBLE_EQ(p.o[3], 0.00000414);
    EXPECT_DOUBLE_EQ(p.getMag(0), -1.52);
    EXPECT_DOUBLE_EQ(p.getMag(1), 1.6);
}

TEST(BodyFiles, TruncatedPlanetFileHasNegativeTotal) {
    const std::string whole = planetFile("Mars", 0, "");
    for (std::size_t cut : {std::size_t{0}, std::size_t{10}, whole.size() / 2, whole.find("Nombre")}) {
        auto f = memoryStream(whole.substr(0, cut));
        planete p;
        std::vector<std::string> sats;
        EXPECT_LT(readPlanetFile(f.get(), p, sats), 0) << "cut at " << cut;
    }
}

TEST(Load, ReadsSunPlanetsAndSatellitesOfAFileThatEndsAfterThePlanets) {
    DataSet d;
    RecordingPrompter p;
    auto model = d.model();
    systeme& sys = *model;
    const int total = sys.load(d.sys(kSysBodies), p, d.ini());
    EXPECT_EQ(total, 0);
    EXPECT_EQ(p.messageCount(), 0);
    EXPECT_TRUE(sys.lastError.empty());
    ASSERT_NE(sys.sun(), nullptr);
    EXPECT_STREQ(sys.sun()->nom, "Soleil");
    EXPECT_DOUBLE_EQ(sys.sun()->rayon, 696000.0);
    EXPECT_DOUBLE_EQ(sys.sun()->E[0], 23.452294);
    EXPECT_DOUBLE_EQ(sys.sun()->E[3], 0.000000503);
    EXPECT_DOUBLE_EQ(sys.sun()->M[3], -0.0000033);
    ASSERT_EQ(sys.planetCount(), 3);
    EXPECT_STREQ(sys.planet(0)->nom, "Mercure");
    EXPECT_STREQ(sys.planet(2)->nom, "Terre");
    EXPECT_EQ(sys.planet(3), nullptr);
    ASSERT_EQ(sys.planet(2)->satelliteCount(), 1);
    ASSERT_NE(sys.planet(2)->getSatellite(0), nullptr);
    EXPECT_STREQ(sys.planet(2)->getSatellite(0)->nom, "Lune");
    EXPECT_DOUBLE_EQ(sys.planet(2)->getSatellite(0)->a[0], 60.2665);
    EXPECT_DOUBLE_EQ(sys.planet(2)->getSatellite(0)->getMag(0), 0.21);
    EXPECT_EQ(sys.planet(0)->getSatellite(0), nullptr);
    EXPECT_EQ(sys.constellationCount(), 0);
    EXPECT_EQ(sys.cometCount(), 0);
    EXPECT_EQ(sys.comet(0), nullptr);
    // Settings defaults (no Nalvo.ini).
    EXPECT_EQ(sys.cityNumber, 31);
    EXPECT_EQ(sys.catalogueSettings->cdromDrive, 3);
}

TEST(Load, CreatesTheTwelveSatellRecords) {
    DataSet d;
    RecordingPrompter p;
    auto model = d.model();
    systeme& sys = *model;
    ASSERT_GE(sys.load(d.sys(kSysBodies), p, d.ini()), 0);
    const char* names[] = {"Io",     "Europe", "Ganymede", "Callisto", "Mimas",    "Encelade",
                           "Tethys", "Dione",  "Rhea",     "Titan",    "Hyperion", "Japet"};
    const double diameters[] = {3630, 3140, 5280, 4840, 420, 500, 1060, 1120, 1528, 5150, 320, 1436};
    const double distances[] = {422, 671, 1070, 1883, 185, 238, 295, 377, 527, 1220, 1481, 3561};
    const double periods[] = {33, 33, 33, 33, 0.94, 1.37, 1.88, 2.73, 4.51, 15.94, 21.28, 79.33};
    for (int k = 0; k < 12; ++k) {
        ASSERT_NE(sys.satell(k), nullptr);
        EXPECT_STREQ(sys.satell(k)->nom, names[k]);
        EXPECT_DOUBLE_EQ(sys.satell(k)->diameter, diameters[k]);
        EXPECT_DOUBLE_EQ(sys.satell(k)->distance, distances[k]);
        EXPECT_DOUBLE_EQ(sys.satell(k)->period, periods[k]);
        EXPECT_DOUBLE_EQ(sys.satell(k)->satMag, 5.0);
    }
    EXPECT_EQ(sys.satell(12), nullptr);
    EXPECT_EQ(sys.satell(-1), nullptr);
}

TEST(Load, MissingSysFileShowsTheMessage) {
    TempDir t;
    RecordingPrompter p;
    systeme sys;
    EXPECT_EQ(sys.load(t.path("Sys.syt"), p, t.path("Nalvo.ini")), -1);
    ASSERT_EQ(p.entries.size(), 1u);
    EXPECT_EQ(p.entries[0].text, "File Sys.syt missing");
    EXPECT_EQ(p.entries[0].caption, "Nalvo -- Error");
}

TEST(Load, MissingPlanetFileShowsTheMessageAndLeavesNoModel) {
    DataSet d;
    std::filesystem::remove(d.dir.path("venus.syt"));
    RecordingPrompter p;
    auto model = d.model();
    systeme& sys = *model;
    EXPECT_EQ(sys.load(d.sys(kSysBodies), p, d.ini()), -1);
    ASSERT_EQ(p.entries.size(), 1u);
    EXPECT_EQ(p.entries[0].text, "File venus.syt missing");
    EXPECT_EQ(sys.planetCount(), 0);
    EXPECT_EQ(sys.sun(), nullptr);
}

TEST(Load, MissingSunAndSatelliteFiles) {
    {
        DataSet d;
        std::filesystem::remove(d.dir.path("soleil.syt"));
        RecordingPrompter p;
        auto model = d.model();
        systeme& sys = *model;
        EXPECT_EQ(sys.load(d.sys(kSysBodies), p, d.ini()), -1);
        ASSERT_EQ(p.entries.size(), 1u);
        EXPECT_EQ(p.entries[0].text, "File soleil.syt missing");
    }
    {
        DataSet d;
        std::filesystem::remove(d.dir.path("lune.syt"));
        RecordingPrompter p;
        auto model = d.model();
        systeme& sys = *model;
        EXPECT_EQ(sys.load(d.sys(kSysBodies), p, d.ini()), -1);
        ASSERT_EQ(p.entries.size(), 1u);
        EXPECT_EQ(p.entries[0].text, "File lune.syt missing");
    }
}

TEST(Load, SunFileThatCannotBeOpenedStopsLoading) {
    // A folder and a dangling link in the Sun file's place cannot be read by any user, root included.
    for (int way = 0; way < 2; ++way) {
        DataSet d;
        const std::string sun = d.dir.path("soleil.syt");
        std::filesystem::remove(sun);
        if (way == 0)
            std::filesystem::create_directory(sun);
        else
            std::filesystem::create_symlink(d.dir.path("nowhere/soleil.syt"), sun);
        RecordingPrompter p;
        auto model = d.model();
        systeme& sys = *model;
        EXPECT_EQ(sys.load(d.sys(kSysBodies), p, d.ini()), -1) << way;
        ASSERT_EQ(p.entries.size(), 1u) << way;
        EXPECT_EQ(p.entries[0].text, "File soleil.syt missing");
        EXPECT_EQ(sys.sun(), nullptr);
        EXPECT_EQ(sys.planetCount(), 0);
    }
}

TEST(Load, GarbledPlanetFileIsRefusedWithAClearMessage) {
    DataSet d;
    d.dir.write("venus.syt", "\nNom:Venus\nCouleur:blanc\nRayon:abc\n");
    RecordingPrompter p;
    auto model = d.model();
    systeme& sys = *model;
    EXPECT_EQ(sys.load(d.sys(kSysBodies), p, d.ini()), -1);
    ASSERT_EQ(p.entries.size(), 1u);
    EXPECT_EQ(p.entries[0].text.rfind("File venus.syt is not a valid planet file (line ", 0), 0u)
        << p.entries[0].text;
    EXPECT_EQ(sys.planetCount(), 0);
}

TEST(Load, TruncatedSunAndSatelliteFilesAreRefused) {
    {
        DataSet d;
        d.dir.write("soleil.syt", std::string(kSun).substr(0, 60));
        RecordingPrompter p;
        auto model = d.model();
        systeme& sys = *model;
        EXPECT_EQ(sys.load(d.sys(kSysBodies), p, d.ini()), -1);
        ASSERT_EQ(p.entries.size(), 1u);
        EXPECT_NE(p.entries[0].text.find("soleil.syt is not a valid Sun file"), std::string::npos);
    }
    {
        DataSet d;
        d.dir.write("lune.syt", std::string(kMoon).substr(0, 80));
        RecordingPrompter p;
        auto model = d.model();
        systeme& sys = *model;
        EXPECT_EQ(sys.load(d.sys(kSysBodies), p, d.ini()), -1);
        ASSERT_EQ(p.entries.size(), 1u);
        EXPECT_NE(p.entries[0].text.find("lune.syt is not a valid satellite file"), std::string::npos);
        EXPECT_EQ(sys.planetCount(), 0);
    }
}

TEST(Load, MoreThanNinePlanetsIsRefused) {
    DataSet d;
    std::string sysText = "Fichier du soleil:soleil.syt\nNombre de planetes:10\n";
    for (int k = 0; k < 10; ++k)
        sysText += "Fichier de la planete:mercure.syt\n";
    RecordingPrompter p;
    auto model = d.model();
    systeme& sys = *model;
    EXPECT_EQ(sys.load(d.sys(sysText), p, d.ini()), -1);
    ASSERT_EQ(p.entries.size(), 1u);
    EXPECT_EQ(p.entries[0].text, "File Sys.syt names 10 planets, at most 9 are possible");
    // Nine fit.
    sysText = "Fichier du soleil:soleil.syt\nNombre de planetes:9\n";
    for (int k = 0; k < 9; ++k)
        sysText += "Fichier de la planete:mercure.syt\n";
    RecordingPrompter p2;
    EXPECT_EQ(sys.load(d.sys(sysText), p2, d.ini()), 0);
    EXPECT_EQ(sys.planetCount(), 9);
}

TEST(Load, LongFileNameInSysIsBoundedAndReportedMissing) {
    DataSet d;
    const std::string longName(400, 'x');
    RecordingPrompter p;
    auto model = d.model();
    systeme& sys = *model;
    EXPECT_EQ(sys.load(d.sys("Fichier du soleil:" + longName + "\n"), p, d.ini()), -1);
    ASSERT_EQ(p.entries.size(), 1u);
    EXPECT_LE(p.entries[0].text.size(), 199u);
    EXPECT_EQ(p.entries[0].text.rfind("File xxx", 0), 0u);
}

TEST(Load, ReadsPlaceAndCatalogueSettings) {
    DataSet d;
    d.dir.write("Nalvo.ini",
                "[Catalogue]\r\nMagnitude 6=1\r\nCD-ROM Drive=5\r\n[Position]\r\nN\xB0 ville=4\r\n"
                "Latitude=-3350\r\nLongitude=16000\r\nVille=Chile-Santiago\r\n[Heure]\r\nSaison=0\r\n"
                "[Asteroides]\r\nMagnitude Maximale=925\r\n");
    RecordingPrompter p;
    auto model = d.model();
    systeme& sys = *model;
    ASSERT_EQ(sys.load(d.sys(kSysBodies), p, d.ini()), 0);
    EXPECT_EQ(sys.catalogueSettings->useStar6, 1);
    EXPECT_EQ(sys.catalogueSettings->cdromDrive, 5);
    EXPECT_EQ(sys.cityNumber, 4);
    EXPECT_DOUBLE_EQ(sys.latitude, -33.5);
    EXPECT_DOUBLE_EQ(sys.longitude, -20.0);
    EXPECT_STREQ(sys.cityName, "Chile-Santiago");
    EXPECT_EQ(sys.season, 0);
    EXPECT_DOUBLE_EQ(sys.cometMagLimit, 9.25);
}

TEST(Model, CometIndexOutsideTheTableGivesCometZero) {
    systeme sys;
    for (int k = 0; k < 3; ++k)
        sys.comets.push_back(std::make_unique<comet>());
    sys.nbComets = 3;
    EXPECT_EQ(sys.comet(3000), sys.comet(0));
    EXPECT_EQ(sys.comet(-1), sys.comet(0));
    EXPECT_EQ(sys.comet(2), sys.comets[2].get());
    EXPECT_EQ(sys.comet(5), sys.comet(0)); // beyond the loaded bodies
}

TEST(Model, ScreenGeometry) {
    systeme sys;
    sys.latitude = 45.9;
    sys.setScreen(1000, 700);
    EXPECT_FLOAT_EQ(sys.mapWidth, 768);
    EXPECT_FLOAT_EQ(sys.mapRadius, 325); // 700 - 30 < 768: (700 - 50) / 2
    EXPECT_EQ(sys.circularLayout[0], 5);
    EXPECT_EQ(sys.circularLayout[1], 325);
    EXPECT_EQ(sys.circularLayout[2], static_cast<int>(325 * 0.75 - 325 * (45.9 - 45) / 90 + 40));
    EXPECT_EQ(sys.circularLayout[3], static_cast<int>(325 * ((45.9 - 45) * 3 / 90 + 0.25)));
    sys.setScreen(640, 900);
    EXPECT_FLOAT_EQ(sys.mapWidth, 400);
    EXPECT_FLOAT_EQ(sys.mapRadius, 195);
    sys.setMapWidthForLegend(false);
    EXPECT_FLOAT_EQ(sys.mapWidth, 640);
    EXPECT_FLOAT_EQ(sys.mapRadius, 195);
}

namespace {

const char kSysCatalogues[] =
    "Fichier des constellations:constel.syt\nFichier des objets Messier:messier.syt\n"
    "Fichier des objets NGC:ngc.syt\nFichier de la Voie Lact\xE9"
    "e:lactee.syt\n"
    "Fichier des cometes:comet.syt\nFichier des frontieres:frontier.syt\n";

void writeCatalogues(DataSet& d) {
    d.dir.write("constel.syt",
                "Nombre de constellations:1\n1 Lyra Lyr 0 0 0 0 2\n"
                "1 alpha Vega A0 18 36 56 38 47 1 0.03 1 -1\n2 beta Sheliak B7 18 50 4 33 21 46 3.45 -1\n");
    d.dir.write("messier.syt", "Nombre d'objets:1\n\nM:57\nType:4\nNom:Ring\nCoordonn\xE9"
                               "es:18 53.6 33 2 8.8\n");
    d.dir.write("ngc.syt", "Nombre:1\nNGC:6826\n6 19 44.8 50 31\n");
    d.dir.write("lactee.syt", "Ligne_1\nN1:1\nPt:18 0 10\nFin_1\n\nLigne_2\nN2:1\nPt:19 0 20\n");
    d.dir.write("comet.syt",
                "Nombre:1\n\nNom:Vesta\na:2.36\ne:0.09\nI:7.1\no:151.2\nO:103.8\ntperi:6/1/2020\n"
                "tequi:2000.0\nmag:3.2 0.32\n");
    d.dir.write("frontier.syt", "2\n18 0 0 30 0 0\n19 0 0 30 0 0\n\n1\nFrontieres\n2 0 1\nLyr-Her\n");
}

} // namespace

TEST(Load, ReadsEachCatalogueRightAfterItsLine) {
    DataSet d;
    writeCatalogues(d);
    d.dir.write("Nalvo.ini", "[Asteroides]\nMagnitude Maximale=650\n");
    RecordingPrompter p;
    auto model = d.model();
    systeme& sys = *model;
    const int total = sys.load(d.sys(std::string(kSysBodies) + kSysCatalogues), p, d.ini());
    // Constellation header +7 and stars +11 each, Messier +7, NGC +5, two Milky Way points +2
    // each, comet +4 +2, two border points +5 each and the line count/title +1.
    EXPECT_EQ(total, 7 + 22 + 7 + 5 + 4 + 6 + 10 + 1);
    EXPECT_EQ(p.messageCount(), 0);
    EXPECT_TRUE(sys.notes.empty());
    EXPECT_EQ(sys.constellationCount(), 1);
    EXPECT_STREQ(sys.constellation(0)->star(0)->word2, "Vega");
    ASSERT_EQ(sys.deepSkyCount(), 2);
    EXPECT_STREQ(sys.deepSky(0)->designation, "M57");
    EXPECT_STREQ(sys.deepSky(1)->designation, "NGC6826");
    EXPECT_EQ(sys.deepSky(1)->type, 8);
    ASSERT_NE(sys.milkyWay(), nullptr);
    EXPECT_EQ(sys.milkyWay()->count2, 1);
    EXPECT_EQ(sys.cometCount(), 1);
    EXPECT_DOUBLE_EQ(sys.cometMagLimit, 6.5);
    EXPECT_EQ(sys.selectedComets[0], -1);
    EXPECT_EQ(sys.borderLineCount(), 1);
    EXPECT_STREQ(sys.borderLine(0)->name, "Lyr-Her");
}

TEST(Load, MissingCatalogueFileShowsTheMessage) {
    for (const char* name :
         {"constel.syt", "messier.syt", "ngc.syt", "lactee.syt", "comet.syt", "frontier.syt"}) {
        DataSet d;
        writeCatalogues(d);
        std::filesystem::remove(d.dir.path(name));
        RecordingPrompter p;
        auto model = d.model();
        EXPECT_EQ(model->load(d.sys(std::string(kSysBodies) + kSysCatalogues), p, d.ini()), -1) << name;
        ASSERT_EQ(p.entries.size(), 1u);
        EXPECT_EQ(p.entries[0].text, std::string("File ") + name + " missing");
        EXPECT_EQ(p.entries[0].caption, "Nalvo -- Error");
    }
}

TEST(Load, SysFileCutBetweenCatalogueLinesIsRefused) {
    DataSet d;
    writeCatalogues(d);
    const std::string all = std::string(kSysBodies) + kSysCatalogues;
    RecordingPrompter p;
    auto model = d.model();
    EXPECT_EQ(model->load(d.sys(all.substr(0, all.find("Fichier des objets NGC"))), p, d.ini()), -1);
    ASSERT_EQ(p.entries.size(), 1u);
    EXPECT_EQ(p.entries[0].text.rfind("File Sys.syt has no line for the NGC objects file", 0), 0u);
}

TEST(Load, DamagedCatalogueMakingTheTotalNegativeFailsWithAMessage) {
    DataSet d;
    writeCatalogues(d);
    d.dir.write("comet.syt", "Nombre:40\n\nNom:Vesta\n");
    RecordingPrompter p;
    auto model = d.model();
    const int total = model->load(d.sys(std::string(kSysBodies) + kSysCatalogues), p, d.ini());
    EXPECT_LT(total, 0);
    ASSERT_EQ(p.entries.size(), 1u);
    EXPECT_EQ(p.entries[0].text.rfind("The data files are damaged", 0), 0u);
    EXPECT_NE(p.entries[0].text.find("comet.syt"), std::string::npos);
}

TEST(BodyFiles, EveryPrefixAndGarbledByteIsSafe) {
    const std::string files[] = {kSun, planetFile("Mars", 2, "Fichier du satellite:a.syt\nFichier du satellite:b.syt\n"),
                                 kMoon};
    for (int which = 0; which < 3; ++which) {
        const std::string& whole = files[which];
        auto run = [&](const std::string& bytes) {
            auto f = memoryStream(bytes);
            std::vector<std::string> sats;
            soleil sun;
            planete planet;
            satellite sat;
            int total = 0;
            if (which == 0) total = readSunFile(f.get(), sun);
            if (which == 1) total = readPlanetFile(f.get(), planet, sats);
            if (which == 2) total = readSatelliteFile(f.get(), sat);
            EXPECT_LE(sats.size(), 2u);
            EXPECT_LT(std::strlen(planet.nom), sizeof planet.nom);
            return total;
        };
        EXPECT_GE(run(whole), 0);
        // A file cut before its last counted field is refused.
        // (the introducing value of the last coefficient list, or the last satellite line)
        const std::size_t lastCounted = which == 1   ? whole.find("Fichier du satellite:b")
                                        : which == 0 ? whole.find("\nE ") + 3
                                                     : whole.find("\nM ") + 3;
        for (std::size_t cut = 0; cut < lastCounted; ++cut) EXPECT_LT(run(whole.substr(0, cut)), 0) << which << " " << cut;
        for (std::size_t pos = 0; pos < whole.size(); ++pos)
            for (char c : {'x', '\0', '-', ' '}) {
                std::string g = whole;
                g[pos] = c;
                run(g);
            }
        run(std::string(20000, 'N') + whole);
        run("\nNom:" + std::string(5000, 'n') + whole.substr(whole.find("\nCouleur")));
    }
}
