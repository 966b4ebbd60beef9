// SPDX-License-Identifier: GPL-3.0-or-later
// The report dialogs: TDialogPosition (one body's place, recomputed at every change),
// TDialogEphemeride (a table of positions) and TDialogPrevision (the night's forecast). They work
// on the main window's date and model, change the date, and show reports in a text box.
#pragma once

#include <QDialog>
#include <functional>
#include <string>

#include "astro/date2.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class Prompter;
class systeme;

// The selections of the position dialog.
struct positionXfer {
    int object = 1;
};
// The selections of the ephemeris dialog.
struct ephemerideXfer {
    int object = 1;
    int step = 0;
    int count = 0;
};

namespace reportdialogs {
// How "Save" asks for the file: the chosen path, or "" when cancelled. Tests replace it.
std::function<std::string(QWidget* parent, const QString& title)>& saveFileChooser();
// Where the preview file "temp.syt" and the trace "LogFile.txt" are written.
std::string workingFile(const char* name);
} // namespace reportdialogs

// The year, month, day and hour lists every report dialog has, kept consistent.
class ReportDateLists : public QObject {
    Q_OBJECT
  public:
    ReportDateLists(QWidget* parent, const date2& date);
    QComboBox* year;
    QComboBox* month;
    QComboBox* day;
    QComboBox* hour;
    // Writes year, month, day and hour into `date` (minute 0) and recomputes t.
    void store(date2& date) const;
  signals:
    void changed();
};

class TDialogPosition : public QDialog {
    Q_OBJECT
  public:
    TDialogPosition(systeme& model, date2& date, QWidget* parent = nullptr);
    ReportDateLists* dates() const { return dates_; }
    QComboBox* objectList() const { return object_; }
    // Declination degrees, minutes, seconds; right ascension hours, minutes, seconds; distance.
    QLineEdit* box(int k) const { return boxes_[k]; }
    // The rise, transit and set of the body for the settings' place, in its local day.
    QLabel* riseTransitSetLabel() const { return riseTransitSet_; }
    void computePosition();
    void accept() override;
    void reject() override;
    positionXfer xfer;

  private:
    systeme& model_;
    date2& date_;
    date2 opened_; // the date as the dialog found it, which closing without "Exit" puts back
    ReportDateLists* dates_;
    QComboBox* object_;
    QLineEdit* boxes_[7];
    QLabel* riseTransitSet_;
};

// The text box, the "Please wait..." text and the file dialog shared by the two report dialogs.
class ReportDialog : public QDialog {
    Q_OBJECT
  public:
    QPlainTextEdit* textBox() const { return text_; }
    QPushButton* showButton() const { return show_; }
    QPushButton* saveButton() const { return save_; }
    QPushButton* exitButton() const { return exit_; }

  protected:
    ReportDialog(systeme& model, date2& date, Prompter& prompter, QWidget* parent);
    // The report's bytes for the dialog's current choices (moves the shared date).
    virtual std::string writeReport() = 0;
    // Writes the report to "temp.syt" and shows that file, all of it, in the text box.
    void showReport();
    // Asks for a file and writes the report there; says so only when it was written.
    void saveReport(const QString& title, const char* savedText);

    systeme& model_;
    date2& date_;
    date2 opened_; // the date as the dialog found it, which closing without "Exit" puts back
    Prompter& prompter_;
    ReportDateLists* dates_ = nullptr;
    QPlainTextEdit* text_ = nullptr;
    QPushButton* show_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* exit_ = nullptr;
};

class TDialogEphemeride : public ReportDialog {
    Q_OBJECT
  public:
    TDialogEphemeride(systeme& model, date2& date, Prompter& prompter, QWidget* parent = nullptr);
    ReportDateLists* dates() const { return dates_; }
    QComboBox* objectList() const { return object_; }
    QComboBox* stepList() const { return step_; }
    QComboBox* countList() const { return count_; }
    QLineEdit* endBox() const { return end_; }
    void computeEndDate();
    void showEphemeris() { showReport(); }
    void saveEphemeris() { saveReport(QStringLiteral("Save ephemeris"), "Ephemeris saved"); }
    void accept() override;
    void reject() override;
    ephemerideXfer xfer;

  protected:
    std::string writeReport() override;

  private:
    void alignColumns();
    QComboBox* object_;
    QComboBox* step_;
    QComboBox* count_;
    QLineEdit* end_;
};

class TDialogPrevision : public ReportDialog {
    Q_OBJECT
  public:
    TDialogPrevision(systeme& model, date2& date, Prompter& prompter, QWidget* parent = nullptr);
    ReportDateLists* dates() const { return dates_; }
    void showPrevision() { showReport(); }
    void savePrevision() { saveReport(QStringLiteral("Save prevision"), "Prevision saved"); }
    void accept() override;
    void reject() override;

  protected:
    std::string writeReport() override;
};
