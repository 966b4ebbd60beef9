// SPDX-License-Identifier: GPL-3.0-or-later
// Calendar <-> Julian centuries (Meeus' algorithms), moving an instant, clock texts and the
// country time-zone lookup.
#include "astro/date2.h"
#include "astro/time_zone.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace {
constexpr long double kHoursPerCentury = 876600.0L; // 36525 days x 24 hours
// Added to the Julian day before truncating it into minutes: it absorbs the rounding of t
// (about 1e-19 relative per step) so that 12h00 does not come back as 11h59. 1e-8 day = 0.9 ms.
constexpr long double kCalendarSlack_days = 1e-8L;
// Beyond this Julian day the calendar fields would no longer fit their 32-bit integers.
constexpr long double kMaxJulianDay = 7.0e11L;

// floor of a long double without changing the x87 rounding mode: std::floor and conversions to
// int switch the control word twice each, which costs more than all the rest of a calendar
// conversion. Adding and taking away 1.5 * 2^63 rounds to the nearest integer (64-bit mantissa);
// one step down when that went up. Exact, the same value as std::floor, for |x| < 2^62.
long double floorFast(long double x) {
    constexpr long double kRound = 13835058055282163712.0L;             // 1.5 * 2^63
    if (!(std::fabs(x) < 4611686018427387904.0L)) return std::floor(x); // 2^62
    long double r = (x + kRound) - kRound;
    if (r > x) r -= 1;
    return r;
}
// A whole number held in a long double (|v| < 2^53) as an int, by way of double.
int wholeToInt(long double v) {
    return static_cast<int>(static_cast<double>(v));
}

std::string format(const char* pattern, int a, int b, int c, int d, int e) {
    char buf[96];
    std::snprintf(buf, sizeof buf, pattern, a, b, c, d, e);
    return buf;
}
} // namespace

void date2::calculeT() {
    long double y = annee, m = mois;
    if (mois <= 2) {
        y -= 1;
        m += 12;
    }
    // Gregorian calendar from 1582 October 15 on, Julian calendar before.
    const bool gregorian = annee > 1582 || (annee == 1582 && (mois > 10 || (mois == 10 && jour >= 15)));
    long double b = 0;
    if (gregorian) {
        const long double a = std::floor(y * 0.01L);
        b = 2 - a + std::floor(a * 0.25L);
    }
    t = (std::floor(365.25L * y) + b + std::floor(30.6001L * (m + 1)) + jour +
         (heure + minute / 60.0L) / 24.0L - 694025.5L) /
        36525.0L;
}

int date2::calculeCalendrier() {
    const long double j = t * 36525.0L + 2415020.0L + 0.5L + kCalendarSlack_days;
    if (!std::isfinite(j) || std::fabs(j) > kMaxJulianDay) return annee; // fields kept
    const long double z = floorFast(j);
    const long double f = j - z;
    long double a = z;
    if (z >= 2299161.0L) {
        const long double alpha = floorFast((z - 1867216.25L) * (1.0L / 36524.25L));
        a = z + 1 + alpha - floorFast(alpha * 0.25L);
    }
    const long double b = a + 1524;
    const long double c = floorFast((b - 122.1L) * (1.0L / 365.25L));
    const long double d = floorFast(365.25L * c);
    const long double e = floorFast((b - d) * (1.0L / 30.6001L));
    const long double day = b - d - floorFast(30.6001L * e) + f;
    jour = wholeToInt(floorFast(day));
    const long double hours = (day - jour) * 24.0L;
    heure = wholeToInt(floorFast(hours));
    minute = wholeToInt(floorFast((hours - heure) * 60.0L));
    if (minute > 59) minute = 59; // the slack can never carry past the hour, kept for safety
    mois = wholeToInt(e <= 13 ? e - 1 : e - 13);
    annee = wholeToInt(mois >= 3 ? c - 4716 : c - 4715);
    return annee;
}

void date2::ajouteHeures(int n) {
    t += n / kHoursPerCentury;
}
void date2::ajouteMinutes(int n) {
    t += n / kHoursPerCentury / 60.0L;
}
void date2::ajouteHeuresReel(double hours) {
    t += hours / kHoursPerCentury;
}

void date2::ramenerTU(double previousOffset_h) {
    calculeT();
    ajouteHeuresReel(-(decalageOrdinateur - previousOffset_h));
    calculeCalendrier();
}

void date2::choisitSaison() {
    saison = (mois >= 4 && mois <= 9) ? 1 : 0;
}

double date2::decalagePays(const std::string& country, const std::string& paysPath) const {
    constexpr double kUnknown = -1000;
    if (saison != 0 && saison != 1) return kUnknown;
    std::FILE* f = std::fopen(paysPath.c_str(), "rb");
    if (!f) return kUnknown;
    double result = kUnknown;
    char name[64];
    float winter = 0, summer = 0;
    // "%s %f %f\n" with the word bounded to the buffer; a line that does not match ends the list.
    while (std::fscanf(f, "%63s %f %f\n", name, &winter, &summer) == 3) {
        if (std::strcmp(name, "#") == 0) break;
        if (country == name) {
            // "nan" or "inf" read as a number: the country's offset is not known.
            const double offset = saison == 0 ? winter : summer;
            if (std::isfinite(offset)) result = offset;
            break;
        }
    }
    std::fclose(f);
    return result;
}

std::string date2::texteHeureDate() const {
    return format("%dh%d %d/%d/%d", heure, minute, jour, mois, annee);
}

double date2::placeOffset_h() const {
    return zoneLieu ? zoneLieu->offsetAt_h(t) : decalageLieu;
}

std::string date2::texteHeureDateLieu() const {
    date2 local = *this;
    local.ajouteHeuresReel(placeOffset_h());
    local.calculeCalendrier();
    return local.texteHeureDate();
}

int daysInMonth(int month, int year) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    if (month == 2 && year % 4 == 0) return 29;
    return kDays[month - 1];
}

std::string dateLabelText(const date2& date) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "Date:%02d/%02d/%d", date.jour, date.mois, date.annee);
    return buf;
}
