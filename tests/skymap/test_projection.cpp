// SPDX-License-Identifier: GPL-3.0-or-later
// Projections, geometry, zoom and pan of the sky views, on tiny viewports where a pixel is a degree.
#include "skymap/projection.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace skymap;

namespace {

constexpr double kHair = 1e-9;

MapGeometry geometry(float W, float H, float mapW, float R) {
    MapGeometry g;
    g.clientWidth = W;
    g.clientHeight = H;
    g.mapWidth = mapW;
    g.mapRadius = R;
    return g;
}

// Quadratic viewport where one pixel is one degree: W - 25 = 360 and H - 40 = 180.
MapGeometry degreeRectangle() { return geometry(617, 220, 385, 90); }

} // namespace

TEST(Geometry, WideWindowKeepsA232PixelLegend) {
    const MapGeometry g = geometryForSize(780, 500);
    EXPECT_FLOAT_EQ(g.mapWidth, 548);
    EXPECT_FLOAT_EQ(g.mapRadius, 225); // 500 - 30 < 548: (500 - 50) / 2
    EXPECT_EQ(g.troughW(), 499);
    EXPECT_EQ(g.troughH(), 429);
}

TEST(Geometry, NarrowWindowDrawsOnFiveEighths) {
    const MapGeometry g = geometryForSize(732, 900);
    EXPECT_FLOAT_EQ(g.mapWidth, 457.5f);
    EXPECT_FLOAT_EQ(g.mapRadius, (457.5f - 10) / 2); // 900 - 30 >= 457.5
    EXPECT_EQ(g.width(), 457);
}

TEST(Geometry, HiddenLegendGivesTheWholeWidthBelowView30) {
    MapGeometry g = geometryForSize(780, 500);
    applyLegend(g, false, 13);
    EXPECT_FLOAT_EQ(g.mapWidth, 780);
    EXPECT_FLOAT_EQ(g.mapRadius, 225);
    applyLegend(g, false, 30);
    EXPECT_FLOAT_EQ(g.mapWidth, 548);
}

// Meeus, Astronomical Algorithms, example 13.b: Venus from Washington on 1987 April 10, 19:21 UT.
// Azimuth there is also counted from the south towards the west.
TEST(Horizontal, MeeusVenusFromWashington) {
    const double lon = 77 + 3.0 / 60 + 56.0 / 3600; // west positive
    const double lat = 38 + 55.0 / 60 + 17.0 / 3600;
    const double ra = 347.3193375, dec = -6.719892;
    // Apparent sidereal time chosen so that the hour angle is the example's H = 64.352133.
    const double gst = 64.352133 + lon + ra - 360;
    EXPECT_NEAR(altitudeOf(lon, lat, dec, ra, gst), 15.1249, 2e-4);
    EXPECT_NEAR(azimuthOf(lon, lat, dec, ra, gst), 68.0337, 2e-4);
}

TEST(Horizontal, MeridianAndPole) {
    // On the meridian south of the zenith: azimuth 0; north of it: 180.
    EXPECT_NEAR(azimuthOf(0, 45, 10, 30, 30), 0, 1e-9);
    EXPECT_NEAR(altitudeOf(0, 45, 10, 30, 30), 55, 1e-9);
    EXPECT_NEAR(azimuthOf(0, 45, 80, 30, 30), 180, 1e-9);
    // The pole stands at the latitude's altitude whatever the hour.
    EXPECT_NEAR(altitudeOf(6.2, 45.9, 90, 123, 17), 45.9, 1e-9);
    // East of the meridian (hour angle -90) on the equator: azimuth 270 (east).
    EXPECT_NEAR(azimuthOf(0, 45, 0, 90, 0), 270, 1e-9);
    EXPECT_NEAR(azimuthOf(0, 45, 0, 270, 0), 90, 1e-9);
}

TEST(Horizontal, AzimuthStaysInHalfOpenTurn) {
    for (int h = 0; h < 360; h += 7) {
        const double A = azimuthOf(0, -33, -20, 0, h + 0.5);
        EXPECT_GE(A, 0);
        EXPECT_LT(A, 360);
    }
}

TEST(Circular, OnePixelPerDegree) {
    // R = 90: r = 90 - altitude pixels; centre (100, 130).
    const ProjectionFrame f = circularFrame(geometry(200, 300, 200, 90), {});
    EXPECT_EQ(projectSky(f, 90, 0, 0, 0), (PixelPoint{100, 130}));
    EXPECT_EQ(projectSky(f, 30, 0, 0, 0), (PixelPoint{100, 190}));  // south down
    EXPECT_EQ(projectSky(f, 30, 90, 0, 0), (PixelPoint{160, 130})); // west right
    EXPECT_EQ(projectSky(f, 30, 180, 0, 0), (PixelPoint{100, 70})); // north up
    EXPECT_EQ(projectSky(f, 30.5, 270, 0, 0), (PixelPoint{40, 130})); // east left: 100 - 59.5
}

TEST(Circular, HorizonIsStrictlyHidden) {
    const ProjectionFrame f = circularFrame(geometryForSize(780, 500), {});
    EXPECT_FALSE(projectSky(f, 0, 0, 0, 0));
    EXPECT_FALSE(projectSky(f, -kHair, 0, 0, 0));
    EXPECT_TRUE(projectSky(f, kHair, 0, 0, 0));
}

TEST(Equidistant, RimAtDeclinationMinus45IsStrict) {
    const MapGeometry g = geometry(400, 400, 300, 135); // r = 135 - (a + 45): a pixel a degree
    const ProjectionFrame f = equidistantFrame(g, {}, 45.9, 0);
    EXPECT_FALSE(projectSky(f, -45, 0, 0, 0));
    EXPECT_FALSE(projectSky(f, -45 - kHair, 0, 0, 0));
    ASSERT_TRUE(projectSky(f, -45 + kHair, 0, 0, 0));
    EXPECT_EQ(projectSky(f, 90, 0, 0, 0), (PixelPoint{150, 175}));   // pole at the centre
    EXPECT_EQ(projectSky(f, 0, 0, 0, 0), (PixelPoint{150, 265}));    // equator, meridian below
    EXPECT_EQ(projectSky(f, 0, 90, 0, 0), (PixelPoint{240, 175}));   // west on the right
}

TEST(Equidistant, RotationFollowsLongitudeAndHemisphere) {
    const MapGeometry g = geometry(400, 400, 300, 135);
    EXPECT_DOUBLE_EQ(equidistantFrame(g, {}, 45, -6.2).rotation_deg, 6.2);
    EXPECT_DOUBLE_EQ(equidistantFrame(g, {}, -33, 10).rotation_deg, -190);
    EXPECT_DOUBLE_EQ(equidistantFrame(g, {}, 0, 10).rotation_deg, -10);
    // Rotation by -longitude turns the Greenwich hour angle into the local one.
    const ProjectionFrame f = equidistantFrame(g, {}, 45, 90);
    EXPECT_EQ(projectSky(f, 0, 90, 0, 0), (PixelPoint{150, 265}));
}

TEST(DiscZoom, ZoomsAroundTheCentreWithPans) {
    const MapGeometry g = geometry(200, 300, 200, 90);
    DiscZoom z{2, 10, -5};
    const ProjectionFrame f = circularFrame(g, z);
    // Unzoomed (100, 190) -> x' = 100 + 0*2 + 10*2, y' = 90 + (190-40-90)*2 - 10 + 40.
    EXPECT_EQ(projectSky(f, 30, 0, 0, 0), (PixelPoint{120, 240}));
    // A point that the zoom pushes left of the window counts as not shown.
    const ProjectionFrame far = circularFrame(g, DiscZoom{8, -100, 0});
    EXPECT_FALSE(projectSky(far, 1, 270, 0, 0));
    // The horizon stays hidden whatever the pan (no sentinel can come back on screen).
    const ProjectionFrame panned = circularFrame(g, DiscZoom{2, 100, 0});
    EXPECT_FALSE(projectSky(panned, -1, 0, 0, 0));
}

TEST(Quadratic, OnePixelPerDegreeAndStrictEdges) {
    const MapGeometry g = degreeRectangle(); // x = 365 - (ra' - Ra), y = 205 - (dec - Dmin)
    const ProjectionFrame f = quadraticFrame(prepareQuadratic(0, 90, 360, -90), g, false);
    EXPECT_EQ(projectSky(f, 0, 0, 0, 0), (PixelPoint{365, 115}));
    EXPECT_EQ(projectSky(f, 0, 0, 10, 90), (PixelPoint{275, 105}));
    EXPECT_EQ(projectSky(f, 0, 0, -90, 359.5), (PixelPoint{5, 205}));
    // Top edge y >= 30: declination 85 is at y = 30, a hair above it is hidden.
    EXPECT_TRUE(projectSky(f, 0, 0, 85, 0));
    EXPECT_FALSE(projectSky(f, 0, 0, 85 + 1.0001, 0));
    // Bottom edge y <= H - 15 = 205; below Dmin the point leaves.
    EXPECT_FALSE(projectSky(f, 0, 0, -91, 0));
}

TEST(Quadratic, RightEdgeBoundIsFifteenAndLeftFive) {
    const MapGeometry g = degreeRectangle();
    // A window 100 degrees wide, from 100 at the right to 200 at the left: 3.6 pixels a degree.
    const ProjectionFrame f = quadraticFrame(prepareQuadratic(100, 90, 200, -90), g, false);
    EXPECT_EQ(projectSky(f, 0, 0, 0, 100)->x, 365);
    EXPECT_EQ(projectSky(f, 0, 0, 0, 200)->x, 5);
    EXPECT_FALSE(projectSky(f, 0, 0, 0, 200.5)); // x = 3.2 < 5
    // Just below quadRa1: carried over by 360, far beyond the left edge.
    EXPECT_FALSE(projectSky(f, 0, 0, 0, 100 - kHair));
}

TEST(Quadratic, EqualCornersSpanTheWholeSky) {
    const QuadraticBounds b = prepareQuadratic(50, 20, 50, 20);
    EXPECT_DOUBLE_EQ(b.raRight, 50);
    EXPECT_DOUBLE_EQ(b.raLeft, 410);
    EXPECT_DOUBLE_EQ(b.decMax, 20);
    EXPECT_DOUBLE_EQ(b.decMin, 21); // equal declinations: Dmin = Dmax + 1
    const QuadraticBounds n = prepareQuadratic(-30, -60, 30, 10);
    EXPECT_DOUBLE_EQ(n.raRight, 330);
    EXPECT_DOUBLE_EQ(n.raLeft, 390);
    EXPECT_DOUBLE_EQ(n.decMin, -60);
    EXPECT_DOUBLE_EQ(n.decMax, 10);
}

TEST(Azimutal, MappingAndItsOwnEdges) {
    const MapGeometry g = degreeRectangle(); // W - 25 = 360
    const AzimutalBounds b = prepareAzimutal(0, 0, -90, 90); // L = 0, R0 = 360
    EXPECT_DOUBLE_EQ(b.azRight, 360);
    const ProjectionFrame f = azimutalFrame(b, g);
    // x = (W - 20) - (W - 25)(1 - t) = 5 + A; y = 205 - (a + 90).
    EXPECT_EQ(projectSky(f, 0, 0, 0, 0), (PixelPoint{5, 115}));
    EXPECT_EQ(projectSky(f, 0, 180, 0, 0), (PixelPoint{185, 115}));
    // Top bound 25 (not 30): altitude 90 lands at y = 25 and is shown.
    EXPECT_EQ(projectSky(f, 90, 10, 0, 0), (PixelPoint{15, 25}));
    EXPECT_FALSE(projectSky(f, 91, 10, 0, 0));
}

TEST(Azimutal, DefaultWindowCrossesNorth) {
    const AzimutalBounds b = prepareAzimutal(300, 60, -5, 15);
    EXPECT_DOUBLE_EQ(b.azLeft, 300);
    EXPECT_DOUBLE_EQ(b.azRight, 420);
    const ProjectionFrame f = azimutalFrame(b, geometryForSize(780, 500));
    // Azimuth 0 (south) is 60 degrees into a 120 wide window: t = 0.5.
    EXPECT_EQ(projectSky(f, 5, 0, 0, 0)->x, static_cast<int>(528 - 523 * 0.5));
    EXPECT_FALSE(projectSky(f, 5, 90, 0, 0)); // far right of the window
    const AzimutalBounds e = prepareAzimutal(10, 20, 7, 7);
    EXPECT_DOUBLE_EQ(e.elMin, 8);
}

TEST(Seam, SegmentsAcrossHalfTheMapAreCut) {
    const MapGeometry g = geometryForSize(780, 500); // half = 274
    EXPECT_FALSE(crossesSeam({10, 100}, {283, 100}, g));
    EXPECT_TRUE(crossesSeam({10, 100}, {284, 100}, g));
    EXPECT_TRUE(crossesSeam({284, 100}, {10, 100}, g));
    EXPECT_TRUE(segmentWithin({100, 100}, {199, 100}, 100, 100));
    EXPECT_FALSE(segmentWithin({100, 100}, {200, 100}, 100, 100));
    EXPECT_FALSE(segmentWithin({100, 100}, {0, 150}, 100, 100));
}

TEST(ZoomIn, EquidistantAtCentreKeepsPansAtZero) {
    const MapGeometry g = geometryForSize(780, 500);
    SkyNavigation s;
    ASSERT_TRUE(zoomInAt(s, kViewEquidistant, g, 274, 265));
    EXPECT_EQ(s.equidistant.zoom, 2);
    EXPECT_EQ(s.equidistant.panX, 0);
    EXPECT_EQ(s.equidistant.panY, 0);
    EXPECT_EQ(s.circular.zoom, 1);
}

TEST(ZoomIn, DiscBringsTheClickToTheCentre) {
    const MapGeometry g = geometryForSize(780, 500);
    SkyNavigation s;
    zoomInAt(s, kViewCircular, g, 374, 215);
    EXPECT_EQ(s.circular.panX, -100);
    EXPECT_EQ(s.circular.panY, 50);
    EXPECT_EQ(s.circular.zoom, 2);
    // The sky point under the click (unzoomed pixel 374, 215) now projects to the disc centre.
    const double dx = 100, dy = -50, r = std::hypot(dx, dy);
    const double alt = 90 * (1 - r / 225), az = std::atan2(dx, dy) * 180 / M_PI;
    const auto p = projectSky(circularFrame(g, s.circular), alt, az, 0, 0);
    ASSERT_TRUE(p);
    EXPECT_NEAR(p->x, 274, 2);
    EXPECT_NEAR(p->y, 265, 2);
    // Outside the map the click leaves the pans and only zooms.
    zoomInAt(s, kViewCircular, g, 1, 499);
    EXPECT_EQ(s.circular.panX, -100);
    EXPECT_EQ(s.circular.panY, 50);
    EXPECT_EQ(s.circular.zoom, 4);
}

TEST(ZoomIn, DiscZoomStopsBeforeOverflow) {
    const MapGeometry g = geometryForSize(780, 500);
    SkyNavigation s;
    int steps = 0;
    while (zoomInAt(s, kViewEquidistant, g, 274, 265) && steps < 100) ++steps;
    EXPECT_EQ(s.equidistant.zoom, kMaxDiscZoom);
    EXPECT_EQ(steps, 10);
}

TEST(ZoomIn, QuadraticHalvesAroundTheCentre) {
    const MapGeometry g = geometryForSize(780, 500);
    SkyNavigation s;
    zoomInAt(s, kViewQuadratic, g, 10, 10);
    EXPECT_EQ(s.quadRa1, 90);
    EXPECT_EQ(s.quadRa2, 270);
    EXPECT_EQ(s.quadDec1, 45);
    EXPECT_EQ(s.quadDec2, -45);
    zoomInAt(s, kViewTrajectories, g, 0, 0);
    EXPECT_EQ(s.quadRa1, 135);
    EXPECT_EQ(s.quadRa2, 225);
    EXPECT_EQ(s.quadDec1, 22); // trunc(45 - 22.5)
    EXPECT_EQ(s.quadDec2, -22);
}

TEST(ZoomIn, AzimutalHalvesAcrossNorth) {
    const MapGeometry g = geometryForSize(780, 500);
    SkyNavigation s;
    zoomInAt(s, kViewAzimutal, g, 0, 0);
    EXPECT_EQ(s.azimAz1, 330);
    EXPECT_EQ(s.azimAz2, 30);
    EXPECT_EQ(s.azimEl2, 10);
    EXPECT_EQ(s.azimEl1, 0);
}

TEST(ZoomOut, QuadraticWidthsOf330And300Give360) {
    const MapGeometry g = geometryForSize(780, 500);
    SkyNavigation s;
    s.quadRa1 = 15;
    s.quadRa2 = 345;
    s.quadDec1 = 40;
    s.quadDec2 = -40;
    zoomOut(s, kViewQuadratic, g);
    EXPECT_EQ(s.quadRa1, 0);
    EXPECT_EQ(s.quadRa2, 360);
    EXPECT_EQ(s.quadDec1, 70);
    EXPECT_EQ(s.quadDec2, -70);
    s.quadRa1 = 30;
    s.quadRa2 = 330;
    zoomOut(s, kViewQuadratic, g);
    EXPECT_EQ(s.quadRa1, 0);
    EXPECT_EQ(s.quadRa2, 360);
    EXPECT_EQ(s.quadDec1, 90); // stops at the pole
    EXPECT_EQ(s.quadDec2, -90);
}

TEST(ZoomOut, Quadratic360WideOnlyWidensDeclinations) {
    const MapGeometry g = geometryForSize(780, 500);
    SkyNavigation s;
    s.quadDec1 = -10; // corners in either order
    s.quadDec2 = 20;
    zoomOut(s, kViewQuadratic, g);
    EXPECT_EQ(s.quadRa1, 0);
    EXPECT_EQ(s.quadRa2, 360);
    EXPECT_EQ(s.quadDec1, 50);
    EXPECT_EQ(s.quadDec2, -40);
}

TEST(ZoomOut, NarrowQuadraticMovesBy30) {
    const MapGeometry g = geometryForSize(780, 500);
    SkyNavigation s;
    s.quadRa1 = 10;
    s.quadRa2 = 100;
    zoomOut(s, kViewQuadratic, g);
    EXPECT_EQ(s.quadRa1, 340); // -20 wraps
    EXPECT_EQ(s.quadRa2, 130);
}

TEST(ZoomOut, AzimutalElevationsStopAtMinus5And90) {
    const MapGeometry g = geometryForSize(780, 500);
    SkyNavigation s; // 300..60, -5..15
    zoomOut(s, kViewAzimutal, g);
    EXPECT_EQ(s.azimAz1, 270);
    EXPECT_EQ(s.azimAz2, 90);
    EXPECT_EQ(s.azimEl2, 35);
    EXPECT_EQ(s.azimEl1, -5);
    s.azimEl2 = 80;
    zoomOut(s, kViewAzimutal, g);
    EXPECT_EQ(s.azimEl2, 90);
    // 330 wide: 15 each side.
    s.azimAz1 = 15;
    s.azimAz2 = 345;
    zoomOut(s, kViewAzimutal, g);
    EXPECT_EQ(s.azimAz1, 0);
    EXPECT_EQ(s.azimAz2, 360);
    // A full 360 window stays full.
    zoomOut(s, kViewAzimutal, g);
    EXPECT_EQ(s.azimAz1, 0);
    EXPECT_EQ(s.azimAz2, 360);
}

TEST(ZoomOut, DiscHalvesDownToOne) {
    const MapGeometry g = geometryForSize(780, 500);
    SkyNavigation s;
    s.circular = {4, 12, -8};
    zoomOut(s, kViewCircular, g);
    EXPECT_EQ(s.circular.zoom, 2);
    EXPECT_EQ(s.circular.panX, 12);
    zoomOut(s, kViewCircular, g);
    zoomOut(s, kViewCircular, g);
    EXPECT_EQ(s.circular.zoom, 1);
    EXPECT_EQ(s.circular.panY, -8);
}

TEST(ZoomRectangle, SameHeightChangesNothing) {
    const MapGeometry g = geometryForSize(780, 500);
    SkyNavigation s, before;
    EXPECT_FALSE(zoomToRectangle(s, kViewQuadratic, g, 50, 100, 300, 100));
    EXPECT_FALSE(zoomToRectangle(s, kViewAzimutal, g, 50, 100, 300, 100));
    // Both above the top clamp: equal after clamping.
    EXPECT_FALSE(zoomToRectangle(s, kViewQuadratic, g, 50, 3, 300, 12));
    EXPECT_EQ(s.quadRa1, before.quadRa1);
    EXPECT_EQ(s.azimAz1, before.azimAz1);
    EXPECT_EQ(s.azimEl2, before.azimEl2);
    EXPECT_FALSE(zoomToRectangle(s, kViewCircular, g, 50, 100, 300, 200));
}

TEST(ZoomRectangle, QuadraticInverseMapping) {
    const MapGeometry g = geometryForSize(780, 500); // W' = 523, H' = 455
    SkyNavigation s;
    // The whole clamped area gives back the whole sky.
    zoomToRectangle(s, kViewQuadratic, g, 0, 0, 900, 900);
    EXPECT_EQ(s.quadRa1, 0);
    EXPECT_EQ(s.quadRa2, 360);
    EXPECT_EQ(s.quadDec1, 90);
    EXPECT_EQ(s.quadDec2, -90);
    // x 136..397: 131 and 392 pixels from the left edge.
    zoomToRectangle(s, kViewQuadratic, g, 397, 258, 136, 144);
    EXPECT_EQ(s.quadRa1, 90);  // floor(360 - 392*360/523) = floor(90.17)
    EXPECT_EQ(s.quadRa2, 270); // ceil(360 - 131*360/523) = ceil(269.83)
    EXPECT_EQ(s.quadDec1, 45); // ceil(90 - 114*180/455) = ceil(44.9)
    EXPECT_EQ(s.quadDec2, -1); // floor(90 - 228*180/455) = floor(-0.198)
}

TEST(ZoomRectangle, AzimutalInverseMapping) {
    const MapGeometry g = geometryForSize(780, 500);
    SkyNavigation s; // L = 300, R' = 420, Eu 15, El -5
    zoomToRectangle(s, kViewAzimutal, g, 5, 30, 528, 485);
    EXPECT_EQ(s.azimAz1, 300);
    EXPECT_EQ(s.azimAz2, 60); // ceil(420) wraps to 60
    EXPECT_EQ(s.azimEl2, 15);
    EXPECT_EQ(s.azimEl1, -5);
    zoomToRectangle(s, kViewAzimutal, g, 266, 258, 528, 485);
    EXPECT_EQ(s.azimAz1, 359); // floor(300 + 261*120/523) = floor(359.89)
    EXPECT_EQ(s.azimAz2, 60);  // ceil(300 + 523*120/523) = 420, wrapped
    EXPECT_EQ(s.azimEl2, 5);   // ceil(15 - 228*20/455) = ceil(4.98)
    EXPECT_EQ(s.azimEl1, -5);
}

TEST(Pan, QuadraticHorizontalAndVertical) {
    const MapGeometry g = geometryForSize(780, 500); // troughW 499, troughH 429
    SkyNavigation s;
    centreStrips(s, g);
    EXPECT_EQ(s.thumbQuadX, 249);
    EXPECT_EQ(s.thumbQuadY, 214);
    panHorizontal(s, kViewQuadratic, g, 10); // trunc(3600/499) = 7
    EXPECT_EQ(s.quadRa1, 353);
    EXPECT_EQ(s.quadRa2, 353);
    EXPECT_EQ(s.thumbQuadX, 259);
    panVertical(s, kViewQuadratic, g, 5); // trunc(900/429) = 2
    EXPECT_EQ(s.quadDec1, 90);
    EXPECT_EQ(s.quadDec2, -88);
    EXPECT_EQ(s.thumbQuadY, 209);
    panHorizontal(s, kViewQuadratic, g, -20); // -trunc(7200/499) = -14
    EXPECT_EQ(s.quadRa1, 7);                  // 367 wraps
    EXPECT_EQ(s.thumbQuadX, 239);
}

TEST(Pan, AzimutalAndStripWrap) {
    const MapGeometry g = geometryForSize(780, 500);
    SkyNavigation s;
    s.thumbAzX = 495;
    panHorizontal(s, kViewAzimutal, g, 10);
    EXPECT_EQ(s.azimAz1, 307);
    EXPECT_EQ(s.azimAz2, 67);
    EXPECT_EQ(s.thumbAzX, 6); // 505 loses the range 499
    s.thumbAzY = 2;
    panVertical(s, kViewAzimutal, g, 20); // trunc(1900/429) = 4
    EXPECT_EQ(s.azimEl2, 19);
    EXPECT_EQ(s.azimEl1, -1);
    EXPECT_EQ(s.thumbAzY, 411); // -18 gains 429
    panVertical(s, kViewAzimutal, g, -500);
    EXPECT_EQ(s.azimEl1, -5);
    EXPECT_EQ(s.azimEl2, -5);
}

TEST(Pan, DiscClampsAndPlacesThumbs) {
    const MapGeometry g = geometryForSize(780, 500);
    SkyNavigation s;
    s.equidistant.zoom = 2;
    panHorizontal(s, kViewEquidistant, g, 10);
    EXPECT_EQ(s.equidistant.panX, -20);
    EXPECT_EQ(s.thumbSkyX, static_cast<int>(499 * 0.5 + 20.0 / 548 * 499));
    for (int k = 0; k < 30; ++k) panHorizontal(s, kViewEquidistant, g, 10);
    EXPECT_EQ(s.equidistant.panX, -274);
    EXPECT_EQ(s.thumbSkyX, 499);
    for (int k = 0; k < 60; ++k) panVertical(s, kViewEquidistant, g, 5);
    EXPECT_EQ(s.equidistant.panY, 250);
    EXPECT_EQ(s.thumbSkyY, 0);
    EXPECT_EQ(s.circular.panX, 0);
}

TEST(Pan, TinyWindowDoesNotDivideByZero) {
    const MapGeometry g = geometryForSize(60, 60); // troughs negative
    SkyNavigation s;
    EXPECT_TRUE(panHorizontal(s, kViewQuadratic, g, 10));
    EXPECT_TRUE(panVertical(s, kViewAzimutal, g, 5));
    EXPECT_GE(s.quadRa1, 0);
    EXPECT_LE(s.quadRa1, 360);
}

TEST(Strips, RescaleOnResize) {
    MapGeometry g = geometryForSize(780, 500);
    SkyNavigation s;
    centreStrips(s, g);
    const int oldW = g.troughW(), oldH = g.troughH();
    g = geometryForSize(1032, 700); // troughW 751, troughH 629
    rescaleStrips(s, oldW, oldH, g);
    EXPECT_EQ(s.thumbQuadX, 249 * 751 / 499);
    EXPECT_EQ(s.thumbAzY, 214 * 629 / 429);
}
