// SPDX-License-Identifier: GPL-3.0-or-later
// Star painter: screen discs as rings of 30 pixels blended from the sky colour, white-scheme discs.
#include "skymap/star_painter.h"

#include "gfx/canvas.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <numbers>

namespace skymap {

int selectSkyBrush(double h, bool whiteScheme) {
    if (whiteScheme) return 1;
    if (h > 5) return 4;
    if (h > 4) return 29;
    if (h > 3) return 28;
    if (h > 2) return 27;
    if (h > 1) return 26;
    if (h > 0) return 25;
    if (h > -1) return 24;
    if (h > -3) return 23;
    if (h > -5) return 22;
    if (h > -10) return 21;
    return 3;
}

int spectralColourIndex(const char* type) {
    if (!type) return 1;
    switch (type[0]) {
    case 'O':
    case 'A':
        return 10;
    case 'B':
        return 4;
    case 'F':
        return 1;
    case 'G':
        return 14;
    case 'K':
        return 7;
    case 'M':
        return 5;
    default:
        return 1;
    }
}

namespace {

// Catalogue magnitudes 90-290 carry a flag in their hundreds.
double reducedMagnitude(double m) {
    if (m >= 90 && m < 190) return m - 100;
    if (m >= 190 && m < 290) return m - 200;
    return m;
}

// Pixel offsets (trunc(r cos t), trunc(r sin t)) of the ring angles 0, 12, ..., 348 degrees are
// computed from these unit vectors.
struct RingAngles {
    std::array<double, 30> c, s;
    RingAngles() {
        for (int k = 0; k < 30; ++k) {
            const double t = k * 12.0 * std::numbers::pi / 180.0;
            c[k] = std::cos(t);
            s[k] = std::sin(t);
        }
    }
};
const RingAngles& ringAngles() {
    static const RingAngles angles;
    return angles;
}

int channel(int b, int c, double f) {
    const int v = static_cast<int>(b + (c - b) * f);
    return std::clamp(v, 0, 255);
}

gfx::Rgb blend(gfx::Rgb b, gfx::Rgb c, double f) {
    return gfx::rgb(channel(gfx::red(b), gfx::red(c), f), channel(gfx::green(b), gfx::green(c), f),
                    channel(gfx::blue(b), gfx::blue(c), f));
}

void disc(gfx::Canvas& canvas, int x, int y, int r) {
    canvas.ellipse(x - r, y - r, x + r + 1, y + r + 1);
}

} // namespace

int starRingCount(double magnitude, double scale) {
    const double m = reducedMagnitude(magnitude);
    const double v = m < 0 ? -0.5 : m;
    const double s = scale > 0 ? scale : 1.0;
    const double k = 5 - v / s;
    return k > 2 ? static_cast<int>(k) : 0;
}

void drawStar(gfx::Canvas& canvas, PixelPoint p, double magnitude, int colourIndex, gfx::Rgb background,
              const char* name, const StarStyle& style) {
    const gfx::Palette& pal = style.palette ? *style.palette : canvas.palette();
    const double m = reducedMagnitude(magnitude);
    const double s = style.scale > 0 ? style.scale : 1.0;
    if (!style.whiteScheme) {
        const gfx::Rgb c = style.spectralColours ? pal.brush(colourIndex).colour : gfx::rgb(255, 255, 255);
        const double v = m < 0 ? -0.5 : m;
        const double k = 5 - v / s;
        if (k > 2) {
            const int n = static_cast<int>(k);
            const RingAngles& a = ringAngles();
            if (canvas.isVector() || canvas.scale() > 1) {
                // A page, or a canvas finer than its logical pixels, gets the rings as nested
                // filled discs of the same colours.
                for (int r = n; r >= 1; --r) {
                    const gfx::Rgb ringColour =
                        blend(background, c, std::cos((r - 1) * (std::numbers::pi / 2) / k));
                    canvas.setPen(gfx::Pen{ringColour, gfx::PenStyle::None, 1});
                    canvas.setBrush(gfx::Brush{ringColour, false});
                    disc(canvas, p.x, p.y, r);
                }
                canvas.fillRect(p.x, p.y, p.x + 1, p.y + 1, c);
            } else {
                for (int r = n; r >= 1; --r) {
                    const double F = std::cos((r - 1) * (std::numbers::pi / 2) / k);
                    const gfx::Rgb ringColour = blend(background, c, F);
                    for (int j = 0; j < 30; ++j)
                        canvas.setPixel(p.x + static_cast<int>(r * a.c[j]),
                                        p.y + static_cast<int>(r * a.s[j]), ringColour);
                    canvas.setPixel(p.x, p.y, c);
                }
            }
        } else {
            const double A = style.useGsc ? 16.0 : style.limitMagnitude + 1;
            const double f = (3 * s == A) ? 1.0 : 0.8 / (3 * s - A);
            const double t = 0.2 + (v - A) * f;
            const gfx::Rgb dot = blend(background, c, std::clamp(t, 0.0, 1.0));
            if (canvas.isVector())
                canvas.fillRect(p.x, p.y, p.x + 1, p.y + 1, dot);
            else
                canvas.setPixel(p.x, p.y, dot);
        }
    } else {
        const int index = (!style.spectralColours || style.blackWhite) ? 0 : colourIndex;
        int radius = 0;
        if (m <= 0)
            radius = 3;
        else if (m <= 2.5 * s)
            radius = 2;
        else if (m <= 3.5 * s)
            radius = 1;
        if (radius > 0) {
            canvas.setPen(gfx::Pen{pal.pen(index).colour, gfx::PenStyle::Solid, 1});
            canvas.setBrush(gfx::Brush{pal.brush(index).colour, false});
            disc(canvas, p.x, p.y, radius);
        } else if (m < 90) {
            const bool coloured = style.spectralColours && !style.blackWhite;
            const gfx::Rgb dot = coloured ? pal.brush(colourIndex).colour : gfx::rgb(0, 0, 0);
            if (canvas.isVector())
                canvas.fillRect(p.x, p.y, p.x + 1, p.y + 1, dot);
            else
                canvas.setPixel(p.x, p.y, dot);
        }
    }
    // Every star up to 2.5 s is named, the brightest too: a lower bound of 0 would leave Sirius,
    // Canopus, Arcturus and Alpha Centauri without their names.
    if (style.showNames && m <= 2.5 * s && name && std::strlen(name) > 2) {
        canvas.setBackgroundMode(gfx::BackgroundMode::Transparent);
        canvas.setTextColour(style.whiteScheme ? gfx::rgb(0, 0, 0) : gfx::rgb(255, 255, 255));
        canvas.textOut(p.x + 5, p.y - 3, name);
    }
}

} // namespace skymap
