// SPDX-License-Identifier: GPL-3.0-or-later
// The 32 x 32 icons of the sky map: Sun, Moon, planets, asteroid, the deep-sky kinds and the
// eclipse marker, in a colour set and a black-and-white set, drawn in code and registered with
// gfx::registerIcon. An icon is drawn with its top-left corner 16 pixels left of and above its point.
#pragma once

#include <QImage>
#include <string_view>

namespace skymap {

enum SkyIconId : int {
    kIconSun = 500,
    kIconMoon,
    kIconMercury,
    kIconVenus,
    kIconEarth,
    kIconMars,
    kIconJupiter,
    kIconSaturn,
    kIconUranus,
    kIconNeptune,
    kIconPluto,
    kIconBody, // a body whose name matches no planet
    kIconAsteroid,
    kIconGalaxy,
    kIconSpiralGalaxy,     // face-on spiral
    kIconSpiralGalaxyEdge, // second spiral icon: edge-on
    kIconEllipticGalaxy,
    kIconOpenCluster,
    kIconGlobularCluster,
    kIconNebula,
    kIconEclipse,
    kIconLast = kIconEclipse,
};
// The black-and-white twin of an icon.
constexpr int kBlackWhiteOffset = 100;
constexpr int kIconSize = 32;

// Icon of a planet by its file name ("Mercure", "Venus", "Terre", "Mars", "Jupiter", "Saturne",
// "Uranus", "Neptune", "Pluton"); kIconBody for any other name.
int planetIconId(std::string_view name);
// Icon of a deep-sky type code: 1 nebula, 2 globular cluster, 3 open cluster, 4 galaxy,
// 5 elliptic galaxy, 6 and 7 spiral galaxy, 8 irregular galaxy (drawn as a galaxy); 0 for none.
int deepSkyIconId(int type);

// Draws one icon (colour set, or the black-and-white set when blackWhite).
QImage makeSkyIcon(int id, bool blackWhite, int scale = 1);
// Registers every icon of both sets; safe to call more than once.
void registerSkyIcons();

} // namespace skymap
