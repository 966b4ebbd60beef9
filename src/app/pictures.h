// The program's own bitmaps, drawn in code: the title picture (id 1, 800 x 500), the Jupiter
// picture (id 2, 212 x 198) and the Saturn picture (id 8, 99 x 86), registered with gfx::picture.
#pragma once

#include <QImage>

namespace pictures {
constexpr int kTitle = 1, kJupiter = 2, kSaturn = 8;
constexpr int kTitleWidth = 800, kTitleHeight = 500;

QImage titlePicture();
QImage jupiterPicture();
QImage saturnPicture();
} // namespace pictures

// Registers the three pictures under their ids (once; later calls do nothing).
void registerPictures();
