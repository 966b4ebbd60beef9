// SPDX-License-Identifier: GPL-3.0-or-later
// The window side of the sky map interaction: the rubber-band rectangle zoom of views 11, 12 and
// 14, the coordinates under the pointer, the hover label with the constellation markers, the
// identification by a right click (or the "I" key) with its information dialog, and the "&Search"
// command with its red circle. Hover texts, markers, the rectangle and the coordinates are drawn on
// a transparent layer over the window, over a copy of the back buffer, and vanish at the next move
// or redraw.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "skymap/interaction.h"

class TPlanetariumWindow;
class TDialogInfo;
class TDialogSearch;

namespace gfx {
class Canvas;
}

namespace skyui {

// Left button down at (x, y) in a sky view; true when a zoom rectangle starts.
bool onSkyMouseDown(TPlanetariumWindow& w, int x, int y);
// Pointer movement: the rectangle in progress, then (with no sky or heliocentric animation
// running, in views 10-14) the hover label and the coordinates. True when something is shown.
bool onSkyMouseMove(TPlanetariumWindow& w, int x, int y);
// Left button up: applies a rectangle in progress and redraws; true when there was one.
bool onSkyMouseUp(TPlanetariumWindow& w, int x, int y);
// Right button down (and the "I" key at the last mouse position): identifies the object and opens
// its information dialog. True when an object was found.
bool identifyAt(TPlanetariumWindow& w, int x, int y);
// Command 11848 "&Search".
void searchObject(TPlanetariumWindow& w);

// Registers the handlers above in the window's view handlers (input.h): left press and release
// in views 11, 12 and 14, the hover in the sky views, the right click and the "I" key in views
// 10 to 30. Handlers already registered for other views are kept and called for them.
void installViewHandlers();

// The display state that the hit tests use: the star limit is the one the last sky paint used
// (no star can be named that was not drawn), the user's setting before the first paint.
skymap::HitFilter hitFilterOf(const TPlanetariumWindow& w);
// Called by the sky view after each paint with the limiting magnitude it used.
void notePaintedStarMagnitude(TPlanetariumWindow& w, double magnitude);

// How the modal dialogs are run: exec() by default; tests replace them to look at the dialog
// and to answer it. The search runner returns the dialog's result (QDialog::Accepted or not).
std::function<void(TDialogInfo&)>& infoDialogRunner();
std::function<int(TDialogSearch&)>& searchDialogRunner();

// What the transient layer shows.
struct Overlay {
    std::optional<skymap::PixelPoint> rectangleFrom, rectangleTo;
    skymap::HoverLabel hover;
    std::optional<std::string> status;

    bool empty() const { return !rectangleFrom && hover.empty() && !status; }
};
// The overlay the window would show now for the pointer at (x, y) (no drawing).
Overlay overlayAt(TPlanetariumWindow& w, int x, int y);
// Draws an overlay into a canvas that holds a copy of the back buffer: the rectangle in pen 1,
// the hover texts in black with the markers (a yellow ring on every star of the constellation, a
// red ring and cross on the hovered star), the coordinates in black on RGB 200,200,200.
void drawOverlay(gfx::Canvas& canvas, const Overlay& overlay, const skymap::MapGeometry& g);
// The layer as last drawn (null when hidden); for tests.
const gfx::Canvas* overlayCanvas(const TPlanetariumWindow& w);
bool overlayVisible(const TPlanetariumWindow& w);

} // namespace skyui
