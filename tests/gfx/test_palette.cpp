// SPDX-License-Identifier: GPL-3.0-or-later
#include "gfx/palette.h"
#include "gfx/parametre_affichage.h"

#include <gtest/gtest.h>

using namespace gfx;

TEST(Palette, ScreenSchemeColours) {
    const Palette p = Palette::screenScheme();
    EXPECT_EQ(p.brush(0).colour, rgb(0, 0, 70));
    EXPECT_EQ(p.pen(1).colour, rgb(255, 255, 255));
    EXPECT_EQ(p.pen(7).colour, rgb(255, 125, 0));
    EXPECT_EQ(p.brush(18).colour, rgb(200, 200, 200));
    EXPECT_EQ(p.brush(30).colour, rgb(140, 115, 90));
    EXPECT_EQ(p.brush(32).colour, rgb(41, 33, 24));
    EXPECT_EQ(p.brush(33).colour, rgb(200, 200, 200));
    // The blue ramp 21-29: b = whole(k x 25.5).
    const int ramp[9] = {25, 51, 76, 102, 127, 153, 178, 204, 229};
    for (int k = 1; k <= 9; ++k) {
        EXPECT_EQ(p.brush(20 + k).colour, rgb(0, 0, ramp[k - 1])) << k;
        EXPECT_EQ(p.pen(20 + k).colour, rgb(0, 0, ramp[k - 1])) << k;
    }
}

TEST(Palette, BrushAndPenShareColourExceptElevenAndSixteen) {
    const Palette p = Palette::screenScheme();
    for (int k = 0; k < kPaletteSize; ++k) {
        if (k == 11 || k == 16) continue;
        EXPECT_EQ(p.brush(k).colour, p.pen(k).colour) << k;
        EXPECT_FALSE(p.brush(k).none) << k;
        EXPECT_EQ(p.pen(k).style, PenStyle::Solid) << k;
        EXPECT_EQ(p.pen(k).width, 1) << k;
    }
    EXPECT_EQ(p.brush(11).colour, rgb(100, 150, 0));
    EXPECT_EQ(p.pen(11).colour, rgb(100, 155, 0));
    EXPECT_TRUE(p.brush(16).none);
    EXPECT_EQ(p.pen(16).style, PenStyle::Dotted);
    EXPECT_EQ(p.pen(16).colour, rgb(0, 0, 200));
}

TEST(Palette, BlackWhiteScheme) {
    const Palette p = Palette::blackWhiteScheme();
    EXPECT_EQ(p.brush(0).colour, rgb(0, 0, 0));
    EXPECT_EQ(p.pen(0).colour, rgb(0, 0, 0));
    for (int k = 1; k < kPaletteSize; ++k) {
        if (k == 16) continue;
        EXPECT_EQ(p.brush(k).colour, rgb(255, 255, 255)) << k;
        EXPECT_EQ(p.pen(k).colour, rgb(255, 255, 255)) << k;
    }
    EXPECT_EQ(p.pen(16).style, PenStyle::Dotted);
    EXPECT_EQ(p.pen(16).colour, rgb(250, 250, 250));
}

TEST(Palette, OutOfRangeIndexIsClamped) {
    const Palette p = Palette::screenScheme();
    EXPECT_EQ(p.brush(-5).colour, p.brush(0).colour);
    EXPECT_EQ(p.pen(34).colour, p.pen(33).colour);
    EXPECT_EQ(p.pen(1000).colour, p.pen(33).colour);
}

TEST(ParametreAffichage, Defaults) {
    ParametreAffichage o;
    EXPECT_FALSE(o.showNGC);
    EXPECT_TRUE(o.showMessier);
    EXPECT_FALSE(o.showAsteroids);
    EXPECT_FALSE(o.showStarNames);
    EXPECT_FALSE(o.spectralColours);
    EXPECT_TRUE(o.constellationLines);
    EXPECT_FALSE(o.constellationBorders);
    EXPECT_FALSE(o.whiteScheme);
    EXPECT_FALSE(o.saveBlackWhite);
    EXPECT_FALSE(o.saveBlackBackground);
    EXPECT_FALSE(o.animating);
    EXPECT_EQ(o.equidistantZoom, 1);
    EXPECT_EQ(o.circularZoom, 1);
    EXPECT_EQ(o.equidistantPanX + o.equidistantPanY + o.circularPanX + o.circularPanY, 0);
    EXPECT_DOUBLE_EQ(o.starMagnitude, 6.0);
    EXPECT_DOUBLE_EQ(o.gscMaxMagnitude, -2.0);
    EXPECT_DOUBLE_EQ(o.gscMinMagnitude, 16.0);
    EXPECT_DOUBLE_EQ(o.starScale, 1.0);
    EXPECT_TRUE(o.autoMagnitude);
    EXPECT_EQ(o.iconSize, 0);
    EXPECT_EQ(o.palette.pen(11).colour, rgb(100, 155, 0));
}

TEST(ParametreAffichage, SchemeSwitchAndBack) {
    ParametreAffichage o;
    o.useBlackWhiteScheme();
    EXPECT_EQ(o.palette.brush(33).colour, rgb(255, 255, 255));
    o.useScreenScheme();
    EXPECT_EQ(o.palette.brush(33).colour, rgb(200, 200, 200));
    EXPECT_EQ(o.palette.brush(0).colour, rgb(0, 0, 70));
}
