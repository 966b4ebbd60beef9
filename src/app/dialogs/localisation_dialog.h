// SPDX-License-Identifier: GPL-3.0-or-later
// TDialogLocalisation: the "Localization" dialog: the observer's place (a city of "ville.syt" or
// typed coordinates under "Other"), the computer's place, the season and the two time zones.
// Choosing a city looks its offset up (its zone's under the automatic season, else its country's
// in "pays.syt"); the computer's place and zone are kept but do not move the clock, which is read
// in UT. OK writes the "Position", "Position ordinateur" and "Heure" keys.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "catalog/cities.h"

class QComboBox;
class QLineEdit;
class Prompter;
class systeme;

// What the dialog edits, in place: the date and the place fields of the model.
struct localisationXfer {
    date2* date = nullptr;
    systeme* sys = nullptr;
};

class TDialogLocalisation : public QDialog {
    Q_OBJECT
public:
    // `cities` ends with "Other"; `iniPath` "" is the user's Nalvo.ini; `paysPath` "" looks
    // "pays.syt" up in the data folders.
    // A refused typed coordinate is told through `prompter` (message boxes when null).
    TDialogLocalisation(const localisationXfer& xfer, std::vector<City> cities, std::string iniPath,
                        std::string paysPath = "", Prompter* prompter = nullptr, QWidget* parent = nullptr);

    // Accepted typed coordinates: latitude -90 to 90, longitude -180 to 180 (east negative).
    static bool acceptLatitude(double latitude_deg) { return latitude_deg >= -90 && latitude_deg <= 90; }
    static bool acceptLongitude(double longitude_deg) { return longitude_deg >= -180 && longitude_deg <= 180; }

    // The text field above the observer's list: the list shows only the cities whose name holds
    // the typed text (any case), and Enter chooses the first of them.
    QLineEdit* cityFilter() const { return filter_; }
    // Whether the observer's list shows the entry at `index`.
    bool cityShown(int index) const;
    QComboBox* observerList() const { return observer_; }
    QComboBox* computerList() const { return computer_; }
    QLineEdit* longitudeEdit() const { return longitude_; }
    QLineEdit* latitudeEdit() const { return latitude_; }
    QComboBox* seasonList() const { return season_; }
    QComboBox* computerZoneList() const { return computerZone_; }
    QComboBox* observerZoneList() const { return observerZone_; }
    // The text of the last refusal of typed coordinates ("" when none).
    const QString& refusal() const { return refusal_; }

    void accept() override;
    void reject() override;
    // Why the settings could not be written by OK ("" when they were).
    const std::string& saveError() const { return saveError_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void filterCities(const QString& text);
    void takeFirstMatch();
    void observerCityChanged(int index);
    void computerCityChanged(int index);
    void seasonChanged(int index);
    void coordinateEdited();
    void showCoordinates(int index);
    int otherIndex() const { return int(cities_.size()) - 1; }

    localisationXfer xfer_;
    std::vector<City> cities_;
    std::string iniPath_;
    std::string saveError_;
    std::string paysPath_;
    Prompter* prompter_;
    date2 opened_;           // the date as it was when the dialog opened (restored by Cancel)
    bool updating_ = false;  // true while the dialog itself changes its controls
    static constexpr int kAutomaticSeasonIndex = 2; // the season list's third entry: -1, automatic
    QString refusal_;
    QLineEdit* filter_;
    QComboBox* observer_;
    QComboBox* computer_;
    QLineEdit* longitude_;
    QLineEdit* latitude_;
    QComboBox* season_;
    QComboBox* computerZone_;
    QComboBox* observerZone_;
};
