// SPDX-License-Identifier: GPL-3.0-or-later
// Icons and resource pictures by numeric id: a registry that the toolbar, the views and the app
// fill at start-up, with a fallback to the Qt resources ":/icons/<id>.png" and ":/pictures/<id>.png".
#pragma once

#include <QImage>

namespace gfx {

// Registers (or replaces) the icon of `id`. An image whose device pixel ratio is 2 or more is the
// variant for canvases of that device scale, drawn from the same picture as the icon itself.
void registerIcon(int id, const QImage& icon);
// The icon of `id`, or nullptr when neither the registry nor the resources have one. With a
// scale above 1: its variant of that scale when one is registered, else the icon itself.
const QImage* icon(int id, int scale = 1);

// The same for the program's bitmaps (title picture 1, Jupiter 2, about box 4, galaxy 8, ...).
void registerPicture(int id, const QImage& picture);
const QImage* picture(int id);

} // namespace gfx
