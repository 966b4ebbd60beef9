// SPDX-License-Identifier: GPL-3.0-or-later
// nalvo-cli moons.
#include "cli/moons.h"
#include "cli/model_loading.h"

#include <cmath>
#include <cstring>
#include <filesystem>

#include "astro/clock.h"
#include "astro/satellites.h"
#include "catalog/paths.h"
#include "catalog/prompter.h"
#include "catalog/systeme.h"
#include "cli/positions.h"

const char kMoonsHelp[] =
    "usage: nalvo-cli moons [--date YYYY-MM-DDTHH:MM | --from YYYY-MM-DDTHH:MM --to YYYY-MM-DDTHH:MM\n"
    "                        --step N{m,h,d}] [--data DIR]\n"
    "Offsets of Jupiter's four large satellites and of Saturn's six inner large satellites from\n"
    "their planet's centre as seen from the Earth, as CSV: x_east along the planet's equator,\n"
    "positive on the sky's east side (increasing right ascension), y_north across it, positive\n"
    "towards the planet's north, both in equatorial radii of the planet; behind is 1 when the\n"
    "satellite is farther from the Earth than the planet's centre. Saturn's satellites are placed\n"
    "as the Saturn 3D view places them (ring plane tilted by the Earth's saturnicentric latitude).\n"
    "  --date D     one instant, UT (default: now)\n"
    "  --from D     first instant of a range, UT\n"
    "  --to D       last instant of the range (included when a whole number of steps away)\n"
    "  --step N{m,h,d}  step of the range in minutes, hours or days (N a whole number > 0); a range\n"
    "               gives at most 2000000 instants\n"
    "  --data DIR   read Sys.syt and the files it names from DIR only\n"
    "Dates are within the years -100 to 3000.\n"
    "Exit status: 0 done, 1 the data could not be loaded or written, 2 bad arguments.\n";

namespace {
struct MoonOptions {
    date2 first, last;
    bool range = false;
    long long step_min = 0;
    std::string dataDir;
};

bool parseMoonOptions(const std::vector<std::string>& args, MoonOptions& o, std::string& why) {
    std::string date, from, to, step;
    for (size_t k = 0; k < args.size(); ++k) {
        const std::string& a = args[k];
        std::string* target = a == "--date"   ? &date
                              : a == "--from" ? &from
                              : a == "--to"   ? &to
                              : a == "--step" ? &step
                              : a == "--data" ? &o.dataDir
                                              : nullptr;
        if (!target) return why = "unknown argument '" + a + "' (see nalvo-cli moons --help)", false;
        if (k + 1 >= args.size() || args[k + 1].empty()) return why = a + " needs a value", false;
        if (!target->empty()) return why = a + " given twice", false;
        *target = args[++k];
    }
    const bool anyRange = !from.empty() || !to.empty() || !step.empty();
    if (!date.empty() && anyRange)
        return why = "--date cannot be combined with --from, --to or --step", false;
    if (anyRange) {
        if (from.empty() || to.empty() || step.empty())
            return why = "a range needs all of --from, --to and --step", false;
        o.range = true;
        if (!parseUtcDate(from, o.first, why)) return why = "--from: " + why, false;
        if (!parseUtcDate(to, o.last, why)) return why = "--to: " + why, false;
        if (o.last.t < o.first.t) return why = "--to is before --from", false;
        size_t pos = 0;
        long long n = 0;
        while (pos < step.size() && step[pos] >= '0' && step[pos] <= '9' && n < 100000000)
            n = n * 10 + (step[pos++] - '0');
        const std::string unit = step.substr(pos);
        if (pos == 0 || n <= 0 || (unit != "m" && unit != "h" && unit != "d"))
            return why = "--step must be a whole number > 0 followed by m, h or d, not '" + step + "'", false;
        o.step_min = unit == "m" ? n : unit == "h" ? n * 60 : n * 1440;
        if (rangeRows(o.first, o.last, o.step_min) > kMaxRangeRows)
            return why = "--from, --to and --step give more than " + std::to_string(kMaxRangeRows) +
                         " instants; take a longer step or a shorter range",
                   false;
    } else if (!date.empty()) {
        if (!parseUtcDate(date, o.first, why)) return why = "--date: " + why, false;
    } else {
        o.first = universalTimeNow();
    }
    if (!o.dataDir.empty() && !std::filesystem::is_directory(o.dataDir))
        return why = "--data: no directory '" + o.dataDir + "'", false;
    return true;
}

const planete* planetNamed(const systeme& model, const char* nom) {
    for (int k = 0; k < model.planetCount(); ++k)
        if (const planete* p = model.planet(k); p && std::strcmp(p->nom, nom) == 0) return p;
    return nullptr;
}

void writeInstant(std::FILE* out, systeme& model, const planete& saturn, const date2& date) {
    const std::string when = formatUtcDate(date);
    SatelliteTable table;
    computeJovianSatellites(date, table);
    // The Jupiter theory's x is already positive towards the east and its z away from the Earth.
    for (int i = 0; i < kJovianSatellites; ++i)
        std::fprintf(out, "%s,Jupiter,%s,%.4f,%.4f,%d\n", when.c_str(), kJovianSatelliteNames[i],
                     table.satX[i], table.satY[i], table.satZ[i] > 0 ? 1 : 0);

    model.computePositions(date, false);
    computeSaturnSatellites(date, saturn.ra, saturn.dec, saturn.delta, table, true);
    const double tilt = saturnRingTilt_rad(saturn.ra, saturn.dec);
    // The 3D view puts a satellite at 0.8 (-satX, satY, 0) model units, 0.4 units to a Saturn
    // radius, and looks from the Earth's latitude over the ring plane along +satY, north up and
    // east on the left: the theory's satX is positive west, satY > 0 in front of the planet.
    for (int i = 0; i < kSaturnPositioned; ++i)
        std::fprintf(out, "%s,Saturn,%s,%.4f,%.4f,%d\n", when.c_str(), kSaturnSatelliteNames[i],
                     -2 * table.satX[i], -2 * table.satY[i] * std::sin(tilt), table.satY[i] < 0 ? 1 : 0);
}
} // namespace

int moonsCommand(const std::vector<std::string>& args, std::FILE* out, std::FILE* err) {
    for (const std::string& a : args)
        if (a == "--help" || a == "-h") {
            std::fputs(kMoonsHelp, out);
            return 0;
        }
    MoonOptions o;
    std::string why;
    if (!parseMoonOptions(args, o, why)) {
        std::fprintf(err, "nalvo-cli moons: %s\n", why.c_str());
        return 2;
    }
    systeme model;
    std::string sysPath;
    std::string reason = loadCommandModel(model, o.dataDir, sysPath);
    const planete* saturn = reason.empty() ? planetNamed(model, "Saturne") : nullptr;
    if (reason.empty() && !saturn) reason = "no planet Saturne in " + sysPath;
    if (!reason.empty()) {
        std::fprintf(err, "nalvo-cli moons: %s\n", reason.c_str());
        return 1;
    }
    std::fputs("date_utc,planet,moon,x_east,y_north,behind\n", out);
    if (!o.range) {
        writeInstant(out, model, *saturn, o.first);
    } else {
        const long double step_c = static_cast<long double>(o.step_min) / (876600.0L * 60.0L);
        const long long count = rangeRows(o.first, o.last, o.step_min);
        date2 d = o.first;
        for (long long k = 0; k < count && !std::ferror(out); ++k) {
            d.t = o.first.t + k * step_c;
            d.calculeCalendrier();
            writeInstant(out, model, *saturn, d);
        }
    }
    if (std::fflush(out) != 0 || std::ferror(out)) {
        std::fprintf(err, "nalvo-cli moons: cannot write the output\n");
        return 1;
    }
    return 0;
}
