// SPDX-License-Identifier: GPL-3.0-or-later
// The heliocentric view (20) painted at 780 x 500: with the orbit layer redrawn (after a zoom or a
// rotation key) and without it (an animation step, the date moved by 24 hours), on the view's own
// code and through the window's timer as the running animation does it.
#include "app/application.h"
#include "app/commands.h"
#include "app/toolbar.h"
#include "app/window.h"
#include "catalog/prompter.h"
#include "catalog/systeme.h"
#include "gfx/canvas.h"
#include "gfx/parametre_affichage.h"
#include "views/heliocentric.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

namespace {

QApplication& application() {
    static int argc = 1;
    static char name[] = "bench_heliocentric";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        char dirTemplate[] = "/tmp/nalvo_bench_helio_XXXXXX";
        if (const char* dir = mkdtemp(dirTemplate)) {
            setenv("XDG_DATA_HOME", (std::string(dir) + "/data").c_str(), 1);
            setenv("XDG_CONFIG_HOME", (std::string(dir) + "/config").c_str(), 1);
        }
        return new QApplication(argc, argv);
    }();
    return *app;
}

date2 startDate() {
    date2 d;
    d.annee = 2026;
    d.mois = 12;
    d.jour = 9;
    d.heure = 20;
    d.minute = 0;
    d.calculeT();
    return d;
}

struct Scene {
    RecordingPrompter prompter;
    systeme sys;
    ParametreAffichage options;
    views::ViewCamera camera;
    date2 date = startDate();
    views::HelioScene scene;
    gfx::Canvas screen{1500, 1400}, layer{1500, 1400};
    bool loaded = false;

    Scene() {
        const std::string data = NALVO_SOURCE_DATA_DIR;
        const std::string ini = (std::filesystem::temp_directory_path() / "nalvo_bench_helio_none.ini").string();
        sys.lookupDirs = {data};
        loaded = sys.load(data + "/Sys.syt", prompter, ini) >= 0;
        sys.setScreen(780, 500);
        views::updateCamera(camera, 20);
        options.attach(screen);
        scene.sys = &sys;
        scene.date = &date;
        scene.options = &options;
        scene.camera = &camera;
        scene.layout = views::helioLayoutOf(sys);
        scene.clientWidth = 780;
        scene.orbitPath = data + "/trajec.nal";
    }
};

// A zoom step or a rotation key: the orbit file read and drawn, then the view and its legend.
void BM_HelioPaintWithOrbits(benchmark::State& state) {
    application();
    Scene s;
    if (!s.loaded) return state.SkipWithError("the data files could not be loaded");
    for (auto _ : state) {
        views::drawOrbits(s.layer, s.scene);
        views::drawHeliocentricView(s.screen, s.layer, s.scene);
        views::drawHeliocentricLegend(s.screen, s.scene);
    }
}
BENCHMARK(BM_HelioPaintWithOrbits)->Unit(benchmark::kMillisecond);

// An animation step: the date 24 hours on, positions, the cached layer copied, icons and legend.
void BM_HelioPaintAnimationStep(benchmark::State& state) {
    application();
    Scene s;
    if (!s.loaded) return state.SkipWithError("the data files could not be loaded");
    views::drawOrbits(s.layer, s.scene);
    for (auto _ : state) {
        s.date.ajouteHeures(24);
        s.date.calculeCalendrier();
        views::drawHeliocentricView(s.screen, s.layer, s.scene);
        views::drawHeliocentricLegend(s.screen, s.scene);
    }
}
BENCHMARK(BM_HelioPaintAnimationStep)->Unit(benchmark::kMillisecond);

// The same step through the window: two timer ticks of the running animation, the second moving
// the date and redrawing the whole client (background, frame, toolbar, view, legend).
void BM_HelioWindowAnimationStep(benchmark::State& state) {
    application();
    MainFrame main;
    if (!main.create()) return state.SkipWithError("the data files could not be loaded");
    TPlanetariumWindow* w = main.window();
    w->firstTickDone = true;
    *w->date = startDate();
    w->onSize(TPlanetariumWindow::kInitialWidth, TPlanetariumWindow::kInitialHeight);
    commands::clickButton(*w, toolbar::kHeliocentric);
    commands::run(*w, 115);
    if (w->view != 20 || !w->helioRunning) return state.SkipWithError("the animation did not start");
    for (auto _ : state) {
        w->onTimer();
        w->onTimer();
    }
    if (w->orbitsDirty) state.SkipWithError("the orbit layer was marked for redrawing");
}
BENCHMARK(BM_HelioWindowAnimationStep)->Unit(benchmark::kMillisecond);

} // namespace
