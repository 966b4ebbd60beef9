// SPDX-License-Identifier: GPL-3.0-or-later
// Phenomena of Jupiter's four large moons seen from the Earth's centre: transits, occultations,
// eclipses and shadow transits, with instants to the second in UT. Geometry of jovian_theory.h;
// Jupiter is a spheroid about its IAU pole at its light time, each moon at its own light time.
#pragma once

#include <vector>

#include "astro/jovian_theory.h"

enum class JovianEventKind {
    TransitStart,
    TransitEnd,
    OccultationStart,
    OccultationEnd,
    EclipseStart,
    EclipseEnd,
    ShadowStart,
    ShadowEnd,
};

struct JovianEvent {
    double jdUt = 0; // Julian day, UT
    int moon = 0;    // 0 Io, 1 Europa, 2 Ganymede, 3 Callisto
    JovianEventKind kind = JovianEventKind::TransitStart;
};

extern const char* const kGalileanMoonNames[4]; // "Io", "Europa", "Ganymede", "Callisto"

// "transit_start", "transit_end", "occultation_start", ..., "shadow_end".
const char* jovianEventName(JovianEventKind kind);

// What a moon shows at one instant. Margins are in km, measured in the space where the spheroid is
// stretched along its pole into a sphere of the equatorial radius; negative means inside.
struct JovianMoonState {
    double discMargin_km = 0;  // the Earth-moon line's distance from Jupiter's centre less its radius
    bool onDisc = false;       // the moon's centre inside Jupiter's outline
    bool nearer = false;       // the moon nearer the Earth than Jupiter's centre
    double umbraMargin_km = 0; // distance to the umbra's surface
    bool inUmbra = false;
    bool shadowHits = false; // the Sun-moon line meets the spheroid beyond the moon
    double shadowLineMargin_km = 0;
    double shadowFacing = 0; // cosine of the angle between the spheroid's normal at the shadow and the Earth
    bool shadowSeen = false; // the shadow on the hemisphere facing the Earth
    double shadowIncidence = 0; // cosine of the Sun's incidence at the shadow
};

// The state of a moon from the places (heliocentric, km): the Earth at the instant, Jupiter's
// centre at its light time, Jupiter's centre and the moon (relative to it) at the moon's light
// time, and Jupiter's north pole (unit vector).
JovianMoonState jovianMoonGeometry(const Vec3d& earth, const Vec3d& jupiter, const Vec3d& jupiterAtMoon,
                                   const Vec3d& moon, const Vec3d& pole);

// The state of `moon` (0-3) at a Julian day of UT.
JovianMoonState jovianMoonState(double jdUt, int moon);

// Jupiter's elongation from the Sun seen from the Earth's centre, degrees.
double jupiterSunElongation_deg(double jdUt);

// Every event of the four moons with from <= instant < to (Julian days of UT), in time order;
// only those when Jupiter's elongation from the Sun exceeds minElongation_deg. Instants are
// rounded to the second.
std::vector<JovianEvent> jovianMoonEvents(double fromJdUt, double toJdUt, double minElongation_deg = 0);
