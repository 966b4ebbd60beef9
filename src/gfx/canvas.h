// SPDX-License-Identifier: GPL-3.0-or-later
// gfx::Canvas: the program's drawing surface, an RGB32 image with a selected brush, pen, font and
// text colours, addressed the way the views are laid out: integer pixels, y down, rectangles given
// as left, top, right, bottom with the right and bottom edges excluded, lines that leave out their
// end point. Views draw through it only, so that every view can be drawn and checked off-screen.
// A canvas may hold its pixels at a whole device scale (2 for a screen of device pixel ratio 2):
// every coordinate stays in logical pixels, while lines, shapes, text and icons are drawn at the
// device resolution and a logical pixel is a scale x scale block.
#pragma once

#include "gfx/palette.h"

#include <QImage>
#include <QPainter>
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

class QFont;
class QString;

namespace gfx {

struct Point {
    int x = 0, y = 0;
    bool operator==(const Point&) const = default;
};

struct Size {
    int width = 0, height = 0;
    bool operator==(const Size&) const = default;
};

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0; // right and bottom excluded
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    bool operator==(const Rect&) const = default;
};

// The three fonts of the window: "arial" of cell heights 14 and 15, "times new roman" of 12.
enum class FontId { Arial14, Arial15, Times12 };

enum class BackgroundMode { Transparent, Opaque };

// How copied or stretched pixels combine with the destination.
enum class RasterOp { Copy, Or, And };

class Canvas {
public:
    // A canvas of width x height pixels filled with `fill`; a non-positive size gives a 1 x 1 canvas.
    // `scale` (1 to 4) is the number of device pixels per logical pixel along each axis.
    explicit Canvas(int width, int height, Rgb fill = rgb(0, 0, 0), int scale = 1);
    virtual ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    int width() const { return width_; }
    int height() const { return height_; }
    int scale() const { return scale_; }
    int deviceWidth() const { return deviceWidth_; }
    int deviceHeight() const { return height_ * scale_; }
    // Changes the device scale (1 to 4): the pixels are allocated anew, black; the drawing tools,
    // font and clip are kept.
    void setScale(int scale);
    // True for a canvas that also draws onto a vector page (gfx/vector_canvas.h): pixel writes
    // through setPixel and row() do not reach that page, so painters draw shapes instead.
    virtual bool isVector() const { return false; }
    // The pixels as an image of deviceWidth() x deviceHeight() with the scale as its device pixel
    // ratio (shares the canvas memory; copy it to keep a snapshot).
    const QImage& image() const { return image_; }
    // The logical rectangle `source` drawn on `painter` with its top-left corner at `at`, in the
    // painter's logical coordinates.
    void paintOn(QPainter& painter, QPoint at, const QRect& source) const;
    QImage snapshot() const { return image_.copy(); }

    // --- drawing tools -------------------------------------------------------------------------
    // The palette that selectBrush/selectPen index; the canvas keeps the pointer, so a scheme
    // switched in the palette applies at the next selection. nullptr means the screen scheme.
    void setPalette(const Palette* palette);
    const Palette& palette() const { return *palette_; }
    virtual void selectBrush(int index);
    virtual void selectPen(int index);
    virtual void setBrush(const Brush& brush);
    virtual void setPen(const Pen& pen);
    const Brush& brush() const { return brush_; }
    const Pen& pen() const { return pen_; }
    int brushIndex() const { return brushIndex_; } // -1 after setBrush
    int penIndex() const { return penIndex_; }     // -1 after setPen

    virtual void selectFont(FontId font);
    FontId font() const { return font_; }
    void setTextColour(Rgb colour) { textColour_ = colour; }
    void setBackgroundColour(Rgb colour) { backgroundColour_ = colour; }
    void setBackgroundMode(BackgroundMode mode) { backgroundMode_ = mode; }
    Rgb textColour() const { return textColour_; }
    Rgb backgroundColour() const { return backgroundColour_; }
    BackgroundMode backgroundMode() const { return backgroundMode_; }

    // Drawing is limited to the clip rectangle (intersected with the canvas).
    virtual void setClip(const Rect& clip);
    virtual void clearClip();
    const Rect& clip() const { return clip_; }

    // --- shapes ----------------------------------------------------------------------------------
    // The whole canvas in one colour.
    virtual void fill(Rgb colour);
    // Fills [left, right) x [top, bottom) with the brush (no outline); nothing for a hollow brush.
    virtual void fillRect(int left, int top, int right, int bottom);
    virtual void fillRect(int left, int top, int right, int bottom, Rgb colour);
    // Outline with the pen on the border pixels, inside filled with the brush.
    virtual void rectangle(int left, int top, int right, int bottom);
    // Ellipse inscribed in the rectangle, outlined with the pen, filled with the brush.
    virtual void ellipse(int left, int top, int right, int bottom);
    // Closed polygon filled with the brush (even-odd rule) and outlined with the pen.
    virtual void polygon(std::span<const Point> points);
    // Connected lines through the points, the last point left out.
    virtual void polyline(std::span<const Point> points);
    // Current position for lineTo.
    virtual void moveTo(int x, int y);
    // Line from the current position to (x, y), (x, y) itself not drawn; the position moves there.
    // Dotted pens continue their pattern along connected lines.
    virtual void lineTo(int x, int y);
    void line(int x1, int y1, int x2, int y2) {
        moveTo(x1, y1);
        lineTo(x2, y2);
    }
    Point position() const { return position_; }
    // Elliptic arc of the rectangle's ellipse, counter-clockwise on screen from the ray towards
    // (xStart, yStart) to the ray towards (xEnd, yEnd); equal rays give the whole ellipse.
    virtual void arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd);
    // The same arc closed by two radii (pie) or by its chord, filled with the brush.
    virtual void pie(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd);
    virtual void chord(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd);

    // --- pixels (direct memory access, clipped; the star painter's fast path) -------------------
    // Logical pixels: at a device scale above 1, setPixel fills the whole block and pixel reads its
    // top-left device pixel.
    void setPixel(int x, int y, Rgb colour) {
        if (x >= clip_.left && x < clip_.right && y >= clip_.top && y < clip_.bottom) {
            if (scale_ == 1)
                pixels_[size_t(y) * size_t(width_) + size_t(x)] = colour | 0xff000000u;
            else
                fillBlock(x, y, colour);
        }
    }
    // Colour at (x, y); black outside the canvas.
    Rgb pixel(int x, int y) const {
        if (x < 0 || y < 0 || x >= width_ || y >= height_) return rgb(0, 0, 0);
        return pixels_[size_t(y) * size_t(scale_) * size_t(deviceWidth_) + size_t(x) * size_t(scale_)] | 0xff000000u;
    }
    // Colour of device pixel (x, y); black outside the canvas.
    Rgb devicePixel(int x, int y) const {
        if (x < 0 || y < 0 || x >= deviceWidth_ || y >= deviceHeight()) return rgb(0, 0, 0);
        return pixels_[size_t(y) * size_t(deviceWidth_) + size_t(x)] | 0xff000000u;
    }
    // Row y as width() pixels of 0xffRRGGBB, or nullptr outside the canvas or at a device scale
    // above 1. Writers must stay in [0, width()) and respect clip() themselves.
    uint32_t* row(int y) {
        return (y < 0 || y >= height_ || scale_ != 1) ? nullptr : pixels_.data() + size_t(y) * width_;
    }
    const uint32_t* row(int y) const {
        return (y < 0 || y >= height_ || scale_ != 1) ? nullptr : pixels_.data() + size_t(y) * width_;
    }

    // --- text ------------------------------------------------------------------------------------
    // Text whose cell's top-left corner is (x, y), in the selected font and text colour; with an
    // opaque background its extent is first filled with the background colour. `text` is
    // Windows-1252 bytes (degree sign 0xB0, accented French letters).
    virtual void textOut(int x, int y, std::string_view text);
    virtual void textOut(int x, int y, const QString& text);
    void textOut(int x, int y, const char* text) { textOut(x, y, std::string_view(text ? text : "")); }
    void textOut(int x, int y, const std::string& text) { textOut(x, y, std::string_view(text)); }
    Size textExtent(std::string_view text) const;
    Size textExtent(const QString& text) const;
    Size textExtent(const char* text) const { return textExtent(std::string_view(text ? text : "")); }
    Size textExtent(const std::string& text) const { return textExtent(std::string_view(text)); }

    // --- icons, pictures, copies -----------------------------------------------------------------
    // The icon registered under `id` (gfx/icons.h) with its top-left corner at (x, y), drawn with
    // its transparency; false (nothing drawn) when no icon has that id.
    virtual bool drawIcon(int x, int y, int id);
    // The whole picture stretched to dw x dh at (dx, dy).
    virtual void drawPicture(const QImage& picture, int dx, int dy, int dw, int dh, RasterOp op = RasterOp::Copy);
    // Part (sx, sy, sw, sh) of the picture stretched to (dx, dy, dw, dh).
    virtual void drawPicture(const QImage& picture, int dx, int dy, int dw, int dh, int sx, int sy, int sw,
                             int sh, RasterOp op = RasterOp::Copy);
    // Block copy of w x h pixels from (sx, sy) of `source` to (dx, dy) here; `source` may be this.
    virtual void copyFrom(const Canvas& source, int dx, int dy, int w, int h, int sx, int sy,
                          RasterOp op = RasterOp::Copy);
    // Stretch of (sx, sy, sw, sh) of `source` to (dx, dy, dw, dh).
    virtual void stretchFrom(const Canvas& source, int dx, int dy, int dw, int dh, int sx, int sy, int sw,
                             int sh, RasterOp op = RasterOp::Copy);

    // The QFont of a font id (Liberation Sans / Liberation Serif at the cell height).
    static const QFont& qfont(FontId font);

private:
    void fillBlock(int x, int y, Rgb colour);
    void bindPainter();
    void plotLine(int x0, int y0, int x1, int y1);
    void setPainterClip();
    void applyPen();
    void applyBrush();
    void drawArcShape(int kind, int left, int top, int right, int bottom, int xs, int ys, int xe, int ye);
    void drawImagePart(const QImage& img, int dx, int dy, int dw, int dh, int sx, int sy, int sw, int sh,
                       RasterOp op);

    int width_, height_;
    int scale_ = 1, deviceWidth_ = 1;
    std::vector<uint32_t> pixels_;
    QImage image_;
    QPainter painter_;
    const Palette* palette_;
    Brush brush_;
    Pen pen_;
    int brushIndex_ = 1, penIndex_ = 3;
    FontId font_ = FontId::Arial14;
    Rgb textColour_ = rgb(0, 0, 0);
    Rgb backgroundColour_ = rgb(255, 255, 255);
    BackgroundMode backgroundMode_ = BackgroundMode::Opaque;
    Rect clip_;
    Point position_;
    int dotPhase_ = 0;
};

} // namespace gfx
