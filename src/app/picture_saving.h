// SPDX-License-Identifier: GPL-3.0-or-later
// "Save..." (command 130, toolbar button 0, key C): the current view written as a 24-bit bitmap
// (or a PNG, PDF or SVG file by the chosen name's extension) in one of the three schemes of the
// "Save" menu.
// Every view is saved through the same steps: for the white schemes the window's view dispatch
// draws it again into the back buffer with the white palette, without toolbar or frame; the file
// is then written from the back buffer.
#pragma once

#include <functional>
#include <string>

#include "gfx/canvas.h"

class TPlanetariumWindow;

namespace picturesave {

// "Full screen resolution" in the "Save" menu: on a screen of device pixel ratio 2 the bitmap is
// written at the screen's resolution, twice the window's size; unchecked it has the window's size.
constexpr int kFullResolutionCommand = 11861;

// The save-file dialog: the chosen path, or "" when cancelled. `previous` is the last chosen name.
// Tests replace it.
std::function<std::string(TPlanetariumWindow&, const std::string& previous)>& fileChooser();

// The whole command: draws the picture, asks for the file, writes it, tells the user, and puts the
// screen scheme back. Nothing in view 1 (the title picture is not saved).
void savePicture(TPlanetariumWindow& w);

// Step 1 for the white schemes: the view drawn into the back buffer on white (in black and white
// when saveBlackWhite), with the legend of the sky views and the orbit layer of the heliocentric
// view, and no toolbar, frame or scroll area.
void drawWhitePicture(TPlanetariumWindow& w);
// The screen scheme back and the view redrawn (step 4).
void restoreScreen(TPlanetariumWindow& w);

// The part of the back buffer that is written: the client area, or the part below the 28-pixel
// toolbar strip under "Color (black background)".
gfx::Rect savedArea(const TPlanetariumWindow& w);
// Writes the saved area to `path` (through a temporary file), in device pixels of the back buffer;
// false with the reason in `error`.
bool writePicture(const TPlanetariumWindow& w, const std::string& path, std::string& error);

} // namespace picturesave
