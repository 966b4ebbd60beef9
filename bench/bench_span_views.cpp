// SPDX-License-Identifier: GPL-3.0-or-later
// One paint of the conjunction graph (view 30: 490 rows, all planets, the model computed once per
// row) and of the dance (view 40: 491 computations of the model) with the shipped data, in a
// 780 x 526 window, each after a painter call as the window's toolbar makes before the view. A repaint under
// 20 ms keeps a drag or a zoom of the span immediate.
#include "astro/date2.h"
#include "catalog/prompter.h"
#include "catalog/systeme.h"
#include "gfx/canvas.h"
#include "gfx/parametre_affichage.h"
#include "views/conjunction.h"
#include "views/dance.h"
#include "views/time_span.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <memory>

namespace {

struct Scene {
    RecordingPrompter prompter;
    systeme sys;
    ParametreAffichage options;
    date2 start, end;
    std::unique_ptr<gfx::Canvas> canvas;
    bool loaded = false;

    Scene() {
        const std::string data = NALVO_SOURCE_DATA_DIR;
        const std::string ini = (std::filesystem::temp_directory_path() / "nalvo_bench_span.ini").string();
        std::remove(ini.c_str());
        sys.lookupDirs = {data};
        loaded = sys.load(data + "/Sys.syt", prompter, ini) >= 0;
        sys.setScreen(780, 526);
        start.annee = 2026;
        start.mois = 1;
        start.jour = 1;
        start.calculeT();
        canvas = std::make_unique<gfx::Canvas>(1500, 1400);
        options.attach(*canvas);
    }
};

Scene& scene() {
    // Text needs the application object.
    static int argc = 1;
    static char name[] = "bench_span_views";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication* app = QGuiApplication::instance() ? nullptr : new QGuiApplication(argc, argv);
    (void)app;
    static Scene s;
    return s;
}

void ConjunctionGraph(benchmark::State& state) {
    Scene& s = scene();
    if (!s.loaded) {
        state.SkipWithError("the shipped data did not load");
        return;
    }
    timespan::setEnd(s.start, s.end, timespan::kPlanetSpan);
    for (auto _ : state)
        conjunction::drawConjunctionGraph(*s.canvas, s.sys, s.start, s.end, s.options, int(s.sys.mapWidth),
                                          526);
}
BENCHMARK(ConjunctionGraph)->Unit(benchmark::kMillisecond);

void DanceOfMars(benchmark::State& state) {
    Scene& s = scene();
    if (!s.loaded) {
        state.SkipWithError("the shipped data did not load");
        return;
    }
    timespan::setEnd(s.start, s.end, dance::defaultSpan(3));
    for (auto _ : state)
        dance::drawDance(*s.canvas, s.sys, s.start, s.end, 3, s.options, 780, 526);
}
BENCHMARK(DanceOfMars)->Unit(benchmark::kMillisecond);

} // namespace
