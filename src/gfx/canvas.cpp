// SPDX-License-Identifier: GPL-3.0-or-later
#include "gfx/canvas.h"

#include "gfx/icons.h"
#include "gfx/text_codec.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QString>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace gfx {

namespace {

// Qt's raster engine runs AVX code and may return with the upper halves of the vector registers
// in use. The program's own SSE code and the maths library then pay a state transition on every
// call until they are cleared: measured, the 490 position computations of the conjunction graph
// take 19 ms after one ellipse instead of 2.3 ms. Each painter call clears that state on the way
// out (one instruction, on processors that have AVX).
struct AfterPainter {
    AfterPainter() = default;
    AfterPainter(const AfterPainter&) = delete;
    AfterPainter& operator=(const AfterPainter&) = delete;
    ~AfterPainter() {
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
        static const bool avx = __builtin_cpu_supports("avx");
        if (avx) asm volatile("vzeroupper" ::: "memory");
#endif
    }
};

// Above device scale 1, the painter's outlines are moved by half a logical pixel: a pen as wide
// as the scale then covers the device pixels of the logical pixels the same outline covers at
// scale 1 (Qt draws a one-pixel aliased pen right of and below its path, wider pens centred on it).
class StrokeOffset {
public:
    StrokeOffset(QPainter& painter, int scale) : painter_(painter), on_(scale > 1) {
        if (on_) painter_.translate(0.5, 0.5);
    }
    StrokeOffset(const StrokeOffset&) = delete;
    StrokeOffset& operator=(const StrokeOffset&) = delete;
    ~StrokeOffset() {
        if (on_) painter_.translate(-0.5, -0.5);
    }

private:
    QPainter& painter_;
    bool on_;
};

// Dotted pens draw 3 pixels, skip 3.
constexpr int kDotOn = 3, kDotPeriod = 6;

QColor qcolour(Rgb c) { return QColor::fromRgb(c | 0xff000000u); }

QPainter::CompositionMode compositionOf(RasterOp op) {
    switch (op) {
    case RasterOp::Or: return QPainter::RasterOp_SourceOrDestination;
    case RasterOp::And: return QPainter::RasterOp_SourceAndDestination;
    case RasterOp::Copy: break;
    }
    return QPainter::CompositionMode_Source;
}

// A font whose line height (ascent + descent) is at most `cellHeight` pixels, the meaning of a
// positive height when a font is created by face name.
QFont makeFont(const char* family, int cellHeight) {
    QFont f(QString::fromLatin1(family));
    f.setStyleHint(QFont::SansSerif);
    f.setHintingPreference(QFont::PreferFullHinting);
    for (int px = cellHeight; px > 4; --px) {
        f.setPixelSize(px);
        if (QFontMetrics(f).height() <= cellHeight) break;
    }
    return f;
}

} // namespace

const QFont& Canvas::qfont(FontId font) {
    // Built on first use: QFont needs the application object.
    static const std::array<QFont, 3> fonts = [] {
        std::array<QFont, 3> f{makeFont("Liberation Sans", 14), makeFont("Liberation Sans", 15),
                               makeFont("Liberation Serif", 12)};
        f[2].setStyleHint(QFont::Serif);
        return f;
    }();
    return fonts[size_t(font)];
}

Canvas::Canvas(int width, int height, Rgb fill, int scale)
    : width_(std::max(width, 1)), height_(std::max(height, 1)), scale_(std::clamp(scale, 1, 4)),
      deviceWidth_(width_ * scale_),
      pixels_(size_t(deviceWidth_) * size_t(height_ * scale_), fill | 0xff000000u), palette_(nullptr),
      clip_{0, 0, width_, height_} {
    static const Palette screen = Palette::screenScheme();
    palette_ = &screen;
    brush_ = palette_->brush(brushIndex_);
    pen_ = palette_->pen(penIndex_);
    bindPainter();
}

void Canvas::bindPainter() {
    image_ = QImage(reinterpret_cast<uchar*>(pixels_.data()), deviceWidth_, height_ * scale_, deviceWidth_ * 4,
                    QImage::Format_RGB32);
    image_.setDevicePixelRatio(scale_);
    painter_.begin(&image_);
    painter_.setRenderHint(QPainter::Antialiasing, false);
    applyPen();
    applyBrush();
    if (QGuiApplication::instance()) painter_.setFont(qfont(font_));
}

void Canvas::setScale(int scale) {
    scale = std::clamp(scale, 1, 4);
    if (scale == scale_) return;
    const bool clipped = painter_.hasClipping();
    painter_.end();
    image_ = QImage();
    scale_ = scale;
    deviceWidth_ = width_ * scale_;
    pixels_.assign(size_t(deviceWidth_) * size_t(height_ * scale_), 0xff000000u);
    bindPainter();
    if (clipped) setPainterClip();
}

void Canvas::paintOn(QPainter& painter, QPoint at, const QRect& source) const {
    const AfterPainter afterPainter;
    const QRect device(source.x() * scale_, source.y() * scale_, source.width() * scale_, source.height() * scale_);
    // A device whose pixel ratio is not the canvas scale gets the pixels resampled.
    const bool resampled = std::abs(painter.device()->devicePixelRatioF() - scale_) > 1e-3;
    if (resampled) painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(QRectF(at, source.size()), image_, device);
}

void Canvas::fillBlock(int x, int y, Rgb colour) {
    const uint32_t c = colour | 0xff000000u;
    uint32_t* p = pixels_.data() + size_t(y) * size_t(scale_) * size_t(deviceWidth_) + size_t(x) * size_t(scale_);
    for (int j = 0; j < scale_; ++j, p += deviceWidth_) std::fill(p, p + scale_, c);
}

Canvas::~Canvas() { painter_.end(); }

void Canvas::setPalette(const Palette* palette) {
    static const Palette screen = Palette::screenScheme();
    palette_ = palette ? palette : &screen;
}

void Canvas::selectBrush(int index) {
    brush_ = palette_->brush(index);
    brushIndex_ = std::clamp(index, 0, kPaletteSize - 1);
    applyBrush();
}

void Canvas::selectPen(int index) {
    pen_ = palette_->pen(index);
    penIndex_ = std::clamp(index, 0, kPaletteSize - 1);
    applyPen();
}

void Canvas::setBrush(const Brush& brush) {
    brush_ = brush;
    brushIndex_ = -1;
    applyBrush();
}

void Canvas::setPen(const Pen& pen) {
    pen_ = pen;
    penIndex_ = -1;
    applyPen();
}

void Canvas::applyPen() {
    if (pen_.style == PenStyle::None) {
        painter_.setPen(Qt::NoPen);
        return;
    }
    QPen p(qcolour(pen_.colour));
    // Cosmetic: the width is in device pixels, so it grows with the scale (the dash pattern, in
    // pen widths, with it).
    p.setWidth(std::max(pen_.width, 1) * scale_);
    p.setCosmetic(true);
    if (pen_.style == PenStyle::Dotted) p.setDashPattern({qreal(kDotOn), qreal(kDotPeriod - kDotOn)});
    painter_.setPen(p);
}

void Canvas::applyBrush() {
    if (brush_.none)
        painter_.setBrush(Qt::NoBrush);
    else
        painter_.setBrush(qcolour(brush_.colour));
}

void Canvas::selectFont(FontId font) {
    font_ = font;
    painter_.setFont(qfont(font));
}

void Canvas::setClip(const Rect& clip) {
    clip_.left = std::clamp(clip.left, 0, width_);
    clip_.top = std::clamp(clip.top, 0, height_);
    clip_.right = std::clamp(clip.right, clip_.left, width_);
    clip_.bottom = std::clamp(clip.bottom, clip_.top, height_);
    setPainterClip();
}

void Canvas::clearClip() {
    clip_ = Rect{0, 0, width_, height_};
    painter_.setClipping(false);
}

void Canvas::setPainterClip() {
    painter_.setClipRect(QRect(clip_.left, clip_.top, clip_.width(), clip_.height()));
}

void Canvas::fill(Rgb colour) {
    std::fill(pixels_.begin(), pixels_.end(), colour | 0xff000000u);
}

void Canvas::fillRect(int left, int top, int right, int bottom) {
    if (brush_.none) return;
    fillRect(left, top, right, bottom, brush_.colour);
}

void Canvas::fillRect(int left, int top, int right, int bottom, Rgb colour) {
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
    left = std::max(left, clip_.left) * scale_;
    right = std::min(right, clip_.right) * scale_;
    top = std::max(top, clip_.top) * scale_;
    bottom = std::min(bottom, clip_.bottom) * scale_;
    if (left >= right || top >= bottom) return;
    const uint32_t c = colour | 0xff000000u;
    for (int y = top; y < bottom; ++y) {
        uint32_t* r = pixels_.data() + size_t(y) * deviceWidth_;
        std::fill(r + left, r + right, c);
    }
}

void Canvas::rectangle(int left, int top, int right, int bottom) {
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
    if (pen_.style == PenStyle::None) {
        fillRect(left, top, right, bottom);
        return;
    }
    if (right - left < 1 || bottom - top < 1) return;
    fillRect(left + 1, top + 1, right - 1, bottom - 1);
    const Point saved = position_;
    moveTo(left, top);
    lineTo(right - 1, top);
    lineTo(right - 1, bottom - 1);
    lineTo(left, bottom - 1);
    lineTo(left, top);
    if (right - left == 1 || bottom - top == 1) setPixel(right - 1, bottom - 1, pen_.colour);
    position_ = saved;
}

void Canvas::ellipse(int left, int top, int right, int bottom) {
    const AfterPainter afterPainter;
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
    if (right - left < 1 || bottom - top < 1) return;
    if (pen_.style == PenStyle::None) {
        painter_.drawEllipse(QRect(left, top, right - left, bottom - top));
    } else {
        const StrokeOffset offset(painter_, scale_);
        painter_.drawEllipse(QRect(left, top, right - left - 1, bottom - top - 1));
    }
}

void Canvas::polygon(std::span<const Point> points) {
    const AfterPainter afterPainter;
    if (points.size() < 2) return;
    std::vector<QPoint> q;
    q.reserve(points.size());
    for (const Point& p : points) q.emplace_back(p.x, p.y);
    if (!brush_.none) {
        painter_.setPen(Qt::NoPen);
        painter_.drawPolygon(q.data(), int(q.size()), Qt::OddEvenFill);
        applyPen();
    }
    if (pen_.style == PenStyle::None) return;
    const Point saved = position_;
    moveTo(points[0].x, points[0].y);
    for (size_t k = 1; k < points.size(); ++k) lineTo(points[k].x, points[k].y);
    lineTo(points[0].x, points[0].y);
    position_ = saved;
}

void Canvas::polyline(std::span<const Point> points) {
    if (points.empty()) return;
    const Point saved = position_;
    moveTo(points[0].x, points[0].y);
    for (size_t k = 1; k < points.size(); ++k) lineTo(points[k].x, points[k].y);
    position_ = saved;
}

void Canvas::moveTo(int x, int y) {
    position_ = Point{x, y};
    dotPhase_ = 0;
}

void Canvas::lineTo(int x, int y) {
    if (pen_.style != PenStyle::None) {
        if (pen_.width > 1) {
            const AfterPainter afterPainter;
            const StrokeOffset offset(painter_, scale_);
            painter_.drawLine(position_.x, position_.y, x, y);
        } else {
            plotLine(position_.x, position_.y, x, y);
        }
    }
    position_ = Point{x, y};
}

namespace {
// Products of two coordinate spans need more than 64 bits.
__extension__ typedef __int128 Wide;
// ceil(a / b) for b > 0.
Wide ceilDiv(Wide a, Wide b) {
    return a >= 0 ? (a + b - 1) / b : -((-a) / b);
}
} // namespace

// Bresenham from (x0, y0) to (x1, y1), leaving out (x1, y1), on the device pixels: at scale s the
// walk goes from (s x0, s y0) to (s x1, s y1) and every step is s pixels thick across the line, so
// a horizontal or vertical line covers exactly the blocks of its logical pixels and a slanted one
// is as fine as the device. The walk starts at the first step whose major coordinate lies in the
// clip rectangle and ends after the last one: the state at step k has a closed form (the major
// coordinate moves every step, the minor one ceil((2 * minor * k - major) / (2 * major)) times), so
// a line whose ends are far outside (a projection may give coordinates in the millions) costs only
// its visible part and draws exactly the pixels of the full walk.
void Canvas::plotLine(int lx0, int ly0, int lx1, int ly1) {
    const long long S = scale_;
    const long long x0 = lx0 * S, y0 = ly0 * S, x1 = lx1 * S, y1 = ly1 * S;
    const long long cl = clip_.left * S, ct = clip_.top * S, cr = clip_.right * S, cb = clip_.bottom * S;
    const long long dxl = std::llabs(x1 - x0), dyl = std::llabs(y1 - y0);
    const long long steps = std::max(dxl, dyl);
    if (steps == 0) return;
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    const uint32_t c = pen_.colour | 0xff000000u;
    const bool dotted = pen_.style == PenStyle::Dotted;
    const int period = kDotPeriod * scale_, on = kDotOn * scale_;
    const auto skip = [&](long long n) { dotPhase_ = int((dotPhase_ + n) % period); };
    const bool xMajor = dxl >= dyl;
    // The thickness runs along the minor axis.
    const long long tx = xMajor ? 0 : S - 1, ty = xMajor ? S - 1 : 0;
    // Lines entirely to one side of the clip rectangle draw nothing.
    if (std::max(x0, x1) + tx < cl || std::min(x0, x1) >= cr || std::max(y0, y1) + ty < ct ||
        std::min(y0, y1) >= cb) {
        skip(steps);
        return;
    }
    // Steps [first, last) are those whose major coordinate lies within the clip rectangle.
    const long long start = xMajor ? x0 : y0, dir = xMajor ? sx : sy;
    const long long lo = xMajor ? cl : ct, hi = xMajor ? cr : cb;
    long long first = dir > 0 ? lo - start : start - (hi - 1), last = dir > 0 ? hi - start : start - lo + 1;
    first = std::clamp(first, 0LL, steps);
    last = std::clamp(last, first, steps);
    const long long major = xMajor ? dxl : dyl, minor = xMajor ? dyl : dxl;
    const Wide m = ceilDiv(Wide(2) * minor * first - major, Wide(2) * major);
    const long long minorSteps = (long long)m;
    long long err =
        (long long)(Wide(dxl) - dyl + (xMajor ? -Wide(first) * dyl + m * dxl : Wide(first) * dxl - m * dyl));
    long long x = xMajor ? x0 + sx * first : x0 + sx * minorSteps;
    long long y = xMajor ? y0 + sy * minorSteps : y0 + sy * first;
    skip(first);
    for (long long k = first; k < last; ++k) {
        if (!dotted || dotPhase_ < on) {
            for (long long t = 0; t < S; ++t) {
                const long long px = x + (xMajor ? 0 : t), py = y + (xMajor ? t : 0);
                if (px >= cl && px < cr && py >= ct && py < cb)
                    pixels_[size_t(py) * size_t(deviceWidth_) + size_t(px)] = c;
            }
        }
        dotPhase_ = (dotPhase_ + 1) % period;
        const long long e2 = 2 * err;
        if (e2 > -dyl) {
            err -= dyl;
            x += sx;
        }
        if (e2 < dxl) {
            err += dxl;
            y += sy;
        }
        // Once the walk has left the clip rectangle along its minor axis, nothing more is drawn.
        if ((sy > 0 && y >= cb && dyl) || (sy < 0 && y + ty < ct && dyl) || (sx > 0 && x >= cr && dxl) ||
            (sx < 0 && x + tx < cl && dxl)) {
            skip(steps - k - 1);
            return;
        }
    }
    skip(steps - last);
}

void Canvas::drawArcShape(int kind, int left, int top, int right, int bottom, int xs, int ys, int xe, int ye) {
    const AfterPainter afterPainter;
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
    if (right - left < 2 || bottom - top < 2) return;
    const double cx = (left + right) / 2.0, cy = (top + bottom) / 2.0;
    const double rx = (right - left) / 2.0, ry = (bottom - top) / 2.0;
    const auto angleOf = [&](int x, int y) {
        double a = std::atan2(-(y - cy) / ry, (x - cx) / rx) * 180.0 / M_PI;
        return a < 0 ? a + 360.0 : a;
    };
    const double a0 = angleOf(xs, ys), a1 = angleOf(xe, ye);
    double span = a1 - a0;
    if (span <= 0) span += 360.0;
    const QRect r(left, top, right - left - 1, bottom - top - 1);
    const int start16 = int(std::lround(a0 * 16)), span16 = int(std::lround(span * 16));
    const StrokeOffset offset(painter_, pen_.style == PenStyle::None ? 1 : scale_);
    if (kind == 0)
        painter_.drawArc(r, start16, span16);
    else if (kind == 1)
        painter_.drawPie(r, start16, span16);
    else
        painter_.drawChord(r, start16, span16);
}

void Canvas::arc(int left, int top, int right, int bottom, int xs, int ys, int xe, int ye) {
    if (pen_.style == PenStyle::None) return;
    drawArcShape(0, left, top, right, bottom, xs, ys, xe, ye);
}

void Canvas::pie(int left, int top, int right, int bottom, int xs, int ys, int xe, int ye) {
    drawArcShape(1, left, top, right, bottom, xs, ys, xe, ye);
}

void Canvas::chord(int left, int top, int right, int bottom, int xs, int ys, int xe, int ye) {
    drawArcShape(2, left, top, right, bottom, xs, ys, xe, ye);
}

void Canvas::textOut(int x, int y, std::string_view text) { textOut(x, y, fromWindows1252(text)); }

void Canvas::textOut(int x, int y, const QString& text) {
    const AfterPainter afterPainter;
    if (text.isEmpty()) return;
    const QFontMetrics fm(qfont(font_));
    if (backgroundMode_ == BackgroundMode::Opaque) {
        const Size s = textExtent(text);
        fillRect(x, y, x + s.width, y + s.height, backgroundColour_);
    }
    painter_.setPen(qcolour(textColour_));
    painter_.drawText(x, y + fm.ascent(), text);
    applyPen();
}

Size Canvas::textExtent(std::string_view text) const { return textExtent(fromWindows1252(text)); }

Size Canvas::textExtent(const QString& text) const {
    const QFontMetrics fm(qfont(font_));
    return Size{fm.horizontalAdvance(text), fm.height()};
}

bool Canvas::drawIcon(int x, int y, int id) {
    const AfterPainter afterPainter;
    const QImage* img = gfx::icon(id, scale_);
    if (!img) return false;
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter_.drawImage(x, y, *img);
    return true;
}

void Canvas::drawImagePart(const QImage& img, int dx, int dy, int dw, int dh, int sx, int sy, int sw, int sh,
                           RasterOp op) {
    const AfterPainter afterPainter;
    if (img.isNull() || dw == 0 || dh == 0 || sw <= 0 || sh <= 0) return;
    painter_.setCompositionMode(compositionOf(op));
    painter_.drawImage(QRect(dx, dy, dw, dh), img, QRect(sx, sy, sw, sh));
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void Canvas::drawPicture(const QImage& picture, int dx, int dy, int dw, int dh, RasterOp op) {
    drawImagePart(picture, dx, dy, dw, dh, 0, 0, picture.width(), picture.height(), op);
}

void Canvas::drawPicture(const QImage& picture, int dx, int dy, int dw, int dh, int sx, int sy, int sw, int sh,
                         RasterOp op) {
    drawImagePart(picture, dx, dy, dw, dh, sx, sy, sw, sh, op);
}

void Canvas::copyFrom(const Canvas& source, int dx, int dy, int w, int h, int sx, int sy, RasterOp op) {
    if (w <= 0 || h <= 0) return;
    // Clip the source rectangle to the source canvas, moving the destination with it.
    if (sx < 0) { dx -= sx; w += sx; sx = 0; }
    if (sy < 0) { dy -= sy; h += sy; sy = 0; }
    w = std::min(w, source.width_ - sx);
    h = std::min(h, source.height_ - sy);
    if (source.scale_ != scale_) { // resampled by the painter, which clips
        const int ss = source.scale_;
        drawImagePart(source.image_, dx, dy, w, h, sx * ss, sy * ss, w * ss, h * ss, op);
        return;
    }
    // Then to the destination clip.
    const int l = std::max(dx, clip_.left), t = std::max(dy, clip_.top);
    const int r = std::min(dx + w, clip_.right), b = std::min(dy + h, clip_.bottom);
    if (l >= r || t >= b) return;
    sx += l - dx;
    sy += t - dy;
    // In device pixels from here on.
    const int S = scale_;
    const int cw = (r - l) * S, ch = (b - t) * S, L = l * S, T = t * S;
    sx *= S;
    sy *= S;
    std::vector<uint32_t> temp;
    const uint32_t* src = source.pixels_.data();
    size_t srcStride = size_t(source.deviceWidth_);
    if (&source == this) { // overlapping copy within one canvas
        temp.resize(size_t(cw) * size_t(ch));
        for (int y = 0; y < ch; ++y)
            std::copy_n(src + size_t(sy + y) * srcStride + sx, cw, temp.data() + size_t(y) * cw);
        src = temp.data();
        srcStride = size_t(cw);
        sx = sy = 0;
    }
    for (int y = 0; y < ch; ++y) {
        const uint32_t* from = src + size_t(sy + y) * srcStride + sx;
        uint32_t* to = pixels_.data() + size_t(T + y) * deviceWidth_ + L;
        switch (op) {
        case RasterOp::Copy: std::copy_n(from, cw, to); break;
        case RasterOp::Or:
            for (int x = 0; x < cw; ++x) to[x] |= from[x];
            break;
        case RasterOp::And:
            for (int x = 0; x < cw; ++x) to[x] &= from[x] | 0xff000000u;
            break;
        }
    }
}

void Canvas::stretchFrom(const Canvas& source, int dx, int dy, int dw, int dh, int sx, int sy, int sw, int sh,
                         RasterOp op) {
    const int ss = source.scale_;
    if (&source == this) {
        const QImage copy = image_.copy(sx * ss, sy * ss, sw * ss, sh * ss);
        drawImagePart(copy, dx, dy, dw, dh, 0, 0, sw * ss, sh * ss, op);
        return;
    }
    drawImagePart(source.image_, dx, dy, dw, dh, sx * ss, sy * ss, sw * ss, sh * ss, op);
}

} // namespace gfx
