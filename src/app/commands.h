// SPDX-License-Identifier: GPL-3.0-or-later
// The command table of the main window: one entry per command id with its menu text, its action
// and its enabler (enabled, check mark, changing text). The menu bar, the toolbar and the keyboard
// all run commands through it. A command whose view or dialog is not built yet has no action and
// shows greyed everywhere.
#pragma once

#include <functional>
#include <string>
#include <vector>

class QDialog;
class TPlanetariumWindow;

namespace skymap {
struct MapGeometry;
struct SkyNavigation;
}  // namespace skymap

namespace commands {

// What an enabler says about a menu item. An empty text keeps the table's menu text.
struct State {
    bool enabled = true;
    bool checked = false;
    std::string text;
};

using Action = std::function<void(TPlanetariumWindow&)>;
using Enabler = std::function<State(const TPlanetariumWindow&)>;

struct Command {
    int id = 0;
    const char* menuText = "";  // as in the menu, with its '&' mnemonic
    Action action;              // empty: not available in this build (greyed)
    Enabler enabler;            // empty: always enabled
    bool checkable = false;     // the enabler may set a check mark
};

// The whole table, in menu order.
const std::vector<Command>& table();
const Command* find(int id);
// True when the command exists and has an action.
bool available(int id);
// The menu state of a command now: its enabler, greyed when it has no action.
State state(const TPlanetariumWindow& w, int id);
// Runs the action of a command (toolbar and keys call the action directly, as the menu items'
// enablers only govern the menu). False when the command has no action.
bool run(TPlanetariumWindow& w, int id);
// The menu's way: runs the command only when its enabler allows it.
bool runIfEnabled(TPlanetariumWindow& w, int id);

// --- common view-entry steps ------------------------------------------------------------------------
void stopAnimations(TPlanetariumWindow& w);
void animationButtonsIdle(TPlanetariumWindow& w);
void animationButtonsRunning(TPlanetariumWindow& w);  // also clears realTime
void animationButtonsOff(TPlanetariumWindow& w);
void realTimeButtonOn(TPlanetariumWindow& w);
void realTimeButtonOff(TPlanetariumWindow& w);  // also clears realTime
void zoomButtons(TPlanetariumWindow& w, bool on);

// The view 10-14 of a projection command: view, projection, stop animations, real-time button on,
// animation buttons idle (off in view 12), zoom buttons on, redraw.
void enterSkyView(TPlanetariumWindow& w, int view);
// View 20 after the date dialog (command 102) or from toolbar button 4.
void enterHeliocentricView(TPlanetariumWindow& w);

// --- sky map state, as the skymap module sees it ----------------------------------------------------
skymap::MapGeometry geometryOf(const TPlanetariumWindow& w);
skymap::SkyNavigation navigationOf(const TPlanetariumWindow& w);
void storeNavigation(TPlanetariumWindow& w, const skymap::SkyNavigation& nav);
// Pans of the sky map by the scroll arrows, strips and thumbs (pixels); no redraw.
void panSky(TPlanetariumWindow& w, int horizontal, int vertical);

// --- zooms and steps shared by commands, toolbar, keys and double clicks ----------------------------
void zoomIn(TPlanetariumWindow& w, int x, int y);  // toolbar 28: sky at (x, y), helio, time span
void zoomOut(TPlanetariumWindow& w);               // toolbar 29
void timeSpanZoom(TPlanetariumWindow& w, bool in);  // views 30-39
void singleStep(TPlanetariumWindow& w, int direction);  // toolbar 9 (-1) and 13 (+1)
void faster(TPlanetariumWindow& w);   // toolbar 15
void slower(TPlanetariumWindow& w);   // toolbar 14
void runAnimation(TPlanetariumWindow& w, int direction);  // toolbar 10 (-1), 12 (+1); 0 toggles (11)

// --- toolbar ------------------------------------------------------------------------------------------
// Command id a toolbar button runs, or 0 for the buttons with their own action (animation, zoom).
int commandOfButton(int index);
// Marks as unavailable the buttons whose command has no action in this build.
void markAvailableButtons(TPlanetariumWindow& w);
// The action of button `index` (0..15, 22..32), as a click outside the drawing area does it.
void clickButton(TPlanetariumWindow& w, int index);

// How the commands run their modal dialogs: exec() by default; tests replace it.
std::function<int(QDialog&)>& dialogRunner();

// How "Exit" asks for confirmation; tests replace it. The default is a warning message box.
std::function<bool(TPlanetariumWindow&)>& exitQuestion();

}  // namespace commands
