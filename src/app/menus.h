// SPDX-License-Identifier: GPL-3.0-or-later
// The menu bar of the main frame, built from the command table: menus in order with their items,
// separators and the Ctrl+P accelerator; each menu refreshes its items' enabled state, check marks
// and texts from the enablers when it opens.
#pragma once

#include <vector>

class QMainWindow;
class QMenuBar;
class TPlanetariumWindow;

namespace menus {

// One menu: its title and its command ids in order; 0 is a separator.
struct MenuEntry {
    const char* title;
    std::vector<int> items;
};
const std::vector<MenuEntry>& menuBarEntries();

// Builds the menu bar of `frame` for window `w` and the accelerator.
void install(TPlanetariumWindow& w, QMainWindow& frame);
// Applies the enablers to every item of the menu bar (what opening each menu does).
void refresh(TPlanetariumWindow& w, QMenuBar& bar);

}  // namespace menus
