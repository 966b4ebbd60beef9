// SPDX-License-Identifier: GPL-3.0-or-later
// The two "Magnitude" dialogs of the display options: the limiting star magnitude with its
// automatic mode, and, when the Guide Star Catalog is in use, the same with the catalogue's
// brightest and faintest magnitudes. Both change the options at once (they have no Cancel) and
// write the "Affichage" keys when closed.
#pragma once

#include <QDialog>
#include <string>

class ParametreAffichage;
class QCheckBox;
class QLineEdit;
class QScrollBar;

// What the star bar's limit can reach, shown under it in both dialogs.
inline constexpr char kStarDepthNote[] =
    "Stars fainter than magnitude 6 need the star catalogs (Catalogs menu); animations show stars to "
    "magnitude 6 at most.";

// Scroll position of a magnitude: magnitude x 10 + 20 (-2.0 at 0), and back.
int magnitudeToPosition(double magnitude);
double positionToMagnitude(int position);

class TDialogMagnitude : public QDialog {
    Q_OBJECT
public:
    TDialogMagnitude(ParametreAffichage& options, std::string iniPath, QWidget* parent = nullptr);

    QScrollBar* scrollBar() const { return bar_; }
    QLineEdit* field() const { return field_; }
    QCheckBox* automatic() const { return auto_; }

    // OK, and closing the dialog any other way: the keys follow what is shown.
    void accept() override;
    void reject() override { accept(); }
    // Why the settings could not be written by OK ("" when they were).
    const std::string& saveError() const { return saveError_; }

private:
    ParametreAffichage& options_;
    std::string iniPath_;
    std::string saveError_;
    QScrollBar* bar_;
    QLineEdit* field_;
    QCheckBox* auto_;
};

class TDialogCatalogueMagnitude : public QDialog {
    Q_OBJECT
public:
    TDialogCatalogueMagnitude(ParametreAffichage& options, std::string iniPath, QWidget* parent = nullptr);

    QScrollBar* starBar() const { return star_; }
    QScrollBar* gscMinBar() const { return gscMin_; } // faintest catalogue magnitude
    QScrollBar* gscMaxBar() const { return gscMax_; } // brightest catalogue magnitude
    QLineEdit* starField() const { return starField_; }
    QLineEdit* gscMinField() const { return gscMinField_; }
    QLineEdit* gscMaxField() const { return gscMaxField_; }
    QCheckBox* automatic() const { return auto_; }

    void accept() override;
    void reject() override { accept(); }
    // Why the settings could not be written by OK ("" when they were).
    const std::string& saveError() const { return saveError_; }

private:
    void show(QLineEdit* field, double magnitude);
    ParametreAffichage& options_;
    std::string iniPath_;
    std::string saveError_;
    QScrollBar* star_;
    QScrollBar* gscMin_;
    QScrollBar* gscMax_;
    QLineEdit* starField_;
    QLineEdit* gscMinField_;
    QLineEdit* gscMaxField_;
    QCheckBox* auto_;
};
