// SPDX-License-Identifier: GPL-3.0-or-later
// Short analytical theories of the four Galilean satellites and of Saturn's six inner large
// satellites, and the tilt of Saturn's rings as seen from the Earth. Angles in degrees.
#pragma once

#include "astro/date2.h"

// One storage for both theories. The Jupiter theory writes its results into the first four slots;
// the Saturn theory keeps its orbit constants in the same arrays and must be told to store them
// again (initialise) once the Jupiter theory has used the table.
struct SatelliteTable {
    static constexpr int kSlots = 8;
    // Jupiter: distance from the centre, Jupiter equatorial radii. Saturn: orbit radius a, Saturn
    // diameters (a constant of the theory).
    double satRadius[kSlots] = {};
    // Jupiter: the satellite's corrected angle u in its orbit. Saturn: its longitude lambda in the
    // ring plane counted from the direction of the Earth towards the west, reduced to [0, 360).
    double satLongitude[kSlots] = {};
    // Jupiter: offsets in Jupiter radii, satX along the equator (-r sin u), satZ along the line of
    // sight (-r cos u, positive away from the Earth), satY across the equator (-r cos u sin De).
    // Saturn: satX = a sin lambda (positive towards the west) and satY = a cos lambda (positive
    // towards the Earth) in the ring plane, Saturn diameters.
    double satX[kSlots] = {};
    double satY[kSlots] = {};
    double satZ[kSlots] = {};
    // Saturn constants: longitude at the epoch 1980 January 0.0 (deg), daily motion (deg/day),
    // magnitude, diameter (km).
    double satEpochLongitude[kSlots] = {};
    double satMotion[kSlots] = {};
    double satMagnitude[kSlots] = {};
    double satDiameter[kSlots] = {};
    // 42 minus Jupiter's central meridian in system II, degrees, not reduced.
    double redSpotAngle = 0;
};

constexpr int kJovianSatellites = 4; // Io, Europe, Ganymede, Callisto
constexpr int kSaturnSatellites = 8; // Mimas ... Japet; positions for the first six only
constexpr int kSaturnPositioned = 6; // Mimas ... Titan
extern const char* const kJovianSatelliteNames[kJovianSatellites];
extern const char* const kSaturnSatelliteNames[kSaturnSatellites];

// a reduced to [0, 360): add 360 while negative, then take away whole turns.
double reduceAngle(double deg);

// Fills satRadius, satLongitude, satX, satY, satZ of slots 0-3 and redSpotAngle for `date`
// (T read as days from JD 2415020.0; the light time from the Earth is applied).
void computeJovianSatellites(const date2& date, SatelliteTable& table);

// Stores the Saturn constants when `initialise`, then fills satLongitude, satX and satY of slots
// 0-5 for `date`, from Saturn's geocentric right ascension and declination (deg, equator of date)
// and distance (AU): the moons are taken when the light left them, and their longitudes in
// Saturn's equatorial plane are counted from the direction of the Earth. Titan's satX and satY
// lie on its ellipse (its distance from Saturn varies by 2.9 percent about satRadius).
void computeSaturnSatellites(const date2& date, double saturnRa_deg, double saturnDec_deg,
                             double saturnDelta_au, SatelliteTable& table, bool initialise);

// The Earth's longitude seen from Saturn in Saturn's equatorial plane (deg, -180..180], counted
// from the ascending node of that plane on the Earth's equator, in the direction of the moons'
// motion, from Saturn's geocentric right ascension and declination (deg, equator of date).
double saturnEarthLongitude(double saturnRa_deg, double saturnDec_deg);

// The Earth's saturnicentric latitude, the elevation of the Earth above Saturn's ring plane, in
// radians, from Saturn's geocentric right ascension and declination (deg, equator of date).
// Positive when the Earth sees the rings' northern face.
double saturnRingTilt_rad(double saturnRa_deg, double saturnDec_deg);
