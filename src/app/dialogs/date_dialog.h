// SPDX-License-Identifier: GPL-3.0-or-later
// TDialogDate: the "Date" dialog, the date of the views in Universal Time (year, month, day,
// hour and minute), with "Now" taking the computer clock's UT. It edits the date it is given and
// says whether it was confirmed.
#pragma once

#include <QDialog>
#include <functional>

#include "astro/date2.h"

class QComboBox;
class QPushButton;

class TDialogDate : public QDialog {
    Q_OBJECT
public:
    TDialogDate(date2& date, QWidget* parent = nullptr);

    // The clock "Now" reads (the computer's UT); tests replace it.
    static std::function<date2()>& clock();

    QComboBox* yearList() const { return year_; }
    QComboBox* monthList() const { return month_; }
    QComboBox* dayList() const { return day_; }
    QComboBox* hourList() const { return hour_; }
    QComboBox* minuteList() const { return minute_; }
    QPushButton* nowButton() const { return now_; }

    // Selects the clock's UT in the lists (OK then takes it).
    void showNow();
    void accept() override;
    void reject() override;

private:
    date2& date_;
    QComboBox* year_;
    QComboBox* month_;
    QComboBox* day_;
    QComboBox* hour_;
    QComboBox* minute_;
    QPushButton* now_;
};
