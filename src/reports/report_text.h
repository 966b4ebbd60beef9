// SPDX-License-Identifier: GPL-3.0-or-later
// Text helpers shared by the report writers: printf-style appending to a byte string
// (Windows-1252), the split of angles into the whole degrees, hours, minutes and seconds the
// reports show.
#pragma once

#include <string>
#include <string_view>

namespace reports {

// Appends the printf-style `format` with its arguments to `out`.
[[gnu::format(printf, 2, 3)]] void appendf(std::string& out, const char* format, ...);

// Declination split for display: `degrees` is the declination truncated towards zero (so -0.5
// gives 0 with `negative` set); minutes and seconds are never negative.
struct DeclinationParts {
    int degrees = 0;
    int minutes = 0;
    int seconds = 0;
    bool negative = false; // the declination itself is below 0
};
DeclinationParts splitDeclination(double dec_deg);

// Right ascension (degrees) split into whole hours (0-23, a negative hour gains 24), minutes and
// seconds of time.
struct RightAscensionParts {
    int hours = 0;
    int minutes = 0;
    int seconds = 0;
};
RightAscensionParts splitRightAscension(double ra_deg);

} // namespace reports
