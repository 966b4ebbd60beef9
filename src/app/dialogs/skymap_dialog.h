// SPDX-License-Identifier: GPL-3.0-or-later
// TSkyMapDialog: the "Sky map" dialog (command 105): the date in Universal Time, the projection,
// the corners of the rectangular window of the chosen view's group, and the observer's place.
// It edits the objects it is given only when confirmed, and then writes the "Position" keys.
#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "catalog/cities.h"

class QComboBox;
class QLabel;
class QLineEdit;
class TPlanetariumWindow;
class systeme;
struct date2;

// What the dialog edits, in place.
struct skyMapXfer {
    date2* date = nullptr;
    int* projection = nullptr; // 1 to 5
    // The quadratic corners (degrees) and the azimutal ones.
    int* quadRa1 = nullptr;
    int* quadDec1 = nullptr;
    int* quadRa2 = nullptr;
    int* quadDec2 = nullptr;
    int* azimAz1 = nullptr;
    int* azimEl2 = nullptr;
    int* azimAz2 = nullptr;
    int* azimEl1 = nullptr;
    systeme* sys = nullptr; // the observer's city number, coordinates and name
};

class TSkyMapDialog : public QDialog {
    Q_OBJECT
public:
    // `cities` ends with "Other"; `iniPath` "" is the user's Nalvo.ini.
    TSkyMapDialog(const skyMapXfer& xfer, std::vector<City> cities, std::string iniPath, QWidget* parent = nullptr);

    // The list index of a projection (1 -> 2, 2 -> 3, 3 -> 4, 4 -> 0, 5 -> 1) and back.
    static int viewIndexOf(int projection);
    static int projectionOf(int viewIndex);
    // True for the azimutal corners (circular and azimutal views), false for the quadratic ones.
    static bool azimutalGroup(int projection) { return projection >= 4; }

    QComboBox* yearList() const { return year_; }
    QComboBox* monthList() const { return month_; }
    QComboBox* dayList() const { return day_; }
    QComboBox* hourList() const { return hour_; }
    QComboBox* viewList() const { return view_; }
    QComboBox* cornerList(int k) const { return corners_[k]; } // rows in the labels' order
    QLabel* cornerLabel(int k) const { return cornerLabels_[k]; }
    QLabel* cornerTitle() const { return cornerTitle_; }
    QComboBox* cityList() const { return city_; }
    QLineEdit* longitudeEdit() const { return longitude_; }
    QLineEdit* latitudeEdit() const { return latitude_; }

    void accept() override;
    // Why the settings could not be written by OK ("" when they were).
    const std::string& saveError() const { return saveError_; }

private:
    void fillCorners(bool azimutal);
    void adjustDays();
    void showCityCoordinates(int index);

    skyMapXfer xfer_;
    std::vector<City> cities_;
    std::string iniPath_;
    std::string saveError_;
    bool azimutal_ = true;
    bool updatingFields_ = false;
    QComboBox* year_ = nullptr;
    QComboBox* month_ = nullptr;
    QComboBox* day_ = nullptr;
    QComboBox* hour_ = nullptr;
    QComboBox* view_ = nullptr;
    std::array<QComboBox*, 4> corners_{};
    std::array<QLabel*, 4> cornerLabels_{};
    QLabel* cornerTitle_ = nullptr;
    QComboBox* city_ = nullptr;
    QLineEdit* longitude_ = nullptr;
    QLineEdit* latitude_ = nullptr;
};

namespace skyui {
// Command 105: the dialog for the window's state; on OK the view becomes projection + 9, the
// animations stop, the animation buttons go idle, the zoom buttons on, and the window redraws.
void runSkyMapCommand(TPlanetariumWindow& w);
// How the dialog is run (exec() by default); tests answer it instead.
std::function<int(TSkyMapDialog&)>& skyMapDialogRunner();
} // namespace skyui
