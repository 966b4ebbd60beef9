// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/picture_saving.h"

#include <QApplication>
#include <QFileDialog>

#include "app/page_output.h"
#include "app/window.h"
#include "catalog/atomic_file.h"
#include "catalog/prompter.h"
#include "gfx/bitmap_file.h"
#include "gfx/vector_canvas.h"

namespace picturesave {

namespace {

constexpr int kToolbarStrip = 28;
constexpr char kInformation[] = "NALVO information";

// The chosen name is remembered between saves.
std::string& lastName() {
    static std::string name;
    return name;
}

bool savedView(int view) {
    return view >= 10 && view <= 49;
}

} // namespace

std::function<std::string(TPlanetariumWindow&, const std::string&)>& fileChooser() {
    static std::function<std::string(TPlanetariumWindow&, const std::string&)> chooser =
        [](TPlanetariumWindow& w, const std::string& previous) {
            const QString name = QFileDialog::getSaveFileName(
                &w, QStringLiteral("File saved"), QString::fromStdString(previous),
                QStringLiteral("Image Bitmap (bmp) (*.bmp);;PNG picture (*.png);;PDF document (*.pdf);;"
                               "SVG picture (*.svg);;All files (*)"));
            return name.toStdString();
        };
    return chooser;
}

gfx::Rect savedArea(const TPlanetariumWindow& w) {
    const bool below = w.options && w.options->saveBlackBackground;
    return gfx::Rect{0, below ? kToolbarStrip : 0, w.clientWidth(), std::max(w.clientHeight(), 0)};
}

bool writePicture(const TPlanetariumWindow& w, const std::string& path, std::string& error) {
    if (!w.memDC[0]) {
        error = "no picture";
        return false;
    }
    const gfx::Rect a = savedArea(w);
    const int s = w.memDC[0]->scale();
    const std::string bytes = gfx::pictureBytes(w.memDC[0]->image(), gfx::Rect{a.left * s, a.top * s, a.right * s, a.bottom * s},
                                                gfx::pictureFormatOf(path));
    if (bytes.empty()) {
        error = "the picture could not be encoded";
        return false;
    }
    return writeFileAtomically(path, bytes, &error);
}

void drawWhitePicture(TPlanetariumWindow& w) {
    ParametreAffichage& o = *w.options;
    o.whiteScheme = true;
    if (o.saveBlackWhite) o.useBlackWhiteScheme();
    w.memDC[0]->clearClip();
    w.fillBackground();
    // The sky views always draw their legend in a picture.
    const bool legend = w.showLegend;
    if (w.view >= 10 && w.view <= 19) w.showLegend = true;
    w.updateMapWidth();
    if (w.view >= 10 && w.view <= 29) w.sys->computePositions(*w.date, true);
    w.orbitsDirty = true;
    w.drawFrame(); // only Saturn 3D draws one in a picture
    drawViewContent(w);
    w.showLegend = legend;
    w.updateMapWidth();
    if (w.isVisible()) w.repaint();
}

void restoreScreen(TPlanetariumWindow& w) {
    w.saturnTablesDirty = true;
    w.orbitsDirty = true;
    w.options->whiteScheme = false;
    w.options->useScreenScheme();
    w.memDC[0]->clearClip();
    w.fillBackground();
    w.redraw();
}

void savePicture(TPlanetariumWindow& w) {
    if (!w.sys || !w.options || !w.memDC[0] || !savedView(w.view)) return;
    const bool white = !w.options->saveBlackBackground;
    if (white) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        drawWhitePicture(w);
        QApplication::restoreOverrideCursor();
    }
    const std::string name = fileChooser()(w, lastName());
    if (!name.empty()) {
        lastName() = name;
        QApplication::setOverrideCursor(Qt::WaitCursor);
        if (w.isVisible()) w.repaint();
        std::string error;
        // A .pdf or .svg name: the view is drawn once more onto the page. A bitmap of the window's
        // size from a finer back buffer: the picture is drawn again at scale 1.
        const bool vector = gfx::isVectorFileName(name);
        const int scale = w.memDC[0]->scale();
        const bool logical = !vector && scale > 1 && !w.options->saveFullResolution;
        if (logical) {
            w.setBackBufferScale(1);
            if (white)
                drawWhitePicture(w);
            else
                w.redraw();
        }
        const bool ok = vector ? pageoutput::saveVectorView(w, name, error) : writePicture(w, name, error);
        if (logical) {
            w.setBackBufferScale(scale);
            if (!white) w.redraw();
        }
        QApplication::restoreOverrideCursor();
        if (ok)
            w.prompter().message("Picture Saved", kInformation);
        else
            w.prompter().message("Can't save the picture: " + error, kErrorCaption);
    }
    if (white) restoreScreen(w);
}

} // namespace picturesave
