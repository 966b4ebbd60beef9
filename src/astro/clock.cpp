#include "astro/clock.h"

#include <chrono>

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
