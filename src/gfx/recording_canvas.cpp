// SPDX-License-Identifier: GPL-3.0-or-later
#include "gfx/recording_canvas.h"

#include "gfx/text_codec.h"

#include <algorithm>

namespace gfx {

namespace {
// Records a call only at the outermost level: a rectangle's sides are not separate lines.
struct Nest {
    int& depth;
    explicit Nest(int& d) : depth(d) { ++depth; }
    ~Nest() { --depth; }
};
} // namespace

DrawCall& RecordingCanvas::record(DrawCall::Kind kind, std::initializer_list<Point> points) {
    DrawCall c{kind, points, {}, 0, pen(), brush(), penIndex(), brushIndex(), textColour()};
    calls_.push_back(std::move(c));
    return calls_.back();
}

int RecordingCanvas::count(DrawCall::Kind kind) const {
    return int(std::count_if(calls_.begin(), calls_.end(), [&](const DrawCall& c) { return c.kind == kind; }));
}

bool RecordingCanvas::hasLine(int x1, int y1, int x2, int y2) const {
    const Point a{x1, y1}, b{x2, y2};
    return std::any_of(calls_.begin(), calls_.end(), [&](const DrawCall& c) {
        return c.kind == DrawCall::Kind::Line && c.points.size() == 2 &&
               ((c.points[0] == a && c.points[1] == b) || (c.points[0] == b && c.points[1] == a));
    });
}

bool RecordingCanvas::hasText(const std::string& text) const {
    return std::any_of(calls_.begin(), calls_.end(),
                       [&](const DrawCall& c) { return c.kind == DrawCall::Kind::Text && c.text == text; });
}

void RecordingCanvas::fill(Rgb colour) {
    if (!nested_) record(DrawCall::Kind::Fill, {}).colour = colour;
    Canvas::fill(colour);
}

void RecordingCanvas::fillRect(int l, int t, int r, int b) {
    if (!nested_) record(DrawCall::Kind::FillRect, {{l, t}, {r, b}}).colour = brush().colour;
    Nest n(nested_);
    Canvas::fillRect(l, t, r, b);
}

void RecordingCanvas::fillRect(int l, int t, int r, int b, Rgb colour) {
    if (!nested_) record(DrawCall::Kind::FillRect, {{l, t}, {r, b}}).colour = colour;
    Nest n(nested_);
    Canvas::fillRect(l, t, r, b, colour);
}

void RecordingCanvas::rectangle(int l, int t, int r, int b) {
    if (!nested_) record(DrawCall::Kind::Rectangle, {{l, t}, {r, b}});
    Nest n(nested_);
    Canvas::rectangle(l, t, r, b);
}

void RecordingCanvas::ellipse(int l, int t, int r, int b) {
    if (!nested_) record(DrawCall::Kind::Ellipse, {{l, t}, {r, b}});
    Nest n(nested_);
    Canvas::ellipse(l, t, r, b);
}

void RecordingCanvas::polygon(std::span<const Point> points) {
    if (!nested_) record(DrawCall::Kind::Polygon, {}).points.assign(points.begin(), points.end());
    Nest n(nested_);
    Canvas::polygon(points);
}

void RecordingCanvas::polyline(std::span<const Point> points) {
    if (!nested_) record(DrawCall::Kind::Polyline, {}).points.assign(points.begin(), points.end());
    Nest n(nested_);
    Canvas::polyline(points);
}

void RecordingCanvas::lineTo(int x, int y) {
    if (!nested_) record(DrawCall::Kind::Line, {position(), {x, y}});
    Nest n(nested_);
    Canvas::lineTo(x, y);
}

void RecordingCanvas::arc(int l, int t, int r, int b, int xs, int ys, int xe, int ye) {
    if (!nested_) record(DrawCall::Kind::Arc, {{l, t}, {r, b}, {xs, ys}, {xe, ye}});
    Nest n(nested_);
    Canvas::arc(l, t, r, b, xs, ys, xe, ye);
}

void RecordingCanvas::pie(int l, int t, int r, int b, int xs, int ys, int xe, int ye) {
    if (!nested_) record(DrawCall::Kind::Pie, {{l, t}, {r, b}, {xs, ys}, {xe, ye}});
    Nest n(nested_);
    Canvas::pie(l, t, r, b, xs, ys, xe, ye);
}

void RecordingCanvas::chord(int l, int t, int r, int b, int xs, int ys, int xe, int ye) {
    if (!nested_) record(DrawCall::Kind::Chord, {{l, t}, {r, b}, {xs, ys}, {xe, ye}});
    Nest n(nested_);
    Canvas::chord(l, t, r, b, xs, ys, xe, ye);
}

void RecordingCanvas::textOut(int x, int y, std::string_view text) {
    if (!nested_) record(DrawCall::Kind::Text, {{x, y}}).text = std::string(text);
    Nest n(nested_);
    Canvas::textOut(x, y, text);
}

void RecordingCanvas::textOut(int x, int y, const QString& text) {
    if (!nested_) record(DrawCall::Kind::Text, {{x, y}}).text = toWindows1252(text);
    Nest n(nested_);
    Canvas::textOut(x, y, text);
}

bool RecordingCanvas::drawIcon(int x, int y, int id) {
    if (!nested_) record(DrawCall::Kind::Icon, {{x, y}}).id = id;
    Nest n(nested_);
    return Canvas::drawIcon(x, y, id);
}

void RecordingCanvas::drawPicture(const QImage& p, int dx, int dy, int dw, int dh, RasterOp op) {
    if (!nested_) record(DrawCall::Kind::Picture, {{dx, dy}, {dx + dw, dy + dh}});
    Nest n(nested_);
    Canvas::drawPicture(p, dx, dy, dw, dh, op);
}

void RecordingCanvas::drawPicture(const QImage& p, int dx, int dy, int dw, int dh, int sx, int sy, int sw, int sh,
                                  RasterOp op) {
    if (!nested_) record(DrawCall::Kind::Picture, {{dx, dy}, {dx + dw, dy + dh}});
    Nest n(nested_);
    Canvas::drawPicture(p, dx, dy, dw, dh, sx, sy, sw, sh, op);
}

void RecordingCanvas::copyFrom(const Canvas& s, int dx, int dy, int w, int h, int sx, int sy, RasterOp op) {
    if (!nested_) record(DrawCall::Kind::Copy, {{dx, dy}, {dx + w, dy + h}, {sx, sy}});
    Nest n(nested_);
    Canvas::copyFrom(s, dx, dy, w, h, sx, sy, op);
}

void RecordingCanvas::stretchFrom(const Canvas& s, int dx, int dy, int dw, int dh, int sx, int sy, int sw, int sh,
                                  RasterOp op) {
    if (!nested_) record(DrawCall::Kind::Stretch, {{dx, dy}, {dx + dw, dy + dh}, {sx, sy}, {sx + sw, sy + sh}});
    Nest n(nested_);
    Canvas::stretchFrom(s, dx, dy, dw, dh, sx, sy, sw, sh, op);
}

} // namespace gfx
