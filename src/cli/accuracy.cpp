// SPDX-License-Identifier: GPL-3.0-or-later
// nalvo-cli accuracy and the comparison it shares with the accuracy test.
#include "cli/accuracy.h"

#include <cmath>
#include <cstring>
#include <fstream>
#include <sstream>

#include "astro/angles.h"
#include "astro/planets.h"
#include "astro/sun.h"
#include "catalog/paths.h"
#include "catalog/prompter.h"
#include "catalog/systeme.h"
#include "cli/positions.h"

void ErrorStats::add(double dRa, double dDec, double sep, double relDistance, const std::string& when) {
    ++count;
    maxRa = std::max(maxRa, std::fabs(dRa));
    sumRa2 += dRa * dRa;
    maxDec = std::max(maxDec, std::fabs(dDec));
    sumDec2 += dDec * dDec;
    if (sep > maxSep || worstDate.empty()) {
        maxSep = std::max(maxSep, sep);
        worstDate = when;
    }
    maxDistance = std::max(maxDistance, std::fabs(relDistance));
}
double ErrorStats::rmsRa() const {
    return count ? std::sqrt(sumRa2 / count) : 0;
}
double ErrorStats::rmsDec() const {
    return count ? std::sqrt(sumDec2 / count) : 0;
}

bool readReference(const std::string& path, std::vector<ReferenceRow>& rows, std::string& why) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        why = path + ": cannot be read";
        return false;
    }
    std::string line;
    int lineNo = 0;
    bool header = false;
    while (std::getline(in, line)) {
        ++lineNo;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        if (!header) {
            if (line != "date_utc,body,ra_deg,dec_deg,distance_au") {
                why = path + ", line " + std::to_string(lineNo) + ": unexpected header";
                return false;
            }
            header = true;
            continue;
        }
        std::vector<std::string> f;
        std::stringstream ss(line);
        std::string cell;
        while (std::getline(ss, cell, ','))
            f.push_back(cell);
        ReferenceRow r;
        std::string dateWhy;
        char* end = nullptr;
        bool ok = f.size() == 5 && parseUtcDate(f[0], r.date, dateWhy) && !f[1].empty();
        double v[3] = {};
        for (int k = 0; ok && k < 3; ++k) {
            v[k] = std::strtod(f[2 + k].c_str(), &end);
            ok = end != f[2 + k].c_str() && *end == '\0' && std::isfinite(v[k]);
        }
        if (!ok) {
            why = path + ", line " + std::to_string(lineNo) + ": malformed row";
            return false;
        }
        r.body = f[1];
        r.ra_deg = v[0];
        r.dec_deg = v[1];
        r.distance_au = v[2];
        rows.push_back(r);
    }
    if (!header) {
        why = path + ": no header line";
        return false;
    }
    return true;
}

namespace {
int centuryOf(const date2& d) {
    return d.annee < 1900 ? 1800 : d.annee < 2000 ? 1900 : d.annee < 2100 ? 2000 : 2100;
}

// The model's body with this English name, or null; `distance` gets the value to compare with
// the reference distance (the Sun's delta is 1 by convention, so its Earth-Sun distance).
const objetceleste* findBody(const systeme& model, const std::string& name, const date2& date,
                             double& distance) {
    const soleil* sun = model.sun();
    if (name == "Sun") {
        distance = sunEarthDistance(*sun, static_cast<double>(date.t));
        return sun;
    }
    for (int k = 0; k < model.planetCount(); ++k) {
        const planete* p = model.planet(k);
        if (!p) continue;
        if (englishName(p->nom) == name) {
            distance = p->delta;
            return p;
        }
        for (int j = 0; j < p->satelliteCount() && j < 2; ++j) {
            const satellite* s = p->getSatellite(j);
            if (s && englishName(s->nom) == name) {
                distance = s->delta;
                return s;
            }
        }
    }
    return nullptr;
}
} // namespace

AccuracyTable compareWithReference(systeme& model, const std::vector<ReferenceRow>& rows) {
    AccuracyTable table;
    long double computedAt = -1e30L;
    for (const ReferenceRow& r : rows) {
        if (r.date.t != computedAt) {
            model.computePositions(r.date, true);
            computedAt = r.date.t;
        }
        double distance = 0;
        const objetceleste* b = findBody(model, r.body, r.date, distance);
        if (!b) continue;
        double dRa = b->ra - r.ra_deg;
        dRa -= 360.0 * std::round(dRa / 360.0);
        const double cosDec = std::cos(degToRad(r.dec_deg));
        const double dRaCos = dRa * cosDec * 60, dDec = (b->dec - r.dec_deg) * 60;
        const double c = std::sin(degToRad(b->dec)) * std::sin(degToRad(r.dec_deg)) +
                         std::cos(degToRad(b->dec)) * cosDec * std::cos(degToRad(dRa));
        const double sep = radToDeg(std::acos(std::fmin(1.0, std::fmax(-1.0, c)))) * 60;
        const double rel = r.distance_au > 0 ? (distance - r.distance_au) / r.distance_au : 0;
        if (!table.stats.count(r.body)) table.bodyOrder.push_back(r.body);
        const std::string when = formatUtcDate(r.date);
        table.stats[r.body][centuryOf(r.date)].add(dRaCos, dDec, sep, rel, when);
        table.stats[r.body][-1].add(dRaCos, dDec, sep, rel, when);
    }
    return table;
}

int accuracyCommand(const std::vector<std::string>& args, std::FILE* out, std::FILE* err) {
    std::string referencePath, dataDir;
    for (size_t k = 0; k < args.size(); ++k) {
        if (args[k] == "--help" || args[k] == "-h") {
            std::fputs(
                "usage: nalvo-cli accuracy [--reference FILE] [--data DIR]\n"
                "Compares the positions of the Sun, the Moon and the planets with reference positions\n"
                "(default: astro_reference.csv of the source tree's tests/data) and prints, per body and\n"
                "century, the count, max and RMS error in RA x cos(dec) and in Dec (arcminutes), the\n"
                "largest separation (arcminutes) and the largest relative distance error.\n"
                "  --reference FILE  the reference CSV (date_utc,body,ra_deg,dec_deg,distance_au)\n"
                "  --data DIR        read Sys.syt and its files from DIR only\n",
                out);
            return 0;
        }
        std::string* target = args[k] == "--reference" ? &referencePath
                              : args[k] == "--data"    ? &dataDir
                                                       : nullptr;
        if (!target || k + 1 >= args.size() || args[k + 1].empty()) {
            std::fprintf(err, "nalvo-cli accuracy: %s\n",
                         target ? (args[k] + " needs a value").c_str()
                                : ("unknown argument '" + args[k] + "'").c_str());
            return 2;
        }
        *target = args[++k];
    }
    if (referencePath.empty())
        referencePath = joinPath(directoryOf(NALVO_SOURCE_DATA_DIR), "tests/data/astro_reference.csv");
    std::vector<ReferenceRow> rows;
    std::string why;
    if (!readReference(referencePath, rows, why)) {
        std::fprintf(err, "nalvo-cli accuracy: %s\n", why.c_str());
        return 1; // a file that cannot be read is a failure, not a bad argument
    }
    systeme model;
    std::string sysPath = dataDir.empty() ? findDataFile("Sys.syt") : joinPath(dataDir, "Sys.syt");
    if (!dataDir.empty()) model.lookupDirs = {dataDir};
    RecordingPrompter prompter;
    if (sysPath.empty() || model.load(sysPath, prompter) < 0 || !model.sun()) {
        std::fprintf(err, "nalvo-cli accuracy: cannot load %s%s%s\n",
                     sysPath.empty() ? "Sys.syt" : sysPath.c_str(), model.lastError.empty() ? "" : ": ",
                     model.lastError.c_str());
        return 1;
    }
    const AccuracyTable table = compareWithReference(model, rows);
    std::fprintf(out, "%-8s %-7s %5s %9s %9s %9s %9s %9s %10s  %s\n", "body", "century", "n", "maxRAcos",
                 "rmsRAcos", "maxDec", "rmsDec", "maxSep", "maxDist", "worst instant");
    for (const std::string& body : table.bodyOrder)
        for (const auto& [century, s] : table.stats.at(body)) {
            if (century == -1) continue;
            std::fprintf(out, "%-8s %-7d %5d %9.2f %9.2f %9.2f %9.2f %9.2f %10.2e  %s\n", body.c_str(),
                         century, s.count, s.maxRa, s.rmsRa(), s.maxDec, s.rmsDec(), s.maxSep, s.maxDistance,
                         s.worstDate.c_str());
        }
    std::fputs("all instants:\n", out);
    for (const std::string& body : table.bodyOrder) {
        const ErrorStats& s = table.stats.at(body).at(-1);
        std::fprintf(out, "%-8s %-7s %5d %9.2f %9.2f %9.2f %9.2f %9.2f %10.2e  %s\n", body.c_str(), "all",
                     s.count, s.maxRa, s.rmsRa(), s.maxDec, s.rmsDec(), s.maxSep, s.maxDistance,
                     s.worstDate.c_str());
    }
    return 0;
}
