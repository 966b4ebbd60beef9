// SPDX-License-Identifier: GPL-3.0-or-later
// Costs of the ephemeris routines: the whole model (Sun, nine planets, the Moon) and each routine.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>

#include "astro/angles.h"
#include "astro/moon.h"
#include "astro/planets.h"
#include "astro/sun.h"
#include "catalog/prompter.h"
#include "catalog/systeme.h"

namespace {
date2 benchDate() {
    date2 d;
    d.annee = 2026;
    d.mois = 12;
    d.jour = 9;
    d.heure = 21;
    d.calculeT();
    return d;
}

systeme& shippedModel() {
    static systeme model;
    static bool loaded = false;
    if (!loaded) {
        RecordingPrompter prompter;
        model.lookupDirs = {NALVO_SOURCE_DATA_DIR};
        if (model.load(std::string(NALVO_SOURCE_DATA_DIR) + "/Sys.syt", prompter) < 0) std::abort();
        loaded = true;
    }
    return model;
}

// Each iteration moves the date by a minute so that nothing is computed once and reused.
void BM_ComputePositionsWithSatellites(benchmark::State& state) {
    systeme& model = shippedModel();
    date2 d = benchDate();
    for (auto _ : state) {
        d.ajouteMinutes(1);
        model.computePositions(d, true);
        benchmark::DoNotOptimize(model.planet(2)->getSatellite(0)->ra);
    }
}
BENCHMARK(BM_ComputePositionsWithSatellites);

void BM_SunPosition(benchmark::State& state) {
    soleil& sun = *shippedModel().sun();
    date2 d = benchDate();
    for (auto _ : state) {
        d.ajouteMinutes(1);
        sunPosition(sun, d);
        benchmark::DoNotOptimize(sun.ra);
    }
}
BENCHMARK(BM_SunPosition);

void BM_PlanetPosition(benchmark::State& state) {
    systeme& model = shippedModel();
    planete& jupiter = *model.planet(4);
    date2 d = benchDate();
    for (auto _ : state) {
        d.ajouteMinutes(1);
        planetPosition(jupiter, d, *model.sun());
        benchmark::DoNotOptimize(jupiter.ra);
    }
}
BENCHMARK(BM_PlanetPosition);

void BM_MoonPosition(benchmark::State& state) {
    systeme& model = shippedModel();
    satellite moon;
    date2 d = benchDate();
    for (auto _ : state) {
        d.ajouteMinutes(1);
        moonPosition(moon, d, *model.sun());
        benchmark::DoNotOptimize(moon.ra);
    }
}
BENCHMARK(BM_MoonPosition);

void BM_CometPosition(benchmark::State& state) {
    systeme& model = shippedModel();
    comet c;
    c.a[0] = 2.77;
    c.e[0] = 0.0758;
    c.i[0] = 10.59;
    c.o[0] = 73.4;
    c.O[0] = 80.3;
    c.setTimes(1.2, 1.0);
    date2 d = benchDate();
    for (auto _ : state) {
        d.ajouteMinutes(1);
        cometPosition(c, d, *model.sun());
        benchmark::DoNotOptimize(c.ra);
    }
}
BENCHMARK(BM_CometPosition);

// Mercury's eccentricity, the largest of the planets but Pluto's.
void BM_KeplerSolve(benchmark::State& state) {
    double m = 10;
    for (auto _ : state) {
        m += 0.001;
        benchmark::DoNotOptimize(keplerSolution(m, 0.2056));
    }
}
BENCHMARK(BM_KeplerSolve);

void BM_EclipticToEquatorial(benchmark::State& state) {
    double l = 10;
    for (auto _ : state) {
        l += 0.001;
        benchmark::DoNotOptimize(eclipticToEquatorial(l, 1.5, 23.44));
    }
}
BENCHMARK(BM_EclipticToEquatorial);

void BM_TopocentricCorrection(benchmark::State& state) {
    satellite moon;
    const date2 d = benchDate();
    for (auto _ : state) {
        moon.ra = 120;
        moon.dec = 15;
        moon.delta = 0.0026;
        topocentricCorrection(moon, d, 45.9, -6.2);
        benchmark::DoNotOptimize(moon.ra);
    }
}
BENCHMARK(BM_TopocentricCorrection);

void BM_SiderealTime(benchmark::State& state) {
    date2 d = benchDate();
    for (auto _ : state) {
        d.minute = (d.minute + 1) % 60;
        benchmark::DoNotOptimize(siderealTime(d));
    }
}
BENCHMARK(BM_SiderealTime);

void BM_CalculeCalendrier(benchmark::State& state) {
    date2 d = benchDate();
    for (auto _ : state) {
        d.ajouteMinutes(1);
        benchmark::DoNotOptimize(d.calculeCalendrier());
    }
}
BENCHMARK(BM_CalculeCalendrier);

void BM_MagnitudePhaseDiameter(benchmark::State& state) {
    systeme& model = shippedModel();
    model.computePositions(benchDate(), true);
    const planete& venus = *model.planet(1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(planetMagnitude(venus));
        benchmark::DoNotOptimize(visibleFraction(venus));
        benchmark::DoNotOptimize(apparentDiameter(venus));
    }
}
BENCHMARK(BM_MagnitudePhaseDiameter);

void BM_MoonVisibleFractionAndWaxing(benchmark::State& state) {
    date2 d = benchDate();
    for (auto _ : state) {
        d.ajouteMinutes(1);
        benchmark::DoNotOptimize(moonVisibleFraction(d));
        benchmark::DoNotOptimize(moonWaxing(d));
    }
}
BENCHMARK(BM_MoonVisibleFractionAndWaxing);
} // namespace
