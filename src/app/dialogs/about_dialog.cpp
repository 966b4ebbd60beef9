// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/about_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>
#include <QVBoxLayout>

TDialogAbout::TDialogAbout(QWidget* parent) : QDialog(parent), picture_(picture()) {
    setWindowTitle(QStringLiteral("About Nalvo"));
    setFixedSize(kWidth, kHeight);
}

QImage TDialogAbout::picture() {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, kHeight);
    sky.setColorAt(0, QColor(4, 8, 40));
    sky.setColorAt(1, QColor(30, 40, 100));
    p.fillRect(image.rect(), sky);
    // A fixed star field (same picture every time).
    QRandomGenerator stars(1994);
    for (int i = 0; i < 260; ++i) {
        const int x = stars.bounded(kWidth), y = stars.bounded(kHeight - 80);
        const int level = 120 + stars.bounded(136);
        p.setPen(QColor(level, level, level));
        p.drawPoint(x, y);
    }
    // Saturn.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 200, 120));
    p.drawEllipse(QPointF(440, 90), 34, 34);
    p.setPen(QPen(QColor(200, 170, 110), 5));
    p.setBrush(Qt::NoBrush);
    p.save();
    p.translate(440, 90);
    p.rotate(-18);
    p.drawEllipse(QPointF(0, 0), 66, 16);
    p.restore();
    // Title and texts.
    p.setPen(QColor(255, 210, 120));
    QFont title(QStringLiteral("Liberation Serif"), 54, QFont::Bold);
    p.setFont(title);
    p.drawText(QRect(0, 40, kWidth - 120, 100), Qt::AlignCenter, QStringLiteral("Nalvo"));
    p.setPen(QColor(220, 225, 255));
    p.setFont(QFont(QStringLiteral("Liberation Sans"), 13));
    p.drawText(QRect(0, 150, kWidth, 30), Qt::AlignCenter, QStringLiteral("Desktop planetarium"));
    p.setFont(QFont(QStringLiteral("Liberation Sans"), 10));
    p.drawText(QRect(0, 185, kWidth, 60), Qt::AlignCenter,
               QStringLiteral("Sky maps, the solar system, satellites of Jupiter and Saturn,\n"
                              "ephemerides and the phenomena of the night."));
    // The back button.
    const QRectF back(kBackLeft, kBackTop, kBackRight - kBackLeft, kBackBottom - kBackTop);
    p.setPen(QPen(QColor(255, 210, 120), 2));
    p.setBrush(QColor(60, 70, 140));
    p.drawRoundedRect(back.adjusted(1, 1, -1, -1), 8, 8);
    p.setPen(QColor(255, 255, 255));
    p.setFont(QFont(QStringLiteral("Liberation Sans"), 14, QFont::Bold));
    p.drawText(back, Qt::AlignCenter, QStringLiteral("Back"));
    p.end();
    return image;
}

void TDialogAbout::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(QPoint(0, 0), picture_);
}

void TDialogAbout::mousePressEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (event->button() == Qt::LeftButton && onBackButton(pos.x(), pos.y())) {
        accept();
        return;
    }
    QDialog::mousePressEvent(event);
}

TDialogTexts::TDialogTexts(Kind kind, QWidget* parent) : QDialog(parent), kind_(kind) {
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(this);
    text->setWordWrap(true);
    text->setTextFormat(Qt::PlainText);
    if (kind == Gifts) {
        setWindowTitle(QStringLiteral("Gifts !"));
        text->setText(QStringLiteral(
            "Nalvo is given to you free of charge.\n\n"
            "If it helps you find your way in the sky, show it to a friend, take a child out "
            "under the stars, or lend a hand to your local astronomy club: that is the best gift "
            "in return."));
    } else {
        setWindowTitle(QStringLiteral("Sources and thanks"));
        text->setText(QStringLiteral(
            "Stars, constellation figures and borders, Messier and NGC objects and the Milky Way: "
            "the d3-celestial data files (Olaf Frohn, BSD licence), from the Hipparcos and "
            "deep-sky catalogues.\n\n"
            "Asteroid and comet orbital elements: the JPL Small-Body Database (NASA/JPL).\n\n"
            "Cities and time zones: the IANA time zone database.\n\n"
            "Planetary mean elements: published mean orbital elements of the planets.\n\n"
            "Reference positions used to check the computations: Astronomy Engine (Don Cross, "
            "MIT licence).\n\n"
            "Thanks to all who observe the sky and share what they find."));
    }
    layout->addWidget(text);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    resize(420, kind == Gifts ? 180 : 330);
}
