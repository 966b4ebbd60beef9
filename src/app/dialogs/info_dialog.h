// SPDX-License-Identifier: GPL-3.0-or-later
// TDialogInfo: the information dialog of an identified object ("Informations"), in its large form
// with a picture area (the Moon and the planets always; other objects when their picture file
// exists) or its small form without one. Pictures are "pictures/<name>.bmp" of the data folders.
#pragma once

#include <QDialog>
#include <QImage>
#include <QStringList>
#include <string>

#include "skymap/interaction.h"

class QLabel;

class TDialogInfo : public QDialog {
    Q_OBJECT
public:
    // Side of the picture area of the large form, pixels (the shipped pictures have this size).
    static constexpr int kPictureSize = 200;

    // `pictureDirs` are searched for "pictures/<name>.bmp" before the data folders (tests).
    // `drawnPicture`, when given, is shown instead of a picture file (Saturn's thumbnail, drawn
    // for the date with its rings as they are tilted then).
    explicit TDialogInfo(const skymap::ObjectFacts& facts, QWidget* parent = nullptr,
                         const std::vector<std::string>& pictureDirs = {},
                         const QImage& drawnPicture = QImage());

    bool isLarge() const { return large_; }
    // The picture as shown (scaled to the area, the unlit part shaded); null without a picture.
    const QImage& picture() const { return picture_; }
    // The texts of the lines, first to last, and the credit line.
    QStringList lineTexts() const;
    QString creditText() const;

    // The path of "pictures/<name>.bmp", or "" when there is no such file.
    static std::string picturePath(const std::string& name, const std::vector<std::string>& extraDirs = {});

private:
    bool large_ = false;
    QImage picture_;
    QList<QLabel*> lines_;
    QLabel* credit_ = nullptr;
};

// A picture of a globe that fills 90 % of its square with the part away from the Sun darkened:
// `fraction` is the illuminated part (0-1), `brightLimb_deg` the position angle of the bright
// limb from north through east. North is up and east to the left, as the sky is seen.
QImage shadePhase(const QImage& picture, double fraction, double brightLimb_deg);
