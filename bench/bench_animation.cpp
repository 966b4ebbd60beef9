// SPDX-License-Identifier: GPL-3.0-or-later
// Frames per second of a running sky animation in the circular view (13) at the default
// settings: one frame is the timer tick that moves the date by one step and redraws, and the
// live figure counts the frames the 5 ms timer produces in the event loop.
#include "app/application.h"
#include "app/commands.h"
#include "app/toolbar.h"
#include "app/window.h"
#include "catalog/prompter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

QApplication& application() {
    static int argc = 1;
    static char name[] = "bench_animation";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        // A private user folder: default settings, and the user's own are never touched.
        char dirTemplate[] = "/tmp/nalvo_bench_animation_XXXXXX";
        if (const char* dir = mkdtemp(dirTemplate)) {
            setenv("XDG_DATA_HOME", (std::string(dir) + "/data").c_str(), 1);
            setenv("XDG_CONFIG_HOME", (std::string(dir) + "/config").c_str(), 1);
        }
        return new QApplication(argc, argv);
    }();
    return *app;
}

// A window in view 13 at a fixed night-time date (2024 January 15, 22:00 UT), the animation
// started by the toolbar's Play button.
TPlanetariumWindow* runningSky(MainFrame& main, benchmark::State& state) {
    if (!main.create()) {
        state.SkipWithError("the data files could not be loaded");
        return nullptr;
    }
    TPlanetariumWindow* w = main.window();
    w->firstTickDone = true;
    w->date->annee = 2024;
    w->date->mois = 1;
    w->date->jour = 15;
    w->date->heure = 22;
    w->date->minute = 0;
    w->date->calculeT();
    w->onSize(TPlanetariumWindow::kInitialWidth, TPlanetariumWindow::kInitialHeight);
    commands::run(*w, 108);
    commands::clickButton(*w, toolbar::kPlay);
    if (!w->skyRunning) state.SkipWithError("the animation did not start");
    return w;
}

// One animation frame: four timer ticks, the fourth moving the date by an hour and redrawing.
void BM_SkyAnimationFrame(benchmark::State& state) {
    application();
    RecordingPrompter prompter;
    MainFrame main(&prompter);
    TPlanetariumWindow* w = runningSky(main, state);
    if (!w) return;
    const int before = w->redrawCount();
    for (auto _ : state)
        for (int i = 0; i < 4; ++i) w->onTimer();
    state.counters["frames"] = double(w->redrawCount() - before);
    state.counters["fps"] = benchmark::Counter(double(w->redrawCount() - before), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SkyAnimationFrame)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();

// The animation as it runs: the window's 5 ms timer in the event loop for two seconds.
void BM_SkyAnimationLive(benchmark::State& state) {
    application();
    RecordingPrompter prompter;
    MainFrame main(&prompter);
    TPlanetariumWindow* w = runningSky(main, state);
    if (!w) return;
    double frames = 0, seconds = 0;
    for (auto _ : state) {
        const int before = w->redrawCount();
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 2000) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        frames += w->redrawCount() - before;
        seconds += clock.elapsed() / 1000.0;
    }
    state.counters["fps"] = frames / seconds;
}
BENCHMARK(BM_SkyAnimationLive)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
