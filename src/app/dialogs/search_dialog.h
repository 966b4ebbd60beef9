// SPDX-License-Identifier: GPL-3.0-or-later
// TDialogSearch: the "Search" dialog. Five buttons fill the "Object :" list with the planets, the
// constellation stars, the Messier or NGC objects or the selected asteroids; "Search" closes it
// with the chosen object, whose stored screen point the window then circles.
#pragma once

#include <QDialog>

#include "skymap/interaction.h"

class QListWidget;
class QPushButton;
class systeme;

class TDialogSearch : public QDialog {
    Q_OBJECT
public:
    // Opens with the planets' list.
    explicit TDialogSearch(const systeme& sys, QWidget* parent = nullptr);

    // Fills the list as its button does and selects the list's first choice.
    void fill(skymap::SearchCatalogue catalogue);
    // The object selected in the list (kind kKindNone when the list is empty).
    skymap::SkyObjectRef chosen() const;

    QListWidget* list() const { return list_; }
    QPushButton* button(const QString& text) const;

private:
    const systeme& sys_;
    skymap::SearchList entries_;
    QListWidget* list_ = nullptr;
};
