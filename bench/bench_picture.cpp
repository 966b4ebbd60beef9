// SPDX-License-Identifier: GPL-3.0-or-later
// Saving a picture of the largest back buffer, 1500 x 1400: the bitmap bytes (rows read straight
// from the image), the PNG bytes, and the bitmap written through a temporary file and a rename.
#include "catalog/atomic_file.h"
#include "gfx/bitmap_file.h"

#include <QImage>
#include <benchmark/benchmark.h>
#include <filesystem>

namespace {

QImage backBuffer() {
    QImage image(1500, 1400, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = qRgb(x & 0xff, y & 0xff, (x ^ y) & 0xff);
    }
    return image;
}

void BM_BitmapBytes_1500x1400(benchmark::State& state) {
    const QImage image = backBuffer();
    for (auto _ : state)
        benchmark::DoNotOptimize(gfx::bitmapBytes(image, gfx::Rect{0, 0, 1500, 1400}));
}
BENCHMARK(BM_BitmapBytes_1500x1400)->Unit(benchmark::kMillisecond);

void BM_BitmapFile_1500x1400(benchmark::State& state) {
    const QImage image = backBuffer();
    const std::string path = (std::filesystem::temp_directory_path() / "nalvo_bench_picture.bmp").string();
    for (auto _ : state) {
        const bool ok = writeFileAtomically(path, gfx::bitmapBytes(image, gfx::Rect{0, 0, 1500, 1400}));
        benchmark::DoNotOptimize(ok);
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_BitmapFile_1500x1400)->Unit(benchmark::kMillisecond);

void BM_PngBytes_1500x1400(benchmark::State& state) {
    const QImage image = backBuffer();
    for (auto _ : state)
        benchmark::DoNotOptimize(gfx::pngBytes(image, gfx::Rect{0, 0, 1500, 1400}));
}
BENCHMARK(BM_PngBytes_1500x1400)->Unit(benchmark::kMillisecond);

} // namespace
