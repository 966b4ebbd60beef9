// SPDX-License-Identifier: GPL-3.0-or-later
// One paint of each sky view at 780 x 500 with the shipped data: default settings (constellation
// stars to magnitude 6), and the circular and quadratic views at limiting magnitude 9 with the
// three star files (read on the first paint and kept in memory, as the window keeps them). The
// date is fixed so that runs compare.
#include "astro/date2.h"
#include "catalog/prompter.h"
#include "catalog/star_store.h"
#include "catalog/systeme.h"
#include "gfx/canvas.h"
#include "gfx/parametre_affichage.h"
#include "skymap/projection.h"
#include "skymap/sky_render.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <memory>

namespace {

struct Sky {
    RecordingPrompter prompter;
    systeme sys;
    StarStore stars; // kept between paints, as the window keeps its model's
    ParametreAffichage options;
    skymap::SkyNavigation nav;
    date2 date;
    std::unique_ptr<gfx::Canvas> canvas;
    bool loaded = false;

    explicit Sky(bool deep) {
        const std::string data = NALVO_SOURCE_DATA_DIR;
        const std::string ini = (std::filesystem::temp_directory_path() / "nalvo_bench_skymap.ini").string();
        std::remove(ini.c_str()); // defaults: Annecy, no optional catalogue
        sys.lookupDirs = {data};
        loaded = sys.load(data + "/Sys.syt", prompter, ini) >= 0;
        sys.setScreen(780, 500);
        if (deep && sys.catalogueSettings) {
            sys.catalogueSettings->useStar6 = sys.catalogueSettings->useStar7 = sys.catalogueSettings->useStar8 = 1;
            options.starMagnitude = 9;
            options.autoMagnitude = false;
        }
        date.annee = 2026;
        date.mois = 12;
        date.jour = 9;
        date.heure = 20;
        date.minute = 0;
        date.calculeT();
        canvas = std::make_unique<gfx::Canvas>(1500, 1400);
        options.attach(*canvas);
    }

    skymap::PaintStats paint(int view) {
        skymap::SkyScene scene;
        scene.sys = &sys;
        scene.date = &date;
        scene.options = &options;
        scene.nav = &nav;
        scene.prompter = &prompter;
        scene.starFiles.dataDirs = {NALVO_SOURCE_DATA_DIR};
        scene.starStore = &stars;
        const double limit = options.starMagnitude;
        const skymap::PaintStats stats = skymap::paintSkyView(*canvas, view, scene);
        skymap::paintLegend(*canvas, view, scene);
        options.starMagnitude = limit; // without automatic mode the limit stays the user's
        return stats;
    }
};

QGuiApplication& app() {
    static int argc = 1;
    static char name[] = "bench_skymap";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* a = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QGuiApplication(argc, argv);
    }();
    return *a;
}

void paintView(benchmark::State& state, int view, bool deep) {
    app();
    Sky sky(deep);
    if (!sky.loaded) {
        state.SkipWithError("shipped data not found");
        return;
    }
    skymap::PaintStats stats;
    for (auto _ : state) {
        stats = sky.paint(view);
        benchmark::DoNotOptimize(sky.canvas->pixel(100, 100));
    }
    state.counters["stars"] = stats.starsDrawn;
    state.counters["streamed"] = stats.catalogueStars;
}

} // namespace

BENCHMARK_CAPTURE(paintView, equidistant_10, 10, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(paintView, quadratic_11, 11, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(paintView, trajectories_12, 12, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(paintView, circular_13, 13, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(paintView, azimutal_14, 14, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(paintView, circular_13_mag9, 13, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(paintView, quadratic_11_mag9, 11, true)->Unit(benchmark::kMillisecond);
