// SPDX-License-Identifier: GPL-3.0-or-later
// Jupiter's moon events in the forecast.
#include "reports/jupiter_events_lines.h"

#include <cmath>
#include <cstring>

#include "catalog/systeme.h"
#include "catalog/systeme_positions.h"
#include "reports/report_text.h"

namespace reports {

std::string jupiterEventLine(int moon, JovianEventKind kind, int hour, int minute) {
    const char* what = "";
    switch (kind) {
    case JovianEventKind::TransitStart:
        what = "transit begins at";
        break;
    case JovianEventKind::TransitEnd:
        what = "transit ends at";
        break;
    case JovianEventKind::OccultationStart:
        what = "disappears behind Jupiter at";
        break;
    case JovianEventKind::OccultationEnd:
        what = "reappears from behind Jupiter at";
        break;
    case JovianEventKind::EclipseStart:
        what = "disappears into Jupiter's shadow at";
        break;
    case JovianEventKind::EclipseEnd:
        what = "reappears from Jupiter's shadow at";
        break;
    case JovianEventKind::ShadowStart:
        what = "shadow transit begins at";
        break;
    case JovianEventKind::ShadowEnd:
        what = "shadow transit ends at";
        break;
    }
    std::string line;
    appendf(line, " %s : %s %dh%02d.\n", kGalileanMoonNames[moon], what, hour, minute);
    return line;
}

void appendJupiterMoonEventLines(std::string& out, systeme& model, const date2& sunriseUt, int nightMinutes) {
    const soleil* sun = model.sun();
    const planete* jupiter = model.planetCount() > 4 ? model.planet(4) : nullptr;
    if (!sun || !jupiter || nightMinutes <= 0) return;
    const double jdEnd = static_cast<double>(sunriseUt.t * 36525) + 2415020.0;
    const double jdStart = jdEnd - nightMinutes / 1440.0;
    bool moved = false;
    for (const JovianEvent& e : jovianMoonEvents(jdStart, jdEnd)) {
        // The event's instant on the whole minute, as the report writes it.
        date2 when = sunriseUt;
        when.t = static_cast<long double>(std::round((e.jdUt - 2415020.0) * 1440) / 1440 / 36525);
        when.calculeCalendrier();
        // The first call brings the model to the instant; the next ones read the places it left.
        altitudeAtDate(sun->dec, sun->ra, when, model);
        const double hSun = altitudeAtDate(sun->dec, sun->ra, when, model);
        const double hJupiter = altitudeAtDate(jupiter->dec, jupiter->ra, when, model);
        moved = true;
        if (!(hSun < 0 && hJupiter > 0)) continue;
        date2 local = when;
        local.ajouteHeuresReel(when.placeOffset_h());
        local.calculeCalendrier();
        out += jupiterEventLine(e.moon, e.kind, local.heure, local.minute);
    }
    if (moved) altitudeAtDate(sun->dec, sun->ra, sunriseUt, model);
}

} // namespace reports
