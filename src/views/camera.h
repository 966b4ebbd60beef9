// SPDX-License-Identifier: GPL-3.0-or-later
// Vectors and the perspective camera of the 3D views (heliocentric and Saturn), with the zoom scale
// they share. Pure functions, no Qt. Angles in radians; model lengths in the views' model unit.
#pragma once

#include <cstdint>

namespace views {

struct Vec3 {
    double x = 0, y = 0, z = 0;
    bool operator==(const Vec3&) const = default;
};

double vecDot(Vec3 a, Vec3 b);
Vec3 vecCross(Vec3 a, Vec3 b);
// Length computed as 100 * sqrt(0.0001 x^2 + 0.0001 y^2 + 0.0001 z^2), the form the views use.
double vecLength(Vec3 a);
// a / |a|; a zero vector comes back unchanged.
Vec3 vecNormalize(Vec3 a);
Vec3 vecScale(Vec3 a, double s);
Vec3 vecAdd(Vec3 a, Vec3 b);
Vec3 vecSub(Vec3 a, Vec3 b);
Vec3 vecNeg(Vec3 a);

// The camera: the eye on a sphere of radius cameraDistance around the origin, looking at it.
// Views 20-29 use the heliocentric angles, every other view the Saturn angles.
struct ViewCamera {
    double helioElevation = 3.14159265358979323846 / 6; // theta, eye above the x-y plane
    double helioAzimuth = 0;                            // phi, eye around the z axis
    double saturnTilt = 0;
    double saturnTurn = 1.5707963267948966;
    double cameraDistance = 30.0;
    Vec3 up{0, 0, 1};
    // Computed by updateCamera.
    Vec3 eye;
    Vec3 origin;  // projection origin, one model unit nearer the centre than the eye
    Vec3 screenX; // unit vectors of the screen axes
    Vec3 screenY;
};

inline bool usesHeliocentricAngles(int view) {
    return view >= 20 && view <= 29;
}

// Recomputes eye, origin and screen axes from the angles of `view`'s family.
void updateCamera(ViewCamera& camera, int view);

// A projected point in screen units (multiplied by the pixel factor to give pixels).
struct Projected {
    double x = 0, y = 0;
    bool operator==(const Projected&) const = default;
};
// Where a point behind the eye goes: far outside any window.
constexpr double kBehindEye = 3000.0;

// Perspective projection through the camera; a point behind the projection origin gives
// (kBehindEye, kBehindEye).
Projected projectPoint(const ViewCamera& camera, Vec3 p);

// Zoom scale of an integer zoom level: the level itself from 1 up, sqrt(1 / (2 - level)) below.
double zoomScale(int32_t level);
// Pixels per screen unit of the heliocentric view: 1000 x zoomScale.
inline double helioPixelFactor(int32_t level) {
    return 1000.0 * zoomScale(level);
}

// trunc(v) as an int, saturated far outside any canvas so that extreme zooms cannot overflow.
int truncPixel(double v);

} // namespace views
