// SPDX-License-Identifier: GPL-3.0-or-later
// The window's side of the time-span views (30 conjunctions, 31 and 32 satellites, 40 dance):
// their commands and dialogs, the paint of views 30 and 40, and the vertical drag that picks a
// new span in a graph with the pointed date under the mouse. A satellite view joins the drag by
// registering its graph with `registerSpanGraph`.
#pragma once

#include "views/time_span.h"

#include <functional>

class TPlanetariumWindow;

namespace spanui {

// The paint of view 30 (the conjunction graph, wait cursor while drawing) and of view 40 (the
// background, frame and toolbar again, then the dance).
void drawConjunctionView(TPlanetariumWindow& w);
void drawDanceView(TPlanetariumWindow& w);

// Command 106 "Conjunctions" (also toolbar 5 and keypad 5): the span corrected for the mode,
// the conjunction dialog, then view 30 + satView whether confirmed or not.
void conjunctionCommand(TPlanetariumWindow& w);
// Command 124 "Dance" (toolbar 6, keypad 6): the default span of the planet, the dance dialog,
// view 40 on OK. A cancelled dialog leaves the span as it was.
void danceCommand(TPlanetariumWindow& w);
// Command 11852 "&Date" in views 30 and above: the conjunction dialog in 30-39, the dance dialog
// in 40-49; redraw on OK. False when the view has no span dialog.
bool openSpanDate(TPlanetariumWindow& w);

// End of a span whose end came before its start, after a dialog: the default of the mode.
double correctedSpan(int satView);

// A graph whose rows a vertical drag maps to dates.
struct SpanGraph {
    // True when a left press at (x, y) (inside the drawing area) starts a drag.
    std::function<bool(const TPlanetariumWindow&, int x, int y)> pressStarts;
    // True when the pointer at (x, y) shows the pointed date.
    std::function<bool(const TPlanetariumWindow&, int x, int y)> pointedArea;
    // The graph's row-to-date mapping in the window as it is now.
    std::function<timespan::RowMapping(const TPlanetariumWindow&)> rows;
    // Columns of the band drawn while dragging, left and right (right excluded).
    std::function<std::pair<int, int>(const TPlanetariumWindow&)> band;
    // Writes the pointed date of row y into the back buffer.
    std::function<void(TPlanetariumWindow&, int y)> showPointedDate;
    // Called after a drag changed the span, before the redraw (may be empty).
    std::function<void(TPlanetariumWindow&)> afterSelection;
};
void registerSpanGraph(int view, SpanGraph graph);
const SpanGraph* spanGraph(int view);

// The drag in progress, for tests: active, and its first and current rows.
struct DragState {
    bool active = false;
    int view = 0;
    int firstRow = 0, currentRow = 0;
};
DragState dragState(const TPlanetariumWindow& w);

// Registers the press, move and release handlers in the window's view handlers, chained before
// those already there, and the graph of view 30. Called once.
void installViewHandlers();

} // namespace spanui
