// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/report_commands.h"
#include "cli/model_loading.h"

#include <cmath>
#include <cstring>
#include <ctime>
#include <map>
#include <strings.h>

#include "astro/clock.h"
#include "catalog/atomic_file.h"
#include "catalog/cities.h"
#include "catalog/paths.h"
#include "catalog/prompter.h"
#include "catalog/systeme.h"
#include "cli/city_option.h"
#include "cli/output_file.h"
#include "cli/positions.h"
#include "gfx/text_codec.h"
#include "reports/ephemeris.h"
#include "reports/forecast.h"
#include "reports/position.h"
#include "reports/report_text.h"

namespace {

const char kPositionHelp[] =
    "usage: nalvo-cli position --body NAME [--date YYYY-MM-DDTHH:MM] [--city NAME]\n"
    "                          [--lat DEG --lon DEG] [--offset HOURS] [--out FILE]\n"
    "The values of the Position dialog on one line: geocentric right ascension, declination and\n"
    "distance of the Sun, a planet (Earth included) or the Moon at the date's whole hour (UT).\n"
    "With a place, a second line gives the rise, transit and set of the body in the local day of\n"
    "the date.\n"
    "  --city NAME    the observer: a city of the list (ville.syt), its place and time zone\n"
    "  --lat, --lon   the observer, degrees (north and east positive); with --city they override\n"
    "                 its coordinates\n"
    "  --offset H     local time = UT + H hours (default: the place's zone at the date, or the\n"
    "                 settings' offset)\n";
const char kEphemerisHelp[] =
    "usage: nalvo-cli ephemeris --body NAME [--date D] [--step 1h|Nd] [--count N] [--lat DEG --lon DEG]\n"
    "                           [--city NAME] [--out FILE]\n"
    "The Ephemeris dialog's table of the Sun, a planet or the Moon (topocentric for the place).\n"
    "  --date D    start, YYYY-MM-DDTHH:MM UT (the minute is kept; default: now)\n"
    "  --step S    1h, or Nd with N from 1 to 365 (default 1h)\n"
    "  --count N   lines, 5 to 100 in fives (default 5)\n"
    "  --lat, --lon  the observer, degrees (north and east positive; default: the settings)\n"
    "  --city NAME   the observer: a city of the list (ville.syt), its place and time zone\n";
const char kForecastHelp[] =
    "usage: nalvo-cli forecast [--date D] [--city NAME] [--lat DEG --lon DEG] [--offset HOURS] [--place NAME]\n"
    "                          [--out FILE]\n"
    "The forecast of the night that follows a day-time date or contains a night-time one.\n"
    "  --date D      YYYY-MM-DDTHH:MM UT (default: now)\n"
    "  --lat, --lon  the observer, degrees (north and east positive; default: the settings)\n"
    "  --city NAME   a city of the list (ville.syt): its latitude, longitude, name and time zone\n"
    "  --offset H    local time = UT + H hours, the time of the report (default: the place's zone\n"
    "                at each instant, or the settings' fixed offset)\n"
    "  --place NAME  the place's name in the report (default: the settings' city)\n"
    "The search's trace is written to LogFile.txt in the user directory.\n";
const char kCommonHelp[] =
    "  --out FILE    write the report's bytes (Windows-1252) into FILE instead of printing it (UTF-8)\n"
    "  --data DIR    read Sys.syt and the files it names from DIR only\n"
    "Exit status: 0 done, 1 the data could not be loaded, 2 bad arguments or a file that cannot be "
    "written.\n";

struct Args {
    std::map<std::string, std::string> values;
};

// Each option takes one value; `allowed` lists the options of the command.
bool parseArgs(const std::vector<std::string>& args, const std::vector<std::string>& allowed, Args& a,
               std::string& why) {
    for (size_t k = 0; k < args.size(); ++k) {
        const std::string& name = args[k];
        bool known = false;
        for (const std::string& o : allowed)
            known = known || o == name;
        if (!known) {
            why = "unknown argument '" + name + "'";
            return false;
        }
        if (k + 1 >= args.size() || args[k + 1].empty()) {
            why = name + " needs a value";
            return false;
        }
        if (a.values.count(name)) {
            why = name + " given twice";
            return false;
        }
        a.values[name] = args[++k];
    }
    return true;
}

bool parseNumber(const std::string& text, double lo, double hi, double& value) {
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return end && *end == '\0' && end != text.c_str() && std::isfinite(value) && value >= lo && value <= hi;
}

// The command's common part: help, arguments, the date, the model, the place.
struct Context {
    Args args;
    date2 date;
    systeme model;
};

int prepare(const char* command, const char* help, const std::vector<std::string>& argv,
            std::vector<std::string> allowed, Context& c, std::FILE* out, std::FILE* err, bool& done) {
    done = false;
    for (const std::string& a : argv)
        if (a == "--help" || a == "-h") {
            std::fputs(help, out);
            std::fputs(kCommonHelp, out);
            done = true;
            return 0;
        }
    allowed.insert(allowed.end(), {"--date", "--out", "--data"});
    std::string why;
    const auto fail = [&](const std::string& reason) {
        std::fprintf(err, "nalvo-cli %s: %s\n", command, reason.c_str());
        done = true;
        return 2;
    };
    if (!parseArgs(argv, allowed, c.args, why)) return fail(why + " (see nalvo-cli " + command + " --help)");
    const auto& v = c.args.values;
    if (v.count("--date")) {
        if (!parseUtcDate(v.at("--date"), c.date, why)) return fail("--date: " + why);
    } else {
        c.date = universalTimeNow();
    }
    if (c.date.annee < -100 || c.date.annee > 2999)
        return fail("--date: the year must be within -100 to 2999");
    if (v.count("--out") && !outputPathUsable(v.at("--out"), why)) return fail(why);
    std::string sysPath;
    const std::string reason = loadCommandModel(c.model, v.count("--data") ? v.at("--data") : "", sysPath);
    if (!reason.empty()) {
        std::fprintf(err, "nalvo-cli %s: %s\n", command, reason.c_str());
        done = true;
        return 1;
    }
    // A city first, so that --lat and --lon given with it override its coordinates.
    if (v.count("--city") && !applyCityOption(v.at("--city"), c.model, why)) return fail(why);
    double x = 0;
    if (v.count("--lat")) {
        if (!parseNumber(v.at("--lat"), -90, 90, x))
            return fail("--lat must be a number of degrees from -90 to 90");
        c.model.latitude = x;
    }
    if (v.count("--lon")) {
        if (!parseNumber(v.at("--lon"), -180, 180, x))
            return fail("--lon must be a number of degrees from -180 to 180 (east positive)");
        c.model.longitude = -x; // the model counts longitudes positive west
    }
    // The place's clock at the date: its zone's offset, or the settings' fixed one.
    std::string note;
    applyPlaceToDate(c.model, c.date, &note);
    if (!note.empty()) std::fprintf(err, "nalvo-cli %s: %s", command, note.c_str());
    return 0;
}

// Prints the report (UTF-8) or writes its bytes into --out.
int deliver(const char* command, const Context& c, const std::string& bytes, std::FILE* out, std::FILE* err) {
    const auto it = c.args.values.find("--out");
    if (it != c.args.values.end()) {
        std::string error;
        if (!writeFileAtomically(it->second, bytes, &error)) {
            std::fprintf(err, "nalvo-cli %s: %s\n", command, error.c_str());
            return 2;
        }
        return 0;
    }
    const QByteArray utf8 = gfx::fromWindows1252(bytes).toUtf8();
    std::fwrite(utf8.constData(), 1, static_cast<size_t>(utf8.size()), out);
    if (!bytes.empty() && bytes.back() != '\n') std::fputc('\n', out);
    if (std::fflush(out) != 0) {
        std::fprintf(err, "nalvo-cli %s: cannot write the output\n", command);
        return 1;
    }
    return 0;
}

int findBody(const std::vector<std::string>& names, const std::string& wanted) {
    for (size_t k = 0; k < names.size(); ++k)
        if (strcasecmp(names[k].c_str(), wanted.c_str()) == 0) return static_cast<int>(k);
    return -1;
}

std::string joined(const std::vector<std::string>& names) {
    std::string s;
    for (const std::string& n : names)
        s += (s.empty() ? "" : ", ") + n;
    return s;
}

} // namespace

int positionCommand(const std::vector<std::string>& argv, std::FILE* out, std::FILE* err) {
    Context c;
    bool done = false;
    const int status = prepare("position", kPositionHelp, argv, {"--body", "--lat", "--lon", "--offset", "--city"},
                               c, out, err, done);
    if (done) return status;
    // The place is a city or both coordinates; its offset is given, or the place's at the date.
    const auto& v = c.args.values;
    const bool place = v.count("--city") || (v.count("--lat") && v.count("--lon"));
    if (!place && (v.count("--lat") || v.count("--lon") || v.count("--offset"))) {
        std::fprintf(err, "nalvo-cli position: --lat and --lon go together (and --offset with them)\n");
        return 2;
    }
    double offset_h = c.date.placeOffset_h();
    if (v.count("--offset") && !parseNumber(v.at("--offset"), -14, 14, offset_h)) {
        std::fprintf(err, "nalvo-cli position: --offset must be a number of hours from -14 to 14\n");
        return 2;
    }
    const auto names = reports::positionObjectNames(c.model);
    const auto body = c.args.values.find("--body");
    if (body == c.args.values.end()) {
        std::fprintf(err, "nalvo-cli position: --body is needed (%s)\n", joined(names).c_str());
        return 2;
    }
    const int index = findBody(names, body->second);
    if (index < 0) {
        std::fprintf(err, "nalvo-cli position: unknown body '%s' (%s)\n", body->second.c_str(),
                     joined(names).c_str());
        return 2;
    }
    // The dialog works on whole hours.
    c.date.minute = 0;
    c.date.calculeT();
    reports::PositionValues values;
    reports::computePosition(c.model, c.date, index, values);
    std::string text = reports::positionLine(names[static_cast<size_t>(index)], c.date, values);
    if (place)
        text += reports::riseTransitSetLine(c.model, c.date, index, c.model.latitude, c.model.longitude,
                                            offset_h);
    return deliver("position", c, text, out, err);
}

int ephemerisCommand(const std::vector<std::string>& argv, std::FILE* out, std::FILE* err) {
    Context c;
    bool done = false;
    const int status = prepare("ephemeris", kEphemerisHelp, argv,
                               {"--body", "--step", "--count", "--lat", "--lon", "--city"}, c, out, err, done);
    if (done) return status;
    const auto& v = c.args.values;
    const auto names = reports::ephemerisObjectNames(c.model);
    if (!v.count("--body")) {
        std::fprintf(err, "nalvo-cli ephemeris: --body is needed (%s)\n", joined(names).c_str());
        return 2;
    }
    reports::EphemerisRequest request;
    request.object = findBody(names, v.at("--body"));
    if (request.object < 0) {
        std::fprintf(err, "nalvo-cli ephemeris: unknown body '%s' (%s)\n", v.at("--body").c_str(),
                     joined(names).c_str());
        return 2;
    }
    if (v.count("--step")) {
        const std::string& s = v.at("--step");
        const auto steps = reports::ephemerisStepItems();
        request.stepIndex = -1;
        if (s == "1h")
            request.stepIndex = 0;
        else if (s.size() >= 2 && s.back() == 'd' && s.find_first_not_of("0123456789") == s.size() - 1 &&
                 s.size() <= 4) {
            const int days = std::stoi(s.substr(0, s.size() - 1));
            if (days >= 1 && days <= 365) request.stepIndex = days;
        }
        if (request.stepIndex < 0) {
            std::fprintf(err, "nalvo-cli ephemeris: --step must be 1h or Nd with N from 1 to 365, not '%s'\n",
                         s.c_str());
            return 2;
        }
    }
    if (v.count("--count")) {
        double n = 0;
        if (!parseNumber(v.at("--count"), 5, 100, n) || n != std::floor(n) || static_cast<int>(n) % 5 != 0) {
            std::fprintf(err, "nalvo-cli ephemeris: --count must be 5, 10, ... or 100, not '%s'\n",
                         v.at("--count").c_str());
            return 2;
        }
        request.countIndex = static_cast<int>(n) / 5 - 1;
    }
    const std::string text = reports::ephemerisText(c.model, c.date, request);
    return deliver("ephemeris", c, text, out, err);
}

int forecastCommand(const std::vector<std::string>& argv, std::FILE* out, std::FILE* err) {
    Context c;
    bool done = false;
    const int status = prepare("forecast", kForecastHelp, argv, {"--lat", "--lon", "--offset", "--place", "--city"}, c,
                               out, err, done);
    if (done) return status;
    const auto& v = c.args.values;
    if (v.count("--offset")) {
        double h = 0;
        if (!parseNumber(v.at("--offset"), -14, 14, h)) {
            std::fprintf(err, "nalvo-cli forecast: --offset must be a number of hours from -14 to 14\n");
            return 2;
        }
        c.date.decalageLieu = h;
        c.date.zoneLieu = nullptr;
    }
    if (v.count("--place")) {
        const std::string& p = v.at("--place");
        const std::string bytes =
            gfx::toWindows1252(QString::fromUtf8(p.data(), static_cast<qsizetype>(p.size())));
        if (bytes.size() >= sizeof c.model.cityName) {
            std::fprintf(err, "nalvo-cli forecast: --place is longer than %zu characters\n",
                         sizeof c.model.cityName - 1);
            return 2;
        }
        std::strcpy(c.model.cityName, bytes.c_str());
    }
    reports::ForecastOptions options;
    options.logPath = userFilePath("LogFile.txt");
    const std::string text = reports::forecastText(c.model, c.date, options);
    return deliver("forecast", c, text, out, err);
}
