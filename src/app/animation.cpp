// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/animation.h"

#include "astro/date2.h"

namespace anim {

void moveByStep(date2& d, int step, int direction) {
    if (step > 0)
        d.ajouteHeures(step * direction);
    else
        d.ajouteMinutes(-step * direction);
    d.calculeCalendrier();
}

bool yearAnimatable(const date2& d) { return d.annee >= -99 && d.annee <= 2999; }

void clampYear(date2& d) {
    if (d.annee > 3000) {
        d.annee = 3000;
        d.calculeT();
        d.calculeCalendrier();
    }
}

// Faster never goes beyond a century per step, so pressing it forever cannot overflow.
constexpr int kMaxStep_h = 876600;

int skyFaster(int step) {
    if (step > kMaxStep_h - 24) return step;
    if (step > 1) return step + 24;
    if (step == 1) return 24;
    if (step == -5) return 1;
    return step;  // other minute values stay
}

int skySlower(int step) {
    if (step == 1) return -5;
    if (step == 24) return 1;
    if (step > 24) return step - 24;
    return step;
}

int azimuthalFaster(int step) {
    if (step > kMaxStep_h - 24) return step;
    if (step > 1) return step + 24;
    if (step == 1) return 24;
    if (step == -5) return 1;
    if (step >= -4 && step <= -1) return step - 1;
    return step;
}

int azimuthalSlower(int step) {
    if (step < -1) return step + 1;
    if (step == 1) return -5;
    if (step == 24) return 1;
    if (step > 24) return step - 24;
    return step;
}

int quadraticFaster(int step) { return step > kMaxStep_h - 24 ? step : step + 24; }

int quadraticSlower(int step) { return step > 10 ? step - 10 : step; }

// Faster maps 2..48 onto 26..72 and everything above 48 onto 289 and more, so the two ranges
// of its results are disjoint and slower can tell which rule produced a step.
constexpr int kSatelliteBigStepFrom = 288;

int satelliteFaster(int step) {
    if (step > kMaxStep_h - 240) return step;
    if (step > 48) return step + 240;
    if (step >= 2) return step + 24;
    if (step == 1) return 24;
    if (step == -5) return 1;
    if (step >= -4 && step <= -1) return step - 1;
    return step;
}

int satelliteSlower(int step) {
    if (step < -1) return step + 1;
    if (step == 1) return -5;
    if (step == 24) return 1;
    if (step > kSatelliteBigStepFrom) return step - 240;
    if (step > 24) return step - 24;
    return step;
}

int helioFaster(int speed_h) { return speed_h > kMaxStep_h / 2 ? speed_h : speed_h * 2; }

int helioSlower(int speed_h) {
    if (speed_h >= 24) return speed_h / 2;
    if (speed_h >= 2) return speed_h - 1;
    return speed_h;
}

std::string stepText(int step, int direction) {
    const char* sign = direction < 0 ? "-" : "+";
    if (step > 0) return sign + std::to_string(step) + " h per step";
    return sign + std::to_string(-step) + " min per step";
}

}  // namespace anim
