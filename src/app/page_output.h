// SPDX-License-Identifier: GPL-3.0-or-later
// The current view on a page: printed on white with the platform's print dialog, or written as a
// PDF or SVG file, through a vector canvas that stands in for the back buffer while the view draws.
#pragma once

#include <string>

class QPrinter;
class TPlanetariumWindow;

namespace gfx {
class Canvas;
}

namespace pageoutput {

// "Print..." in the "Save" menu (Ctrl+P belongs to the heliocentric view).
constexpr int kPrintCommand = 11860;

// Draws the content of the current view into `target` as a saved picture is drawn (no toolbar,
// frame or scroll area; the sky views with their legend) in the white scheme, or the
// black-and-white one when `blackWhite`; then gives the window its back buffer and screen
// colours again and redraws it.
void drawOnWhite(TPlanetariumWindow& w, gfx::Canvas& target, bool blackWhite);
// Prints the current view on `printer`, the client area scaled to the page and centred, in the
// white scheme. False when the printer could not be painted.
bool printView(TPlanetariumWindow& w, QPrinter& printer);
// Writes the current view as a PDF or SVG file (by the name's extension) in the save scheme the
// "Save" menu chose: the client area below the toolbar under "Color (black background)", the
// whole client area on white otherwise. False, with `error`, when the file cannot be written.
bool saveVectorView(TPlanetariumWindow& w, const std::string& path, std::string& error);

// The program's printer: its page set-up is kept between prints.
QPrinter& printer();
// "Print...": the print dialog, then the page.
void runPrint(TPlanetariumWindow& w);
// Command 131: the page set-up dialog.
void runPageSetup(TPlanetariumWindow& w);

} // namespace pageoutput
