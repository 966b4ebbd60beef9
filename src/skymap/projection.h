// SPDX-License-Identifier: GPL-3.0-or-later
// Sky projections: horizontal coordinates, the five mappings from the sphere to window pixels with
// their visibility tests, the map geometry and the zoom and pan state of the sky views. Pure
// functions, no Qt. Angles in degrees; pixels are client coordinates with y growing downwards.
#pragma once

#include <cstdint>
#include <optional>

namespace skymap {

// Projection kinds as the renderer passes them to projectSky.
enum class ProjectionKind : int {
    Equidistant = 0,
    AzimutalWindow = 1,
    Circular = 2,
    Quadratic = 3,
    QuadraticTrajectories = 4,
};

// Sky view numbers of the main window (view = projection + 9).
constexpr int kViewEquidistant = 10;
constexpr int kViewQuadratic = 11;
constexpr int kViewTrajectories = 12;
constexpr int kViewCircular = 13;
constexpr int kViewAzimutal = 14;

inline bool isSkyView(int view) { return view >= 10 && view <= 14; }
inline bool isDiscView(int view) { return view == kViewEquidistant || view == kViewCircular; }
inline bool isQuadraticView(int view) { return view == kViewQuadratic || view == kViewTrajectories; }
ProjectionKind kindOfView(int view); // views 10-14; anything else gives Circular

// Map geometry, floats as the window keeps them; formulas truncate them where they say so.
struct MapGeometry {
    float clientWidth = 780;
    float clientHeight = 500;
    float mapWidth = 548;
    float mapRadius = 225;

    int width() const { return static_cast<int>(mapWidth); }    // trunc(mapWidth)
    int height() const { return static_cast<int>(clientHeight); } // trunc(clientHeight)
    int radius() const { return static_cast<int>(mapRadius); }  // trunc(mapRadius)
    int centreX() const { return width() / 2; }                 // integer halving
    int troughW() const { return width() - 49; }
    int troughH() const { return height() - 71; }
};

// Geometry after a resize of the client area (legend panel shown).
MapGeometry geometryForSize(float clientWidth, float clientHeight);
// mapWidth after the legend is switched; mapRadius is kept.
void applyLegend(MapGeometry& g, bool legendShown, int view);

// Zoom of one disc view: Z a power of two >= 1, pans in unzoomed pixels.
struct DiscZoom {
    int32_t zoom = 1;
    int32_t panX = 0;
    int32_t panY = 0;
};
// Zoom factors above this are refused: the integer pixel arithmetic would overflow.
constexpr int32_t kMaxDiscZoom = 1024;

// One projected pixel.
struct PixelPoint {
    int x = 0;
    int y = 0;
    bool operator==(const PixelPoint&) const = default;
};

// Everything projectSky needs besides the point: the kind, its prepared bounds c1..c4, the
// rotation of the equidistant map, the geometry and the zoom of the disc view being drawn.
struct ProjectionFrame {
    ProjectionKind kind = ProjectionKind::Circular;
    double c1 = 0, c2 = 0, c3 = 0, c4 = 0;
    double rotation_deg = 0;
    MapGeometry geometry;
    DiscZoom zoom;
};

// Prepared bounds of the rectangular kinds.
struct QuadraticBounds {
    double raRight = 0; // Ra, right ascension at the right edge
    double raLeft = 360; // Rb, at the left edge (may exceed 360)
    double decMin = -90;
    double decMax = 90;
};
struct AzimutalBounds {
    double azLeft = 300;  // L
    double azRight = 420; // R0, raised above L (0 < R0 - L <= 360)
    double elMin = -5;
    double elMax = 15;
};
QuadraticBounds prepareQuadratic(int quadRa1, int quadDec1, int quadRa2, int quadDec2);
AzimutalBounds prepareAzimutal(int azimAz1, int azimAz2, int azimEl1, int azimEl2);
// Frames with c1..c4 = (Ra, Rb, Dmin, Dmax) or (L, R0, Emin, Emax).
ProjectionFrame quadraticFrame(const QuadraticBounds& b, const MapGeometry& g, bool trajectories);
ProjectionFrame azimutalFrame(const AzimutalBounds& b, const MapGeometry& g);
ProjectionFrame circularFrame(const MapGeometry& g, const DiscZoom& z);
// rotation_deg = -longitude (north) or -(longitude + 180) (south), longitude positive west.
ProjectionFrame equidistantFrame(const MapGeometry& g, const DiscZoom& z, double latitude_deg,
                                 double longitude_deg);

// Horizontal coordinates. Longitude positive towards the west, sidereal time the Greenwich
// sidereal time in degrees; hour angle H = sidereal - (longitude + ra).
double altitudeOf(double longitude_deg, double latitude_deg, double dec_deg, double ra_deg,
                  double sidereal_deg);
// Azimuth in [0, 360), from the south towards the west.
double azimuthOf(double longitude_deg, double latitude_deg, double dec_deg, double ra_deg,
                 double sidereal_deg);

// The pixel of one point, or nothing when the projection does not show it. Kinds 0-2 use altitude
// and azimuth (for kind 0, those for the pole observer), kinds 3-4 declination and right ascension.
// A disc point that the zoom pushes to x <= 0 is also not shown (the model's "not drawn").
std::optional<PixelPoint> projectSky(const ProjectionFrame& f, double altitude_deg, double azimuth_deg,
                                     double dec_deg, double ra_deg);

// The disc kinds (0 and 2) from the altitude and the sine and cosine of the map angle: the
// azimuth for the circular kind, azimuth + rotation for the equidistant one. projectSky uses it;
// the renderer calls it with the sines taken from the horizontal vector, without the azimuth.
std::optional<PixelPoint> projectDisc(const ProjectionFrame& f, double altitude_deg, double sinAngle,
                                      double cosAngle);

// Whether a segment between two shown points may be drawn: it must not jump across the seam of
// the map, i.e. its ends must lie less than maxDx apart horizontally and less than maxDy vertically.
inline bool segmentWithin(PixelPoint a, PixelPoint b, int maxDx, int maxDy) {
    const int dx = b.x - a.x, dy = b.y - a.y;
    return dx < maxDx && -dx < maxDx && dy < maxDy && -dy < maxDy;
}
// The sky border rule: a segment whose ends are half a map apart crosses the seam.
inline bool crossesSeam(PixelPoint a, PixelPoint b, const MapGeometry& g) {
    const int half = g.width() / 2;
    return !segmentWithin(a, b, half, 1 << 30);
}

// Window state changed by zoom, pan and the sky-map dialog.
struct SkyNavigation {
    int32_t quadRa1 = 0, quadDec1 = 90, quadRa2 = 360, quadDec2 = -90;
    int32_t azimAz1 = 300, azimEl2 = 15, azimAz2 = 60, azimEl1 = -5;
    DiscZoom equidistant;
    DiscZoom circular;
    int32_t thumbQuadX = 0, thumbQuadY = 0;
    int32_t thumbAzX = 0, thumbAzY = 0;
    int32_t thumbSkyX = 0, thumbSkyY = 0;

    DiscZoom* discOf(int view);
};

// Each returns true when it changed the state of the view (the caller repaints); views without a
// rule are left alone.
bool zoomInAt(SkyNavigation& s, int view, const MapGeometry& g, int x, int y);
bool zoomOut(SkyNavigation& s, int view, const MapGeometry& g);
bool zoomToRectangle(SkyNavigation& s, int view, const MapGeometry& g, int x1, int y1, int x2, int y2);
bool panHorizontal(SkyNavigation& s, int view, const MapGeometry& g, int n);
bool panVertical(SkyNavigation& s, int view, const MapGeometry& g, int n);

// Clamps of the three kinds of window (also applied by the operations above).
void clampDisc(SkyNavigation& s, int view, const MapGeometry& g);
void clampQuadratic(SkyNavigation& s, const MapGeometry& g);
void clampAzimutal(SkyNavigation& s, const MapGeometry& g);

// Centres every strip thumb (start-up) and rescales the positions after a resize.
void centreStrips(SkyNavigation& s, const MapGeometry& g);
void rescaleStrips(SkyNavigation& s, int oldTroughW, int oldTroughH, const MapGeometry& g);

} // namespace skymap
