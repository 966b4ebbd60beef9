// SPDX-License-Identifier: GPL-3.0-or-later
// The "Sky map" dialog.
#include "app/dialogs/skymap_dialog.h"

#include "app/dialogs/date_lists.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/commands.h"
#include "app/dialogs/settings_commands.h"
#include "app/window.h"
#include "astro/date2.h"
#include "catalog/settings.h"
#include "catalog/systeme.h"
#include "gfx/text_codec.h"

namespace {

const char* const kMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                               "July",    "August",   "September", "October", "November", "December"};
const char* const kViewTexts[] = {"Circular projection", "Azimutal view", "Equidistant proj.", "Quadratic proj.",
                                  "Quadratic with trajectories"};
const char* const kAzimutalLabels[] = {"Corner sup. left Azimut  :", "Corner sup. left Elevation :",
                                       "Corner inf. right Azimut  :", "Corner Inf. right Elevation  :"};
const char* const kQuadraticLabels[] = {"Corner sup. left R. Ascension :", "Corner sup. left Declination :",
                                        "Corner inf. right R. Ascension :", "Corner Inf. right Declination :"};
constexpr int kFirstYear = -100, kLastYear = 2999;

QString latin(const char* bytes) { return gfx::fromWindows1252(bytes); }

// Index of `value` in a list that runs from `top` down by one.
int downIndex(int top, int value, int count) { return std::clamp(top - value, 0, count - 1); }

std::string coordinateText(double v) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%lf", v);
    return buffer;
}

// A typed coordinate: the first 6 characters read as a number; false when it does not read.
bool readCoordinate(const QString& text, double& value) {
    const std::string s = text.trimmed().left(6).toStdString();
    if (s.empty()) return false;
    char* end = nullptr;
    value = std::strtod(s.c_str(), &end);
    return end != s.c_str() && std::isfinite(value);
}

} // namespace

int TSkyMapDialog::viewIndexOf(int projection) {
    return projection <= 3 ? projection + 5 - 4 : projection - 4;
}

int TSkyMapDialog::projectionOf(int viewIndex) {
    int p = viewIndex - 1;
    if (p < 1) p += 5;
    return p;
}

TSkyMapDialog::TSkyMapDialog(const skyMapXfer& xfer, std::vector<City> cities, std::string iniPath, QWidget* parent)
    : QDialog(parent), xfer_(xfer), cities_(std::move(cities)), iniPath_(std::move(iniPath)) {
    setWindowTitle("Sky map");
    if (cities_.empty() || cities_.back().name != kOtherCity) cities_.push_back(City{kOtherCity, 0, 0});
    auto* layout = new QVBoxLayout(this);

    // Date.
    auto* dateBox = new QGroupBox("Enter date in Universal Time :", this);
    auto* dateGrid = new QGridLayout(dateBox);
    year_ = new QComboBox(dateBox);
    month_ = new QComboBox(dateBox);
    day_ = new QComboBox(dateBox);
    hour_ = new QComboBox(dateBox);
    year_->setObjectName("year");
    month_->setObjectName("month");
    day_->setObjectName("day");
    hour_->setObjectName("hour");
    for (int y = kFirstYear; y <= kLastYear; ++y) year_->addItem(QString::number(y));
    for (const char* m : kMonths) month_->addItem(m);
    for (int d = 1; d <= 31; ++d) day_->addItem(QString::number(d));
    for (int h = 0; h <= 23; ++h) hour_->addItem(QString::number(h));
    const date2& date = *xfer_.date;
    year_->setCurrentIndex(std::clamp(date.annee, kFirstYear, kLastYear) - kFirstYear);
    month_->setCurrentIndex(std::clamp(date.mois, 1, 12) - 1);
    day_->setCurrentIndex(std::clamp(date.jour, 1, 31) - 1);
    hour_->setCurrentIndex(std::clamp(date.heure, 0, 23));
    dateGrid->addWidget(new QLabel("year :", dateBox), 0, 0);
    dateGrid->addWidget(year_, 1, 0);
    dateGrid->addWidget(new QLabel("Month :", dateBox), 0, 1);
    dateGrid->addWidget(month_, 1, 1);
    dateGrid->addWidget(new QLabel("Day :", dateBox), 0, 2);
    dateGrid->addWidget(day_, 1, 2);
    dateGrid->addWidget(new QLabel("Hour :", dateBox), 0, 3);
    dateGrid->addWidget(hour_, 1, 3);
    layout->addWidget(dateBox);
    adjustDays();
    datelists::watchTypedYears(year_);
    connect(month_, &QComboBox::currentIndexChanged, this, [this] { adjustDays(); });
    connect(year_, &QComboBox::currentIndexChanged, this, [this] { adjustDays(); });

    // View.
    auto* viewRow = new QFormLayout;
    view_ = new QComboBox(this);
    view_->setObjectName("view");
    for (const char* t : kViewTexts) view_->addItem(t);
    const int projection = std::clamp(*xfer_.projection, 1, 5);
    view_->setCurrentIndex(viewIndexOf(projection));
    viewRow->addRow("View :", view_);
    layout->addLayout(viewRow);

    // Window corners.
    auto* cornerBox = new QGroupBox(this);
    auto* cornerGrid = new QGridLayout(cornerBox);
    cornerTitle_ = new QLabel(cornerBox);
    cornerGrid->addWidget(cornerTitle_, 0, 0, 1, 4);
    for (int k = 0; k < 4; ++k) {
        cornerLabels_[k] = new QLabel(cornerBox);
        corners_[k] = new QComboBox(cornerBox);
        corners_[k]->setObjectName(QString("corner%1").arg(k));
        cornerGrid->addWidget(cornerLabels_[k], 1 + k / 2, (k % 2) * 2);
        cornerGrid->addWidget(corners_[k], 1 + k / 2, (k % 2) * 2 + 1);
    }
    layout->addWidget(cornerBox);
    azimutal_ = azimutalGroup(projection);
    fillCorners(azimutal_);
    connect(view_, &QComboBox::currentIndexChanged, this, [this](int index) {
        const bool group = azimutalGroup(projectionOf(index));
        if (group != azimutal_) {
            azimutal_ = group;
            fillCorners(group);
        }
    });

    // Place.
    auto* placeBox = new QGroupBox("Your position :", this);
    auto* placeForm = new QFormLayout(placeBox);
    city_ = new QComboBox(placeBox);
    city_->setObjectName("city");
    for (const City& c : cities_) city_->addItem(latin(c.name.c_str()));
    longitude_ = new QLineEdit(placeBox);
    latitude_ = new QLineEdit(placeBox);
    longitude_->setObjectName("longitude");
    latitude_->setObjectName("latitude");
    placeForm->addRow("City :", city_);
    placeForm->addRow("Longitude :", longitude_);
    placeForm->addRow("Latitude :", latitude_);
    layout->addWidget(placeBox);
    const systeme& sys = *xfer_.sys;
    const int otherIndex = int(cities_.size()) - 1;
    const int cityIndex = (sys.cityNumber >= 0 && sys.cityNumber <= otherIndex) ? sys.cityNumber : otherIndex;
    city_->setCurrentIndex(cityIndex);
    showCityCoordinates(cityIndex);
    connect(city_, &QComboBox::currentIndexChanged, this, [this](int index) { showCityCoordinates(index); });
    auto typed = [this] {
        if (updatingFields_) return;
        // "Other" keeps what is being typed: no coordinates are shown for it now.
        const QSignalBlocker block(city_);
        city_->setCurrentIndex(int(cities_.size()) - 1);
    };
    connect(longitude_, &QLineEdit::textEdited, this, typed);
    connect(latitude_, &QLineEdit::textEdited, this, typed);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton("OK", QDialogButtonBox::AcceptRole);
    buttons->addButton("Cancel", QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void TSkyMapDialog::fillCorners(bool azimutal) {
    cornerTitle_->setText(azimutal ? "Windows coordinates (Azimutal view)" : "Windows coordinates (quadratic proj.)");
    const char* const* labels = azimutal ? kAzimutalLabels : kQuadraticLabels;
    const int values[4] = {azimutal ? *xfer_.azimAz1 : *xfer_.quadRa1, azimutal ? *xfer_.azimEl2 : *xfer_.quadDec1,
                           azimutal ? *xfer_.azimAz2 : *xfer_.quadRa2, azimutal ? *xfer_.azimEl1 : *xfer_.quadDec2};
    for (int k = 0; k < 4; ++k) {
        QComboBox* list = corners_[k];
        cornerLabels_[k]->setText(labels[k]);
        list->clear();
        const bool horizontal = k % 2 == 0; // azimuth or right ascension rows
        if (azimutal && horizontal) {
            for (int a = 0; a <= 360; ++a) list->addItem(QString::number(a));
            list->setCurrentIndex(std::clamp(values[k], 0, 360));
        } else if (azimutal) {
            for (int e = 90; e >= -5; --e) list->addItem(QString::number(e));
            list->setCurrentIndex(downIndex(90, values[k], 96));
        } else if (horizontal) {
            for (int h = 0; h <= 24; ++h) list->addItem(QString("%1 h").arg(h));
            list->setCurrentIndex(std::clamp(values[k] / 15, 0, 24));
        } else {
            for (int d = 90; d >= -90; --d) list->addItem(QString::number(d));
            list->setCurrentIndex(downIndex(90, values[k], 181));
        }
    }
}

void TSkyMapDialog::adjustDays() {
    const int month = month_->currentIndex() + 1;
    const int year = year_->currentIndex() + kFirstYear;
    // February has 29 days in a year divisible by 4 (no century rule here, as in the date dialog).
    int last = 31;
    if (month == 4 || month == 6 || month == 9 || month == 11) last = 30;
    if (month == 2) last = (year % 4 == 0) ? 29 : 28;
    const int selected = day_->currentIndex() + 1;
    const QSignalBlocker block(day_);
    while (day_->count() > last) day_->removeItem(day_->count() - 1);
    while (day_->count() < last) day_->addItem(QString::number(day_->count() + 1));
    day_->setCurrentIndex(std::min(selected, last) - 1);
}

void TSkyMapDialog::showCityCoordinates(int index) {
    const systeme& sys = *xfer_.sys;
    const bool other = index < 0 || index >= int(cities_.size()) - 1;
    const double lon = other ? sys.longitude : cities_[index].longitude;
    const double lat = other ? sys.latitude : cities_[index].latitude;
    updatingFields_ = true;
    longitude_->setText(QString::fromStdString(coordinateText(lon)));
    latitude_->setText(QString::fromStdString(coordinateText(lat)));
    updatingFields_ = false;
}

void TSkyMapDialog::accept() {
    // Date: the lists show whole hours.
    date2& date = *xfer_.date;
    date.annee = year_->currentIndex() + kFirstYear;
    date.mois = month_->currentIndex() + 1;
    date.jour = day_->currentIndex() + 1;
    date.heure = hour_->currentIndex();
    date.minute = 0;
    date.calculeT();

    *xfer_.projection = projectionOf(view_->currentIndex());
    const int idx[4] = {corners_[0]->currentIndex(), corners_[1]->currentIndex(), corners_[2]->currentIndex(),
                        corners_[3]->currentIndex()};
    if (azimutal_) {
        *xfer_.azimAz1 = idx[0];
        *xfer_.azimEl2 = 90 - idx[1];
        *xfer_.azimAz2 = idx[2];
        *xfer_.azimEl1 = 90 - idx[3];
    } else {
        *xfer_.quadRa1 = idx[0] * 15;
        *xfer_.quadDec1 = 90 - idx[1];
        *xfer_.quadRa2 = idx[2] * 15;
        *xfer_.quadDec2 = 90 - idx[3];
    }

    // Place: a listed city brings its coordinates; typed ones are kept when they are a real place
    // (latitude -90..90, longitude -180..180, east negative), else the previous city stays.
    systeme& sys = *xfer_.sys;
    const int otherIndex = int(cities_.size()) - 1;
    const int chosen = city_->currentIndex();
    if (chosen >= 0 && chosen < otherIndex) {
        sys.cityNumber = chosen;
        sys.latitude = cities_[chosen].latitude;
        sys.longitude = cities_[chosen].longitude;
        std::snprintf(sys.cityName, sizeof sys.cityName, "%s", cities_[chosen].name.c_str());
    } else {
        double lon = 0, lat = 0;
        const bool read = readCoordinate(longitude_->text(), lon) && readCoordinate(latitude_->text(), lat);
        if (read && lat >= -90 && lat <= 90 && lon >= -180 && lon <= 180) {
            sys.cityNumber = otherIndex;
            sys.latitude = lat;
            sys.longitude = lon;
            std::snprintf(sys.cityName, sizeof sys.cityName, "%s", kOtherCity);
        }
    }
    saveError_.clear();
    writeObserverPlace(resolveIniPath(iniPath_), sys, &saveError_);
    QDialog::accept();
}

namespace skyui {

std::function<int(TSkyMapDialog&)>& skyMapDialogRunner() {
    static std::function<int(TSkyMapDialog&)> runner = [](TSkyMapDialog& d) { return d.exec(); };
    return runner;
}

void runSkyMapCommand(TPlanetariumWindow& w) {
    if (!w.sys || !w.date) return;
    skyMapXfer x;
    x.date = w.date.get();
    x.projection = &w.projection;
    x.quadRa1 = &w.quadRa1;
    x.quadDec1 = &w.quadDec1;
    x.quadRa2 = &w.quadRa2;
    x.quadDec2 = &w.quadDec2;
    x.azimAz1 = &w.azimAz1;
    x.azimEl2 = &w.azimEl2;
    x.azimAz2 = &w.azimAz2;
    x.azimEl1 = &w.azimEl1;
    x.sys = w.sys.get();
    TSkyMapDialog dialog(x, readCities("", &w.prompter()), w.iniPath(), &w);
    const int result = skyMapDialogRunner()(dialog);
    settingscommands::tellUnsavedSettings(w, dialog.saveError());
    if (result != QDialog::Accepted) return;
    w.applyPlace(); // the city may have changed
    w.view = w.projection + 9;
    commands::stopAnimations(w);
    commands::animationButtonsIdle(w);
    commands::zoomButtons(w, true);
    w.redraw();
}

} // namespace skyui
