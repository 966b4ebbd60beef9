// SPDX-License-Identifier: GPL-3.0-or-later
// The row of icon buttons at the top of the window and the sky map's scroll arrows and thumbs:
// the 33 `Bouton` records at their table positions, hit testing, drawing and tooltips.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace gfx {
class Canvas;
}

// One toolbar button: its icon's resource id, the icon's top-left corner, whether it is enabled.
struct Bouton {
    int32_t icon = 0;
    int32_t x = 0;
    int32_t y = 0;
    int32_t enabled = 1;
    char tooltip[30] = {};

    void setTooltip(std::string_view text);  // truncated to 29 bytes, always terminated
};

namespace toolbar {

// Button indices (`boutons[i]`).
enum Index : int {
    kSaveScreen = 0,
    kSky = 1,
    kAzimuthal = 2,
    kPosition = 3,
    kHeliocentric = 4,
    kConjunctions = 5,
    kDance = 6,
    kEphemeris = 7,
    kDate = 8,
    kPreviousStep = 9,
    kReverse = 10,
    kStop = 11,
    kPlay = 12,
    kNextStep = 13,
    kSlowDown = 14,
    kAccelerate = 15,
    kScrollLeft = 16,   // horizontal -10
    kScrollRight = 17,  // horizontal +10
    kScrollDown = 18,   // vertical -5
    kScrollUp = 19,     // vertical +5
    kThumbX = 20,
    kThumbY = 21,
    kEquidistant = 22,
    kQuadratic = 23,
    kQuadraticTrajectories = 24,
    kJupiter = 25,
    kMagnitude = 26,
    kSaturn = 27,
    kZoomIn = 28,
    kZoomOut = 29,
    kInternet = 30,
    kLegend = 31,
    kRealTime = 32,
};
constexpr int kCount = 33;

constexpr int kRealTimeOffIcon = 133;
constexpr int kRealTimeOnIcon = 134;
constexpr int kFirstScrollIcon = 300;  // icons from here on have no greyed twin

// Tooltip strip: copied from y = 20 to 50 of the back buffer, text at (x, y + 30).
constexpr int kTooltipStripTop = 20;
constexpr int kTooltipStripHeight = 30;

class Toolbar {
public:
    // The 33 buttons at their table positions for a client of height H and a map width.
    Toolbar(int clientHeight = 500, int mapWidth = 548);

    std::array<Bouton, kCount> boutons;
    // Buttons whose command is built into this program; the others stay greyed and are never hit.
    std::array<bool, kCount> available;
    bool tooltipShown = false;
    int tooltipButton = -1;  // button whose tooltip is shown
    int tooltipFrame = -1;   // redraw count when it was drawn (a redraw hides it)

    Bouton& operator[](int i) { return boutons.at(static_cast<size_t>(i)); }
    const Bouton& operator[](int i) const { return boutons.at(static_cast<size_t>(i)); }

    void setEnabled(int i, bool on) { (*this)[i].enabled = on ? 1 : 0; }
    bool enabled(int i) const { return (*this)[i].enabled != 0; }
    // Enabled and available: what the user can press, and how the button is drawn.
    bool usable(int i) const { return enabled(i) && available.at(static_cast<size_t>(i)); }

    // Index of the button under (x, y) or -1. The scroll buttons 16..21 are tried first when
    // the scroll area is shown (10 x 10 boxes, first hit wins); then, on the row y in 0..16, the
    // enabled buttons 0..15 and 22..32 (20 pixels wide, last hit wins).
    int hitButton(int x, int y, bool scrollAreaShown) const;
    // The button whose tooltip the pointer at (x, y) shows: the hit button, or the greyed
    // " Play " while its tooltip tells the running animation's step.
    int buttonWithTooltipAt(int x, int y) const;
    bool playTellsStep = false;

    // Places the scroll buttons for the client height and map width; thumbX/thumbY are the
    // positions of the current view's thumbs along their troughs (pixels).
    void placeScrollButtons(int clientHeight, int mapWidth, int thumbX, int thumbY);
    void placeScrollArrows(int clientHeight, int mapWidth);

    // Draws buttons 0..15 and 22..32 left of mapWidth - 20 (disabled ones with their greyed
    // twin), or the scroll buttons 16..21.
    void drawButtons(gfx::Canvas& canvas, int mapWidth) const;
    void drawScrollButtons(gfx::Canvas& canvas) const;

    // The view-entry groups of the commands.
    void animationButtonsIdle();     // 9, 10, 12..15 on, 11 off
    void animationButtonsRunning();  // 9, 10, 12, 13 off; 11, 14, 15 on (caller clears realTime)
    void animationButtonsOff();      // 9..15 off
    void realTimeButton(bool on, bool realTime);  // 32 enabled with icon 133/134, or off with 133
    void zoomButtons(bool on);       // 28, 29

    // Tooltip for button i into `strip`, a canvas that holds the back buffer's strip
    // y = 20..50 at the same coordinates (rows 20..49 of a copy).
    void drawTooltip(gfx::Canvas& canvas, int i) const;
};

// Icon id a button is drawn with: its own when usable or when it is a scroll icon, else the
// greyed twin (icon + 100).
int drawnIcon(const Bouton& b, bool available = true);

}  // namespace toolbar
