// SPDX-License-Identifier: GPL-3.0-or-later
// The vector canvas: a scene drawn through it, written as SVG and PDF and rendered back, shows
// the same shapes, text and copied pixels in the same places as the canvas's own pixels.
#include "gfx/canvas.h"
#include "gfx/vector_canvas.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

using namespace gfx;

namespace {

constexpr int kW = 120, kH = 100;

// Background, a red block, a blue 1-pixel line, a green disc, white text, a yellow block copied
// from a second canvas, all inside a clip that cuts the line at x = 110.
void scene(Canvas& c) {
    c.fill(rgb(0, 0, 0));
    c.setClip(Rect{0, 0, 110, kH});
    c.fillRect(10, 10, 40, 30, rgb(255, 0, 0));
    c.setPen(Pen{rgb(0, 0, 255), PenStyle::Solid, 1});
    c.line(5, 50, 118, 50);
    c.setPen(Pen{rgb(0, 255, 0), PenStyle::Solid, 1});
    c.setBrush(Brush{rgb(0, 255, 0), false});
    c.ellipse(60, 60, 90, 90);
    c.selectFont(FontId::Arial15);
    c.setBackgroundMode(BackgroundMode::Transparent);
    c.setTextColour(rgb(255, 255, 255));
    c.textOut(8, 70, "WWW");
    Canvas layer(20, 20, rgb(255, 255, 0));
    c.copyFrom(layer, 80, 10, 20, 20, 0, 0);
}

std::string tempPath(const char* name) {
    return (std::filesystem::temp_directory_path() / name).string();
}

QImage renderSvg(const std::string& path) {
    QSvgRenderer svg(QString::fromStdString(path));
    EXPECT_TRUE(svg.isValid()) << path;
    QImage image(kW, kH, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter p(&image);
    svg.render(&p, QRectF(0, 0, kW, kH));
    return image;
}

QImage renderPdf(const std::string& path) {
    const std::string png = path + "-out";
    const std::string command = "pdftoppm -r 72 -singlefile -png '" + path + "' '" + png + "'";
    EXPECT_EQ(std::system(command.c_str()), 0) << "pdftoppm (poppler-utils, scripts/setup) failed";
    return QImage(QString::fromStdString(png + ".png")).convertToFormat(QImage::Format_RGB32);
}

bool near(QRgb a, Rgb b) {
    return std::abs(qRed(a) - int((b >> 16) & 255)) < 40 && std::abs(qGreen(a) - int((b >> 8) & 255)) < 40 &&
           std::abs(qBlue(a) - int(b & 255)) < 40;
}

int brightIn(const QImage& img, QRect r) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += qGray(img.pixel(x, y)) > 128;
    return n;
}

void expectScene(const QImage& img, const Canvas& pixels, const char* what) {
    SCOPED_TRACE(what);
    ASSERT_EQ(img.size(), QSize(kW, kH));
    struct Probe {
        int x, y;
    };
    // Inside the block, on the line, in the disc, in the copied block, on the background, and on
    // the line beyond the clip.
    for (const Probe p : {Probe{25, 20}, Probe{30, 50}, Probe{75, 75}, Probe{90, 20}, Probe{50, 20},
                          Probe{114, 50}, Probe{5, 95}})
        EXPECT_TRUE(near(img.pixel(p.x, p.y), pixels.pixel(p.x, p.y)))
            << "at " << p.x << "," << p.y << ": page " << std::hex << img.pixel(p.x, p.y) << ", pixels "
            << pixels.pixel(p.x, p.y);
    // The text: as many bright pixels in its box on the page as in the canvas, give or take a third.
    const Size s = pixels.textExtent("WWW");
    const QRect box(8, 70, s.width, s.height);
    const int expected = brightIn(pixels.image(), box);
    EXPECT_GT(expected, 20);
    EXPECT_NEAR(brightIn(img, box), expected, expected / 3);
    EXPECT_EQ(brightIn(img, QRect(8 + s.width + 2, 70, 10, s.height)), 0);
}

} // namespace

TEST(VectorCanvas, SvgAndPdfShowTheSceneWhereThePixelsHaveIt) {
    Canvas pixels(200, 200);
    scene(pixels);
    for (const char* name : {"nalvo_vector_test.svg", "nalvo_vector_test.PDF"}) {
        const std::string path = tempPath(name);
        std::string bytes, error;
        ASSERT_TRUE(vectorPictureBytes(path, kW, kH, scene, bytes, error, 200, 200)) << error;
        EXPECT_FALSE(std::filesystem::exists(path)); // the caller writes the file
        QFile file(QString::fromStdString(path));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), qint64(bytes.size()));
        file.close();
        const bool svg = std::string(name).ends_with(".svg");
        expectScene(svg ? renderSvg(path) : renderPdf(path), pixels, name);
    }
}

TEST(VectorCanvas, ReportsNamesItCannotDraw) {
    EXPECT_TRUE(isVectorFileName("a.pdf"));
    EXPECT_TRUE(isVectorFileName("b.SVG"));
    EXPECT_FALSE(isVectorFileName("c.png"));
    EXPECT_FALSE(isVectorFileName("pdf"));
    std::string bytes, error;
    EXPECT_FALSE(vectorPictureBytes("x.png", 10, 10, scene, bytes, error));
    EXPECT_NE(error.find("x.png"), std::string::npos) << error;
    EXPECT_TRUE(bytes.empty());
}

TEST(VectorCanvas, SaysItIsVectorAndPlainCanvasDoesNot) {
    Canvas plain(4, 4);
    VectorCanvas vector(4, 4, nullptr, QRect(0, 0, 4, 4));
    EXPECT_FALSE(plain.isVector());
    EXPECT_TRUE(vector.isVector());
    EXPECT_FALSE(vector.pageActive());
    vector.fillRect(0, 0, 2, 2, rgb(9, 9, 9)); // without a page, the pixels are still drawn
    EXPECT_EQ(vector.pixel(1, 1), rgb(9, 9, 9));
}
