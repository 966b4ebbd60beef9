// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/span_date_group.h"

#include "app/dialogs/date_lists.h"

#include <QComboBox>
#include <QFormLayout>
#include <algorithm>

SpanDateGroup::SpanDateGroup(const QString& title, int firstControl, const date2& shown, QWidget* parent)
    : QGroupBox(title, parent), year_(new QComboBox), month_(new QComboBox), day_(new QComboBox),
      hour_(new QComboBox) {
    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("year :"), year_);
    form->addRow(QStringLiteral("Month :"), month_);
    form->addRow(QStringLiteral("Day :"), day_);
    form->addRow(QStringLiteral("Hour (UT) :"), hour_);
    int control = firstControl;
    for (QComboBox* list : {year_, month_, day_, hour_})
        list->setObjectName(QStringLiteral("control%1").arg(control++));
    datelists::fillYears(year_);
    datelists::fillMonths(month_);
    datelists::fillDays(day_);
    datelists::fillHours(hour_);
    datelists::select(year_, month_, day_, hour_, shown.annee, shown.mois, shown.jour, shown.heure);
    year_->setMaxVisibleItems(20);
    datelists::watchTypedYears(year_);
    const auto adjust = [this] {
        datelists::adjustDays(day_, datelists::selectedMonth(month_), datelists::selectedYear(year_));
    };
    connect(month_, &QComboBox::currentIndexChanged, this, adjust);
    connect(year_, &QComboBox::currentIndexChanged, this, adjust);
}

void SpanDateGroup::store(date2& date) const {
    date.annee = datelists::selectedYear(year_);
    date.mois = datelists::selectedMonth(month_);
    date.jour = std::max(day_->currentIndex(), 0) + 1;
    date.heure = std::max(hour_->currentIndex(), 0);
    date.minute = 0;
    date.calculeT();
}
