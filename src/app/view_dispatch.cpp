// SPDX-License-Identifier: GPL-3.0-or-later
// The one place where a view number selects its drawing. Each family's module adds its call here.
#include "app/helio_view.h"
#include "app/pictures.h"
#include "app/satellite_ui.h"
#include "app/sky_view.h"
#include "app/span_views.h"
#include "app/window.h"
#include "gfx/icons.h"

namespace {

// View 1: the title picture below the toolbar, unscaled and centred in a small window,
// stretched over the whole area below y = 25 in a larger one.
void drawTitleView(TPlanetariumWindow& w) {
    gfx::Canvas& bb = *w.memDC[0];
    gfx::Canvas& pictureDC = *w.memDC[2];
    const int W = w.clientWidth(), H = w.clientHeight();
    if (const QImage* title = gfx::picture(pictures::kTitle))
        pictureDC.drawPicture(*title, 0, 0, pictures::kTitleWidth, pictures::kTitleHeight);
    bb.selectBrush(18);
    bb.selectPen(18);
    bb.fillRect(0, 0, TPlanetariumWindow::kBufferWidth, TPlanetariumWindow::kBufferHeight);
    w.boutons->setEnabled(toolbar::kSaveScreen, false);
    w.boutons->setEnabled(toolbar::kDate, false);
    w.drawToolbar();
    if (W <= pictures::kTitleWidth && H <= pictures::kTitleHeight)
        bb.copyFrom(pictureDC, (W - pictures::kTitleWidth) / 2, 25, pictures::kTitleWidth, pictures::kTitleHeight, 0,
                    0);
    else
        bb.stretchFrom(pictureDC, 0, 25, W, H - 25, 0, 0, pictures::kTitleWidth, pictures::kTitleHeight);
}

} // namespace

void drawViewContent(TPlanetariumWindow& w) {
    switch (w.view) {
    case 1: drawTitleView(w); break;
    // Sky views 10-14 (equidistant, quadratic, quadratic with trajectories, circular, azimuthal)
    // and their legends: the sky-map module.
    case 10:
    case 11:
    case 12:
    case 13:
    case 14: skyui::drawSkyView(w); break;
    // View 20, the heliocentric view with its orbit layer and legend.
    case 20: helioui::drawHelioView(w); break;
    // Views 30-33: conjunctions, Jupiter's and Saturn's satellites, Saturn 3D.
    case 30: spanui::drawConjunctionView(w); break;
    case 31:
    case 32:
    case 33: satui::drawSatelliteView(w); break;
    // View 40: the dance.
    case 40: spanui::drawDanceView(w); break;
    default: break;
    }
}
