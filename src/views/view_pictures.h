// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of the satellite views, built in as resources (drawn by
// tools/pictures/make_view_pictures.py): Jupiter, Saturn for the satellites view, Saturn's globe
// for the 3D view.
#pragma once

#include <QImage>

namespace views {
constexpr int kJupiterPicture = 2;      // 212 x 198
constexpr int kSaturnPicture = 8;       // 99 x 86
constexpr int kSaturnGlobePicture = 10; // 197 x 200

// The picture of that id (gfx::picture, which falls back to these resources); null when missing.
const QImage* viewPicture(int id);
} // namespace views
