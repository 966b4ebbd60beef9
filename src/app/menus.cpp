// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/menus.h"

#include "app/commands.h"
#include "app/page_output.h"
#include "app/picture_saving.h"
#include "app/window.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

namespace menus {

const std::vector<MenuEntry>& menuBarEntries() {
    static const std::vector<MenuEntry> bar = {
        {"&Exit", {103}},
        {"&Save", {133, 134, 11851, picturesave::kFullResolutionCommand, 0, 130, 0, pageoutput::kPrintCommand, 131}},
        {"&Catalogs", {11844, 0, 123}},
        {"&View", {105, 102, 106, 11855, 139, 124, 107, 135, 11846}},
        {"S&ky map", {108, 11849, 109, 114, 150, 127, 0, 117, 0, 113, 116, 120, 125, 0, 110, 136, 128, 11850, 138, 0,
                      200, 129, 132}},
        {"&Heliocentric view", {11847, 0, 111, 112, 0, 115, 118, 119, 126}},
        {"C&onjunctions", {121, 137, 140, 0, 122}},
        {"Parameters", {11853, 11852, 11854, 11848, 11842}},
        {"&Internet", {18874, 18875}},
        {"&Help", {101, 0, 11845, 11843, 104}},
    };
    return bar;
}

namespace {

constexpr const char* kCommandProperty = "nalvoCommand";

void refreshMenu(TPlanetariumWindow& w, QMenu& menu) {
    for (QAction* a : menu.actions()) {
        const QVariant id = a->property(kCommandProperty);
        if (!id.isValid()) continue;
        const commands::Command* c = commands::find(id.toInt());
        const commands::State s = commands::state(w, id.toInt());
        a->setEnabled(s.enabled);
        if (c && c->checkable) a->setChecked(s.checked);
        a->setText(QString::fromLatin1(s.text.empty() ? c->menuText : s.text.c_str()));
    }
}

}  // namespace

void refresh(TPlanetariumWindow& w, QMenuBar& bar) {
    for (QMenu* menu : bar.findChildren<QMenu*>()) refreshMenu(w, *menu);
}

void install(TPlanetariumWindow& w, QMainWindow& frame) {
    QMenuBar* bar = frame.menuBar();
    bar->clear();
    for (const MenuEntry& entry : menuBarEntries()) {
        QMenu* menu = bar->addMenu(QString::fromLatin1(entry.title));
        for (int id : entry.items) {
            if (id == 0) {
                menu->addSeparator();
                continue;
            }
            const commands::Command* c = commands::find(id);
            if (!c) continue;
            QAction* a = menu->addAction(QString::fromLatin1(c->menuText));
            a->setProperty(kCommandProperty, id);
            a->setCheckable(c->checkable);
            QObject::connect(a, &QAction::triggered, &w, [&w, id] { commands::runIfEnabled(w, id); });
        }
        QObject::connect(menu, &QMenu::aboutToShow, &w, [&w, menu] { refreshMenu(w, *menu); });
        refreshMenu(w, *menu);
    }
    // Accelerator table: Ctrl+P opens the heliocentric view.
    auto* accelerator = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_P), &frame);
    accelerator->setContext(Qt::WindowShortcut);
    QObject::connect(accelerator, &QShortcut::activated, &w, [&w] { commands::runIfEnabled(w, 102); });
}

}  // namespace menus
