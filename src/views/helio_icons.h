// SPDX-License-Identifier: GPL-3.0-or-later
// The 32 x 32 icons of the heliocentric view: the Sun, the planets as seen from space, an
// asteroid and any other body, in a colour set and a black-and-white set (pictures saved in black
// and white), drawn in code and registered with gfx::registerIcon under the view's icon ids.
#pragma once

#include <QImage>
#include <string_view>

namespace views {

// Colour set; the black-and-white twin of each is id - 20 (the "other body" icon has no twin).
enum HelioIconId : int {
    kHelioSun = 35,
    kHelioSaturn = 36,
    kHelioJupiter = 37,
    kHelioMars = 39,
    kHelioVenus = 40,
    kHelioMercury = 41,
    kHelioEarth = 42,
    kHelioNeptune = 43,
    kHelioUranus = 44,
    kHelioPluto = 46,
    kHelioAsteroid = 47,
    kHelioOtherBody = 71,
};
constexpr int kHelioBlackWhiteOffset = 20;

// Icon of a planet by its file name ("Terre", "Mars", "Mercure", "Venus", "Saturne", "Jupiter",
// "Uranus", "Neptune", "Pluton"); kHelioOtherBody for any other name.
int helioIconOf(std::string_view name);
// The icon to draw for `id` in the colour set or the black-and-white set.
inline int helioIconInSet(int id, bool blackWhite) {
    return blackWhite && id != kHelioOtherBody ? id - kHelioBlackWhiteOffset : id;
}

QImage makeHelioIcon(int id, bool blackWhite, int scale = 1);
// Registers both sets; safe to call more than once.
void registerHelioIcons();

} // namespace views
