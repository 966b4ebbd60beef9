// SPDX-License-Identifier: GPL-3.0-or-later
// The toolbar's icons: our own SVG drawings (src/app/icons/) rendered once and registered with
// gfx::registerIcon under the toolbar's resource ids, each with its greyed twin at id + 100.
#pragma once

#include <QImage>
#include <vector>

namespace toolbar {

// Ids of the toolbar and scroll icons drawn from SVG (the greyed twins are these + 100, except
// the scroll icons 300-304, which are always drawn with their own id).
const std::vector<int>& iconIds();

// The greyed (disabled) look of an icon: grey levels lifted towards the toolbar's grey, alpha kept.
QImage greyedTwin(const QImage& icon);

// One icon drawn from its SVG at `scale` device pixels per logical pixel (device pixel ratio
// `scale`, logical size unchanged); a null image when the drawing is missing.
QImage renderIcon(int id, int scale = 1);

// Renders every icon and its twin and registers them: at scale 1 the plain icons, above 1 the
// variants that canvases of that device scale draw. Safe to call more than once. Returns the
// number of icons that could not be rendered (0 when all are there).
int registerIcons(int scale = 1);

}  // namespace toolbar
