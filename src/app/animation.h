// SPDX-License-Identifier: GPL-3.0-or-later
// Animation steps of the views: the step encoding, the faster/slower sequences of each view and
// the year limits that keep an animated date between -99 and 3000.
#pragma once

#include <string>

struct date2;

namespace anim {

// Step encoding shared by every animated view: s > 0 is s hours, s <= 0 is |s| minutes.
// Moves `d` by one step times `direction` (+1 or -1) and rebuilds the calendar fields.
void moveByStep(date2& d, int step, int direction);

// A running animation moves the date only while its year is in -99..2999.
bool yearAnimatable(const date2& d);

// Single steps and zooms clamp a year above 3000 to 3000 (the date is then recomputed).
void clampYear(date2& d);

// Sky views 10 and 13 (`skyStep`): ..., -5 min, 1 h, 24 h, 48 h, ...
int skyFaster(int step);
int skySlower(int step);

// Azimuthal view 14 (`azimuthalStep`): -1, -2, ..., -5 min, 1 h, 24 h, 48 h, ...
int azimuthalFaster(int step);
int azimuthalSlower(int step);

// Quadratic view 11 (`quadraticStep`), hours.
int quadraticFaster(int step);
int quadraticSlower(int step);

// Satellite views 31-33 (`satStep`): -1 ... -5 min, 1 h, 24, 48, 72, 312, 552, ... h.
// Slower undoes faster for every step faster produces.
int satelliteFaster(int step);
int satelliteSlower(int step);

// Heliocentric view (`animationSpeed`, hours): doubled; minus 1 from 2 to 23, halved from 24.
int helioFaster(int speed_h);
int helioSlower(int speed_h);

// A step as the user reads it, with its direction: "+2 h per step", "-5 min per step".
std::string stepText(int step, int direction);

}  // namespace anim
