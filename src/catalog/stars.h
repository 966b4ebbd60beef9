// SPDX-License-Identifier: GPL-3.0-or-later
// The faint stars of the sky map: the star files star6.syt, star7.syt and star8.syt (one per
// magnitude step; read for each call here, kept between paints by a StarStore, star_store.h)
// and the Guide Star Catalog 1.1 in its CD-ROM layout, streamed while the map is painted; and
// the star depth (limiting magnitude and disc size) of the view being painted.
//
// Drives. The catalogue settings name the Guide Star Catalog's drive by index (0 = A:, 3 = D:).
// A drive letter x is the first existing directory of: $NALVO_DRIVE_X (e.g.
// NALVO_DRIVE_D=/media/cdrom0), <user data dir>/drives/x (a directory or a symbolic link, e.g.
// ~/.local/share/nalvo/drives/d -> /media/cdrom), /mnt/x, and for d only /media/cdrom. Below it
// the layout is the CD-ROM's ("Tables/Regions.tbl", "gsc/N0000/0001.gsc", ...); names are matched
// without regard to case, so a copy of either CD-ROM, or of both merged, works.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "catalog/systeme.h"

class Prompter;

// Projection kinds of the sky views.
enum SkyProjectionKind : int {
    kEquidistantKind = 0,
    kAzimutalWindowKind = 1,
    kCircularKind = 2,
    kQuadraticKind = 3,
    kQuadraticTrajectoriesKind = 4,
};

// The star-depth fields of the display options (section "Affichage"; magnitudes, not hundredths).
struct StarDepth {
    double starMagnitude = 6.0;    // stars of this magnitude or fainter are not drawn
    bool autoMagnitude = true;     // the limit follows the view
    double gscMinMagnitude = 16.0; // Guide Star Catalog stars this faint or fainter are not drawn
    double gscMaxMagnitude = -2.0; // Guide Star Catalog stars this bright or brighter are not drawn
    double starScale = 1.0;        // size factor of star discs
    bool animating = false;        // true while the animation timer repaints
};

// Recomputes starMagnitude (automatic mode, or at most 6 while animating or without the star
// files) and starScale for the view about to be painted.
// `zoom` is the zoom factor Z of the equidistant or circular view; width and height are the
// rectangular window's extent in degrees (right edge minus left edge; ignored by the disc views).
void updateStarDepth(int kind, double zoom, double width_deg, double height_deg,
                     const CatalogueSettings& settings, StarDepth& depth);

// The quadratic window's prepared bounds: Ra the right-edge and Rb the left-edge right ascension
// (Rb may exceed 360), Dmin and Dmax the declination bounds, all in degrees.
struct StarWindow {
    double ra_deg = 0, rb_deg = 0, dmin_deg = 0, dmax_deg = 0;
};

enum class StarSource { Star6, Star7, Star8, Gsc };
// One streamed star: right ascension and declination in degrees, visual magnitude.
using StarVisitor = std::function<void(double ra_deg, double dec_deg, double mag, StarSource source)>;

// Where the star files are. Empty fields take the defaults: star files by findDataFile, the
// working-directory region table as findDataFile("Regions.tbl"), drives as described above.
struct StarFiles {
    std::vector<std::string> dataDirs;  // directories searched for star6/7/8.syt and Regions.tbl
    std::vector<std::string> driveDirs; // index = drive number; "" = not mapped (overrides)
};

// The star files, one per magnitude step: layer 0 is star6.syt (stars from magnitude 6), 1
// star7.syt, 2 star8.syt; their StarSource is Star6 + layer.
constexpr int kStarFileCount = 3;
const char* starFileName(int layer);
// A paint with this limit reads the file when it is enabled in the settings ("Magnitude 6", 7
// or 8 is 1) and the limit goes beyond the file's first magnitude.
bool starFileWanted(const CatalogueSettings& settings, int layer, double limit);

// The whole content of a file; false when it cannot be opened.
bool readFileBytes(const std::string& path, std::string& out);
// The path of a star file or of "Regions.tbl" in the working-directory places; "" when missing.
std::string findStarFile(const std::string& name, const StarFiles& files = {});

// Visits, in order, the stars of the enabled star files below the limit, then, when the view and
// the settings allow it, the Guide Star Catalog stars between gscMaxMagnitude and gscMinMagnitude
// of the regions overlapping the window. Stars with non-finite values are skipped; a star file
// ends at its first line that does not hold three numbers. Missing star files are skipped
// silently; the Guide Star Catalog asks through `prompter`. Returns the number of stars visited.
long forEachCatalogueStar(int kind, const StarWindow& window, const CatalogueSettings& settings,
                          const StarDepth& depth, Prompter& prompter, const StarVisitor& visit,
                          const StarFiles& files = {});

// The Guide Star Catalog part of forEachCatalogueStar alone: its stars, questions and messages.
long forEachGscStar(int kind, const StarWindow& window, const CatalogueSettings& settings,
                    const StarDepth& depth, Prompter& prompter, const StarVisitor& visit,
                    const StarFiles& files = {});

// Streams one star file ("%d" count, then "%f %f %f" lines); returns the stars visited (all of
// them, whatever their magnitude), or -1 when the file cannot be opened.
long readStarFile(const std::string& path, const std::function<void(double, double, double)>& visit);
// The same on bytes in memory.
long parseStarText(const char* data, std::size_t size,
                   const std::function<void(double, double, double)>& visit);

// Whether the Guide Star Catalog layer is read for this view (quadratic views, gscMinMagnitude
// at least 9, useGsc 1, window under 20 degrees in both directions).
bool gscLayerAllowed(int kind, const StarWindow& window, const CatalogueSettings& settings,
                     const StarDepth& depth);

// The directory of drive `drive` (0 = A:), "" when it maps to none.
std::string gscDriveDirectory(int drive, const StarFiles& files = {});
// Drive numbers 0-25 that map to an existing directory, for the catalogue dialog.
std::vector<int> availableDrives(const StarFiles& files = {});
// The drive letter of a drive number, lower case ('a' + drive; '?' outside 0-25).
char driveLetter(int drive);

// Up to 40 regions overlapping a window; count -1 when the region table cannot be opened.
struct GscRegionList {
    int count = 0;
    int32_t regions[40] = {};
};
constexpr int kMaxGscRegions = 40;

// Region search in "Regions.tbl" for RAmin..RAmax and Dmin..Dmax (degrees, compared without
// wrapping at 0h).
GscRegionList findGscRegions(int drive, double raMin_deg, double raMax_deg, double decMin_deg,
                             double decMax_deg, Prompter& prompter, const StarFiles& files = {});
// The region table's regions overlapping the window, from its bytes (no file, no question). The
// 40-region message goes to `prompter`.
GscRegionList findRegionsInTable(const std::string& tableBytes, double raMin_deg, double raMax_deg,
                                 double decMin_deg, double decMax_deg, Prompter& prompter);

// The region file's path relative to the drive, "gsc/N0000/0001.gsc"; "" for a region outside
// 0-9536, which has no directory.
std::string gscRegionRelativePath(int region);
// The full path on the drive's directory ("" when the region or the drive has none). The file
// names of an existing copy are matched without regard to case.
std::string gscRegionPath(int drive, int region, const StarFiles& files = {});

// The stars of a region file's bytes: right ascension, declination (degrees) and magnitude.
// Returns the records read (a truncated file gives the records it holds).
long parseGscRegion(const std::string& bytes, const std::function<void(double, double, double)>& visit);

// A fixed-width number: each position weighs by its distance from the decimal point (or from the
// end of the field), digits add digit x weight, blanks and '+' add nothing, '-' makes the digits
// after it negative. `negative` tells whether a minus sign was present (for "-00").
double fixedWidthNumber(const char* field, int width, bool* negative = nullptr);
