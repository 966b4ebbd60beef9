// SPDX-License-Identifier: GPL-3.0-or-later
// Sky icons drawn with QPainter on a transparent 32 x 32 image. One style for all: shaded discs
// lit from the upper left with a thin dark rim for bodies, soft glows for deep-sky objects; the
// black-and-white set is the same geometry in black lines on white.
#include "skymap/sky_icons.h"

#include "gfx/icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

namespace skymap {

namespace {

constexpr QPointF kCentre(16.0, 16.0);

struct Style {
    bool bw;
    QColor ink() const { return bw ? QColor(0, 0, 0) : QColor(15, 15, 25, 220); }
};

// A planet-like disc of radius r: gradient from `light` (upper left) to `dark`.
void shadedDisc(QPainter& p, const Style& s, double r, QColor light, QColor dark, QPointF c = kCentre) {
    if (s.bw) {
        p.setPen(QPen(Qt::black, 1.2));
        p.setBrush(Qt::white);
    } else {
        QRadialGradient g(c + QPointF(-r * 0.4, -r * 0.4), r * 1.5);
        g.setColorAt(0, light);
        g.setColorAt(1, dark);
        p.setPen(QPen(s.ink(), 1.0));
        p.setBrush(g);
    }
    p.drawEllipse(c, r, r);
}

void clipToDisc(QPainter& p, double r, QPointF c = kCentre) {
    QPainterPath path;
    path.addEllipse(c, r - 0.5, r - 0.5);
    p.setClipPath(path);
}

void drawSun(QPainter& p, const Style& s) {
    const QColor ray = s.bw ? QColor(0, 0, 0) : QColor(255, 170, 0);
    p.setPen(QPen(ray, 2.0, Qt::SolidLine, Qt::RoundCap));
    for (int k = 0; k < 8; ++k) {
        const double a = k * std::numbers::pi / 4;
        p.drawLine(kCentre + QPointF(10 * std::cos(a), 10 * std::sin(a)),
                   kCentre + QPointF(14 * std::cos(a), 14 * std::sin(a)));
    }
    shadedDisc(p, s, 7.5, QColor(255, 255, 190), QColor(255, 190, 0));
    if (s.bw) {
        p.setBrush(Qt::black);
        p.drawEllipse(kCentre, 1.5, 1.5);
    }
}

void drawMoon(QPainter& p, const Style& s) {
    shadedDisc(p, s, 9, QColor(245, 245, 235), QColor(150, 150, 145));
    clipToDisc(p, 9);
    p.setPen(Qt::NoPen);
    p.setBrush(s.bw ? QColor(0, 0, 0) : QColor(120, 120, 118, 170));
    // Maria.
    p.drawEllipse(QPointF(13, 12), 3.0, 2.4);
    p.drawEllipse(QPointF(19, 14), 2.2, 2.0);
    p.drawEllipse(QPointF(17, 20), 2.6, 1.8);
    p.setClipping(false);
}

void drawBanded(QPainter& p, const Style& s, double r, QColor light, QColor dark, QColor band, int bands) {
    shadedDisc(p, s, r, light, dark);
    clipToDisc(p, r);
    p.setPen(QPen(s.bw ? QColor(0, 0, 0) : band, s.bw ? 1.0 : 1.6));
    for (int k = 0; k < bands; ++k) {
        const double y = 16 + (k - (bands - 1) / 2.0) * (2 * r / (bands + 1));
        p.drawLine(QPointF(16 - r, y), QPointF(16 + r, y));
    }
    p.setClipping(false);
}

void drawJupiter(QPainter& p, const Style& s) {
    drawBanded(p, s, 10, QColor(245, 225, 190), QColor(180, 140, 95), QColor(165, 110, 70, 200), 4);
    clipToDisc(p, 10);
    p.setPen(s.bw ? QPen(Qt::black, 1.0) : Qt::NoPen);
    p.setBrush(s.bw ? QColor(255, 255, 255) : QColor(200, 70, 40));
    p.drawEllipse(QPointF(20, 19), 2.6, 1.6); // the Great Red Spot
    p.setClipping(false);
}

void drawSaturn(QPainter& p, const Style& s) {
    const QColor ringColour = s.bw ? QColor(0, 0, 0) : QColor(225, 200, 150);
    // Back half of the ring, then the globe, then the front half.
    const QRectF ring(2.5, 11.5, 27, 9);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ringColour, s.bw ? 1.2 : 2.2));
    p.drawArc(ring, 0, 180 * 16);
    drawBanded(p, s, 7, QColor(250, 235, 180), QColor(195, 160, 95), QColor(175, 140, 80, 180), 2);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ringColour, s.bw ? 1.2 : 2.2));
    p.drawArc(ring, 180 * 16, 180 * 16);
    if (!s.bw) {
        p.setPen(QPen(QColor(120, 95, 60, 200), 0.8));
        p.drawArc(ring.adjusted(-1.3, -1.3, 1.3, 1.3), 180 * 16, 180 * 16);
    }
}

void drawEarth(QPainter& p, const Style& s) {
    shadedDisc(p, s, 8, QColor(120, 180, 255), QColor(20, 60, 160));
    clipToDisc(p, 8);
    p.setPen(s.bw ? QPen(Qt::black, 1.0) : Qt::NoPen);
    p.setBrush(s.bw ? QColor(0, 0, 0) : QColor(60, 160, 70));
    QPainterPath land;
    land.moveTo(11, 10);
    land.cubicTo(15, 8, 17, 12, 14, 15);
    land.cubicTo(12, 18, 15, 21, 13, 23);
    land.cubicTo(10, 20, 9, 14, 11, 10);
    p.drawPath(land);
    p.drawEllipse(QPointF(20, 16), 2.5, 3.5);
    p.setClipping(false);
}

void drawMars(QPainter& p, const Style& s) {
    shadedDisc(p, s, 6.5, QColor(255, 150, 100), QColor(170, 50, 20));
    clipToDisc(p, 6.5);
    p.setPen(Qt::NoPen);
    p.setBrush(s.bw ? QColor(0, 0, 0) : QColor(120, 40, 20, 180));
    p.drawEllipse(QPointF(15, 17), 3.0, 1.6);
    p.setBrush(s.bw ? QColor(255, 255, 255) : QColor(255, 255, 255));
    if (s.bw) p.setPen(QPen(Qt::black, 0.8));
    p.drawEllipse(QPointF(16, 10.2), 2.6, 1.3); // polar cap
    p.setClipping(false);
}

void drawAsteroid(QPainter& p, const Style& s) {
    QPolygonF rock;
    const double rr[] = {5.5, 4.2, 5.0, 3.6, 5.2, 4.4, 3.8, 5.1};
    for (int k = 0; k < 8; ++k) {
        const double a = k * std::numbers::pi / 4 + 0.3;
        rock << kCentre + QPointF(rr[k] * std::cos(a), rr[k] * 0.8 * std::sin(a));
    }
    if (s.bw) {
        p.setPen(QPen(Qt::black, 1.2));
        p.setBrush(Qt::white);
    } else {
        QRadialGradient g(kCentre + QPointF(-2, -2), 7);
        g.setColorAt(0, QColor(200, 190, 175));
        g.setColorAt(1, QColor(105, 95, 85));
        p.setPen(QPen(s.ink(), 1.0));
        p.setBrush(g);
    }
    p.drawPolygon(rock);
    p.setPen(Qt::NoPen);
    p.setBrush(s.bw ? QColor(0, 0, 0) : QColor(80, 72, 64));
    p.drawEllipse(QPointF(17.5, 15), 1.1, 1.0);
    p.drawEllipse(QPointF(14, 17.5), 0.8, 0.8);
}

// A soft glowing ellipse (deep-sky objects), rotated by angle_deg.
void glow(QPainter& p, const Style& s, double rx, double ry, double angle_deg, QColor core, QColor edge) {
    p.save();
    p.translate(kCentre);
    p.rotate(angle_deg);
    if (s.bw) {
        p.setPen(QPen(Qt::black, 1.2));
        p.setBrush(Qt::NoBrush);
    } else {
        QRadialGradient g(QPointF(0, 0), std::max(rx, ry));
        g.setColorAt(0, core);
        g.setColorAt(0.35, edge);
        QColor clear = edge;
        clear.setAlpha(0);
        g.setColorAt(1, clear);
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.scale(1, ry / rx);
        p.drawEllipse(QPointF(0, 0), rx, rx);
        p.restore();
        return;
    }
    p.drawEllipse(QPointF(0, 0), rx, ry);
    p.restore();
}

void drawGalaxy(QPainter& p, const Style& s) {
    glow(p, s, 12, 5, -30, QColor(255, 250, 230), QColor(200, 190, 255, 170));
    if (s.bw) {
        p.setBrush(Qt::black);
        p.setPen(Qt::NoPen);
        p.drawEllipse(kCentre, 1.8, 1.8);
    }
}

void drawEllipticGalaxy(QPainter& p, const Style& s) {
    glow(p, s, 10, 7, 20, QColor(255, 240, 200), QColor(255, 200, 140, 170));
    if (s.bw) {
        p.setPen(QPen(Qt::black, 1.0));
        p.setBrush(Qt::NoBrush);
        p.save();
        p.translate(kCentre);
        p.rotate(20);
        p.drawEllipse(QPointF(0, 0), 5, 3.5);
        p.restore();
        p.setBrush(Qt::black);
        p.drawEllipse(kCentre, 1.5, 1.5);
    }
}

void drawSpiral(QPainter& p, const Style& s) {
    if (!s.bw) glow(p, s, 7, 7, 0, QColor(255, 250, 230), QColor(170, 190, 255, 120));
    const QColor arm = s.bw ? QColor(0, 0, 0) : QColor(190, 210, 255, 230);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(arm, s.bw ? 1.3 : 1.8, Qt::SolidLine, Qt::RoundCap));
    for (int armIndex = 0; armIndex < 2; ++armIndex) {
        QPainterPath path;
        const double phase = armIndex * std::numbers::pi;
        for (int k = 0; k <= 40; ++k) {
            const double t = k / 40.0;
            const double a = phase + t * 1.6 * std::numbers::pi;
            const double r = 2 + 11 * t;
            const QPointF q = kCentre + QPointF(r * std::cos(a), r * 0.75 * std::sin(a));
            if (k == 0)
                path.moveTo(q);
            else
                path.lineTo(q);
        }
        p.drawPath(path);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(s.bw ? QColor(0, 0, 0) : QColor(255, 255, 235));
    p.drawEllipse(kCentre, 2.2, 2.2);
}

void drawSpiralEdge(QPainter& p, const Style& s) {
    glow(p, s, 14, 3.2, -15, QColor(255, 250, 230), QColor(170, 190, 255, 190));
    p.save();
    p.translate(kCentre);
    p.rotate(-15);
    p.setPen(Qt::NoPen);
    p.setBrush(s.bw ? QColor(0, 0, 0) : QColor(255, 245, 215));
    p.drawEllipse(QPointF(0, 0), 3.5, 2.5); // bulge
    p.setPen(QPen(s.bw ? QColor(0, 0, 0) : QColor(60, 40, 30, 200), 1.0));
    p.drawLine(QPointF(-11, 0.3), QPointF(11, 0.3)); // dust lane
    p.restore();
}

void drawOpenCluster(QPainter& p, const Style& s) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(s.bw ? QColor(0, 0, 0) : QColor(255, 230, 120, 200), 1.0, Qt::DotLine));
    p.drawEllipse(kCentre, 11, 11);
    const QPointF stars[] = {{12, 11}, {19, 10}, {16, 15}, {22, 17}, {11, 19}, {17, 21}, {14, 24}, {21, 23}, {9, 14}};
    const double sizes[] = {1.7, 1.4, 2.0, 1.3, 1.5, 1.6, 1.2, 1.3, 1.1};
    p.setPen(Qt::NoPen);
    for (int k = 0; k < 9; ++k) {
        p.setBrush(s.bw ? QColor(0, 0, 0) : QColor(255, 250, 200));
        p.drawEllipse(stars[k], sizes[k], sizes[k]);
    }
}

void drawGlobularCluster(QPainter& p, const Style& s) {
    if (s.bw) {
        p.setPen(QPen(Qt::black, 1.2));
        p.setBrush(Qt::white);
        p.drawEllipse(kCentre, 9, 9);
        p.drawLine(QPointF(7, 16), QPointF(25, 16));
        p.drawLine(QPointF(16, 7), QPointF(16, 25));
        return;
    }
    glow(p, s, 11, 11, 0, QColor(255, 255, 225), QColor(255, 220, 150, 190));
    p.setPen(QPen(QColor(255, 235, 170, 210), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(kCentre, 9, 9);
    p.drawLine(QPointF(7, 16), QPointF(25, 16));
    p.drawLine(QPointF(16, 7), QPointF(16, 25));
}

void drawNebula(QPainter& p, const Style& s) {
    if (s.bw) {
        p.setPen(QPen(Qt::black, 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(7.5, 7.5, 17, 17));
        QPainterPath cloud;
        cloud.moveTo(10, 18);
        cloud.cubicTo(10, 12, 16, 10, 18, 13);
        cloud.cubicTo(22, 11, 25, 17, 21, 20);
        cloud.cubicTo(19, 23, 12, 23, 10, 18);
        p.drawPath(cloud);
        return;
    }
    p.setPen(Qt::NoPen);
    const QColor core(255, 170, 200, 230), edge(190, 70, 150, 140);
    const QPointF lobes[] = {{13, 14}, {19, 13}, {18, 19}, {12, 19}};
    const double radii[] = {7, 6, 6.5, 5};
    for (int k = 0; k < 4; ++k) {
        QRadialGradient g(lobes[k], radii[k]);
        g.setColorAt(0, core);
        g.setColorAt(0.5, edge);
        g.setColorAt(1, QColor(120, 40, 140, 0));
        p.setBrush(g);
        p.drawEllipse(lobes[k], radii[k], radii[k]);
    }
    p.setPen(QPen(QColor(120, 255, 170, 200), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(7.5, 7.5, 17, 17));
}

void drawEclipse(QPainter& p, const Style& s) {
    // A ring with a dark shadow bite: drawn over the Moon.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(s.bw ? QColor(0, 0, 0) : QColor(255, 40, 40), 2.0));
    p.drawEllipse(kCentre, 13, 13);
    p.setPen(Qt::NoPen);
    p.setBrush(s.bw ? QColor(0, 0, 0, 200) : QColor(110, 0, 0, 150));
    QPainterPath bite;
    bite.addEllipse(kCentre + QPointF(4, -3), 9, 9);
    QPainterPath disc;
    disc.addEllipse(kCentre, 9, 9);
    p.drawPath(bite.intersected(disc));
    p.setPen(QPen(s.bw ? QColor(0, 0, 0) : QColor(255, 40, 40), 2.0, Qt::SolidLine, Qt::RoundCap));
    for (int k = 0; k < 4; ++k) {
        const double a = std::numbers::pi / 4 + k * std::numbers::pi / 2;
        p.drawLine(kCentre + QPointF(13 * std::cos(a), 13 * std::sin(a)),
                   kCentre + QPointF(15.5 * std::cos(a), 15.5 * std::sin(a)));
    }
}

void drawIcon(QPainter& p, int id, const Style& s) {
    switch (id) {
    case kIconSun: drawSun(p, s); break;
    case kIconMoon: drawMoon(p, s); break;
    case kIconMercury: {
        shadedDisc(p, s, 4.5, QColor(210, 205, 200), QColor(110, 105, 100));
        p.setPen(Qt::NoPen);
        p.setBrush(s.bw ? QColor(0, 0, 0) : QColor(90, 85, 80, 160));
        p.drawEllipse(QPointF(17, 15), 1.2, 1.0);
        break;
    }
    case kIconVenus: shadedDisc(p, s, 6.5, QColor(255, 255, 235), QColor(215, 190, 120)); break;
    case kIconEarth: drawEarth(p, s); break;
    case kIconMars: drawMars(p, s); break;
    case kIconJupiter: drawJupiter(p, s); break;
    case kIconSaturn: drawSaturn(p, s); break;
    case kIconUranus: {
        shadedDisc(p, s, 6, QColor(210, 255, 255), QColor(80, 180, 190));
        p.setPen(QPen(s.bw ? QColor(0, 0, 0) : QColor(170, 230, 230, 200), 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(13, 6, 6, 20)); // rings seen nearly pole-on
        break;
    }
    case kIconNeptune: {
        shadedDisc(p, s, 6, QColor(130, 160, 255), QColor(30, 50, 180));
        p.setPen(Qt::NoPen);
        p.setBrush(s.bw ? QColor(0, 0, 0) : QColor(20, 30, 110, 180));
        p.drawEllipse(QPointF(14.5, 17.5), 1.6, 1.0);
        break;
    }
    case kIconPluto: shadedDisc(p, s, 3.5, QColor(235, 215, 190), QColor(140, 110, 85)); break;
    case kIconBody: shadedDisc(p, s, 5, QColor(230, 230, 230), QColor(120, 120, 120)); break;
    case kIconAsteroid: drawAsteroid(p, s); break;
    case kIconGalaxy: drawGalaxy(p, s); break;
    case kIconSpiralGalaxy: drawSpiral(p, s); break;
    case kIconSpiralGalaxyEdge: drawSpiralEdge(p, s); break;
    case kIconEllipticGalaxy: drawEllipticGalaxy(p, s); break;
    case kIconOpenCluster: drawOpenCluster(p, s); break;
    case kIconGlobularCluster: drawGlobularCluster(p, s); break;
    case kIconNebula: drawNebula(p, s); break;
    case kIconEclipse: drawEclipse(p, s); break;
    default: break;
    }
}

} // namespace

int planetIconId(std::string_view name) {
    if (name == "Mercure") return kIconMercury;
    if (name == "Venus") return kIconVenus;
    if (name == "Terre") return kIconEarth;
    if (name == "Mars") return kIconMars;
    if (name == "Jupiter") return kIconJupiter;
    if (name == "Saturne") return kIconSaturn;
    if (name == "Uranus") return kIconUranus;
    if (name == "Neptune") return kIconNeptune;
    if (name == "Pluton") return kIconPluto;
    return kIconBody;
}

int deepSkyIconId(int type) {
    switch (type) {
    case 1: return kIconNebula;
    case 2: return kIconGlobularCluster;
    case 3: return kIconOpenCluster;
    case 4: return kIconGalaxy;
    case 5: return kIconEllipticGalaxy;
    case 6: return kIconSpiralGalaxy;
    case 7: return kIconSpiralGalaxyEdge;
    case 8: return kIconGalaxy;
    default: return 0;
    }
}

QImage makeSkyIcon(int id, bool blackWhite, int scale) {
    QImage image(kIconSize * scale, kIconSize * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawIcon(p, id, Style{blackWhite});
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

void registerSkyIcons() {
    // Each icon and its variant for back buffers of device scale 2.
    for (int id = kIconSun; id <= kIconLast; ++id)
        for (int scale : {1, 2}) {
            gfx::registerIcon(id, makeSkyIcon(id, false, scale));
            gfx::registerIcon(id + kBlackWhiteOffset, makeSkyIcon(id, true, scale));
        }
}

} // namespace skymap
