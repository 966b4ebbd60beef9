// SPDX-License-Identifier: GPL-3.0-or-later
#include "gfx/bitmap_file.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <algorithm>
#include <cstdint>
#include <cstring>

namespace gfx {

namespace {

void putU16(std::string& b, std::size_t at, uint32_t v) {
    b[at] = char(v & 0xff);
    b[at + 1] = char((v >> 8) & 0xff);
}
void putU32(std::string& b, std::size_t at, uint32_t v) {
    for (int k = 0; k < 4; ++k)
        b[at + k] = char((v >> (8 * k)) & 0xff);
}

Rect clipped(const QImage& image, const Rect& area) {
    Rect r{std::max(area.left, 0), std::max(area.top, 0), std::min(area.right, image.width()),
           std::min(area.bottom, image.height())};
    if (r.right < r.left) r.right = r.left;
    if (r.bottom < r.top) r.bottom = r.top;
    return r;
}

} // namespace

PictureFormat pictureFormatOf(const std::string& fileName) {
    if (fileName.size() < 4) return PictureFormat::Bitmap;
    std::string tail = fileName.substr(fileName.size() - 4);
    for (char& c : tail)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return tail == ".png" ? PictureFormat::Png : PictureFormat::Bitmap;
}

std::string bitmapBytes(const QImage& image, const Rect& area) {
    const Rect r = clipped(image, area);
    const uint32_t width = uint32_t(r.width()), height = uint32_t(r.height());
    const uint32_t pad = width % 4;
    const uint32_t rowBytes = 3 * width + pad;
    const uint32_t imageSize = rowBytes * height;
    std::string b(54 + std::size_t(imageSize), '\0');
    b[0] = 'B';
    b[1] = 'M';
    putU32(b, 2, 54 + imageSize);
    putU32(b, 10, 54);
    putU32(b, 14, 40);
    putU32(b, 18, width);
    putU32(b, 22, height);
    putU16(b, 26, 1);
    putU16(b, 28, 24);
    putU32(b, 34, imageSize);
    putU32(b, 38, 2835);
    putU32(b, 42, 2835);
    const bool direct = image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32;
    const QImage converted = direct ? QImage() : image.convertToFormat(QImage::Format_RGB32);
    const QImage& rgb = direct ? image : converted;
    auto* out = reinterpret_cast<unsigned char*>(b.data()) + 54;
    for (int y = r.bottom - 1; y >= r.top; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y)) + r.left;
        for (uint32_t x = 0; x < width; ++x) {
            const QRgb p = line[x];
            *out++ = uchar(qBlue(p));
            *out++ = uchar(qGreen(p));
            *out++ = uchar(qRed(p));
        }
        out += pad; // already zero
    }
    return b;
}

std::string pngBytes(const QImage& image, const Rect& area) {
    const Rect r = clipped(image, area);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.copy(r.left, r.top, r.width(), r.height())
        .convertToFormat(QImage::Format_RGB888)
        .save(&buffer, "PNG");
    return std::string(bytes.constData(), std::size_t(bytes.size()));
}

std::string pictureBytes(const QImage& image, const Rect& area, PictureFormat format) {
    return format == PictureFormat::Png ? pngBytes(image, area) : bitmapBytes(image, area);
}

} // namespace gfx
