// SPDX-License-Identifier: GPL-3.0-or-later
// TDialogAsteroides ("Asteroids"): chooses which of the loaded asteroids and comets are shown.
// The left list holds the bodies brighter than the limit (box and scroll bar, 0 to 20.0), the
// right list the bodies shown, in the order they were added. The selection changes in the model
// at once; Cancel puts back the one the dialog opened with, OK keeps it and writes the limit and
// the selection to "Nalvo.ini".
#pragma once

#include <QDialog>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollBar;
class systeme;

struct asteroidesXfer {
    systeme* sys = nullptr;
    std::string iniPath; // "" for the user's Nalvo.ini
};

class TDialogAsteroides : public QDialog {
    Q_OBJECT
  public:
    explicit TDialogAsteroides(asteroidesXfer xfer, QWidget* parent = nullptr);

    QListWidget* bodyList() const { return left_; }   // "List of asteroids"
    QListWidget* shownList() const { return right_; } // "Displayed asteroids"
    QLineEdit* limitEdit() const { return limitEdit_; }
    QScrollBar* limitBar() const { return bar_; }
    QLabel* magnitudeText() const { return magnitude_; }
    QPushButton* addButton() const { return add_; }
    QPushButton* addAllButton() const { return addAll_; }
    QPushButton* removeButton() const { return remove_; }
    QPushButton* removeAllButton() const { return removeAll_; }
    double limit() const { return limit_; }
    // Comet index of each row of the left list.
    const std::vector<int>& rowIndices() const { return rows_; }

    void accept() override;
    void reject() override;
    // Why the settings could not be written by OK ("" when they were).
    const std::string& saveError() const { return saveError_; }

    // The dialog's actions, as its buttons run them.
    void addSelected();
    void addAll();
    void removeSelected();
    void removeAll();

  private:
    void filter();
    void fillShown();
    void limitTyped(const QString& text);
    void barMoved(int position);
    void leftSelectionChanged();

    asteroidesXfer xfer_;
    std::string saveError_;
    std::vector<int> before_;
    double limit_ = 7.0;
    std::vector<int> rows_;
    QListWidget* left_;
    QListWidget* right_;
    QLineEdit* limitEdit_;
    QScrollBar* bar_;
    QLabel* magnitude_;
    QPushButton* add_;
    QPushButton* addAll_;
    QPushButton* remove_;
    QPushButton* removeAll_;
};
