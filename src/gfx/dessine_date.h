// SPDX-License-Identifier: GPL-3.0-or-later
// The date label of the conjunction graphs, drawn into a canvas.
#pragma once

struct date2;

namespace gfx {
class Canvas;

// Writes "Date:dd/mm/yyyy" with its top-left corner at (x, y) in the canvas's font and background
// mode: black text when `light` (a white-background picture), light grey RGB(200,200,200) otherwise.
void dessineDate(Canvas& canvas, const date2& date, int x, int y, bool light);
} // namespace gfx
