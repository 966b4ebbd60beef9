// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/asteroid_conversion.h"

#include <array>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "astro/date2.h"
#include "catalog/atomic_file.h"
#include "catalog/catalogue_files.h"

namespace {

constexpr std::size_t kRemarksRoom = 800;
constexpr std::size_t kMaxNameLength = 14; // the reader keeps 14 characters of a name
// The program moves a body by 0.985609 / a^1.5 degrees a day (Gauss' constant).
constexpr double kGaussMotion_deg_per_day = 0.985609;

// Blanks and every other control byte: the comet reader reads a name as one word, which a
// vertical tab or form feed would end, and the rest of the record would then be misread.
bool isBlank(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u <= ' ' || u == 0x7F;
}

// A whole field as a finite number.
bool parseNumber(const std::string& s, double& v) {
    if (s.empty()) return false;
    char* end = nullptr;
    errno = 0;
    v = std::strtod(s.c_str(), &end);
    return errno == 0 && end && *end == '\0' && std::isfinite(v);
}

// XEphem's epoch "month/day.fraction/year" (a validity range after "|" is ignored), as T.
bool parseEpoch(const std::string& field, double& t) {
    const std::string s = field.substr(0, field.find('|'));
    const std::size_t a = s.find('/'), b = s.rfind('/');
    if (a == std::string::npos || b == a) return false;
    double month = 0, day = 0, year = 0;
    if (!parseNumber(s.substr(0, a), month) || !parseNumber(s.substr(a + 1, b - a - 1), day) ||
        !parseNumber(s.substr(b + 1), year))
        return false;
    if (month != std::floor(month) || year != std::floor(year) || month < 1 || month > 12 ||
        std::fabs(year) > 99999)
        return false;
    const int m = static_cast<int>(month), y = static_cast<int>(year);
    if (day < 1 || day >= daysInMonth(m, y) + 1) return false;
    const double whole = std::floor(day);
    t = calendarDateToT(y, m, static_cast<int>(whole)) + (day - whole) / 36525.0;
    return true;
}

// A magnitude parameter: the number, after a leading letter of the magnitude model (H, g).
bool parseMagnitude(std::string s, std::string& text) {
    if (!s.empty() && std::isalpha(static_cast<unsigned char>(s[0]))) s.erase(0, 1);
    double v;
    if (!parseNumber(s, v)) return false;
    text = s;
    return true;
}

struct Record {
    std::string name, inc, node, peri, a, e, equinox, mag1, mag2;
    int month = 0, day = 0, year = 0;
};

// One line with its blanks removed; an empty `why` when it gave a record.
std::string parseRecord(const std::string& line, Record& r) {
    // Thirteen fields taken from the right: extra commas stay in the name.
    std::array<std::string, 13> f;
    std::size_t end = line.size();
    int k = 12;
    for (; k > 0; --k) {
        const std::size_t comma = end == 0 ? std::string::npos : line.rfind(',', end - 1);
        if (comma == std::string::npos) break;
        f[k] = line.substr(comma + 1, end - comma - 1);
        end = comma;
    }
    if (k > 0) return "fewer than 13 fields";
    f[0] = line.substr(0, end);
    if (f[1] != "e") return "not elliptic elements (type '" + f[1] + "')";
    if (f[0].empty()) return "no name";
    double inc, node, peri, a, n = 0, e, M, equinox, epoch;
    // The daily motion is not used (the motion comes from a below), so it may be left empty.
    if (!parseNumber(f[2], inc) || !parseNumber(f[3], node) || !parseNumber(f[4], peri) ||
        !parseNumber(f[5], a) || (!f[6].empty() && !parseNumber(f[6], n)) || !parseNumber(f[7], e) ||
        !parseNumber(f[8], M) || !parseNumber(f[10], equinox))
        return "a field that is not a number";
    if (!(a > 0) || e < 0 || e >= 1) return "not an ellipse (a <= 0 or e outside 0-1)";
    if (n < 0) return "negative daily motion";
    if (!parseEpoch(f[9], epoch)) return "an epoch that is not month/day/year";
    if (!parseMagnitude(f[11], r.mag1) || !parseMagnitude(f[12], r.mag2))
        return "a magnitude that is not a number";

    // Time of perihelion: the epoch less the time the mean anomaly took. The reader takes the
    // date at 0 h, so of the passages within three orbits of the nearest one, the one nearest
    // 0 h is written; the program then finds the epoch's mean anomaly within n x (that offset).
    // The program moves the body with its own daily motion from a (the file's daily motion is
    // the same Gaussian motion to a few parts in a million): deriving the passage with it puts
    // the body at the file's mean anomaly at the epoch, and keeps near ties between passages
    // from flipping.
    n = kGaussMotion_deg_per_day / (a * std::sqrt(a));
    const double period_days = 360.0 / n;
    // The nearest passage (before or after the epoch), then the passages around it.
    double m = std::fmod(M, 360.0);
    if (m < 0) m += 360.0;
    if (m > 180.0) m -= 360.0;
    const double perihelion_days = epoch * 36525.0 - m / n;
    double best = 0, bestOffset = 2;
    for (int step = 0; step <= 6; ++step) {
        const int orbit =
            step % 2 ? (step + 1) / 2 : -step / 2; // 0, 1, -1, 2, -2, ...: nearer passages win ties
        // Days since JD 2415020.0 fall at 0 h UT on half days.
        const double d = perihelion_days + orbit * period_days - 0.5;
        const double offset = std::fabs(d - std::round(d));
        if (offset < bestOffset - 1e-9) {
            bestOffset = offset;
            best = std::round(d) + 0.5;
        }
    }
    date2 when;
    when.t = best / 36525.0L;
    when.calculeCalendrier();
    if (when.heure != 0 || when.minute != 0) {
        // Guard against rounding in the calendar: step to the nearest midnight.
        when.t +=
            (when.heure >= 12 ? (24 - when.heure) * 60 - when.minute : -(when.heure * 60 + when.minute)) /
            (36525.0L * 1440.0L);
        when.calculeCalendrier();
    }
    r.month = when.mois;
    r.day = when.jour;
    r.year = when.annee;
    r.name = f[0].substr(0, kMaxNameLength);
    r.inc = f[2];
    r.node = f[3];
    r.peri = f[4];
    r.a = f[5];
    r.e = f[7];
    r.equinox = f[10];
    return {};
}

} // namespace

EdbConversion convertEdbText(std::string_view edb) {
    EdbConversion out;
    std::string records;
    std::string remarks = "REM:\n";
    std::size_t room = kRemarksRoom;
    int lineNumber = 0;
    std::size_t pos = 0;
    while (pos < edb.size()) {
        std::size_t eol = edb.find('\n', pos);
        if (eol == std::string_view::npos) eol = edb.size();
        ++lineNumber;
        std::string line;
        for (std::size_t k = pos; k < eol; ++k)
            if (!isBlank(edb[k])) line += edb[k];
        pos = eol + 1;
        if (line.empty()) continue;
        if (line[0] == '#') {
            if (line.size() < room) {
                remarks += line;
                room -= line.size();
            }
            continue;
        }
        Record r;
        const std::string why = parseRecord(line, r);
        if (!why.empty()) {
            if (out.skipped++ == 0) out.firstSkipped = "line " + std::to_string(lineNumber) + ": " + why;
            continue;
        }
        char date[48];
        std::snprintf(date, sizeof date, "%d/%d/%d", r.month, r.day, r.year);
        records += "Nom:" + r.name + "\na:" + r.a + "\ne:" + r.e + "\nI:" + r.inc + "\no:" + r.peri +
                   "\nO:" + r.node + "\ntperi:" + date + "\ntequi:" + r.equinox + "\nmag:" + r.mag1 + " " +
                   r.mag2 + "\n\n";
        ++out.converted;
    }
    out.text = "Nombre:" + std::to_string(out.converted) + "\n\n" + records + remarks;
    return out;
}

int convertEdb(const std::string& sourcePath, const std::string& targetPath, EdbConversion* result,
               std::string* error) {
    std::FILE* f = std::fopen(sourcePath.c_str(), "rb");
    if (!f) {
        if (error) *error = "cannot open " + sourcePath + ": " + std::strerror(errno);
        return 1;
    }
    std::string bytes;
    char buffer[1 << 16];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;)
        bytes.append(buffer, n);
    const bool readError = std::ferror(f) != 0;
    std::fclose(f);
    if (readError) {
        if (error) *error = "cannot read " + sourcePath;
        return 1;
    }
    EdbConversion c = convertEdbText(bytes);
    if (!writeFileAtomically(targetPath, c.text, error)) return 1;
    if (result) *result = std::move(c);
    return 0;
}

bool isEdbFileName(const std::string& path) {
    return path.size() >= 3 && path.compare(path.size() - 3, 3, "edb") == 0;
}
