// SPDX-License-Identifier: GPL-3.0-or-later
// Star depth, the star files and the Guide Star Catalog reader on files written in their layouts.
#include <cmath>

#include "catalog/prompter.h"
#include "catalog/stars.h"
#include "gsc_files.h"
#include "test_util.h"

namespace {

CatalogueSettings allStarFiles() {
    CatalogueSettings c;
    c.useStar6 = c.useStar7 = c.useStar8 = 1;
    return c;
}

struct Seen {
    std::vector<double> ra, dec, mag;
    std::vector<StarSource> source;
    StarVisitor visitor() {
        return [this](double r, double d, double m, StarSource s) {
            ra.push_back(r);
            dec.push_back(d);
            mag.push_back(m);
            source.push_back(s);
        };
    }
};

} // namespace

TEST(StarDepth, AutomaticLimitsByView) {
    const CatalogueSettings c = allStarFiles();
    StarDepth d;
    updateStarDepth(kEquidistantKind, 2, 0, 0, c, d);
    EXPECT_DOUBLE_EQ(d.starMagnitude, 7.0);
    EXPECT_DOUBLE_EQ(d.starScale, (2 - 1) * (7.0 - 3) / 12 + 1);
    updateStarDepth(kCircularKind, 1, 0, 0, c, d);
    EXPECT_DOUBLE_EQ(d.starMagnitude, 6.0); // 5.99 held at 6
    EXPECT_DOUBLE_EQ(d.starScale, 1.0);
    updateStarDepth(kCircularKind, 16, 0, 0, c, d);
    EXPECT_DOUBLE_EQ(d.starMagnitude, 9.0);
    // (16 - 1) * 6 / 12 + 1 = 8.5 exceeds 9/3: (9 - 2)/3.
    EXPECT_DOUBLE_EQ(d.starScale, 7.0 / 3);
    updateStarDepth(kQuadraticKind, 1, -20, 15, c, d); // span 20: 30/20 + 6
    EXPECT_DOUBLE_EQ(d.starMagnitude, 7.5);
    EXPECT_DOUBLE_EQ(d.starScale, 0.2 * (7.5 - 4));
    updateStarDepth(kAzimutalWindowKind, 1, 120, 20, c, d); // (30/120) * 0.5 + 6
    EXPECT_DOUBLE_EQ(d.starMagnitude, 6.125);
    updateStarDepth(kQuadraticKind, 1, 0, 0, c, d);
    EXPECT_DOUBLE_EQ(d.starMagnitude, 9.0);
}

TEST(StarDepth, ManualAndAnimatingLimits) {
    CatalogueSettings c = allStarFiles();
    StarDepth d;
    d.autoMagnitude = false;
    d.starMagnitude = 8.0;
    updateStarDepth(kQuadraticKind, 1, 60, 30, c, d);
    EXPECT_DOUBLE_EQ(d.starMagnitude, 8.0); // the user's limit stays
    EXPECT_DOUBLE_EQ(d.starScale, (8.0 / (12 - 8) - 1) * (120 - 60) * 0.0125 + 1);
    updateStarDepth(kEquidistantKind, 4, 0, 0, c, d);
    EXPECT_DOUBLE_EQ(d.starScale, 4 * 8.0 / 15);
    // With the animation running the limit is 6, automatic or not.
    d.autoMagnitude = true;
    d.animating = true;
    d.starMagnitude = 8.0;
    updateStarDepth(kCircularKind, 8, 0, 0, c, d);
    EXPECT_DOUBLE_EQ(d.starMagnitude, 6.0);
    EXPECT_DOUBLE_EQ(d.starScale, 8 * 6.0 / 15);
    // Without the magnitude 6 file, the limit is 6.
    d.animating = false;
    d.starMagnitude = 8.0;
    c.useStar6 = 0;
    updateStarDepth(kQuadraticKind, 1, 200, 100, c, d);
    EXPECT_DOUBLE_EQ(d.starMagnitude, 6.0);
    EXPECT_DOUBLE_EQ(d.starScale, (6.0 / 6 - 1) * 0 + 1); // span held at 120
}

TEST(StarFile, CountThenThreeNumbersPerLine) {
    const std::string text = "3\n0.0050 38.8593 6.61\n359.9 -89.5 6.99\r\n12 1e1 7.0\n";
    std::vector<double> v;
    EXPECT_EQ(parseStarText(text.data(), text.size(),
                            [&](double a, double b, double c) {
                                v.insert(v.end(), {a, b, c});
                            }),
              3);
    ASSERT_EQ(v.size(), 9u);
    EXPECT_NEAR(v[0], 0.005, 1e-7);
    EXPECT_NEAR(v[1], 38.8593, 1e-5);
    EXPECT_NEAR(v[4], -89.5, 1e-6);
    EXPECT_NEAR(v[7], 10.0, 1e-6);
}

TEST(StarFile, StopsAtTheCountAndAtTheFirstBadLine) {
    const std::string text = "2\n1 2 6.1\n3 4 6.2\n5 6 6.3\n";
    long n = parseStarText(text.data(), text.size(), [](double, double, double) {});
    EXPECT_EQ(n, 2);
    const std::string bad = "5\n1 2 6.1\n3 x 6.2\n5 6 6.3\n";
    n = parseStarText(bad.data(), bad.size(), [](double, double, double) {});
    EXPECT_EQ(n, 1);
    const std::string truncated = "1000000000\n1 2 6.1\n3 4";
    n = parseStarText(truncated.data(), truncated.size(), [](double, double, double) {});
    EXPECT_EQ(n, 1);
    const std::string nan = "2\nnan 2 6.1\n3 4 inf\n";
    n = parseStarText(nan.data(), nan.size(), [](double, double, double) {});
    EXPECT_EQ(n, 0);
    EXPECT_EQ(parseStarText("", 0, [](double, double, double) {}), 0);
    EXPECT_EQ(readStarFile("/nonexistent/star6.syt", [](double, double, double) {}), -1);
}

TEST(StarStream, NoFileIsReadAtMagnitudeSix) {
    TempDir t;
    t.write("star6.syt", "1\n10 10 6.5\n");
    t.write("star7.syt", "1\n10 10 7.5\n");
    StarFiles files;
    files.dataDirs = {t.dir()};
    StarDepth d;
    d.starMagnitude = 6.0;
    RecordingPrompter p;
    Seen seen;
    EXPECT_EQ(forEachCatalogueStar(kCircularKind, {}, allStarFiles(), d, p, seen.visitor(), files), 0);
    EXPECT_TRUE(seen.ra.empty());
}

TEST(StarStream, LayersInOrderBelowTheLimitOnly) {
    TempDir t;
    t.write("star6.syt", "2\n10 11 6.5\n12 13 6.95\n");
    t.write("star7.syt", "2\n20 21 7.2\n22 23 7.9\n");
    t.write("star8.syt", "1\n30 31 8.5\n");
    StarFiles files;
    files.dataDirs = {t.dir()};
    StarDepth d;
    d.starMagnitude = 7.5;
    RecordingPrompter p;
    Seen seen;
    EXPECT_EQ(forEachCatalogueStar(kEquidistantKind, {}, allStarFiles(), d, p, seen.visitor(), files), 3);
    ASSERT_EQ(seen.ra.size(), 3u);
    EXPECT_DOUBLE_EQ(seen.ra[2], 20);
    EXPECT_EQ(seen.source[0], StarSource::Star6);
    EXPECT_EQ(seen.source[2], StarSource::Star7);
    // star8.syt is read only above 8; a missing file is skipped silently.
    std::filesystem::remove(t.path("star7.syt"));
    d.starMagnitude = 9.0;
    Seen all;
    EXPECT_EQ(forEachCatalogueStar(kEquidistantKind, {}, allStarFiles(), d, p, all.visitor(), files), 3);
    EXPECT_EQ(all.source.back(), StarSource::Star8);
    EXPECT_TRUE(p.entries.empty());
}

TEST(FixedWidth, PositionalDigitsBlanksAndSigns) {
    EXPECT_DOUBLE_EQ(fixedWidthNumber("  123", 5), 123);
    EXPECT_DOUBLE_EQ(fixedWidthNumber("1 2", 3), 102); // a blank is a zero digit
    EXPECT_DOUBLE_EQ(fixedWidthNumber("12.50", 5), 12.5);
    EXPECT_DOUBLE_EQ(fixedWidthNumber(" 3.1 ", 5), 3.1);
    EXPECT_DOUBLE_EQ(fixedWidthNumber("+ 5", 3), 5);
    EXPECT_DOUBLE_EQ(fixedWidthNumber("-12.5", 5), -12.5);
    bool negative = false;
    EXPECT_DOUBLE_EQ(fixedWidthNumber("-00", 3, &negative), 0);
    EXPECT_TRUE(negative);
    EXPECT_DOUBLE_EQ(fixedWidthNumber("     ", 5, &negative), 0);
    EXPECT_FALSE(negative);
}

TEST(GscRegionPath, DirectoriesAndFileNames) {
    EXPECT_EQ(gscRegionRelativePath(0), "gsc/N0000/0000.gsc");
    EXPECT_EQ(gscRegionRelativePath(593), "gsc/N0000/0593.gsc");
    EXPECT_EQ(gscRegionRelativePath(594), "gsc/N0730/0594.gsc");
    EXPECT_EQ(gscRegionRelativePath(4662), "gsc/N8230/4662.gsc");
    EXPECT_EQ(gscRegionRelativePath(4663), "gsc/S0000/4663.gsc");
    EXPECT_EQ(gscRegionRelativePath(5260), "gsc/S0730/5260.gsc");
    EXPECT_EQ(gscRegionRelativePath(9489), "gsc/S7500/9489.gsc");
    EXPECT_EQ(gscRegionRelativePath(9536), "gsc/S8230/9536.gsc");
    EXPECT_EQ(gscRegionRelativePath(9537), "");
    EXPECT_EQ(gscRegionRelativePath(-1), "");
    EXPECT_EQ(gscRegionRelativePath(42), "gsc/N0000/0042.gsc");
}

TEST(GscRegionPath, DriveDirectoriesAndCaseOfTheCopy) {
    TempDir t;
    t.write("cd/GSC/N0730/0600.GSC", "x");
    StarFiles files;
    files.driveDirs = {"", "", "", t.path("cd")};
    EXPECT_EQ(gscDriveDirectory(3, files), t.path("cd"));
    EXPECT_EQ(gscDriveDirectory(2, files), "");
    EXPECT_EQ(gscRegionPath(3, 600, files), t.path("cd/GSC/N0730/0600.GSC"));
    EXPECT_EQ(gscRegionPath(3, 601, files), t.path("cd/gsc/N0730/0601.gsc")); // not there: the plain path
    EXPECT_EQ(gscRegionPath(2, 600, files), "");
    EXPECT_EQ(availableDrives(files), std::vector<int>{3});
    EXPECT_EQ(driveLetter(3), 'd');
}

TEST(GscRegionPath, DriveFromTheEnvironmentAndTheUserDirectory) {
    TempDir t;
    std::filesystem::create_directories(t.path("user-data/nalvo/drives/e"));
    std::filesystem::create_directories(t.path("mounted"));
    ::setenv("NALVO_DRIVE_F", t.path("mounted").c_str(), 1);
    EXPECT_EQ(gscDriveDirectory(4), t.path("user-data/nalvo/drives/e"));
    EXPECT_EQ(gscDriveDirectory(5), t.path("mounted"));
    ::unsetenv("NALVO_DRIVE_F");
    EXPECT_EQ(gscDriveDirectory(5), "");
}

TEST(GscRegions, NegativeZeroDegreesWithMinutesIsSouth) {
    const std::string table = regionTable({{7, 1, 0, 0, 1, 30, 0, "-00", 30.0, "-07", 30.0}});
    RecordingPrompter p;
    // The region spans -7.5 to -0.5 deg: found for a window just south of -0.5 ...
    GscRegionList l = findRegionsInTable(table, 14, 23, -0.6, -0.55, p);
    EXPECT_EQ(l.count, 1);
    EXPECT_EQ(l.regions[0], 7);
    // ... and not for one just north of it (-0.5 x 0.0167 x 60 = -0.501).
    l = findRegionsInTable(table, 14, 23, -0.49, 3, p);
    EXPECT_EQ(l.count, 0);
}

TEST(GscRegions, RightAscensionsAreNotWrappedAtZeroHours) {
    const std::string table = regionTable(
        {{1, 0, 0, 0, 0, 30, 0, " 10", 0, " 15", 0}, {2, 23, 30, 0, 23, 59, 59.99, " 10", 0, " 15", 0}});
    RecordingPrompter p;
    // A window from 355 to 365 deg (crossing 0h): region 1 at 0-7.5 deg is not found.
    GscRegionList l = findRegionsInTable(table, 355, 365, 10, 15, p);
    ASSERT_EQ(l.count, 1);
    EXPECT_EQ(l.regions[0], 2);
}

TEST(GscRegions, FortiethRegionGivesTheMessage) {
    std::vector<GscRegionRow> rows;
    for (int k = 0; k < 40; ++k)
        rows.push_back({100 + k, 2, 0, 0, 2, 10, 0, " 20", 0, " 25", 0});
    rows.push_back({500, 12, 0, 0, 12, 10, 0, " 20", 0, " 25", 0}); // would not match anyway
    RecordingPrompter p;
    GscRegionList l = findRegionsInTable(regionTable(rows), 29, 33, 21, 24, p);
    EXPECT_EQ(l.count, 40);
    EXPECT_EQ(l.regions[39], 139);
    ASSERT_EQ(p.entries.size(), 1u);
    EXPECT_EQ(p.entries[0].text, "Screen too large to use all stars from the GSC");
    EXPECT_EQ(p.entries[0].caption, "Nalvo -- Error");
    // 39 regions: no message.
    rows.erase(rows.begin());
    RecordingPrompter q;
    EXPECT_EQ(findRegionsInTable(regionTable(rows), 29, 33, 21, 24, q).count, 39);
    EXPECT_TRUE(q.entries.empty());
}

TEST(GscRegions, ShortOrEmptyTableGivesNoRegions) {
    RecordingPrompter p;
    std::string table = regionTable({{1, 0, 0, 0, 1, 0, 0, " 10", 0, " 15", 0}});
    EXPECT_EQ(findRegionsInTable(table.substr(0, table.size() - 1), 0, 20, 10, 15, p).count, 0);
    EXPECT_EQ(findRegionsInTable("", 0, 20, 10, 15, p).count, 0);
    table.replace(8985, 5, "99999"); // more records stated than held
    EXPECT_EQ(findRegionsInTable(table, 0, 20, 10, 15, p).count, 1);
}

TEST(GscRegions, MissingTableAsksForTheDiscAndCancelGivesMinusOne) {
    TempDir t;
    StarFiles files;
    files.dataDirs = {t.dir()};
    files.driveDirs = {"", "", "", t.path("cd")};
    RecordingPrompter p; // answers Cancel
    GscRegionList l = findGscRegions(3, 0, 10, 0, 10, p, files);
    EXPECT_EQ(l.count, -1);
    ASSERT_EQ(p.entries.size(), 1u);
    EXPECT_TRUE(p.entries[0].question);
    EXPECT_EQ(p.entries[0].text, "Insert The Guide Star Catalog Version 1.1, Volume 1 ou Volume 2 CDROM D:");
    EXPECT_EQ(p.entries[0].caption, "File d:/Tables/Regions.tbl missing");
}

namespace {

// Answers OK and puts the disc in the drive when asked.
class InsertingPrompter : public RecordingPrompter {
  public:
    InsertingPrompter(TempDir& t, std::string file, std::string bytes)
        : t_(t), file_(std::move(file)), bytes_(std::move(bytes)) {}
    bool askOkCancel(const std::string& text, const std::string& caption) override {
        RecordingPrompter::askOkCancel(text, caption);
        t_.write(file_, bytes_);
        return true;
    }

  private:
    TempDir& t_;
    std::string file_, bytes_;
};

} // namespace

TEST(GscRegions, OkRetriesTheDrive) {
    TempDir t;
    std::filesystem::create_directories(t.path("cd"));
    StarFiles files;
    files.dataDirs = {t.dir()};
    files.driveDirs = {"", "", "", t.path("cd")};
    InsertingPrompter p(t, "cd/TABLES/REGIONS.TBL", regionTable({{9, 1, 0, 0, 2, 0, 0, " 10", 0, " 15", 0}}));
    GscRegionList l = findGscRegions(3, 0, 40, 0, 20, p, files);
    EXPECT_EQ(p.questionCount(), 1);
    ASSERT_EQ(l.count, 1);
    EXPECT_EQ(l.regions[0], 9);
}

TEST(GscRegions, TableInTheWorkingDirectoryComesFirst) {
    TempDir t;
    t.write("Regions.tbl", regionTable({{3, 1, 0, 0, 2, 0, 0, " 10", 0, " 15", 0}}));
    StarFiles files;
    files.dataDirs = {t.dir()};
    RecordingPrompter p;
    GscRegionList l = findGscRegions(3, 0, 40, 0, 20, p, files);
    EXPECT_TRUE(p.entries.empty());
    EXPECT_EQ(l.count, 1);
}

TEST(GscRegionFile, RecordsWithFixedWidthNumbers) {
    const std::string bytes = regionFile({{15.12345, -0.5, 11.2}, {15.2, 1.25, 12.75}});
    std::vector<double> v;
    EXPECT_EQ(parseGscRegion(bytes, [&](double a, double b, double c) { v.insert(v.end(), {a, b, c}); }), 2);
    ASSERT_EQ(v.size(), 6u);
    EXPECT_NEAR(v[0], 15.12345, 1e-9);
    EXPECT_NEAR(v[1], -0.5, 1e-9);
    EXPECT_NEAR(v[2], 11.2, 1e-9);
    EXPECT_NEAR(v[5], 12.75, 1e-9);
    // More records stated than held, or a short header: only whole records.
    const std::string shortFile = regionFile({{1, 2, 3}, {4, 5, 6}}, 9);
    EXPECT_EQ(parseGscRegion(shortFile.substr(0, shortFile.size() - 3), [](double, double, double) {}), 1);
    EXPECT_EQ(parseGscRegion(std::string(100, ' '), [](double, double, double) {}), 0);
}

namespace {

struct GscSetup {
    TempDir t;
    StarFiles files;
    CatalogueSettings settings;
    StarDepth depth;
    GscSetup() {
        t.write("Regions.tbl", regionTable({{600, 1, 0, 0, 2, 0, 0, " 10", 0, " 15", 0},
                                            {5300, 1, 0, 0, 2, 0, 0, " 15", 0, " 20", 0}}));
        t.write("cd/gsc/N0730/0600.gsc", regionFile({{20, 12, 10.5}, {21, 13, 17.0}, {22, 14, -3}}));
        files.dataDirs = {t.dir()};
        files.driveDirs = {"", "", "", t.path("cd")};
        settings.useGsc = 1;
        depth.starMagnitude = 6;
    }
};

} // namespace

TEST(GscStream, NineteenDegreeWindowReadsTheCatalogueTwentyDoesNot) {
    GscSetup s;
    RecordingPrompter p; // Cancel for the missing second disc
    Seen seen;
    const StarWindow w19{15, 34, 0, 19};
    EXPECT_TRUE(gscLayerAllowed(kQuadraticKind, w19, s.settings, s.depth));
    EXPECT_EQ(forEachCatalogueStar(kQuadraticKind, w19, s.settings, s.depth, p, seen.visitor(), s.files), 1);
    ASSERT_EQ(seen.ra.size(), 1u); // 17.0 and -3 are outside -2 .. 16
    EXPECT_DOUBLE_EQ(seen.mag[0], 10.5);
    EXPECT_EQ(seen.source[0], StarSource::Gsc);
    // Region 5300 is on the second disc: asked for, cancelled.
    ASSERT_EQ(p.entries.size(), 1u);
    EXPECT_EQ(p.entries[0].text, "Insert CD-Rom n\xB0 2 of Guide Star Catalog");
    EXPECT_EQ(p.entries[0].caption, "File missing");

    EXPECT_FALSE(gscLayerAllowed(kQuadraticKind, StarWindow{15, 35, 0, 19}, s.settings, s.depth));
    EXPECT_FALSE(gscLayerAllowed(kQuadraticKind, StarWindow{15, 34, 0, 20}, s.settings, s.depth));
    EXPECT_FALSE(gscLayerAllowed(kCircularKind, w19, s.settings, s.depth));
    EXPECT_TRUE(gscLayerAllowed(kQuadraticTrajectoriesKind, w19, s.settings, s.depth));
    s.depth.gscMinMagnitude = 8.99;
    EXPECT_FALSE(gscLayerAllowed(kQuadraticKind, w19, s.settings, s.depth));
}

TEST(GscStream, CancelEndsTheLayerAndOkRetriesOnce) {
    GscSetup s;
    std::filesystem::remove(s.t.path("cd/gsc/N0730/0600.gsc"));
    RecordingPrompter p; // Cancel at the first missing region: no second question
    Seen seen;
    forEachCatalogueStar(kQuadraticKind, StarWindow{15, 34, 0, 19}, s.settings, s.depth, p, seen.visitor(),
                         s.files);
    ASSERT_EQ(p.entries.size(), 1u);
    EXPECT_EQ(p.entries[0].text, "Insert le CD-Rom n\xB0 1 of Guide Star Catalog");
    // OK without the disc: each missing region is asked for once, then skipped.
    RecordingPrompter ok;
    ok.defaultAnswer = true;
    forEachCatalogueStar(kQuadraticKind, StarWindow{15, 34, 0, 19}, s.settings, s.depth, ok, seen.visitor(),
                         s.files);
    EXPECT_EQ(ok.questionCount(), 2);
    EXPECT_TRUE(seen.ra.empty());
}
