// SPDX-License-Identifier: GPL-3.0-or-later
// Identification and search on a real paint of the shipped data: the screen points the renderer
// stores are the ones the hit tests and the search use.
#include "astro/angles.h"
#include "astro/date2.h"
#include "catalog/prompter.h"
#include "catalog/systeme.h"
#include "gfx/canvas.h"
#include "gfx/parametre_affichage.h"
#include "skymap/interaction.h"
#include "skymap/sky_render.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>

using namespace skymap;

namespace {

const std::string kData = NALVO_SOURCE_DATA_DIR;

struct ShippedSky {
    RecordingPrompter prompter;
    systeme sys;
    ParametreAffichage options;
    SkyNavigation nav;
    date2 date;
    MapGeometry g;
    bool loaded = false;

    ShippedSky(int year, int month, int day, int hour) {
        if (!std::filesystem::exists(kData + "/Sys.syt")) return;
        sys.lookupDirs = {kData};
        const std::string ini = (std::filesystem::temp_directory_path() / "nalvo_interaction_none.ini").string();
        std::remove(ini.c_str()); // the defaults: Annecy, 45.9 N, 6.2 E
        loaded = sys.load(kData + "/Sys.syt", prompter, ini) >= 0;
        sys.setScreen(780, 500);
        g = geometryForSize(780, 500);
        date.annee = year;
        date.mois = month;
        date.jour = day;
        date.heure = hour;
        date.minute = 0;
        date.calculeT();
    }

    PaintStats paint(int view) {
        SkyScene scene;
        scene.sys = &sys;
        scene.date = &date;
        scene.options = &options;
        scene.nav = &nav;
        scene.prompter = &prompter;
        gfx::Canvas canvas(1500, 1400);
        options.attach(canvas);
        return paintSkyView(canvas, view, scene);
    }

    double altitude(const objetceleste& body) const {
        return altitudeOf(sys.longitude, sys.latitude, body.dec, body.ra, siderealTime(date));
    }
};

} // namespace

TEST(SkySearch, PlanetBelowTheHorizonInTheCircularViewIsNotVisible) {
    ShippedSky t(2026, 1, 15, 22);
    ASSERT_TRUE(t.loaded) << "the shipped data did not load";
    t.paint(kViewCircular);
    int below = 0, above = 0;
    const SearchList planets = searchList(t.sys, SearchCatalogue::Planets);
    for (const SearchEntry& e : planets.entries) {
        if (e.object.kind != kKindPlanet) continue;
        const planete& p = *t.sys.planet(e.object.planet);
        const double alt = t.altitude(p);
        const SearchOutcome out = searchOutcome(t.sys, e.object, kViewCircular, t.g);
        if (alt < -0.5) {
            ++below;
            EXPECT_FALSE(out.visible) << e.text << " at altitude " << alt;
            EXPECT_EQ(out.message, "Object not visible");
            EXPECT_EQ(out.caption, "It is may be too soon");
        } else if (alt > 0.5) {
            ++above;
            EXPECT_TRUE(out.visible) << e.text << " at altitude " << alt;
            EXPECT_EQ(out.point.x, p.screenX);
        }
    }
    EXPECT_GT(below, 0);
    EXPECT_GT(above, 0);
}

TEST(SkySearch, SiriusIsFoundAndIdentifiedWhereItWasDrawn) {
    ShippedSky t(2026, 1, 15, 22); // Sirius near the meridian in the evening
    ASSERT_TRUE(t.loaded) << "the shipped data did not load";
    t.paint(kViewCircular);
    const SearchList stars = searchList(t.sys, SearchCatalogue::Stars);
    const SearchEntry* sirius = nullptr;
    for (const SearchEntry& e : stars.entries)
        if (e.text == "Sirius") sirius = &e;
    ASSERT_NE(sirius, nullptr);
    const SearchOutcome out = searchOutcome(t.sys, sirius->object, kViewCircular, t.g);
    ASSERT_TRUE(out.visible);
    EXPECT_TRUE(insideMapArea(t.g, out.point.x, out.point.y));
    // A right click 2 pixels off still finds it (nothing brighter lies that close).
    const SkyObjectRef hit = identifyObject(t.sys, out.point.x + 2, out.point.y - 2, HitFilter{});
    EXPECT_EQ(hit, sirius->object);
    const ObjectFacts f = objectFacts(t.sys, hit, t.date);
    const std::vector<std::string> lines = infoLines(f);
    ASSERT_GE(lines.size(), 7u);
    EXPECT_EQ(lines[0], "Type : Star");
    EXPECT_EQ(lines[2], "Name : Sirius");
    EXPECT_EQ(lines[3], "Right ascension : 6h 45m 9s");
    // 3 pixels off is outside the hit box.
    EXPECT_FALSE(identifyObject(t.sys, out.point.x + 3, out.point.y, HitFilter{}) == sirius->object);
}

TEST(SkySearch, TrajectoryViewPlanetsCannotBeIdentified) {
    ShippedSky t(2026, 1, 15, 22);
    ASSERT_TRUE(t.loaded) << "the shipped data did not load";
    t.paint(kViewTrajectories);
    for (int k = 0; k < t.sys.planetCount(); ++k) {
        EXPECT_LE(t.sys.planet(k)->screenX, 0);
        SkyObjectRef r;
        r.kind = kKindPlanet;
        r.planet = k;
        EXPECT_FALSE(searchOutcome(t.sys, r, kViewTrajectories, t.g).visible);
    }
}

TEST(SkySearch, MessierObjectDrawnInTheQuadraticViewIsIdentified) {
    ShippedSky t(2026, 1, 15, 22);
    ASSERT_TRUE(t.loaded) << "the shipped data did not load";
    t.paint(kViewQuadratic);
    const SearchList messier = searchList(t.sys, SearchCatalogue::Messier);
    const SearchEntry* m42 = nullptr;
    for (const SearchEntry& e : messier.entries)
        if (e.text == "M42") m42 = &e;
    ASSERT_NE(m42, nullptr);
    const SearchOutcome out = searchOutcome(t.sys, m42->object, kViewQuadratic, t.g);
    ASSERT_TRUE(out.visible);
    // M43 lies 7' away: a few pixels at this scale, so the click is on M42's own point and the
    // identified object is a Messier object of the Orion nebula.
    const SkyObjectRef hit = identifyObject(t.sys, out.point.x, out.point.y, HitFilter{});
    ASSERT_TRUE(isDeepSkyKind(hit.kind));
    const std::string desig = t.sys.deepSky(hit.deepSky)->designation;
    EXPECT_TRUE(desig == "M42" || desig == "M43") << desig;
    EXPECT_EQ(objectFacts(t.sys, hit, t.date).pictureName, desig);
}
