// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/render_span.h"

#include "astro/planets.h"
#include "catalog/systeme.h"
#include "gfx/canvas.h"
#include "gfx/parametre_affichage.h"
#include "views/conjunction.h"
#include "views/dance.h"
#include "views/time_span.h"

#include <cstdio>
#include <strings.h>

namespace {

// Model index of a planet given by its English or its model name (any case); -1 if none.
int planetIndex(const systeme& sys, const std::string& name) {
    const std::string french = frenchName(name);
    for (int i = 0; i < sys.planetCount(); ++i) {
        const char* nom = sys.planet(i)->nom;
        if (strcasecmp(nom, name.c_str()) == 0 || (!french.empty() && strcasecmp(nom, french.c_str()) == 0))
            return i;
    }
    return -1;
}

} // namespace

bool renderSpanView(gfx::Canvas& canvas, int view, systeme& sys, const date2& date,
                    const SpanRenderOptions& span, const ParametreAffichage& options, int width, int height,
                    std::string& summary, std::string& error) {
    date2 end = span.end;
    char text[200];
    if (view == 30) {
        if (!span.haveEnd) timespan::setEnd(date, end, timespan::kPlanetSpan);
        conjunction::drawConjunctionGraph(canvas, sys, date, end, options, static_cast<int>(sys.mapWidth),
                                          height);
        std::snprintf(text, sizeof text, "conjunction graph, %d hours a row", timespan::stepHours(date, end));
    } else {
        const int object = planetIndex(sys, span.planet);
        if (object < 0 || object == 2) {
            error = "--planet takes a planet of the model other than the Earth, not '" + span.planet + "'";
            return false;
        }
        if (!span.haveEnd) timespan::setEnd(date, end, dance::defaultSpan(object));
        dance::drawDance(canvas, sys, date, end, object, options, width, height);
        std::snprintf(text, sizeof text, "%s, %d hours a step", dance::titleOf(sys, object).c_str(),
                      timespan::stepHours(date, end));
    }
    summary = text;
    summary += " until " + end.texteHeureDate();
    return true;
}
