// SPDX-License-Identifier: GPL-3.0-or-later
// nalvo-cli render for the time-span views: view 30 (the conjunction graph) and view 40 (the
// dance) between the date and --end, the dance of --planet.
#pragma once

#include <string>

#include "astro/date2.h"

class systeme;
class ParametreAffichage;

namespace gfx {
class Canvas;
}

struct SpanRenderOptions {
    bool haveEnd = false;
    date2 end;
    std::string planet = "Mars"; // English or model name
};

// True for the views this file draws.
inline bool isSpanView(int view) {
    return view == 30 || view == 40;
}

// Draws view 30 or 40 into `canvas` as the window does for a client of width x height. The end
// defaults as the commands set it (490 days for view 30, the planet's default span for view 40).
// False, with a message in `error`, when the planet is not one of the model's (or is the Earth).
bool renderSpanView(gfx::Canvas& canvas, int view, systeme& sys, const date2& date,
                    const SpanRenderOptions& span, const ParametreAffichage& options, int width, int height,
                    std::string& summary, std::string& error);
