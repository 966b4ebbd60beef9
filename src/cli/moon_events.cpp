// SPDX-License-Identifier: GPL-3.0-or-later
// nalvo-cli moon-events.
#include "cli/moon_events.h"

#include <cmath>
#include <cstdlib>

#include "astro/jovian_events.h"
#include "cli/positions.h"

const char kMoonEventsHelp[] =
    "usage: nalvo-cli moon-events --from D --to D\n"
    "The phenomena of Io, Europa, Ganymede and Callisto seen from the Earth's centre, as CSV with the\n"
    "header utc,planet,moon,event, in time order. event is one of transit_start, transit_end,\n"
    "occultation_start, occultation_end (the moon's centre crosses the edge of Jupiter's disc in\n"
    "front of or behind the planet), eclipse_start, eclipse_end (it enters or leaves Jupiter's\n"
    "umbra), shadow_start, shadow_end (its shadow comes onto or leaves the hemisphere facing the\n"
    "Earth). Each kind is geometric: an event hidden by another is listed too. Only events while\n"
    "Jupiter is more than 15 degrees from the Sun are given. Times are UT to the second, with\n"
    "TT - UT = 69.2 s for 2026 to 2028 and the Espenak-Meeus formulas elsewhere.\n"
    "  --from D     start, UT: YYYY-MM-DD or YYYY-MM-DDTHH:MM\n"
    "  --to D       end (excluded), UT, at most 100 years after the start\n"
    "Dates are within the years -100 to 3000.\n"
    "Exit status: 0 done, 2 bad arguments.\n";

namespace {
bool parseDay(const std::string& text, date2& date, std::string& why) {
    const bool dayOnly = text.size() == 10 || (text.size() == 11 && text[0] == '-');
    return parseUtcDate(dayOnly ? text + "T00:00" : text, date, why);
}
double julianDayOf(const date2& d) {
    return static_cast<double>(d.t * 36525.0L) + 2415020.0;
}
} // namespace

std::string isoUtcOfJulianDay(double jd) {
    // Meeus, Astronomical Algorithms, ch. 7, on whole seconds.
    const long long seconds = std::llround((jd + 0.5) * 86400);
    const long long dayNumber = seconds >= 0 ? seconds / 86400 : -((-seconds + 86399) / 86400);
    const long long sod = seconds - dayNumber * 86400;
    const long long Z = dayNumber;
    // The Julian calendar before 1582 October 15, as the program's dates.
    const long long alpha = static_cast<long long>(std::floor((Z - 1867216.25) / 36524.25));
    const long long A = Z < 2299161 ? Z : Z + 1 + alpha - static_cast<long long>(std::floor(alpha / 4.0));
    const long long B = A + 1524;
    const long long C = static_cast<long long>(std::floor((B - 122.1) / 365.25));
    const long long D = static_cast<long long>(std::floor(365.25 * C));
    const long long E = static_cast<long long>(std::floor((B - D) / 30.6001));
    const int day = static_cast<int>(B - D - static_cast<long long>(std::floor(30.6001 * E)));
    const int month = static_cast<int>(E < 14 ? E - 1 : E - 13);
    const long long year = month > 2 ? C - 4716 : C - 4715;
    char buf[48];
    std::snprintf(buf, sizeof buf, "%s%04lld-%02d-%02dT%02d:%02d:%02d", year < 0 ? "-" : "", std::llabs(year),
                  month, day, static_cast<int>(sod / 3600), static_cast<int>(sod / 60 % 60),
                  static_cast<int>(sod % 60));
    return buf;
}

int moonEventsCommand(const std::vector<std::string>& args, std::FILE* out, std::FILE* err) {
    for (const std::string& a : args)
        if (a == "--help" || a == "-h") {
            std::fputs(kMoonEventsHelp, out);
            return 0;
        }
    std::string from, to, why;
    for (size_t k = 0; k < args.size(); ++k) {
        const std::string& a = args[k];
        std::string* target = a == "--from" ? &from : a == "--to" ? &to : nullptr;
        if (!target)
            why = "unknown argument '" + a + "' (see nalvo-cli moon-events --help)";
        else if (k + 1 >= args.size() || args[k + 1].empty())
            why = a + " needs a value";
        else if (!target->empty())
            why = a + " given twice";
        else
            *target = args[++k];
        if (!why.empty()) break;
    }
    date2 first, last;
    if (why.empty() && (from.empty() || to.empty())) why = "both --from and --to are needed";
    if (why.empty() && !parseDay(from, first, why)) why = "--from: " + why;
    if (why.empty() && !parseDay(to, last, why)) why = "--to: " + why;
    const double jdFrom = julianDayOf(first), jdTo = julianDayOf(last);
    if (why.empty() && jdTo < jdFrom) why = "--to is before --from";
    if (why.empty() && jdTo - jdFrom > 100 * 365.25) why = "the span is over 100 years";
    if (!why.empty()) {
        std::fprintf(err, "nalvo-cli moon-events: %s\n", why.c_str());
        return 2;
    }
    std::fputs("utc,planet,moon,event\n", out);
    for (const JovianEvent& e : jovianMoonEvents(jdFrom, jdTo, 15.0))
        std::fprintf(out, "%s,Jupiter,%s,%s\n", isoUtcOfJulianDay(e.jdUt).c_str(), kGalileanMoonNames[e.moon],
                     jovianEventName(e.kind));
    return 0;
}
