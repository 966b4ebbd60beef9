// SPDX-License-Identifier: GPL-3.0-or-later
// gfx::VectorCanvas: a canvas that draws every shape, text, icon and picture twice, into its own
// pixels (which views may read back) and as vector paths onto a page device (PDF, SVG, printer).
// Block copies and raster operations reach the page as the resulting pixels. Pixel writes through
// setPixel and row() reach the pixels only: painters that use them ask isVector() and draw shapes.
#pragma once

#include "gfx/canvas.h"

#include <QPainter>
#include <QPainterPath>
#include <QRect>
#include <QTransform>
#include <functional>
#include <memory>
#include <string>

class QBuffer;
class QPaintDevice;

namespace gfx {

class VectorCanvas : public Canvas {
  public:
    // A width x height canvas whose `area` is painted on `device` through `toDevice` (logical
    // pixels to device units). The page is painted until finish().
    VectorCanvas(int width, int height, QPaintDevice* device, const QRect& area,
                 const QTransform& toDevice = QTransform());
    ~VectorCanvas() override;
    using Canvas::textOut;

    bool isVector() const override { return true; }
    // False when the device could not be painted (a file that cannot be created).
    bool pageActive() const { return page_.isActive(); }
    // Ends the page; true when the device accepted it.
    bool finish();

    void setClip(const Rect& clip) override;
    void clearClip() override;
    void fill(Rgb colour) override;
    void fillRect(int left, int top, int right, int bottom, Rgb colour) override;
    using Canvas::fillRect;
    void rectangle(int left, int top, int right, int bottom) override;
    void ellipse(int left, int top, int right, int bottom) override;
    void polygon(std::span<const Point> points) override;
    void polyline(std::span<const Point> points) override;
    void lineTo(int x, int y) override;
    void arc(int left, int top, int right, int bottom, int xs, int ys, int xe, int ye) override;
    void pie(int left, int top, int right, int bottom, int xs, int ys, int xe, int ye) override;
    void chord(int left, int top, int right, int bottom, int xs, int ys, int xe, int ye) override;
    void textOut(int x, int y, const QString& text) override;
    bool drawIcon(int x, int y, int id) override;
    void drawPicture(const QImage& picture, int dx, int dy, int dw, int dh,
                     RasterOp op = RasterOp::Copy) override;
    void drawPicture(const QImage& picture, int dx, int dy, int dw, int dh, int sx, int sy, int sw, int sh,
                     RasterOp op = RasterOp::Copy) override;
    void copyFrom(const Canvas& source, int dx, int dy, int w, int h, int sx, int sy,
                  RasterOp op = RasterOp::Copy) override;
    void stretchFrom(const Canvas& source, int dx, int dy, int dw, int dh, int sx, int sy, int sw, int sh,
                     RasterOp op = RasterOp::Copy) override;

  private:
    bool outer() const { return nested_ == 0; }
    void usePen();
    void useBrush();
    void applyPageClip();
    // The canvas pixels of (left, top, right, bottom) as they now are, onto the page.
    void emitPixels(int left, int top, int right, int bottom);
    // The clip rectangle within the area, and drawing clipped to it.
    QRectF pageClip() const;
    void rectOnPage(const QRectF& rect, const QColor& colour, bool paint = true);
    void pathOnPage(const QPainterPath& path, bool stroke);
    void segmentOnPage(QPointF a, QPointF b);
    void imageOnPage(const QRectF& dest, const QImage& img, const QRectF& source);
    void arcShape(int kind, int left, int top, int right, int bottom, int xs, int ys, int xe, int ye);

    QPainter page_;
    QRect area_;
    int nested_ = 0; // shapes built from other calls reach the page once
};

// A PDF or SVG picture being drawn in memory, the format chosen by the file name's extension
// (".pdf" or ".svg", any case): a VectorCanvas of the back buffer's size whose area of width x
// height logical pixels from row `top` becomes a PDF page of width x height points or an SVG
// picture of width x height pixels. finish() hands over the file's bytes; the caller writes them.
class VectorPicture {
  public:
    VectorPicture(const std::string& fileName, int width, int height, int canvasWidth = 1500,
                  int canvasHeight = 1400, int top = 0);
    ~VectorPicture();
    VectorPicture(const VectorPicture&) = delete;
    VectorPicture& operator=(const VectorPicture&) = delete;
    VectorCanvas& canvas() { return *canvas_; }
    // Ends the page; the whole file in `bytes`, or false with `error`.
    bool finish(std::string& bytes, std::string& error);

  private:
    std::string fileName_;
    std::unique_ptr<QBuffer> buffer_;
    std::unique_ptr<QPaintDevice> device_;
    std::unique_ptr<VectorCanvas> canvas_;
};

// Draws `paint` into a VectorPicture and hands over its bytes.
bool vectorPictureBytes(const std::string& fileName, int width, int height,
                        const std::function<void(Canvas&)>& paint, std::string& bytes, std::string& error,
                        int canvasWidth = 1500, int canvasHeight = 1400);
// True when the name ends in ".pdf" or ".svg" (any case).
bool isVectorFileName(const std::string& path);

} // namespace gfx
