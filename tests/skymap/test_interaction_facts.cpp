// SPDX-License-Identifier: GPL-3.0-or-later
// What the information dialog is given for each kind of identified object.
#include "skymap/interaction.h"

#include <gtest/gtest.h>

#include "astro/date2.h"
#include "test_interaction_model.h"

using namespace skymap;
using interaction_test::Model;

namespace {

SkyObjectRef planetRef(int k) {
    SkyObjectRef r;
    r.kind = kKindPlanet;
    r.planet = k;
    return r;
}

date2 april1992() {
    date2 d;
    d.annee = 1992;
    d.mois = 4;
    d.jour = 12;
    d.calculeT();
    return d;
}

} // namespace

TEST(ObjectFacts, PlanetUsesItsEnglishNameAndPicture) {
    Model m;
    interaction_test::copyName(m.venus->nom, "V\xE9nus");
    m.venus->ra = 30;
    m.venus->dec = 10;
    // Opposite the Sun at 1 AU from both: phase angle 60 deg, visible part cos^2(30) = 0.75.
    m.venus->r = 1;
    m.venus->delta = 1;
    m.venus->rayon = 6052;
    const ObjectFacts f = objectFacts(m.sys, planetRef(1), april1992());
    EXPECT_EQ(f.kind, kKindPlanet);
    EXPECT_EQ(f.name, "Venus");
    EXPECT_EQ(f.pictureName, "Venus");
    EXPECT_DOUBLE_EQ(f.ra_deg, 30);
    EXPECT_DOUBLE_EQ(f.dec_deg, 10);
    EXPECT_NEAR(f.visibleFraction, 0.75, 1e-12);
    // 2 * 6052 km seen from 1 AU: 8.32 arcseconds.
    EXPECT_NEAR(f.diameter_arcsec, 2 * 6052 / 149597870.7 * 206264.806, 0.01);
    EXPECT_TRUE(f.credit.empty());
}

TEST(ObjectFacts, BrightLimbPointsToTheSun) {
    Model m;
    m.mars->ra = 100;
    m.mars->dec = 0;
    m.sys.sunBody->dec = 0;
    m.sys.sunBody->ra = 130; // east of the planet
    EXPECT_NEAR(objectFacts(m.sys, planetRef(3), april1992()).brightLimb_deg, 90, 1e-9);
    m.sys.sunBody->ra = 70; // west
    EXPECT_NEAR(objectFacts(m.sys, planetRef(3), april1992()).brightLimb_deg, 270, 1e-9);
    m.sys.sunBody->ra = 100;
    m.sys.sunBody->dec = 20; // north
    EXPECT_NEAR(objectFacts(m.sys, planetRef(3), april1992()).brightLimb_deg, 0, 1e-9);
}

TEST(ObjectFacts, MoonPhaseComesFromTheDate) {
    Model m;
    m.moon->ra = 150;
    m.moon->dec = 12;
    m.moon->delta = 0.0024606;
    m.moon->rayon = 1738;
    SkyObjectRef r;
    r.kind = kKindMoon;
    const ObjectFacts f = objectFacts(m.sys, r, april1992());
    EXPECT_EQ(f.kind, kKindMoon);
    EXPECT_EQ(f.name, "Moon");
    EXPECT_EQ(f.pictureName, "Moon");
    // Meeus' example 48.a: the Moon on 1992 April 12, 0h TD, is 0.6786 illuminated.
    EXPECT_NEAR(f.visibleFraction, 0.6786, 0.005);
    // 2 x 1738 km at 368 106 km: 1947.7 arcseconds.
    EXPECT_NEAR(f.diameter_arcsec, 1947.7, 1.0);
}

TEST(ObjectFacts, StarWithoutNameIsNamedByDesignationAndConstellation) {
    Model m;
    SkyObjectRef r;
    r.kind = kKindStar;
    r.constellation = 0;
    r.star = 1;
    m.beta->mag = 101.98;
    const ObjectFacts f = objectFacts(m.sys, r, april1992());
    EXPECT_EQ(f.constellation, "Canis_Major");
    EXPECT_EQ(f.name, "beta CMa");
    EXPECT_DOUBLE_EQ(f.magnitude, 101.98 - 100);
    EXPECT_EQ(f.spectralType, "B1II");
    r.star = 0;
    EXPECT_EQ(objectFacts(m.sys, r, april1992()).name, "Sirius");
}

TEST(ObjectFacts, DeepSkyPictureByDesignationWithCredit) {
    Model m;
    SkyObjectRef r;
    r.kind = 3;
    r.deepSky = 0;
    ObjectFacts f = objectFacts(m.sys, r, april1992());
    EXPECT_EQ(f.number, "M42");
    EXPECT_EQ(f.name, "Orion_Nebula");
    EXPECT_EQ(f.pictureName, "M42");
    EXPECT_FALSE(f.credit.empty()); // M42 is one of the credited pictures
    r.kind = 5;
    r.deepSky = 1;
    f = objectFacts(m.sys, r, april1992());
    EXPECT_EQ(f.pictureName, "NGC2244");
    EXPECT_TRUE(f.credit.empty());
}

TEST(ObjectFacts, StaleReferencesGiveNothing) {
    Model m;
    EXPECT_EQ(objectFacts(m.sys, planetRef(7), april1992()).kind, kKindNone);
    SkyObjectRef r;
    r.kind = kKindAsteroid;
    r.comet = 40;
    EXPECT_EQ(objectFacts(m.sys, r, april1992()).kind, kKindNone);
    r.kind = kKindStar;
    r.constellation = 0;
    r.star = 9;
    EXPECT_EQ(objectFacts(m.sys, r, april1992()).kind, kKindNone);
}

// The hand model's Sun has no elements: it stays at RA 0, Dec 0, 1 AU. Seen from the equator at
// longitude 0 on 1987 April 10, when the sidereal time at 0h UT is 13h10m46.37s (Meeus, example
// 12.a), it culminates when the sidereal time reaches 24h, after 10h49m13.6s of sidereal time,
// 10h47m27s UT, at the zenith. Its upper limb (15.99' for 696000 km at 1 AU) is on the horizon
// lowered by 34' of refraction at hour angles of 90.8332 deg, 6h02m20s of UT either side:
// rise 4h45m07s, set 16h49m48s.
TEST(ObjectFacts, SunRisesTransitsAndSetsForTheObserver) {
    Model m;
    m.sys.sunBody->rayon = 696000;
    m.sys.latitude = 0;
    m.sys.longitude = 0;
    date2 d;
    d.annee = 1987;
    d.mois = 4;
    d.jour = 10;
    d.heure = 12;
    d.calculeT();
    SkyObjectRef r;
    r.kind = kKindSun;
    const ObjectFacts f = objectFacts(m.sys, r, d);
    EXPECT_EQ(f.kind, kKindSun);
    EXPECT_EQ(f.name, "Sun");
    const std::string line = "Rise 4h45, transit 10h47 at 90.0\xB0, set 16h50 (local time).";
    EXPECT_EQ(f.riseTransitSet, line);
    const std::vector<std::string> want = {"Type : Star", "Name : Sun", "Right ascension : 0h 0m 0s",
                                           "Declination : 0.0\xB0", line};
    EXPECT_EQ(infoLines(f), want);
    // Nine hours east, in local time UT + 9: the same day seen nine sidereal hours earlier, the
    // clock times later by 9 h x (1 - 1/1.002737908) = 1 min 28 s.
    m.sys.longitude = -135;
    d.decalageLieu = 9;
    EXPECT_EQ(objectFacts(m.sys, r, d).riseTransitSet,
              "Rise 4h47, transit 10h49 at 90.0\xB0, set 16h51 (local time).");
}

TEST(ObjectFacts, RiseTransitSetOnlyForBodiesThatMove) {
    Model m;
    m.mars->ra = 100;
    SkyObjectRef r;
    r.kind = kKindMoon;
    EXPECT_TRUE(objectFacts(m.sys, r, april1992()).riseTransitSet.starts_with("Rise "));
    r.kind = kKindAsteroid;
    r.comet = 0;
    EXPECT_TRUE(objectFacts(m.sys, r, april1992()).riseTransitSet.starts_with("Rise "));
    r = SkyObjectRef{};
    r.kind = kKindStar;
    r.constellation = 0;
    r.star = 0;
    EXPECT_EQ(objectFacts(m.sys, r, april1992()).riseTransitSet, "");
    r = SkyObjectRef{};
    r.kind = 3;
    r.deepSky = 0;
    EXPECT_EQ(objectFacts(m.sys, r, april1992()).riseTransitSet, "");
}
