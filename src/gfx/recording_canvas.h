// SPDX-License-Identifier: GPL-3.0-or-later
// A canvas that also keeps a list of the calls made on it, so that a test can ask what was drawn
// ("this constellation line was not drawn") as well as check the pixels. Pixel writes through
// setPixel and row() are not recorded: they are the star painter's fast path.
#pragma once

#include "gfx/canvas.h"

#include <string>
#include <vector>

namespace gfx {

struct DrawCall {
    enum class Kind {
        Fill, FillRect, Rectangle, Ellipse, Polygon, Polyline, Line, Arc, Pie, Chord, Text, Icon, Picture, Copy,
        Stretch
    };
    Kind kind;
    std::vector<Point> points; // shape corners, line ends, text or copy position
    std::string text;          // Windows-1252 bytes of a text call
    int id = 0;                // icon id
    Pen pen;                   // tools at the time of the call
    Brush brush;
    int penIndex = -1, brushIndex = -1;
    Rgb colour = 0; // text colour, or the explicit colour of a fill
};

class RecordingCanvas : public Canvas {
public:
    using Canvas::Canvas;
    using Canvas::textOut;

    const std::vector<DrawCall>& calls() const { return calls_; }
    void clearCalls() { calls_.clear(); }
    int count(DrawCall::Kind kind) const;
    // True when a line was drawn from (x1, y1) to (x2, y2) in either direction.
    bool hasLine(int x1, int y1, int x2, int y2) const;
    // True when a text call wrote exactly `text`.
    bool hasText(const std::string& text) const;

    void fill(Rgb colour) override;
    void fillRect(int left, int top, int right, int bottom) override;
    void fillRect(int left, int top, int right, int bottom, Rgb colour) override;
    void rectangle(int left, int top, int right, int bottom) override;
    void ellipse(int left, int top, int right, int bottom) override;
    void polygon(std::span<const Point> points) override;
    void polyline(std::span<const Point> points) override;
    void lineTo(int x, int y) override;
    void arc(int left, int top, int right, int bottom, int xs, int ys, int xe, int ye) override;
    void pie(int left, int top, int right, int bottom, int xs, int ys, int xe, int ye) override;
    void chord(int left, int top, int right, int bottom, int xs, int ys, int xe, int ye) override;
    void textOut(int x, int y, std::string_view text) override;
    void textOut(int x, int y, const QString& text) override;
    bool drawIcon(int x, int y, int id) override;
    void drawPicture(const QImage& picture, int dx, int dy, int dw, int dh, RasterOp op = RasterOp::Copy) override;
    void drawPicture(const QImage& picture, int dx, int dy, int dw, int dh, int sx, int sy, int sw, int sh,
                     RasterOp op = RasterOp::Copy) override;
    void copyFrom(const Canvas& source, int dx, int dy, int w, int h, int sx, int sy,
                  RasterOp op = RasterOp::Copy) override;
    void stretchFrom(const Canvas& source, int dx, int dy, int dw, int dh, int sx, int sy, int sw, int sh,
                     RasterOp op = RasterOp::Copy) override;

private:
    DrawCall& record(DrawCall::Kind kind, std::initializer_list<Point> points);
    std::vector<DrawCall> calls_;
    int nested_ = 0; // shapes built from lines record once, not once per side
};

} // namespace gfx
