// SPDX-License-Identifier: GPL-3.0-or-later
#include "gfx/canvas.h"
#include "gfx/icons.h"
#include "gfx/parametre_affichage.h"

#include <gtest/gtest.h>
#include <vector>

using namespace gfx;

namespace {
constexpr Rgb kBlack = rgb(0, 0, 0);
constexpr Rgb kWhite = rgb(255, 255, 255);
constexpr Rgb kRed = rgb(255, 0, 0);

int countColour(const Canvas& c, Rgb colour, Rect r) {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) n += c.pixel(x, y) == colour;
    return n;
}
} // namespace

TEST(Canvas, StartsFilledAndReportsSize) {
    Canvas c(1500, 1400, rgb(1, 2, 3));
    EXPECT_EQ(c.width(), 1500);
    EXPECT_EQ(c.height(), 1400);
    EXPECT_EQ(c.pixel(0, 0), rgb(1, 2, 3));
    EXPECT_EQ(c.pixel(1499, 1399), rgb(1, 2, 3));
    EXPECT_EQ(c.image().format(), QImage::Format_RGB32);
}

TEST(Canvas, NonPositiveSizeGivesOnePixel) {
    Canvas c(0, -3);
    EXPECT_EQ(c.width(), 1);
    EXPECT_EQ(c.height(), 1);
}

TEST(Canvas, PixelsOutsideAreIgnoredAndReadBlack) {
    Canvas c(10, 10, kWhite);
    c.setPixel(-1, 0, kRed);
    c.setPixel(10, 0, kRed);
    c.setPixel(0, 10, kRed);
    c.setPixel(3, 4, kRed);
    EXPECT_EQ(c.pixel(3, 4), kRed);
    EXPECT_EQ(c.pixel(-1, 0), kBlack);
    EXPECT_EQ(c.pixel(10, 10), kBlack);
    EXPECT_EQ(countColour(c, kRed, {0, 0, 10, 10}), 1);
    EXPECT_EQ(c.row(-1), nullptr);
    EXPECT_EQ(c.row(10), nullptr);
    c.row(2)[5] = kRed;
    EXPECT_EQ(c.pixel(5, 2), kRed);
}

TEST(Canvas, FillRectExcludesRightAndBottom) {
    Canvas c(20, 20, kBlack);
    c.selectBrush(2); // red
    c.fillRect(2, 3, 6, 8);
    EXPECT_EQ(c.pixel(2, 3), kRed);
    EXPECT_EQ(c.pixel(5, 7), kRed);
    EXPECT_EQ(c.pixel(6, 7), kBlack);
    EXPECT_EQ(c.pixel(5, 8), kBlack);
    EXPECT_EQ(countColour(c, kRed, {0, 0, 20, 20}), 4 * 5);
}

TEST(Canvas, HollowBrushFillsNothing) {
    Canvas c(20, 20, kBlack);
    c.selectBrush(16);
    c.fillRect(0, 0, 20, 20);
    EXPECT_EQ(countColour(c, kBlack, {0, 0, 20, 20}), 400);
}

TEST(Canvas, RectangleOutlineWithPenInsideWithBrush) {
    Canvas c(20, 20, kBlack);
    c.selectBrush(6); // yellow
    c.selectPen(2);   // red
    c.rectangle(2, 2, 10, 8);
    EXPECT_EQ(c.pixel(2, 2), kRed);
    EXPECT_EQ(c.pixel(9, 2), kRed);
    EXPECT_EQ(c.pixel(9, 7), kRed);
    EXPECT_EQ(c.pixel(2, 7), kRed);
    EXPECT_EQ(c.pixel(10, 2), kBlack);
    EXPECT_EQ(c.pixel(2, 8), kBlack);
    EXPECT_EQ(c.pixel(5, 5), rgb(255, 255, 0));
    EXPECT_EQ(countColour(c, kRed, {0, 0, 20, 20}), 2 * 8 + 2 * 4);
}

TEST(Canvas, LineLeavesOutItsEndPoint) {
    Canvas c(20, 20, kBlack);
    c.selectPen(1);
    c.line(2, 5, 10, 5);
    for (int x = 2; x < 10; ++x) EXPECT_EQ(c.pixel(x, 5), kWhite) << x;
    EXPECT_EQ(c.pixel(10, 5), kBlack);
    EXPECT_EQ(c.pixel(1, 5), kBlack);
    EXPECT_EQ(c.position(), (Point{10, 5}));
    c.lineTo(10, 12); // continues from the end point, which it now draws
    EXPECT_EQ(c.pixel(10, 5), kWhite);
    EXPECT_EQ(c.pixel(10, 11), kWhite);
    EXPECT_EQ(c.pixel(10, 12), kBlack);
}

TEST(Canvas, DiagonalLineIsBresenham) {
    Canvas c(20, 20, kBlack);
    c.selectPen(1);
    c.line(0, 0, 8, 4);
    // Slope 1/2: two pixels per row.
    EXPECT_EQ(countColour(c, kWhite, {0, 0, 20, 20}), 8);
    EXPECT_EQ(c.pixel(0, 0), kWhite);
    for (int y = 0; y < 4; ++y) EXPECT_EQ(countColour(c, kWhite, {0, y, 20, y + 1}), 2) << y;
}

TEST(Canvas, DottedPenDrawsThreeSkipsThree) {
    Canvas c(40, 5, kBlack);
    c.selectPen(16);
    c.line(0, 2, 24, 2);
    const Rgb dot = rgb(0, 0, 200);
    for (int x = 0; x < 24; ++x) EXPECT_EQ(c.pixel(x, 2) == dot, (x % 6) < 3) << x;
    // The pattern continues across connected lines.
    c.lineTo(26, 2);
    EXPECT_EQ(c.pixel(24, 2), dot);
    EXPECT_EQ(c.pixel(25, 2), dot);
}

TEST(Canvas, FarAwayLineEndsAreClippedWithoutCrash) {
    Canvas c(50, 50, kBlack);
    c.selectPen(1);
    c.line(-2000000000, 25, 2000000000, 25);
    EXPECT_EQ(countColour(c, kWhite, {0, 0, 50, 50}), 50);
    c.line(100000, 100000, 200000, -300000); // entirely outside
    EXPECT_EQ(countColour(c, kWhite, {0, 0, 50, 50}), 50);
}

TEST(Canvas, LinesStartingOutsideTheClipDrawThePixelsOfTheFullWalk) {
    // The same lines on a canvas that walks them whole and on one whose clip cuts them: inside the
    // clip both must agree pixel for pixel, dotted pattern included.
    Canvas whole(300, 300, kBlack), cut(300, 300, kBlack);
    const Rect clip{120, 110, 170, 190};
    cut.setClip(clip);
    unsigned seed = 12345;
    const auto next = [&](int n) {
        seed = seed * 1103515245u + 12345u;
        return int((seed >> 8) % unsigned(n));
    };
    for (int i = 0; i < 400; ++i) {
        const int x0 = next(300), y0 = next(300), x1 = next(300), y1 = next(300);
        for (Canvas* c : {&whole, &cut}) {
            c->selectPen(i % 2 ? 16 : 1);
            c->moveTo(x0, y0);
            c->lineTo(x1, y1);
        }
    }
    int lit = 0;
    for (int y = clip.top; y < clip.bottom; ++y)
        for (int x = clip.left; x < clip.right; ++x) {
            ASSERT_EQ(cut.pixel(x, y), whole.pixel(x, y)) << x << "," << y;
            lit += cut.pixel(x, y) != kBlack;
        }
    EXPECT_GT(lit, 500);
}

TEST(Canvas, FarAwayDiagonalLightsItsPixelsOnTheCanvas) {
    Canvas c(50, 50, kBlack);
    c.selectPen(1);
    c.line(-1000000000, -1000000000, 1000000000, 1000000000);
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(c.pixel(i, i), kWhite) << i;
    EXPECT_EQ(countColour(c, kWhite, {0, 0, 50, 50}), 50);
}

TEST(Canvas, ClipLimitsEveryOperation) {
    Canvas c(30, 30, kBlack);
    c.setClip({10, 10, 20, 20});
    c.selectBrush(1);
    c.fillRect(0, 0, 30, 30);
    EXPECT_EQ(countColour(c, kWhite, {0, 0, 30, 30}), 100);
    c.setPixel(5, 5, kRed);
    EXPECT_EQ(c.pixel(5, 5), kBlack);
    c.selectPen(2);
    c.line(0, 15, 30, 15);
    EXPECT_EQ(countColour(c, kRed, {0, 0, 30, 30}), 10);
    c.selectBrush(9);
    c.ellipse(0, 0, 30, 30);
    EXPECT_EQ(c.pixel(2, 15), kBlack);
    c.clearClip();
    c.setPixel(5, 5, kRed);
    EXPECT_EQ(c.pixel(5, 5), kRed);
}

TEST(Canvas, EllipseFillsInsideNotCorners) {
    Canvas c(40, 40, kBlack);
    c.selectBrush(6);
    c.selectPen(2);
    c.ellipse(0, 0, 40, 40);
    EXPECT_EQ(c.pixel(20, 20), rgb(255, 255, 0));
    EXPECT_EQ(c.pixel(1, 1), kBlack);
    EXPECT_EQ(c.pixel(38, 38), kBlack);
    EXPECT_EQ(c.pixel(20, 0), kRed); // top of the outline
    EXPECT_EQ(c.pixel(0, 20), kRed);
    EXPECT_EQ(c.pixel(20, 40), kBlack);
}

TEST(Canvas, PolygonFillsTriangle) {
    Canvas c(40, 40, kBlack);
    c.selectBrush(9);
    c.selectPen(9);
    const std::vector<Point> tri{{0, 0}, {30, 0}, {0, 30}};
    c.polygon(tri);
    EXPECT_EQ(c.pixel(5, 5), rgb(0, 255, 0));
    EXPECT_EQ(c.pixel(25, 25), kBlack);
    EXPECT_EQ(c.pixel(0, 0), rgb(0, 255, 0));
}

TEST(Canvas, PolylineConnectsPoints) {
    Canvas c(20, 20, kBlack);
    c.selectPen(1);
    const std::vector<Point> pts{{1, 1}, {5, 1}, {5, 5}};
    c.polyline(pts);
    EXPECT_EQ(c.pixel(1, 1), kWhite);
    EXPECT_EQ(c.pixel(5, 1), kWhite);
    EXPECT_EQ(c.pixel(5, 4), kWhite);
    EXPECT_EQ(c.pixel(5, 5), kBlack);
}

TEST(Canvas, ArcDrawsOnlyItsQuarter) {
    Canvas c(41, 41, kBlack);
    c.selectPen(1);
    // From the ray towards the right to the ray upwards: the upper right quarter.
    c.arc(0, 0, 41, 41, 40, 20, 20, 0);
    EXPECT_GT(countColour(c, kWhite, {21, 0, 41, 20}), 20);
    EXPECT_EQ(countColour(c, kWhite, {0, 22, 41, 41}), 0);
    EXPECT_EQ(countColour(c, kWhite, {0, 0, 18, 41}), 0);
}

TEST(Canvas, PieIsFilled) {
    Canvas c(41, 41, kBlack);
    c.selectBrush(2);
    c.selectPen(2);
    c.pie(0, 0, 41, 41, 40, 20, 20, 0);
    EXPECT_EQ(c.pixel(28, 12), kRed);
    EXPECT_EQ(c.pixel(12, 28), kBlack);
}

TEST(Canvas, PaletteFollowsParametreAffichage) {
    ParametreAffichage o;
    Canvas c(4, 4, kBlack);
    o.attach(c);
    c.selectBrush(5);
    c.fillRect(0, 0, 2, 2);
    EXPECT_EQ(c.pixel(0, 0), rgb(200, 0, 0));
    o.useBlackWhiteScheme();
    c.selectBrush(5);
    c.fillRect(0, 0, 2, 2);
    EXPECT_EQ(c.pixel(0, 0), kWhite);
    EXPECT_EQ(c.brushIndex(), 5);
    c.setBrush(Brush{rgb(1, 1, 1), false});
    EXPECT_EQ(c.brushIndex(), -1);
}

TEST(Canvas, CopyAndOverlappingCopy) {
    Canvas a(10, 10, kBlack), b(10, 10, kWhite);
    a.setPixel(1, 1, kRed);
    a.setPixel(2, 1, kRed);
    b.copyFrom(a, 5, 5, 3, 3, 0, 0);
    EXPECT_EQ(b.pixel(6, 6), kRed);
    EXPECT_EQ(b.pixel(5, 5), kBlack);
    EXPECT_EQ(b.pixel(8, 8), kWhite);
    // Within one canvas, shifting right by one over itself.
    a.copyFrom(a, 2, 0, 8, 10, 1, 0);
    EXPECT_EQ(a.pixel(2, 1), kRed);
    EXPECT_EQ(a.pixel(3, 1), kRed);
    EXPECT_EQ(a.pixel(4, 1), kBlack);
    // Source rectangles past the edge are cut, never read past the buffer.
    b.copyFrom(a, -5, -5, 100, 100, -3, -3);
    b.copyFrom(a, 0, 0, 100, 100, 9, 9);
}

TEST(Canvas, OrCombinesColours) {
    Canvas a(4, 4, rgb(0, 0, 255)), b(4, 4, rgb(255, 0, 0));
    b.copyFrom(a, 0, 0, 4, 4, 0, 0, RasterOp::Or);
    EXPECT_EQ(b.pixel(1, 1), rgb(255, 0, 255));
    Canvas d(4, 4, rgb(255, 0, 0));
    d.stretchFrom(a, 0, 0, 4, 4, 0, 0, 2, 2, RasterOp::Or);
    EXPECT_EQ(d.pixel(3, 3), rgb(255, 0, 255));
}

TEST(Canvas, StretchDoubles) {
    Canvas a(2, 2, kBlack), b(4, 4, kWhite);
    a.setPixel(0, 0, kRed);
    b.stretchFrom(a, 0, 0, 4, 4, 0, 0, 2, 2);
    EXPECT_EQ(b.pixel(0, 0), kRed);
    EXPECT_EQ(b.pixel(1, 1), kRed);
    EXPECT_EQ(b.pixel(2, 2), kBlack);
    EXPECT_EQ(b.pixel(3, 0), kBlack);
}

TEST(Canvas, PictureStretched) {
    QImage img(2, 1, QImage::Format_RGB32);
    img.setPixel(0, 0, kRed);
    img.setPixel(1, 0, rgb(0, 0, 255));
    Canvas c(20, 10, kBlack);
    c.drawPicture(img, 0, 0, 20, 10);
    EXPECT_EQ(c.pixel(3, 5), kRed);
    EXPECT_EQ(c.pixel(15, 5), rgb(0, 0, 255));
}

TEST(Canvas, IconByIdWithTransparency) {
    QImage icon(32, 32, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    icon.setPixel(10, 10, 0xffff0000u);
    registerIcon(9001, icon);
    Canvas c(64, 64, kWhite);
    EXPECT_TRUE(c.drawIcon(5, 5, 9001));
    EXPECT_EQ(c.pixel(15, 15), kRed);
    EXPECT_EQ(c.pixel(5, 5), kWhite); // transparent pixels leave the background
    EXPECT_FALSE(c.drawIcon(0, 0, 9002));
    EXPECT_EQ(gfx::icon(9002), nullptr);
}

TEST(Canvas, FontCellHeights) {
    Canvas c(100, 40);
    c.selectFont(FontId::Arial14);
    const Size a14 = c.textExtent(std::string_view("Date"));
    EXPECT_LE(a14.height, 14);
    EXPECT_GE(a14.height, 11);
    c.selectFont(FontId::Arial15);
    EXPECT_LE(c.textExtent(std::string_view("Date")).height, 15);
    c.selectFont(FontId::Times12);
    const Size t12 = c.textExtent(std::string_view("Date"));
    EXPECT_LE(t12.height, 12);
    EXPECT_GE(t12.height, 9);
    EXPECT_GT(a14.width, 15);
    EXPECT_LT(a14.width, 40);
    EXPECT_EQ(Canvas::qfont(FontId::Times12).family(), QString("Liberation Serif"));
    EXPECT_EQ(Canvas::qfont(FontId::Arial14).family(), QString("Liberation Sans"));
}

TEST(Canvas, OpaqueTextFillsItsExtent) {
    Canvas c(200, 40, kBlack);
    c.setBackgroundMode(BackgroundMode::Opaque);
    c.setBackgroundColour(rgb(200, 200, 200));
    c.setTextColour(kBlack);
    c.textOut(10, 10, std::string_view("Pointed date"));
    const Size s = c.textExtent(std::string_view("Pointed date"));
    EXPECT_EQ(c.pixel(10, 10), rgb(200, 200, 200));
    EXPECT_EQ(c.pixel(10 + s.width - 1, 10 + s.height - 1), rgb(200, 200, 200));
    EXPECT_EQ(c.pixel(10 + s.width, 10), kBlack);
    EXPECT_EQ(c.pixel(9, 10), kBlack);
    EXPECT_GT(countColour(c, kBlack, {10, 10, 10 + s.width, 10 + s.height}), 10);
}

TEST(Canvas, TransparentTextKeepsBackground) {
    Canvas c(200, 40, kBlack);
    c.setBackgroundMode(BackgroundMode::Transparent);
    c.setTextColour(kWhite);
    c.textOut(10, 10, std::string_view("Mars"));
    const Size s = c.textExtent(std::string_view("Mars"));
    EXPECT_EQ(countColour(c, rgb(255, 255, 255), {0, 0, 200, 40}) > 5, true);
    EXPECT_EQ(c.pixel(10, 10), kBlack); // the cell's corner is not text
    // Nothing outside the cell.
    EXPECT_EQ(countColour(c, kBlack, {0, 0, 200, 10}), 2000);
    EXPECT_EQ(countColour(c, kBlack, {10 + s.width + 1, 0, 200, 40}), (200 - 11 - s.width) * 40);
}

TEST(Canvas, TextIsWindows1252) {
    Canvas c(200, 40);
    // "45°" with the degree sign byte 0xB0 is as wide as the same text in Unicode.
    EXPECT_EQ(c.textExtent(std::string_view("45\xb0")).width, c.textExtent(QString::fromUtf8("45°")).width);
}

// --- device scale 2: logical coordinates, device resolution ----------------------------------------

namespace {
// Ink box (left, top, right, bottom) of the non-black device pixels of a canvas.
Rect inkBox(const Canvas& c) {
    Rect box{c.deviceWidth(), c.deviceHeight(), 0, 0};
    for (int y = 0; y < c.deviceHeight(); ++y)
        for (int x = 0; x < c.deviceWidth(); ++x)
            if (c.devicePixel(x, y) != kBlack)
                box = Rect{std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                           std::max(box.bottom, y + 1)};
    return box;
}
} // namespace

TEST(CanvasScale2, LinesLandOnTheDoubledDevicePixels) {
    Canvas c(40, 32, kBlack, 2);
    EXPECT_EQ(c.width(), 40);
    EXPECT_EQ(c.deviceWidth(), 80);
    EXPECT_EQ(c.image().size(), QSize(80, 64));
    EXPECT_EQ(c.image().devicePixelRatio(), 2.0);
    c.selectPen(2); // red
    // Logical pixels 3..12 of row 5: device columns 6..25 of rows 10 and 11.
    c.line(3, 5, 13, 5);
    EXPECT_EQ(inkBox(c), (Rect{6, 10, 26, 12}));
    EXPECT_EQ(c.pixel(12, 5), kRed);
    EXPECT_EQ(c.pixel(13, 5), kBlack);
    // A 45-degree line walks the device pixels: (k, 40 + k) and the one below, finer than blocks.
    c.line(0, 20, 10, 30);
    for (int k = 0; k < 20; ++k) {
        EXPECT_EQ(c.devicePixel(k, 40 + k), kRed) << k;
        EXPECT_EQ(c.devicePixel(k, 41 + k), kRed) << k;
        EXPECT_EQ(c.devicePixel(k + 1, 40 + k), kBlack) << k;
    }
    // Dots of 3 logical pixels, gaps of 3: 6 device pixels each.
    c.selectPen(16);
    c.line(0, 1, 12, 1);
    for (int x = 0; x < 24; ++x) EXPECT_EQ(c.devicePixel(x, 3) == rgb(0, 0, 200), (x % 12) < 6) << x;
}

TEST(CanvasScale2, PixelsAndRectanglesAreLogical) {
    Canvas c(20, 20, kBlack, 2);
    c.setClip(Rect{0, 0, 10, 20});
    c.setPixel(4, 7, kRed);
    c.setPixel(10, 7, kRed); // outside the clip
    EXPECT_EQ(c.pixel(4, 7), kRed);
    EXPECT_EQ(c.pixel(10, 7), kBlack);
    EXPECT_EQ(inkBox(c), (Rect{8, 14, 10, 16}));
    c.selectBrush(6);
    c.fillRect(8, 1, 14, 3); // cut at logical x = 10
    EXPECT_EQ(c.devicePixel(19, 5), rgb(255, 255, 0));
    EXPECT_EQ(c.devicePixel(20, 5), kBlack);
    EXPECT_EQ(c.devicePixel(16, 1), kBlack);
    EXPECT_EQ(c.devicePixel(16, 2), rgb(255, 255, 0));
    EXPECT_EQ(c.row(0), nullptr); // no logical rows at this scale
    // A copy between two canvases of scale 2 keeps the device pixels.
    Canvas d(20, 20, kBlack, 2);
    d.copyFrom(c, 0, 0, 20, 20, 0, 0);
    EXPECT_EQ(d.snapshot(), c.snapshot());
}

TEST(CanvasScale2, EllipseCoversTheBlocksOfItsScale1Pixels) {
    Canvas one(16, 16, kBlack), two(16, 16, kBlack, 1);
    two.setScale(2); // the tools selected before and after a change of scale apply alike
    for (Canvas* c : {&one, &two}) {
        c->selectPen(2);
        c->selectBrush(6);
        c->ellipse(2, 2, 12, 10);
    }
    // Every logical pixel painted at scale 1 has its block touched at scale 2, and no other.
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            bool touched = false;
            for (int k = 0; k < 4; ++k) touched |= two.devicePixel(2 * x + k % 2, 2 * y + k / 2) != kBlack;
            EXPECT_EQ(touched, one.pixel(x, y) != kBlack) << x << "," << y;
        }
}

TEST(CanvasScale2, TextIsDrawnAtTheDeviceResolution) {
    Canvas one(60, 20, kBlack), two(60, 20, kBlack, 2);
    for (Canvas* c : {&one, &two}) {
        c->setBackgroundMode(BackgroundMode::Transparent);
        c->setTextColour(kWhite);
        c->textOut(5, 2, "Mars");
    }
    // The same place and size, twice the pixels...
    const Rect a = inkBox(one), b = inkBox(two);
    EXPECT_NEAR(b.left, 2 * a.left, 2);
    EXPECT_NEAR(b.top, 2 * a.top, 2);
    EXPECT_NEAR(b.right, 2 * a.right, 3);
    EXPECT_NEAR(b.bottom, 2 * a.bottom, 3);
    // ...and not the scale-1 text blown up: many 2 x 2 blocks are not of one colour.
    int mixed = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 60; ++x) {
            const Rgb p = two.devicePixel(2 * x, 2 * y);
            mixed += p != two.devicePixel(2 * x + 1, 2 * y) || p != two.devicePixel(2 * x, 2 * y + 1);
        }
    EXPECT_GT(mixed, 20);
}

TEST(CanvasScale2, IconsUseTheirVariantOfTheScale) {
    QImage plain(2, 2, QImage::Format_ARGB32);
    plain.fill(Qt::red);
    QImage fine(4, 4, QImage::Format_ARGB32);
    fine.fill(Qt::green);
    fine.setPixel(1, 0, qRgb(0, 0, 255));
    fine.setDevicePixelRatio(2);
    registerIcon(9001, plain);
    registerIcon(9001, fine);
    Canvas one(8, 8, kBlack), two(8, 8, kBlack, 2);
    ASSERT_TRUE(one.drawIcon(1, 1, 9001));
    ASSERT_TRUE(two.drawIcon(1, 1, 9001));
    EXPECT_EQ(one.pixel(2, 2), kRed);
    EXPECT_EQ(inkBox(two), (Rect{2, 2, 6, 6})); // 2 x 2 logical pixels
    EXPECT_EQ(two.devicePixel(3, 2), rgb(0, 0, 255));
    EXPECT_EQ(two.devicePixel(2, 2), rgb(0, 255, 0));
}
