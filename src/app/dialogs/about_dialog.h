// SPDX-License-Identifier: GPL-3.0-or-later
// The "Help" menu's dialogs: TDialogAbout (dialog 15), a 550 x 350 picture whose painted "back"
// button closes it, and TDialogTexts, the plain dialogs of static texts "Gifts !" (112) and
// "Sources and thanks" (1).
#pragma once

#include <QDialog>
#include <QImage>

class TDialogAbout : public QDialog {
    Q_OBJECT
public:
    static constexpr int kWidth = 550, kHeight = 350;
    // The back button painted in the picture: 149 <= x < 352, 288 <= y < 330.
    static constexpr int kBackLeft = 149, kBackRight = 352, kBackTop = 288, kBackBottom = 330;

    explicit TDialogAbout(QWidget* parent = nullptr);

    // The about-box picture (bitmap 4), drawn in code.
    static QImage picture();
    static bool onBackButton(int x, int y) {
        return x >= kBackLeft && x < kBackRight && y >= kBackTop && y < kBackBottom;
    }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QImage picture_;
};

class TDialogTexts : public QDialog {
    Q_OBJECT
public:
    enum Kind { Gifts = 112, Sources = 1 };
    explicit TDialogTexts(Kind kind, QWidget* parent = nullptr);
    Kind kind() const { return kind_; }

private:
    Kind kind_;
};
