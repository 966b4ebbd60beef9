// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/ephemeris.h"

#include <cstring>

#include "astro/moon.h"
#include "astro/planets.h"
#include "astro/sun.h"
#include "catalog/systeme.h"
#include "reports/report_text.h"

namespace reports {

namespace {
// Model index of the planet at entry j (0-based, the Sun not counted) of the object list: the
// model's third planet (the Earth) has no entry.
int planetOfEntry(int j) {
    return j < 2 ? j : j + 1;
}

std::string displayName(const objetceleste& body) {
    std::string name = englishName(body.nom);
    return name.empty() ? std::string(body.nom) : name;
}

void appendRightAscension(std::string& out, double ra_deg) {
    const RightAscensionParts p = splitRightAscension(ra_deg);
    appendf(out, p.hours < 10 ? "0%dh " : "%dh ", p.hours);
    appendf(out, p.minutes < 10 ? "0%d' " : "%d' ", p.minutes);
    appendf(out, p.seconds < 10 ? "0%d\"\t\t" : "%d\"\t\t", p.seconds);
}

void appendDeclination(std::string& out, double dec_deg) {
    const DeclinationParts p = splitDeclination(dec_deg);
    const int d = p.degrees;
    if (d >= 0 && d < 10 && !p.negative)
        appendf(out, "0%d\xB0 ", d);
    else if (d == 0 && p.negative)
        appendf(out, "-0%d\xB0 ", 0);
    else if (d >= -9 && d <= -1)
        appendf(out, "-0%d\xB0 ", -d);
    else
        appendf(out, "%d\xB0 ", d);
    appendf(out, p.minutes < 10 ? "0%d' " : "%d' ", p.minutes);
    appendf(out, p.seconds < 10 ? "0%d\"\t" : "%d\"\t", p.seconds);
}
} // namespace

std::vector<std::string> ephemerisObjectNames(const systeme& model) {
    std::vector<std::string> names;
    if (const soleil* sun = model.sun()) names.push_back(displayName(*sun));
    for (int k = 0; k < model.planetCount(); ++k)
        if (k != 2)
            if (const planete* p = model.planet(k)) names.push_back(displayName(*p));
    names.push_back("Moon");
    return names;
}

std::vector<std::string> ephemerisStepItems() {
    std::vector<std::string> items = {"1 hour", "1 day"};
    for (int d = 2; d <= 365; ++d) {
        std::string item;
        appendf(item, "%d %s", d, "days");
        items.push_back(item);
    }
    return items;
}

std::vector<std::string> ephemerisCountItems() {
    std::vector<std::string> items;
    for (int n = 5; n <= 100; n += 5)
        items.push_back(std::to_string(n));
    return items;
}

int ephemerisStepHours(int stepIndex) {
    return stepIndex > 0 ? 24 * stepIndex : 1;
}
int ephemerisLineCount(int countIndex) {
    return 5 * countIndex + 5;
}

std::string ephemerisEndText(const date2& start, int stepIndex, int countIndex) {
    date2 end = start;
    end.ajouteHeures(ephemerisStepHours(stepIndex) * ephemerisLineCount(countIndex));
    end.calculeCalendrier();
    std::string text;
    appendf(text, "%d/%d/%d", end.jour, end.mois, end.annee);
    return text;
}

std::string ephemerisText(systeme& model, date2& date, const EphemerisRequest& request) {
    soleil* sun = model.sun();
    const int j = request.object - 1;
    const int planets = model.planetCount();
    if (!sun || j < -1 || j > planets - 1) return {};
    const bool isSun = j == -1;
    const bool isMoon = j == planets - 1;
    objetceleste* body = sun;
    if (isMoon) {
        const planete* earth = model.planet(2);
        body = earth ? earth->getSatellite(0) : nullptr;
    } else if (!isSun) {
        body = model.planet(planetOfEntry(j));
    }
    if (!body) return {};

    std::string out;
    if (isSun) {
        appendf(out, "\t\t\t%s\n\t\t\t---------------------\n\n", "Sun Ephemeris");
        appendf(out, "   %s\n", "Date\t\tRight Ascension\tDeclination");
    } else if (isMoon) {
        appendf(out, "\t\t\t%s\n\t\t\t----------------------\n\n", "Moon Ephemeris");
        appendf(out, "   %s\n", "Date\t\tRight Ascension\tDeclination\tPhase\tDiametre angulaire");
    } else {
        std::string title;
        appendf(title, "%s %s", "Ephemeris of", body->nom);
        appendf(out, "\t\t\t%s\n\t\t\t", title.c_str());
        out.append(title.size(), '-');
        appendf(out, "\n\n   %s\n", "Date\t\tRight Ascension\tDeclination\tMagnitude\tAngular diameter");
    }

    const int stepHours = ephemerisStepHours(request.stepIndex);
    const int lines = ephemerisLineCount(request.countIndex);
    date.calculeCalendrier();
    for (int n = 0; n < lines; ++n) {
        if (isSun) {
            sunPosition(*sun, date);
        } else if (isMoon) {
            moonPosition(*body, date, *sun);
            topocentricCorrection(*body, date, model.latitude, model.longitude);
        } else {
            planetPosition(*body, date, *sun);
            topocentricCorrection(*body, date, model.latitude, model.longitude);
        }
        appendf(out, "%dh %d/%d/%d\t  ", date.heure, date.jour, date.mois, date.annee);
        appendRightAscension(out, body->ra);
        appendDeclination(out, body->dec);
        if (isMoon) {
            const double k = moonVisibleFraction(date);
            const double phase = moonWaxing(date) > 0 ? k / 2 : 1 - k / 2;
            appendf(out, "%3.2lf\t", phase);
            appendf(out, "    %3.2lf'", apparentDiameter(*body) / 60);
        } else if (!isSun) {
            appendf(out, "  %3.2lf\t\t", planetMagnitude(*body));
            appendf(out, "   %3.2lf\"", apparentDiameter(*body));
        }
        out += "\n";
        date.ajouteHeures(stepHours);
        date.calculeCalendrier();
    }
    if (isMoon)
        out +=
            "\nPhase:\t0 ou 1 -> New Moon \n\t0.25 -> First quarter\n\t0.50 -> Full\n\t0.75 -> Last quarter";
    appendf(out, "\n\n\n\t*-*-* %s *-*-*", "Nalvo");
    return out;
}

} // namespace reports
