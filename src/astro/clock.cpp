// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/clock.h"

#include <algorithm>
#include <chrono>
#include <cmath>

date2 universalTimeAt(std::time_t seconds) {
    std::tm utc{};
    gmtime_r(&seconds, &utc);
    date2 d;
    d.annee = utc.tm_year + 1900;
    d.mois = utc.tm_mon + 1;
    d.jour = utc.tm_mday;
    d.heure = utc.tm_hour;
    d.minute = utc.tm_min;
    d.calculeT();
    return d;
}

date2 universalTimeNow() {
    return universalTimeAt(std::chrono::system_clock::to_time_t(std::chrono::system_clock::now()));
}

double computerUtcOffsetAt(std::time_t seconds) {
    std::tm local{};
    localtime_r(&seconds, &local);
    return local.tm_gmtoff / 3600.0;
}

std::time_t unixSeconds(const date2& date) {
    // JD 2440587.5 is 1970-01-01 0h UT; t counts from JD 2415020.0.
    const long double seconds = (date.t * 36525 + 2415020.0L - 2440587.5L) * 86400;
    return static_cast<std::time_t>(std::floor(std::clamp(seconds, -1e15L, 1e15L)));
}
