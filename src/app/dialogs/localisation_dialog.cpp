// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/localisation_dialog.h"

#include "catalog/prompter.h"
#include "catalog/settings.h"
#include "catalog/systeme.h"
#include "gfx/text_codec.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cstring>

namespace {
void copyName(char (&to)[30], const std::string& from) {
    const size_t n = std::min(from.size(), sizeof to - 1);
    std::memcpy(to, from.data(), n);
    to[n] = '\0';
}
} // namespace

TDialogLocalisation::TDialogLocalisation(const localisationXfer& xfer, std::vector<City> cities, std::string iniPath,
                                         std::string paysPath, Prompter* prompter, QWidget* parent)
    : QDialog(parent), xfer_(xfer), cities_(std::move(cities)), iniPath_(std::move(iniPath)),
      paysPath_(std::move(paysPath)), prompter_(prompter), opened_(*xfer.date),
      filter_(new QLineEdit), observer_(new QComboBox), computer_(new QComboBox),
      longitude_(new QLineEdit), latitude_(new QLineEdit), season_(new QComboBox), computerZone_(new QComboBox),
      observerZone_(new QComboBox) {
    if (cities_.empty() || cities_.back().name != kOtherCity) cities_.push_back(City{kOtherCity, 0, 0});
    setWindowTitle(QStringLiteral("Localization"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    filter_->setPlaceholderText(QStringLiteral("Find a city"));
    filter_->setClearButtonEnabled(true);
    form->addRow(QStringLiteral("Find :"), filter_);
    form->addRow(QStringLiteral("Observation place :"), observer_);
    form->addRow(QStringLiteral("Longitude :"), longitude_);
    form->addRow(QStringLiteral("Latitude :"), latitude_);
    form->addRow(QStringLiteral("Computer localization :"), computer_);
    form->addRow(QStringLiteral("Time"), season_);
    form->addRow(QStringLiteral("Difference GMT - Computer time"), computerZone_);
    form->addRow(QStringLiteral("Difference TU - Observation place time"), observerZone_);
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox;
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    systeme& sys = *xfer_.sys;
    for (const City& c : cities_) {
        observer_->addItem(gfx::fromWindows1252(c.name));
        computer_->addItem(gfx::fromWindows1252(c.name));
    }
    observer_->setMaxVisibleItems(25);
    computer_->setMaxVisibleItems(25);
    observer_->setCurrentIndex(std::clamp(int(sys.cityNumber), 0, otherIndex()));
    computer_->setCurrentIndex(std::clamp(int(sys.computerCityNumber), 0, otherIndex()));
    showCoordinates(observer_->currentIndex());
    season_->addItem(QStringLiteral("of winter"));
    season_->addItem(QStringLiteral("of summer"));
    // The automatic season: a listed city's own time zone gives its offset at each date.
    season_->addItem(QStringLiteral("automatic (the city's time zone)"));
    season_->setCurrentIndex(sys.season == 0 || sys.season == 1 ? sys.season : kAutomaticSeasonIndex);
    for (const std::string& label : timeZoneLabels()) {
        computerZone_->addItem(QString::fromLatin1(label.c_str()));
        observerZone_->addItem(QString::fromLatin1(label.c_str()));
    }
    computerZone_->setCurrentIndex(std::clamp(int(sys.computerTimeZone), 0, 47));
    observerZone_->setCurrentIndex(std::clamp(int(sys.observerTimeZone), 0, 47));

    connect(filter_, &QLineEdit::textChanged, this, &TDialogLocalisation::filterCities);
    filter_->installEventFilter(this);
    connect(observer_, &QComboBox::currentIndexChanged, this, &TDialogLocalisation::observerCityChanged);
    connect(computer_, &QComboBox::currentIndexChanged, this, &TDialogLocalisation::computerCityChanged);
    connect(season_, &QComboBox::currentIndexChanged, this, &TDialogLocalisation::seasonChanged);
    connect(longitude_, &QLineEdit::textEdited, this, &TDialogLocalisation::coordinateEdited);
    connect(latitude_, &QLineEdit::textEdited, this, &TDialogLocalisation::coordinateEdited);
}

bool TDialogLocalisation::cityShown(int index) const {
    const auto* view = qobject_cast<const QListView*>(observer_->view());
    return index >= 0 && index < observer_->count() && !(view && view->isRowHidden(index));
}

void TDialogLocalisation::filterCities(const QString& text) {
    auto* view = qobject_cast<QListView*>(observer_->view());
    if (!view) return;
    const QString wanted = text.trimmed();
    // "Other" stays offered: it is not a city but the way to typed coordinates.
    for (int i = 0; i < otherIndex(); ++i)
        view->setRowHidden(i, !observer_->itemText(i).contains(wanted, Qt::CaseInsensitive));
}

void TDialogLocalisation::takeFirstMatch() {
    for (int i = 0; i < otherIndex(); ++i)
        if (cityShown(i)) {
            observer_->setCurrentIndex(i);
            return;
        }
}

// Enter in the filter field chooses the first match instead of pressing OK.
bool TDialogLocalisation::eventFilter(QObject* watched, QEvent* event) {
    if (watched == filter_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            takeFirstMatch();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TDialogLocalisation::showCoordinates(int index) {
    double lat = xfer_.sys->latitude, lon = xfer_.sys->longitude;
    if (index >= 0 && index < otherIndex()) {
        lat = cities_[size_t(index)].latitude;
        lon = cities_[size_t(index)].longitude;
    }
    updating_ = true;
    longitude_->setText(QString::asprintf("%lf", lon));
    latitude_->setText(QString::asprintf("%lf", lat));
    updating_ = false;
}

void TDialogLocalisation::observerCityChanged(int index) {
    if (updating_ || index < 0 || index >= otherIndex()) return;
    showCoordinates(index);
    // A country that "pays.syt" does not know keeps the previous offset and entry.
    const double offset = cityOffset(*xfer_.date, cities_[size_t(index)].name, true, nullptr, paysPath_);
    const int zone = timeZoneIndex(offset);
    if (zone < 0) return;
    xfer_.date->decalageLieu = offset;
    updating_ = true;
    observerZone_->setCurrentIndex(zone);
    updating_ = false;
}

void TDialogLocalisation::computerCityChanged(int index) {
    if (updating_ || index < 0 || index >= otherIndex()) return;
    const double offset = cityOffset(*xfer_.date, cities_[size_t(index)].name, false, nullptr, paysPath_);
    const int zone = timeZoneIndex(offset);
    if (zone < 0) return;
    updating_ = true;
    computerZone_->setCurrentIndex(zone);
    updating_ = false;
}

void TDialogLocalisation::seasonChanged(int index) {
    if (updating_ || index < 0) return;
    date2& d = *xfer_.date;
    d.saison = index == kAutomaticSeasonIndex ? -1 : index;
    const int obs = observer_->currentIndex(), comp = computer_->currentIndex();
    if (obs >= 0 && obs < otherIndex()) {
        const double offset = cityOffset(d, cities_[size_t(obs)].name, true, nullptr, paysPath_);
        if (const int zone = timeZoneIndex(offset); zone >= 0) {
            d.decalageLieu = offset;
            updating_ = true;
            observerZone_->setCurrentIndex(zone);
            updating_ = false;
        }
    }
    if (comp >= 0 && comp < otherIndex()) {
        const double offset = cityOffset(d, cities_[size_t(comp)].name, false, nullptr, paysPath_);
        if (const int zone = timeZoneIndex(offset); zone >= 0) {
            updating_ = true;
            computerZone_->setCurrentIndex(zone);
            updating_ = false;
        }
    }
}

void TDialogLocalisation::coordinateEdited() {
    if (updating_) return;
    updating_ = true;
    observer_->setCurrentIndex(otherIndex());
    updating_ = false;
}

void TDialogLocalisation::accept() {
    systeme& sys = *xfer_.sys;
    const int obs = observer_->currentIndex();
    if (obs >= 0 && obs < otherIndex()) {
        sys.cityNumber = obs;
        sys.latitude = cities_[size_t(obs)].latitude;
        sys.longitude = cities_[size_t(obs)].longitude;
        copyName(sys.cityName, cities_[size_t(obs)].name);
    } else {
        bool lonOk = false, latOk = false;
        const double lon = longitude_->text().trimmed().toDouble(&lonOk);
        const double lat = latitude_->text().trimmed().toDouble(&latOk);
        refusal_.clear();
        if (!latOk || !acceptLatitude(lat))
            refusal_ = QStringLiteral("The latitude must be a number of degrees from -90 to 90 (north positive).");
        else if (!lonOk || !acceptLongitude(lon))
            refusal_ = QStringLiteral("The longitude must be a number of degrees from -180 to 180 (east negative).");
        if (!refusal_.isEmpty()) {
            // The dialog stays open with the typed text, so that it can be corrected or cancelled.
            if (prompter_)
                prompter_->message(gfx::toWindows1252(refusal_), "Warning");
            else
                QMessageBox::warning(this, QStringLiteral("Warning"), refusal_);
            return;
        }
        sys.cityNumber = otherIndex();
        sys.latitude = lat;
        sys.longitude = lon;
        copyName(sys.cityName, kOtherCity);
    }
    const int comp = std::max(computer_->currentIndex(), 0);
    sys.computerCityNumber = comp;
    copyName(sys.computerCityName, cities_[size_t(comp)].name);
    const int season = season_->currentIndex();
    sys.season = season == kAutomaticSeasonIndex ? -1 : std::max(season, 0);
    sys.computerTimeZone = std::max(computerZone_->currentIndex(), 0);
    sys.observerTimeZone = std::max(observerZone_->currentIndex(), 0);
    // Every group is tried; the first reason is kept.
    saveError_.clear();
    writeObserverPlace(iniPath_, sys, &saveError_);
    writeComputerPlace(iniPath_, sys, saveError_.empty() ? &saveError_ : nullptr);
    writeTimeSettings(iniPath_, sys, saveError_.empty() ? &saveError_ : nullptr);
    applyPlaceToDate(sys, *xfer_.date);
    QDialog::accept();
}

// Cancel leaves the date as it was when the dialog opened: the offsets changed while choosing
// are undone, so that the date always agrees with the stored place.
void TDialogLocalisation::reject() {
    *xfer_.date = opened_;
    QDialog::reject();
}
