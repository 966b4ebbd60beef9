// SPDX-License-Identifier: GPL-3.0-or-later
// systeme::computePositions: the Sun first, then every planet in table order with the Sun as
// reference, each planet's satellites right after it (the lunar theory).
#include "catalog/systeme_positions.h"

#include "astro/angles.h"
#include "astro/moon.h"
#include "astro/planets.h"
#include "astro/sun.h"
#include "catalog/systeme.h"

void systeme::computePositions(const date2& date, bool withSatellites) {
    ::soleil* s = sun();
    if (!s) return; // nothing loaded
    // The Sun's longitude, distance and obliquity once for the Sun, every planet and the Moon.
    const SunGeometry geometry = sunGeometry(*s, static_cast<double>(date.t));
    sunPosition(*s, geometry);
    for (int k = 0; k < nbPlanets && k < kMaxPlanets; ++k) {
        planete* p = planets[k].get();
        if (!p) continue;
        planetPosition(*p, date, geometry);
        if (!withSatellites) continue;
        for (int j = 0; j < p->satelliteCount() && j < 2; ++j)
            if (::satellite* m = p->getSatellite(j)) moonPosition(*m, date, geometry);
    }
}

double altitudeAtDate(double dec_deg, double ra_deg, const date2& date, systeme& model) {
    date2 copy = date;
    copy.calculeCalendrier();
    model.computePositions(copy, true);
    return altitudeFromSiderealTime(dec_deg, ra_deg, siderealTime(copy), model.latitude, model.longitude);
}
