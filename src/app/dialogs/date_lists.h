// SPDX-License-Identifier: GPL-3.0-or-later
// The date lists shared by the dialogs that ask for a date in Universal Time: years -100 to
// 2999, the twelve month names, days 1 to 31 (cut to the month), hours 0 to 23 and minutes 0 to 59.
#pragma once

#include <functional>

class QComboBox;
class QString;
class QWidget;

namespace datelists {

constexpr int kFirstYear = -100, kLastYear = 2999;

void fillYears(QComboBox* years);
void fillMonths(QComboBox* months);
void fillDays(QComboBox* days);
void fillHours(QComboBox* hours);
void fillMinutes(QComboBox* minutes);
void selectMinute(QComboBox* minutes, int minute);

// Selects the entries of a date (a year outside the list selects the nearest end).
void select(QComboBox* years, QComboBox* months, QComboBox* days, QComboBox* hours, int year, int month, int day,
            int hour);
// The year of the selected entry (list position - 100) and the month 1-12.
int selectedYear(const QComboBox* years);
int selectedMonth(const QComboBox* months);

// Cuts or extends the day list to the month's length (February has 29 days in every year
// divisible by 4); a selected day past the end becomes the last day.
void adjustDays(QComboBox* days, int month, int year);

// A year typed into the list selects that year exactly (not the first year it begins), and a
// typed year outside the list gets `yearRangeMessage` and leaves the year as it was before the
// typing. Keys typed within the keyboard-search interval make one number.
void watchTypedYears(QComboBox* years);
// "The year must be from -100 to 2999."
QString yearRangeText();
// How the range message is shown (a warning box over `parent`); tests replace it.
std::function<void(QWidget* parent, const QString& text)>& yearRangeMessage();

} // namespace datelists
