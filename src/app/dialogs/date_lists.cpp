#include "app/dialogs/date_lists.h"

#include "astro/date2.h"

#include <QComboBox>
#include <algorithm>

namespace datelists {

void fillYears(QComboBox* years) {
    years->clear();
    for (int y = kFirstYear; y <= kLastYear; ++y) years->addItem(QString::number(y));
}

void fillMonths(QComboBox* months) {
    months->clear();
    for (const char* m : {"January", "February", "March", "April", "May", "June", "July", "August", "September",
                          "October", "November", "December"})
        months->addItem(QString::fromLatin1(m));
}

void fillDays(QComboBox* days) {
    days->clear();
    for (int d = 1; d <= 31; ++d) days->addItem(QString::number(d));
}

void fillHours(QComboBox* hours) {
    hours->clear();
    for (int h = 0; h <= 23; ++h) hours->addItem(QString::number(h));
}

void select(QComboBox* years, QComboBox* months, QComboBox* days, QComboBox* hours, int year, int month, int day,
            int hour) {
    years->setCurrentIndex(std::clamp(year, kFirstYear, kLastYear) - kFirstYear);
    months->setCurrentIndex(std::clamp(month, 1, 12) - 1);
    adjustDays(days, std::clamp(month, 1, 12), year);
    days->setCurrentIndex(std::clamp(day, 1, days->count()) - 1);
    hours->setCurrentIndex(std::clamp(hour, 0, 23));
}

int selectedYear(const QComboBox* years) { return std::max(years->currentIndex(), 0) + kFirstYear; }
int selectedMonth(const QComboBox* months) { return std::max(months->currentIndex(), 0) + 1; }

void adjustDays(QComboBox* days, int month, int year) {
    const int wanted = daysInMonth(month, year);
    if (wanted <= 0) return;
    const int selected = days->currentIndex() + 1; // 0 when nothing is selected
    while (days->count() > wanted) days->removeItem(days->count() - 1);
    while (days->count() < wanted) days->addItem(QString::number(days->count() + 1));
    if (selected > wanted)
        days->setCurrentIndex(wanted - 1);
    else if (selected >= 1)
        days->setCurrentIndex(selected - 1);
}

} // namespace datelists
