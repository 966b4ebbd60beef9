// SPDX-License-Identifier: GPL-3.0-or-later
// The dialogs of the time-span views: TDialogConjonctions ("Conjunction graph") edits the start
// and end of the conjunction and satellite graphs, TDialogDanse ("Dance") the span and the planet
// of the dance. Both change the objects they are given only when confirmed.
#pragma once

#include <QDialog>

#include "astro/date2.h"

class QComboBox;
class SpanDateGroup;
class systeme;

class TDialogConjonctions : public QDialog {
    Q_OBJECT
  public:
    TDialogConjonctions(date2& start, date2& end, QWidget* parent = nullptr);

    SpanDateGroup* startGroup() const { return start_; }
    SpanDateGroup* endGroup() const { return end_; }

    void accept() override;

  private:
    date2& startDate_;
    date2& endDate_;
    SpanDateGroup* start_;
    SpanDateGroup* end_;
};

class TDialogDanse : public QDialog {
    Q_OBJECT
  public:
    // The planet list holds the model's planets in order without the Earth.
    TDialogDanse(date2& start, date2& end, int& danceObject, const systeme& sys, QWidget* parent = nullptr);

    QComboBox* planetList() const { return planets_; }
    SpanDateGroup* startGroup() const { return start_; }
    SpanDateGroup* endGroup() const { return end_; }

    // Planet index of the model for a position in the list: the Earth (index 2) is skipped.
    static int objectOfListIndex(int s) { return s <= 1 ? s : s + 1; }
    static int listIndexOfObject(int object) { return object <= 1 ? object : object - 1; }

    void accept() override;

  private:
    date2& startDate_;
    date2& endDate_;
    int& danceObject_;
    QComboBox* planets_;
    SpanDateGroup* start_;
    SpanDateGroup* end_;
};
