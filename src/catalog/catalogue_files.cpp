// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/catalogue_files.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "astro/date2.h"
#include "catalog/body_files.h"
#include "catalog/scan.h"
#include "catalog/systeme.h"

namespace {

constexpr std::size_t kMaxNotes = 20; // per file; a badly damaged file would give thousands

void note(ReaderNotes* notes, std::FILE* f, const std::string& text) {
    if (!notes || notes->size() > kMaxNotes) return;
    if (notes->size() == kMaxNotes)
        notes->push_back("further notes left out");
    else
        notes->push_back("line " + std::to_string(currentLine(f)) + ": " + text);
}

template <std::size_t N> void copyWord(char (&dst)[N], const char* src) {
    std::strncpy(dst, src, N - 1);
    dst[N - 1] = '\0';
}

// A count read from a file, within 0 and `capacity`; a larger count is noted.
int boundedCount(int count, int capacity, ReaderNotes* notes, std::FILE* f, const char* what) {
    if (count < 0) {
        note(notes, f, std::string("negative count of ") + what + " taken as 0");
        return 0;
    }
    if (count > capacity) {
        note(notes, f,
             std::to_string(count) + " " + what + ", only the first " + std::to_string(capacity) +
                 " are kept");
        return capacity;
    }
    return count;
}

} // namespace

int translateNgcType(int code) {
    switch (code) {
    case 7:
        return 4;
    case 6:
        return 8;
    case 4:
        return 6;
    case 3:
        return 2;
    case 2:
        return 3;
    default:
        return code;
    }
}

double calendarDateToT(int year, int month, int day) {
    date2 d;
    d.annee = year;
    d.mois = month;
    d.jour = day;
    d.heure = 0;
    d.minute = 0;
    d.calculeT();
    return static_cast<double>(d.t);
}

int readConstellationFile(std::FILE* f, systeme& sys, ReaderNotes* notes) {
    for (auto& c : sys.constellations)
        c.reset();
    sys.nbConstellations = 0;
    int total = 0;
    int count = 0;
    total += scanTotal(f, "Nombre de constellations:%d", {&count});
    const int fileCount = count;
    count = boundedCount(count, kMaxConstellations, notes, f, "constellations");
    for (int c = 0; c < count; ++c) {
        auto rec = std::make_unique<::constellation>();
        int number = 0, stars = 0;
        total += scanTotal(f, "\n%d %s %s %d %d %d %d %d",
                           {&number, rec->nom, rec->abbrev, &rec->values[0], &rec->values[1], &rec->values[2],
                            &rec->values[3], &stars});
        if (stars < 0) stars = 0;
        if (stars > kMaxConstellationStars)
            note(notes, f,
                 std::string(rec->nom) + ": " + std::to_string(stars) + " stars, only the first " +
                     std::to_string(kMaxConstellationStars) + " are kept");
        for (int s = 0; s < stars; ++s) {
            etoile star;
            int id = 0, rah = 0, ram = 0, ras = 0, decd = 0, decm = 0, decs = 0, link = -1;
            const int r = scanFile(f, "\n%d %s %s %s %d %d %d %d %d %d %lf %d",
                                   {&id, star.word1, star.word2, star.word3, &rah, &ram, &ras, &decd, &decm,
                                    &decs, &star.mag, &link});
            total += r - 1;
            const double sign = (decd < 0 || decm < 0) ? -1.0 : 1.0;
            star.dec = sign * (std::abs(decd) + std::abs(decm) / 60.0 + std::abs(decs) / 3600.0);
            star.ra = (std::abs(rah) + std::abs(ram) / 60.0 + std::abs(ras) / 3600.0) * 15.0;
            // Links: the list goes on while the value is a plausible index; the value that ends
            // it (normally -1) is read too. A scan that fails ends the list.
            int stored = 0;
            while (r == 12 && link >= 0 && link <= fileCount && stored < kMaxStarLinks) {
                star.links[stored++] = link;
                link = -1;
                if (scanFile(f, " %d", {&link}) != 1) break;
            }
            star.links[stored] = -1;
            if (s < kMaxConstellationStars)
                rec->stars[s] = std::make_unique<etoile>(star);
            else if (r != 12)
                break; // past the table: stop at the first line that does not read
        }
        rec->nbStars = std::min(stars, kMaxConstellationStars);
        // A link to a star that the constellation does not hold could not be drawn: drop it.
        for (int s = 0; s < rec->nbStars; ++s) {
            int32_t* links = rec->stars[s]->links;
            int kept = 0;
            for (int k = 0; k < kMaxStarLinks && links[k] >= 0; ++k) {
                if (links[k] < rec->nbStars)
                    links[kept++] = links[k];
                else
                    note(notes, f,
                         std::string(rec->nom) + ": link to star " + std::to_string(links[k]) + " of " +
                             std::to_string(rec->nbStars) + " dropped");
            }
            for (int k = kept; k < 10; ++k)
                links[k] = -1;
        }
        sys.constellations[c] = std::move(rec);
        sys.nbConstellations = c + 1;
    }
    return total;
}

int readMessierFile(std::FILE* f, systeme& sys, ReaderNotes* notes) {
    for (auto& o : sys.deepSkyObjects)
        o.reset();
    sys.nbDeepSky = 0;
    int total = 0;
    int count = 0;
    total += scanTotal(f, "Nombre d'objets:%d", {&count});
    count = boundedCount(count, kMaxDeepSky, notes, f, "Messier objects");
    for (int k = 0; k < count; ++k) {
        auto o = std::make_unique<ngc>();
        int number = 0, rah = 0, decd = 0, decm = 0;
        double ram = 0;
        total += scanTotal(f,
                           "\n\nM:%d\nType:%d\nNom:%s\nCoordonn\xE9"
                           "es:%d %lf %d %d %lf",
                           {&number, &o->type, o->nom, &rah, &ram, &decd, &decm, &o->mag});
        o->ra = (rah + ram / 60.0) * 15.0;
        o->dec = decd >= 0 ? decd + decm / 60.0 : decd - decm / 60.0;
        std::snprintf(o->designation, sizeof o->designation, "M%d", number);
        sys.deepSkyObjects[k] = std::move(o);
    }
    sys.nbDeepSky = count;
    return total;
}

int readNgcFile(std::FILE* f, systeme& sys, ReaderNotes* notes) {
    int total = 0;
    int count = 0;
    total += scanTotal(f, "Nombre:%d", {&count});
    count =
        boundedCount(count, kMaxDeepSky - sys.nbDeepSky, notes, f, "NGC objects after the Messier objects");
    const int first = sys.nbDeepSky;
    for (int k = 0; k < count; ++k) {
        auto o = std::make_unique<ngc>();
        int number = 0, type = 0, rah = 0, decd = 0, decm = 0;
        double ram = 0;
        total += scanTotal(f, "\nNGC:%d\n%d %d %lf %d %d", {&number, &type, &rah, &ram, &decd, &decm});
        o->type = translateNgcType(type);
        o->ra = (rah + ram / 60.0) * 15.0;
        o->dec = decd >= 0 ? decd + decm / 60.0 : decd - decm / 60.0;
        copyWord(o->nom, "_");
        std::snprintf(o->designation, sizeof o->designation, "NGC%d", number);
        sys.deepSkyObjects[first + k] = std::move(o);
    }
    sys.nbDeepSky = first + count;
    return total;
}

namespace {

// `count` points "\nPt:%d %lf %lf"; those beyond `capacity` are read and dropped.
template <std::size_t N>
int readMilkyWayLine(std::FILE* f, int count, MilkyWayPoint (&points)[N], int32_t& stored,
                     ReaderNotes* notes) {
    int total = 0;
    if (count < 0) count = 0;
    if (count > static_cast<int>(N))
        note(notes, f,
             "Milky Way line of " + std::to_string(count) + " points, only the first " + std::to_string(N) +
                 " are kept");
    stored = 0;
    for (int k = 0; k < count; ++k) {
        int h = 0;
        double m = 0, dec = 0;
        const int r = scanFile(f, "\nPt:%d %lf %lf", {&h, &m, &dec});
        if (k >= static_cast<int>(N)) {
            if (r != 3) break; // past the table: stop at the first unreadable point
        }
        total += r - 1;
        if (k < static_cast<int>(N)) {
            points[k] = MilkyWayPoint{(h + m / 60.0) * 15.0, dec};
            stored = k + 1;
        }
    }
    return total;
}

} // namespace

int readMilkyWayFile(std::FILE* f, Lactee& mw, ReaderNotes* notes) {
    mw = Lactee{};
    int total = 0;
    int count = 0;
    total += scanTotal(f, "Ligne_1\nN1:%d", {&count});
    total += readMilkyWayLine(f, count, mw.line1, mw.count1, notes);
    count = 0;
    total += scanTotal(f, "\nFin_1\n\nLigne_2\nN2:%d", {&count});
    total += readMilkyWayLine(f, count, mw.line2, mw.count2, notes);
    return total;
}

int readCometFile(std::FILE* f, systeme& sys, ReaderNotes* notes) {
    sys.comets.clear();
    sys.nbComets = 0;
    sys.selectedComets.fill(-1);
    int total = 0;
    int count = 0;
    total += scanTotal(f, "Nombre:%d\n", {&count});
    count = boundedCount(count, kMaxComets, notes, f, "comets and asteroids");
    sys.comets.reserve(static_cast<std::size_t>(count));
    for (int k = 0; k < count; ++k) {
        // Once the input has ended, each of a record's six scans would find nothing and add
        // (EOF - 1): add that for the records still counted, with one note, and stop.
        const int next = std::getc(f);
        if (next == EOF) {
            constexpr int kScansPerRecord = 6;
            total += (count - k) * kScansPerRecord * (EOF - 1);
            note(notes, f,
                 "the file ends after " + std::to_string(k) + " of the " + std::to_string(count) +
                     " comets and asteroids it announces");
            break;
        }
        std::ungetc(next, f);
        const long recordStart = std::ftell(f);
        int recordTotal = 0;
        auto c = std::make_unique<::comet>();
        copyWord(c->couleur, "gris");
        c->rayon = 10.0;
        recordTotal += scanTotal(f, "\nNom:%s", {c->nom});
        recordTotal += scanTotal(f, "\na:%lf\ne:%lf\nI:%lf\no:%lf\nO:%lf\n",
                                 {&c->a[0], &c->e[0], &c->i[0], &c->o[0], &c->O[0]});
        int month = 0, day = 0, year = 0;
        recordTotal += scanTotal(f, "\ntperi:%d/%d/%d\n", {&month, &day, &year});
        float equinox = 0;
        recordTotal += scanTotal(f, "tequi:%f\n", {&equinox});
        float mag0 = 0, mag1 = 0;
        recordTotal += scanTotal(f, "mag:%f ", {&mag0});
        recordTotal += scanTotal(f, "%f\n", {&mag1});
        total += recordTotal;
        c->mag[0] = mag0;
        c->mag[1] = mag1;
        // Far outside the calendar the program handles, the dates are not meaningful: keep T 0.
        const bool plausibleYear = year > -100000 && year < 100000;
        const int equinoxYear =
            std::isfinite(equinox) && std::fabs(equinox) < 100000.0f ? static_cast<int>(equinox) : 0;
        c->setTimes(plausibleYear ? calendarDateToT(year, month, day) : 0.0,
                    equinoxYear != 0 ? calendarDateToT(equinoxYear, 1, 1) : 0.0);
        // The position theory solves Kepler's equation of an ellipse: a parabolic or hyperbolic
        // orbit (a hand-edited file can hold one) would give no position at all.
        const double a = c->a[0], e = c->e[0];
        const bool ellipse = a > 0 && std::isfinite(a) && e >= 0 && e < 1 && std::isfinite(c->i[0]) &&
                             std::isfinite(c->o[0]) && std::isfinite(c->O[0]);
        if (!ellipse) {
            const std::string why =
                std::string(c->nom) + " left out: its orbit is not an ellipse (a <= 0 or e outside 0-1)";
            note(notes, f, why);
            // A record that read nothing left the stream where it was (a mismatch at the same
            // byte): every record after it reads the same nothing, with the same total and note.
            if (recordStart >= 0 && std::ftell(f) == recordStart) {
                total += (count - k - 1) * recordTotal;
                for (int rest = count - k - 1; rest > 0 && notes && notes->size() <= kMaxNotes; --rest)
                    note(notes, f, why);
                break;
            }
            continue;
        }
        sys.comets.push_back(std::move(c));
    }
    sys.nbComets = static_cast<int>(sys.comets.size());
    return total;
}

int readBorderFile(std::FILE* f, systeme& sys, ReaderNotes* notes) {
    sys.nbBorderPoints = 0;
    sys.nbBorderLines = 0;
    std::memset(sys.borderTitle, 0, sizeof sys.borderTitle);
    int total = 0;
    int count = 0;
    total += scanTotal(f, "%d\n", {&count});
    const int points = boundedCount(count, kMaxBorderPoints, notes, f, "border points");
    for (int k = 0; k < std::max(count, 0); ++k) {
        int rah = 0, ram = 0, decd = 0, decm = 0, decs = 0;
        double ras = 0;
        const int r = scanFile(f, "%d %d %lf %d %d %d\n", {&rah, &ram, &ras, &decd, &decm, &decs});
        if (k >= points && r != 6) break;
        total += r - 1;
        if (k < points) {
            sys.borderPoints[k] =
                BorderPoint{decd + decm / 60.0 + decs / 3600.0, (rah + ram / 60.0 + ras / 3600.0) * 15.0};
            sys.nbBorderPoints = k + 1;
        }
    }
    sys.nbBorderPoints = points;
    int lines = 0;
    total += scanTotal(f, "\n%d\n%s\n", {&lines, sys.borderTitle});
    const int fileLines = lines;
    lines = boundedCount(lines, kMaxBorderLines, notes, f, "border lines");
    for (int l = 0; l < std::max(fileLines, 0); ++l) {
        BorderLine line;
        int n = 0;
        const int r = scanFile(f, "%d", {&n});
        if (l >= lines && r != 1) break;
        total += r - 1;
        if (n > kMaxBorderLinePoints)
            note(notes, f,
                 "border line of " + std::to_string(n) + " points, only the first " +
                     std::to_string(kMaxBorderLinePoints) + " are kept");
        for (int k = 0; k < n; ++k) {
            int index = 0;
            const int ri = scanFile(f, " %d", {&index});
            if (ri != 1 && k >= kMaxBorderLinePoints) break;
            total += ri - 1;
            if (k >= kMaxBorderLinePoints) continue;
            // An index outside the points read could not be drawn: drop it.
            if (index >= 0 && index < sys.nbBorderPoints)
                line.points[line.count++] = index;
            else
                note(notes, f, "border point index " + std::to_string(index) + " out of range, dropped");
        }
        total += scanTotal(f, "\n%s\n", {line.name});
        if (l < lines) {
            sys.borderLines[l] = line;
            sys.nbBorderLines = l + 1;
        }
    }
    return total;
}
