// SPDX-License-Identifier: GPL-3.0-or-later
// The star painter and the sky colour: stars are set pixel by pixel straight into the canvas
// memory (rings of soft-edged discs on screen, plain discs in the white schemes).
#pragma once

#include "gfx/palette.h"
#include "skymap/projection.h"

namespace gfx {
class Canvas;
}

namespace skymap {

// Palette index of the sky fill for the Sun's altitude (degrees); white (1) in the white scheme.
int selectSkyBrush(double sunAltitude_deg, bool whiteScheme);

// Palette index of a constellation star from the first letter of its spectral type.
int spectralColourIndex(const char* spectralType);

// What the painter needs besides the star.
struct StarStyle {
    const gfx::Palette* palette = nullptr; // colours of the indices
    double scale = 1.0;                    // starScale
    double limitMagnitude = 6.0;           // starMagnitude
    bool useGsc = false;                   // the Guide Star Catalog is enabled
    bool spectralColours = false;
    bool whiteScheme = false;
    bool blackWhite = false;
    bool showNames = false;
};

// Number of rings of a star on screen (0 for a single pixel).
int starRingCount(double magnitude, double scale);

// Draws one star at p with magnitude `magnitude`, colour index `colourIndex`, over the background
// colour `background` (the sky colour, white in the white scheme); `name` may be null.
void drawStar(gfx::Canvas& canvas, PixelPoint p, double magnitude, int colourIndex, gfx::Rgb background,
              const char* name, const StarStyle& style);

} // namespace skymap
