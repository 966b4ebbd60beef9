// SPDX-License-Identifier: GPL-3.0-or-later
// Interaction with the sky map as plain state and functions that tests drive without a window:
// the rubber-band rectangle of the rectangular views, the coordinates under the pointer, the hover
// label with its constellation markers, the information lines of an identified object and the
// search lists. Texts are Windows-1252 bytes (degree sign 0xB0, "é" 0xE9); the window converts them
// when it writes them.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "skymap/hit_test.h"

struct CatalogueSettings;
#include "skymap/projection.h"

struct date2;

namespace skymap {

// The map area of the sky views, whose clicks belong to this module:
// 5 < x < trunc(mapWidth) - 20 and 30 < y < trunc(clientHeight) - 15.
bool insideMapArea(const MapGeometry& g, int x, int y);
// A point held within the map rectangle: x in [5, trunc(mapWidth) - 20], y in [30, trunc(H) - 15].
PixelPoint clampToMapArea(const MapGeometry& g, int x, int y);
// Where the sky views can show an object: the map rectangle with the margins of the drawings
// (the quadratic views show points up to trunc(mapWidth) - 15, a zoomed disc is clipped to
// x >= 3, y >= 26).
bool onDrawnMap(const MapGeometry& g, int x, int y);
// Whether a paint of the sky view cuts its points to that rectangle: the rectangle views always,
// the disc views only when zoomed (`discZoom` > 1); an unzoomed disc is drawn whole, up to nearly
// the window's edge.
bool mapIsCut(int view, int discZoom);
// Views with a rubber-band zoom and a coordinate line: quadratic (11, 12) and azimutal (14).
bool isRectangleView(int view);

// Which objects of the model hold screen points of the current view: every category in the sky
// views, the planets and asteroids in the heliocentric views (which store their own points), none
// elsewhere. False when nothing can be identified in `view`.
bool identifiableInView(int view, HitFilter& filter);

// The rubber band of the rectangle zoom: a press in the map area starts it, moves follow it, the
// release zooms the window to it.
class RubberBand {
public:
    // Left button down; true when a rectangle starts (a rectangle view, a press inside the map area
    // and no rectangle already in progress).
    bool press(int view, const MapGeometry& g, int x, int y);
    // Pointer move; true when the outline from start() to current() must be drawn. A move in a
    // view without rectangles drops a rectangle in progress.
    bool move(int view, const MapGeometry& g, int x, int y);
    // Left button up; true when a rectangle was in progress (the view repaints). The window state
    // is zoomed to the rectangle in the rectangle views.
    bool release(SkyNavigation& nav, int view, const MapGeometry& g, int x, int y);
    void cancel() { active_ = false; }

    bool active() const { return active_; }
    PixelPoint start() const { return start_; }
    PixelPoint current() const { return current_; }

private:
    bool active_ = false;
    PixelPoint start_;
    PixelPoint current_;
};

// The coordinates under the pointer in views 11, 12 and 14 ("Azim:..° Haut:..°" or
// "Asc:.. Déc:.."), or nothing outside the map area and in other views.
std::optional<std::string> statusLineText(int view, const SkyNavigation& nav, const MapGeometry& g,
                                          int x, int y);
// Where the window writes that text: (trunc(mapWidth) + 30, trunc(clientHeight) - 20).
PixelPoint statusLinePosition(const MapGeometry& g);

// One text of the hover label; x is measured from the window's left edge.
struct LabelText {
    int x = 0;
    int y = 0;
    std::string text;
};

// The label that names the object under the pointer, with the markers of its constellation.
struct HoverLabel {
    SkyObjectRef object;
    std::vector<LabelText> texts;
    // Stars of the hovered star's constellation inside the map area and brighter than the limit.
    std::vector<PixelPoint> constellationMarkers;
    std::optional<PixelPoint> hoveredStar;

    bool empty() const { return !object.found(); }
};
HoverLabel hoverLabel(const systeme& sys, const MapGeometry& g, const HitFilter& filter, int x, int y);

// The English name of a body of the data files ("Vénus" -> "Venus"); the name itself when it has
// no translation.
std::string bodyEnglishName(const char* frenchName);

// Everything the information dialog shows of one object, before formatting.
struct ObjectFacts {
    int kind = kKindNone;
    std::string name;          // planet's English name, star's name, asteroid's name, "Moon"
    std::string constellation; // star: its constellation's name
    std::string number;        // deep-sky designation
    double ra_deg = 0;
    double dec_deg = 0;
    double magnitude = 0;         // stars and planets
    std::string spectralType;     // stars
    double visibleFraction = 0;   // Moon and planets, 0-1
    double diameter_arcsec = 0;   // Moon and planets
    // Satellites of Jupiter and Saturn (kind 12).
    double diameter_km = 0;
    double orbit_kkm = 0;        // mean distance, thousands of km
    double period_days = 0;
    // Position angle of the bright limb, deg from north through east (Moon and planets).
    double brightLimb_deg = 0;
    std::string pictureName;     // picture file stem: English name or designation ("" for none)
    std::string credit;          // credit of the picture, "" for most objects
    // The Sun, the Moon, planets and asteroids: "Rise 7h41, transit 12h03 at 21.4\xB0, set 16h25
    // (local time)." for the observer's local day of the date; "" for other objects.
    std::string riseTransitSet;
};

// The facts of an identified object for the model's last computed positions (`date` gives the
// Moon's phase, and with the model's place and its decalageLieu, the local day of the rise,
// transit and set). An unfound reference gives kind kKindNone.
ObjectFacts objectFacts(const systeme& sys, const SkyObjectRef& ref, const date2& date);
// The facts of satellite slot `slot` of Jupiter or Saturn (kind 12).
ObjectFacts satellFacts(const systeme& sys, int slot);

// The lines of the information dialog, first to last ("Type : Planet", "Name : Mars", ...);
// the picture credit is not among them (ObjectFacts::credit).
std::vector<std::string> infoLines(const ObjectFacts& facts);
// True for the objects always shown in the large form with a picture area (the Moon and planets).
bool alwaysLargeInfo(int kind);
// True when the dialog shades the unlit part of the picture from the visible fraction.
bool showsPhase(const ObjectFacts& facts);
// Whether the catalogue settings let the dialog show the object's picture: "Planet picture" for
// the Moon and the planets, "Messier picture" for the Messier objects (both off without settings);
// other objects show theirs whenever the file exists.
bool pictureAllowed(const ObjectFacts& facts, const CatalogueSettings* settings);

// Text of the Messier credit line for the objects whose pictures carry one.
bool messierPictureHasCredit(const std::string& designation);

// The search dialog's lists.
enum class SearchCatalogue { Planets, Stars, Messier, NGC, Asteroids };
struct SearchEntry {
    std::string text;
    SkyObjectRef object;
};
struct SearchList {
    std::vector<SearchEntry> entries;
    int selected = -1; // entry selected when the list is filled, -1 when it is empty
};
SearchList searchList(const systeme& sys, SearchCatalogue catalogue);

// What the search does with the chosen object: circle its screen point, or say it is not visible.
struct SearchOutcome {
    bool visible = false;
    ScreenPoint point;
    std::string message; // "Object not visible" when not visible
    std::string caption; // "It is may be too soon"
};
// An object is visible when the current view drew it in the last paint: its stored point is a
// drawn point inside the client area, in a sky view (any object) or a heliocentric view (planets
// and asteroids, whose points that view stores); where the map is cut (mapIsCut with the view's
// `discZoom`), only on the drawn map.
SearchOutcome searchOutcome(const systeme& sys, const SkyObjectRef& object, int view, const MapGeometry& g,
                            int discZoom = 1);
// Radius of the circle drawn around a found object, pixels, and its palette pen.
constexpr int kSearchCircleRadius = 8;
constexpr int kSearchCirclePen = 2;

} // namespace skymap
