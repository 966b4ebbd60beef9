// SPDX-License-Identifier: GPL-3.0-or-later
// The report dialogs on a real window (offscreen): the position dialog recomputed at each change,
// the day list rule, the ephemeris and forecast previews (the whole file, decoded from
// Windows-1252), "Save" written where the user chose and reported truthfully, and the commands,
// toolbar button and keys that open the dialogs.
#include "app/commands.h"
#include "app/dialogs/report_dialogs.h"
#include "app/input.h"
#include "app/toolbar.h"
#include "app/toolbar_icons.h"
#include "app/window.h"
#include "catalog/prompter.h"
#include "reports/day_info.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), {});
}

class ReportDialogs : public ::testing::Test {
  protected:
    RecordingPrompter prompter;
    std::unique_ptr<TPlanetariumWindow> w;
    std::string ini;
    void SetUp() override {
        ASSERT_EQ(toolbar::registerIcons(), 0);
        ini = (fs::temp_directory_path() / "nalvo_report_dialogs.ini").string();
        fs::remove(ini);
        w = std::make_unique<TPlanetariumWindow>(prompter, ini);
        ASSERT_TRUE(w->onSetup(nullptr));
        commands::markAvailableButtons(*w);
        w->firstTickDone = true;
        date2& d = *w->date;
        d.annee = 2026;
        d.mois = 10;
        d.jour = 5;
        d.heure = 12;
        d.minute = 0;
        d.calculeT();
        w->sys->latitude = 45.9;
        w->sys->longitude = -6.12;
        w->onSize(780, 500);
    }
    void TearDown() override {
        commands::dialogRunner() = [](QDialog& d) { return d.exec(); };
        reportdialogs::saveFileChooser() = nullptr;
        w.reset();
    }
};

TEST_F(ReportDialogs, PositionFollowsEveryListAndExitSetsTheDate) {
    TDialogPosition dialog(*w->sys, *w->date, w.get());
    // Opened on the current date with the first planet selected and its place shown.
    EXPECT_EQ(dialog.objectList()->currentText(), "Mercury");
    EXPECT_EQ(dialog.dates()->year->currentText(), "2026");
    EXPECT_FALSE(dialog.box(6)->text().isEmpty());
    // The Earth keeps no geocentric place.
    dialog.objectList()->setCurrentIndex(3);
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(dialog.box(k)->text(), "0") << k;
    EXPECT_EQ(dialog.box(6)->text(), "0.0000 AU");
    // The Moon: thousandths of an AU.
    dialog.objectList()->setCurrentIndex(dialog.objectList()->count() - 1);
    EXPECT_EQ(dialog.objectList()->currentText(), "Moon");
    EXPECT_TRUE(dialog.box(6)->text().endsWith(" mAU")) << dialog.box(6)->text().toStdString();
    const QString before = dialog.box(3)->text() + dialog.box(4)->text();
    dialog.dates()->day->setCurrentIndex(9); // the Moon moves 5 hours of RA in 10 days
    EXPECT_NE(dialog.box(3)->text() + dialog.box(4)->text(), before);
    EXPECT_EQ(w->date->jour, 10);
    dialog.dates()->hour->setCurrentIndex(20);
    dialog.accept();
    EXPECT_EQ(w->date->heure, 20);
    EXPECT_EQ(w->date->jour, 10);
}

// The rise, transit and set line for the settings' place: the Sun at Tromso on 2026 December 11
// (UT + 1) stays below the horizon and culminates at 10:37:23 UT, 2.666 deg below it
// (tests/data/riseset_reference.csv, Astronomy Engine). The Earth has no such line.
TEST_F(ReportDialogs, PositionShowsRiseTransitAndSetForThePlace) {
    w->sys->latitude = 69.6496;
    w->sys->longitude = -18.9553;
    w->date->decalageLieu = 1;
    TDialogPosition dialog(*w->sys, *w->date, w.get());
    dialog.dates()->year->setCurrentIndex(2026 + 100);
    dialog.dates()->month->setCurrentIndex(11);
    dialog.dates()->day->setCurrentIndex(10);
    dialog.dates()->hour->setCurrentIndex(12);
    dialog.objectList()->setCurrentIndex(0);
    EXPECT_EQ(dialog.objectList()->currentText(), "Sun");
    EXPECT_EQ(dialog.riseTransitSetLabel()->text(),
              QString::fromUtf8("Rise -, transit 11h37 at -2.7\u00B0, set - (local time)."));
    dialog.objectList()->setCurrentIndex(3);
    EXPECT_EQ(dialog.objectList()->currentText(), "Earth");
    EXPECT_TRUE(dialog.riseTransitSetLabel()->text().isEmpty());
}

TEST_F(ReportDialogs, FebruaryOf1900HasTwentyNineDays) {
    TDialogPosition dialog(*w->sys, *w->date, w.get());
    dialog.dates()->day->setCurrentIndex(30); // October 31
    dialog.dates()->year->setCurrentIndex(1900 + 100);
    dialog.dates()->month->setCurrentIndex(1);
    EXPECT_EQ(dialog.dates()->day->count(), 29);
    EXPECT_EQ(dialog.dates()->day->currentIndex(), 28); // the last day left
    dialog.dates()->year->setCurrentIndex(1901 + 100);
    EXPECT_EQ(dialog.dates()->day->count(), 28);
}

TEST_F(ReportDialogs, EphemerisPreviewShowsTheWholeFileDecoded) {
    TDialogEphemeride dialog(*w->sys, *w->date, prompter, w.get());
    EXPECT_EQ(dialog.textBox()->toPlainText(),
              "Choose object and date\nThen click on the button \"Ephemeris\"");
    EXPECT_EQ(dialog.objectList()->currentText(), "Mercury");
    EXPECT_EQ(dialog.endBox()->text(), "5/10/2026"); // five hours later
    dialog.stepList()->setCurrentIndex(365);
    EXPECT_EQ(dialog.endBox()->text(), "4/10/2031"); // five steps of 365 days, one of them leap
    dialog.countList()->setCurrentIndex(19);
    dialog.objectList()->setCurrentIndex(dialog.objectList()->count() - 1); // Moon, 100 lines
    dialog.showButton()->click();
    const std::string file = readBytes(reportdialogs::workingFile("temp.syt"));
    ASSERT_GT(file.size(), 5000u);
    EXPECT_EQ(dialog.textBox()->toPlainText(),
              QString::fromLatin1(file.data(), static_cast<qsizetype>(file.size())));
    EXPECT_NE(file.find("\xB0 "), std::string::npos);
    EXPECT_TRUE(dialog.textBox()->toPlainText().contains(QStringLiteral("° ")));
    EXPECT_TRUE(dialog.textBox()->toPlainText().endsWith("*-*-* Nalvo *-*-*"));
    EXPECT_TRUE(prompter.entries.empty());
}

TEST_F(ReportDialogs, SaveWritesWhereChosenAndSaysSoOnlyWhenWritten) {
    const fs::path folder = fs::temp_directory_path() / "chosen folder";
    fs::create_directories(folder);
    std::string chosen = (folder / "ephem").string();
    QString title;
    reportdialogs::saveFileChooser() = [&](QWidget*, const QString& t) {
        title = t;
        return chosen;
    };
    TDialogEphemeride dialog(*w->sys, *w->date, prompter, w.get());
    dialog.saveButton()->click();
    EXPECT_EQ(title, "Save ephemeris");
    // The default extension, in the folder the user chose (not the working directory).
    const std::string written = readBytes((folder / "ephem.TXT").string());
    EXPECT_EQ(written.substr(0, 28), "\t\t\tEphemeris of Mercure\n\t\t\t-");
    ASSERT_EQ(prompter.entries.size(), 1u);
    EXPECT_EQ(prompter.entries[0].text, "Ephemeris saved");
    EXPECT_EQ(prompter.entries[0].caption, "NALVO information");

    prompter.clear();
    chosen = (folder / "missing" / "ephem.txt").string();
    dialog.saveButton()->click();
    ASSERT_EQ(prompter.entries.size(), 1u);
    EXPECT_EQ(prompter.entries[0].caption, "Nalvo -- Error");
    EXPECT_NE(prompter.entries[0].text.find("missing"), std::string::npos);
    EXPECT_FALSE(fs::exists(folder / "missing"));

    // Cancelled: nothing at all.
    prompter.clear();
    chosen.clear();
    dialog.saveButton()->click();
    EXPECT_TRUE(prompter.entries.empty());
}

TEST_F(ReportDialogs, PrevisionPreviewSaveAndExit) {
    TDialogPrevision dialog(*w->sys, *w->date, prompter, w.get());
    EXPECT_EQ(dialog.windowTitle(), "Interesting phenomea prevision");
    EXPECT_EQ(dialog.textBox()->toPlainText(), "Choose date\nThen click on the button \"Prevision\"");
    dialog.showButton()->click();
    const QString shown = dialog.textBox()->toPlainText();
    EXPECT_TRUE(shown.startsWith("The time correspond to local time of")) << shown.toStdString();
    // Mars rises after midnight on that night: the French sentence reads right.
    EXPECT_TRUE(shown.contains(QStringLiteral(" Mars se lève à "))) << shown.toStdString();
    EXPECT_EQ(readBytes(reportdialogs::workingFile("temp.syt")).find("Mars se l\xE8ve \xE0 ") !=
                  std::string::npos,
              true);
    EXPECT_EQ(readBytes(reportdialogs::workingFile("LogFile.txt")).substr(0, 27),
              "LOGFILE PREVISION -- NALVO\n");
    // The report leaves the date at sunrise; Save starts again from the lists.
    const fs::path out = fs::temp_directory_path() / "prevision.txt";
    reportdialogs::saveFileChooser() = [&](QWidget*, const QString& t) {
        EXPECT_EQ(t, "Save prevision");
        return out.string();
    };
    dialog.saveButton()->click();
    // The same night; the dialogs keep the date's minute, which the first report left at the
    // sunrise's (a multiple of five), so only the Julian day differs.
    const std::string saved = readBytes(out.string()),
                      preview = readBytes(reportdialogs::workingFile("temp.syt"));
    ASSERT_FALSE(saved.empty());
    EXPECT_EQ(saved.substr(saved.find("\n\n")), preview.substr(preview.find("\n\n")));
    ASSERT_EQ(prompter.entries.size(), 1u);
    EXPECT_EQ(prompter.entries[0].text, "Prevision saved");
    dialog.accept();
    EXPECT_TRUE(dialog.textBox()->toPlainText().isEmpty());
    EXPECT_EQ(w->date->jour, 5);
    EXPECT_EQ(w->date->heure, 12);
}

TEST_F(ReportDialogs, CommandsButtonAndKeysOpenTheDialogs) {
    std::vector<QString> opened;
    commands::dialogRunner() = [&](QDialog& d) {
        opened.push_back(d.windowTitle());
        return int(QDialog::Accepted);
    };
    w->view = 13;
    w->skyRunning = true;
    EXPECT_TRUE(commands::available(107) && commands::available(135) && commands::available(11846));
    ASSERT_TRUE(commands::run(*w, 107));
    EXPECT_EQ(w->view, 1);
    EXPECT_FALSE(w->skyRunning);
    w->view = 13;
    commands::clickButton(*w, 7); // toolbar button 7: the ephemeris
    EXPECT_EQ(w->view, 1);
    EXPECT_TRUE(input::keyDown(*w, input::kNumpad0 + 7));
    EXPECT_TRUE(input::keyDown(*w, input::kNumpad0 + 8));
    EXPECT_TRUE(input::keyDown(*w, input::kNumpad0 + 9));
    const std::vector<QString> expected = {"Position", "Ephemeris", "Interesting phenomea prevision",
                                           "Ephemeris", "Position"};
    EXPECT_EQ(opened, expected);
}

TEST_F(ReportDialogs, FirstTickShowsTheNoteOfTheDayAndTheMonthsHeading) {
    // 2026-03-03: a total eclipse of the Moon and the full Moon in the shipped files; 2026-03-04:
    // nothing but the month's heading, which is still shown.
    date2 d = *w->date;
    d.annee = 2026;
    d.mois = 3;
    d.jour = 3;
    d.calculeT();
    *w->date = d;
    w->firstTickDone = false;
    w->onTimer();
    ASSERT_EQ(prompter.entries.size(), 1u);
    EXPECT_EQ(prompter.entries[0].caption, "NALVO information");
    EXPECT_NE(prompter.entries[0].text.find("Total eclipse of the Moon"), std::string::npos);
    w->onTimer(); // once only
    EXPECT_EQ(prompter.entries.size(), 1u);

    prompter.clear();
    w->date->jour = 4;
    w->date->calculeT();
    w->firstTickDone = false;
    w->onTimer();
    ASSERT_EQ(prompter.entries.size(), 1u);
    EXPECT_EQ(prompter.entries[0].caption, "NALVO information");
    EXPECT_EQ(prompter.entries[0].text, "\nAstronomical events of March 2026 (times in UT)\n");

    // A month without a file: no message.
    prompter.clear();
    w->date->annee = 2040;
    w->date->calculeT();
    w->firstTickDone = false;
    w->onTimer();
    EXPECT_TRUE(prompter.entries.empty());
}

} // namespace
