// SPDX-License-Identifier: GPL-3.0-or-later
// Drawn with QPainter on a transparent image in the style of the sky-map icons: shaded discs lit
// from the upper left with a thin dark rim, black lines on white for the black-and-white set. The
// discs are smaller than the sky map's and keep the planets' order of size, because in this view
// the icons of the inner planets stand close to the Sun's.
#include "views/helio_icons.h"

#include "gfx/icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

namespace views {

namespace {

constexpr QPointF kCentre(16.0, 16.0);

void shadedDisc(QPainter& p, bool bw, double r, QColor light, QColor dark) {
    if (bw) {
        p.setPen(QPen(Qt::black, 1.2));
        p.setBrush(Qt::white);
    } else {
        QRadialGradient g(kCentre + QPointF(-r * 0.4, -r * 0.4), r * 1.5);
        g.setColorAt(0, light);
        g.setColorAt(1, dark);
        p.setPen(QPen(QColor(15, 15, 25, 220), 1.0));
        p.setBrush(g);
    }
    p.drawEllipse(kCentre, r, r);
}

void clipToDisc(QPainter& p, double r) {
    QPainterPath path;
    path.addEllipse(kCentre, r - 0.5, r - 0.5);
    p.setClipPath(path);
}

// Horizontal bands across a disc (gas giants, Venus's clouds).
void bands(QPainter& p, bool bw, double r, QColor colour, int count, double width) {
    clipToDisc(p, r);
    p.setPen(QPen(bw ? QColor(0, 0, 0) : colour, bw ? 0.8 : width));
    for (int k = 0; k < count; ++k) {
        const double y = 16 + (k - (count - 1) / 2.0) * (2 * r / (count + 1));
        p.drawLine(QPointF(16 - r, y), QPointF(16 + r, y));
    }
    p.setClipping(false);
}

void spot(QPainter& p, bool bw, QPointF c, double rx, double ry, QColor colour) {
    p.setPen(Qt::NoPen);
    p.setBrush(bw ? QColor(0, 0, 0) : colour);
    p.drawEllipse(c, rx, ry);
}

void drawSun(QPainter& p, bool bw) {
    if (!bw) {
        QRadialGradient corona(kCentre, 14);
        corona.setColorAt(0.45, QColor(255, 200, 60, 200));
        corona.setColorAt(1, QColor(255, 140, 0, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(corona);
        p.drawEllipse(kCentre, 14, 14);
    }
    p.setPen(QPen(bw ? QColor(0, 0, 0) : QColor(255, 170, 0), 1.6, Qt::SolidLine, Qt::RoundCap));
    for (int k = 0; k < 12; ++k) {
        const double a = k * std::numbers::pi / 6;
        const double outer = k % 2 ? 12.0 : 14.5;
        p.drawLine(kCentre + QPointF(8.5 * std::cos(a), 8.5 * std::sin(a)),
                   kCentre + QPointF(outer * std::cos(a), outer * std::sin(a)));
    }
    shadedDisc(p, bw, 7, QColor(255, 255, 200), QColor(255, 175, 0));
    if (bw) spot(p, bw, kCentre, 1.5, 1.5, Qt::black);
}

void drawEarth(QPainter& p, bool bw) {
    const double r = 6;
    shadedDisc(p, bw, r, QColor(130, 190, 255), QColor(20, 60, 170));
    clipToDisc(p, r);
    p.setPen(bw ? QPen(Qt::black, 0.8) : Qt::NoPen);
    p.setBrush(bw ? QColor(0, 0, 0) : QColor(70, 160, 70));
    QPainterPath land;
    land.moveTo(12, 13);
    land.cubicTo(15, 11, 17, 14, 15, 16);
    land.cubicTo(13, 18, 16, 20, 14, 21);
    land.cubicTo(11, 19, 11, 15, 12, 13);
    p.drawPath(land);
    p.drawEllipse(QPointF(19.5, 15.5), 1.8, 2.6);
    p.setBrush(bw ? QColor(255, 255, 255) : QColor(245, 250, 255));
    p.drawEllipse(QPointF(16, 10.4), 3.0, 1.2); // polar cap
    p.setClipping(false);
}

void drawMars(QPainter& p, bool bw) {
    const double r = 4.5;
    shadedDisc(p, bw, r, QColor(255, 160, 110), QColor(170, 55, 25));
    clipToDisc(p, r);
    spot(p, bw, QPointF(15, 17), 2.2, 1.1, QColor(115, 40, 20, 190));
    p.setPen(bw ? QPen(Qt::black, 0.6) : Qt::NoPen);
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(QPointF(16, 11.9), 1.9, 0.9);
    p.setClipping(false);
}

void drawJupiter(QPainter& p, bool bw) {
    const double r = 9;
    shadedDisc(p, bw, r, QColor(245, 228, 195), QColor(180, 140, 95));
    bands(p, bw, r, QColor(165, 110, 70, 200), 4, 1.5);
    clipToDisc(p, r);
    p.setPen(bw ? QPen(Qt::black, 0.8) : Qt::NoPen);
    p.setBrush(bw ? QColor(255, 255, 255) : QColor(200, 75, 45));
    p.drawEllipse(QPointF(19.5, 18.5), 2.3, 1.4); // the Great Red Spot
    p.setClipping(false);
}

void drawSaturn(QPainter& p, bool bw) {
    const QColor ring = bw ? QColor(0, 0, 0) : QColor(225, 200, 150);
    const QRectF outer(3, 11.5, 26, 9);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ring, bw ? 1.1 : 2.0));
    p.drawArc(outer, 0, 180 * 16); // far half of the rings behind the globe
    shadedDisc(p, bw, 6, QColor(250, 235, 180), QColor(195, 160, 95));
    bands(p, bw, 6, QColor(175, 140, 80, 170), 2, 1.2);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ring, bw ? 1.1 : 2.0));
    p.drawArc(outer, 180 * 16, 180 * 16);
    if (!bw) {
        p.setPen(QPen(QColor(120, 95, 60, 200), 0.7)); // the Cassini division
        p.drawArc(outer.adjusted(2.2, 0.8, -2.2, -0.8), 180 * 16, 180 * 16);
    }
}

void drawUranus(QPainter& p, bool bw) {
    shadedDisc(p, bw, 6, QColor(215, 255, 255), QColor(85, 180, 195));
    p.setPen(QPen(bw ? QColor(0, 0, 0) : QColor(175, 230, 235, 190), 0.9));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(13.2, 7, 5.6, 18)); // rings seen nearly edge-on to its tilted equator
}

void drawNeptune(QPainter& p, bool bw) {
    shadedDisc(p, bw, 6, QColor(130, 165, 255), QColor(30, 50, 180));
    bands(p, bw, 6, QColor(90, 120, 230, 150), 1, 1.0);
    spot(p, bw, QPointF(14, 17.5), 1.5, 0.9, QColor(20, 30, 110, 200)); // the dark spot
}

void drawPluto(QPainter& p, bool bw) {
    shadedDisc(p, bw, 3, QColor(235, 215, 190), QColor(140, 110, 85));
    if (!bw) spot(p, bw, QPointF(16.6, 16.6), 1.2, 1.0, QColor(250, 240, 225, 220)); // the bright plain
}

void drawMercury(QPainter& p, bool bw) {
    shadedDisc(p, bw, 3.5, QColor(215, 210, 205), QColor(110, 105, 100));
    spot(p, bw, QPointF(16.8, 15.6), 0.9, 0.8, QColor(90, 85, 80, 170));
}

void drawVenus(QPainter& p, bool bw) {
    shadedDisc(p, bw, 5.5, QColor(255, 255, 238), QColor(215, 188, 118));
    if (!bw) bands(p, bw, 5.5, QColor(230, 205, 150, 120), 2, 1.0);
}

void drawAsteroid(QPainter& p, bool bw) {
    QPolygonF rock;
    const double rr[] = {4.2, 3.2, 3.9, 2.8, 4.0, 3.4, 2.9, 3.9};
    for (int k = 0; k < 8; ++k) {
        const double a = k * std::numbers::pi / 4 + 0.3;
        rock << kCentre + QPointF(rr[k] * std::cos(a), rr[k] * 0.8 * std::sin(a));
    }
    if (bw) {
        p.setPen(QPen(Qt::black, 1.1));
        p.setBrush(Qt::white);
    } else {
        QRadialGradient g(kCentre + QPointF(-1.5, -1.5), 5.5);
        g.setColorAt(0, QColor(205, 195, 180));
        g.setColorAt(1, QColor(105, 95, 85));
        p.setPen(QPen(QColor(15, 15, 25, 220), 0.9));
        p.setBrush(g);
    }
    p.drawPolygon(rock);
    spot(p, bw, QPointF(17, 15.4), 0.8, 0.7, QColor(80, 72, 64));
}

void drawOtherBody(QPainter& p) {
    // One look for every set: a grey disc with a small ring, a body the view has no picture of.
    shadedDisc(p, false, 4, QColor(230, 230, 230), QColor(120, 120, 120));
    p.setPen(QPen(QColor(40, 40, 40), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(kCentre, 6.5, 6.5);
}

void drawHelioIcon(QPainter& p, int id, bool bw) {
    switch (id) {
    case kHelioSun:
        drawSun(p, bw);
        break;
    case kHelioSaturn:
        drawSaturn(p, bw);
        break;
    case kHelioJupiter:
        drawJupiter(p, bw);
        break;
    case kHelioMars:
        drawMars(p, bw);
        break;
    case kHelioVenus:
        drawVenus(p, bw);
        break;
    case kHelioMercury:
        drawMercury(p, bw);
        break;
    case kHelioEarth:
        drawEarth(p, bw);
        break;
    case kHelioNeptune:
        drawNeptune(p, bw);
        break;
    case kHelioUranus:
        drawUranus(p, bw);
        break;
    case kHelioPluto:
        drawPluto(p, bw);
        break;
    case kHelioAsteroid:
        drawAsteroid(p, bw);
        break;
    case kHelioOtherBody:
        drawOtherBody(p);
        break;
    default:
        break;
    }
}

constexpr int kColourIds[] = {kHelioSun,    kHelioSaturn,  kHelioJupiter, kHelioMars,
                              kHelioVenus,  kHelioMercury, kHelioEarth,   kHelioNeptune,
                              kHelioUranus, kHelioPluto,   kHelioAsteroid};

} // namespace

int helioIconOf(std::string_view name) {
    if (name == "Terre") return kHelioEarth;
    if (name == "Mars") return kHelioMars;
    if (name == "Mercure") return kHelioMercury;
    if (name == "Venus") return kHelioVenus;
    if (name == "Saturne") return kHelioSaturn;
    if (name == "Jupiter") return kHelioJupiter;
    if (name == "Uranus") return kHelioUranus;
    if (name == "Neptune") return kHelioNeptune;
    if (name == "Pluton") return kHelioPluto;
    return kHelioOtherBody;
}

QImage makeHelioIcon(int id, bool blackWhite, int scale) {
    QImage image(32 * scale, 32 * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawHelioIcon(p, id, blackWhite);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

void registerHelioIcons() {
    // Each icon and its variant for back buffers of device scale 2.
    for (int scale : {1, 2}) {
        for (int id : kColourIds) {
            gfx::registerIcon(id, makeHelioIcon(id, false, scale));
            gfx::registerIcon(id - kHelioBlackWhiteOffset, makeHelioIcon(id, true, scale));
        }
        gfx::registerIcon(kHelioOtherBody, makeHelioIcon(kHelioOtherBody, false, scale));
    }
}

} // namespace views
