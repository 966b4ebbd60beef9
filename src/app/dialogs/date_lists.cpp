// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/date_lists.h"

#include "astro/date2.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMessageBox>
#include <algorithm>

namespace datelists {

namespace {

// Collects the digits and the minus sign typed into a closed year list.
class TypedYear : public QObject {
  public:
    explicit TypedYear(QComboBox* years) : QObject(years), years_(years) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != years_) return false;
        if (event->type() == QEvent::FocusOut) typed_.clear();
        if (event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        if (text.size() != 1 || !(text[0].isDigit() || text[0] == QLatin1Char('-')) ||
            (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            typed_.clear();
            return false;
        }
        if (!sinceLast_.isValid() || sinceLast_.elapsed() > QApplication::keyboardInputInterval())
            typed_.clear();
        sinceLast_.start();
        if (text[0] == QLatin1Char('-')) typed_.clear(); // a minus sign starts a new number
        if (typed_.isEmpty()) before_ = years_->currentIndex();
        typed_ += text;
        bool ok = false;
        const int year = typed_.toInt(&ok);
        if (!ok) return true; // "-" alone: wait for the digits
        if (year >= kFirstYear && year <= kLastYear) {
            years_->setCurrentIndex(year - kFirstYear);
            return true;
        }
        typed_.clear();
        years_->setCurrentIndex(before_);
        yearRangeMessage()(years_->window(), yearRangeText());
        return true;
    }

  private:
    QComboBox* years_;
    QString typed_;
    int before_ = -1;
    QElapsedTimer sinceLast_;
};

} // namespace

void watchTypedYears(QComboBox* years) {
    years->installEventFilter(new TypedYear(years));
}

QString yearRangeText() {
    return QStringLiteral("The year must be from %1 to %2.").arg(kFirstYear).arg(kLastYear);
}

std::function<void(QWidget*, const QString&)>& yearRangeMessage() {
    static std::function<void(QWidget*, const QString&)> show = [](QWidget* parent, const QString& text) {
        QMessageBox::warning(parent, QStringLiteral("Warning"), text);
    };
    return show;
}

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

void fillMinutes(QComboBox* minutes) {
    minutes->clear();
    for (int m = 0; m <= 59; ++m)
        minutes->addItem(QString::number(m));
}

void selectMinute(QComboBox* minutes, int minute) {
    minutes->setCurrentIndex(std::clamp(minute, 0, 59));
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
