// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/forecast.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "astro/angles.h"
#include "astro/planets.h"
#include "astro/sun.h"
#include "catalog/atomic_file.h"
#include "catalog/systeme.h"
#include "catalog/systeme_positions.h"
#include "reports/day_info.h"
#include "reports/jupiter_events_lines.h"
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
constexpr int kJupiter = 4;
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

// The Sun's apparent longitude (deg): the model's geometric longitude with the aberration
// (-20.5") and the nutation in longitude's main term (-17.2" sin of the Moon's node).
double apparentSunLongitude(const soleil& sun, double t) {
    const double node = 259.183275 - 1934.142 * t; // the Moon's ascending node, T from 1900
    return normalize360(sunLongitude(sun, t) - 0.005694 - 0.004778 * sinDeg(node));
}

// The equinox or solstice whose instant falls in the UT day of `date`, named for the observer's
// hemisphere (the seasons are the other way round south of the equator).
void appendSeason(std::string& out, const date2& date, const soleil& sun, double latitude_deg) {
    date2 midnight = date;
    midnight.heure = 0;
    midnight.minute = 0;
    midnight.calculeT();
    const double t0 = static_cast<double>(midnight.t), t1 = t0 + 1.0 / 36525;
    const double l0 = apparentSunLongitude(sun, t0), l1 = apparentSunLongitude(sun, t1);
    struct Season {
        double longitude_deg;
        const char* north;
        const char* south;
    };
    static constexpr Season kSeasons[] = {{0, "Spring equinox", "Automn equinox"},
                                          {90, "Summer solstice", "Winter solstice"},
                                          {180, "Automn equinox", "Spring equinox"},
                                          {270, "Winter solstice", "Summer solstice"}};
    for (const Season& s : kSeasons)
        if (reduce180(l0 - s.longitude_deg) < 0 && reduce180(l1 - s.longitude_deg) >= 0)
            out += latitude_deg >= 0 ? s.north : s.south;
}

// Angle between two places of the sky, degrees.
double separation(double ra1_deg, double dec1_deg, double ra2_deg, double dec2_deg) {
    const double c =
        sinDeg(dec1_deg) * sinDeg(dec2_deg) + cosDeg(dec1_deg) * cosDeg(dec2_deg) * cosDeg(ra1_deg - ra2_deg);
    return radToDeg(std::acos(std::clamp(c, -1.0, 1.0)));
}

// Whether a greatest elongation (a maximum of the angle from the Sun) of Mercury (0) or Venus (1)
// falls within 7 days of `date`: the model's elongation each day from 9 days before to 9 days
// after, a maximum refined by the parabola through its three days. Leaves the model at other
// dates: the caller recomputes it.
void greatestElongationsNear(systeme& model, const date2& date, bool nearMax[2]) {
    constexpr int kDays = 9;
    double e[2][2 * kDays + 1];
    for (int k = -kDays; k <= kDays; ++k) {
        date2 d = date;
        d.ajouteHeures(24 * k);
        d.calculeCalendrier();
        model.computePositions(d, false);
        const soleil& sun = *model.sun();
        for (int i = 0; i < 2; ++i) {
            const objetceleste& p = *model.planet(i);
            e[i][k + kDays] = separation(sun.ra, sun.dec, p.ra, p.dec);
        }
    }
    for (int i = 0; i < 2; ++i) {
        nearMax[i] = false;
        for (int k = 1; k < 2 * kDays; ++k) {
            const double a = e[i][k - 1], b = e[i][k], c = e[i][k + 1];
            if (!(a < b && b >= c)) continue;
            const double curvature = a - 2 * b + c;
            const double peak = k - kDays + (curvature != 0 ? 0.5 * (a - c) / curvature : 0);
            if (std::fabs(peak) <= 7) nearMax[i] = true;
        }
    }
}

constexpr double kAu_km = 149597870.7;

// Eclipses seen at one instant, from the model's Sun and Moon at that instant and the radii of
// their files.
struct EclipseSeen {
    bool sun = false, moon = false;
};
void checkEclipses(const systeme& model, const date2& date, double sunAltitude_deg, EclipseSeen& seen) {
    const soleil* sun = model.sun();
    const planete* earth = model.planet(2);
    const satellite* moonBody = earth ? earth->getSatellite(0) : nullptr;
    if (!sun || !moonBody || !(moonBody->delta > 0)) return;
    const double t = static_cast<double>(date.t);
    const double sunDistance_km = sunEarthDistance(*sun, t) * kAu_km;
    const double moonDistance_km = moonBody->delta * kAu_km;
    const double earthRadius_km = earth->rayon > 0 ? earth->rayon : 6378.14;
    const double sunRadius_deg = radToDeg(std::asin(std::min(1.0, sun->rayon / sunDistance_km)));
    // The Moon seen from the place: its parallax moves it by up to a degree.
    objetceleste moon = *moonBody;
    topocentricCorrection(moon, date, model.latitude, model.longitude);
    const double moonAltitude_deg =
        altitudeFromSiderealTime(moon.dec, moon.ra, siderealTime(date), model.latitude, model.longitude);
    const double topoDistance_km = moonDistance_km - earthRadius_km * sinDeg(moonAltitude_deg);
    const double moonRadiusTopo_deg = radToDeg(std::asin(std::min(1.0, moonBody->rayon / topoDistance_km)));
    if (sunAltitude_deg > 0 &&
        separation(sun->ra, sun->dec, moon.ra, moon.dec) < sunRadius_deg + moonRadiusTopo_deg)
        seen.sun = true;
    // The Earth's penumbra at the Moon's distance, enlarged by a fiftieth for the atmosphere.
    const double moonParallax_deg = radToDeg(std::asin(std::min(1.0, earthRadius_km / moonDistance_km)));
    const double sunParallax_deg = radToDeg(std::asin(earthRadius_km / sunDistance_km));
    const double penumbra_deg = 1.02 * (moonParallax_deg + sunParallax_deg + sunRadius_deg);
    const double moonRadius_deg = radToDeg(std::asin(std::min(1.0, moonBody->rayon / moonDistance_km)));
    if (moonAltitude_deg > 0 && separation(normalize360(sun->ra + 180), -sun->dec, moonBody->ra,
                                           moonBody->dec) < penumbra_deg + moonRadius_deg)
        seen.moon = true;
}

// Where a quantity that was `before` at one step and `after` at the next crosses zero, as the
// fraction (0 to 1) of the step, by linear interpolation.
double zeroFraction(double before, double after) {
    return before == after ? 0 : std::clamp(before / (before - after), 0.0, 1.0);
}

void appendPlanetResults(std::string& out, int index, const tabeveplanet& rec, const systeme& model,
                         bool nearGreatestElongation) {
    const objetceleste* planet = model.planet(index);
    const objetceleste* earth = model.planet(2);
    const char* name = rec.nom;
    const double hMax = rec.hauteurMax;
    out += "\n";
    if (index == 0 || index == 1) {
        // Every crossing lies between sunset and sunrise: a rising is a morning one, a setting an
        // evening one.
        for (const HorizonCrossing& c : rec.crossings)
            appendf(out, " %s %s %dh%d. %s %1.2f, %s %1.2f%%.\n", name,
                    c.rising ? "can be seen in the morning. It rises at"
                             : "can be seen in the evening. It sinks at",
                    c.hour, c.minute, "Its magnitude is worth", rec.magnitude, "and the visible part is",
                    rec.partieVisible);
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
        if (nearGreatestElongation) appendf(out, " %s %s\n", name, "is close to its greatest elongation.");
    } else {
        // In time order: a rising followed by a setting makes one sentence; a setting with no
        // rising before it ends a visibility that began at sunset; a rising with no setting after
        // it lasts until dawn.
        const std::vector<HorizonCrossing>& c = rec.crossings;
        for (size_t k = 0; k < c.size(); ++k) {
            if (c[k].rising && k + 1 < c.size()) {
                appendf(out,
                        "%s se l\xE8ve \xE0 %dh%d,et se couche \xE0 %dh%d. Elle est de magnitude %1.2f, et "
                        "la partie visible est de %1.2f%%.\n ",
                        name, c[k].hour, c[k].minute, c[k + 1].hour, c[k + 1].minute, rec.magnitude,
                        rec.partieVisible);
                ++k;
            } else if (c[k].rising) {
                appendf(out,
                        " %s se l\xE8ve \xE0 %dh%d, puis est visible jusqu'au jour. Elle est de magnitude "
                        "%1.2f, et la partie visible est de %1.2f%%.\n",
                        name, c[k].hour, c[k].minute, rec.magnitude, rec.partieVisible);
            } else {
                appendf(out,
                        " %s est visible du coucher du soleil jusqu'\xE0 son coucher \xE0 %dh%d. Elle est de "
                        "magnitude %1.2f, et la partie visible est de %1.2f%%.\n",
                        name, c[k].hour, c[k].minute, rec.magnitude, rec.partieVisible);
            }
        }
        // Below the horizon at sunset, no rising seen and never above it all night.
        if (rec.leverh == -10 && c.empty() && hMax < 0)
            appendf(out, "%s n'est pas visible cette nuit.\n ", name);
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
    bool nearGreatestElongation[2] = {false, false};
    greatestElongationsNear(model, date, nearGreatestElongation);
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
    // The eclipse lines come here but are known only once the search has reached the sunrise.
    const size_t eclipsePlace = out.size();
    appendShowers(out, date.jour, date.mois);
    appendSeason(out, date, *sun, model.latitude);
    appendDayInfo(date, out, options.infoDirs);

    // Minutes from the report's start instant to the current step.
    int elapsed = 0;
    const auto moveBoth = [&](int minutes) {
        date.ajouteMinutes(minutes);
        date.calculeCalendrier();
        followLocal();
        elapsed += minutes;
    };
    // Each altitude recomputes the model at the date; the place passed is the one the previous
    // computation left.
    const auto altitudeOf = [&](const objetceleste& body) {
        return altitudeAtDate(body.dec, body.ra, date, model);
    };
    // Eclipses from the report's start to the sunrise, checked at every step of the search.
    EclipseSeen eclipses;
    const auto checkStep = [&](double hSun) {
        if (elapsed >= 0) checkEclipses(model, date, hSun, eclipses);
    };
    const auto finish = [&](const char* sentence) {
        std::string lines;
        if (eclipses.sun) appendf(lines, "******%s******\n", "SUN ECLIPSE");
        if (eclipses.moon) appendf(lines, "******%s******\n", "MOON ECLIPSE");
        out.insert(eclipsePlace, lines);
        out += sentence;
        log("fin\n");
        return out;
    };
    // The local clock time `fraction` of a step after the step that began at local minute of the
    // day `startMinute`, rounded to the minute.
    const auto clockAt = [](int startMinute, double fraction, int& hour, int& minute) {
        const int m = (startMinute + static_cast<int>(std::floor(5 * fraction + 0.5))) % 1440;
        hour = m / 60;
        minute = m % 60;
    };
    const auto localMinute = [&] { return local.heure * 60 + local.minute; };

    log("planet\n");
    double hSun = altitudeOf(*sun);
    checkStep(hSun);
    // At night, back to the previous daylight so that the report covers the night of the date.
    for (int rounds = 0; hSun < 0 && rounds < kForecastMaxStepsBack; ++rounds) {
        hSun = altitudeOf(*sun);
        moveBoth(-10);
    }
    if (hSun < 0) return finish("Polar night!\n The sun stays below the horizon.\n");

    // The sunset: the step where the Sun's centre goes below the horizon, timed between the two
    // steps.
    int sunsetH = 0, sunsetM = 0;
    double sunsetMinutes = 0, sunsetFraction = 0;
    for (int n = 0; hSun > 0 && n < kForecastMaxSteps; ++n) {
        const double before = hSun;
        const int startMinute = localMinute();
        moveBoth(5);
        hSun = altitudeOf(*sun);
        checkStep(hSun);
        if (hSun < 0) {
            sunsetFraction = zeroFraction(before, hSun);
            sunsetMinutes = elapsed - 5 + 5 * sunsetFraction;
            clockAt(startMinute, sunsetFraction, sunsetH, sunsetM);
        }
    }
    log("S_COMMENT_CERCLE_POLAIRE_BRIDAGE\n");
    if (hSun >= 0) return finish("Polar circle!\n Jamming running.\n");

    // The planets one step before the sunset step, so that a crossing between the sunset and the
    // sunset step is seen too.
    std::vector<tabeveplanet> records(8);
    std::vector<double> previous(8, 0);
    int previousMinute = 0;
    {
        moveBoth(-5);
        previousMinute = localMinute();
        for (int i : kPlanetIndices)
            previous[static_cast<size_t>(i)] = altitudeOf(*model.planet(i));
        moveBoth(5);
    }
    for (int i : kPlanetIndices) {
        const objetceleste& p = *model.planet(i);
        tabeveplanet& rec = records[static_cast<size_t>(i)];
        std::snprintf(rec.nom, sizeof rec.nom, "%s", kPlanetNames[i]);
        const double h = altitudeOf(p);
        rec.magnitude = planetMagnitude(p);
        rec.partieVisible = visibleFraction(p) * 100;
        rec.elongation = sun->ra - p.ra;
        rec.ha = h;
        rec.hauteurMax = h;
        rec.leverm = rec.coucherh = -100;
        // The state at the sunset itself, between the two steps.
        const double before = previous[static_cast<size_t>(i)];
        rec.leverh = before + (h - before) * sunsetFraction >= 0 ? 100 : -10;
    }
    log("pure boucle\n");

    // Records a crossing of the horizon by planet `rec` between the step that began at
    // `startMinute` (altitude `before`) and the current one (altitude `after`).
    const auto crossingAt = [&](tabeveplanet& rec, double before, double after, int startMinute) {
        if ((before < 0) == (after < 0)) return;
        HorizonCrossing c;
        c.rising = after >= 0;
        const double fraction = zeroFraction(before, after);
        c.minutes = elapsed - 5 + 5 * fraction;
        clockAt(startMinute, fraction, c.hour, c.minute);
        rec.crossings.push_back(c);
    };
    for (int i : kPlanetIndices) {
        tabeveplanet& rec = records[static_cast<size_t>(i)];
        crossingAt(rec, previous[static_cast<size_t>(i)], rec.ha, previousMinute);
    }

    int steps = 0;
    double sunriseMinutes = 0;
    int sunriseH = 0, sunriseM = 0;
    while (hSun < 0) {
        if (steps++ == kForecastMaxSteps) {
            if (planetsOut) *planetsOut = records;
            return finish("Polar night!\n The sun stays below the horizon.\n");
        }
        const int startMinute = localMinute();
        moveBoth(5);
        log("has<0\n");
        for (int i : kPlanetIndices) {
            tabeveplanet& rec = records[static_cast<size_t>(i)];
            const double h = altitudeOf(*model.planet(i));
            log("for : i=\n");
            crossingAt(rec, rec.ha, h, startMinute);
            rec.ha = h;
            if (h > rec.hauteurMax) rec.hauteurMax = h;
            log("for planete\n");
        }
        log("fin for\n");
        const double before = hSun;
        hSun = altitudeOf(*sun);
        if (hSun < 0) {
            checkStep(hSun);
        } else {
            const double fraction = zeroFraction(before, hSun);
            sunriseMinutes = elapsed - 5 + 5 * fraction;
            clockAt(startMinute, fraction, sunriseH, sunriseM);
        }
        log("has:\n");
    }
    log("fin while\n");
    log("else\n");
    log("exploitons nos donnees\n");

    // Only the crossings between the sunset and the sunrise belong to the night.
    for (int i : kPlanetIndices) {
        tabeveplanet& rec = records[static_cast<size_t>(i)];
        std::erase_if(rec.crossings, [&](const HorizonCrossing& c) {
            return c.minutes < sunsetMinutes || c.minutes > sunriseMinutes;
        });
        for (const HorizonCrossing& c : rec.crossings) {
            if (c.rising && rec.leverm == -100) {
                rec.leverh = c.hour;
                rec.leverm = c.minute;
            }
            if (!c.rising && rec.coucherh == -100) {
                rec.coucherh = c.hour;
                rec.coucherm = c.minute;
            }
        }
    }

    std::string night;
    appendf(night, "\n%s %dh%d, %s %dh%d.\n", "The sun rise at", sunriseH, sunriseM, "it shink at", sunsetH,
            sunsetM);
    for (int i : kPlanetIndices) {
        appendPlanetResults(night, i, records[static_cast<size_t>(i)], model,
                            i < 2 && nearGreatestElongation[i]);
        // The events of Jupiter's moons between the sunset and the current step (the first with
        // the Sun up); the lines keep those with the Sun down and Jupiter up.
        if (i == kJupiter)
            appendJupiterMoonEventLines(night, model, date,
                                        static_cast<int>(std::lround(elapsed - sunsetMinutes)));
    }
    if (planetsOut) *planetsOut = records;
    return finish(night.c_str());
}

bool writeForecast(date2& date, systeme& model, const std::string& path, const ForecastOptions& options,
                   std::string& error) {
    const std::string text = forecastText(model, date, options);
    return writeFileAtomically(path, text, &error);
}

} // namespace reports
