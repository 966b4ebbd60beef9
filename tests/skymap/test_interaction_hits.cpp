// SPDX-License-Identifier: GPL-3.0-or-later
// Hit box, identification order and hover order on a hand-placed model.
#include "skymap/hit_test.h"

#include <gtest/gtest.h>

#include <climits>

#include "test_interaction_model.h"

using namespace skymap;
using interaction_test::Model;

TEST(HitBox, IsStrictThreePixelsEachWay) {
    // Inside: up to 2 pixels away in each axis.
    EXPECT_TRUE(underPointer(100, 100, 100, 100));
    EXPECT_TRUE(underPointer(100, 100, 102, 102));
    EXPECT_TRUE(underPointer(100, 100, 98, 98));
    EXPECT_TRUE(underPointer(100, 100, 102, 98));
    // 3 pixels away is outside, in either axis and direction.
    EXPECT_FALSE(underPointer(100, 100, 103, 100));
    EXPECT_FALSE(underPointer(100, 100, 97, 100));
    EXPECT_FALSE(underPointer(100, 100, 100, 103));
    EXPECT_FALSE(underPointer(100, 100, 100, 97));
    EXPECT_FALSE(underPointer(100, 100, 103, 103));
}

TEST(HitBox, UndrawnPointsAreNeverHit) {
    EXPECT_FALSE(underPointer(0, 10, 1, 10));     // x = 0 means not drawn
    EXPECT_FALSE(underPointer(-100, 0, -100, 0)); // the projections' hidden marker
    EXPECT_FALSE(underPointer(-1, 5, 1, 5));
    EXPECT_TRUE(underPointer(1, 5, 2, 5));
    // Extreme stored values do not overflow the difference.
    EXPECT_FALSE(underPointer(INT32_MAX, INT32_MAX, INT_MIN, INT_MIN));
}

TEST(Magnitude, MarkersAboveNinetyAreReduced) {
    EXPECT_DOUBLE_EQ(reducedMagnitude(5.5), 5.5);
    EXPECT_DOUBLE_EQ(reducedMagnitude(101.5), 1.5);
    EXPECT_DOUBLE_EQ(reducedMagnitude(203.0), 3.0);
    EXPECT_DOUBLE_EQ(reducedMagnitude(-1.46), -1.46);
}

TEST(Identify, NothingUnderThePointerGivesNothing) {
    Model m;
    m.mars->screenX = 200;
    m.mars->screenY = 200;
    EXPECT_FALSE(identifyObject(m.sys, 300, 300, HitFilter{}).found());
    EXPECT_FALSE(hoverObject(m.sys, 300, 300, HitFilter{}).found());
}

TEST(Identify, StarBeatsPlanet) {
    Model m;
    m.mars->screenX = 200;
    m.mars->screenY = 200;
    m.sirius->screenX = 201;
    m.sirius->screenY = 199;
    const SkyObjectRef r = identifyObject(m.sys, 200, 200, HitFilter{});
    EXPECT_EQ(r.kind, kKindStar);
    EXPECT_EQ(r.constellation, 0);
    EXPECT_EQ(r.star, 0);
}

TEST(Identify, MessierBeatsStarAndAsteroidBeatsEverything) {
    Model m;
    for (int32_t* p : {&m.mars->screenX, &m.moon->screenX, &m.sirius->screenX, &m.m42->screenX})
        *p = 150;
    for (int32_t* p : {&m.mars->screenY, &m.moon->screenY, &m.sirius->screenY, &m.m42->screenY})
        *p = 150;
    SkyObjectRef r = identifyObject(m.sys, 151, 151, HitFilter{});
    EXPECT_EQ(r.kind, 3); // M42, type 1: a nebula
    EXPECT_EQ(r.deepSky, 0);

    m.vesta->screenX = 152;
    m.vesta->screenY = 149;
    r = identifyObject(m.sys, 151, 151, HitFilter{});
    EXPECT_EQ(r.kind, kKindAsteroid);
    EXPECT_EQ(r.comet, 1);
}

TEST(Identify, MoonBeatsPlanet) {
    Model m;
    m.jupiter->screenX = m.moon->screenX = 300;
    m.jupiter->screenY = m.moon->screenY = 120;
    EXPECT_EQ(identifyObject(m.sys, 300, 120, HitFilter{}).kind, kKindMoon);
    // The hover order is the reverse: the planet is named.
    EXPECT_EQ(hoverObject(m.sys, 300, 120, HitFilter{}).kind, kKindPlanet);
}

// The Sun is named where nothing else lies: every other object beats it, and the heliocentric
// views, which store planets and asteroids only, never name it.
TEST(Identify, SunWhereNothingElseLies) {
    Model m;
    m.sys.sunBody->screenX = 400;
    m.sys.sunBody->screenY = 200;
    EXPECT_EQ(identifyObject(m.sys, 401, 201, HitFilter{}).kind, kKindSun);
    EXPECT_FALSE(identifyObject(m.sys, 403, 200, HitFilter{}).found());
    HitFilter helio;
    helio.bodiesOnly = true;
    EXPECT_FALSE(identifyObject(m.sys, 400, 200, helio).found());
    m.moon->screenX = 401;
    m.moon->screenY = 199;
    EXPECT_EQ(identifyObject(m.sys, 400, 200, HitFilter{}).kind, kKindMoon);
    m.moon->screenX = -100;
    m.mercury->screenX = 399;
    m.mercury->screenY = 200;
    EXPECT_EQ(identifyObject(m.sys, 400, 200, HitFilter{}).kind, kKindPlanet);
}

TEST(Identify, LastMatchingPlanetCounts) {
    Model m;
    m.venus->screenX = 80;
    m.venus->screenY = 80;
    m.jupiter->screenX = 81;
    m.jupiter->screenY = 81;
    EXPECT_EQ(identifyObject(m.sys, 80, 80, HitFilter{}).planet, 4);
    // The hover scans the planets from the last: the same planet.
    EXPECT_EQ(hoverObject(m.sys, 80, 80, HitFilter{}).planet, 4);
}

TEST(Identify, TheEarthIsNeverIdentified) {
    Model m;
    m.earth->screenX = 50;
    m.earth->screenY = 60;
    EXPECT_FALSE(identifyObject(m.sys, 50, 60, HitFilter{}).found());
    EXPECT_FALSE(hoverObject(m.sys, 50, 60, HitFilter{}).found());
}

TEST(Identify, StarFainterThanTheLimitIsNeverIdentifiedNorHovered) {
    Model m;
    m.faint->screenX = 120;
    m.faint->screenY = 130;
    HitFilter f;
    f.starMagnitude = 6.0; // the star is 7.5
    EXPECT_FALSE(identifyObject(m.sys, 120, 130, f).found());
    EXPECT_FALSE(hoverObject(m.sys, 120, 130, f).found());
    // A limit exactly at its magnitude lets it be identified ("not above" the limit).
    f.starMagnitude = 7.5;
    EXPECT_EQ(identifyObject(m.sys, 120, 130, f).star, 2);
    EXPECT_EQ(hoverObject(m.sys, 120, 130, f).star, 2);
}

TEST(Identify, MarkedMagnitudesAreReducedBeforeTheLimit) {
    Model m;
    m.beta->mag = 101.98; // 1.98 with the catalogue's marker
    m.beta->screenX = 40;
    m.beta->screenY = 40;
    EXPECT_EQ(identifyObject(m.sys, 40, 40, HitFilter{}).star, 1);
}

TEST(Identify, HiddenDeepSkyCataloguesAreNotIdentified) {
    Model m;
    m.m42->screenX = 70;
    m.m42->screenY = 70;
    m.ngc2244->screenX = 90;
    m.ngc2244->screenY = 90;
    HitFilter f;
    f.showMessier = false;
    f.showNGC = false;
    EXPECT_FALSE(identifyObject(m.sys, 70, 70, f).found());
    EXPECT_FALSE(identifyObject(m.sys, 90, 90, f).found());
    f.showNGC = true;
    const SkyObjectRef r = identifyObject(m.sys, 90, 90, f);
    EXPECT_EQ(r.kind, 5); // type 3: an open cluster
    EXPECT_EQ(r.deepSky, 1);
}

TEST(Identify, OnlySelectedAsteroidsCount) {
    Model m;
    m.ceres->screenX = 60; // drawn once, but not selected now
    m.ceres->screenY = 60;
    EXPECT_FALSE(identifyObject(m.sys, 60, 60, HitFilter{}).found());
    m.sys.selectedComets[0] = 0;
    EXPECT_EQ(identifyObject(m.sys, 60, 60, HitFilter{}).comet, 0);
}

TEST(Identify, SelectedIndicesOutsideTheTableAreSkipped) {
    Model m;
    m.vesta->screenX = 60;
    m.vesta->screenY = 60;
    m.sys.selectedComets[0] = 2999; // no such body
    m.sys.selectedComets[1] = 1;
    EXPECT_EQ(identifyObject(m.sys, 60, 60, HitFilter{}).comet, 1);
}

TEST(Hover, PlanetBeatsStarAtTheSamePlace) {
    Model m;
    m.mars->screenX = m.sirius->screenX = 222;
    m.mars->screenY = m.sirius->screenY = 111;
    EXPECT_EQ(hoverObject(m.sys, 222, 111, HitFilter{}).kind, kKindPlanet);
    EXPECT_EQ(hoverObject(m.sys, 222, 111, HitFilter{}).planet, 3);
    // ... while the right click names the star.
    EXPECT_EQ(identifyObject(m.sys, 222, 111, HitFilter{}).kind, kKindStar);
}

TEST(Hover, StarBeatsDeepSkyAndAsteroid) {
    Model m;
    m.sirius->screenX = m.m42->screenX = m.vesta->screenX = 10;
    m.sirius->screenY = m.m42->screenY = m.vesta->screenY = 10;
    EXPECT_EQ(hoverObject(m.sys, 10, 10, HitFilter{}).kind, kKindStar);
}

TEST(Hover, BodiesOnlySkipsTheSkyCatalogues) {
    Model m;
    m.sirius->screenX = m.vesta->screenX = 10;
    m.sirius->screenY = m.vesta->screenY = 10;
    HitFilter f;
    f.bodiesOnly = true;
    EXPECT_EQ(identifyObject(m.sys, 10, 10, f).kind, kKindAsteroid);
    m.vesta->screenX = -100;
    EXPECT_FALSE(identifyObject(m.sys, 10, 10, f).found());
}

TEST(Kinds, TypeTextsOfTheDialog) {
    EXPECT_STREQ(kindTypeText(kKindMoon), "Satellite");
    EXPECT_STREQ(kindTypeText(kKindPlanet), "Planet");
    EXPECT_STREQ(kindTypeText(kKindStar), "Star");
    EXPECT_STREQ(kindTypeText(3), "Nebula");
    EXPECT_STREQ(kindTypeText(4), "Globular clustere");
    EXPECT_STREQ(kindTypeText(5), "Open cluster");
    EXPECT_STREQ(kindTypeText(6), "Galaxy");
    EXPECT_STREQ(kindTypeText(7), "Elliptic galaxy ");
    EXPECT_STREQ(kindTypeText(8), "Spiral galaxy");
    EXPECT_STREQ(kindTypeText(9), "Spiral galaxy");
    EXPECT_STREQ(kindTypeText(10), "Non regular galaxy");
    EXPECT_STREQ(kindTypeText(kKindAsteroid), "Asteroid");
    EXPECT_STREQ(kindTypeText(kKindSatellite), "Satellite");
    EXPECT_STREQ(kindTypeText(kKindDeepSkyOther), "");
}

TEST(Kinds, UnknownDeepSkyTypeIsNotAnAsteroid) {
    Model m;
    m.m42->type = 9; // 9 + 2 would be the asteroid kind
    m.m42->screenX = 33;
    m.m42->screenY = 44;
    const SkyObjectRef r = identifyObject(m.sys, 33, 44, HitFilter{});
    EXPECT_EQ(r.kind, kKindDeepSkyOther);
    EXPECT_EQ(deepSkyOf(m.sys, r), m.m42);
    EXPECT_EQ(asteroidOf(m.sys, r), nullptr);
}
