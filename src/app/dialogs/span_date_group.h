// SPDX-License-Identifier: GPL-3.0-or-later
// One "Enter begining :" or "Enter end :" group of the time-span dialogs: year, month, day and
// hour lists (days cut to the month), which write a date with minutes zero on OK.
#pragma once

#include <QGroupBox>

#include "astro/date2.h"

class QComboBox;

class SpanDateGroup : public QGroupBox {
    Q_OBJECT
  public:
    // `firstControl` numbers the four lists (101 for the start, 107 for the end); each list's
    // object name is "control" followed by its number.
    SpanDateGroup(const QString& title, int firstControl, const date2& shown, QWidget* parent = nullptr);

    QComboBox* yearList() const { return year_; }
    QComboBox* monthList() const { return month_; }
    QComboBox* dayList() const { return day_; }
    QComboBox* hourList() const { return hour_; }

    // Writes the selection into `date` (minute 0) and recomputes its time value.
    void store(date2& date) const;

  private:
    QComboBox* year_;
    QComboBox* month_;
    QComboBox* day_;
    QComboBox* hour_;
};
