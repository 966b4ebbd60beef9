// SPDX-License-Identifier: GPL-3.0-or-later
// View 40, the dance of a planet: its offset from the Sun in right ascension (across) and
// declination (down) over the span, traced in 490 steps around the Sun fixed at the centre.
#pragma once

#include <string>
#include <vector>

#include "astro/date2.h"

class systeme;
class ParametreAffichage;

namespace gfx {
class Canvas;
}

namespace dance {

// Pixels per degree of right ascension and of declination for the planet index of the model
// (0 Mercury, 1 Venus, 3 and above the outer planets); {0, 0} for the Earth (index 2).
struct Scale {
    double x = 0, y = 0;
};
Scale scaleFor(int danceObject);

// The default span of a planet index: danceObject + 1 years of 364.9945 days, in centuries.
double defaultSpan(int danceObject);

// The point of the planet at the model's current positions: (cx + B·x-scale, cy + A·y-scale)
// with A = dec(Sun) - dec(planet) and B = ra(Sun) - ra(planet) in [-180, 180] degrees.
struct Offset {
    double ra_deg = 0;  // B
    double dec_deg = 0; // A
};
Offset offsetFromSun(double sunRa_deg, double sunDec_deg, double planetRa_deg, double planetDec_deg);

// Pen of a step (palette numbers): near (|n| <= 71 degrees of heliocentric longitude between the
// Earth and the planet) 9 in even months and 10 in odd ones, far 11 and 12.
int penOfStep(int month, bool far);

// One point of the path: the start (index 0), then the 490 steps.
struct PathPoint {
    date2 date;
    Offset offset;
    int x = 0, y = 0;
    bool far = false;  // on the far side of the Sun from the Earth
    bool jump = false; // reached across +-180 degrees: no line to it
};
// The path of `danceObject` between `start` and `end` for a client area of clientWidth x H;
// empty for the Earth or an index the model does not have. Recomputes the model 491 times.
std::vector<PathPoint> tracePath(systeme& sys, const date2& start, const date2& end, int danceObject,
                                 int clientWidth, int H);

// The whole view for a client area of clientWidth x H. Recomputes the model 491 times (the model
// then describes the last step's date). Index 2 (the Earth) draws nothing but the wait state.
void drawDance(gfx::Canvas& canvas, systeme& sys, const date2& start, const date2& end, int danceObject,
               const ParametreAffichage& options, int clientWidth, int H);

// "The dance of " and the planet's English name.
std::string titleOf(const systeme& sys, int danceObject);

} // namespace dance
