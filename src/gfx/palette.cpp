// SPDX-License-Identifier: GPL-3.0-or-later
#include "gfx/palette.h"

#include <algorithm>

namespace gfx {

namespace {
int clampIndex(int index) { return std::clamp(index, 0, kPaletteSize - 1); }
} // namespace

Palette Palette::screenScheme() {
    static constexpr Rgb colours[kPaletteSize] = {
        rgb(0, 0, 70),      rgb(255, 255, 255), rgb(255, 0, 0),     rgb(0, 0, 0),       rgb(0, 0, 255),
        rgb(200, 0, 0),     rgb(255, 255, 0),   rgb(255, 125, 0),   rgb(255, 0, 255),   rgb(0, 255, 0),
        rgb(0, 255, 255),   rgb(100, 150, 0),   rgb(100, 200, 200), rgb(120, 120, 200), rgb(255, 255, 155),
        rgb(0, 0, 100),     rgb(0, 0, 200),     rgb(50, 50, 50),    rgb(200, 200, 200), rgb(240, 240, 240),
        rgb(100, 100, 100), rgb(0, 0, 25),      rgb(0, 0, 51),      rgb(0, 0, 76),      rgb(0, 0, 102),
        rgb(0, 0, 127),     rgb(0, 0, 153),     rgb(0, 0, 178),     rgb(0, 0, 204),     rgb(0, 0, 229),
        rgb(140, 115, 90),  rgb(123, 99, 74),   rgb(41, 33, 24),    rgb(200, 200, 200),
    };
    Palette p;
    for (int k = 0; k < kPaletteSize; ++k) {
        p.brushes[k] = Brush{colours[k], false};
        p.pens[k] = Pen{colours[k], PenStyle::Solid, 1};
    }
    p.pens[11].colour = rgb(100, 155, 0); // the one index whose pen differs from its brush
    p.brushes[16] = Brush{rgb(0, 0, 200), true};
    p.pens[16] = Pen{rgb(0, 0, 200), PenStyle::Dotted, 1};
    return p;
}

Palette Palette::blackWhiteScheme() {
    Palette p;
    for (int k = 0; k < kPaletteSize; ++k) {
        const Rgb c = k == 0 ? rgb(0, 0, 0) : rgb(255, 255, 255);
        p.brushes[k] = Brush{c, false};
        p.pens[k] = Pen{c, PenStyle::Solid, 1};
    }
    p.brushes[16] = Brush{rgb(250, 250, 250), true};
    p.pens[16] = Pen{rgb(250, 250, 250), PenStyle::Dotted, 1};
    return p;
}

const Brush& Palette::brush(int index) const { return brushes[clampIndex(index)]; }
const Pen& Palette::pen(int index) const { return pens[clampIndex(index)]; }

} // namespace gfx
