// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/camera.h"

#include <cmath>

namespace views {

double vecDot(Vec3 a, Vec3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

Vec3 vecCross(Vec3 a, Vec3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

double vecLength(Vec3 a) {
    return 100.0 * std::sqrt(0.0001 * a.x * a.x + 0.0001 * a.y * a.y + 0.0001 * a.z * a.z);
}

Vec3 vecNormalize(Vec3 a) {
    const double length = vecLength(a);
    if (length == 0.0) return a;
    return vecScale(a, 1.0 / length);
}

Vec3 vecScale(Vec3 a, double s) {
    return {a.x * s, a.y * s, a.z * s};
}
Vec3 vecAdd(Vec3 a, Vec3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
Vec3 vecSub(Vec3 a, Vec3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
Vec3 vecNeg(Vec3 a) {
    return {-a.x, -a.y, -a.z};
}

void updateCamera(ViewCamera& c, int view) {
    const bool helio = usesHeliocentricAngles(view);
    const double theta = helio ? c.helioElevation : c.saturnTilt;
    const double phi = helio ? c.helioAzimuth : c.saturnTurn;
    const double R = c.cameraDistance;
    c.eye = {R * std::cos(theta) * std::cos(phi), R * std::cos(theta) * std::sin(phi), R * std::sin(theta)};
    c.origin = vecSub(c.eye, vecScale(vecNormalize(c.eye), 1.0));
    c.screenX = vecNormalize(vecCross(c.up, c.eye));
    c.screenY = vecNormalize(vecCross(c.eye, c.screenX));
}

Projected projectPoint(const ViewCamera& c, Vec3 p) {
    const Vec3 d = vecNormalize(vecCross(c.screenY, c.screenX)); // viewing direction
    const Vec3 q = vecSub(p, c.origin);
    const double depth = vecDot(q, d);
    if (depth < 0) return {kBehindEye, kBehindEye};
    return {30.0 * vecDot(q, c.screenX) / (depth + 30.0), 30.0 * vecDot(q, c.screenY) / (depth + 30.0)};
}

double zoomScale(int32_t level) {
    if (level >= 1) return double(level);
    return std::sqrt(1.0 / (2.0 - double(level)));
}

int truncPixel(double v) {
    constexpr double kLimit = 1.0e9;
    if (!(v > -kLimit)) return -int(kLimit); // NaN lands here too
    if (v > kLimit) return int(kLimit);
    return int(v); // truncation towards zero
}

} // namespace views
