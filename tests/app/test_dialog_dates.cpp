// SPDX-License-Identifier: GPL-3.0-or-later
// The dates and places chosen in the dialogs: the date dialog's minutes and "Now", minute 0 in
// the dialogs that offer whole hours, typed years and their range message, the city filter of
// the localisation dialog, the ephemeris dialog's "End :" box and columns, the magnitude dialog
// in automatic mode, the smallest window and the running animation's step.
#include "../common/test_window.h"
#include "app/animation.h"
#include "app/animation_step.h"
#include "app/commands.h"
#include "app/dialogs/date_dialog.h"
#include "app/dialogs/date_lists.h"
#include "app/dialogs/localisation_dialog.h"
#include "app/dialogs/magnitude_dialogs.h"
#include "app/dialogs/report_dialogs.h"
#include "app/dialogs/settings_commands.h"
#include "app/dialogs/skymap_dialog.h"
#include "app/toolbar.h"
#include "app/toolbar_icons.h"
#include "app/window.h"
#include "astro/clock.h"
#include "catalog/prompter.h"
#include "catalog/systeme.h"
#include "gfx/parametre_affichage.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

void typeKeys(QWidget* target, const QString& text) {
    for (QChar c : text) {
        int key = int(c.toUpper().unicode());
        if (c.isDigit()) key = int(Qt::Key_0) + c.digitValue();
        if (c == QLatin1Char('-')) key = int(Qt::Key_Minus);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, press.key(), Qt::NoModifier, QString(c));
        QApplication::sendEvent(target, &release);
    }
}

void leaveList(QWidget* list) {
    QFocusEvent out(QEvent::FocusOut);
    QApplication::sendEvent(list, &out);
}

void pressEnter(QWidget* target) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(target, &press);
}

class DialogDates : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(toolbar::registerIcons(), 0);
        ini = (fs::temp_directory_path() / "nalvo_dialog_dates.ini").string();
        fs::remove(ini);
        w = std::make_unique<TPlanetariumWindow>(prompter, ini);
        ASSERT_TRUE(startTestWindow(*w));
        savedRunner = commands::dialogRunner();
        savedClock = TDialogDate::clock();
        savedMessage = datelists::yearRangeMessage();
        datelists::yearRangeMessage() = [this](QWidget*, const QString& text) { messages.push_back(text); };
        // Keys sent one after another belong to one typed number however slowly the test runs.
        interval = QApplication::keyboardInputInterval();
        QApplication::setKeyboardInputInterval(1 << 30);
    }
    void TearDown() override {
        QApplication::setKeyboardInputInterval(interval);
        commands::dialogRunner() = savedRunner;
        TDialogDate::clock() = savedClock;
        datelists::yearRangeMessage() = savedMessage;
        w.reset();
        fs::remove(ini);
    }
    RecordingPrompter prompter;
    std::string ini;
    std::unique_ptr<TPlanetariumWindow> w;
    std::function<int(QDialog&)> savedRunner;
    std::function<date2()> savedClock;
    std::function<void(QWidget*, const QString&)> savedMessage;
    std::vector<QString> messages;
    int interval = 0;
};

} // namespace

TEST_F(DialogDates, NowFillsTheClocksUniversalTimeAndOkTakesItWithItsMinute) {
    // 1805003250 s after 1970 January 1, 0 h UT is 2027 March 14, 5:47:30 UT (Python's datetime).
    TDialogDate::clock() = [] { return universalTimeAt(1805003250); };
    w->view = 13;
    w->date->minute = 12;
    w->date->calculeT();
    QString shown;
    commands::dialogRunner() = [&shown](QDialog& d) {
        auto& dialog = dynamic_cast<TDialogDate&>(d);
        dialog.nowButton()->click();
        shown = dialog.yearList()->currentText() + " " + dialog.monthList()->currentText() + " " +
                dialog.dayList()->currentText() + " " + dialog.hourList()->currentText() + ":" +
                dialog.minuteList()->currentText();
        dialog.accept();
        return int(dialog.result());
    };
    ASSERT_TRUE(settingscommands::openDate(*w));
    EXPECT_EQ(shown.toStdString(), "2027 March 14 5:47");
    EXPECT_EQ(w->date->annee, 2027);
    EXPECT_EQ(w->date->mois, 3);
    EXPECT_EQ(w->date->jour, 14);
    EXPECT_EQ(w->date->heure, 5);
    EXPECT_EQ(w->date->minute, 47);
    // T of 2027 March 14, 5:47 UT: JD 2461478.7409722 (PyEphem's julian_date), less
    // JD 2415020.0, in Julian centuries.
    EXPECT_NEAR(double(w->date->t), (2461478.7409722 - 2415020.0) / 36525.0, 1e-10);
}

TEST_F(DialogDates, DateDialogListsMinutesAndOkTakesTheChosenMinute) {
    date2& d = *w->date;
    d.minute = 38;
    d.calculeT();
    TDialogDate dialog(d);
    ASSERT_EQ(dialog.minuteList()->count(), 60);
    EXPECT_EQ(dialog.minuteList()->itemText(0), "0");
    EXPECT_EQ(dialog.minuteList()->itemText(59), "59");
    EXPECT_EQ(dialog.minuteList()->currentText(), "38");
    dialog.minuteList()->setCurrentIndex(5);
    dialog.accept();
    EXPECT_EQ(d.minute, 5);
    EXPECT_EQ(d.heure, 20);
}

TEST_F(DialogDates, DialogsThatOfferWholeHoursSetMinuteZero) {
    // The position for "14h" is the position at 14:00 whatever the minute of the clock.
    date2& d = *w->date;
    d.heure = 14;
    d.minute = 37;
    d.calculeT();
    {
        TDialogPosition dialog(*w->sys, d, w.get());
        dialog.dates()->hour->setCurrentIndex(14);
        dialog.accept();
    }
    EXPECT_EQ(d.heure, 14);
    EXPECT_EQ(d.minute, 0);
    // 2026 December 9, 14:00 UT: JD 2461384.0833333 (PyEphem's julian_date).
    EXPECT_NEAR(double(d.t), (2461384.0833333 - 2415020.0) / 36525.0, 1e-10);

    d.minute = 37;
    d.calculeT();
    skyMapXfer x;
    int projection = 4, corners[8] = {};
    x.date = &d;
    x.projection = &projection;
    x.quadRa1 = &corners[0];
    x.quadDec1 = &corners[1];
    x.quadRa2 = &corners[2];
    x.quadDec2 = &corners[3];
    x.azimAz1 = &corners[4];
    x.azimEl2 = &corners[5];
    x.azimAz2 = &corners[6];
    x.azimEl1 = &corners[7];
    x.sys = w->sys.get();
    TSkyMapDialog sky(x, {{"France-Annecy", 45.9, -6.13}}, ini);
    sky.accept();
    EXPECT_EQ(d.minute, 0);
}

TEST_F(DialogDates, ATypedYearIsThatYearAndOneOutsideTheListGetsTheRangeMessage) {
    TDialogDate dialog(*w->date);
    QComboBox* years = dialog.yearList();
    typeKeys(years, "1987");
    EXPECT_EQ(years->currentText(), "1987");
    EXPECT_TRUE(messages.empty());
    leaveList(years); // the next keys make a new number
    typeKeys(years, "5000");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].toStdString(), "The year must be from -100 to 2999.");
    EXPECT_EQ(years->currentText(), "1987") << "not 500";
    // The same in the report dialogs' lists, and below the first year.
    TDialogPosition position(*w->sys, *w->date, w.get());
    typeKeys(position.dates()->year, "-101");
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(position.dates()->year->currentText(), "2026");
    typeKeys(position.dates()->year, "-44");
    EXPECT_EQ(position.dates()->year->currentText(), "-44");
    EXPECT_EQ(messages.size(), 2u);
}

TEST_F(DialogDates, CityFilterFindsAnyPartOfTheNameAndEnterTakesTheFirstMatch) {
    // Through the real command and the shipped ville.syt, where Tokyo is "Japan-Tokyo" at
    // latitude 35.6544 and longitude -139.7447 (east negative).
    bool okPressed = false;
    commands::dialogRunner() = [&](QDialog& d) {
        auto& dialog = dynamic_cast<TDialogLocalisation&>(d);
        QComboBox* list = dialog.observerList();
        const int tokyo = list->findText("Japan-Tokyo");
        const int annecy = list->findText("France-Annecy");
        EXPECT_GE(tokyo, 0);
        EXPECT_GE(annecy, 0);
        typeKeys(dialog.cityFilter(), "tokyo");
        EXPECT_EQ(dialog.cityFilter()->text(), "tokyo");
        EXPECT_TRUE(dialog.cityShown(tokyo));
        EXPECT_FALSE(dialog.cityShown(annecy));
        int shown = 0;
        for (int i = 0; i < list->count() - 1; ++i)
            shown += dialog.cityShown(i);
        EXPECT_EQ(shown, 1) << "only Tokyo holds \"tokyo\"";
        EXPECT_EQ(list->currentText(), "France-Annecy") << "typing only filters";
        pressEnter(dialog.cityFilter());
        EXPECT_EQ(list->currentText(), "Japan-Tokyo");
        okPressed = dialog.result() == QDialog::Accepted;
        EXPECT_FALSE(okPressed) << "Enter in the field is not OK";
        dialog.accept();
        return int(dialog.result());
    };
    ASSERT_TRUE(settingscommands::openLocalisation(*w));
    EXPECT_STREQ(w->sys->cityName, "Japan-Tokyo");
    EXPECT_NEAR(w->sys->latitude, 35.6544, 1e-9);
    EXPECT_NEAR(w->sys->longitude, -139.7447, 1e-9);
}

TEST_F(DialogDates, EphemerisEndBoxFollowsTheStepAndTheCount) {
    // 2026 December 9, 20 h; 20 daily steps end 480 hours later, on December 29.
    TDialogEphemeride dialog(*w->sys, *w->date, prompter, w.get());
    EXPECT_EQ(dialog.endBox()->text(), "10/12/2026") << "five steps of one hour from 20 h";
    dialog.stepList()->setCurrentIndex(1);  // "1 day"
    dialog.countList()->setCurrentIndex(3); // "20"
    ASSERT_EQ(dialog.countList()->currentText(), "20");
    EXPECT_EQ(dialog.endBox()->text(), "29/12/2026");
    dialog.dates()->month->setCurrentIndex(0); // January: 2026 January 29
    EXPECT_EQ(dialog.endBox()->text(), "29/1/2026");
}

TEST_F(DialogDates, EphemerisHeadersStandOverTheirColumns) {
    TDialogEphemeride dialog(*w->sys, *w->date, prompter, w.get());
    dialog.resize(900, 500);
    dialog.show();
    ASSERT_EQ(dialog.objectList()->currentText(), "Mercury");
    dialog.showEphemeris();
    QPlainTextEdit* box = dialog.textBox();
    QTextDocument* doc = box->document();
    // x where the text from `column` on starts in the line that holds `needle`.
    const auto xOf = [&](const QString& needle, const QString& from) {
        for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
            if (b.text().contains(needle)) {
                QTextCursor c(b);
                c.setPosition(b.position() + int(b.text().indexOf(from)));
                return box->cursorRect(c).x();
            }
        ADD_FAILURE() << needle.toStdString();
        return -1;
    };
    const QString header = "Date\t\tRight Ascension\tDeclination\tMagnitude\tAngular diameter";
    QString line;
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
        if (b.text().startsWith("20h 9/12/2026")) line = b.text();
    ASSERT_FALSE(line.isEmpty()) << box->toPlainText().toStdString();
    const QStringList cells = line.split('\t', Qt::SkipEmptyParts);
    ASSERT_GE(cells.size(), 5);
    ASSERT_GE(doc->toPlainText().indexOf(header), 0);
    const int space = box->fontMetrics().horizontalAdvance(QLatin1Char(' '));
    // Each header word starts over its cell: from the cell's first character to its first
    // non-blank one (the cells "  RA", "  magnitude" and "   diameter" open with blanks of their
    // own), a pixel either side. Before, the headers fell 4 to 8 characters left of the cells.
    const char* words[] = {"Right Ascension", "Declination", "Magnitude", "Angular diameter"};
    for (int k = 0; k < 4; ++k) {
        const int hx = xOf(header, words[k]);
        const QString cell = cells[k + 1];
        const int cx = xOf("20h 9/12/2026", cell);
        const int blanks = int(cell.size() - cell.trimmed().size());
        EXPECT_GE(hx, cx - 1) << words[k] << " at " << hx << ", its cell at " << cx;
        EXPECT_LE(hx, cx + blanks * space + 1) << words[k] << " at " << hx << ", its cell at " << cx;
    }
}

TEST_F(DialogDates, MagnitudeFieldAndBarAreOffInAutomaticMode) {
    ParametreAffichage o;
    o.autoMagnitude = true;
    TDialogMagnitude dialog(o, ini);
    EXPECT_FALSE(dialog.field()->isEnabled());
    EXPECT_FALSE(dialog.scrollBar()->isEnabled());
    dialog.automatic()->setChecked(false);
    EXPECT_TRUE(dialog.field()->isEnabled());
    EXPECT_TRUE(dialog.scrollBar()->isEnabled());
    TDialogCatalogueMagnitude catalogue(o, ini);
    EXPECT_TRUE(catalogue.starBar()->isEnabled());
    catalogue.automatic()->setChecked(true);
    EXPECT_FALSE(catalogue.starBar()->isEnabled());
    EXPECT_FALSE(catalogue.starField()->isEnabled());
    EXPECT_TRUE(catalogue.gscMinBar()->isEnabled()) << "the catalogue's bounds stay editable";
}

TEST_F(DialogDates, TheWindowKeepsItsToolbarAndLegendWhole) {
    QMainWindow frame;
    auto* client = new TPlanetariumWindow(prompter, ini);
    frame.setCentralWidget(client);
    ASSERT_TRUE(startTestWindow(*client));
    frame.show();
    frame.resize(500, 300);
    QApplication::processEvents();
    EXPECT_GE(client->width(), 766) << "the \" Internet \" button at x = 513 needs mapWidth 534";
    EXPECT_GE(client->height(), 500);
    // In the circular projection with its legend, every toolbar button is drawn: the last one,
    // " Internet " at x = 513, is not the plain background there.
    client->onSize(client->width(), client->height());
    client->view = 13;
    client->showLegend = true;
    client->redraw();
    const unsigned background = client->memDC[0]->pixel(540, 40) & 0xffffffu;
    int drawn = 0;
    for (int y = 4; y < 30; ++y)
        for (int x = 514; x < 533; ++x)
            drawn += (client->memDC[0]->pixel(x, y) & 0xffffffu) != background;
    EXPECT_GT(drawn, 20);
}

TEST_F(DialogDates, RunningAnimationShowsItsStepInTheTitleAndThePlayTooltip) {
    EXPECT_EQ(anim::stepText(2, 1), "+2 h per step");
    EXPECT_EQ(anim::stepText(-5, -1), "-5 min per step");
    commands::enterSkyView(*w, 13);
    w->skyStep = 2;
    commands::runAnimation(*w, 1);
    ASSERT_TRUE(w->skyRunning);
    EXPECT_EQ(w->windowTitle().toStdString(), "Nalvo (+2 h per step)");
    EXPECT_STREQ((*w->boutons)[toolbar::kPlay].tooltip, " Play (+2 h per step) ");
    // The greyed " Play " button still shows its tooltip while the animation runs.
    EXPECT_EQ(w->boutons->buttonWithTooltipAt(370, 8), toolbar::kPlay);
    commands::runAnimation(*w, 0);
    ASSERT_FALSE(w->skyRunning);
    EXPECT_EQ(w->windowTitle().toStdString(), "Nalvo");
    EXPECT_STREQ((*w->boutons)[toolbar::kPlay].tooltip, " Play ");
    // The heliocentric animation backwards at 24 hours a step.
    commands::enterHeliocentricView(*w);
    commands::runAnimation(*w, -1);
    ASSERT_TRUE(w->helioRunning);
    EXPECT_EQ(w->windowTitle().toStdString(), "Nalvo (-24 h per step)");
}

TEST_F(DialogDates, PositionEscapeLeavesViewAndDateWhileExitShowsTheTitlePicture) {
    commands::enterSkyView(*w, 13);
    const date2 before = *w->date;
    commands::dialogRunner() = [](QDialog& d) {
        auto& dialog = dynamic_cast<TDialogPosition&>(d);
        dialog.dates()->day->setCurrentIndex(19); // the position of December 20 is shown
        dialog.reject();                          // Escape
        return int(dialog.result());
    };
    ASSERT_TRUE(commands::run(*w, 107));
    EXPECT_EQ(w->view, 13);
    EXPECT_EQ(w->date->t, before.t);
    EXPECT_EQ(w->date->jour, 9);
    // "Exit" confirms: the date of the lists, and the title picture as the position command does.
    commands::dialogRunner() = [](QDialog& d) {
        auto& dialog = dynamic_cast<TDialogPosition&>(d);
        dialog.dates()->day->setCurrentIndex(19);
        dialog.accept();
        return int(dialog.result());
    };
    ASSERT_TRUE(commands::run(*w, 107));
    EXPECT_EQ(w->view, 1);
    EXPECT_EQ(w->date->jour, 20);
}
