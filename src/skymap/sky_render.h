// SPDX-License-Identifier: GPL-3.0-or-later
// Sky map rendering: the frame of each sky view, every layer of objects in its order (Sun,
// borders, constellation lines, stars, Messier and NGC objects, asteroids, planets or their
// trajectories, the Moon), the screen points stored into the drawn objects, and the legend.
// Everything is drawn through gfx::Canvas.
#pragma once

#include "catalog/stars.h"
#include "gfx/palette.h"
#include "skymap/projection.h"

#include <functional>
#include <string>

class systeme;
class StarStore;
class ParametreAffichage;
class Prompter;
struct date2;

namespace gfx {
class Canvas;
}

namespace skymap {

// Everything one paint reads and the screen points it writes.
struct SkyScene {
    systeme* sys = nullptr;              // bodies, catalogues, place, geometry; screen points written
    const date2* date = nullptr;         // current instant (UT)
    ParametreAffichage* options = nullptr; // display switches, palette, magnitudes, disc zooms
    SkyNavigation* nav = nullptr;        // rectangular windows (disc zooms are taken from options)
    Prompter* prompter = nullptr;        // questions of the Guide Star Catalog layer; null: Cancel
    StarFiles starFiles;                 // where the star files and drives are (defaults when empty)
    StarStore* starStore = nullptr;      // the star files kept between paints; null: read for this one
    std::string ngc2000Path;             // "ngc2000.dat" when useNgc; "" looks it up
    // Positions of the bodies are computed for `date` by the paint (satellites included) unless
    // the caller already did so.
    bool computePositions = true;
};

// Figures of one paint, for tests and benchmarks.
struct PaintStats {
    int starsDrawn = 0;        // constellation and catalogue stars
    int catalogueStars = 0;    // stars visited in the streamed layers
    int deepSkyDrawn = 0;
    int ngcStreamed = 0;       // objects drawn from ngc2000.dat
    int constellationLines = 0;
    int borderSegments = 0;
    int planetsDrawn = 0;
    int trajectorySegments = 0;
    int asteroidsDrawn = 0;
    bool moonDrawn = false;
    bool eclipseMarker = false;
    int skyBrush = -1;         // palette index of the sky fill
    double sunAltitude_deg = 0;
    double starMagnitude = 0; // the limiting magnitude this paint used
    double starScale = 0;     // the size factor of its star discs
};

// The star depth a paint of `view` uses (catalog's updateStarDepth on the user's magnitude
// settings, which it leaves as they are); width and height are the rectangular window's extent
// in degrees, 0 for the disc views.
StarDepth viewStarDepth(const ParametreAffichage& options, const CatalogueSettings& settings, int view,
                        double width_deg, double height_deg);

// Draws view 10-14 into `canvas` (the back buffer): frame, labels and every object.
PaintStats paintSkyView(gfx::Canvas& canvas, int view, SkyScene& scene);
// Draws every object of the sky in order for one projection frame; called by paintSkyView.
void paintSkyObjects(gfx::Canvas& canvas, const ProjectionFrame& frame, SkyScene& scene,
                     const StarDepth& depth, PaintStats& stats);
// The legend panel right of mapWidth, with the Moon's current phase.
void paintLegend(gfx::Canvas& canvas, int view, SkyScene& scene);

// Visits the records of an "ngc2000.dat" file (97 characters and a line feed each): the icon of
// its type (0 for types that are not drawn), right ascension and declination in degrees.
// Returns false when the file cannot be opened.
bool forEachNgc2000(const std::string& path,
                    const std::function<void(int iconId, double ra_deg, double dec_deg)>& visit);

// The Moon's phase as a disc of radius r at (cx, cy): lit fraction k (0-1), waxing lit on the right.
void drawMoonPhase(gfx::Canvas& canvas, int cx, int cy, int r, double fraction, bool waxing,
                   gfx::Rgb lit, gfx::Rgb dark);

} // namespace skymap
