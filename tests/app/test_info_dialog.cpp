// SPDX-License-Identifier: GPL-3.0-or-later
// TDialogInfo in its two forms, the picture lookup and the phase shading, and the search dialog.
#include "app/dialogs/info_dialog.h"
#include "app/dialogs/search_dialog.h"

#include <QImage>
#include <QListWidget>
#include <QPushButton>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>

#include "catalog/systeme.h"

namespace fs = std::filesystem;
using namespace skymap;

namespace {

// A private folder with a "pictures" subfolder, removed at the end.
struct PictureDir {
    fs::path root;
    PictureDir() {
        char tmpl[] = "/tmp/nalvo_info_XXXXXX";
        root = mkdtemp(tmpl);
        fs::create_directories(root / "pictures");
    }
    ~PictureDir() {
        std::error_code ec;
        fs::remove_all(root, ec);
    }
    std::vector<std::string> dirs() const { return {root.string()}; }
    void writeImage(const std::string& name, int w, int h, QRgb colour) const {
        QImage img(w, h, QImage::Format_RGB32);
        img.fill(colour);
        ASSERT_TRUE(img.save(QString::fromStdString((root / "pictures" / (name + ".bmp")).string()), "BMP"));
    }
    void writeBytes(const std::string& name, const std::string& bytes) const {
        std::ofstream(root / "pictures" / (name + ".bmp"), std::ios::binary) << bytes;
    }
};

ObjectFacts planetFacts(const char* name) {
    ObjectFacts f;
    f.kind = kKindPlanet;
    f.name = name;
    f.pictureName = name;
    f.ra_deg = 101.31;
    f.dec_deg = 23.46;
    f.magnitude = -2.34;
    f.visibleFraction = 0.987;
    f.diameter_arcsec = 40.53;
    return f;
}

ObjectFacts messierFacts(const char* number) {
    ObjectFacts f;
    f.kind = 3;
    f.name = "Orion_Nebula";
    f.number = number;
    f.pictureName = number;
    f.ra_deg = 83.85;
    f.dec_deg = -5.45;
    f.credit = messierPictureHasCredit(number) ? "Picture: see pictures/CREDITS.txt" : "";
    return f;
}

} // namespace

TEST(InfoDialog, PlanetIsShownLargeWithTheShippedPicture) {
    // The shipped data folder holds pictures/Jupiter.bmp.
    const std::string path = TDialogInfo::picturePath("Jupiter");
    ASSERT_FALSE(path.empty());
    TDialogInfo d(planetFacts("Jupiter"));
    EXPECT_EQ(d.windowTitle(), QString("Informations"));
    EXPECT_TRUE(d.isLarge());
    ASSERT_FALSE(d.picture().isNull());
    EXPECT_EQ(d.picture().size(), QSize(TDialogInfo::kPictureSize, TDialogInfo::kPictureSize));
    // Jupiter's disc is light at its centre and the sky is black in the corner.
    const QRgb centre = d.picture().pixel(100, 100);
    EXPECT_GT(qRed(centre) + qGreen(centre) + qBlue(centre), 300);
    EXPECT_EQ(d.picture().pixel(2, 2) & 0xffffff, 0u);
    const QStringList want = {"Type : Planet",
                              "Name : Jupiter",
                              "Right ascension : 6h 45m 14s",
                              QString::fromUtf8("Declination : 23.5\u00b0"),
                              " Magnitude  : -2.3",
                              "Visible part : 98.7%",
                              "Angular diameter :  40.5 s"};
    EXPECT_EQ(d.lineTexts(), want);
    EXPECT_TRUE(d.creditText().isEmpty());
}

TEST(InfoDialog, EveryShippedBodyPictureIsA200PixelBitmap) {
    for (const char* name : {"Mercury", "Venus", "Earth", "Mars", "Jupiter", "Saturn", "Uranus", "Neptune", "Pluto",
                             "Moon"}) {
        const std::string path = TDialogInfo::picturePath(name);
        ASSERT_FALSE(path.empty()) << name;
        QImage img;
        ASSERT_TRUE(img.load(QString::fromStdString(path), "BMP")) << name;
        EXPECT_EQ(img.size(), QSize(200, 200)) << name;
        EXPECT_EQ(img.depth(), 32) << name; // loaded from 24-bit data into RGB32
    }
}

TEST(InfoDialog, DrawnSaturnReplacesThePictureFileUnshaded) {
    // Saturn's thumbnail is drawn for the date: it wins over the shipped Saturn.bmp and, being a
    // drawing of the lit globe, gets no phase shading.
    ASSERT_FALSE(TDialogInfo::picturePath("Saturn").empty());
    QImage drawn(300, 300, QImage::Format_RGB32);
    drawn.fill(qRgb(0x12, 0x34, 0x56));
    ObjectFacts f = planetFacts("Saturn");
    f.visibleFraction = 0.5;
    TDialogInfo d(f, nullptr, {}, drawn);
    EXPECT_TRUE(d.isLarge());
    ASSERT_EQ(d.picture().size(), QSize(TDialogInfo::kPictureSize, TDialogInfo::kPictureSize));
    for (const QPoint p : {QPoint(100, 100), QPoint(20, 100), QPoint(180, 100)})
        EXPECT_EQ(d.picture().pixel(p) & 0xffffff, 0x123456u) << p.x();
}

TEST(InfoDialog, PlanetWithoutPictureKeepsTheLargeFormWithAnEmptyArea) {
    PictureDir dir;
    ObjectFacts f = planetFacts("Vulcan");
    TDialogInfo d(f, nullptr, dir.dirs());
    EXPECT_TRUE(d.isLarge());
    EXPECT_TRUE(d.picture().isNull());
    EXPECT_EQ(d.lineTexts().value(1), QString("Name : Vulcan"));
}

TEST(InfoDialog, StarWithoutPictureUsesTheSmallForm) {
    ObjectFacts f;
    f.kind = kKindStar;
    f.constellation = "Canis_Major";
    f.name = "Sirius";
    f.pictureName = "Sirius";
    f.ra_deg = 101.2875;
    f.dec_deg = -16.7161;
    f.magnitude = -1.46;
    f.spectralType = "A1V";
    TDialogInfo d(f);
    EXPECT_FALSE(d.isLarge());
    EXPECT_TRUE(d.picture().isNull());
    EXPECT_EQ(d.lineTexts().size(), 7);
    EXPECT_EQ(d.lineTexts().value(1), QString("Constellation : Canis_Major"));
    EXPECT_EQ(d.lineTexts().value(6), QString("Spectral type : A1V"));
}

TEST(InfoDialog, MessierPictureWhenPresentWithItsCredit) {
    PictureDir dir;
    {
        TDialogInfo none(messierFacts("M42"), nullptr, dir.dirs());
        // No M42 picture is shipped: the small form, and no credit without a picture.
        EXPECT_FALSE(none.isLarge());
        EXPECT_TRUE(none.creditText().isEmpty());
    }
    dir.writeImage("M42", 300, 150, qRgb(10, 200, 30));
    TDialogInfo d(messierFacts("M42"), nullptr, dir.dirs());
    EXPECT_TRUE(d.isLarge());
    // Scaled into the area keeping its shape, not shaded (no phase for a nebula).
    EXPECT_EQ(d.picture().size(), QSize(200, 100));
    EXPECT_EQ(d.picture().pixel(100, 50) & 0xffffff, qRgb(10, 200, 30) & 0xffffffu);
    EXPECT_FALSE(d.creditText().isEmpty());
    EXPECT_EQ(d.lineTexts().value(2), QString("Number : M42"));
    // M2 carries no credit line.
    dir.writeImage("M2", 50, 50, qRgb(1, 2, 3));
    TDialogInfo m2(messierFacts("M2"), nullptr, dir.dirs());
    EXPECT_TRUE(m2.isLarge());
    EXPECT_TRUE(m2.creditText().isEmpty());
}

TEST(InfoDialog, BrokenPictureFilesShowNoPicture) {
    PictureDir dir;
    dir.writeBytes("M42", "BM\x10\0\0\0garbage");
    TDialogInfo d(messierFacts("M42"), nullptr, dir.dirs());
    EXPECT_FALSE(d.isLarge());
    dir.writeBytes("Vulcan", "");
    TDialogInfo p(planetFacts("Vulcan"), nullptr, dir.dirs());
    EXPECT_TRUE(p.isLarge());
    EXPECT_TRUE(p.picture().isNull());
}

TEST(InfoDialog, PictureNamesCannotLeaveThePicturesFolder) {
    EXPECT_EQ(TDialogInfo::picturePath("../Sys"), "");
    EXPECT_EQ(TDialogInfo::picturePath("a/b"), "");
    EXPECT_EQ(TDialogInfo::picturePath(""), "");
    EXPECT_EQ(TDialogInfo::picturePath(".."), "");
}

TEST(PhaseShading, HalfLitDiscFacesTheSun) {
    QImage white(200, 200, QImage::Format_RGB32);
    white.fill(qRgb(200, 200, 200));
    // Sun to the east (position angle 90): the left half is lit, as seen in the sky.
    const QImage q = shadePhase(white, 0.5, 90);
    EXPECT_EQ(qRed(q.pixel(40, 100)), 200);  // lit
    EXPECT_LT(qRed(q.pixel(160, 100)), 30);  // dark side
    EXPECT_EQ(qRed(q.pixel(2, 2)), 200);     // outside the disc: untouched
    // Sun to the north: the upper half is lit.
    const QImage n = shadePhase(white, 0.5, 0);
    EXPECT_EQ(qRed(n.pixel(100, 40)), 200);
    EXPECT_LT(qRed(n.pixel(100, 160)), 30);
}

TEST(PhaseShading, FullAndNewAndCrescent) {
    QImage white(200, 200, QImage::Format_RGB32);
    white.fill(qRgb(200, 200, 200));
    const QImage full = shadePhase(white, 1.0, 45);
    EXPECT_EQ(full.pixel(100, 100), white.pixel(100, 100));
    EXPECT_EQ(full.pixel(20, 100), white.pixel(20, 100));
    const QImage fresh = shadePhase(white, 0.0, 45);
    EXPECT_LT(qRed(fresh.pixel(100, 100)), 30);
    // A 25 % crescent lit from the west (270, the right side): the terminator lies at
    // x = cos(phase) * R = -0.5 * 90 px right of the centre... i.e. 45 px to the right.
    const QImage crescent = shadePhase(white, 0.25, 270);
    EXPECT_LT(qRed(crescent.pixel(100, 100)), 30);
    EXPECT_LT(qRed(crescent.pixel(140, 100)), 30);
    EXPECT_EQ(qRed(crescent.pixel(180, 100)), 200);
    // Bad inputs do not break the picture.
    EXPECT_EQ(shadePhase(white, NAN, NAN).size(), white.size());
    EXPECT_TRUE(shadePhase(QImage(), 0.5, 0).isNull());
}

TEST(SearchDialog, ButtonsAndLists) {
    systeme sys;
    sys.sunBody = std::make_unique<soleil>();
    const char* names[] = {"Mercure", "Terre", "Mars"};
    for (int k = 0; k < 3; ++k) {
        sys.planets[k] = std::make_unique<planete>();
        std::snprintf(sys.planets[k]->nom, sizeof sys.planets[k]->nom, "%s", names[k]);
    }
    sys.nbPlanets = 3;
    sys.constellations[0] = std::make_unique<constellation>();
    std::snprintf(sys.constellations[0]->nom, 30, "%s", "Lyra");
    std::snprintf(sys.constellations[0]->abbrev, 5, "%s", "Lyr");
    sys.constellations[0]->stars[0] = std::make_unique<etoile>();
    std::snprintf(sys.constellations[0]->stars[0]->word1, 15, "%s", "alpha");
    std::snprintf(sys.constellations[0]->stars[0]->word2, 15, "%s", "Vega");
    sys.constellations[0]->nbStars = 1;
    sys.nbConstellations = 1;
    sys.selectedComets.fill(-1);

    TDialogSearch d(sys);
    EXPECT_EQ(d.windowTitle(), QString("Search"));
    for (const char* b : {"Planets", "Stars", "Messier", "NGC", "Asteroids", "Search", "Cancel"})
        EXPECT_NE(d.button(b), nullptr) << b;
    // Opened on the planets, "Sun" selected.
    ASSERT_EQ(d.list()->count(), 4);
    EXPECT_EQ(d.list()->item(0)->text(), QString("Sun"));
    EXPECT_EQ(d.list()->item(1)->text(), QString("Mercury"));
    EXPECT_EQ(d.list()->item(2)->text(), QString("Mars"));
    EXPECT_EQ(d.list()->item(3)->text(), QString("Moon"));
    EXPECT_EQ(d.chosen().kind, kKindSun);
    d.button("Stars")->click();
    ASSERT_EQ(d.list()->count(), 1);
    EXPECT_EQ(d.list()->item(0)->text(), QString("Vega"));
    EXPECT_EQ(d.chosen().kind, kKindStar);
    // An empty list chooses nothing and "Search" does not close the dialog.
    d.button("Asteroids")->click();
    EXPECT_EQ(d.list()->count(), 0);
    EXPECT_FALSE(d.chosen().found());
    d.button("Search")->click();
    EXPECT_EQ(d.result(), 0);
}
