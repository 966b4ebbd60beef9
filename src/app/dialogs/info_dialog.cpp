// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/info_dialog.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "catalog/paths.h"
#include "gfx/text_codec.h"

std::string TDialogInfo::picturePath(const std::string& name, const std::vector<std::string>& extraDirs) {
    // A name that could leave the pictures folder is refused.
    if (name.empty() || name.find('/') != std::string::npos || name.find('\\') != std::string::npos ||
        name == "." || name == "..")
        return {};
    const std::string relative = "pictures/" + name + ".bmp";
    for (const std::string& dir : extraDirs) {
        const std::string p = joinPath(dir, relative);
        if (QFileInfo(QString::fromStdString(p)).isFile()) return p;
    }
    return findDataFile(relative);
}

QImage shadePhase(const QImage& picture, double fraction, double brightLimb_deg) {
    if (picture.isNull()) return picture;
    QImage out = picture.convertToFormat(QImage::Format_RGB32);
    const double k = std::clamp(std::isfinite(fraction) ? fraction : 1.0, 0.0, 1.0);
    const double chi = (std::isfinite(brightLimb_deg) ? brightLimb_deg : 0.0) * M_PI / 180.0;
    // Direction of the Sun in the picture (x right, y down): north up, east left.
    const double dx = -std::sin(chi), dy = -std::cos(chi);
    const double cx = out.width() / 2.0, cy = out.height() / 2.0;
    const double R = 0.45 * std::min(out.width(), out.height());
    if (R < 1) return out;
    const double terminator = 2 * k - 1; // cosine of the phase angle
    for (int y = 0; y < out.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const double nx = (x + 0.5 - cx) / R, ny = (y + 0.5 - cy) / R;
            const double r2 = nx * nx + ny * ny;
            if (r2 > 1.0) continue;
            const double u = nx * dx + ny * dy; // towards the Sun
            const double across = std::sqrt(std::max(0.0, 1.0 - (r2 - u * u)));
            // Lit when u >= -cos(phase) * sqrt(1 - v^2); softened over about a pixel and a half.
            const double t = (u + terminator * across) * R / 1.5 + 0.5;
            const double light = 0.1 + 0.9 * std::clamp(t, 0.0, 1.0);
            const QRgb c = row[x];
            row[x] = qRgb(int(qRed(c) * light), int(qGreen(c) * light), int(qBlue(c) * light));
        }
    }
    return out;
}

TDialogInfo::TDialogInfo(const skymap::ObjectFacts& facts, QWidget* parent,
                         const std::vector<std::string>& pictureDirs, const QImage& drawnPicture)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Informations"));
    setObjectName(QStringLiteral("TDialogInfo"));

    const std::string path = drawnPicture.isNull() ? picturePath(facts.pictureName, pictureDirs) : "";
    QImage loaded = drawnPicture;
    if (!path.empty()) {
        // A file that is not a readable bitmap shows no picture (QImage stays null).
        loaded.load(QString::fromStdString(path), "BMP");
    }
    large_ = skymap::alwaysLargeInfo(facts.kind) || !loaded.isNull();
    if (!loaded.isNull()) {
        picture_ = loaded.scaled(kPictureSize, kPictureSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        if (drawnPicture.isNull() && skymap::showsPhase(facts))
            picture_ = shadePhase(picture_, facts.visibleFraction, facts.brightLimb_deg);
    }

    auto* outer = new QVBoxLayout(this);
    auto* heading = new QLabel(QStringLiteral("Informations about the object"), this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    outer->addWidget(heading);

    auto* body = new QHBoxLayout;
    if (large_) {
        auto* area = new QLabel(this);
        area->setObjectName(QStringLiteral("picture"));
        area->setFixedSize(kPictureSize, kPictureSize);
        area->setAlignment(Qt::AlignCenter);
        area->setFrameShape(QFrame::Box);
        area->setStyleSheet(QStringLiteral("background-color: black;"));
        if (!picture_.isNull()) area->setPixmap(QPixmap::fromImage(picture_));
        body->addWidget(area, 0, Qt::AlignTop);
    }
    auto* column = new QVBoxLayout;
    int n = 0;
    for (const std::string& line : skymap::infoLines(facts)) {
        auto* label = new QLabel(gfx::fromWindows1252(line), this);
        label->setObjectName(QStringLiteral("line%1").arg(n++));
        label->setTextFormat(Qt::PlainText);
        column->addWidget(label);
        lines_.push_back(label);
    }
    column->addStretch(1);
    body->addLayout(column, 1);
    outer->addLayout(body);

    // The credit of a picture that is shown.
    credit_ = new QLabel(picture_.isNull() ? QString() : gfx::fromWindows1252(facts.credit), this);
    credit_->setObjectName(QStringLiteral("credit"));
    credit_->setTextFormat(Qt::PlainText);
    outer->addWidget(credit_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    outer->addWidget(buttons);
}

QStringList TDialogInfo::lineTexts() const {
    QStringList out;
    for (const QLabel* l : lines_) out << l->text();
    return out;
}

QString TDialogInfo::creditText() const { return credit_ ? credit_->text() : QString(); }
