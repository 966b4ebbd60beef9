// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/sky_view.h"

#include "app/commands.h"
#include "app/sky_interaction.h"
#include "app/window.h"
#include "skymap/projection.h"
#include "skymap/sky_render.h"

namespace skyui {

void drawSkyView(TPlanetariumWindow& w) {
    if (!w.sys || !w.date || !w.options || !w.memDC[0]) return;
    skymap::SkyNavigation nav = commands::navigationOf(w);
    skymap::SkyScene scene;
    scene.sys = w.sys.get();
    scene.date = w.date.get();
    scene.options = w.options.get();
    scene.nav = &nav;
    scene.prompter = &w.prompter();
    scene.starStore = w.starStore.get();
    scene.computePositions = false; // the redraw has just computed them for the date
    gfx::Canvas& bb = *w.memDC[0];
    const skymap::PaintStats stats = skymap::paintSkyView(bb, w.view, scene);
    notePaintedStarMagnitude(w, stats.starMagnitude);
    if (w.showLegend) skymap::paintLegend(bb, w.view, scene);
}

} // namespace skyui
