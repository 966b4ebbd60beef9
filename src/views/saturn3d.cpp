// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/saturn3d.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "astro/satellites.h"
#include "catalog/systeme.h"
#include "views/jupiter.h"
#include "views/view_pictures.h"

namespace views {

namespace {
// Below the legend's last line ("Heure Locale" at y = 140, 14-pixel font).
constexpr int kLegendBottom = 160;

const planete* saturnOf(const systeme& sys) {
    for (int k = 0; k < sys.planetCount(); ++k)
        if (const planete* p = sys.planet(k); p && std::strcmp(p->nom, "Saturne") == 0) return p;
    return nullptr;
}

// Where a projected point lands: the main view centres Saturn in the area below y = 45.
struct Placement {
    bool thumbnail;
    int cw, H;
    double f;
    gfx::Point place(Projected p) const {
        if (thumbnail) return {truncPixel(p.x * 350 + 150), truncPixel(150 - p.y * 350)};
        return {truncPixel(cw * 0.5 + p.x * f), truncPixel((H - 50) * 0.5 - p.y * f) + 45};
    }
};

double distanceFromOrigin(const ViewCamera& camera, Vec3 p) {
    return vecLength(vecSub(p, camera.origin));
}

void drawRings(gfx::Canvas& c, const SatelliteScene& s, const ViewCamera& camera, const RingModel& rings,
               const Placement& at, double d0, bool far) {
    static constexpr int kZoneColours[3] = {32, 30, 31};
    for (const auto& record : rings.records)
        for (int z = 0; z < 3; ++z) {
            const RingQuad& q = record[static_cast<size_t>(z)];
            const Vec3 centre{(q.x[0] + q.x[1] + q.x[2] + q.x[3]) / 4,
                              (q.y[0] + q.y[1] + q.y[2] + q.y[3]) / 4, 0};
            // A quadrilateral exactly as far as the centre counts as far: it goes before the globe.
            if ((distanceFromOrigin(camera, centre) >= d0) != far) continue;
            gfx::Point corners[4];
            for (int k = 0; k < 4; ++k)
                corners[k] = at.place(projectPoint(camera, Vec3{q.x[k], q.y[k], 0}));
            // Black and white: white zones outlined in black (pen 0; pens 1 to 33 are white then).
            const bool bw = s.saving && s.blackWhite;
            c.selectBrush(bw ? 1 : kZoneColours[z]);
            c.selectPen(bw ? 0 : kZoneColours[z]);
            c.polygon(corners);
        }
}

void drawSatellites(gfx::Canvas& c, const SatelliteScene& s, systeme& sys, const ViewCamera& camera,
                    const Placement& at, double d0, bool far) {
    static constexpr double kSizes[kSaturnPositioned] = {0.5, 0.5, 0.9, 0.9, 1.2, 1.5};
    const planete* saturn = saturnOf(sys);
    SatelliteTable& table = sys.satelliteTable;
    for (int i = 0; i < kSaturnPositioned; ++i) {
        computeSaturnSatellites(s.start, saturn ? saturn->ra : 0.0, saturn ? saturn->dec : 0.0,
                                saturn ? saturn->delta : 0.0, table, true);
        const Vec3 p = saturnMoonPoint(table.satX[i], table.satY[i]);
        if ((distanceFromOrigin(camera, p) >= d0) != far) continue;
        const gfx::Point sp = at.place(projectPoint(camera, p));
        const double r = std::max(1.0, std::sqrt(0.01 * at.f) * 5 * 0.5 * kSizes[i]);
        // Black and white: black discs (index 0 is the one black of that scheme).
        const int colour = (s.saving && s.blackWhite) ? 0 : satelliteColour(i, s);
        c.selectBrush(colour);
        c.selectPen(colour);
        c.ellipse(static_cast<int>(sp.x - r), static_cast<int>(sp.y - r), static_cast<int>(sp.x + r),
                  static_cast<int>(sp.y + r));
        if (satell* rec = sys.satell(4 + i)) {
            rec->pos[0] = sp.x;
            rec->pos[1] = sp.y;
            rec->pos[4] = 0;
            rec->pos[5] = -100;
            rec->pos[6] = 0;
            rec->pos[7] = -100;
        }
    }
}

void drawLegend(gfx::Canvas& c, const SatelliteScene& s, systeme& sys) {
    const int W = s.mapWidth;
    c.selectFont(gfx::FontId::Arial14);
    c.setBackgroundMode(gfx::BackgroundMode::Transparent);
    c.setTextColour(gfx::rgb(0, 0, 0));
    c.textOut(W + 80, 5, "LEGEND"); // above the drawing area, on the window's background
    c.setTextColour(s.saving ? gfx::rgb(0, 0, 0) : gfx::rgb(255, 255, 255));
    // Left column Mimas, Encelade, Rhea, Titan; right column Tethys, Dione, Hyperion, Japet.
    static constexpr struct {
        bool right;
        int y;
    } kEntries[kSaturnSatellites] = {{false, 50}, {false, 65}, {true, 50}, {true, 65},
                                     {false, 80}, {false, 95}, {true, 80}, {true, 95}};
    for (int i = 0; i < kSaturnSatellites; ++i) {
        const int textX = kEntries[i].right ? W + 120 : W + 30,
                  sampleX = kEntries[i].right ? W + 100 : W + 10;
        const int y = kEntries[i].y;
        c.textOut(textX, y, kSaturnSatelliteNames[i]);
        c.selectPen(satelliteColour(i, s));
        c.line(sampleX, y + 5, sampleX + 15, y + 5);
        if (satell* rec = sys.satell(4 + i)) {
            rec->pos[2] = sampleX;
            rec->pos[3] = y;
        }
    }
    char text[128];
    std::snprintf(text, sizeof text, "TU : %s", s.start.texteHeureDate().c_str());
    c.textOut(W, 125, text);
    std::snprintf(text, sizeof text, "Heure Locale : %s", s.start.texteHeureDateLieu().c_str());
    c.textOut(W, 140, text);
}
} // namespace

Vec3 saturnMoonPoint(double satX, double satY) {
    // The theory's x is positive towards the west and its y towards the Earth (the moons that
    // cross the disc together, as Mimas and Dione did on 2009 February 24, come out in front
    // with y > 0). The model's +x is the sky's east (screen left), so x changes sign here.
    return Vec3{-0.8 * satX, 0.8 * satY, 0};
}

double saturnPixelFactor(double saturnZoom) {
    const int n = static_cast<int>(saturnZoom);
    return 100.0 * (n >= 1 ? n : std::sqrt(1.0 / (2 - n)));
}

void computeSaturnTilt(systeme& sys, const date2& date, ViewCamera& camera) {
    sys.computePositions(date, true);
    if (const planete* saturn = saturnOf(sys))
        camera.saturnTilt = saturnRingTilt_rad(saturn->ra, saturn->dec);
    camera.up = Vec3{0, 0, 1};
}

void drawSaturn3D(gfx::Canvas& c, const SatelliteScene& s, systeme& sys, const ViewCamera& camera,
                  double saturnZoom, bool thumbnail, const RingModel& rings) {
    const int cw = s.clientWidth, H = s.clientHeight;
    const Placement at{thumbnail, cw, H, saturnPixelFactor(saturnZoom)};
    const double d0 = distanceFromOrigin(camera, Vec3{0, 0, 0});
    c.selectBrush(s.saving ? 1 : 3);
    c.selectPen(s.saving ? 0 : 2);
    if (thumbnail) {
        c.fillRect(0, 0, c.width(), c.height());
    } else {
        c.fillRect(5, 45, cw - 5, H - 5);
        c.setClip({5, 45, cw - 5, H - 5});
        drawSatellites(c, s, sys, camera, at, d0, true);
    }

    drawRings(c, s, camera, rings, at, d0, true);
    // The globe: an orange disc, then the banded picture combined with it (black leaves it as is).
    const Projected g =
        projectPoint(camera, vecScale(camera.screenX, rings.globeSize > 0 ? rings.globeSize : 0.4));
    const double rho = 10 * std::sqrt((0.1 * g.x) * (0.1 * g.x) + (0.1 * g.y) * (0.1 * g.y));
    const int r = static_cast<int>(rho * (thumbnail ? 350 : at.f));
    const gfx::Point centre = at.place(projectPoint(camera, Vec3{0, 0, 0}));
    c.selectBrush(s.blackWhite ? 1 : 7);
    c.selectPen(s.blackWhite ? 0 : 7);
    c.ellipse(centre.x - r, centre.y - r, centre.x + r, centre.y + r);
    if (!s.blackWhite)
        if (const QImage* picture = viewPicture(kSaturnGlobePicture))
            c.drawPicture(*picture, centre.x - r, centre.y - r, 2 * r, 2 * r, gfx::RasterOp::Or);
    drawRings(c, s, camera, rings, at, d0, false);

    if (!thumbnail) {
        drawSatellites(c, s, sys, camera, at, d0, false);
        c.clearClip();
        // The legend's box belongs to the legend: a globe or moon zoomed under it is cut there.
        c.selectBrush(s.saving ? 1 : 3);
        c.fillRect(s.mapWidth, 45, cw - 5, kLegendBottom);
        drawLegend(c, s, sys);
    }
}

QImage saturnThumbnail(systeme& sys, const date2& date) {
    ViewCamera camera;
    computeSaturnTilt(sys, date, camera);
    updateCamera(camera, 33);
    SatelliteScene s;
    s.start = s.end = date;
    gfx::Canvas c(300, 300);
    drawSaturn3D(c, s, sys, camera, 4.0, true, loadRingModel());
    return c.snapshot();
}

} // namespace views
