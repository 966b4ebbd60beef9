// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/date_dialog.h"

#include "app/dialogs/date_lists.h"
#include "astro/clock.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

std::function<date2()>& TDialogDate::clock() {
    static std::function<date2()> c = [] { return universalTimeNow(); };
    return c;
}

TDialogDate::TDialogDate(date2& date, QWidget* parent)
    : QDialog(parent), date_(date), year_(new QComboBox), month_(new QComboBox), day_(new QComboBox),
      hour_(new QComboBox), minute_(new QComboBox), now_(new QPushButton(QStringLiteral("Now"))) {
    setWindowTitle(QStringLiteral("Date"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Enter date in Universal Time :")));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("year :"), year_);
    form->addRow(QStringLiteral("Month :"), month_);
    form->addRow(QStringLiteral("Day :"), day_);
    form->addRow(QStringLiteral("Hour :"), hour_);
    form->addRow(QStringLiteral("Minute :"), minute_);
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox;
    buttons->addButton(now_, QDialogButtonBox::ActionRole);
    now_->setAutoDefault(false);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(now_, &QPushButton::clicked, this, &TDialogDate::showNow);

    datelists::fillYears(year_);
    datelists::fillMonths(month_);
    datelists::fillDays(day_);
    datelists::fillHours(hour_);
    datelists::fillMinutes(minute_);
    datelists::select(year_, month_, day_, hour_, date.annee, date.mois, date.jour, date.heure);
    datelists::selectMinute(minute_, date.minute);
    year_->setMaxVisibleItems(20);
    minute_->setMaxVisibleItems(20);
    datelists::watchTypedYears(year_);
    const auto adjust = [this] {
        datelists::adjustDays(day_, datelists::selectedMonth(month_), datelists::selectedYear(year_));
    };
    connect(month_, &QComboBox::currentIndexChanged, this, adjust);
    connect(year_, &QComboBox::currentIndexChanged, this, adjust);
}

void TDialogDate::showNow() {
    const date2 now = clock()();
    datelists::select(year_, month_, day_, hour_, now.annee, now.mois, now.jour, now.heure);
    datelists::selectMinute(minute_, now.minute);
}

void TDialogDate::accept() {
    date_.annee = datelists::selectedYear(year_);
    date_.mois = datelists::selectedMonth(month_);
    date_.jour = std::max(day_->currentIndex(), 0) + 1;
    date_.heure = std::max(hour_->currentIndex(), 0);
    date_.minute = std::max(minute_->currentIndex(), 0);
    date_.calculeT();
    QDialog::accept();
}

// The date was not touched while the dialog was open, so a cancel leaves the instant exactly as
// it was (recomputing T from the calendar fields could move an instant whose fields are stale).
void TDialogDate::reject() { QDialog::reject(); }
