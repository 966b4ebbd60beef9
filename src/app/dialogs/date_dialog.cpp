#include "app/dialogs/date_dialog.h"

#include "app/dialogs/date_lists.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TDialogDate::TDialogDate(date2& date, QWidget* parent)
    : QDialog(parent), date_(date), year_(new QComboBox), month_(new QComboBox), day_(new QComboBox),
      hour_(new QComboBox) {
    setWindowTitle(QStringLiteral("Date"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Enter date in Universal Time :")));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("year :"), year_);
    form->addRow(QStringLiteral("Month :"), month_);
    form->addRow(QStringLiteral("Day :"), day_);
    form->addRow(QStringLiteral("Hour :"), hour_);
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox;
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    datelists::fillYears(year_);
    datelists::fillMonths(month_);
    datelists::fillDays(day_);
    datelists::fillHours(hour_);
    datelists::select(year_, month_, day_, hour_, date.annee, date.mois, date.jour, date.heure);
    year_->setMaxVisibleItems(20);
    const auto adjust = [this] {
        datelists::adjustDays(day_, datelists::selectedMonth(month_), datelists::selectedYear(year_));
    };
    connect(month_, &QComboBox::currentIndexChanged, this, adjust);
    connect(year_, &QComboBox::currentIndexChanged, this, adjust);
}

void TDialogDate::accept() {
    date_.annee = datelists::selectedYear(year_);
    date_.mois = datelists::selectedMonth(month_);
    date_.jour = std::max(day_->currentIndex(), 0) + 1;
    date_.heure = std::max(hour_->currentIndex(), 0);
    date_.calculeT();
    QDialog::accept();
}

// The date was not touched while the dialog was open, so a cancel leaves the instant exactly as
// it was (recomputing T from the calendar fields could move an instant whose fields are stale).
void TDialogDate::reject() { QDialog::reject(); }
