// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/span_views.h"

#include "app/commands.h"
#include "app/dialogs/span_dialogs.h"
#include "app/input.h"
#include "app/window.h"
#include "views/conjunction.h"
#include "views/dance.h"

#include <QApplication>
#include <QObject>
#include <algorithm>
#include <map>
#include <memory>

namespace spanui {

using W = TPlanetariumWindow;

namespace {

bool accepted(QDialog& dialog) {
    return commands::dialogRunner()(dialog) == QDialog::Accepted;
}

std::map<int, SpanGraph>& graphs() {
    static std::map<int, SpanGraph> g;
    return g;
}

// The drag of a window: its rows and a copy of the back buffer to draw the band over.
class Drag : public QObject {
  public:
    explicit Drag(W& w) : QObject(&w) { setObjectName(QStringLiteral("nalvoSpanDrag")); }
    DragState state;
    std::unique_ptr<gfx::Canvas> under;
};

Drag* findDrag(const W& w) {
    return w.findChild<Drag*>(QStringLiteral("nalvoSpanDrag"), Qt::FindDirectChildrenOnly);
}
Drag& dragOf(W& w) {
    if (Drag* d = findDrag(w)) return *d;
    return *new Drag(w);
}

class WaitCursor {
  public:
    WaitCursor() {
        if (qobject_cast<QApplication*>(QCoreApplication::instance())) {
            QApplication::setOverrideCursor(Qt::WaitCursor);
            on_ = true;
        }
    }
    ~WaitCursor() {
        if (on_) QApplication::restoreOverrideCursor();
    }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

  private:
    bool on_ = false;
};

int mapWidthOf(const W& w) {
    return static_cast<int>(w.sys->mapWidth);
}

void enterConjunctionView(W& w) {
    commands::stopAnimations(w);
    w.view = 30 + w.satView;
    if (w.satView == 0) {
        commands::animationButtonsOff(w);
        commands::realTimeButtonOff(w);
    } else {
        commands::animationButtonsIdle(w);
        commands::realTimeButtonOn(w);
    }
    commands::zoomButtons(w, true);
    w.redraw();
}

bool endBeforeStart(const W& w) {
    return w.endDate->t < w.date->t;
}

// The band and the pointed date over the picture as it was when the drag began.
void showDrag(W& w, Drag& d, const SpanGraph& g) {
    gfx::Canvas& bb = *w.memDC[0];
    const int cw = w.clientWidth(), ch = w.clientHeight();
    if (d.under) bb.copyFrom(*d.under, 0, 0, cw, ch, 0, 0);
    const auto [left, right] = g.band(w);
    const int top = std::min(d.state.firstRow, d.state.currentRow);
    const int bottom = std::max(d.state.firstRow, d.state.currentRow);
    bb.setBrush(gfx::Brush{gfx::rgb(0, 0, 0), true});
    bb.setPen(gfx::Pen{w.options->whiteScheme ? gfx::rgb(0, 0, 0) : gfx::rgb(200, 200, 200),
                       gfx::PenStyle::Dotted});
    bb.rectangle(left, top, right, bottom + 1);
    if (g.showPointedDate) g.showPointedDate(w, d.state.currentRow);
    w.update();
}

bool onPress(W& w, int x, int y) {
    const SpanGraph* g = spanGraph(w.view);
    if (!g || !g->pressStarts(w, x, y) || !w.memDC[0]) return false;
    Drag& d = dragOf(w);
    d.state = DragState{true, w.view, y, y};
    d.under = std::make_unique<gfx::Canvas>(w.clientWidth(), w.clientHeight());
    d.under->copyFrom(*w.memDC[0], 0, 0, w.clientWidth(), w.clientHeight(), 0, 0);
    return true;
}

bool onMove(W& w, int x, int y) {
    Drag* d = findDrag(w);
    if (d && d->state.active) {
        const SpanGraph* g = spanGraph(d->state.view);
        if (!g || w.view != d->state.view) {
            d->state.active = false;
            d->under.reset();
            return false;
        }
        const timespan::RowMapping rows = g->rows(w);
        d->state.currentRow = std::clamp(y, rows.minRow, rows.maxRow);
        showDrag(w, *d, *g);
        return true;
    }
    const SpanGraph* g = spanGraph(w.view);
    if (!g || !g->showPointedDate || !g->pointedArea(w, x, y)) return false;
    g->showPointedDate(w, y);
    w.update();
    return true;
}

bool onRelease(W& w, int, int y) {
    Drag* d = findDrag(w);
    if (!d || !d->state.active) return false;
    d->state.active = false;
    d->under.reset();
    const SpanGraph* g = spanGraph(d->state.view);
    if (g && w.view == d->state.view &&
        timespan::selectRows(*w.date, *w.endDate, d->state.firstRow, y, g->rows(w)) && g->afterSelection)
        g->afterSelection(w);
    w.redraw();
    return true;
}

SpanGraph conjunctionGraph() {
    SpanGraph g;
    g.pressStarts = [](const W&, int, int) { return true; };
    g.pointedArea = [](const W& w, int x, int y) {
        return 20 < x && x < mapWidthOf(w) - 20 && 30 < y && y < w.clientHeight() - 5;
    };
    g.rows = [](const W& w) { return timespan::conjunctionRows(w.clientHeight()); };
    g.band = [](const W& w) { return std::pair<int, int>{5, mapWidthOf(w) - 5}; };
    g.showPointedDate = [](W& w, int y) {
        conjunction::showConjunctionPointedDate(*w.memDC[0], *w.date, *w.endDate, y, mapWidthOf(w),
                                                w.clientHeight());
    };
    return g;
}

} // namespace

void drawConjunctionView(W& w) {
    WaitCursor wait;
    conjunction::drawConjunctionGraph(*w.memDC[0], *w.sys, *w.date, *w.endDate, *w.options, mapWidthOf(w),
                                      w.clientHeight());
}

void drawDanceView(W& w) {
    w.fillBackground();
    w.drawFrame();
    w.drawToolbar();
    WaitCursor wait;
    dance::drawDance(*w.memDC[0], *w.sys, *w.date, *w.endDate, w.danceObject, *w.options, w.clientWidth(),
                     w.clientHeight());
}

double correctedSpan(int satView) {
    return satView == 0 ? timespan::kPlanetSpan : timespan::kSatelliteDialogSpan;
}

void conjunctionCommand(W& w) {
    if (w.view < 30 || w.view > 32) {
        w.satView = 0;
        w.view = 30;
    }
    const long double span = w.endDate->t - w.date->t;
    if (w.satView == 0) {
        if (span < timespan::kShortestPlanetSpan)
            timespan::setEnd(*w.date, *w.endDate, timespan::kPlanetSpan);
    } else if (span < 0 || span > timespan::kShortestPlanetSpan) {
        timespan::setEnd(*w.date, *w.endDate, timespan::kSatelliteDialogSpan);
    }
    TDialogConjonctions dialog(*w.date, *w.endDate, &w);
    if (accepted(dialog) && endBeforeStart(w))
        timespan::setEnd(*w.date, *w.endDate, correctedSpan(w.satView));
    enterConjunctionView(w);
}

void danceCommand(W& w) {
    const date2 endBefore = *w.endDate;
    timespan::setEnd(*w.date, *w.endDate, dance::defaultSpan(w.danceObject));
    TDialogDanse dialog(*w.date, *w.endDate, w.danceObject, *w.sys, &w);
    if (!accepted(dialog)) {
        *w.endDate = endBefore;
        return;
    }
    if (endBeforeStart(w)) timespan::setEnd(*w.date, *w.endDate, dance::defaultSpan(w.danceObject));
    w.view = 40;
    commands::stopAnimations(w);
    commands::realTimeButtonOff(w);
    commands::animationButtonsOff(w);
    commands::zoomButtons(w, false);
    w.redraw();
}

bool openSpanDate(W& w) {
    if (w.view >= 30 && w.view <= 39) {
        TDialogConjonctions dialog(*w.date, *w.endDate, &w);
        if (!accepted(dialog)) return false;
        if (endBeforeStart(w)) timespan::setEnd(*w.date, *w.endDate, correctedSpan(w.satView));
        if (w.view == 32) w.saturnTablesDirty = true;
        w.redraw();
        return true;
    }
    if (w.view >= 40 && w.view <= 49) {
        TDialogDanse dialog(*w.date, *w.endDate, w.danceObject, *w.sys, &w);
        if (!accepted(dialog)) return false;
        if (endBeforeStart(w)) timespan::setEnd(*w.date, *w.endDate, dance::defaultSpan(w.danceObject));
        w.redraw();
        return true;
    }
    return false;
}

void registerSpanGraph(int view, SpanGraph graph) {
    graphs()[view] = std::move(graph);
}

const SpanGraph* spanGraph(int view) {
    auto it = graphs().find(view);
    return it == graphs().end() ? nullptr : &it->second;
}

DragState dragState(const W& w) {
    const Drag* d = findDrag(w);
    return d ? d->state : DragState{};
}

void installViewHandlers() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    if (!spanGraph(30)) registerSpanGraph(30, conjunctionGraph());
    input::ViewHandlers& h = input::viewHandlers();
    h.leftDown = [previous = h.leftDown](W& w, int x, int y) {
        if (onPress(w, x, y)) return true;
        return previous ? previous(w, x, y) : false;
    };
    // The other views' hover runs too: outside their views it clears what they showed.
    h.hover = [previous = h.hover](W& w, int x, int y) {
        const bool mine = onMove(w, x, y);
        const bool theirs = previous ? previous(w, x, y) : false;
        return mine || theirs;
    };
    h.leftUp = [previous = h.leftUp](W& w, int x, int y) {
        if (onRelease(w, x, y)) return true;
        return previous ? previous(w, x, y) : false;
    };
}

} // namespace spanui
