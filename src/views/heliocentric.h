// SPDX-License-Identifier: GPL-3.0-or-later
// The heliocentric view (view 20): the orbit layer read from "trajec.nal", the Sun, the planets and
// the selected asteroids in perspective, the legend panel and the hover text. Drawn through the
// canvas; the screen points of the bodies are stored into the model for the hit test.
#pragma once

#include "views/camera.h"
#include "views/helio_geometry.h"

#include <string>

class systeme;
class ParametreAffichage;
struct date2;

namespace gfx {
class Canvas;
}

namespace views {

// What one paint of the view reads (and the screen points it writes into `sys`).
struct HelioScene {
    systeme* sys = nullptr;
    const date2* date = nullptr;
    const ParametreAffichage* options = nullptr; // palette; whiteScheme and saveBlackWhite while saving
    const ViewCamera* camera = nullptr;          // updated for view 20 by the caller
    int zoom = 4;                                // helioZoom
    HelioLayout layout;                          // W = trunc(mapWidth), H = client height
    int clientWidth = 780;                       // right end of the legend panel
    std::string orbitPath;                       // "" looks "trajec.nal" up in the data folders
    bool computePositions = true;                // false when the caller computed them for `date`
};

// The layout of the scene's model: W from mapWidth, H from clientHeight, both truncated.
HelioLayout helioLayoutOf(const systeme& sys);

struct OrbitLayerStats {
    bool fileRead = false; // the whole orbit file was read
    int orbits = 0;
    int segments = 0; // lines drawn
};

// Redraws the orbit layer: clears (5, 45)-(W - 5, H - 7) and draws every orbit of the file as
// lines between consecutive points, a line only when both its ends are inside the drawing area.
// A missing or damaged file leaves the cleared area without orbits.
OrbitLayerStats drawOrbits(gfx::Canvas& orbitLayer, const HelioScene& scene);

struct HelioStats {
    int planetsDrawn = 0;
    int asteroidsDrawn = 0;
};

// The whole view for the scene's date: the orbit layer copied in, the Sun, the planets in model
// order and the selected asteroids in list order. Every body's screenX, screenY is stored, drawn
// or not.
HelioStats drawHeliocentricView(gfx::Canvas& screen, gfx::Canvas& orbitLayer, HelioScene& scene);

// The legend panel right of W: the icons and names, the date in UT and in local time.
void drawHeliocentricLegend(gfx::Canvas& screen, const HelioScene& scene);

// The name of the body under the mouse at (W + 65, 450) ("Planet : ...") or (W + 70, 450)
// ("Asteroid : ..."), from the stored screen points: planets from the last, then asteroids. The
// row is cleared first, so a text shows only while the mouse is on a body. Returns the text
// written, "" for none.
std::string showHeliocentricHit(gfx::Canvas& screen, const HelioScene& scene, int mx, int my);

} // namespace views
