// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/sky_interaction.h"

#include <QPaintEvent>
#include <QPainter>
#include <QWidget>
#include <climits>
#include <memory>

#include "app/commands.h"
#include "app/dialogs/info_dialog.h"
#include "app/dialogs/search_dialog.h"
#include "app/input.h"
#include "app/window.h"
#include "catalog/prompter.h"
#include "gfx/canvas.h"
#include "views/saturn3d.h"

namespace skyui {

namespace {

constexpr char kLayerName[] = "skyInteractionLayer";

// The transparent layer over the window: it keeps the rubber band and the last overlay picture,
// and paints that picture only while the window has not redrawn since.
class Layer : public QWidget {
public:
    explicit Layer(TPlanetariumWindow& w) : QWidget(&w), window_(w) {
        setObjectName(QString::fromLatin1(kLayerName));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
        hide();
    }

    skymap::RubberBand band;
    // Limiting magnitude of the last sky paint; negative before the first.
    double paintedStarMagnitude = -1;

    void showOverlay(const Overlay& o, const skymap::MapGeometry& g) {
        const gfx::Canvas* back = window_.memDC[0].get();
        const int width = std::max(1, window_.width()), height = std::max(1, window_.height());
        const int scale = back ? back->scale() : 1;
        if (!canvas_ || canvas_->width() != width || canvas_->height() != height || canvas_->scale() != scale) {
            canvas_ = std::make_unique<gfx::Canvas>(width, height, gfx::rgb(0, 0, 0), scale);
        }
        if (window_.options) window_.options->attach(*canvas_);
        canvas_->clearClip();
        if (back) canvas_->copyFrom(*back, 0, 0, width, height, 0, 0);
        drawOverlay(*canvas_, o, g);
        shownAt_ = window_.redrawCount();
        setGeometry(0, 0, width, height);
        raise();
        show();
        update();
    }

    void hideOverlay() {
        if (isVisible()) hide();
    }

    bool current() const { return isVisible() && shownAt_ == window_.redrawCount(); }
    const gfx::Canvas* canvas() const { return current() ? canvas_.get() : nullptr; }

protected:
    void paintEvent(QPaintEvent* event) override {
        // A redraw since the overlay was drawn makes it stale: the window's own picture shows.
        if (!canvas_ || shownAt_ != window_.redrawCount()) return;
        QPainter p(this);
        canvas_->paintOn(p, event->rect().topLeft(), event->rect());
    }

private:
    TPlanetariumWindow& window_;
    std::unique_ptr<gfx::Canvas> canvas_;
    int shownAt_ = -1;
};

Layer& layerOf(TPlanetariumWindow& w) {
    if (auto* existing = w.findChild<QWidget*>(QString::fromLatin1(kLayerName), Qt::FindDirectChildrenOnly))
        return *static_cast<Layer*>(existing);
    return *new Layer(w);
}

const Layer* findLayer(const TPlanetariumWindow& w) {
    auto* existing = w.findChild<QWidget*>(QString::fromLatin1(kLayerName), Qt::FindDirectChildrenOnly);
    return static_cast<const Layer*>(existing);
}

// The sky legend's five text lines (UT, local time, city, longitude, latitude): the first at
// H - 92, then every 17 pixels.
constexpr int kLegendLines = 5, kLegendLinesFromBottom = 92, kLegendLineStep = 17;

// Fills one text row of the legend panel (right of mapWidth, inside the window frame) with the
// panel's grey.
void clearPanelRow(gfx::Canvas& c, const skymap::MapGeometry& g, int y, int height) {
    const int left = g.width() + 3, right = static_cast<int>(g.clientWidth) - 3;
    // From a few pixels above: the legend's lines need not start on the same rows.
    if (right > left) c.fillRect(left, y - 4, right, y + std::max(1, height), gfx::rgb(200, 200, 200));
}

// The zoom of the disc view shown (1 in the other views).
int discZoomOf(const TPlanetariumWindow& w) {
    if (!w.options) return 1;
    if (w.view == 10) return w.options->equidistantZoom;
    if (w.view == 13) return w.options->circularZoom;
    return 1;
}

bool animationRunning(const TPlanetariumWindow& w) { return w.skyRunning || w.helioRunning; }

// The overlay for the pointer, with the rectangle of `band` when one is in progress.
Overlay composeOverlay(TPlanetariumWindow& w, const skymap::RubberBand& band, int x, int y) {
    Overlay o;
    if (!w.sys) return o;
    const skymap::MapGeometry g = commands::geometryOf(w);
    if (band.active()) {
        o.rectangleFrom = band.start();
        o.rectangleTo = band.current();
    }
    if (skymap::isSkyView(w.view) && !animationRunning(w) && skymap::insideMapArea(g, x, y)) {
        o.hover = skymap::hoverLabel(*w.sys, g, hitFilterOf(w), x, y);
        o.status = skymap::statusLineText(w.view, commands::navigationOf(w), g, x, y);
    }
    return o;
}

} // namespace

std::function<void(TDialogInfo&)>& infoDialogRunner() {
    static std::function<void(TDialogInfo&)> run = [](TDialogInfo& d) { d.exec(); };
    return run;
}

std::function<int(TDialogSearch&)>& searchDialogRunner() {
    static std::function<int(TDialogSearch&)> run = [](TDialogSearch& d) { return d.exec(); };
    return run;
}

skymap::HitFilter hitFilterOf(const TPlanetariumWindow& w) {
    skymap::HitFilter f;
    if (w.options) {
        const Layer* layer = findLayer(w);
        f.starMagnitude = layer && layer->paintedStarMagnitude >= 0 ? layer->paintedStarMagnitude
                                                                    : w.options->starMagnitude;
        f.showMessier = w.options->showMessier;
        f.showNGC = w.options->showNGC;
    }
    return f;
}

void notePaintedStarMagnitude(TPlanetariumWindow& w, double magnitude) {
    layerOf(w).paintedStarMagnitude = magnitude;
}

bool onSkyMouseDown(TPlanetariumWindow& w, int x, int y) {
    if (!w.sys) return false;
    return layerOf(w).band.press(w.view, commands::geometryOf(w), x, y);
}

bool onSkyMouseMove(TPlanetariumWindow& w, int x, int y) {
    if (!w.sys) return false;
    Layer& layer = layerOf(w);
    const skymap::MapGeometry g = commands::geometryOf(w);
    layer.band.move(w.view, g, x, y);
    const Overlay o = composeOverlay(w, layer.band, x, y);
    if (o.empty()) {
        layer.hideOverlay();
        return false;
    }
    layer.showOverlay(o, g);
    return true;
}

bool onSkyMouseUp(TPlanetariumWindow& w, int x, int y) {
    if (!w.sys) return false;
    Layer& layer = layerOf(w);
    skymap::SkyNavigation nav = commands::navigationOf(w);
    if (!layer.band.release(nav, w.view, commands::geometryOf(w), x, y)) return false;
    commands::storeNavigation(w, nav);
    layer.hideOverlay();
    w.redraw();
    return true;
}

Overlay overlayAt(TPlanetariumWindow& w, int x, int y) { return composeOverlay(w, layerOf(w).band, x, y); }

bool identifyAt(TPlanetariumWindow& w, int x, int y) {
    if (!w.sys || !w.date || w.view < 10 || w.view > 30 || w.skyRunning) return false;
    skymap::HitFilter filter = hitFilterOf(w);
    if (!skymap::identifiableInView(w.view, filter)) return false;
    // Where the map is cut only a click on it (or within a hit box of it) can name an object:
    // the legend panel hides what a zoomed disc stored beyond the map.
    if (skymap::mapIsCut(w.view, discZoomOf(w))) {
        const skymap::MapGeometry g = commands::geometryOf(w);
        if (!skymap::onDrawnMap(g, x - skymap::kHitHalfBox + 1, y - skymap::kHitHalfBox + 1) &&
            !skymap::onDrawnMap(g, x + skymap::kHitHalfBox - 1, y + skymap::kHitHalfBox - 1))
            return false;
    }
    const skymap::SkyObjectRef found = skymap::identifyObject(*w.sys, x, y, filter);
    if (!found.found()) return false;
    skymap::ObjectFacts facts = skymap::objectFacts(*w.sys, found, *w.date);
    if (facts.kind == skymap::kKindNone) return false;
    // "Planet picture" and "Messier picture" of the Catalogs dialog decide whether those show.
    if (!skymap::pictureAllowed(facts, w.sys->catalogueSettings.get())) facts.pictureName.clear();
    // Saturn is shown as drawn for the date, its rings tilted as they are then.
    QImage drawn;
    if (facts.kind == skymap::kKindPlanet && facts.name == "Saturn" && !facts.pictureName.empty())
        drawn = views::saturnThumbnail(*w.sys, *w.date);
    TDialogInfo dialog(facts, &w, {}, drawn);
    infoDialogRunner()(dialog);
    // The pointer has been on the dialog: the label of the object goes, the legend's lines are
    // seen again until the next move.
    layerOf(w).hideOverlay();
    return true;
}

void searchObject(TPlanetariumWindow& w) {
    if (!w.sys) return;
    TDialogSearch dialog(*w.sys, &w);
    if (searchDialogRunner()(dialog) != QDialog::Accepted) return;
    const skymap::SkyObjectRef chosen = dialog.chosen();
    if (!chosen.found()) return;
    const skymap::SearchOutcome out =
        skymap::searchOutcome(*w.sys, chosen, w.view, commands::geometryOf(w), discZoomOf(w));
    if (!out.visible) {
        w.prompter().message(out.message, out.caption);
        return;
    }
    w.redraw();
    gfx::Canvas* back = w.memDC[0].get();
    if (!back) return;
    const int r = skymap::kSearchCircleRadius;
    back->selectPen(skymap::kSearchCirclePen);
    back->selectBrush(16); // the hollow brush: the circle is an outline
    back->ellipse(out.point.x - r, out.point.y - r, out.point.x + r, out.point.y + r);
    w.update();
}

void drawOverlay(gfx::Canvas& c, const Overlay& o, const skymap::MapGeometry& g) {
    if (o.rectangleFrom && o.rectangleTo) {
        const skymap::PixelPoint a = *o.rectangleFrom, b = *o.rectangleTo;
        c.selectPen(1);
        c.moveTo(a.x, a.y);
        c.lineTo(b.x, a.y);
        c.lineTo(b.x, b.y);
        c.lineTo(a.x, b.y);
        c.lineTo(a.x, a.y);
    }
    if (!o.hover.empty()) {
        c.selectBrush(16);
        c.selectPen(6); // yellow rings on the constellation's stars
        for (const skymap::PixelPoint& p : o.hover.constellationMarkers) c.ellipse(p.x - 5, p.y - 5, p.x + 6, p.y + 6);
        if (o.hover.hoveredStar) {
            const skymap::PixelPoint p = *o.hover.hoveredStar;
            c.selectPen(2); // red ring and cross on the hovered star
            c.ellipse(p.x - 8, p.y - 8, p.x + 9, p.y + 9);
            c.line(p.x - 12, p.y, p.x - 6, p.y);
            c.line(p.x + 7, p.y, p.x + 13, p.y);
            c.line(p.x, p.y - 12, p.x, p.y - 6);
            c.line(p.x, p.y + 7, p.x, p.y + 13);
        }
        c.selectFont(gfx::FontId::Arial14);
        c.setBackgroundMode(gfx::BackgroundMode::Transparent);
        c.setTextColour(gfx::rgb(0, 0, 0));
        // The legend's own lines lie on these rows: the band of the panel they cross is cleared
        // first, whole legend lines with it (none is left cut in half), so that the label can be
        // read; the legend shows again once the pointer leaves the object.
        int top = INT_MAX, bottom = INT_MIN;
        for (const skymap::LabelText& t : o.hover.texts) {
            top = std::min(top, t.y - 4);
            bottom = std::max(bottom, t.y + c.textExtent(t.text).height);
        }
        const int lineHeight = c.textExtent("Longitude").height;
        for (int k = 0; k < kLegendLines; ++k) {
            const int line = static_cast<int>(g.clientHeight) - kLegendLinesFromBottom + kLegendLineStep * k;
            if (line + lineHeight > top && line < bottom) {
                top = std::min(top, line);
                bottom = std::max(bottom, line + lineHeight + 1);
            }
        }
        if (!o.hover.texts.empty()) clearPanelRow(c, g, top + 4, bottom - top - 4);
        for (const skymap::LabelText& t : o.hover.texts)
            c.textOut(t.x, t.y, t.text);
    }
    if (o.status) {
        const skymap::PixelPoint at = skymap::statusLinePosition(g);
        c.selectFont(gfx::FontId::Arial14);
        clearPanelRow(c, g, at.y, c.textExtent(*o.status).height);
        c.setBackgroundMode(gfx::BackgroundMode::Opaque);
        c.setBackgroundColour(gfx::rgb(200, 200, 200));
        c.setTextColour(gfx::rgb(0, 0, 0));
        c.textOut(at.x, at.y, *o.status);
    }
}

void installViewHandlers() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    input::ViewHandlers& h = input::viewHandlers();
    using Handler = std::function<bool(TPlanetariumWindow&, int, int)>;
    auto chain = [](Handler previous, bool (*mine)(TPlanetariumWindow&, int, int), bool (*applies)(int view)) {
        return [previous, mine, applies](TPlanetariumWindow& w, int x, int y) {
            if (applies(w.view)) return mine(w, x, y);
            return previous ? previous(w, x, y) : false;
        };
    };
    h.leftDown = chain(h.leftDown, onSkyMouseDown, skymap::isRectangleView);
    // A rectangle in progress is ended by the release even if the view changed meanwhile (a key
    // can change it during the drag); other releases go to the other views' handlers.
    h.leftUp = [previous = h.leftUp](TPlanetariumWindow& w, int x, int y) {
        if (const Layer* l = findLayer(w); l && l->band.active()) return onSkyMouseUp(w, x, y);
        return previous ? previous(w, x, y) : false;
    };
    h.hover = [previous = h.hover](TPlanetariumWindow& w, int x, int y) {
        if (skymap::isSkyView(w.view)) return onSkyMouseMove(w, x, y);
        // Outside the sky views a move drops a rectangle in progress and the transient layer.
        if (w.findChild<QWidget*>(QString::fromLatin1(kLayerName), Qt::FindDirectChildrenOnly)) {
            Layer& layer = layerOf(w);
            layer.band.cancel();
            layer.hideOverlay();
        }
        return previous ? previous(w, x, y) : false;
    };
    auto identifyApplies = [](int view) { return view >= 10 && view <= 30; };
    h.rightDown = chain(h.rightDown, identifyAt, identifyApplies);
    h.identify = chain(h.identify, identifyAt, identifyApplies);
}

const gfx::Canvas* overlayCanvas(const TPlanetariumWindow& w) {
    const Layer* l = findLayer(w);
    return l ? l->canvas() : nullptr;
}

bool overlayVisible(const TPlanetariumWindow& w) {
    const Layer* l = findLayer(w);
    return l && l->current();
}

} // namespace skyui
