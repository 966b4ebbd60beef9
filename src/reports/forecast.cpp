#include "reports/forecast.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "astro/angles.h"
#include "astro/planets.h"
#include "catalog/atomic_file.h"
#include "catalog/systeme.h"
#include "catalog/systeme_positions.h"
#include "reports/day_info.h"
#include "reports/report_text.h"

namespace reports {

namespace {

// The trace of the search, one line at a time. Each line is flushed as soon as it is written so
// that the file shows how far the search went even if the program stops in the middle.
class Trace {
  public:
    explicit Trace(const std::string& path) {
        if (!path.empty()) file_ = std::fopen(path.c_str(), "wb");
    }
    ~Trace() {
        if (file_) std::fclose(file_);
    }
    Trace(const Trace&) = delete;
    Trace& operator=(const Trace&) = delete;
    void operator()(const char* line) {
        if (!file_) return;
        std::fputs(line, file_);
        std::fflush(file_);
    }

  private:
    std::FILE* file_ = nullptr;
};

// Mercury to Neptune: the model's planet indices (the Earth, index 2, has no entry).
constexpr int kPlanetIndices[] = {0, 1, 3, 4, 5, 6, 7};
constexpr const char* kPlanetNames[8] = {"Mercury", "Venus",  "",       "Mars",
                                         "Jupiter", "Saturn", "Uranus", "Neptune"};

double reduce180(double deg) {
    double r = std::fmod(deg + 180.0, 360.0);
    if (r < 0) r += 360.0;
    return r - 180.0;
}

void appendShowers(std::string& out, int day, int month) {
    const auto between = [&](int m, int first, int last) {
        return month == m && day >= first && day <= last;
    };
    if (between(1, 2, 3))
        appendf(out, "%s %s %s %s. %s.\n", "shooting star of", "Bootis", "visible near the constellation",
                "of Bootis", "Medium speed");
    if (between(4, 16, 22))
        appendf(out, "%s %s %s %s. %s %s. %s.\n", "shooting star of", "Lyra",
                "visible near the constellation", "of Lyra", "More near", "of Vega", "Quick");
    if (month == 5 && (day == 1 || day == 16))
        appendf(out, "%s %s %s %s. %s %s. %s.\n", "shooting star of", "alpha Aquarids",
                "visible near the constellation", "of Aquarii", "More near", "of alpha Verseau",
                "very quick");
    if (between(7, 25, 30))
        appendf(out, "%s %s %s %s. %s %s. %s.\n", "shooting star of", "delta Aquarids",
                "visible near the constellation", "of Aquarii", "More near", "of delta Verseau", "Slow");
    if (between(8, 10, 12))
        appendf(out, "%s %s %s %s. %s %s. %s. %s. %s.\n", "shooting star of", "Perseids",
                "visible near the constellation", "of Persei", "More near", "of Algol", "Quick",
                "One of the most beautifull meteor shower", "Better observation the morning");
    if (between(10, 8, 10))
        appendf(out, "%s %s %s %s. %s.\n", "shooting star of", "Draconids", "visible near the constellation",
                "of Draconis", "Medium speed");
    if (between(11, 9, 17))
        appendf(out, "%s %s %s %s. %s.\n", "shooting star of", "Andromedids",
                "visible near the constellation", "of Andromedae", "Very slow");
    if (between(12, 1, 12))
        appendf(out, "%s %s %s %s. %s.\n", "shooting star of", "Geminids", "visible near the constellation",
                "of Geminorum", "Medium speed, white, quite numerous");
}

void appendSeason(std::string& out, int day, int month) {
    if (month == 6 && day == 21) out += "Summer solstice";
    if (month == 12 && day == 21) out += "Winter solstice";
    if (month == 3 && day == 23) out += "Spring equinox";
    if (month == 9 && day == 23) out += "Automn equinox";
}

bool within(int v, int lo, int hiExclusive) {
    return v >= lo && v < hiExclusive;
}

void appendPlanetResults(std::string& out, int index, const tabeveplanet& rec, const systeme& model) {
    const objetceleste* planet = model.planet(index);
    const objetceleste* earth = model.planet(2);
    const char* name = rec.nom;
    const double hMax = rec.hauteurMax;
    out += "\n";
    if (index == 0 || index == 1) {
        if (within(rec.leverh, 0, 25))
            appendf(out, " %s %s %dh%d. %s %1.2f, %s %1.2f%%.\n", name,
                    "can be seen in the morning. It rises at", rec.leverh, rec.leverm,
                    "Its magnitude is worth", rec.magnitude, "and the visible part is", rec.partieVisible);
        if (within(rec.coucherh, 0, 25))
            appendf(out, " %s %s %dh%d. %s %1.2f, %s %1.2f%%.\n", name,
                    "can be seen in the evening. It sinks at", rec.coucherh, rec.coucherm,
                    "Its magnitude is worth", rec.magnitude, "and the visible part is", rec.partieVisible);
        // The difference of right ascensions is taken across 0h as well.
        const double e = std::fabs(reduce180(rec.elongation));
        if (e < 6 && e != 2 && planet && earth)
            appendf(out, " %s %s\n", name,
                    earth->r > planet->delta
                        ? "is close to its inferior conjunction (=closest of the earth)."
                        : "is close to its superior conjunction (=furthest of the earth).");
    }
    if (index == 0 || index == 1) {
        const bool mercury = index == 0;
        const char* word = nullptr;
        if (mercury) {
            if (hMax > 0 && hMax < 8) word = "medium";
            if (hMax > 8 && hMax < 10) word = "good";
            if (hMax > 10 && hMax < 20) word = "optimum";
        } else {
            if (hMax > 0 && hMax < 10) word = "medium";
            if (hMax > 10 && hMax < 20) word = "good";
            if (hMax > 20 && hMax < 90) word = "optimum";
        }
        if (word)
            appendf(out, " %s %s %3.2f\xB0 %s %s.\n", name, "climbs at", hMax,
                    "hight in the sky the condition to watch it are", word);
        if (std::fabs(hMax - (mercury ? 15.0 : 20.0)) < 5)
            appendf(out, " %s %s\n", name, "is close to its greatest elongation.");
    } else {
        const bool rises = within(rec.leverh, 0, 25);
        if (rises && rec.coucherh == -100)
            appendf(out,
                    " %s se l\xE8ve \xE0 %dh%d, puis est visible jusqu'au jour. Elle est de magnitude %1.2f, "
                    "et la "
                    "partie visible est de %1.2f%%.\n",
                    name, rec.leverh, rec.leverm, rec.magnitude, rec.partieVisible);
        if (within(rec.coucherh, 0, 25) && (rec.leverh < 0 || rec.leverh > 25))
            appendf(out,
                    " %s est visible du coucher du soleil jusqu'\xE0 son coucher \xE0 %dh%d. Elle est de "
                    "magnitude "
                    "%1.2f, et la partie visible est de %1.2f%%.\n",
                    name, rec.coucherh, rec.coucherm, rec.magnitude, rec.partieVisible);
        if (rises && rec.coucherh != -100)
            appendf(
                out,
                "%s se l\xE8ve \xE0 %dh%d,et se couche \xE0 %dh%d. Elle est de magnitude %1.2f, et la partie "
                "visible est de %1.2f%%.\n ",
                name, rec.leverh, rec.leverm, rec.coucherh, rec.coucherm, rec.magnitude, rec.partieVisible);
        // Below the horizon at sunset, no rising seen and never above it all night.
        if (rec.leverh == -10 && hMax < 0) appendf(out, "%s n'est pas visible cette nuit.\n ", name);
    }

    const double x = normalize360(rec.elongation);
    const auto near = [&](double centre, double lo, double hi) {
        const double d = std::fabs(x - centre);
        return d > lo && d < hi;
    };
    const auto close = [&](double centre) { return std::fabs(x - centre) <= 3; };
    if (near(0, 3, 6) || near(360, 3, 6)) appendf(out, " %s %s\n", name, "is nearly in conjunction.");
    if (close(0) || close(360)) appendf(out, " %s %s\n", name, "is exactly in conjunction.");
    if (near(180, 3, 6))
        appendf(out, " %s %s\n", name, "is very close of its opposition (other side of the sun).");
    if (close(180)) appendf(out, " %s %s\n", name, "is close of its opposition (other side of the sun).");
    if (near(90, 3, 6) || near(270, 3, 6)) appendf(out, " %s %s\n", name, "is in quadrature.");
    if (close(90) || close(270)) appendf(out, " %s %s\n", name, "is exactly in quadrature.");

    if (hMax > 5) {
        appendf(out, " %s %s %3.2f\xB0 %s", name, "will climb at", hMax, "in the sky.");
        if (hMax > 30) appendf(out, " %s\n", "It will be easy to see.");
        if (hMax > 15 && hMax < 30) appendf(out, " %s\n", "It will be a little low.");
        if (hMax > 5 && hMax < 15) appendf(out, " %s.\n", "It will be very low.");
    }
}

} // namespace

std::string forecastText(systeme& model, date2& date, const ForecastOptions& options,
                         std::vector<tabeveplanet>* planetsOut) {
    Trace log(options.logPath);
    log("LOGFILE PREVISION -- NALVO\n");
    std::string out;
    soleil* sun = model.sun();
    if (!sun || model.planetCount() < 8) return out;

    date.calculeCalendrier();
    model.computePositions(date, true);
    // The local time in which the report's times are written, at the instant of `date`: the
    // place's offset follows the date, so that a night across a change of summer time is right.
    date2 local;
    const auto followLocal = [&] {
        local = date;
        local.ajouteHeuresReel(date.placeOffset_h());
        local.calculeCalendrier();
    };
    followLocal();

    appendf(out, "%s %s.\n %s %2.2f.\n", "The time correspond to local time of", model.cityName,
            "The diferrence with GMT is", date.placeOffset_h());
    appendf(out, "%s : %d %d %d \n %s %f\n", "Date", date.jour, date.mois, date.annee, "Julien day",
            static_cast<double>(date.t * 36525 + 2415020));

    // Eclipses at the report's instant, from the geocentric Sun and Moon.
    const planete* earth = model.planet(2);
    if (const satellite* moon = earth ? earth->getSatellite(0) : nullptr) {
        if (std::fabs(reduce180(sun->ra - moon->ra)) < 0.5 &&
            std::fabs(reduce180(sun->dec - moon->dec)) < 0.5)
            appendf(out, "******%s******\n", "SUN ECLIPSE");
        if (std::fabs(reduce180(sun->ra - moon->ra - 180)) < 0.5 && std::fabs(sun->dec + moon->dec) < 0.5)
            appendf(out, "******%s******\n", "MOON ECLIPSE");
    }
    appendShowers(out, date.jour, date.mois);
    appendSeason(out, date.jour, date.mois);
    appendDayInfo(date, out, options.infoDirs);

    const auto moveBoth = [&](int minutes) {
        date.ajouteMinutes(minutes);
        date.calculeCalendrier();
        followLocal();
    };
    // Each altitude recomputes the model at the date; the place passed is the one the previous
    // computation left.
    const auto altitudeOf = [&](const objetceleste& body) {
        return altitudeAtDate(body.dec, body.ra, date, model);
    };
    const auto finish = [&](const char* sentence) {
        out += sentence;
        log("fin\n");
        return out;
    };

    log("planet\n");
    double hSun = altitudeOf(*sun);
    // At night, back to the previous daylight so that the report covers the night of the date.
    for (int rounds = 0; hSun < 0 && rounds < kForecastMaxStepsBack; ++rounds) {
        hSun = altitudeOf(*sun);
        moveBoth(-10);
    }
    if (hSun < 0) return finish("Polar night!\n The sun stays below the horizon.\n");

    int sunsetH = 0, sunsetM = 0;
    for (int n = 0; hSun > 0 && n < kForecastMaxSteps; ++n) {
        moveBoth(5);
        hSun = altitudeOf(*sun);
        if (hSun < 0) {
            sunsetH = local.heure;
            sunsetM = local.minute;
        }
    }
    log("S_COMMENT_CERCLE_POLAIRE_BRIDAGE\n");
    if (hSun >= 0) return finish("Polar circle!\n Jamming running.\n");

    std::vector<tabeveplanet> records(8);
    for (int i : kPlanetIndices) {
        const objetceleste& p = *model.planet(i);
        tabeveplanet& rec = records[static_cast<size_t>(i)];
        std::snprintf(rec.nom, sizeof rec.nom, "%s", kPlanetNames[i]);
        rec.magnitude = planetMagnitude(p);
        rec.partieVisible = visibleFraction(p) * 100;
        rec.elongation = sun->ra - p.ra;
        const double h = altitudeOf(p);
        rec.leverh = h > 1.3 ? 100 : h < 0 ? -10 : -20;
        rec.leverm = rec.coucherh = -100;
        rec.ha = h;
        rec.hauteurMax = h;
    }
    log("pure boucle\n");

    int steps = 0;
    while (hSun < 0) {
        if (steps++ == kForecastMaxSteps) {
            if (planetsOut) *planetsOut = records;
            return finish("Polar night!\n The sun stays below the horizon.\n");
        }
        moveBoth(5);
        log("has<0\n");
        for (int i : kPlanetIndices) {
            tabeveplanet& rec = records[static_cast<size_t>(i)];
            const double h = altitudeOf(*model.planet(i));
            log("for : i=\n");
            const auto riseNow = [&] {
                rec.leverh = local.heure;
                rec.leverm = local.minute;
            };
            const auto setNow = [&] {
                rec.coucherh = local.heure;
                rec.coucherm = local.minute;
            };
            if (rec.leverh == -20) {
                // Between 0 and 1.3 deg at sunset: the first movement decides. The band test
                // below is not applied in the same step, which would also take the rising for a
                // setting.
                log("  tabeveplanet[i].leverh==-20\n");
                if (h > rec.ha) {
                    riseNow();
                    rec.ha = h;
                    log("  ha>tabeveplanet[i].ha\n");
                }
                if (h < rec.ha) {
                    setNow();
                    rec.leverh = 100;
                    rec.ha = h;
                    log("  ha<tabeveplanet[i].ha\n");
                }
                log("  }\n");
            } else if (h > 0 && h < 1.3) {
                if (rec.leverh >= 0) {
                    log("tabeveplanet[i].leverh>=0\n");
                    if (rec.ha >= h) {
                        setNow();
                        rec.ha = h;
                        log("  **tabeveplanet[i].ha=ha;\n");
                    }
                }
                if (rec.leverh == -10) {
                    log("  tabeveplanet[i].leverh==-10\n");
                    if (rec.ha <= h) {
                        riseNow();
                        rec.ha = h;
                    }
                }
                rec.ha = h;
                log("  *-*tabeveplanet[i].ha=ha\n");
            }
            // The last altitude seen, every step: the band tests above compare with the step
            // before, so that a setting is recognised by the planet going down.
            rec.ha = h;
            if (h > rec.hauteurMax) rec.hauteurMax = h;
            log("for planete\n");
        }
        log("fin for\n");
        hSun = altitudeOf(*sun);
        log("has:\n");
    }
    log("fin while\n");
    const int sunriseH = local.heure, sunriseM = local.minute;
    log("else\n");
    log("exploitons nos donnees\n");

    appendf(out, "\n%s %dh%d, %s %dh%d.\n", "The sun rise at", sunriseH, sunriseM, "it shink at", sunsetH,
            sunsetM);
    for (int i : kPlanetIndices)
        appendPlanetResults(out, i, records[static_cast<size_t>(i)], model);
    if (planetsOut) *planetsOut = records;
    log("fin\n");
    return out;
}

bool writeForecast(date2& date, systeme& model, const std::string& path, const ForecastOptions& options,
                   std::string& error) {
    const std::string text = forecastText(model, date, options);
    return writeFileAtomically(path, text, &error);
}

} // namespace reports
