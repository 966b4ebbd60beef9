// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/input.h"

#include "app/commands.h"
#include "app/helio_view.h"
#include "app/menus.h"
#include "app/satellite_ui.h"
#include "app/sky_interaction.h"
#include "app/span_views.h"
#include "app/toolbar.h"
#include "app/window.h"

#include <QPaintEvent>
#include <QPainter>

namespace input {

using W = TPlanetariumWindow;
using namespace toolbar;

ViewHandlers& viewHandlers() {
    static ViewHandlers handlers;
    return handlers;
}

int virtualKey(int qtKey, Qt::KeyboardModifiers modifiers) {
    const bool keypad = modifiers & Qt::KeypadModifier;
    if (qtKey == Qt::Key_Plus) return kAdd;
    if (qtKey == Qt::Key_Minus) return kSubtract;
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return 0;
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return qtKey;  // Qt's letters are the VK codes
    if (keypad && qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return kNumpad0 + (qtKey - Qt::Key_0);
    return 0;
}

namespace {

// Commands of the keys that are the same in every view.
int commandOfKey(int vk) {
    switch (vk) {
    case kKeyC: return 130;    // save picture
    case kKeyD: return 11852;  // date
    case kKeyL: return 11842;  // legend
    case kKeyM: return 110;    // star magnitude
    case kKeyP: return 11853;  // localisation
    case kKeyR: return 11848;  // search
    case kNumpad0 + 0: return 102;    // heliocentric view
    case kNumpad0 + 1: return 108;    // circular projection
    case kNumpad0 + 2: return 150;    // quadratic projection
    case kNumpad0 + 3: return 11855;  // Jupiter's satellites
    case kNumpad0 + 4: return 139;    // Saturn 3D
    case kNumpad0 + 5: return 106;    // conjunctions
    case kNumpad0 + 6: return 124;    // dance
    case kNumpad0 + 7: return 11846;  // previsions
    case kNumpad0 + 8: return 135;    // ephemeris
    case kNumpad0 + 9: return 107;    // position
    default: return 0;
    }
}

constexpr double kCameraStep_rad = 0.05;

int mapWidthOf(const W& w) { return w.sys ? int(w.sys->mapWidth) : 0; }

void startScroll(W& w, int mode) {
    w.scrollMode = mode;
    w.scrollTicks = 0;
    w.wakeTimer();
}

// A click on a scroll arrow or thumb (buttons 16..21).
void scrollButtonDown(W& w, int index, int x, int y) {
    switch (index) {
    case kScrollLeft: commands::panSky(w, -10, 0); break;
    case kScrollRight: commands::panSky(w, 10, 0); break;
    case kScrollDown: commands::panSky(w, 0, -5); break;
    case kScrollUp: commands::panSky(w, 0, 5); break;
    case kThumbX:
        w.scrollMode = 9;
        w.holdX = x;  // drag anchor
        return;
    case kThumbY:
        w.scrollMode = 10;
        w.holdY = y;
        return;
    default: return;
    }
    // Arrows repeat by themselves; no edge position may add to them.
    w.holdX = w.holdY = -1;
    startScroll(w, 1 + (index - kScrollLeft));
    w.redraw();
}

// A click in a trough beside its thumb: -20 or +20 at once, then repeated while held.
bool troughDown(W& w, int x, int y) {
    const int H = w.clientHeight(), mapW = mapWidthOf(w);
    const Bouton& thumbX = (*w.boutons)[kThumbX];
    const Bouton& thumbY = (*w.boutons)[kThumbY];
    int mode = 0, dx = 0, dy = 0;
    if (H - 13 < y && y < H - 3 && 15 < x && x < mapW - 27) {
        if (x < thumbX.x) mode = 5, dx = -20;
        else if (x > thumbX.x + 10) mode = 6, dx = 20;
    } else if (mapW - 17 < x && x < mapW - 7 && 40 < y && y < H - 23) {
        if (y > thumbY.y + 10) mode = 7, dy = -20;
        else if (y < thumbY.y) mode = 8, dy = 20;
    }
    if (!mode) return false;
    w.holdX = x;
    w.holdY = y;
    commands::panSky(w, dx, dy);
    startScroll(w, mode);
    w.redraw();
    return true;
}

// The tooltip strip on the screen: a child of the window over y = 20..50 that shows the second
// layer while the tooltip is up, and the back buffer once a redraw has replaced the picture.
class TooltipLayer : public QWidget {
public:
    explicit TooltipLayer(W& w) : QWidget(&w), w_(w) {
        setObjectName(QStringLiteral("nalvoTooltipLayer"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        const Toolbar& tb = *w_.boutons;
        const bool current = tb.tooltipShown && tb.tooltipFrame == w_.redrawCount();
        const gfx::Canvas* source = current ? w_.memDC[1].get() : w_.memDC[0].get();
        if (!source) return;
        QPainter p(this);
        source->paintOn(p, QPoint(0, 0), QRect(0, kTooltipStripTop, width(), height()));
    }

private:
    W& w_;
};

TooltipLayer* tooltipLayer(W& w, bool create) {
    auto* layer = static_cast<TooltipLayer*>(
        w.findChild<QWidget*>(QStringLiteral("nalvoTooltipLayer"), Qt::FindDirectChildrenOnly));
    if (!layer && create) layer = new TooltipLayer(w);
    return layer;
}

void hideTooltip(W& w) {
    Toolbar& tb = *w.boutons;
    if (!tb.tooltipShown) return;
    tb.tooltipShown = false;
    tb.tooltipButton = -1;
    if (TooltipLayer* layer = tooltipLayer(w, false)) layer->hide();
}

}  // namespace

bool insideDrawingArea(const W& w, int x, int y) {
    return 5 < x && x < mapWidthOf(w) - 20 && 30 < y && y < w.clientHeight() - 15;
}

bool keyDown(W& w, int vk) {
    if (!w.sys || !w.boutons) return false;
    bool used = false;
    if (w.view == 20 || w.view == 33) {
        bool turned = true;
        switch (vk) {
        case kKeyQ: w.camera.helioAzimuth -= kCameraStep_rad; break;
        case kKeyS: w.camera.helioAzimuth += kCameraStep_rad; break;
        case kKeyW: w.camera.helioElevation -= kCameraStep_rad; break;
        case kKeyZ: w.camera.helioElevation += kCameraStep_rad; break;
        default: turned = false; break;
        }
        // A turned camera needs the orbit layer drawn again.
        if (turned) w.orbitsDirty = true;
        if (viewHandlers().updateCamera) viewHandlers().updateCamera(w);
        if (turned && !w.helioRunning) w.redraw();
        used = turned;
    }
    switch (vk) {
    case kKeyI:
        if (viewHandlers().identify) return viewHandlers().identify(w, w.mouseX, w.mouseY);
        return used;
    case kAdd: commands::zoomIn(w, 0, 0); return true;
    case kSubtract: commands::zoomOut(w); return true;
    default: break;
    }
    if (const int id = commandOfKey(vk)) return commands::run(w, id) || used;
    return used;
}

void updateTooltip(W& w, int x, int y) {
    Toolbar& tb = *w.boutons;
    const int index = (x > 5 && y > 0 && y < 25) ? tb.buttonWithTooltipAt(x, y) : -1;
    if (index < 0) {
        hideTooltip(w);
        return;
    }
    if (tb.tooltipShown && tb.tooltipButton == index && tb.tooltipFrame == w.redrawCount()) return;
    if (!w.memDC[0] || !w.memDC[1]) return;
    // The strip of the back buffer under the tooltip goes to the second layer, which the window
    // shows over the back buffer while the tooltip is up.
    gfx::Canvas& layer = *w.memDC[1];
    layer.copyFrom(*w.memDC[0], 0, kTooltipStripTop, w.clientWidth(), kTooltipStripHeight, 0, kTooltipStripTop);
    // The strip overlaps the top rows of the heliocentric orbit layer, which shares this canvas.
    w.orbitsDirty = true;
    tb.drawTooltip(layer, index);
    tb.tooltipShown = true;
    tb.tooltipButton = index;
    tb.tooltipFrame = w.redrawCount();
    TooltipLayer* shown = tooltipLayer(w, true);
    shown->setGeometry(0, kTooltipStripTop, w.clientWidth(), kTooltipStripHeight);
    shown->show();
    shown->raise();
    shown->update();
}

bool mouseDown(W& w, int x, int y, Qt::MouseButton button) {
    if (!w.sys || !w.boutons) return false;
    if (button == Qt::RightButton) {
        if (viewHandlers().rightDown) return viewHandlers().rightDown(w, x, y);
        return false;
    }
    if (button != Qt::LeftButton) return false;
    if (insideDrawingArea(w, x, y)) {
        if (viewHandlers().leftDown) return viewHandlers().leftDown(w, x, y);
        return false;
    }
    const bool scrollArea = w.scrollAreaShown();
    const int index = w.boutons->hitButton(x, y, scrollArea);
    if (index >= kScrollLeft && index <= kThumbY) {
        scrollButtonDown(w, index, x, y);
        return true;
    }
    if (index >= 0) {
        hideTooltip(w);
        commands::clickButton(w, index);
        return true;
    }
    return scrollArea && troughDown(w, x, y);
}

bool mouseUp(W& w, int x, int y, Qt::MouseButton button) {
    if (!w.sys || !w.boutons) return false;
    w.scrollMode = 0;
    if (button == Qt::LeftButton && viewHandlers().leftUp) return viewHandlers().leftUp(w, x, y);
    return false;
}

bool mouseDoubleClick(W& w, int x, int y, Qt::MouseButton button) {
    if (!w.sys || !w.boutons || y < 34) return false;
    if (button == Qt::LeftButton) {
        commands::zoomIn(w, x, y);
        return true;
    }
    if (button == Qt::RightButton) {
        commands::zoomOut(w);
        return true;
    }
    return false;
}

bool mouseMove(W& w, int x, int y) {
    if (!w.sys || !w.boutons) return false;
    w.mouseX = x;
    w.mouseY = y;
    updateTooltip(w, x, y);
    if (w.scrollMode >= 5 && w.scrollMode <= 8) {
        w.holdX = x;
        w.holdY = y;
    } else if (w.scrollMode == 9) {
        if (const int dx = x - w.holdX) {
            commands::panSky(w, dx, 0);
            w.holdX = x;
            w.redraw();
        }
    } else if (w.scrollMode == 10) {
        // The vertical strip counts upwards: dragging the thumb down is a negative pan.
        if (const int dy = y - w.holdY) {
            commands::panSky(w, 0, -dy);
            w.holdY = y;
            w.redraw();
        }
    }
    if (!w.skyRunning && !w.helioRunning && viewHandlers().hover) viewHandlers().hover(w, x, y);
    return true;
}

void installHooks(WindowHooks& hooks) {
    skyui::installViewHandlers(); // sky map: rectangle zoom, hover, identify
    spanui::installViewHandlers(); // time-span graphs: drag selection, pointed date
    helioui::installViewHandlers(); // heliocentric view: click zoom, hover text, camera
    satui::installViewHandlers(); // satellite graphs: range drag, pointed date
    hooks.installMenus = [](W& w, QMainWindow& frame) {
        commands::markAvailableButtons(w);
        menus::install(w, frame);
    };
    hooks.keyDown = [](W& w, int key, Qt::KeyboardModifiers modifiers) {
        const int vk = virtualKey(key, modifiers);
        return vk != 0 && keyDown(w, vk);
    };
    hooks.mouseDown = mouseDown;
    hooks.mouseUp = mouseUp;
    hooks.mouseDoubleClick = mouseDoubleClick;
    hooks.mouseMove = mouseMove;
    hooks.panSky = commands::panSky;
}

}  // namespace input
