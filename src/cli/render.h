// SPDX-License-Identifier: GPL-3.0-or-later
// nalvo-cli render: draws a sky view into a back buffer as the window does and writes it as a
// 24-bit bitmap file (or a PNG when the name ends in ".png").
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

class QImage;

extern const char kRenderHelp[];

int renderCommand(const std::vector<std::string>& args, std::FILE* out, std::FILE* err);

// The bytes of an uncompressed 24-bit bitmap of the top-left width x height pixels of `image`:
// 54-byte header, rows from the bottom up, blue-green-red, each row padded with width mod 4 zeros.
std::vector<uint8_t> bitmapBytes(const QImage& image, int width, int height);
