// SPDX-License-Identifier: GPL-3.0-or-later
// Picture files of the canvas: an uncompressed 24-bit Windows bitmap (54-byte header, rows from
// the bottom up, blue-green-red, each row padded with width mod 4 zero bytes) or a PNG, as bytes
// that the caller writes where the user chose.
#pragma once

#include <string>

#include "gfx/canvas.h"

class QImage;

namespace gfx {

enum class PictureFormat { Bitmap, Png };

// The format a file name asks for: PNG when it ends in ".png" (any case), else the bitmap.
PictureFormat pictureFormatOf(const std::string& fileName);

// The bytes of the picture of `area` of `image` (clipped to the image; an empty area gives a
// 0 x 0 picture). The bitmap reads the image row by row.
std::string bitmapBytes(const QImage& image, const Rect& area);
std::string pngBytes(const QImage& image, const Rect& area);
std::string pictureBytes(const QImage& image, const Rect& area, PictureFormat format);

} // namespace gfx
