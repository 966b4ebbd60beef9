// SPDX-License-Identifier: GPL-3.0-or-later
#include "gfx/vector_canvas.h"

#include "gfx/icons.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPageSize>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <memory>
#include <vector>

namespace gfx {

namespace {

QColor qcolour(Rgb c) {
    return QColor::fromRgb(c | 0xff000000u);
}

// Integer pixel (x, y) covers [x, x+1): lines run between pixel centres.
QPointF centre(int x, int y) {
    return QPointF(x + 0.5, y + 0.5);
}

// Calls made by another call of this canvas (a rectangle's sides, a text's background) are
// painted on the page by the outer call only.
struct Nest {
    explicit Nest(int& n) : n_(n) { ++n_; }
    ~Nest() { --n_; }
    int& n_;
};

} // namespace

VectorCanvas::VectorCanvas(int width, int height, QPaintDevice* device, const QRect& area,
                           const QTransform& toDevice)
    : Canvas(width, height), area_(area) {
    if (device && page_.begin(device)) {
        page_.setRenderHint(QPainter::Antialiasing, true);
        page_.setRenderHint(QPainter::TextAntialiasing, true);
        page_.setTransform(toDevice);
        applyPageClip();
    }
}

VectorCanvas::~VectorCanvas() {
    if (page_.isActive()) page_.end();
}

bool VectorCanvas::finish() {
    return page_.isActive() && page_.end();
}

void VectorCanvas::applyPageClip() {
    if (!page_.isActive()) return;
    const QRect c(clip().left, clip().top, clip().width(), clip().height());
    page_.setClipRect(c.intersected(area_));
}

void VectorCanvas::usePen() {
    const Pen& p = pen();
    if (p.style == PenStyle::None) {
        page_.setPen(Qt::NoPen);
        return;
    }
    QPen q(qcolour(p.colour));
    q.setWidthF(std::max(p.width, 1));
    q.setCapStyle(Qt::FlatCap);
    q.setJoinStyle(Qt::MiterJoin);
    if (p.style == PenStyle::Dotted) q.setDashPattern({3.0 / q.widthF(), 3.0 / q.widthF()});
    page_.setPen(q);
}

void VectorCanvas::useBrush() {
    if (brush().none)
        page_.setBrush(Qt::NoBrush);
    else
        page_.setBrush(qcolour(brush().colour));
}

void VectorCanvas::setClip(const Rect& clip) {
    Canvas::setClip(clip);
    applyPageClip();
}

void VectorCanvas::clearClip() {
    Canvas::clearClip();
    applyPageClip();
}

void VectorCanvas::fill(Rgb colour) {
    Canvas::fill(colour);
    if (!page_.isActive()) return;
    page_.save();
    page_.setClipping(false);
    page_.fillRect(area_, qcolour(colour));
    page_.restore();
}

void VectorCanvas::fillRect(int left, int top, int right, int bottom, Rgb colour) {
    const bool paint = outer() && page_.isActive();
    Nest n(nested_);
    Canvas::fillRect(left, top, right, bottom, colour);
    if (!paint) return;
    rectOnPage(QRectF(QPointF(std::min(left, right), std::min(top, bottom)),
                      QPointF(std::max(left, right), std::max(top, bottom))),
               qcolour(colour));
}

void VectorCanvas::rectangle(int left, int top, int right, int bottom) {
    const bool paint = outer() && page_.isActive();
    Nest n(nested_);
    Canvas::rectangle(left, top, right, bottom);
    if (!paint) return;
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
    if (right - left < 1 || bottom - top < 1) return;
    useBrush();
    if (pen().style == PenStyle::None) {
        page_.setPen(Qt::NoPen);
        rectOnPage(QRectF(left, top, right - left, bottom - top), qcolour(brush().colour), !brush().none);
    } else {
        usePen();
        QPainterPath path;
        path.addRect(QRectF(left + 0.5, top + 0.5, right - left - 1, bottom - top - 1));
        pathOnPage(path, true);
    }
}

void VectorCanvas::ellipse(int left, int top, int right, int bottom) {
    const bool paint = outer() && page_.isActive();
    Nest n(nested_);
    Canvas::ellipse(left, top, right, bottom);
    if (!paint) return;
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
    if (right - left < 1 || bottom - top < 1) return;
    useBrush();
    if (pen().style == PenStyle::None) {
        page_.setPen(Qt::NoPen);
        QPainterPath path;
        path.addEllipse(QRectF(left, top, right - left, bottom - top));
        pathOnPage(path, false);
    } else {
        usePen();
        QPainterPath path;
        path.addEllipse(QRectF(left + 0.5, top + 0.5, right - left - 1, bottom - top - 1));
        pathOnPage(path, true);
    }
}

void VectorCanvas::polygon(std::span<const Point> points) {
    const bool paint = outer() && page_.isActive();
    Nest n(nested_);
    Canvas::polygon(points);
    if (!paint || points.size() < 2) return;
    std::vector<QPointF> q;
    q.reserve(points.size());
    for (const Point& p : points)
        q.push_back(centre(p.x, p.y));
    useBrush();
    usePen();
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    path.addPolygon(QPolygonF(QList<QPointF>(q.begin(), q.end())));
    path.closeSubpath();
    pathOnPage(path, pen().style != PenStyle::None);
}

void VectorCanvas::polyline(std::span<const Point> points) {
    const bool paint = outer() && page_.isActive();
    Nest n(nested_);
    Canvas::polyline(points);
    if (!paint || points.size() < 2 || pen().style == PenStyle::None) return;
    std::vector<QPointF> q;
    q.reserve(points.size());
    for (const Point& p : points)
        q.push_back(centre(p.x, p.y));
    usePen();
    for (size_t k = 1; k < q.size(); ++k)
        segmentOnPage(q[k - 1], q[k]);
}

void VectorCanvas::lineTo(int x, int y) {
    const Point from = position();
    const bool paint = outer() && page_.isActive();
    Nest n(nested_);
    Canvas::lineTo(x, y);
    if (!paint || pen().style == PenStyle::None || (from.x == x && from.y == y)) return;
    usePen();
    // Far-away ends (projections give coordinates in the tens of thousands) stay exact in floating
    // point; the clip keeps the page to the drawn area.
    segmentOnPage(centre(from.x, from.y), centre(x, y));
}

void VectorCanvas::arcShape(int kind, int left, int top, int right, int bottom, int xs, int ys, int xe,
                            int ye) {
    if (!page_.isActive()) return;
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
    if (right - left < 2 || bottom - top < 2) return;
    const double cx = (left + right) / 2.0, cy = (top + bottom) / 2.0;
    const double rx = (right - left) / 2.0, ry = (bottom - top) / 2.0;
    const auto angleOf = [&](int x, int y) {
        const double a = std::atan2(-(y - cy) / ry, (x - cx) / rx) * 180.0 / M_PI;
        return a < 0 ? a + 360.0 : a;
    };
    const double a0 = angleOf(xs, ys), a1 = angleOf(xe, ye);
    double span = a1 - a0;
    if (span <= 0) span += 360.0;
    const QRectF r(left + 0.5, top + 0.5, right - left - 1, bottom - top - 1);
    const int start16 = int(std::lround(a0 * 16)), span16 = int(std::lround(span * 16));
    usePen();
    useBrush();
    QPainterPath path;
    path.arcMoveTo(r, start16 / 16.0);
    path.arcTo(r, start16 / 16.0, span16 / 16.0);
    if (kind == 1) path.lineTo(r.center());
    if (kind != 0) path.closeSubpath();
    if (kind == 0) page_.setBrush(Qt::NoBrush);
    pathOnPage(path, pen().style != PenStyle::None);
}

void VectorCanvas::arc(int left, int top, int right, int bottom, int xs, int ys, int xe, int ye) {
    const bool paint = outer();
    Nest n(nested_);
    Canvas::arc(left, top, right, bottom, xs, ys, xe, ye);
    if (paint && pen().style != PenStyle::None) arcShape(0, left, top, right, bottom, xs, ys, xe, ye);
}

void VectorCanvas::pie(int left, int top, int right, int bottom, int xs, int ys, int xe, int ye) {
    const bool paint = outer();
    Nest n(nested_);
    Canvas::pie(left, top, right, bottom, xs, ys, xe, ye);
    if (paint) arcShape(1, left, top, right, bottom, xs, ys, xe, ye);
}

void VectorCanvas::chord(int left, int top, int right, int bottom, int xs, int ys, int xe, int ye) {
    const bool paint = outer();
    Nest n(nested_);
    Canvas::chord(left, top, right, bottom, xs, ys, xe, ye);
    if (paint) arcShape(2, left, top, right, bottom, xs, ys, xe, ye);
}

void VectorCanvas::textOut(int x, int y, const QString& text) {
    const bool paint = outer() && page_.isActive();
    Nest n(nested_);
    Canvas::textOut(x, y, text);
    if (!paint || text.isEmpty()) return;
    const QFont& f = qfont(font());
    if (backgroundMode() == BackgroundMode::Opaque) {
        const Size s = textExtent(text);
        rectOnPage(QRectF(x, y, s.width, s.height), qcolour(backgroundColour()));
    }
    const QPointF baseline(x, y + QFontMetrics(f).ascent());
    const Size s = textExtent(text);
    const QRectF box(x, y, s.width, s.height);
    const QRectF c = pageClip();
    if (!c.intersects(box)) return;
    if (c.contains(box)) { // whole: it stays text
        page_.setFont(f);
        page_.setPen(qcolour(textColour()));
        page_.drawText(baseline, text);
        return;
    }
    QPainterPath path;
    path.addText(baseline, f, text);
    QPainterPath window;
    window.addRect(c);
    page_.fillPath(path.intersected(window), qcolour(textColour()));
}

bool VectorCanvas::drawIcon(int x, int y, int id) {
    const bool paint = outer() && page_.isActive();
    Nest n(nested_);
    if (!Canvas::drawIcon(x, y, id)) return false;
    if (paint)
        if (const QImage* img = gfx::icon(id))
            imageOnPage(QRectF(x, y, img->width(), img->height()), *img, QRectF(img->rect()));
    return true;
}

void VectorCanvas::drawPicture(const QImage& picture, int dx, int dy, int dw, int dh, RasterOp op) {
    drawPicture(picture, dx, dy, dw, dh, 0, 0, picture.width(), picture.height(), op);
}

void VectorCanvas::drawPicture(const QImage& picture, int dx, int dy, int dw, int dh, int sx, int sy, int sw,
                               int sh, RasterOp op) {
    const bool paint = outer() && page_.isActive();
    Nest n(nested_);
    Canvas::drawPicture(picture, dx, dy, dw, dh, sx, sy, sw, sh, op);
    if (!paint || picture.isNull() || dw == 0 || dh == 0 || sw <= 0 || sh <= 0) return;
    if (op == RasterOp::Copy)
        imageOnPage(QRectF(dx, dy, dw, dh).normalized(), picture, QRectF(sx, sy, sw, sh));
    else // the page has no raster operations: it takes the combined pixels
        emitPixels(std::min(dx, dx + dw), std::min(dy, dy + dh), std::max(dx, dx + dw),
                   std::max(dy, dy + dh));
}

void VectorCanvas::copyFrom(const Canvas& source, int dx, int dy, int w, int h, int sx, int sy, RasterOp op) {
    const bool paint = outer() && page_.isActive();
    Nest n(nested_);
    Canvas::copyFrom(source, dx, dy, w, h, sx, sy, op);
    if (paint && w > 0 && h > 0) emitPixels(dx, dy, dx + w, dy + h);
}

void VectorCanvas::stretchFrom(const Canvas& source, int dx, int dy, int dw, int dh, int sx, int sy, int sw,
                               int sh, RasterOp op) {
    const bool paint = outer() && page_.isActive();
    Nest n(nested_);
    Canvas::stretchFrom(source, dx, dy, dw, dh, sx, sy, sw, sh, op);
    if (paint)
        emitPixels(std::min(dx, dx + dw), std::min(dy, dy + dh), std::max(dx, dx + dw),
                   std::max(dy, dy + dh));
}

void VectorCanvas::emitPixels(int left, int top, int right, int bottom) {
    const QRect r = QRect(QPoint(left, top), QPoint(right - 1, bottom - 1))
                        .intersected(QRect(clip().left, clip().top, clip().width(), clip().height()))
                        .intersected(area_);
    if (r.isEmpty()) return;
    imageOnPage(QRectF(r), image().copy(r), QRectF(0, 0, r.width(), r.height()));
}

QRectF VectorCanvas::pageClip() const {
    return QRectF(clip().left, clip().top, clip().width(), clip().height()).intersected(QRectF(area_));
}

// Clipping is done here rather than by the device: the SVG generator does not keep clip paths.
void VectorCanvas::rectOnPage(const QRectF& rect, const QColor& colour, bool paint) {
    if (!paint) return;
    const QRectF r = rect.intersected(pageClip());
    if (!r.isEmpty()) page_.fillRect(r, colour);
}

void VectorCanvas::pathOnPage(const QPainterPath& path, bool stroke) {
    const QRectF c = pageClip();
    const double margin = stroke ? page_.pen().widthF() : 0.0;
    const QRectF bounds = path.boundingRect().adjusted(-margin, -margin, margin, margin);
    if (!c.intersects(bounds)) return;
    if (!stroke) page_.setPen(Qt::NoPen);
    if (c.contains(bounds)) {
        page_.drawPath(path);
        return;
    }
    QPainterPath window;
    window.addRect(c);
    if (page_.brush().style() != Qt::NoBrush) page_.fillPath(path.intersected(window), page_.brush());
    if (stroke) {
        QPainterPathStroker stroker(page_.pen());
        page_.fillPath(stroker.createStroke(path).intersected(window), page_.pen().color());
    }
}

void VectorCanvas::segmentOnPage(QPointF a, QPointF b) {
    // Liang-Barsky: the part of the segment inside the clip rectangle.
    const QRectF c = pageClip();
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    double t0 = 0, t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - c.left(), c.right() - a.x(), a.y() - c.top(), c.bottom() - a.y()};
    for (int k = 0; k < 4; ++k) {
        if (p[k] == 0) {
            if (q[k] < 0) return;
            continue;
        }
        const double t = q[k] / p[k];
        if (p[k] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1) return;
    }
    page_.drawLine(QPointF(a.x() + t0 * dx, a.y() + t0 * dy), QPointF(a.x() + t1 * dx, a.y() + t1 * dy));
}

void VectorCanvas::imageOnPage(const QRectF& dest, const QImage& img, const QRectF& source) {
    const QRectF d = dest.intersected(pageClip());
    if (d.isEmpty() || dest.isEmpty()) return;
    const double kx = source.width() / dest.width(), ky = source.height() / dest.height();
    const QRectF s(source.x() + (d.x() - dest.x()) * kx, source.y() + (d.y() - dest.y()) * ky, d.width() * kx,
                   d.height() * ky);
    page_.drawImage(d, img, s);
}

bool isVectorFileName(const std::string& path) {
    if (path.size() < 4) return false;
    std::string ext = path.substr(path.size() - 4);
    for (char& c : ext)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return ext == ".pdf" || ext == ".svg";
}

VectorPicture::VectorPicture(const std::string& fileName, int width, int height, int canvasWidth,
                             int canvasHeight, int top)
    : fileName_(fileName), buffer_(std::make_unique<QBuffer>()) {
    buffer_->open(QIODevice::WriteOnly);
    width = std::max(width, 1);
    height = std::max(height, 1);
    if (!isVectorFileName(fileName)) {
        // No device: the canvas draws pixels only and finish() reports the name.
    } else if (std::tolower(static_cast<unsigned char>(fileName[fileName.size() - 3])) == 'p') {
        // One logical pixel is one point: the page keeps the view's proportions and layout.
        auto pdf = std::make_unique<QPdfWriter>(buffer_.get());
        pdf->setResolution(72);
        pdf->setCreator(QStringLiteral("Nalvo"));
        pdf->setPageLayout(QPageLayout(QPageSize(QSizeF(width, height), QPageSize::Point),
                                       QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        device_ = std::move(pdf);
    } else {
        auto svg = std::make_unique<QSvgGenerator>();
        svg->setOutputDevice(buffer_.get());
        svg->setSize(QSize(width, height));
        svg->setViewBox(QRect(0, 0, width, height));
        svg->setResolution(96); // the CSS pixel, so that viewers show width x height pixels
        svg->setTitle(QStringLiteral("Nalvo"));
        device_ = std::move(svg);
    }
    canvas_ =
        std::make_unique<VectorCanvas>(canvasWidth, canvasHeight, device_.get(), QRect(0, top, width, height),
                                       QTransform::fromTranslate(0, -top));
}

VectorPicture::~VectorPicture() {
    canvas_.reset();
    device_.reset();
}

bool VectorPicture::finish(std::string& bytes, std::string& error) {
    if (!isVectorFileName(fileName_)) {
        error = fileName_ + ": the name does not end in .pdf or .svg";
        return false;
    }
    const bool painted = canvas_->pageActive() && canvas_->finish();
    canvas_.reset();
    device_.reset(); // the last of the document reaches the buffer
    if (!painted || buffer_->data().isEmpty()) {
        error = fileName_ + ": the page could not be drawn";
        return false;
    }
    bytes.assign(buffer_->data().constData(), static_cast<std::size_t>(buffer_->data().size()));
    return true;
}

bool vectorPictureBytes(const std::string& fileName, int width, int height,
                        const std::function<void(Canvas&)>& paint, std::string& bytes, std::string& error,
                        int canvasWidth, int canvasHeight) {
    VectorPicture picture(fileName, width, height, canvasWidth, canvasHeight);
    paint(picture.canvas());
    return picture.finish(bytes, error);
}

} // namespace gfx
