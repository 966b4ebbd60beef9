// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/position.h"

#include "astro/moon.h"
#include "astro/planets.h"
#include "astro/rise_set.h"
#include "astro/sun.h"
#include "catalog/systeme.h"

namespace reports {

namespace {
std::string displayName(const objetceleste& body) {
    std::string name = englishName(body.nom);
    return name.empty() ? std::string(body.nom) : name;
}
} // namespace

std::vector<std::string> positionObjectNames(const systeme& model) {
    std::vector<std::string> names;
    if (const soleil* sun = model.sun()) names.push_back(displayName(*sun));
    for (int k = 0; k < model.planetCount(); ++k)
        if (const planete* p = model.planet(k)) names.push_back(displayName(*p));
    for (int k = 0; k < model.planetCount(); ++k)
        if (const planete* p = model.planet(k))
            for (int j = 0; j < p->satelliteCount() && j < 2; ++j)
                if (const satellite* s = p->getSatellite(j)) names.push_back(displayName(*s));
    return names;
}

bool computePosition(systeme& model, const date2& date, int objectIndex, PositionValues& values) {
    soleil* sun = model.sun();
    if (!sun || objectIndex < 0) return false;
    const objetceleste* body = nullptr;
    bool isSatellite = false;
    if (objectIndex == 0) {
        sunPosition(*sun, date);
        body = sun;
    } else if (objectIndex <= model.planetCount()) {
        planete* p = model.planet(objectIndex - 1);
        if (!p) return false;
        planetPosition(*p, date, *sun);
        body = p;
    } else {
        int k = objectIndex - model.planetCount() - 1;
        for (int i = 0; i < model.planetCount() && !body; ++i) {
            const planete* p = model.planet(i);
            if (!p) continue;
            for (int j = 0; j < p->satelliteCount() && j < 2 && !body; ++j) {
                satellite* s = p->getSatellite(j);
                if (!s) continue;
                if (k-- == 0) {
                    moonPosition(*s, date, *sun);
                    body = s;
                    isSatellite = true;
                }
            }
        }
        if (!body) return false;
    }
    values.dec = splitDeclination(body->dec);
    values.ra = splitRightAscension(body->ra);
    values.distance.clear();
    if (isSatellite)
        appendf(values.distance, "%3.2lf m%s", body->delta * 1000, "AU");
    else
        appendf(values.distance, "%3.4lf %s", body->delta, "AU");
    return true;
}

std::string declinationDegreesText(const DeclinationParts& dec) {
    std::string text;
    if (dec.negative && dec.degrees == 0)
        text = "-0";
    else
        appendf(text, "%d", dec.degrees);
    return text;
}

std::string positionLine(const std::string& name, const date2& date, const PositionValues& v) {
    std::string line;
    appendf(line, "%s %d-%02d-%02d %dh UT  RA %02dh %02dm %02ds  Dec %s\xB0 %02d' %02d\"  Distance %s\n",
            name.c_str(), date.annee, date.mois, date.jour, date.heure, v.ra.hours, v.ra.minutes,
            v.ra.seconds, declinationDegreesText(v.dec).c_str(), v.dec.minutes, v.dec.seconds,
            v.distance.c_str());
    return line;
}

std::string riseTransitSetLine(const systeme& model, const date2& date, int objectIndex, double lat_deg,
                               double lonWest_deg, double offset_h) {
    const soleil* sun = model.sun();
    if (!sun || objectIndex < 0) return {};
    RiseSetBody body;
    if (objectIndex == 0) {
        body = sunForRiseSet(*sun);
    } else if (objectIndex <= model.planetCount()) {
        const planete* p = model.planet(objectIndex - 1);
        if (!p || std::string(p->nom) == "Terre") return {};
        body = planetForRiseSet(*p, *sun);
    } else {
        // Of the satellites only the Moon, the Earth's first, rises and sets here.
        const satellite* moon = nullptr;
        int k = objectIndex - model.planetCount() - 1;
        for (int i = 0; i < model.planetCount() && k >= 0; ++i) {
            const planete* p = model.planet(i);
            if (!p) continue;
            for (int j = 0; j < p->satelliteCount() && j < 2 && k >= 0; ++j) {
                const satellite* s = p->getSatellite(j);
                if (!s || k-- != 0) continue;
                if (j == 0 && std::string(p->nom) == "Terre") moon = s;
            }
        }
        if (!moon) return {};
        body = moonForRiseSet(*moon, *sun);
    }
    const long double dayStart = localDayStart(date.t, offset_h);
    return riseTransitSetText(riseTransitSet(body, dayStart, lat_deg, lonWest_deg), dayStart) + "\n";
}

} // namespace reports
