// SPDX-License-Identifier: GPL-3.0-or-later
// The program's title picture (id 1, 800 x 500), drawn in code and registered with gfx::picture.
// The pictures of the satellite views are resources of the views library (views/view_pictures.h).
#pragma once

#include <QImage>

namespace pictures {
constexpr int kTitle = 1;
constexpr int kTitleWidth = 800, kTitleHeight = 500;

QImage titlePicture();
} // namespace pictures

// Registers the title picture under its id (once; later calls do nothing).
void registerPictures();
