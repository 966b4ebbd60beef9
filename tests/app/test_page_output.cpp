// SPDX-License-Identifier: GPL-3.0-or-later
// Pages from the window (offscreen): "Save..." to PDF and SVG by the name's extension, matching
// the bitmap of the same view; "Print..." onto a PDF printer, on white and scaled to the page;
// the print and page set-up commands in the "Save" menu.
#include "app/commands.h"
#include "app/input.h"
#include "app/menus.h"
#include "app/page_output.h"
#include "app/picture_saving.h"
#include "app/toolbar_icons.h"
#include "app/window.h"
#include "../common/test_window.h"
#include "catalog/prompter.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QSvgRenderer>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>

namespace {

QApplication& application() {
    static int argc = 1;
    static char name[] = "app_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* a = qobject_cast<QApplication*>(QCoreApplication::instance())
                                 ? qobject_cast<QApplication*>(QCoreApplication::instance())
                                 : new QApplication(argc, argv);
    return *a;
}

QImage svgImage(const std::string& path, QSize size) {
    QSvgRenderer svg(QString::fromStdString(path));
    EXPECT_TRUE(svg.isValid()) << path;
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter p(&image);
    svg.render(&p, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

QImage pdfImage(const std::string& path, int dpi = 72) {
    const std::string out = path + "-page";
    const std::string command =
        "pdftoppm -r " + std::to_string(dpi) + " -singlefile -png '" + path + "' '" + out + "'";
    EXPECT_EQ(std::system(command.c_str()), 0) << "pdftoppm (poppler-utils, scripts/setup) failed";
    return QImage(QString::fromStdString(out + ".png")).convertToFormat(QImage::Format_RGB32);
}

// The share of the pixels that `marked` picks in `a` with a picked pixel of `b` within 2 px.
double matched(const QImage& a, const QImage& b, const std::function<bool(int, int, QRgb)>& marked, int& n) {
    int hit = 0;
    n = 0;
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
    return n ? double(hit) / n : 0.0;
}

class PageOutput : public ::testing::Test {
  protected:
    void SetUp() override {
        application();
        ASSERT_EQ(toolbar::registerIcons(), 0);
        dir = std::filesystem::temp_directory_path() / "nalvo_page_output";
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        w = std::make_unique<TPlanetariumWindow>(prompter, (dir / "Nalvo.ini").string());
        ASSERT_TRUE(startTestWindow(*w));
        picturesave::fileChooser() = [this](TPlanetariumWindow&, const std::string&) { return chosen; };
    }
    void TearDown() override {
        w.reset();
        std::filesystem::remove_all(dir);
    }
    void saveAs(const std::string& name) {
        chosen = (dir / name).string();
        ASSERT_TRUE(commands::run(*w, 130));
    }

    RecordingPrompter prompter;
    std::filesystem::path dir;
    std::unique_ptr<TPlanetariumWindow> w;
    std::string chosen;
};

} // namespace

TEST_F(PageOutput, SaveWritesPdfAndSvgThatMatchTheBitmapOnWhite) {
    ASSERT_TRUE(commands::run(*w, 108)); // circular view
    ASSERT_TRUE(commands::run(*w, 134)); // colour on white
    saveAs("white.png");
    saveAs("white.svg");
    saveAs("white.pdf");
    const QImage bitmap = QImage((dir / "white.png").c_str()).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(bitmap.size(), QSize(780, 500));
    // Stars and lines: dark pixels on the white disc; labels: dark pixels in the legend panel.
    const auto dark = [](int, int y, QRgb c) { return y > 30 && qGray(c) < 110; };
    for (const char* name : {"white.svg", "white.pdf"}) {
        SCOPED_TRACE(name);
        const std::string path = (dir / name).string();
        ASSERT_TRUE(std::filesystem::exists(path));
        const QImage page =
            std::string(name).ends_with(".svg") ? svgImage(path, bitmap.size()) : pdfImage(path);
        ASSERT_EQ(page.size(), bitmap.size());
        int n = 0;
        EXPECT_GT(matched(bitmap, page, dark, n), 0.9);
        EXPECT_GT(n, 2000);
        EXPECT_GT(matched(page, bitmap, dark, n), 0.9);
        EXPECT_EQ(qGray(page.pixel(700, 5)), 255); // no toolbar on a saved page
    }
    int saved = 0;
    for (const auto& e : prompter.entries)
        saved += e.text == "Picture Saved";
    EXPECT_EQ(saved, 3);
    // The screen is back in its scheme: the toolbar strip is grey again.
    EXPECT_NE(w->memDC[0]->pixel(700, 5), gfx::rgb(255, 255, 255));
}

TEST_F(PageOutput, BlackBackgroundPageIsTheScreenBelowTheToolbar) {
    ASSERT_TRUE(commands::run(*w, 108));
    ASSERT_TRUE(commands::run(*w, 11851));
    const QImage screen = w->memDC[0]->snapshot().copy(0, 28, 780, 472);
    saveAs("black.svg");
    QSvgRenderer svg(QString::fromStdString(chosen));
    ASSERT_TRUE(svg.isValid());
    EXPECT_EQ(svg.viewBox(), QRect(0, 0, 780, 472));
    const QImage page = svgImage(chosen, QSize(780, 472));
    for (const QPoint p : {QPoint(5, 5), QPoint(274, 237), QPoint(776, 250), QPoint(274, 2)})
        EXPECT_LT(std::abs(qGray(page.pixel(p)) - qGray(screen.pixel(p))), 40) << p.x() << "," << p.y();
}

TEST_F(PageOutput, PrintDrawsTheViewOnWhiteScaledToThePage) {
    ASSERT_TRUE(commands::run(*w, 108));
    const std::string path = (dir / "printed.pdf").string();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(path));
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Landscape);
    ASSERT_TRUE(pageoutput::printView(*w, printer));
    const QImage page = pdfImage(path, 50);
    ASSERT_FALSE(page.isNull());
    // A4 landscape at 50 dpi is about 584 x 413; the 780 x 500 view fills its width or height.
    ASSERT_GT(page.width(), page.height());
    int left = page.width(), right = -1, top = page.height(), bottom = -1, black = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qGray(page.pixel(x, y)) < 200) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
                black += qGray(page.pixel(x, y)) < 30;
            }
    ASSERT_GT(right, left);
    const QRectF paint = printer.pageLayout().paintRect(QPageLayout::Inch);
    const double scale = std::min(paint.width() * 50 / 780, paint.height() * 50 / 500);
    // The drawing spans most of the scaled picture, and it is on white: nearly no black pixels.
    EXPECT_GT(right - left, 0.6 * 780 * scale);
    EXPECT_LT(right - left, 1.02 * 780 * scale);
    EXPECT_GT(bottom - top, 0.6 * 500 * scale);
    EXPECT_LT(black, page.width() * page.height() / 50);
    // The screen keeps its colours.
    EXPECT_FALSE(w->options->whiteScheme);
    EXPECT_NE(w->memDC[0]->pixel(700, 5), gfx::rgb(255, 255, 255));
}

TEST_F(PageOutput, PrintAndPageSetUpSitInTheSaveMenu) {
    const auto& bar = menus::menuBarEntries();
    const auto save =
        std::find_if(bar.begin(), bar.end(), [](const auto& m) { return m.title == std::string("&Save"); });
    ASSERT_NE(save, bar.end());
    EXPECT_NE(std::find(save->items.begin(), save->items.end(), pageoutput::kPrintCommand),
              save->items.end());
    EXPECT_NE(std::find(save->items.begin(), save->items.end(), 131), save->items.end());
    EXPECT_EQ(std::string(commands::find(pageoutput::kPrintCommand)->menuText), "Print...");
    EXPECT_TRUE(commands::available(131));
    EXPECT_FALSE(commands::state(*w, pageoutput::kPrintCommand).enabled); // the title view
    ASSERT_TRUE(commands::run(*w, 108));
    EXPECT_TRUE(commands::state(*w, pageoutput::kPrintCommand).enabled);
}
