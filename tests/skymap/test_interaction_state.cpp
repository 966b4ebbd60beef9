// SPDX-License-Identifier: GPL-3.0-or-later
// Rubber band, coordinates under the pointer, hover labels, information lines and search lists.
#include "skymap/interaction.h"

#include <gtest/gtest.h>

#include "test_interaction_model.h"

using namespace skymap;
using interaction_test::Model;

namespace {

MapGeometry geometry(float W, float H, float mapW, float R) {
    MapGeometry g;
    g.clientWidth = W;
    g.clientHeight = H;
    g.mapWidth = mapW;
    g.mapRadius = R;
    return g;
}

// The 780 x 500 start-up window: map 548 wide.
MapGeometry startWindow() { return geometry(780, 500, 548, 225); }
// A viewport where the status line's scales are one degree per pixel: mapWidth - 25 = 360 and
// clientHeight - 45 = 180.
MapGeometry degreeWindow() { return geometry(617, 225, 385, 87); }

} // namespace

TEST(MapArea, BoundsAreStrict) {
    const MapGeometry g = startWindow(); // 5 < x < 528, 30 < y < 485
    EXPECT_TRUE(insideMapArea(g, 6, 31));
    EXPECT_TRUE(insideMapArea(g, 527, 484));
    EXPECT_FALSE(insideMapArea(g, 5, 100));
    EXPECT_FALSE(insideMapArea(g, 528, 100));
    EXPECT_FALSE(insideMapArea(g, 100, 30));
    EXPECT_FALSE(insideMapArea(g, 100, 485));
}

TEST(RubberBand, StartsOnlyInRectangleViewsInsideTheMap) {
    const MapGeometry g = startWindow();
    RubberBand band;
    EXPECT_FALSE(band.press(13, g, 100, 100)); // circular view
    EXPECT_FALSE(band.press(10, g, 100, 100));
    EXPECT_FALSE(band.press(11, g, 100, 20)); // the toolbar row
    EXPECT_FALSE(band.press(11, g, 540, 100)); // the vertical strip
    EXPECT_FALSE(band.active());
    EXPECT_TRUE(band.press(11, g, 100, 100));
    EXPECT_TRUE(band.active());
    EXPECT_EQ(band.start(), (PixelPoint{100, 100}));
    // A second press while one is in progress does not restart it.
    EXPECT_FALSE(band.press(11, g, 200, 200));
    EXPECT_EQ(band.start(), (PixelPoint{100, 100}));
    RubberBand az;
    EXPECT_TRUE(az.press(14, g, 6, 31));
    RubberBand traj;
    EXPECT_TRUE(traj.press(12, g, 300, 300));
}

TEST(RubberBand, MovesAreClampedToTheMapRectangle) {
    const MapGeometry g = startWindow();
    RubberBand band;
    ASSERT_TRUE(band.press(11, g, 100, 100));
    EXPECT_TRUE(band.move(11, g, 700, 600));
    EXPECT_EQ(band.current(), (PixelPoint{528, 485}));
    EXPECT_TRUE(band.move(11, g, -40, 10));
    EXPECT_EQ(band.current(), (PixelPoint{5, 30}));
    EXPECT_TRUE(band.move(11, g, 5, 30));
    EXPECT_EQ(band.current(), (PixelPoint{5, 30}));
}

TEST(RubberBand, AMoveInAnotherViewDropsTheRectangle) {
    const MapGeometry g = startWindow();
    RubberBand band;
    ASSERT_TRUE(band.press(14, g, 100, 100));
    EXPECT_FALSE(band.move(13, g, 150, 150));
    EXPECT_FALSE(band.active());
    SkyNavigation nav;
    EXPECT_FALSE(band.release(nav, 14, g, 200, 200));
}

TEST(RubberBand, ReleaseZoomsTheQuadraticWindow) {
    // One pixel per degree in x (W' = 360) and per degree in y (H' = clientHeight - 45 = 180).
    const MapGeometry g = degreeWindow();
    SkyNavigation nav; // 0..360, +90..-90
    RubberBand band;
    ASSERT_TRUE(band.press(11, g, 95, 75));
    ASSERT_TRUE(band.move(11, g, 185, 165));
    EXPECT_TRUE(band.release(nav, 11, g, 185, 165));
    EXPECT_FALSE(band.active());
    // RA: Ra = 0, Rb' = 360; 360 - (185-5) = 180 and 360 - (95-5) = 270.
    // Dec: 90 - (75-30) = 45 and 90 - (165-30) = -45.
    EXPECT_EQ(nav.quadRa1, 180);
    EXPECT_EQ(nav.quadRa2, 270);
    EXPECT_EQ(nav.quadDec1, 45);
    EXPECT_EQ(nav.quadDec2, -45);
}

TEST(RubberBand, ReleaseAtThePressHeightLeavesTheWindow) {
    const MapGeometry g = degreeWindow();
    for (int view : {11, 14}) {
        SkyNavigation nav;
        const SkyNavigation before = nav;
        RubberBand band;
        ASSERT_TRUE(band.press(view, g, 50, 100));
        EXPECT_TRUE(band.release(nav, view, g, 200, 100));
        EXPECT_EQ(nav.quadRa1, before.quadRa1);
        EXPECT_EQ(nav.quadRa2, before.quadRa2);
        EXPECT_EQ(nav.quadDec1, before.quadDec1);
        EXPECT_EQ(nav.azimAz1, before.azimAz1);
        EXPECT_EQ(nav.azimAz2, before.azimAz2);
        EXPECT_EQ(nav.azimEl1, before.azimEl1);
        EXPECT_EQ(nav.azimEl2, before.azimEl2);
    }
}

TEST(RubberBand, ReleaseZoomsTheAzimutalWindow) {
    const MapGeometry g = degreeWindow();
    SkyNavigation nav;
    nav.azimAz1 = 0;
    nav.azimAz2 = 360;
    nav.azimEl2 = 90;
    nav.azimEl1 = -90; // a window where one pixel is one degree both ways
    RubberBand band;
    ASSERT_TRUE(band.press(14, g, 35, 60));
    EXPECT_TRUE(band.release(nav, 14, g, 125, 120));
    EXPECT_EQ(nav.azimAz1, 30);
    EXPECT_EQ(nav.azimAz2, 120);
    EXPECT_EQ(nav.azimEl2, 60);
    EXPECT_EQ(nav.azimEl1, 0);
}

TEST(StatusLine, QuadraticRightAscensionAndDeclination) {
    const MapGeometry g = degreeWindow();
    SkyNavigation nav; // quadRa1 0 < quadRa2 360
    // x - 5 = 270: RA = 270 (0 - 360)/360 + 360 = 90 deg = 6h; y - 30 = 45: Dec = 90 - 45 = 45.
    auto text = statusLineText(11, nav, g, 275, 75);
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(*text, "Asc:6h0'0\" D\xE9" "c:45\xB0" "0'    ");
    // The same in the trajectory view.
    EXPECT_EQ(*statusLineText(12, nav, g, 275, 75), *text);
}

TEST(StatusLine, QuadraticWindowAcrossZero) {
    const MapGeometry g = degreeWindow();
    SkyNavigation nav;
    nav.quadRa1 = 300; // right edge
    nav.quadRa2 = 60;  // left edge: the window spans 120 degrees through 0
    nav.quadDec1 = 30;
    nav.quadDec2 = -60;
    // RA = (x-5)(300 - 60 - 360)/360 + 60 + 360 = 420 - 30 = 390 -> 30 deg = 2h;
    // Dec = 30 - 15*90/180 = 22.5.
    auto text = statusLineText(11, nav, g, 95, 45);
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(*text, "Asc:2h0'0\" D\xE9" "c:22\xB0" "30'    ");
}

TEST(StatusLine, AzimutalAzimuthAndHeight) {
    const MapGeometry g = degreeWindow();
    SkyNavigation nav; // 300 .. 60, elevations 15 .. -5
    // w = 60 - 300 + 360 = 120; az = 180*120/360 + (300 - 180) = 180; el = 15 - 90*20/180 = 5.
    auto text = statusLineText(14, nav, g, 185, 120);
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(*text, "Azim:180.00\xB0 Haut:5.00\xB0    ");
}

TEST(StatusLine, AzimuthIsBroughtIntoOneTurn) {
    const MapGeometry g = degreeWindow();
    SkyNavigation nav;
    nav.azimAz1 = 30;
    nav.azimAz2 = 60; // w = 30: az = (x-5)*30/360 - 150, negative near the left edge
    auto text = statusLineText(14, nav, g, 41, 30 + 18);
    ASSERT_TRUE(text.has_value());
    // 36*30/360 - 150 + 360 = 213; el = 15 - 18*20/180 = 13.
    EXPECT_EQ(*text, "Azim:213.00\xB0 Haut:13.00\xB0    ");
}

TEST(StatusLine, NothingOutsideTheMapOrInTheDiscViews) {
    const MapGeometry g = startWindow();
    SkyNavigation nav;
    EXPECT_FALSE(statusLineText(13, nav, g, 100, 100).has_value());
    EXPECT_FALSE(statusLineText(10, nav, g, 100, 100).has_value());
    EXPECT_FALSE(statusLineText(11, nav, g, 100, 10).has_value());
    EXPECT_FALSE(statusLineText(14, nav, g, 530, 100).has_value());
    EXPECT_EQ(statusLinePosition(g), (PixelPoint{578, 480}));
}

TEST(HoverLabel, PlanetMoonAndAsteroidTexts) {
    Model m;
    const MapGeometry g = startWindow();
    m.mars->screenX = 100;
    m.mars->screenY = 100;
    HoverLabel l = hoverLabel(m.sys, g, HitFilter{}, 101, 101);
    ASSERT_EQ(l.texts.size(), 1u);
    EXPECT_EQ(l.texts[0].text, "Planet:Mars");
    EXPECT_EQ(l.texts[0].x, 548 + 65);
    EXPECT_EQ(l.texts[0].y, 430);
    EXPECT_TRUE(l.constellationMarkers.empty());

    m.mercury->screenX = 300;
    m.mercury->screenY = 300;
    EXPECT_EQ(hoverLabel(m.sys, g, HitFilter{}, 300, 300).texts[0].text, "Planet:Mercury");

    m.moon->screenX = 200;
    m.moon->screenY = 200;
    l = hoverLabel(m.sys, g, HitFilter{}, 200, 200);
    ASSERT_EQ(l.texts.size(), 1u);
    EXPECT_EQ(l.texts[0].text, "Moon");
    EXPECT_EQ(l.texts[0].x, 548 + 80);

    m.vesta->screenX = 400;
    m.vesta->screenY = 400;
    l = hoverLabel(m.sys, g, HitFilter{}, 400, 400);
    EXPECT_EQ(l.texts[0].text, "Asteroid:Vesta");
    EXPECT_EQ(l.texts[0].x, 548 + 70);

    m.m42->screenX = 450;
    m.m42->screenY = 50;
    l = hoverLabel(m.sys, g, HitFilter{}, 450, 50);
    EXPECT_EQ(l.texts[0].text, "M42");
    EXPECT_EQ(l.texts[0].x, 548 + 70);

    EXPECT_TRUE(hoverLabel(m.sys, g, HitFilter{}, 10, 470).empty());
}

TEST(HoverLabel, StarWithItsConstellationAndMarkers) {
    Model m;
    const MapGeometry g = startWindow();
    m.sirius->screenX = 250;
    m.sirius->screenY = 260;
    m.beta->screenX = 230;
    m.beta->screenY = 255;
    m.faint->screenX = 240; // drawn but fainter than the limit: no marker
    m.faint->screenY = 270;
    HoverLabel l = hoverLabel(m.sys, g, HitFilter{}, 250, 260);
    ASSERT_EQ(l.texts.size(), 2u);
    EXPECT_EQ(l.texts[0].text, "Star:Sirius");
    EXPECT_EQ(l.texts[0].x, 548 + 65);
    EXPECT_EQ(l.texts[0].y, 430);
    EXPECT_EQ(l.texts[1].text, "Constellation:Canis_Major");
    EXPECT_EQ(l.texts[1].x, 548 + 30);
    EXPECT_EQ(l.texts[1].y, 450);
    ASSERT_EQ(l.constellationMarkers.size(), 2u);
    EXPECT_EQ(l.constellationMarkers[0], (PixelPoint{250, 260}));
    EXPECT_EQ(l.constellationMarkers[1], (PixelPoint{230, 255}));
    ASSERT_TRUE(l.hoveredStar.has_value());
    EXPECT_EQ(*l.hoveredStar, (PixelPoint{250, 260}));

    // A star without a name is shown by its designation.
    l = hoverLabel(m.sys, g, HitFilter{}, 230, 255);
    EXPECT_EQ(l.texts[0].text, "Star:beta");
}

TEST(HoverLabel, NoMarkersForTheUnnamedConstellation) {
    Model m;
    const MapGeometry g = startWindow();
    interaction_test::copyName(m.cma->nom, "-");
    m.sirius->screenX = 250;
    m.sirius->screenY = 260;
    HoverLabel l = hoverLabel(m.sys, g, HitFilter{}, 250, 260);
    EXPECT_EQ(l.texts.size(), 2u);
    EXPECT_TRUE(l.constellationMarkers.empty());
    EXPECT_FALSE(l.hoveredStar.has_value());
}

TEST(InfoLines, Planet) {
    ObjectFacts f;
    f.kind = kKindPlanet;
    f.name = "Mars";
    f.ra_deg = 101.31; // 6.754 h: 6h 45m 14.4s
    f.dec_deg = 23.46;
    f.magnitude = -2.34;
    f.visibleFraction = 0.987;
    f.diameter_arcsec = 40.53;
    const std::vector<std::string> want = {
        "Type : Planet",           "Name : Mars",          "Right ascension : 6h 45m 14s",
        "Declination : 23.5\xB0",  " Magnitude  : -2.3",   "Visible part : 98.7%",
        "Angular diameter :  40.5 s"};
    EXPECT_EQ(infoLines(f), want);
}

TEST(InfoLines, MoonHasNoMagnitude) {
    ObjectFacts f;
    f.kind = kKindMoon;
    f.name = "Moon";
    f.ra_deg = 0.5; // 2 minutes of time
    f.dec_deg = -5.04;
    f.visibleFraction = -0.25; // shown by its absolute value
    f.diameter_arcsec = 1864.2;
    const std::vector<std::string> want = {"Type : Satellite",      "Name : Moon",
                                           "Right ascension : 0h 2m 0s", "Declination : -5.0\xB0",
                                           "Visible part : 25.0%",  "Angular diameter : 1864.2 s"};
    EXPECT_EQ(infoLines(f), want);
}

TEST(InfoLines, Star) {
    ObjectFacts f;
    f.kind = kKindStar;
    f.constellation = "Canis_Major";
    f.name = "Sirius";
    f.ra_deg = 101.2875; // 6h 45m 9s exactly
    f.dec_deg = -16.7161;
    f.magnitude = -1.46;
    f.spectralType = "A1V";
    const std::vector<std::string> want = {"Type : Star",           "Constellation : Canis_Major",
                                           "Name : Sirius",         "Right ascension : 6h 45m 9s",
                                           "Declination : -16.7\xB0", " Magnitude  : -1.5",
                                           "Spectral type : A1V"};
    EXPECT_EQ(infoLines(f), want);
}

TEST(InfoLines, DeepSkyWithAndWithoutName) {
    ObjectFacts f;
    f.kind = 3;
    f.name = "Orion_Nebula";
    f.number = "M42";
    f.ra_deg = 83.85; // 5h 35m 24s
    f.dec_deg = -5.45;
    std::vector<std::string> want = {"Type : Nebula", "Name : Orion_Nebula", "Number : M42",
                                     "Right ascension : 5h 35m 24s", "Declination : -5.5\xB0"};
    EXPECT_EQ(infoLines(f), want);
    f.kind = 5;
    f.name = "_";
    f.number = "NGC2244";
    f.ra_deg = 98.0; // 6h 32m 0s
    f.dec_deg = 4.9;
    want = {"Type : Open cluster", "Number : NGC2244", "Right ascension : 6h 32m 0s", "Declination : 4.9\xB0"};
    EXPECT_EQ(infoLines(f), want);
}

TEST(InfoLines, AsteroidRightAscensionIsBroughtIntoOneTurn) {
    ObjectFacts f;
    f.kind = kKindAsteroid;
    f.name = "Vesta";
    f.ra_deg = -15.0; // the asteroid routine leaves RA in -90..270: this is 23h
    f.dec_deg = 2.0;
    const std::vector<std::string> want = {"Type : Asteroid", "Name : Vesta", "Right ascension : 23h 0m 0s",
                                           "Declination : 2.0\xB0"};
    EXPECT_EQ(infoLines(f), want);
}

TEST(InfoLines, SatelliteOfJupiter) {
    Model m;
    // The model's fixed satellite records: Io, 3630 km, 422 000 km; its period is given here.
    ::satell* io = m.sys.satell(0);
    ASSERT_NE(io, nullptr);
    io->period = 1.769; // 1 d 18.456 h: 1 j 18 h 27 mn
    const ObjectFacts f = satellFacts(m.sys, 0);
    const std::vector<std::string> want = {"Type : Satellite", "Name : Io", "Diameter : 3630 km",
                                           "Orbite : 422 000 km", "Rotation period : 1 j 18 h 27 mn"};
    EXPECT_EQ(infoLines(f), want);
    EXPECT_EQ(satellFacts(m.sys, 12).kind, kKindNone);
}

TEST(InfoLines, LargeFormAndPhases) {
    EXPECT_TRUE(alwaysLargeInfo(kKindMoon));
    EXPECT_TRUE(alwaysLargeInfo(kKindPlanet));
    EXPECT_FALSE(alwaysLargeInfo(kKindStar));
    EXPECT_FALSE(alwaysLargeInfo(3));
    ObjectFacts f;
    f.kind = kKindPlanet;
    f.pictureName = "Venus";
    EXPECT_TRUE(showsPhase(f));
    f.pictureName = "Jupiter";
    EXPECT_FALSE(showsPhase(f));
    EXPECT_TRUE(messierPictureHasCredit("M104"));
    EXPECT_TRUE(messierPictureHasCredit("M1"));
    EXPECT_FALSE(messierPictureHasCredit("M2"));
    EXPECT_FALSE(messierPictureHasCredit("M10"));
}

TEST(Names, EnglishNamesOfTheDataFiles) {
    EXPECT_EQ(bodyEnglishName("Mercure"), "Mercury");
    EXPECT_EQ(bodyEnglishName("V\xE9nus"), "Venus");
    EXPECT_EQ(bodyEnglishName("Saturne"), "Saturn");
    EXPECT_EQ(bodyEnglishName("pluton"), "Pluto");
    EXPECT_EQ(bodyEnglishName("Vulcain"), "Vulcain"); // no translation: kept
}

TEST(Search, PlanetListHasTheSunThePlanetsButTheEarthAndTheMoon) {
    Model m;
    const SearchList l = searchList(m.sys, SearchCatalogue::Planets);
    std::vector<std::string> texts;
    for (const auto& e : l.entries) texts.push_back(e.text);
    const std::vector<std::string> want = {"Sun", "Mercury", "Venus", "Mars", "Jupiter", "Moon"};
    EXPECT_EQ(texts, want);
    EXPECT_EQ(l.selected, 0);
    EXPECT_EQ(l.entries[0].object.kind, kKindSun);
    EXPECT_EQ(l.entries[3].object.planet, 3);
    EXPECT_EQ(l.entries[5].object.kind, kKindMoon);
}

TEST(Search, StarListUsesNamesOrDesignations) {
    Model m;
    interaction_test::copyName(m.faint->word1, "-"); // neither a name nor a designation
    const SearchList l = searchList(m.sys, SearchCatalogue::Stars);
    ASSERT_EQ(l.entries.size(), 2u);
    EXPECT_EQ(l.entries[0].text, "Sirius");
    EXPECT_EQ(l.entries[1].text, "beta CMa");
    EXPECT_EQ(l.selected, 0);
}

TEST(Search, DeepSkyAndAsteroidLists) {
    Model m;
    SearchList l = searchList(m.sys, SearchCatalogue::Messier);
    ASSERT_EQ(l.entries.size(), 1u);
    EXPECT_EQ(l.entries[0].text, "M42");
    EXPECT_EQ(l.selected, 0);
    l = searchList(m.sys, SearchCatalogue::NGC);
    ASSERT_EQ(l.entries.size(), 1u);
    EXPECT_EQ(l.entries[0].text, "NGC2244");
    l = searchList(m.sys, SearchCatalogue::Asteroids);
    ASSERT_EQ(l.entries.size(), 1u); // only the selected one
    EXPECT_EQ(l.entries[0].text, "Vesta");
    m.sys.selectedComets[0] = -1;
    l = searchList(m.sys, SearchCatalogue::Asteroids);
    EXPECT_TRUE(l.entries.empty());
    EXPECT_EQ(l.selected, -1);
}

TEST(Search, DrawnObjectIsCircled) {
    Model m;
    const MapGeometry g = startWindow();
    m.sirius->screenX = 320;
    m.sirius->screenY = 210;
    const SearchList l = searchList(m.sys, SearchCatalogue::Stars);
    const SearchOutcome o = searchOutcome(m.sys, l.entries[0].object, 13, g);
    EXPECT_TRUE(o.visible);
    EXPECT_EQ(o.point.x, 320);
    EXPECT_EQ(o.point.y, 210);
    EXPECT_TRUE(o.message.empty());
}

TEST(Search, UndrawnObjectIsNotVisible) {
    Model m;
    const MapGeometry g = startWindow();
    SkyObjectRef jupiter;
    jupiter.kind = kKindPlanet;
    jupiter.planet = 4; // hidden: x = -100
    SearchOutcome o = searchOutcome(m.sys, jupiter, 13, g);
    EXPECT_FALSE(o.visible);
    EXPECT_EQ(o.message, "Object not visible");
    EXPECT_EQ(o.caption, "It is may be too soon");
    // A point left from a sky paint does not count in a view that does not draw the sky.
    m.jupiter->screenX = 100;
    m.jupiter->screenY = 100;
    EXPECT_TRUE(searchOutcome(m.sys, jupiter, 13, g).visible);
    EXPECT_FALSE(searchOutcome(m.sys, jupiter, 1, g).visible);
    EXPECT_FALSE(searchOutcome(m.sys, jupiter, 30, g).visible);
    EXPECT_TRUE(searchOutcome(m.sys, jupiter, 20, g).visible); // the heliocentric view stores planets
    SkyObjectRef sirius;
    sirius.kind = kKindStar;
    sirius.constellation = 0;
    sirius.star = 0;
    m.sirius->screenX = 100;
    m.sirius->screenY = 100;
    EXPECT_FALSE(searchOutcome(m.sys, sirius, 20, g).visible);
    // A stored point outside the client area (the heliocentric "behind the eye") is not visible.
    m.jupiter->screenX = 3000;
    m.jupiter->screenY = 3000;
    EXPECT_FALSE(searchOutcome(m.sys, jupiter, 20, g).visible);
}

TEST(Search, IdentifiableViews) {
    HitFilter f;
    EXPECT_TRUE(identifiableInView(13, f));
    EXPECT_FALSE(f.bodiesOnly);
    EXPECT_TRUE(identifiableInView(20, f));
    EXPECT_TRUE(f.bodiesOnly);
    EXPECT_FALSE(identifiableInView(30, f));
    EXPECT_FALSE(identifiableInView(1, f));
    EXPECT_FALSE(identifiableInView(31, f));
}

TEST(Search, PointsBeyondTheDrawnMapAreNotVisible) {
    Model m;
    const MapGeometry g = startWindow(); // map up to x = 533 (548 - 15), y = 485
    SkyObjectRef mars;
    mars.kind = kKindPlanet;
    mars.planet = 3;
    m.mars->screenX = 600; // stored by a zoomed disc, over the legend panel
    m.mars->screenY = 200;
    EXPECT_FALSE(searchOutcome(m.sys, mars, 13, g, 2).visible);
    m.mars->screenX = 533; // the quadratic views' last shown column
    EXPECT_TRUE(searchOutcome(m.sys, mars, 11, g).visible);
    m.mars->screenY = 10; // the toolbar row
    EXPECT_FALSE(searchOutcome(m.sys, mars, 10, g, 4).visible);
    // An unzoomed disc is drawn whole, up to nearly the window's edge: its rim counts.
    m.mars->screenX = 540;
    m.mars->screenY = 250;
    EXPECT_TRUE(searchOutcome(m.sys, mars, 13, g).visible);
    EXPECT_TRUE(searchOutcome(m.sys, mars, 10, g, 1).visible);
    EXPECT_FALSE(searchOutcome(m.sys, mars, 13, g, 2).visible);
    EXPECT_FALSE(searchOutcome(m.sys, mars, 11, g).visible);
    EXPECT_TRUE(mapIsCut(11, 1) && mapIsCut(12, 1) && mapIsCut(14, 1) && mapIsCut(10, 2));
    EXPECT_FALSE(mapIsCut(10, 1) || mapIsCut(13, 1) || mapIsCut(20, 1));
    EXPECT_TRUE(onDrawnMap(g, 3, 25));
    EXPECT_FALSE(onDrawnMap(g, 2, 100));
    EXPECT_FALSE(onDrawnMap(g, 100, 486));
}

TEST(Search, PictureSettingsDecideThePlanetAndMessierPictures) {
    ObjectFacts planet, moon, messier, ngc, star;
    planet.kind = kKindPlanet;
    moon.kind = kKindMoon;
    messier.kind = ngc.kind = 3;
    messier.number = "M42";
    ngc.number = "NGC 1976";
    star.kind = kKindStar;
    CatalogueSettings c;
    for (const ObjectFacts* f : {&planet, &moon, &messier}) {
        EXPECT_FALSE(pictureAllowed(*f, nullptr));
        EXPECT_FALSE(pictureAllowed(*f, &c));
    }
    EXPECT_TRUE(pictureAllowed(ngc, &c) && pictureAllowed(star, nullptr));
    c.usePlanetPictures = 1;
    EXPECT_TRUE(pictureAllowed(planet, &c) && pictureAllowed(moon, &c));
    EXPECT_FALSE(pictureAllowed(messier, &c));
    c.useMessierPictures = 1;
    EXPECT_TRUE(pictureAllowed(messier, &c));
}
