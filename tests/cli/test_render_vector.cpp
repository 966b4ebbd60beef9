// SPDX-License-Identifier: GPL-3.0-or-later
// nalvo-cli render to PDF and SVG: the pages, rendered back to pixels (pdftoppm, Qt's SVG
// renderer), show the stars and the labels of the bitmap of the same view in the same places, and
// keep the labels as text.
#include "catalog/atomic_file.h"
#include "cli/render.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The pictures are read back with Qt's painter: one application object for this program.
class GuiEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        if (!QGuiApplication::instance()) app_ = std::make_unique<QGuiApplication>(argc_, argv_);
    }
    void TearDown() override { app_.reset(); }

private:
    int argc_ = 1;
    char name_[16] = "cli_tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> app_;
};
const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new GuiEnvironment);

std::string scratch() {
    static const std::string dir = [] {
        char tmpl[] = "/tmp/nalvo_cli_vector_XXXXXX";
        const char* d = mkdtemp(tmpl);
        const std::string base = d ? d : "/tmp";
        setenv("XDG_CONFIG_HOME", (base + "/config").c_str(), 1);
        setenv("XDG_DATA_HOME", (base + "/data").c_str(), 1);
        return base;
    }();
    return dir;
}

int render(const std::string& out) {
    std::FILE* o = std::tmpfile();
    std::FILE* e = std::tmpfile();
    const int rc = renderCommand(
        {"--view", "13", "--date", "2026-12-09T20:00", "--lat", "45.9", "--lon", "6.2", "--out", out}, o, e);
    std::fclose(o);
    std::fclose(e);
    return rc;
}

std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// The share of the pixels that `marked` picks in `a` that have a picked pixel of `b` within 2 px.
double matched(const QImage& a, const QImage& b, const std::function<bool(int, int, QRgb)>& marked,
               int* count) {
    int n = 0, hit = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            if (!marked(x, y, a.pixel(x, y))) continue;
            ++n;
            bool found = false;
            for (int dy = -2; dy <= 2 && !found; ++dy)
                for (int dx = -2; dx <= 2 && !found; ++dx) {
                    const int u = x + dx, v = y + dy;
                    found =
                        u >= 0 && v >= 0 && u < b.width() && v < b.height() && marked(u, v, b.pixel(u, v));
                }
            hit += found;
        }
    *count = n;
    return n ? double(hit) / n : 0.0;
}

void expectSamePicture(const QImage& bitmap, const QImage& page, const char* what) {
    SCOPED_TRACE(what);
    ASSERT_EQ(page.size(), bitmap.size());
    // Stars: bright pixels inside the disc (centre (274, 265), radius 225 for 780 x 500).
    const auto star = [](int x, int y, QRgb c) {
        return (x - 274) * (x - 274) + (y - 265) * (y - 265) < 215 * 215 && qGray(c) > 120;
    };
    // Labels: dark text on the grey of the legend panel (x >= 548) and of the corners.
    const auto label = [](int x, int y, QRgb c) {
        const bool outside = (x - 274) * (x - 274) + (y - 265) * (y - 265) > 230 * 230;
        return outside && y > 30 && qGray(c) < 90;
    };
    int n = 0;
    EXPECT_GT(matched(bitmap, page, star, &n), 0.9);
    EXPECT_GT(n, 300) << "too few star pixels in the bitmap";
    EXPECT_GT(matched(page, bitmap, star, &n), 0.9);
    EXPECT_GT(matched(bitmap, page, label, &n), 0.9);
    EXPECT_GT(n, 500) << "too few label pixels in the bitmap";
    EXPECT_GT(matched(page, bitmap, label, &n), 0.9);
}

} // namespace

TEST(RenderVector, PdfAndSvgMatchTheBitmapOfTheCircularView) {
    const std::string dir = scratch();
    ASSERT_EQ(render(dir + "/sky.png"), 0);
    ASSERT_EQ(render(dir + "/sky.svg"), 0);
    ASSERT_EQ(render(dir + "/sky.pdf"), 0);
    for (const auto& entry : std::filesystem::directory_iterator(dir)) // no temporary file left
        EXPECT_NE(entry.path().filename().string()[0], '.') << entry.path();
    const QImage bitmap =
        QImage(QString::fromStdString(dir + "/sky.png")).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(bitmap.size(), QSize(780, 500));

    QSvgRenderer svg(QString::fromStdString(dir + "/sky.svg"));
    ASSERT_TRUE(svg.isValid());
    EXPECT_EQ(svg.viewBox(), QRect(0, 0, 780, 500));
    QImage fromSvg(780, 500, QImage::Format_RGB32);
    fromSvg.fill(Qt::magenta);
    {
        QPainter p(&fromSvg);
        svg.render(&p);
    }
    expectSamePicture(bitmap, fromSvg, "svg");

    // pdftoppm and pdftotext come with poppler-utils (scripts/setup).
    const std::string ppm = "pdftoppm -r 72 -singlefile -png '" + dir + "/sky.pdf' '" + dir + "/from-pdf'";
    ASSERT_EQ(std::system(ppm.c_str()), 0) << ppm;
    const QImage fromPdf =
        QImage(QString::fromStdString(dir + "/from-pdf.png")).convertToFormat(QImage::Format_RGB32);
    expectSamePicture(bitmap, fromPdf, "pdf");

    // The labels stay text: the legend's words can be read out of both files.
    const std::string text = "pdftotext '" + dir + "/sky.pdf' '" + dir + "/sky.txt'";
    ASSERT_EQ(std::system(text.c_str()), 0) << text;
    for (const std::string& file : {dir + "/sky.txt", dir + "/sky.svg"}) {
        const std::string body = slurp(file);
        EXPECT_NE(body.find("LEGEND"), std::string::npos) << file;
        EXPECT_NE(body.find("Jupiter"), std::string::npos) << file;
    }
}

TEST(RenderVector, UnwritablePageIsAFailure) {
    std::FILE* o = std::tmpfile();
    std::FILE* e = std::tmpfile();
    // A folder that does not exist: a bad argument, refused before the drawing.
    EXPECT_EQ(renderCommand(
                  {"--view", "13", "--date", "2026-12-09T20:00", "--out", "/nonexistent-dir/sky.svg"}, o, e),
              2);
    // The disk full half-way through the page: status 1, and the old picture stays as it was.
    const std::string path = scratch() + "/kept.svg";
    std::ofstream(path, std::ios::binary) << "<svg/>";
    atomicfile::failWritesAfterForTesting(1000);
    EXPECT_EQ(renderCommand({"--view", "13", "--date", "2026-12-09T20:00", "--out", path}, o, e), 1);
    atomicfile::failWritesAfterForTesting(-1);
    EXPECT_EQ(slurp(path), "<svg/>");
    std::fclose(o);
    std::fclose(e);
}
