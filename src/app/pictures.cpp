// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/pictures.h"

#include "gfx/icons.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <cstdint>

namespace pictures {

namespace {
// A small fixed-seed generator, so that the title picture is the same at every start.
struct Lcg {
    uint32_t state;
    double next() {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) / double(1u << 24);
    }
};

void star(QPainter& p, double x, double y, double radius, const QColor& colour) {
    QRadialGradient g(QPointF(x, y), radius * 2.5);
    QColor c = colour;
    g.setColorAt(0, c);
    c.setAlpha(90);
    g.setColorAt(0.35, c);
    c.setAlpha(0);
    g.setColorAt(1, c);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(QPointF(x, y), radius * 2.5, radius * 2.5);
}
} // namespace

QImage titlePicture() {
    QImage img(kTitleWidth, kTitleHeight, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    // Night sky, darkest at the zenith, a little twilight glow low in the west.
    QLinearGradient sky(0, 0, 0, kTitleHeight);
    sky.setColorAt(0.0, QColor(2, 3, 18));
    sky.setColorAt(0.55, QColor(8, 16, 52));
    sky.setColorAt(0.85, QColor(28, 38, 86));
    sky.setColorAt(1.0, QColor(60, 52, 90));
    p.fillRect(img.rect(), sky);

    // The Milky Way: a diagonal band of faint haze and many small stars.
    Lcg rng{19960305u};
    p.save();
    p.translate(400, 250);
    p.rotate(-28);
    for (int k = 0; k < 260; ++k) {
        const double x = (rng.next() - 0.5) * 1100, y = (rng.next() - 0.5) * 120 * (1.2 - std::abs(x) / 1100);
        QRadialGradient g(QPointF(x, y), 40 + rng.next() * 50);
        g.setColorAt(0, QColor(120, 130, 180, 10));
        g.setColorAt(1, QColor(120, 130, 180, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(QPointF(x, y), 90, 90);
    }
    for (int k = 0; k < 900; ++k) {
        const double x = (rng.next() - 0.5) * 1100, y = (rng.next() + rng.next() - 1.0) * 90;
        star(p, x, y, 0.35 + rng.next() * 0.5, QColor(200, 210, 255, 150 + int(rng.next() * 100)));
    }
    p.restore();

    // Field stars, a few tinted by their temperature.
    const QColor tints[] = {QColor(255, 255, 255), QColor(200, 215, 255), QColor(255, 240, 210),
                            QColor(255, 210, 170), QColor(255, 190, 150)};
    for (int k = 0; k < 420; ++k) {
        const double x = rng.next() * kTitleWidth, y = rng.next() * 440;
        const double m = rng.next();
        star(p, x, y, 0.4 + m * m * m * 2.2, tints[int(rng.next() * 5) % 5]);
    }

    // A constellation figure (the shape of the Plough) joined by thin lines.
    const QPointF plough[] = {{96, 88}, {150, 70}, {198, 84}, {240, 104}, {262, 152}, {326, 150}, {334, 100}};
    p.setPen(QPen(QColor(110, 140, 230, 150), 1.2));
    for (int k = 0; k + 1 < 7; ++k)
        p.drawLine(plough[k], plough[k + 1]);
    p.drawLine(plough[3], plough[6]);
    for (const QPointF& s : plough)
        star(p, s.x(), s.y(), 2.2, QColor(255, 255, 250));

    // A crescent Moon.
    QPainterPath moon;
    moon.addEllipse(QPointF(668, 96), 34, 34);
    QPainterPath bite;
    bite.addEllipse(QPointF(684, 86), 31, 31);
    QRadialGradient glow(QPointF(660, 100), 90);
    glow.setColorAt(0, QColor(255, 240, 200, 60));
    glow.setColorAt(1, QColor(255, 240, 200, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(660, 100), 90, 90);
    p.setBrush(QColor(250, 236, 196));
    p.drawPath(moon.subtracted(bite));

    // Hills on the horizon with an observatory dome.
    QPainterPath hills(QPointF(0, kTitleHeight));
    hills.lineTo(0, 440);
    for (int x = 0; x <= kTitleWidth; x += 10)
        hills.lineTo(x, 440 - 22 * std::sin(x / 120.0) - 12 * std::sin(x / 37.0 + 1.3));
    hills.lineTo(kTitleWidth, kTitleHeight);
    hills.closeSubpath();
    p.setBrush(QColor(6, 8, 18));
    p.drawPath(hills);
    p.setBrush(QColor(14, 16, 30));
    p.drawRect(QRectF(600, 400, 44, 30));
    p.drawPie(QRectF(596, 378, 52, 46), 0, 180 * 16);
    p.setBrush(QColor(255, 210, 120));
    p.drawRect(QRectF(617, 412, 8, 10));

    // The name.
    QFont title(QStringLiteral("Liberation Serif"));
    title.setPixelSize(118);
    title.setBold(true);
    title.setLetterSpacing(QFont::AbsoluteSpacing, 8);
    QPainterPath name;
    name.addText(0, 0, title, QStringLiteral("Nalvo"));
    const QRectF box = name.boundingRect();
    name.translate(400 - box.center().x(), 265 - box.center().y());
    QLinearGradient gold(0, 200, 0, 320);
    gold.setColorAt(0, QColor(255, 246, 214));
    gold.setColorAt(0.5, QColor(246, 204, 120));
    gold.setColorAt(1, QColor(196, 140, 64));
    for (int k = 6; k >= 1; --k) { // soft halo behind the letters
        p.setPen(QPen(QColor(120, 150, 255, 14), k * 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(name);
    }
    p.setPen(QPen(QColor(90, 60, 20), 1.5));
    p.setBrush(gold);
    p.drawPath(name);

    QFont sub(QStringLiteral("Liberation Sans"));
    sub.setPixelSize(20);
    sub.setLetterSpacing(QFont::AbsoluteSpacing, 6);
    p.setFont(sub);
    p.setPen(QColor(190, 205, 240));
    p.drawText(QRectF(0, 330, kTitleWidth, 30), Qt::AlignHCenter, QStringLiteral("DESKTOP PLANETARIUM"));
    sub.setPixelSize(13);
    sub.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    p.setFont(sub);
    p.setPen(QColor(150, 160, 200));
    p.drawText(QRectF(0, 362, kTitleWidth, 20), Qt::AlignHCenter,
               QStringLiteral("Sky maps  \u00b7  Solar system  \u00b7  Satellites  \u00b7  Ephemerides"));
    return img;
}

} // namespace pictures

void registerPictures() {
    static bool done = false;
    if (done) return;
    done = true;
    gfx::registerPicture(pictures::kTitle, pictures::titlePicture());
}
