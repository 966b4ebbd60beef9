// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/page_output.h"

#include "app/picture_saving.h"
#include "app/window.h"
#include "catalog/atomic_file.h"
#include "gfx/vector_canvas.h"

#include <QApplication>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <algorithm>

namespace pageoutput {

namespace {

// The back buffer replaced by `target` for the lifetime of this object.
class BackBufferSwap {
  public:
    BackBufferSwap(TPlanetariumWindow& w, gfx::Canvas& target) : w_(w), screen_(std::move(w.memDC[0])) {
        w_.memDC[0].reset(&target);
        client_ = w_.sys->clientDC;
        w_.sys->clientDC = &target;
    }
    ~BackBufferSwap() {
        (void)w_.memDC[0].release(); // `target` belongs to the caller
        w_.memDC[0] = std::move(screen_);
        w_.sys->clientDC = client_;
    }
    BackBufferSwap(const BackBufferSwap&) = delete;
    BackBufferSwap& operator=(const BackBufferSwap&) = delete;

  private:
    TPlanetariumWindow& w_;
    std::unique_ptr<gfx::Canvas> screen_;
    void* client_ = nullptr;
};

bool canDraw(const TPlanetariumWindow& w) {
    return w.sys && w.options && w.memDC[0] && w.view >= 10 && w.view <= 49;
}

} // namespace

void drawOnWhite(TPlanetariumWindow& w, gfx::Canvas& target, bool blackWhite) {
    if (!canDraw(w)) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    {
        BackBufferSwap swap(w, target);
        const bool chosen = w.options->saveBlackWhite;
        w.options->saveBlackWhite = blackWhite;
        w.options->attach(target);
        picturesave::drawWhitePicture(w);
        w.options->saveBlackWhite = chosen;
    }
    w.options->attach(*w.memDC[0]);
    picturesave::restoreScreen(w);
    QApplication::restoreOverrideCursor();
}

bool printView(TPlanetariumWindow& w, QPrinter& printer) {
    if (!canDraw(w)) return false;
    const int W = w.clientWidth(), H = w.clientHeight();
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    const double scale = std::min(page.width() / W, page.height() / H);
    QTransform toPage;
    toPage.translate((page.width() - W * scale) / 2, (page.height() - H * scale) / 2);
    toPage.scale(scale, scale);
    gfx::VectorCanvas canvas(TPlanetariumWindow::kBufferWidth, TPlanetariumWindow::kBufferHeight, &printer,
                             QRect(0, 0, W, H), toPage);
    if (!canvas.pageActive()) return false;
    drawOnWhite(w, canvas, w.options->saveBlackWhite && !w.options->saveBlackBackground);
    return canvas.finish();
}

bool saveVectorView(TPlanetariumWindow& w, const std::string& path, std::string& error) {
    if (!canDraw(w)) {
        error = "this view cannot be saved";
        return false;
    }
    const int W = w.clientWidth(), H = w.clientHeight();
    if (w.options->saveBlackBackground) {
        // The picture exactly as on screen, the toolbar strip left out.
        constexpr int kStrip = 28;
        gfx::VectorPicture file(path, W, H - kStrip, TPlanetariumWindow::kBufferWidth,
                                TPlanetariumWindow::kBufferHeight, kStrip);
        {
            BackBufferSwap swap(w, file.canvas());
            w.options->attach(file.canvas());
            w.orbitsDirty = true;
            w.redraw();
        }
        w.options->attach(*w.memDC[0]);
        w.orbitsDirty = true;
        w.redraw();
        std::string bytes;
        return file.finish(bytes, error) && writeFileAtomically(path, bytes, &error);
    }
    gfx::VectorPicture file(path, W, H, TPlanetariumWindow::kBufferWidth, TPlanetariumWindow::kBufferHeight);
    drawOnWhite(w, file.canvas(), w.options->saveBlackWhite);
    std::string bytes;
    return file.finish(bytes, error) && writeFileAtomically(path, bytes, &error);
}

QPrinter& printer() {
    static QPrinter p(QPrinter::HighResolution);
    return p;
}

void runPrint(TPlanetariumWindow& w) {
    if (!canDraw(w)) return;
    QPrintDialog dialog(&printer(), &w);
    dialog.setWindowTitle(QStringLiteral("Print"));
    if (dialog.exec() != QDialog::Accepted) return;
    printView(w, printer());
}

void runPageSetup(TPlanetariumWindow& w) {
    QPageSetupDialog dialog(&printer(), &w);
    dialog.exec();
}

} // namespace pageoutput
