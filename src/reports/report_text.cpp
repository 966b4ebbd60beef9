// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/report_text.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>

namespace reports {

void appendf(std::string& out, const char* format, ...) {
    char buffer[512];
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    const int n = std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    if (n < 0) {
        va_end(again);
        return;
    }
    if (static_cast<size_t>(n) < sizeof buffer) {
        out.append(buffer, static_cast<size_t>(n));
    } else {
        const size_t at = out.size();
        out.resize(at + static_cast<size_t>(n) + 1);
        std::vsnprintf(out.data() + at, static_cast<size_t>(n) + 1, format, again);
        out.resize(at + static_cast<size_t>(n));
    }
    va_end(again);
}

DeclinationParts splitDeclination(double dec_deg) {
    DeclinationParts p;
    const double d = std::trunc(dec_deg);
    const double rest = std::fabs(dec_deg - d);
    p.degrees = static_cast<int>(d);
    p.minutes = static_cast<int>(std::floor(rest * 60));
    p.seconds = static_cast<int>(std::trunc((rest - p.minutes / 60.0) * 3600));
    p.negative = dec_deg < 0;
    return p;
}

RightAscensionParts splitRightAscension(double ra_deg) {
    RightAscensionParts p;
    const int h0 = static_cast<int>(std::trunc(ra_deg / 15));
    const double x = std::fabs(ra_deg - 15.0 * h0);
    p.minutes = static_cast<int>(std::trunc(x * 4));
    p.seconds = static_cast<int>(std::trunc((x - p.minutes / 4.0) * 240));
    p.hours = h0 < 0 ? h0 + 24 : h0;
    return p;
}

} // namespace reports
