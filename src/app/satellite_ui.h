// SPDX-License-Identifier: GPL-3.0-or-later
// The window's side of the satellite views 31 (Jupiter's satellites), 32 (Saturn's satellites)
// and 33 (Saturn 3D): their paint, the drag selection of a time range and the pointed date in
// the graphs of 31 and 32, and the "Jupiter's satellites" and "Saturn 3d" commands.
#pragma once

class TPlanetariumWindow;

namespace satui {
// Draws view 31, 32 or 33 into the back buffer; view 32 then clears saturnTablesDirty.
void drawSatelliteView(TPlanetariumWindow& w);
// Command 11855: a range of 3.82 days from the date, edited in the conjunction dialog; view 31
// when it is confirmed.
void jupiterSatellitesCommand(TPlanetariumWindow& w);
// Command 139: view 33.
void saturn3dCommand(TPlanetariumWindow& w);
// Registers the graphs of views 31 and 32 with the span drag and the pointed date.
void installViewHandlers();
} // namespace satui
