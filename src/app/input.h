// SPDX-License-Identifier: GPL-3.0-or-later
// Keyboard and mouse of the main window: the keys of the program, the toolbar and scroll-bar
// clicks, tooltips, held scrolling, thumb drags and double-click zooms. Clicks inside the drawing
// area and the pointer's hover go to the view handlers that the sky map and the views register.
#pragma once

#include <Qt>
#include <functional>

class TPlanetariumWindow;
struct WindowHooks;

namespace input {

// Virtual-key codes of the keys the program knows.
enum VirtualKey : int {
    kKeyC = 67, kKeyD = 68, kKeyI = 73, kKeyL = 76, kKeyM = 77, kKeyP = 80, kKeyQ = 81,
    kKeyR = 82, kKeyS = 83, kKeyW = 87, kKeyZ = 90,
    kNumpad0 = 96,  // .. kNumpad0 + 9
    kAdd = 107, kSubtract = 109,
};

// The virtual-key code of a Qt key event, or 0 for keys the program does not use. Letters are
// taken without Ctrl or Alt (Ctrl+P is the accelerator), digits only from the keypad; plus and
// minus from the keypad or the main keyboard.
int virtualKey(int qtKey, Qt::KeyboardModifiers modifiers);

// A key-down of virtual-key code `vk`; true when the program used it.
bool keyDown(TPlanetariumWindow& w, int vk);

// Mouse events in client coordinates.
bool mouseDown(TPlanetariumWindow& w, int x, int y, Qt::MouseButton button);
bool mouseUp(TPlanetariumWindow& w, int x, int y, Qt::MouseButton button);
bool mouseDoubleClick(TPlanetariumWindow& w, int x, int y, Qt::MouseButton button);
bool mouseMove(TPlanetariumWindow& w, int x, int y);

// The drawing area whose clicks belong to the views: 5 < x < mapWidth - 20, 30 < y < H - 15.
bool insideDrawingArea(const TPlanetariumWindow& w, int x, int y);

// Handlers of the views for the drawing area; each is optional and returns true when it used
// the event. The sky map's interaction, the heliocentric zoom and the time-range drags fill them.
struct ViewHandlers {
    std::function<bool(TPlanetariumWindow&, int x, int y)> leftDown;   // inside the drawing area
    std::function<bool(TPlanetariumWindow&, int x, int y)> leftUp;
    std::function<bool(TPlanetariumWindow&, int x, int y)> hover;      // no sky/helio animation running
    std::function<bool(TPlanetariumWindow&, int x, int y)> rightDown;  // identify
    // Key "I": identify the object at the last mouse position.
    std::function<bool(TPlanetariumWindow&, int x, int y)> identify;
    // Keys Q, S, W, Z in views 20 and 33: recompute the camera after the angles changed.
    std::function<void(TPlanetariumWindow&)> updateCamera;
};
ViewHandlers& viewHandlers();

// Shows or hides the tooltip of the button under (x, y) (the strip y = 20..50 of the window).
void updateTooltip(TPlanetariumWindow& w, int x, int y);

// Registers the menu bar, keyboard, mouse and scroll hooks of this module.
void installHooks(WindowHooks& hooks);

}  // namespace input
