// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/report_dialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QTextOption>
#include <QVBoxLayout>
#include <fstream>
#include <iterator>

#include "app/dialogs/date_lists.h"
#include "catalog/atomic_file.h"
#include "catalog/paths.h"
#include "catalog/prompter.h"
#include "catalog/systeme.h"
#include "gfx/text_codec.h"
#include "reports/ephemeris.h"
#include "reports/forecast.h"
#include "reports/position.h"
#include "reports/report_text.h"

namespace reportdialogs {

std::function<std::string(QWidget*, const QString&)>& saveFileChooser() {
    static std::function<std::string(QWidget*, const QString&)> chooser = [](QWidget* parent,
                                                                             const QString& title) {
        QFileDialog dialog(parent, title, QString(), QStringLiteral("Text file (*.TXT *.txt)"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("TXT"));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::string();
        return dialog.selectedFiles().front().toStdString();
    };
    return chooser;
}

std::string workingFile(const char* name) {
    return userFilePath(name);
}

} // namespace reportdialogs

namespace {
QString fromBytes(const std::string& s) {
    return gfx::fromWindows1252(s);
}

// Shows the wait cursor for the lifetime of the object.
struct WaitCursor {
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

QComboBox* filledList(const std::vector<std::string>& items) {
    auto* list = new QComboBox;
    for (const std::string& s : items)
        list->addItem(fromBytes(s));
    list->setMaxVisibleItems(20);
    return list;
}

QGridLayout* dateGrid(ReportDateLists* d) {
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("year :")), 0, 0);
    grid->addWidget(d->year, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Month :")), 0, 2);
    grid->addWidget(d->month, 0, 3);
    grid->addWidget(new QLabel(QStringLiteral("Day :")), 1, 0);
    grid->addWidget(d->day, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Hour (UT) :")), 1, 2);
    grid->addWidget(d->hour, 1, 3);
    return grid;
}
} // namespace

// --- date lists ------------------------------------------------------------------------------------

ReportDateLists::ReportDateLists(QWidget* parent, const date2& date)
    : QObject(parent), year(new QComboBox(parent)), month(new QComboBox(parent)), day(new QComboBox(parent)),
      hour(new QComboBox(parent)) {
    datelists::fillYears(year);
    datelists::fillMonths(month);
    datelists::fillDays(day);
    datelists::fillHours(hour);
    datelists::select(year, month, day, hour, date.annee, date.mois, date.jour, date.heure);
    year->setMaxVisibleItems(20);
    datelists::watchTypedYears(year);
    datelists::adjustDays(day, datelists::selectedMonth(month), datelists::selectedYear(year));
    const auto adjust = [this] {
        datelists::adjustDays(day, datelists::selectedMonth(month), datelists::selectedYear(year));
        emit changed();
    };
    connect(year, &QComboBox::currentIndexChanged, this, adjust);
    connect(month, &QComboBox::currentIndexChanged, this, adjust);
    connect(day, &QComboBox::currentIndexChanged, this, &ReportDateLists::changed);
    connect(hour, &QComboBox::currentIndexChanged, this, &ReportDateLists::changed);
}

void ReportDateLists::store(date2& date) const {
    date.annee = datelists::selectedYear(year);
    date.mois = datelists::selectedMonth(month);
    date.jour = std::max(day->currentIndex(), 0) + 1;
    date.heure = std::max(hour->currentIndex(), 0);
    date.minute = 0; // the lists show whole hours
    date.calculeT();
}

// --- position ----------------------------------------------------------------------------------------

TDialogPosition::TDialogPosition(systeme& model, date2& date, QWidget* parent)
    : QDialog(parent), model_(model), date_(date), opened_(date), dates_(new ReportDateLists(this, date)),
      object_(filledList(reports::positionObjectNames(model))) {
    setWindowTitle(QStringLiteral("Position"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(dateGrid(dates_));
    auto* objectRow = new QHBoxLayout;
    objectRow->addWidget(new QLabel(QStringLiteral("Object :")));
    objectRow->addWidget(object_, 1);
    layout->addLayout(objectRow);
    for (QLineEdit*& b : boxes_) {
        b = new QLineEdit;
        b->setReadOnly(true);
        b->setAlignment(Qt::AlignRight);
    }
    auto* values = new QGridLayout;
    values->addWidget(new QLabel(QStringLiteral("Declination :")), 0, 0);
    values->addWidget(new QLabel(QStringLiteral("Right Ascension :")), 1, 0);
    const char* units[2][3] = {{"\xC2\xB0", "'", "\""}, {"h", "m", "s"}};
    for (int row = 0; row < 2; ++row)
        for (int k = 0; k < 3; ++k) {
            values->addWidget(boxes_[row * 3 + k], row, 1 + 2 * k);
            values->addWidget(new QLabel(QString::fromUtf8(units[row][k])), row, 2 + 2 * k);
        }
    values->addWidget(new QLabel(QStringLiteral("Distance to Earth :")), 2, 0);
    values->addWidget(boxes_[6], 2, 1, 1, 5);
    layout->addLayout(values);
    riseTransitSet_ = new QLabel;
    riseTransitSet_->setTextFormat(Qt::PlainText);
    layout->addWidget(riseTransitSet_);
    auto* exit = new QPushButton(QStringLiteral("Exit"));
    exit->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(exit);
    layout->addLayout(buttons);
    connect(exit, &QPushButton::clicked, this, &QDialog::accept);

    if (object_->count() > reports::kPositionFirstPlanet)
        object_->setCurrentIndex(reports::kPositionFirstPlanet);
    computePosition();
    connect(dates_, &ReportDateLists::changed, this, &TDialogPosition::computePosition);
    connect(object_, &QComboBox::currentIndexChanged, this, &TDialogPosition::computePosition);
}

void TDialogPosition::computePosition() {
    const int k = object_->currentIndex();
    if (k < 0) return;
    xfer.object = k;
    dates_->store(date_);
    reports::PositionValues v;
    if (!reports::computePosition(model_, date_, k, v)) return;
    const int numbers[6] = {0, v.dec.minutes, v.dec.seconds, v.ra.hours, v.ra.minutes, v.ra.seconds};
    boxes_[0]->setText(QString::fromStdString(reports::declinationDegreesText(v.dec)));
    for (int i = 1; i < 6; ++i)
        boxes_[i]->setText(QString::number(numbers[i]));
    boxes_[6]->setText(fromBytes(v.distance));
    std::string line =
        reports::riseTransitSetLine(model_, date_, k, model_.latitude, model_.longitude, date_.placeOffset_h());
    if (!line.empty()) line.pop_back(); // the report's newline
    riseTransitSet_->setText(fromBytes(line));
}

void TDialogPosition::accept() {
    dates_->store(date_);
    QDialog::accept();
}

// Escape or closing the window cancels: the view and the date stay as they were.
void TDialogPosition::reject() {
    date_ = opened_;
    QDialog::reject();
}

// --- text reports --------------------------------------------------------------------------------

ReportDialog::ReportDialog(systeme& model, date2& date, Prompter& prompter, QWidget* parent)
    : QDialog(parent), model_(model), date_(date), opened_(date), prompter_(prompter),
      dates_(new ReportDateLists(this, date)), text_(new QPlainTextEdit) {
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text_->setTabStopDistance(text_->fontMetrics().horizontalAdvance(QLatin1Char(' ')) * 8);
    text_->setMinimumSize(640, 320);
}

void ReportDialog::showReport() {
    text_->setPlainText(QStringLiteral("Please wait..."));
    text_->repaint();
    std::string bytes;
    {
        WaitCursor wait;
        bytes = writeReport();
    }
    const std::string path = reportdialogs::workingFile("temp.syt");
    std::string error;
    if (writeFileAtomically(path, bytes, &error)) {
        std::ifstream in(path, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), {});
    } else {
        prompter_.message("The report could not be written to " + path + ":\n" + error, "Nalvo -- Error");
    }
    text_->setPlainText(fromBytes(bytes));
}

void ReportDialog::saveReport(const QString& title, const char* savedText) {
    std::string path = reportdialogs::saveFileChooser()(this, title);
    if (path.empty()) return;
    if (QFileInfo(QString::fromStdString(path)).suffix().isEmpty()) path += ".TXT";
    std::string error;
    bool ok = false;
    {
        WaitCursor wait;
        ok = writeFileAtomically(path, writeReport(), &error);
    }
    if (ok)
        prompter_.message(savedText, "NALVO information");
    else
        prompter_.message("Nothing was saved. " + error, "Nalvo -- Error");
}

// --- ephemeris ---------------------------------------------------------------------------------------

TDialogEphemeride::TDialogEphemeride(systeme& model, date2& date, Prompter& prompter, QWidget* parent)
    : ReportDialog(model, date, prompter, parent), object_(filledList(reports::ephemerisObjectNames(model))),
      step_(filledList(reports::ephemerisStepItems())), count_(filledList(reports::ephemerisCountItems())),
      end_(new QLineEdit) {
    setWindowTitle(QStringLiteral("Ephemeris"));
    end_->setReadOnly(true);
    auto* layout = new QVBoxLayout(this);
    auto* grid = dateGrid(dates_);
    grid->addWidget(new QLabel(QStringLiteral("Object :")), 2, 0);
    grid->addWidget(object_, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("Step :")), 2, 2);
    grid->addWidget(step_, 2, 3);
    grid->addWidget(new QLabel(QStringLiteral("Number of data :")), 3, 0);
    grid->addWidget(count_, 3, 1);
    grid->addWidget(new QLabel(QStringLiteral("End :")), 3, 2);
    grid->addWidget(end_, 3, 3);
    layout->addLayout(grid);
    show_ = new QPushButton(QStringLiteral("Ephemeris"));
    save_ = new QPushButton(QStringLiteral("Save"));
    exit_ = new QPushButton(QStringLiteral("Exit"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(show_);
    buttons->addWidget(save_);
    buttons->addStretch();
    buttons->addWidget(exit_);
    layout->addLayout(buttons);
    layout->addWidget(text_, 1);
    connect(show_, &QPushButton::clicked, this, [this] { showEphemeris(); });
    connect(save_, &QPushButton::clicked, this, [this] { saveEphemeris(); });
    connect(exit_, &QPushButton::clicked, this, &QDialog::accept);

    text_->setPlainText(QStringLiteral("Choose object and date\nThen click on the button \"Ephemeris\""));
    if (object_->count() > 1) object_->setCurrentIndex(1);
    computeEndDate();
    // The "End :" box follows every choice that moves the last line.
    connect(dates_, &ReportDateLists::changed, this, &TDialogEphemeride::computeEndDate);
    connect(step_, &QComboBox::currentIndexChanged, this, &TDialogEphemeride::computeEndDate);
    connect(count_, &QComboBox::currentIndexChanged, this, &TDialogEphemeride::computeEndDate);
    alignColumns();
}

// Tab stops, in characters of the fixed font, where the table's header and its lines meet:
// the header reaches each column with one tab more than the lines, whose cells have their own
// widths ("%dh %d/%d/%d\t  ", 11-character right ascensions, 11- or 12-character declinations,
// "  %3.2lf\t\t" magnitudes, "%3.2lf\t" phases), so a stop sits between a cell's end and the
// header word's end. Past the last column the stops are every 8 characters.
void TDialogEphemeride::alignColumns() {
    const qreal ch = text_->fontMetrics().horizontalAdvance(QLatin1Char(' '));
    QTextOption option = text_->document()->defaultTextOption();
    QList<QTextOption::Tab> tabs;
    for (int column : {16, 18, 31, 36, 50, 58, 62})
        tabs.append(QTextOption::Tab(column * ch, QTextOption::LeftTab));
    for (int column = 64; column <= 160; column += 8)
        tabs.append(QTextOption::Tab(column * ch, QTextOption::LeftTab));
    option.setTabs(tabs);
    text_->document()->setDefaultTextOption(option);
}

void TDialogEphemeride::computeEndDate() {
    dates_->store(date_);
    end_->setText(QString::fromStdString(reports::ephemerisEndText(date_, std::max(step_->currentIndex(), 0),
                                                                   std::max(count_->currentIndex(), 0))));
}

std::string TDialogEphemeride::writeReport() {
    dates_->store(date_);
    xfer = {object_->currentIndex(), std::max(step_->currentIndex(), 0), std::max(count_->currentIndex(), 0)};
    return reports::ephemerisText(model_, date_, {xfer.object, xfer.step, xfer.count});
}

void TDialogEphemeride::accept() {
    dates_->store(date_);
    QDialog::accept();
}

void TDialogEphemeride::reject() {
    date_ = opened_;
    QDialog::reject();
}

// --- forecast ----------------------------------------------------------------------------------------

TDialogPrevision::TDialogPrevision(systeme& model, date2& date, Prompter& prompter, QWidget* parent)
    : ReportDialog(model, date, prompter, parent) {
    setWindowTitle(QStringLiteral("Interesting phenomea prevision"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(dateGrid(dates_));
    show_ = new QPushButton(QStringLiteral("Prevision"));
    save_ = new QPushButton(QStringLiteral("Save"));
    exit_ = new QPushButton(QStringLiteral("Exit"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(show_);
    buttons->addWidget(save_);
    buttons->addStretch();
    buttons->addWidget(exit_);
    layout->addLayout(buttons);
    layout->addWidget(text_, 1);
    connect(show_, &QPushButton::clicked, this, [this] { showPrevision(); });
    connect(save_, &QPushButton::clicked, this, [this] { savePrevision(); });
    connect(exit_, &QPushButton::clicked, this, &QDialog::accept);
    text_->setPlainText(QStringLiteral("Choose date\nThen click on the button \"Prevision\""));
    // The forecast is prose: its lines wrap at the box's width (the ephemeris table does not).
    text_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
}

std::string TDialogPrevision::writeReport() {
    dates_->store(date_);
    reports::ForecastOptions options;
    options.logPath = reportdialogs::workingFile("LogFile.txt");
    return reports::forecastText(model_, date_, options);
}

void TDialogPrevision::accept() {
    dates_->store(date_);
    text_->clear();
    QDialog::accept();
}

void TDialogPrevision::reject() {
    date_ = opened_;
    text_->clear();
    QDialog::reject();
}
