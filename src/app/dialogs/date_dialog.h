// TDialogDate: the "Date" dialog, the date of the views in Universal Time (year, month, day,
// hour; the minute is kept). It edits the date it is given and says whether it was confirmed.
#pragma once

#include <QDialog>

#include "astro/date2.h"

class QComboBox;

class TDialogDate : public QDialog {
    Q_OBJECT
public:
    TDialogDate(date2& date, QWidget* parent = nullptr);

    QComboBox* yearList() const { return year_; }
    QComboBox* monthList() const { return month_; }
    QComboBox* dayList() const { return day_; }
    QComboBox* hourList() const { return hour_; }

    void accept() override;
    void reject() override;

private:
    date2& date_;
    QComboBox* year_;
    QComboBox* month_;
    QComboBox* day_;
    QComboBox* hour_;
};
