// SPDX-License-Identifier: GPL-3.0-or-later
// The 34 brushes and 34 pens that every view addresses by index, in the screen scheme and in the
// black-and-white scheme used when a picture is saved. Colours are 0xAARRGGBB (QRgb).
#pragma once

#include <array>
#include <cstdint>

namespace gfx {

using Rgb = uint32_t; // 0xffRRGGBB, the QRgb layout

constexpr Rgb rgb(int r, int g, int b) {
    return 0xff000000u | (uint32_t(r & 0xff) << 16) | (uint32_t(g & 0xff) << 8) | uint32_t(b & 0xff);
}
constexpr int red(Rgb c) { return int((c >> 16) & 0xff); }
constexpr int green(Rgb c) { return int((c >> 8) & 0xff); }
constexpr int blue(Rgb c) { return int(c & 0xff); }

enum class PenStyle { Solid, Dotted, None };

struct Pen {
    Rgb colour = rgb(0, 0, 0);
    PenStyle style = PenStyle::Solid;
    int width = 1; // pixels
    bool operator==(const Pen&) const = default;
};

struct Brush {
    Rgb colour = rgb(255, 255, 255);
    bool none = false; // hollow brush: shapes are outlined only
    bool operator==(const Brush&) const = default;
};

constexpr int kPaletteSize = 34;

struct Palette {
    std::array<Brush, kPaletteSize> brushes;
    std::array<Pen, kPaletteSize> pens;

    // The colours of the window: index 11's brush and pen differ slightly, index 16 is a hollow
    // brush with a dotted dark-blue pen (constellation lines).
    static Palette screenScheme();
    // Black and white picture: 0 black, every other index white, 16 a dotted near-white pen.
    static Palette blackWhiteScheme();

    // Index outside 0-33 is clamped to the nearest entry, so a bad index never reads past the table.
    const Brush& brush(int index) const;
    const Pen& pen(int index) const;
};

} // namespace gfx
