// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/satellite_ui.h"

#include "app/commands.h"
#include "app/dialogs/span_dialogs.h"
#include "app/span_views.h"
#include "app/window.h"
#include "views/jupiter.h"
#include "views/satellite_views.h"

namespace satui {

namespace {
views::SatelliteScene sceneOf(const TPlanetariumWindow& w) {
    views::SatelliteScene s;
    s.clientWidth = w.clientWidth();
    s.clientHeight = w.clientHeight();
    s.mapWidth = static_cast<int>(w.sys->mapWidth);
    s.start = *w.date;
    s.end = *w.endDate;
    s.saving = w.options->whiteScheme;
    s.blackWhite = w.options->whiteScheme && w.options->saveBlackWhite;
    return s;
}

// The graph of views 31 and 32 for the span drag: rows 130 to H - 28 over H - 158 rows, a press
// in the left half of the client starts a drag, the band spans x = 20 to clientWidth / 2 - 10.
spanui::SpanGraph satelliteGraph(int view) {
    spanui::SpanGraph g;
    g.pressStarts = [](const TPlanetariumWindow& w, int x, int) { return x < w.clientWidth() / 2; };
    g.pointedArea = [](const TPlanetariumWindow& w, int x, int y) {
        return x > 20 && x < w.clientWidth() / 2 - 20 && y > views::kGraphTop &&
               y < views::graphBottom(w.clientHeight());
    };
    g.rows = [](const TPlanetariumWindow& w) {
        timespan::RowMapping m;
        m.firstRow = views::kGraphTop;
        m.rowCount = w.clientHeight() - 158;
        m.minRow = views::kGraphTop;
        m.maxRow = views::graphBottom(w.clientHeight());
        return m;
    };
    g.band = [](const TPlanetariumWindow& w) { return std::pair<int, int>(20, w.clientWidth() / 2 - 10); };
    g.showPointedDate = [view](TPlanetariumWindow& w, int y) {
        if (view == 31)
            views::showJovianPointedDate(*w.memDC[0], sceneOf(w), y);
        else
            views::showPointedDate(*w.memDC[0], sceneOf(w), y, 85);
    };
    g.afterSelection = [](TPlanetariumWindow& w) { w.saturnTablesDirty = true; };
    return g;
}
} // namespace

void drawSatelliteView(TPlanetariumWindow& w) {
    views::paintSatelliteView(*w.memDC[0], w.view, sceneOf(w), *w.sys, w.camera, w.saturnZoom,
                              w.saturnTablesDirty);
    if (w.view == 32) w.saturnTablesDirty = false;
}

void jupiterSatellitesCommand(TPlanetariumWindow& w) {
    // The dialog opens on the 3.82-day span; a cancel puts the mode and the span back.
    const int satViewBefore = w.satView;
    const date2 endBefore = *w.endDate;
    w.satView = 1;
    timespan::setEnd(*w.date, *w.endDate, views::kJupiterCommandSpan);
    TDialogConjonctions dialog(*w.date, *w.endDate, &w);
    if (commands::dialogRunner()(dialog) != QDialog::Accepted) {
        w.satView = satViewBefore;
        *w.endDate = endBefore;
    } else {
        if (w.endDate->t < w.date->t) timespan::setEnd(*w.date, *w.endDate, views::kJupiterCommandSpan);
        w.view = 31;
        commands::stopAnimations(w);
        commands::realTimeButtonOn(w);
        commands::animationButtonsIdle(w);
        commands::zoomButtons(w, true);
    }
    w.redraw();
}

void saturn3dCommand(TPlanetariumWindow& w) {
    w.view = 33;
    w.satView = 3;
    commands::stopAnimations(w);
    commands::realTimeButtonOn(w);
    commands::animationButtonsIdle(w);
    commands::zoomButtons(w, true);
    w.redraw();
}

void installViewHandlers() {
    for (int view : {31, 32})
        if (!spanui::spanGraph(view)) spanui::registerSpanGraph(view, satelliteGraph(view));
}

} // namespace satui
