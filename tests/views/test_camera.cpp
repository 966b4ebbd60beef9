// SPDX-License-Identifier: GPL-3.0-or-later
// The 3D camera, the perspective projection and the heliocentric placement, against hand
// calculations on the initial camera (theta = 30 degrees, phi = 0, R = 30).
#include "views/camera.h"
#include "views/helio_geometry.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace views;

namespace {

const double kCos30 = std::sqrt(3.0) / 2;

ViewCamera initialCamera(int view = 20) {
    ViewCamera c;
    updateCamera(c, view);
    return c;
}

void expectVec(Vec3 got, Vec3 want, double tol = 1e-12) {
    EXPECT_NEAR(got.x, want.x, tol);
    EXPECT_NEAR(got.y, want.y, tol);
    EXPECT_NEAR(got.z, want.z, tol);
}

} // namespace

TEST(Vectors, ProductsLengthAndNormalisation) {
    const Vec3 x{1, 0, 0}, y{0, 1, 0}, z{0, 0, 1};
    EXPECT_EQ(vecCross(x, y), z);
    EXPECT_EQ(vecCross(y, z), x);
    EXPECT_EQ(vecCross(z, x), y);
    EXPECT_EQ(vecCross(y, x), vecNeg(z));
    EXPECT_DOUBLE_EQ(vecDot({1, 2, 3}, {4, -5, 6}), 12);
    EXPECT_NEAR(vecLength({3, 4, 12}), 13, 1e-12);
    expectVec(vecNormalize({0, -3, 4}), {0, -0.6, 0.8});
    EXPECT_EQ(vecNormalize({0, 0, 0}), (Vec3{0, 0, 0})); // no division by zero
    EXPECT_EQ(vecAdd({1, 2, 3}, vecSub({0, 0, 0}, {1, 2, 3})), (Vec3{0, 0, 0}));
    EXPECT_EQ(vecScale({1, -2, 3}, -2), (Vec3{-2, 4, -6}));
}

TEST(Camera, InitialEyeAxesAndSunAtTheCentre) {
    const ViewCamera c = initialCamera();
    expectVec(c.eye, {30 * kCos30, 0, 15});
    expectVec(c.origin, {29 * kCos30, 0, 14.5});
    expectVec(c.screenX, {0, 1, 0});         // seen from longitude 0, longitude 90 is to the right
    expectVec(c.screenY, {-0.5, 0, kCos30}); // the ecliptic pole leans up and away
    const Projected sun = projectPoint(c, {0, 0, 0});
    EXPECT_NEAR(sun.x, 0, 1e-12);
    EXPECT_NEAR(sun.y, 0, 1e-12);
    // The Sun's icon corner is 16 pixels up and left of where the Sun projects.
    for (HelioLayout l : {HelioLayout{548, 500}, HelioLayout{457, 900}, HelioLayout{1268, 955}}) {
        const ScreenPoint s = helioScreenPoint(c, {0, 0, 0}, 4000, l);
        EXPECT_EQ(s, (ScreenPoint{(l.width - 10) / 2, 40 + (l.height - 45) / 2}));
        EXPECT_EQ(sunIconCorner(l), (ScreenPoint{s.x - 16, s.y - 16}));
    }
    EXPECT_EQ(helioScreenPoint(c, {0, 0, 0}, 4000, {548, 500}), (ScreenPoint{269, 267}));
}

TEST(Camera, PerspectiveOfPointsOffTheCentre) {
    const ViewCamera c = initialCamera();
    // (0, 0.1, 0): depth 29 along the view, 0.1 across: X = 30 x 0.1 / (29 + 30).
    Projected p = projectPoint(c, {0, 0.1, 0});
    EXPECT_NEAR(p.x, 3.0 / 59, 1e-12);
    EXPECT_NEAR(p.y, 0, 1e-12);
    EXPECT_EQ(placeHelio(p, 4000, {548, 500}), (ScreenPoint{269 + 203, 267})); // trunc(203.39)
    // (0, 0, 0.1): 0.05 nearer the eye (depth 28.95), 0.1 cos 30 up the screen.
    p = projectPoint(c, {0, 0, 0.1});
    EXPECT_NEAR(p.x, 0, 1e-12);
    EXPECT_NEAR(p.y, 3 * kCos30 / 58.95, 1e-12);
    EXPECT_EQ(placeHelio(p, 1000, {548, 500}), (ScreenPoint{269, 267 - 44})); // trunc(44.07)
    // Negative values truncate towards zero: -203.39 gives -203, not -204.
    EXPECT_EQ(placeHelio(projectPoint(c, {0, -0.1, 0}), 4000, {548, 500}).x, 269 - 203);
}

TEST(Camera, OtherViewsUseTheSaturnAngles) {
    ViewCamera c;
    c.helioElevation = 1.0; // must not matter outside views 20-29
    c.saturnTilt = 0;
    c.saturnTurn = 1.5707963267948966;
    updateCamera(c, 33);
    expectVec(c.eye, {0, 30, 0}, 1e-9);
    expectVec(c.screenX, {-1, 0, 0}, 1e-9);
    expectVec(c.screenY, {0, 0, 1}, 1e-9);
    const Projected p = projectPoint(c, {0.1, 0, 0});
    EXPECT_NEAR(p.x, -3.0 / 59, 1e-9);
    EXPECT_NEAR(p.y, 0, 1e-9);
    // Heliocentric views 20-29 take the other pair.
    updateCamera(c, 29);
    expectVec(c.eye, {30 * std::cos(1.0), 0, 30 * std::sin(1.0)}, 1e-9);
}

TEST(Camera, PointBehindTheEyeIsOutside) {
    const ViewCamera c = initialCamera();
    const HelioLayout l{548, 500};
    for (Vec3 p : {vecScale(c.eye, 2.0), c.eye, vecAdd(c.origin, vecScale(vecNormalize(c.eye), 0.001))}) {
        EXPECT_EQ(projectPoint(c, p), (Projected{kBehindEye, kBehindEye}));
        for (int zoom : {4, 1, 0, -2, -40})
            EXPECT_FALSE(insideHelio(helioScreenPoint(c, p, helioPixelFactor(zoom), l), l)) << zoom;
    }
    // Just in front of the projection origin is still projected.
    EXPECT_NE(projectPoint(c, vecSub(c.origin, vecScale(vecNormalize(c.eye), 0.001))).x, kBehindEye);
}

TEST(Zoom, PixelFactorOfTheZoomLevels) {
    EXPECT_DOUBLE_EQ(helioPixelFactor(4), 4000);
    EXPECT_DOUBLE_EQ(helioPixelFactor(1), 1000);
    EXPECT_NEAR(helioPixelFactor(0), 1000 * std::sqrt(0.5), 1e-9);
    EXPECT_NEAR(helioPixelFactor(-2), 500, 1e-9);
    EXPECT_NEAR(zoomScale(-7), 1.0 / 3, 1e-12);
    EXPECT_DOUBLE_EQ(zoomScale(13), 13);
}

TEST(Zoom, ExtremeZoomSaturatesInsteadOfOverflowing) {
    const ViewCamera c = initialCamera();
    const HelioLayout l{548, 500};
    const double k = helioPixelFactor(2000000000);
    const ScreenPoint far = helioScreenPoint(c, {0, 0.1, 0}, k, l);
    EXPECT_GT(far.x, 1000000);
    EXPECT_FALSE(insideHelio(far, l));
    EXPECT_LT(helioScreenPoint(c, {0, -0.1, 0}, k, l).x, -1000000);
    EXPECT_EQ(helioScreenPoint(c, {0, 0, 0}, k, l), (ScreenPoint{269, 267})); // the Sun stays put
}

TEST(Placement, InsideIsStrictOnEverySide) {
    const HelioLayout l{548, 500};
    EXPECT_TRUE(insideHelio({7, 42}, l));
    EXPECT_TRUE(insideHelio({541, 491}, l));
    EXPECT_FALSE(insideHelio({6, 200}, l));
    EXPECT_FALSE(insideHelio({200, 41}, l));
    EXPECT_FALSE(insideHelio({542, 200}, l));
    EXPECT_FALSE(insideHelio({200, 492}, l));
    // The zoom-in click area.
    EXPECT_TRUE(zoomClickArea(6, 31, l));
    EXPECT_TRUE(zoomClickArea(527, 484, l));
    EXPECT_FALSE(zoomClickArea(5, 100, l));
    EXPECT_FALSE(zoomClickArea(528, 100, l));
    EXPECT_FALSE(zoomClickArea(100, 30, l));
    EXPECT_FALSE(zoomClickArea(100, 485, l));
}

TEST(Placement, ModelPointOfABody) {
    const double u = 3.14159265358979323846 / 180; // r AU stand at r x pi/180
    const Vec3 lon90 = helioModelPoint(0, 90, 1);
    EXPECT_NEAR(lon90.x, 0, 1e-15);
    EXPECT_NEAR(lon90.y, u, 1e-15);
    EXPECT_NEAR(lon90.z, 0, 1e-15);
    expectVec(helioModelPoint(90, 123, 2), {0, 0, 2 * u}, 1e-15);
    // Latitude 30 south at longitude 180, 39.5 AU (Pluto's distance).
    expectVec(helioModelPoint(-30, 180, 39.5), {-39.5 * u * kCos30, 0, -39.5 * u * 0.5}, 1e-12);
}

TEST(Hit, StrictlyWithinTwoPixels) {
    const ScreenPoint body{100, 200};
    EXPECT_TRUE(helioHit(body, 100, 200));
    EXPECT_TRUE(helioHit(body, 98, 202));
    EXPECT_TRUE(helioHit(body, 102, 198));
    EXPECT_FALSE(helioHit(body, 97, 200));
    EXPECT_FALSE(helioHit(body, 103, 200));
    EXPECT_FALSE(helioHit(body, 100, 197));
    EXPECT_FALSE(helioHit(body, 100, 203));
}
