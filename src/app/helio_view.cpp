// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/helio_view.h"

#include "app/commands.h"
#include "app/dialogs/date_dialog.h"
#include "app/input.h"
#include "app/window.h"
#include "views/heliocentric.h"

#include <climits>
#include <functional>

namespace helioui {

namespace {

using W = TPlanetariumWindow;

bool helioFamily(int view) {
    return view >= 20 && view <= 29;
}

views::HelioScene sceneOf(W& w) {
    views::HelioScene s;
    s.sys = w.sys.get();
    s.date = w.date.get();
    s.options = w.options.get();
    s.camera = &w.camera;
    s.zoom = w.helioZoom;
    s.layout = views::helioLayoutOf(*w.sys);
    s.clientWidth = w.clientWidth();
    s.computePositions = false; // the redraw has just computed them for the date
    return s;
}

void stepZoom(W& w, int by) {
    w.view = 20;
    // No bound a user reaches; the pixel factor saturates far outside the window anyway.
    if ((by > 0 && w.helioZoom < INT_MAX) || (by < 0 && w.helioZoom > INT_MIN + 2)) w.helioZoom += by;
    w.orbitsDirty = true;
    w.redraw();
}

bool hover(W& w, int x, int y) {
    if (!w.memDC[0] || !w.sys || !w.options || !w.date) return false;
    const views::HelioScene s = sceneOf(w);
    views::showHeliocentricHit(*w.memDC[0], s, x, y);
    // Only the text row of the legend panel changed.
    w.update(s.layout.width + 2, 448, w.clientWidth() - s.layout.width - 2, 20);
    return true;
}

} // namespace

void drawHelioView(W& w) {
    if (!w.sys || !w.date || !w.options || !w.memDC[0] || !w.memDC[1]) return;
    views::updateCamera(w.camera, w.view);
    views::HelioScene s = sceneOf(w);
    // A picture being saved draws its own orbit layer in the saving colours; the cached screen
    // layer is then out of date.
    if (w.orbitsDirty || w.options->whiteScheme) {
        views::drawOrbits(*w.memDC[1], s);
        w.orbitsDirty = w.options->whiteScheme;
    }
    views::drawHeliocentricView(*w.memDC[0], *w.memDC[1], s);
    if (w.showLegend) views::drawHeliocentricLegend(*w.memDC[0], s);
}

void heliocentricCommand(W& w) {
    TDialogDate dialog(*w.date, &w);
    if (commands::dialogRunner()(dialog) != QDialog::Accepted) return;
    commands::enterHeliocentricView(w);
}

void zoomIn(W& w) {
    stepZoom(w, +1);
}
void zoomOut(W& w) {
    stepZoom(w, -1);
}

void installViewHandlers() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    input::ViewHandlers& h = input::viewHandlers();
    h.leftDown = [previous = h.leftDown](W& w, int x, int y) {
        if (helioFamily(w.view)) {
            commands::run(w, 111);
            return true;
        }
        return previous ? previous(w, x, y) : false;
    };
    // The handlers before this one still see the move (they drop the sky map's transient layer).
    h.hover = [previous = h.hover](W& w, int x, int y) {
        const bool used = previous ? previous(w, x, y) : false;
        return helioFamily(w.view) ? hover(w, x, y) : used;
    };
    h.updateCamera = [previous = h.updateCamera](W& w) {
        views::updateCamera(w.camera, w.view);
        if (previous) previous(w);
    };
}

} // namespace helioui
