// SPDX-License-Identifier: GPL-3.0-or-later
// Sky projections and the zoom and pan rules of the sky views.
#include "skymap/projection.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace skymap {

namespace {

constexpr double kDegToRad = std::numbers::pi / 180.0;

int truncToInt(double v) {
    // Pixel values far outside any window are pinned so that the int conversion stays defined.
    if (!(v > -1e9)) return -1000000000;
    if (v > 1e9) return 1000000000;
    return static_cast<int>(v);
}

// A right ascension or azimuth corner brought back into [0, 360].
int32_t wrapCorner(int32_t v) {
    while (v > 360) v -= 360;
    while (v < 0) v += 360;
    return v;
}

// A strip position brought back into [0, range].
int32_t wrapStrip(int32_t v, int range) {
    if (range <= 0) return 0;
    while (v > range) v -= range;
    while (v < 0) v += range;
    return v;
}

int safeRange(int range) { return range > 0 ? range : 1; }

// Width of a window whose right (left) corner is a and left (right) one b, in (0, 360].
int32_t windowWidth(int32_t a, int32_t b) {
    int32_t w = b - a;
    if (w < 0) w += 360;
    return w;
}

// Upper and lower bound of a corner pair entered in either order, stored back in place.
void storeBounds(int32_t& upper, int32_t& lower, int32_t newUpper, int32_t newLower) {
    upper = newUpper;
    lower = newLower;
}

} // namespace

ProjectionKind kindOfView(int view) {
    switch (view) {
    case kViewEquidistant: return ProjectionKind::Equidistant;
    case kViewQuadratic: return ProjectionKind::Quadratic;
    case kViewTrajectories: return ProjectionKind::QuadraticTrajectories;
    case kViewAzimutal: return ProjectionKind::AzimutalWindow;
    default: return ProjectionKind::Circular;
    }
}

MapGeometry geometryForSize(float clientWidth, float clientHeight) {
    MapGeometry g;
    g.clientWidth = clientWidth;
    g.clientHeight = clientHeight;
    g.mapWidth = clientWidth > 732 ? clientWidth - 232 : clientWidth * 5 / 8;
    g.mapRadius = (clientHeight - 30 >= g.mapWidth) ? (g.mapWidth - 10) / 2 : (clientHeight - 50) / 2;
    return g;
}

void applyLegend(MapGeometry& g, bool legendShown, int view) {
    if (legendShown || view >= 30)
        g.mapWidth = g.clientWidth > 732 ? g.clientWidth - 232 : g.clientWidth * 5 / 8;
    else
        g.mapWidth = g.clientWidth;
}

QuadraticBounds prepareQuadratic(int quadRa1, int quadDec1, int quadRa2, int quadDec2) {
    QuadraticBounds b;
    b.raRight = quadRa1 < 0 ? quadRa1 + 360 : quadRa1;
    b.raLeft = quadRa2;
    if (b.raRight >= b.raLeft) b.raLeft += 360;
    b.decMax = std::max(quadDec1, quadDec2);
    b.decMin = std::min(quadDec1, quadDec2);
    if (b.decMin == b.decMax) b.decMin = b.decMax + 1;
    return b;
}

AzimutalBounds prepareAzimutal(int azimAz1, int azimAz2, int azimEl1, int azimEl2) {
    AzimutalBounds b;
    b.elMax = std::max(azimEl1, azimEl2);
    b.elMin = std::min(azimEl1, azimEl2);
    if (b.elMin == b.elMax) b.elMin = b.elMax + 1;
    b.azLeft = azimAz1 < 0 ? azimAz1 + 360 : azimAz1;
    b.azRight = azimAz2;
    while (b.azRight <= b.azLeft) b.azRight += 360;
    return b;
}

ProjectionFrame quadraticFrame(const QuadraticBounds& b, const MapGeometry& g, bool trajectories) {
    ProjectionFrame f;
    f.kind = trajectories ? ProjectionKind::QuadraticTrajectories : ProjectionKind::Quadratic;
    f.c1 = b.raRight;
    f.c2 = b.raLeft;
    f.c3 = b.decMin;
    f.c4 = b.decMax;
    f.geometry = g;
    return f;
}

ProjectionFrame azimutalFrame(const AzimutalBounds& b, const MapGeometry& g) {
    ProjectionFrame f;
    f.kind = ProjectionKind::AzimutalWindow;
    f.c1 = b.azLeft;
    f.c2 = b.azRight;
    f.c3 = b.elMin;
    f.c4 = b.elMax;
    f.geometry = g;
    return f;
}

ProjectionFrame circularFrame(const MapGeometry& g, const DiscZoom& z) {
    ProjectionFrame f;
    f.kind = ProjectionKind::Circular;
    f.geometry = g;
    f.zoom = z;
    return f;
}

ProjectionFrame equidistantFrame(const MapGeometry& g, const DiscZoom& z, double latitude_deg,
                                 double longitude_deg) {
    ProjectionFrame f;
    f.kind = ProjectionKind::Equidistant;
    f.geometry = g;
    f.zoom = z;
    f.rotation_deg = latitude_deg >= 0 ? -longitude_deg : -(longitude_deg + 180);
    return f;
}

double altitudeOf(double longitude_deg, double latitude_deg, double dec_deg, double ra_deg,
                  double sidereal_deg) {
    const double H = (sidereal_deg - (longitude_deg + ra_deg)) * kDegToRad;
    const double phi = latitude_deg * kDegToRad, delta = dec_deg * kDegToRad;
    double s = std::sin(phi) * std::sin(delta) + std::cos(phi) * std::cos(delta) * std::cos(H);
    s = std::clamp(s, -1.0, 1.0);
    return std::asin(s) / kDegToRad;
}

double azimuthOf(double longitude_deg, double latitude_deg, double dec_deg, double ra_deg,
                 double sidereal_deg) {
    const double H = (sidereal_deg - (longitude_deg + ra_deg)) * kDegToRad;
    const double phi = latitude_deg * kDegToRad, delta = dec_deg * kDegToRad;
    const double num = std::sin(H);
    const double den = std::cos(H) * std::sin(phi) - std::tan(delta) * std::cos(phi);
    double A;
    if (den > 0)
        A = std::atan(num / den) / kDegToRad;
    else if (den < 0)
        A = std::atan(num / den) / kDegToRad + 180;
    else
        A = num > 0 ? 90 : 270;
    A = std::fmod(A, 360.0);
    if (A < 0) A += 360;
    if (A >= 360) A -= 360;
    return A;
}

namespace {

// Zoom of the disc kinds around the disc centre, in integers.
PixelPoint zoomDisc(PixelPoint p, const ProjectionFrame& f) {
    const int64_t Z = f.zoom.zoom, cx = f.geometry.centreX(), Ri = f.geometry.radius();
    const int64_t x = cx + (p.x - cx) * Z + int64_t(f.zoom.panX) * Z;
    const int64_t y = Ri + (p.y - 40 - Ri) * Z + int64_t(f.zoom.panY) * Z + 40;
    return {static_cast<int>(std::clamp<int64_t>(x, -1000000000, 1000000000)),
            static_cast<int>(std::clamp<int64_t>(y, -1000000000, 1000000000))};
}

} // namespace

std::optional<PixelPoint> projectDisc(const ProjectionFrame& f, double altitude_deg, double sinAngle,
                                      double cosAngle) {
    const MapGeometry& g = f.geometry;
    const int W = g.width(), R = g.radius();
    PixelPoint p;
    if (f.kind == ProjectionKind::Equidistant) {
        if (!(altitude_deg > -45)) return std::nullopt;
        const double r = R * (90 - altitude_deg) / 135;
        p = {truncToInt(W * 0.5 + r * sinAngle), truncToInt(R + 40 + r * cosAngle)};
    } else if (f.kind == ProjectionKind::Circular) {
        if (!(altitude_deg > 0)) return std::nullopt;
        const double r = R * (1 - altitude_deg / 90);
        p = {truncToInt(r * sinAngle + W / 2), truncToInt(R + 40 + r * cosAngle)};
    } else {
        return std::nullopt;
    }
    if (f.zoom.zoom != 1 || f.zoom.panX != 0 || f.zoom.panY != 0) p = zoomDisc(p, f);
    if (p.x <= 0) return std::nullopt;
    return p;
}

std::optional<PixelPoint> projectSky(const ProjectionFrame& f, double altitude_deg, double azimuth_deg,
                                     double dec_deg, double ra_deg) {
    const MapGeometry& g = f.geometry;
    const int W = g.width(), Hc = g.height();
    switch (f.kind) {
    case ProjectionKind::Equidistant: {
        const double theta = (azimuth_deg + f.rotation_deg) * kDegToRad;
        return projectDisc(f, altitude_deg, std::sin(theta), std::cos(theta));
    }
    case ProjectionKind::Circular: {
        const double A = azimuth_deg * kDegToRad;
        return projectDisc(f, altitude_deg, std::sin(A), std::cos(A));
    }
    case ProjectionKind::AzimutalWindow: {
        const double L = f.c1, R0 = f.c2, Emin = f.c3, Emax = f.c4;
        double d = std::fmod(azimuth_deg - L, 360.0);
        if (d < 0) d += 360;
        const double t = d / (R0 - L);
        const int x = truncToInt((W - 20) - (W - 25) * (1 - t));
        const int y = truncToInt((Hc - 15) - (Hc - 40) * (altitude_deg - Emin) / (Emax - Emin));
        if (x < 5 || x > W - 20 || y < 25 || y > Hc - 15) return std::nullopt;
        return PixelPoint{x, y};
    }
    case ProjectionKind::Quadratic:
    case ProjectionKind::QuadraticTrajectories: {
        const double Ra = f.c1, Rb = f.c2, Dmin = f.c3, Dmax = f.c4;
        const double a = ra_deg >= Ra ? ra_deg : ra_deg + 360;
        const int x = truncToInt((W - 20) - (W - 25) * (a - Ra) / (Rb - Ra));
        const int y = truncToInt((Hc - 15) - (Hc - 40) * (dec_deg - Dmin) / (Dmax - Dmin));
        if (x < 5 || x > W - 15 || y < 30 || y > Hc - 15) return std::nullopt;
        return PixelPoint{x, y};
    }
    }
    return std::nullopt;
}

DiscZoom* SkyNavigation::discOf(int view) {
    if (view == kViewEquidistant) return &equidistant;
    if (view == kViewCircular) return &circular;
    return nullptr;
}

void clampDisc(SkyNavigation& s, int view, const MapGeometry& g) {
    DiscZoom* z = s.discOf(view);
    if (!z) return;
    const int halfH = g.height() / 2, halfW = g.width() / 2;
    z->panY = std::clamp(z->panY, -halfH, halfH);
    z->panX = std::clamp(z->panX, -halfW, halfW);
    const int rangeX = g.troughW(), rangeY = g.troughH();
    const int sizeX = g.width() != 0 ? g.width() : 1, sizeY = g.height() != 0 ? g.height() : 1;
    s.thumbSkyX = truncToInt(rangeX * 0.5 - double(z->panX) / sizeX * rangeX);
    s.thumbSkyY = truncToInt(rangeY * 0.5 - double(z->panY) / sizeY * rangeY);
    s.thumbSkyX = std::clamp(s.thumbSkyX, 0, std::max(rangeX, 0));
    s.thumbSkyY = std::clamp(s.thumbSkyY, 0, std::max(rangeY, 0));
}

void clampQuadratic(SkyNavigation& s, const MapGeometry& g) {
    s.quadRa1 = wrapCorner(s.quadRa1);
    s.quadRa2 = wrapCorner(s.quadRa2);
    s.quadDec1 = std::clamp(s.quadDec1, -90, 90);
    s.quadDec2 = std::clamp(s.quadDec2, -90, 90);
    s.thumbQuadX = wrapStrip(s.thumbQuadX, g.troughW());
    s.thumbQuadY = wrapStrip(s.thumbQuadY, g.troughH());
}

void clampAzimutal(SkyNavigation& s, const MapGeometry& g) {
    s.azimAz1 = wrapCorner(s.azimAz1);
    s.azimAz2 = wrapCorner(s.azimAz2);
    s.azimEl1 = std::clamp(s.azimEl1, -5, 90);
    s.azimEl2 = std::clamp(s.azimEl2, -5, 90);
    s.thumbAzX = wrapStrip(s.thumbAzX, g.troughW());
    s.thumbAzY = wrapStrip(s.thumbAzY, g.troughH());
}

bool zoomInAt(SkyNavigation& s, int view, const MapGeometry& g, int x, int y) {
    if (DiscZoom* z = s.discOf(view)) {
        if (z->zoom >= kMaxDiscZoom) return false;
        if (x > 2 && x < g.mapWidth - 3)
            z->panX = truncToInt(z->panX - (x - g.mapWidth * 0.5) / z->zoom);
        if (y > 20 && y < g.clientHeight - 3) z->panY = z->panY - (y - 40 - g.radius()) / z->zoom;
        z->zoom *= 2;
        clampDisc(s, view, g);
        return true;
    }
    if (isQuadraticView(view)) {
        const int32_t w = windowWidth(s.quadRa1, s.quadRa2);
        s.quadRa1 += w / 4;
        s.quadRa2 -= w / 4;
        const float q = (s.quadDec1 - s.quadDec2) / 4.0f;
        s.quadDec1 = static_cast<int32_t>(s.quadDec1 - q);
        s.quadDec2 = static_cast<int32_t>(s.quadDec2 + q);
        clampQuadratic(s, g);
        return true;
    }
    if (view == kViewAzimutal) {
        const int32_t w = windowWidth(s.azimAz1, s.azimAz2);
        s.azimAz1 += w / 4;
        s.azimAz2 -= w / 4;
        const int32_t d = (s.azimEl2 - s.azimEl1) / 4;
        s.azimEl2 -= d;
        s.azimEl1 += d;
        clampAzimutal(s, g);
        return true;
    }
    return false;
}

bool zoomOut(SkyNavigation& s, int view, const MapGeometry& g) {
    if (DiscZoom* z = s.discOf(view)) {
        if (z->zoom > 1) z->zoom /= 2;
        return true;
    }
    if (isQuadraticView(view)) {
        const int32_t w = windowWidth(s.quadRa1, s.quadRa2);
        if (w > 0 && w < 360) {
            const int32_t step = w > 300 ? (360 - w) / 2 : 30;
            s.quadRa1 -= step;
            s.quadRa2 += step;
        }
        const int32_t up = std::max(s.quadDec1, s.quadDec2), low = std::min(s.quadDec1, s.quadDec2);
        storeBounds(s.quadDec1, s.quadDec2, up + 30, low - 30);
        clampQuadratic(s, g);
        return true;
    }
    if (view == kViewAzimutal) {
        const int32_t w = windowWidth(s.azimAz1, s.azimAz2);
        // A window already 360 wide stays as it is (as in the quadratic views).
        if (w > 0 && w < 360) {
            const int32_t step = w > 300 ? (360 - w) / 2 : 30;
            s.azimAz1 -= step;
            s.azimAz2 += step;
        }
        const int32_t up = std::max(s.azimEl1, s.azimEl2), low = std::min(s.azimEl1, s.azimEl2);
        storeBounds(s.azimEl2, s.azimEl1, up + 20, low - 20);
        clampAzimutal(s, g);
        return true;
    }
    return false;
}

bool zoomToRectangle(SkyNavigation& s, int view, const MapGeometry& g, int x1, int y1, int x2, int y2) {
    if (!isQuadraticView(view) && view != kViewAzimutal) return false;
    const int W = g.width(), Hc = g.height();
    auto clampX = [&](int x) { return x < 6 ? 5 : std::min(x, W - 20); };
    auto clampY = [&](int y) { return std::clamp(y, 30, std::max(30, Hc - 15)); };
    x1 = clampX(x1);
    x2 = clampX(x2);
    y1 = clampY(y1);
    y2 = clampY(y2);
    if (y1 == y2) return false;
    const double Wp = W - 25, Hp = Hc - 45;
    if (Wp <= 0 || Hp <= 0) return false;
    const int minX = std::min(x1, x2), maxX = std::max(x1, x2);
    const int minY = std::min(y1, y2), maxY = std::max(y1, y2);
    if (isQuadraticView(view)) {
        const double Ra = s.quadRa1;
        double Rb = s.quadRa2;
        if (!(Rb > Ra)) Rb += 360;
        const double Du = std::max(s.quadDec1, s.quadDec2), Dl = std::min(s.quadDec1, s.quadDec2);
        s.quadRa1 = static_cast<int32_t>(std::floor(Rb - (maxX - 5) * (Rb - Ra) / Wp));
        s.quadRa2 = static_cast<int32_t>(std::ceil(Rb - (minX - 5) * (Rb - Ra) / Wp));
        s.quadDec1 = static_cast<int32_t>(std::ceil(Du - (minY - 30) * (Du - Dl) / Hp));
        s.quadDec2 = static_cast<int32_t>(std::floor(Du - (maxY - 30) * (Du - Dl) / Hp));
        clampQuadratic(s, g);
    } else {
        const double L = s.azimAz1;
        double R = s.azimAz2;
        if (!(R > L)) R += 360;
        const double Eu = std::max(s.azimEl1, s.azimEl2), El = std::min(s.azimEl1, s.azimEl2);
        s.azimAz1 = static_cast<int32_t>(std::floor(L + (minX - 5) * (R - L) / Wp));
        s.azimAz2 = static_cast<int32_t>(std::ceil(L + (maxX - 5) * (R - L) / Wp));
        s.azimEl2 = static_cast<int32_t>(std::ceil(Eu - (minY - 30) * (Eu - El) / Hp));
        s.azimEl1 = static_cast<int32_t>(std::floor(Eu - (maxY - 30) * (Eu - El) / Hp));
        clampAzimutal(s, g);
    }
    return true;
}

bool panHorizontal(SkyNavigation& s, int view, const MapGeometry& g, int n) {
    const int range = safeRange(g.troughW());
    if (isQuadraticView(view)) {
        const int32_t d = static_cast<int32_t>(360.0 * n / range);
        s.quadRa1 -= d;
        s.quadRa2 -= d;
        s.thumbQuadX += n;
        clampQuadratic(s, g);
        return true;
    }
    if (view == kViewAzimutal) {
        const int32_t d = static_cast<int32_t>(360.0 * n / range);
        s.azimAz1 += d;
        s.azimAz2 += d;
        s.thumbAzX += n;
        clampAzimutal(s, g);
        return true;
    }
    if (DiscZoom* z = s.discOf(view)) {
        z->panX -= 2 * n;
        clampDisc(s, view, g);
        return true;
    }
    return false;
}

bool panVertical(SkyNavigation& s, int view, const MapGeometry& g, int n) {
    const int range = safeRange(g.troughH());
    if (isQuadraticView(view)) {
        const int32_t d = static_cast<int32_t>(180.0 * n / range);
        s.quadDec1 += d;
        s.quadDec2 += d;
        s.thumbQuadY -= n;
        clampQuadratic(s, g);
        return true;
    }
    if (view == kViewAzimutal) {
        const int32_t d = static_cast<int32_t>(95.0 * n / range);
        s.azimEl1 += d;
        s.azimEl2 += d;
        s.thumbAzY -= n;
        clampAzimutal(s, g);
        return true;
    }
    if (DiscZoom* z = s.discOf(view)) {
        z->panY += 2 * n;
        clampDisc(s, view, g);
        return true;
    }
    return false;
}

void centreStrips(SkyNavigation& s, const MapGeometry& g) {
    const int hx = g.troughW() / 2, hy = g.troughH() / 2;
    s.thumbQuadX = s.thumbAzX = s.thumbSkyX = std::max(hx, 0);
    s.thumbQuadY = s.thumbAzY = s.thumbSkyY = std::max(hy, 0);
}

void rescaleStrips(SkyNavigation& s, int oldTroughW, int oldTroughH, const MapGeometry& g) {
    const int ow = oldTroughW != 0 ? oldTroughW : 1, oh = oldTroughH != 0 ? oldTroughH : 1;
    const int nw = g.troughW(), nh = g.troughH();
    for (int32_t* p : {&s.thumbQuadX, &s.thumbAzX, &s.thumbSkyX})
        *p = static_cast<int32_t>(int64_t(*p) * nw / ow);
    for (int32_t* p : {&s.thumbQuadY, &s.thumbAzY, &s.thumbSkyY})
        *p = static_cast<int32_t>(int64_t(*p) * nh / oh);
}

} // namespace skymap
