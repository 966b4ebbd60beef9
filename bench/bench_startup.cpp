// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up to the first picture: the frame and the main window created offscreen, every data
// file loaded, and the first size change drawing the title view into the back buffer.
#include "app/application.h"
#include "app/window.h"
#include "catalog/prompter.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

QApplication& application() {
    static int argc = 1;
    static char name[] = "bench_startup";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        // A private user folder: the benchmark neither reads nor writes the user's settings.
        char dirTemplate[] = "/tmp/nalvo_bench_startup_XXXXXX";
        if (const char* dir = mkdtemp(dirTemplate)) {
            setenv("XDG_DATA_HOME", (std::string(dir) + "/data").c_str(), 1);
            setenv("XDG_CONFIG_HOME", (std::string(dir) + "/config").c_str(), 1);
        }
        return new QApplication(argc, argv);
    }();
    return *app;
}

void BM_StartupToFirstPicture(benchmark::State& state) {
    application();
    for (auto _ : state) {
        RecordingPrompter prompter;
        TPlanetariumWindow::startLog();
        MainFrame main(&prompter);
        if (!main.create()) {
            state.SkipWithError("the data files could not be loaded");
            break;
        }
        main.window()->onSize(TPlanetariumWindow::kInitialWidth, TPlanetariumWindow::kInitialHeight);
        benchmark::DoNotOptimize(main.window()->memDC[0]->pixel(400, 300));
    }
}
BENCHMARK(BM_StartupToFirstPicture)->Unit(benchmark::kMillisecond);

// The first redraw alone (title view at 780 x 500), with the model already loaded.
void BM_TitleRedraw(benchmark::State& state) {
    application();
    RecordingPrompter prompter;
    MainFrame main(&prompter);
    if (!main.create()) {
        state.SkipWithError("the data files could not be loaded");
        return;
    }
    main.window()->onSize(TPlanetariumWindow::kInitialWidth, TPlanetariumWindow::kInitialHeight);
    for (auto _ : state) main.window()->redraw();
}
BENCHMARK(BM_TitleRedraw)->Unit(benchmark::kMillisecond);

} // namespace
