// SPDX-License-Identifier: GPL-3.0-or-later
// The .edb conversion, the atomic writer it uses and the asteroid selection with its INI key.
#include <cmath>
#include <filesystem>
#include <sys/stat.h>

#include "catalog/asteroid_conversion.h"
#include "catalog/atomic_file.h"
#include "catalog/catalogue_files.h"
#include "catalog/comet_selection.h"
#include "catalog/profile.h"
#include "catalog/systeme.h"
#include "test_util.h"

namespace {

// Loads a comet file's text into a model through the program's own reader.
int readComets(const std::string& text, systeme& sys) {
    MemoryStream s(text);
    return readCometFile(s.get(), sys, nullptr);
}

} // namespace

TEST(EdbConversion, FieldsGoWhereTheTableSaysAndBlanksLeaveTheName) {
    // Every field distinct; mean anomaly 0 at the epoch, so perihelion is the epoch itself.
    const EdbConversion c =
        convertEdbText("1 Ceres ,e,10.5,80.25,73.75,2.77,0.214,0.0786,0,8/9.0/2022,2000,H3.33,g0.12\n");
    EXPECT_EQ(c.converted, 1);
    EXPECT_EQ(c.skipped, 0);
    EXPECT_EQ(c.text, "Nombre:1\n\n"
                      "Nom:1Ceres\na:2.77\ne:0.0786\nI:10.5\no:73.75\nO:80.25\ntperi:8/9/2022\ntequi:2000\n"
                      "mag:3.33 0.12\n\n"
                      "REM:\n");
}

TEST(EdbConversion, ControlBytesInANameAreDroppedSoEveryRecordReadsBack) {
    // A vertical tab, a form feed and a NUL in the first name; the reader takes a name as a word.
    using namespace std::string_literals;
    const std::string edb =
        "Xan\v\x01th\f\0ippe,e,9.78,241.8,338.3,2.73,0.219,0.226,24.3,8/9.0/2022,2000,H8.81,0.15\n"s +
        "Athor,e,9.1,2.3,3.4,2.38,0.27,0.14,5.6,8/9.0/2022,2000,H9.1,0.15\n";
    const EdbConversion c = convertEdbText(edb);
    ASSERT_EQ(c.converted, 2);
    systeme sys;
    readComets(c.text, sys);
    ASSERT_EQ(sys.cometCount(), 2);
    EXPECT_STREQ(sys.comet(0)->nom, "Xanthippe");
    EXPECT_DOUBLE_EQ(sys.comet(0)->a[0], 2.73);
    EXPECT_STREQ(sys.comet(1)->nom, "Athor");
    EXPECT_DOUBLE_EQ(sys.comet(1)->e[0], 0.14);
}

TEST(EdbConversion, ExtraCommasStayInTheNameWhichIsCutToWhatTheReaderKeeps) {
    const EdbConversion c = convertEdbText(
        "C/1995 O1, Hale-Bopp,e,89.4,282.5,130.6,186,0.000385,0.995,0,3/30.0/1997,2000,g-2.0,4.0\r\n");
    ASSERT_EQ(c.converted, 1);
    EXPECT_NE(c.text.find("Nom:C/1995O1,Hale-\na:186\n"), std::string::npos) << c.text;
}

TEST(EdbConversion, CommentOnlyFileGivesNoRecordAndTheRemarksBlock) {
    const EdbConversion c = convertEdbText("# Asteroids of the\n#   month\n\n");
    EXPECT_EQ(c.converted, 0);
    EXPECT_EQ(c.skipped, 0);
    EXPECT_EQ(c.text, "Nombre:0\n\nREM:\n#Asteroidsofthe#month");
}

TEST(EdbConversion, RemarksTakeAtMost800Characters) {
    const std::string c799 = "#" + std::string(798, 'x');
    // 799 fit in 800; then 1 character is left, and a remark must be shorter than the room left.
    EXPECT_EQ(convertEdbText(c799 + "\n#y\n").text, "Nombre:0\n\nREM:\n" + c799);
    EXPECT_EQ(convertEdbText("#" + std::string(799, 'x') + "\n#y\n").text, "Nombre:0\n\nREM:\n#y");
}

TEST(EdbConversion, LinesThatAreNotEllipticElementsAreSkippedAndCounted) {
    const std::string good = "Vesta,e,7.14,103.8,151.26,2.362,0.2715,0.0884,0,8/9.0/2022,2000,H3.20,0.32\n";
    const EdbConversion c = convertEdbText(
        "Halley,h,1/1/1986,0.58,111.8,162.2,58.4,0.97,0.587,2000,g4.0,6.0,0\n" // hyperbolic type
        "Short,e,7.14,103.8\n"                                                 // too few fields
        + good +
        "Bad,e,7.14,abc,151.26,2.362,0.2715,0.0884,0,8/9.0/2022,2000,H3.20,0.32\n"       // garbled number
        ",e,7.14,103.8,151.26,2.362,0.2715,0.0884,0,8/9.0/2022,2000,H3.20,0.32\n"        // no name
        "Hyp,e,7.14,103.8,151.26,2.362,0.2715,1.2,0,8/9.0/2022,2000,H3.20,0.32\n"        // e >= 1
        "Date,e,7.14,103.8,151.26,2.362,0.2715,0.0884,0,13/9.0/2022,2000,H3.20,0.32\n"); // month 13
    EXPECT_EQ(c.converted, 1);
    EXPECT_EQ(c.skipped, 6);
    EXPECT_EQ(c.firstSkipped.rfind("line 1: ", 0), 0u) << c.firstSkipped;
    EXPECT_EQ(c.text.rfind("Nombre:1\n\nNom:Vesta\n", 0), 0u);
}

// An elliptic record whose semi-major axis gives `motion` degrees a day by Gauss' constant
// (0.985609 deg/day at 1 AU, the motion the program moves a body with).
std::string bodyMoving(double motion_deg_per_day, double meanAnomaly_deg, const char* epoch) {
    char line[200];
    std::snprintf(line, sizeof line, "A,e,1,2,3,%.12f,%.12f,0.1,%.6f,%s,2000,5,0.15\n",
                  std::pow(0.985609 / motion_deg_per_day, 2.0 / 3.0), motion_deg_per_day, meanAnomaly_deg,
                  epoch);
    return line;
}

TEST(EdbConversion, PerihelionTimeComesFromMeanAnomalyAndDailyMotion) {
    auto tperi = [](const std::string& line) {
        const std::string t = convertEdbText(line).text;
        const std::size_t at = t.find("tperi:");
        return at == std::string::npos ? t : t.substr(at, t.find('\n', at) - at);
    };
    // One degree a day: a mean anomaly of 10 deg at 2022 August 9.0 means perihelion 10 days
    // earlier, July 30; the passages one period (360 days) away also fall at 0 h, the nearest wins.
    EXPECT_EQ(tperi(bodyMoving(1.0, 10, "8/9.0/2022")), "tperi:7/30/2022");
    // 12 h after the epoch's midnight, M = 0.5 deg at 1 deg/day: perihelion at 0 h of August 9.
    EXPECT_EQ(tperi(bodyMoving(1.0, 0.5, "8/9.5/2022")), "tperi:8/9/2022");
    // A mean anomaly past 180 deg looks forward to the next passage: M = 350 at 1 deg/day is
    // 10 days before perihelion, 2022 August 19 (the passage 350 days back is one orbit away).
    EXPECT_EQ(tperi(bodyMoving(1.0, 350, "8/9.0/2022")), "tperi:8/19/2022");
    // A period of 450.2 days and the epoch 2022 January 1.4 with M = 0: the passages k orbits
    // away fall at .4 + .2 k days, at 0 h for k = -2 and 3; the nearer one, k = -2, is
    // 2022 January 1.4 - 900.4 days = 2019 July 16.0.
    EXPECT_EQ(tperi(bodyMoving(360.0 / 450.2, 0, "1/1.4/2022")), "tperi:7/16/2019");
}

TEST(EdbConversion, ShippedFileConvertsToTheShippedPerihelionDates) {
    // The shipped comet.syt was written from asteroids.edb by an independent script (Python) with
    // the same rule; every body must come out with the same perihelion date.
    const std::string dir = NALVO_SOURCE_DATA_DIR;
    TempDir t;
    const std::string out = t.path("comet.syt");
    EdbConversion c;
    ASSERT_EQ(convertEdb(dir + "/asteroids.edb", out, &c), 0);
    EXPECT_EQ(c.converted, 300);
    EXPECT_EQ(c.skipped, 0);
    systeme mine, shipped;
    ASSERT_GT(readComets(t.read("comet.syt"), mine), 0);
    std::FILE* f = std::fopen((dir + "/comet.syt").c_str(), "rb");
    ASSERT_NE(f, nullptr);
    ASSERT_GT(readCometFile(f, shipped, nullptr), 0);
    std::fclose(f);
    ASSERT_EQ(mine.cometCount(), shipped.cometCount());
    int sameDate = 0;
    for (int k = 0; k < mine.cometCount(); ++k) {
        EXPECT_STREQ(mine.comets[k]->nom, shipped.comets[k]->nom);
        EXPECT_DOUBLE_EQ(mine.comets[k]->a[0], shipped.comets[k]->a[0]);
        EXPECT_DOUBLE_EQ(mine.comets[k]->mag[0], shipped.comets[k]->mag[0]);
        sameDate += mine.comets[k]->tperi == shipped.comets[k]->tperi;
    }
    EXPECT_EQ(sameDate, 300);
}

TEST(EdbConversion, NameEndingInUpperCaseEdbIsRefused) {
    EXPECT_TRUE(isEdbFileName("/home/me/Soft_03.edb"));
    EXPECT_FALSE(isEdbFileName("/home/me/Soft_03.EDB"));
    EXPECT_FALSE(isEdbFileName("db"));
}

TEST(EdbConversion, FailureLeavesTheOldFileByteForByte) {
    TempDir t;
    const std::string old =
        "Nombre:1\n\nNom:Old\na:1\ne:0\nI:0\no:0\nO:0\ntperi:1/1/2000\ntequi:2000\nmag:1 1\n\n";
    const std::string target = t.write("out/comet.syt", old);
    // A missing source.
    std::string error;
    EXPECT_EQ(convertEdb(t.path("none.edb"), target, nullptr, &error), 1);
    EXPECT_NE(error.find("none.edb"), std::string::npos);
    EXPECT_EQ(t.read("out/comet.syt"), old);
    // A folder that cannot be written: the conversion fails before touching the file.
    const std::string source = t.write("a.edb", "A,e,1,2,3,1.5,0.5,0.1,0,1/1.0/2020,2000,5,0.15\n");
    ASSERT_EQ(::chmod(t.path("out").c_str(), 0555), 0);
    const bool rootCanWrite = ::access(t.path("out").c_str(), W_OK) == 0;
    if (!rootCanWrite) {
        EXPECT_EQ(convertEdb(source, target, nullptr, &error), 1);
        EXPECT_EQ(t.read("out/comet.syt"), old);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(t.path("out")), {}),
                  1); // no temporary left
    }
    ::chmod(t.path("out").c_str(), 0755);
    // A target that is a folder: the rename fails, the temporary file is removed.
    std::filesystem::create_directories(t.path("dir.syt/x"));
    EXPECT_EQ(convertEdb(source, t.path("dir.syt"), nullptr, &error), 1);
    for (const auto& entry : std::filesystem::directory_iterator(t.dir()))
        EXPECT_EQ(entry.path().filename().string().rfind("dir.syt.", 0), std::string::npos) << entry.path();
    // And a good conversion replaces it, keeping its permissions.
    ::chmod(target.c_str(), 0640);
    EXPECT_EQ(convertEdb(source, target), 0);
    EXPECT_EQ(t.read("out/comet.syt").rfind("Nombre:1\n\nNom:A\n", 0), 0u);
    struct stat st {};
    ASSERT_EQ(::stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST(CometSelection, AddRemoveFilterAndTheIniKey) {
    TempDir t;
    systeme sys;
    ASSERT_GT(readComets(
                  convertEdbText("Ceres,e,10.6,80.3,73.5,2.77,0.214,0.079,0,8/9.0/2022,2000,H3.33,0.12\n"
                                 "Eros,e,10.8,304.3,178.9,1.458,0.560,0.223,0,8/9.0/2022,2000,H10.31,0.46\n"
                                 "Vesta,e,7.14,103.8,151.3,2.362,0.2715,0.088,0,8/9.0/2022,2000,H3.20,0.32\n")
                      .text,
                  sys),
              0);
    ASSERT_EQ(sys.cometCount(), 3);
    EXPECT_TRUE(selectedCometIndices(sys).empty());
    // The filter: below the limit, in model order; a limit of 0 leaves nothing.
    EXPECT_EQ(cometsBelowMagnitude(sys, 10.0), (std::vector<int>{0, 2}));
    EXPECT_EQ(cometsBelowMagnitude(sys, 10.31), (std::vector<int>{0, 2}));
    EXPECT_TRUE(cometsBelowMagnitude(sys, 0.0).empty());
    // Adding a body already shown changes nothing.
    EXPECT_TRUE(addCometToSelection(sys, 2));
    EXPECT_TRUE(addCometToSelection(sys, 0));
    EXPECT_FALSE(addCometToSelection(sys, 2));
    EXPECT_FALSE(addCometToSelection(sys, 3)); // not loaded
    EXPECT_EQ(selectedCometIndices(sys), (std::vector<int>{2, 0}));
    EXPECT_EQ(sys.selectedComets[2], -1);
    EXPECT_TRUE(isCometSelected(sys, 0));
    EXPECT_FALSE(isCometSelected(sys, 1));
    // Kept in Nalvo.ini by name, restored in the stored order; unknown names are dropped.
    const std::string ini = t.path("Nalvo.ini");
    writeCometSelection(ini, sys);
    EXPECT_NE(t.read("Nalvo.ini").find("[Asteroides]\nSelection=Vesta Ceres\n"), std::string::npos);
    removeFromCometSelection(sys, {0});
    EXPECT_EQ(selectedCometIndices(sys), (std::vector<int>{0}));
    profileWriteString(ini, "Asteroides", "Selection", "Eros Pluto Eros Vesta");
    readCometSelection(ini, sys);
    EXPECT_EQ(selectedCometIndices(sys), (std::vector<int>{1, 2}));
    // A full selection stops at 2999 bodies.
    std::vector<int> many(3100, 0);
    setCometSelection(sys, many);
    EXPECT_EQ(selectedCometIndices(sys).size(), 1u);
}

TEST(AtomicFile, WritesWholeFilesAndReportsFailures) {
    TempDir t;
    EXPECT_FALSE(writeFileAtomically(t.path("missing/file.bin"), "x")); // no folder is made
    std::filesystem::create_directories(t.path("new/dir"));
    const std::string p = t.path("new/dir/file.bin");
    std::string data(100000, '\0');
    for (std::size_t k = 0; k < data.size(); ++k)
        data[k] = char(k * 7);
    ASSERT_TRUE(writeFileAtomically(p, data));
    EXPECT_EQ(t.read("new/dir/file.bin"), data);
    std::string error;
    EXPECT_FALSE(writeFileAtomically(t.path("new/dir"), "x", &error)); // a folder stands there
    EXPECT_NE(error.find("cannot replace " + t.path("new/dir")), std::string::npos) << error;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(t.path("new")), {}), 1);
}

TEST(EdbConversion, AnEmptyDailyMotionIsAcceptedAsTheFieldIsNotUsed) {
    // Juno with its daily motion left out: converted like the same line that gives it, since the
    // motion is derived from a.
    const EdbConversion c =
        convertEdbText("3 Juno,e,12.99,169.85,247.88,2.6688,,0.2562,37.01,3/23/2023,2000,H5.19,0.32\n");
    EXPECT_EQ(c.converted, 1);
    EXPECT_EQ(c.skipped, 0);
    EXPECT_NE(c.text.find("Nom:3Juno\na:2.6688\ne:0.2562\nI:12.99\no:247.88\nO:169.85\ntperi:"),
              std::string::npos)
        << c.text;
    EXPECT_NE(c.text.find("tequi:2000\nmag:5.19 0.32\n"), std::string::npos) << c.text;
    const EdbConversion given = convertEdbText(
        "3 Juno,e,12.99,169.85,247.88,2.6688,0.22606,0.2562,37.01,3/23/2023,2000,H5.19,0.32\n");
    EXPECT_EQ(c.text, given.text);
}
