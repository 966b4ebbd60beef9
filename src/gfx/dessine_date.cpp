// SPDX-License-Identifier: GPL-3.0-or-later
#include "gfx/dessine_date.h"

#include "astro/date2.h"
#include "gfx/canvas.h"

namespace gfx {

void dessineDate(Canvas& canvas, const date2& date, int x, int y, bool light) {
    canvas.setTextColour(light ? rgb(0, 0, 0) : rgb(200, 200, 200));
    canvas.textOut(x, y, dateLabelText(date));
}

} // namespace gfx
