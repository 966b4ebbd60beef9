// SPDX-License-Identifier: GPL-3.0-or-later
// ParametreAffichage: the display options of the main window, with the palette that every view
// addresses by index. The "Affichage" INI keys fill the magnitude fields at start-up.
#pragma once

#include "gfx/palette.h"

namespace gfx {
class Canvas;
}

class ParametreAffichage {
public:
    ParametreAffichage() : palette(gfx::Palette::screenScheme()) {}

    // Brushes and pens 0-33 of the scheme in use.
    gfx::Palette palette;

    // The screen colours; called at set-up and again after a white-background save.
    void useScreenScheme() { palette = gfx::Palette::screenScheme(); }
    // Black on white, for "Save in White and Black".
    void useBlackWhiteScheme() { palette = gfx::Palette::blackWhiteScheme(); }
    // Makes `canvas` index this record's palette.
    void attach(gfx::Canvas& canvas) const;

    // Sky layers.
    bool showNGC = false;
    bool showMessier = true;
    bool showAsteroids = false;
    bool showStarNames = false;
    bool spectralColours = false;
    bool constellationLines = true;
    bool constellationBorders = false;

    // Picture saving: whiteScheme is true only while a white-background picture is drawn.
    bool whiteScheme = false;
    bool saveBlackWhite = false;
    bool saveBlackBackground = false;
    // A saved bitmap at the back buffer's device resolution rather than the window's logical size.
    bool saveFullResolution = false;

    // True only while a timer tick runs (the views draw less detail while animating).
    bool animating = false;

    // Zoom (a power of two, at least 1) and pan (unzoomed pixels) of views 10 and 13.
    int equidistantZoom = 1;
    int equidistantPanX = 0, equidistantPanY = 0;
    int circularZoom = 1;
    int circularPanX = 0, circularPanY = 0;

    // Magnitudes: limiting star magnitude and the Guide Star Catalog bounds (brightest, faintest).
    double starMagnitude = 6.0;
    double gscMaxMagnitude = -2.0;
    double gscMinMagnitude = 16.0;
    double starScale = 1.0; // size factor of star discs
    bool autoMagnitude = true;
    int iconSize = 0; // read from the INI file; no drawing uses it
};
