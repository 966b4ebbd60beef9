// SPDX-License-Identifier: GPL-3.0-or-later
// The heliocentric view's part of the window: view 20 drawn into the back buffer with the orbit
// layer kept in memDC[1], its commands (the view with its date dialog, zoom in and out), the click
// zoom, the hover text and the camera recomputed by the rotation keys.
#pragma once

class TPlanetariumWindow;

namespace helioui {

// Draws view 20: the orbit layer when orbitsDirty (or while a picture is being saved), the view
// and, when showLegend, its legend.
void drawHelioView(TPlanetariumWindow& w);

// Command 102: the date dialog; on OK view 20 with the heliocentric entry steps.
void heliocentricCommand(TPlanetariumWindow& w);
// Commands 111 and 112: view 20, helioZoom + 1 or - 1, orbit layer redrawn.
void zoomIn(TPlanetariumWindow& w);
void zoomOut(TPlanetariumWindow& w);

// Left click inside the drawing area (zoom in), hover text and camera update of views 20-29.
void installViewHandlers();

} // namespace helioui
