// SPDX-License-Identifier: GPL-3.0-or-later
// nalvo-cli positions.
#include "cli/positions.h"
#include "cli/model_loading.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <memory>
#include <string_view>
#include <thread>
#include <vector>

#include "astro/clock.h"
#include "astro/moon.h"
#include "astro/planets.h"
#include "catalog/paths.h"
#include "catalog/prompter.h"
#include "catalog/systeme.h"
#include "cli/fixed_format.h"

const char kPositionsHelp[] =
    "usage: nalvo-cli positions [--date YYYY-MM-DDTHH:MM | --from YYYY-MM-DDTHH:MM --to YYYY-MM-DDTHH:MM\n"
    "                            --step N{m,h,d}] [--data DIR] [--asteroid NAME ...]\n"
    "Geocentric right ascension and declination (mean equator and equinox of date, degrees), distance\n"
    "(AU), visual magnitude, illuminated fraction and apparent diameter (arcseconds) of the Sun, each\n"
    "planet in model order (the Earth's row has zeros) and each satellite after its planet, as CSV.\n"
    "  --date D     one instant, UT (default: now)\n"
    "  --from D     first instant of a range, UT\n"
    "  --to D       last instant of the range (included when a whole number of steps away)\n"
    "  --step N{m,h,d}  step of the range in minutes, hours or days (N a whole number > 0); a range\n"
    "               gives at most 2000000 rows\n"
    "  --data DIR   read Sys.syt and the files it names from DIR only (default: the program's\n"
    "               data lookup: the user directory, $NALVO_DATA, data/ beside the executable, ...)\n"
    "  --asteroid NAME  also a row for this body of the loaded comet file (\"comet.syt\"), after the\n"
    "               planets; repeatable, in the order given (magnitude from H and G)\n"
    "Dates are within the years -100 to 3000.\n"
    "Exit status: 0 done, 1 the data could not be loaded or written, 2 bad arguments.\n";

namespace {
// The Sun's visual magnitude at 1 AU (Allen, Astrophysical Quantities); the Sun file has no
// "Mag" line.
constexpr double kSunMagnitude = -26.74;

bool parseInt(const std::string& s, size_t& pos, size_t digits, int& value) {
    if (pos + digits > s.size()) return false;
    value = 0;
    for (size_t k = 0; k < digits; ++k) {
        const char c = s[pos + k];
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    pos += digits;
    return true;
}

struct Options {
    bool range = false;
    date2 first, last;
    long long step_min = 0;
    std::string dataDir;
    std::vector<std::string> asteroids;
};

// Visual magnitude of an asteroid from its H and G (Bowell et al. 1989, the IAU H-G system). The
// phase angle takes the Earth's true distance from the Sun, R: the 1 AU of phaseAngle makes an
// asteroid up to a quarter of a magnitude too bright.
double asteroidMagnitude(const comet& c, double R) {
    const double H = c.mag[0], G = c.mag[1];
    const double denom = 2 * c.r * c.delta;
    const double cosPhase =
        denom > 0 ? std::clamp((c.r * c.r + c.delta * c.delta - R * R) / denom, -1.0, 1.0) : 1.0;
    const double tanHalf = std::tan(std::acos(cosPhase) / 2);
    const double phi1 = std::exp(-3.33 * std::pow(tanHalf, 0.63)),
                 phi2 = std::exp(-1.87 * std::pow(tanHalf, 1.22));
    const double rd = c.r * c.delta;
    return H + (rd > 0 ? 5 * std::log10(rd) : 0) - 2.5 * std::log10((1 - G) * phi1 + G * phi2);
}

// CSV text gathered in memory and written in large blocks; a range streams millions of rows.
class CsvBuffer {
  public:
    explicit CsvBuffer(std::FILE* out) : out_(out) {}
    // Gathers the text into `text` instead of writing it (a block of a range made on another thread).
    explicit CsvBuffer(std::string& text) : out_(nullptr), text_(&text) {}
    ~CsvBuffer() { flush(); }
    // Room for one row; writes the buffer out first when it is nearly full.
    char* reserveRow() {
        if (used_ > sizeof data_ - kMaxRow) flush();
        return data_ + used_;
    }
    char* rowEnd() { return data_ + std::min(used_ + kMaxRow, sizeof data_); }
    void commit(char* end) { used_ = static_cast<size_t>(end - data_); }
    void flush() {
        if (used_ > 0 && out_) std::fwrite(data_, 1, used_, out_);
        if (used_ > 0 && text_) text_->append(data_, used_);
        used_ = 0;
    }

  private:
    static constexpr size_t kMaxRow = 512;
    std::FILE* out_;
    std::string* text_ = nullptr;
    size_t used_ = 0;
    char data_[1 << 16];
};

// One CSV row. formatFixed gives the bytes of "%.*f", several times faster.
void writeRow(CsvBuffer& csv, std::string_view when, const std::string& name, double ra, double dec,
              double delta, double mag, double illuminated, double diameter) {
    char* p = csv.reserveRow();
    char* const end = csv.rowEnd();
    auto text = [&](const char* s, size_t n) {
        n = std::min(n, static_cast<size_t>(end - p));
        std::memcpy(p, s, n);
        p += n;
    };
    auto number = [&](double v, int decimals) {
        if (p < end) *p++ = ',';
        const auto r = formatFixed(p, end, v, decimals);
        if (r.ec == std::errc()) p = r.ptr;
    };
    text(when.data(), when.size());
    text(",", 1);
    text(name.data(), name.size());
    number(ra, 6);
    number(dec, 6);
    number(delta, 9);
    number(mag, 2);
    number(illuminated, 4);
    number(diameter, 2);
    text("\n", 1);
    csv.commit(p);
}

// The names the rows show: English where the body has one, else the file's name.
struct RowNames {
    std::vector<std::string> planets;
    std::vector<std::array<std::string, 2>> satellites;
};
std::string shownName(const char* nom) {
    std::string name = englishName(nom);
    return name.empty() ? nom : name;
}
RowNames rowNames(const systeme& model) {
    RowNames names;
    for (int k = 0; k < model.planetCount(); ++k) {
        const planete* p = model.planet(k);
        names.planets.push_back(p ? shownName(p->nom) : "");
        names.satellites.emplace_back();
        for (int j = 0; p && j < p->satelliteCount() && j < 2; ++j)
            if (const satellite* s = p->getSatellite(j)) names.satellites.back()[j] = shownName(s->nom);
    }
    return names;
}

void writeInstant(CsvBuffer& csv, systeme& model, const date2& date, const RowNames& names,
                  const std::vector<int>& asteroids) {
    static const std::string kSun = "Sun";
    model.computePositions(date, true);
    char whenText[64];
    const std::string_view when(whenText, formatUtcDate(date, whenText));
    const soleil& sun = *model.sun();
    writeRow(csv, when, kSun, sun.ra, sun.dec, sun.delta, kSunMagnitude + 5 * std::log10(sun.delta), 1.0,
             apparentDiameter(sun));
    // What the satellites' magnitudes need of the date, computed once for all of them.
    double moonFraction = 0, sunDistance_au = 0;
    bool moonDone = false;
    for (int k = 0; k < model.planetCount(); ++k) {
        const planete* p = model.planet(k);
        if (!p) continue;
        if (std::strcmp(p->nom, "Terre") == 0)
            writeRow(csv, when, names.planets[k], 0, 0, 0, 0, 0, 0);
        else {
            const double phase_deg = phaseAngle(*p);
            writeRow(csv, when, names.planets[k], p->ra, p->dec, p->delta, planetMagnitude(*p, phase_deg),
                     visibleFractionAtPhase(phase_deg), apparentDiameter(*p));
        }
        for (int j = 0; j < p->satelliteCount() && j < 2; ++j) {
            const satellite* s = p->getSatellite(j);
            if (!s) continue;
            if (!moonDone) {
                moonFraction = moonVisibleFraction(date);
                sunDistance_au = sunEarthDistance(sun, static_cast<double>(date.t));
                moonDone = true;
            }
            writeRow(csv, when, names.satellites[k][j], s->ra, s->dec, s->delta,
                     moonMagnitude(*s, moonFraction, sunDistance_au), moonFraction, apparentDiameter(*s));
        }
    }
    // The Sun record's distance is the model's 1 AU; the phase angle wants the true one.
    const double earthSun_au = asteroids.empty() ? 1.0 : sunEarthDistance(sun, static_cast<double>(date.t));
    for (int index : asteroids) {
        comet& c = *model.comets[index];
        cometPosition(c, date, sun);
        writeRow(csv, when, c.nom, c.ra, c.dec, c.delta, asteroidMagnitude(c, earthSun_au),
                 visibleFraction(c), 0);
    }
}

// Fills `o` from the arguments; false with a one-line reason otherwise.
bool parseOptions(const std::vector<std::string>& args, Options& o, std::string& why) {
    std::string date, from, to, step;
    for (size_t k = 0; k < args.size(); ++k) {
        const std::string& a = args[k];
        std::string* target = nullptr;
        if (a == "--asteroid") {
            if (k + 1 >= args.size() || args[k + 1].empty()) {
                why = a + " needs a value";
                return false;
            }
            o.asteroids.push_back(args[++k]);
            continue;
        }
        if (a == "--date")
            target = &date;
        else if (a == "--from")
            target = &from;
        else if (a == "--to")
            target = &to;
        else if (a == "--step")
            target = &step;
        else if (a == "--data")
            target = &o.dataDir;
        else {
            why = "unknown argument '" + a + "' (see nalvo-cli positions --help)";
            return false;
        }
        if (k + 1 >= args.size()) {
            why = a + " needs a value";
            return false;
        }
        if (!target->empty()) {
            why = a + " given twice";
            return false;
        }
        *target = args[++k];
        if (target->empty()) {
            why = a + " needs a value";
            return false;
        }
    }
    const bool anyRange = !from.empty() || !to.empty() || !step.empty();
    if (!date.empty() && anyRange) {
        why = "--date cannot be combined with --from, --to or --step";
        return false;
    }
    if (anyRange && (from.empty() || to.empty() || step.empty())) {
        why = "a range needs all of --from, --to and --step";
        return false;
    }
    if (anyRange) {
        o.range = true;
        if (!parseUtcDate(from, o.first, why)) return why = "--from: " + why, false;
        if (!parseUtcDate(to, o.last, why)) return why = "--to: " + why, false;
        if (o.last.t < o.first.t) {
            why = "--to is before --from";
            return false;
        }
        size_t pos = 0;
        long long n = 0;
        while (pos < step.size() && step[pos] >= '0' && step[pos] <= '9' && n < 100000000)
            n = n * 10 + (step[pos++] - '0');
        const std::string unit = step.substr(pos);
        if (pos == 0 || n <= 0 || (unit != "m" && unit != "h" && unit != "d")) {
            why = "--step must be a whole number > 0 followed by m, h or d (e.g. 10m, 6h, 1d), not '" + step +
                  "'";
            return false;
        }
        o.step_min = unit == "m" ? n : unit == "h" ? n * 60 : n * 1440;
        if (rangeRows(o.first, o.last, o.step_min) > kMaxRangeRows) {
            why = "--from, --to and --step give more than " + std::to_string(kMaxRangeRows) +
                  " rows; take a longer step or a shorter range";
            return false;
        }
    } else if (!date.empty()) {
        if (!parseUtcDate(date, o.first, why)) return why = "--date: " + why, false;
    } else {
        o.first = universalTimeNow();
    }
    if (!o.dataDir.empty() && !std::filesystem::is_directory(o.dataDir)) {
        why = "--data: no directory '" + o.dataDir + "'";
        return false;
    }
    return true;
}
} // namespace

bool parseUtcDate(const std::string& text, date2& date, std::string& why) {
    why = "expected YYYY-MM-DDTHH:MM, not '" + text + "'";
    size_t pos = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (negative) pos = 1;
    int y = 0, mo = 0, d = 0, h = 0, mi = 0;
    if (!parseInt(text, pos, 4, y) || pos >= text.size() || text[pos++] != '-') return false;
    if (!parseInt(text, pos, 2, mo) || pos >= text.size() || text[pos++] != '-') return false;
    if (!parseInt(text, pos, 2, d) || pos >= text.size() || text[pos++] != 'T') return false;
    if (!parseInt(text, pos, 2, h) || pos >= text.size() || text[pos++] != ':') return false;
    if (!parseInt(text, pos, 2, mi) || pos != text.size()) return false;
    if (negative) y = -y;
    if (mo < 1 || mo > 12 || d < 1 || d > daysInMonth(mo, y) || h > 23 || mi > 59) {
        why = "no such date or time '" + text + "'";
        return false;
    }
    if (y < kFirstYear || y > kLastYear) {
        why = "the year must be within " + std::to_string(kFirstYear) + " to " + std::to_string(kLastYear) +
              ", not '" + text + "'";
        return false;
    }
    date = date2{};
    date.annee = y;
    date.mois = mo;
    date.jour = d;
    date.heure = h;
    date.minute = mi;
    date.calculeT();
    why.clear();
    return true;
}

long long rangeRows(const date2& first, const date2& last, long long step_min) {
    const long double step_c = static_cast<long double>(step_min) / (876600.0L * 60.0L);
    const long double steps = std::floor((last.t - first.t) / step_c + 1e-9L);
    return steps >= kMaxRangeRows ? kMaxRangeRows + 1 : static_cast<long long>(steps) + 1;
}

std::string formatUtcDate(const date2& d) {
    char buf[64];
    const size_t n = formatUtcDate(d, buf);
    return std::string(buf, n);
}

size_t formatUtcDate(const date2& d, char (&buf)[64]) {
    // Fields within their ranges (every date the program makes): digits written directly, the
    // same text as the patterns below, which take the rest.
    const int year = d.annee < 0 ? (d.annee > -10000 ? -d.annee : 10000) : d.annee;
    if (year <= 9999 && d.mois >= 0 && d.mois <= 99 && d.jour >= 0 && d.jour <= 99 && d.heure >= 0 &&
        d.heure <= 99 && d.minute >= 0 && d.minute <= 99) {
        char* p = buf;
        auto two = [&](int v) {
            *p++ = static_cast<char>('0' + v / 10);
            *p++ = static_cast<char>('0' + v % 10);
        };
        if (d.annee < 0) *p++ = '-';
        two(year / 100);
        two(year % 100);
        *p++ = '-';
        two(d.mois);
        *p++ = '-';
        two(d.jour);
        *p++ = 'T';
        two(d.heure);
        *p++ = ':';
        two(d.minute);
        return static_cast<size_t>(p - buf);
    }
    if (d.annee < 0)
        std::snprintf(buf, sizeof buf, "-%04d-%02d-%02dT%02d:%02d", -d.annee, d.mois, d.jour, d.heure,
                      d.minute);
    else
        std::snprintf(buf, sizeof buf, "%04d-%02d-%02dT%02d:%02d", d.annee, d.mois, d.jour, d.heure,
                      d.minute);
    return std::strlen(buf);
}

int positionsCommand(const std::vector<std::string>& args, std::FILE* out, std::FILE* err) {
    for (const std::string& a : args)
        if (a == "--help" || a == "-h") {
            std::fputs(kPositionsHelp, out);
            return 0;
        }
    Options o;
    std::string why;
    if (!parseOptions(args, o, why)) {
        std::fprintf(err, "nalvo-cli positions: %s\n", why.c_str());
        return 2;
    }

    systeme model;
    std::string sysPath;
    if (const std::string reason = loadCommandModel(model, o.dataDir, sysPath); !reason.empty()) {
        std::fprintf(err, "nalvo-cli positions: %s\n", reason.c_str());
        return 1;
    }

    std::vector<int> asteroids;
    for (const std::string& name : o.asteroids) {
        int found = -1;
        for (int k = 0; k < model.cometCount() && found < 0; ++k)
            if (model.comets[k] && name == model.comets[k]->nom) found = k;
        if (found < 0) {
            std::fprintf(err, "nalvo-cli positions: no body '%s' in the comet file (%d bodies loaded)\n",
                         name.c_str(), model.cometCount());
            return 2;
        }
        asteroids.push_back(found);
    }

    std::fputs("date_utc,body,ra_deg,dec_deg,distance_au,magnitude,illuminated,diameter_arcsec\n", out);
    const RowNames names = rowNames(model);
    CsvBuffer csv(out);
    if (!o.range) {
        writeInstant(csv, model, o.first, names, asteroids);
    } else {
        // Each instant is first + k steps, so no rounding accumulates over a long range.
        const long double step_c = static_cast<long double>(o.step_min) / (876600.0L * 60.0L);
        const long long count = rangeRows(o.first, o.last, o.step_min);
        auto instants = [&](CsvBuffer& to, systeme& m, long long from, long long end) {
            date2 d = o.first;
            for (long long k = from; k < end; ++k) {
                d.t = o.first.t + k * step_c;
                d.calculeCalendrier();
                writeInstant(to, m, d, names, asteroids);
            }
        };
        // A long range is cut into blocks that the other cores compute too, each thread with its
        // own model; the blocks are written in order, so the text is the same as on one thread.
        constexpr long long kBlock = 512;
        std::vector<std::unique_ptr<systeme>> helpers;
        const unsigned cores = std::clamp(std::thread::hardware_concurrency(), 1u, 4u);
        for (unsigned k = 1; k < cores && count >= 4 * kBlock; ++k) {
            auto m = std::make_unique<systeme>();
            std::string ignored;
            if (!loadCommandModel(*m, o.dataDir, ignored).empty()) break;
            helpers.push_back(std::move(m));
        }
        long long next = 0;
        while (next < count && !std::ferror(out)) {
            std::vector<std::string> texts(helpers.size());
            std::vector<std::thread> running;
            long long from = std::min(count, next + kBlock);
            for (size_t h = 0; h < helpers.size() && from < count; ++h) {
                const long long end = std::min(count, from + kBlock);
                running.emplace_back([&, h, from, end] {
                    CsvBuffer block(texts[h]);
                    instants(block, *helpers[h], from, end);
                });
                from = end;
            }
            instants(csv, model, next, std::min(count, next + kBlock));
            for (std::thread& t : running)
                t.join();
            csv.flush();
            for (size_t h = 0; h < running.size(); ++h)
                std::fwrite(texts[h].data(), 1, texts[h].size(), out);
            next = from;
        }
    }
    csv.flush();
    if (std::fflush(out) != 0 || std::ferror(out)) {
        std::fprintf(err, "nalvo-cli positions: cannot write the output\n");
        return 1;
    }
    return 0;
}
