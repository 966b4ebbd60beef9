// SPDX-License-Identifier: GPL-3.0-or-later
// Soak of the main window, headless: for each view, N steps through the window's own timer path
// (see view_soak.h) and the resident memory after a warm-up and at the end. Prints one row per
// view: steps done, resident KiB after the warm-up and at the end, growth, seconds, and "ok" when
// the growth stays under the bound (1 MiB by default). Exit status 1 when a view could not be
// entered, stopped early or grew too much.
//
//   soak_views [--steps N] [--warmup N] [--bound-kib N] [VIEW ...]
#include "app/application.h"
#include "app/window.h"
#include "catalog/prompter.h"
#include "view_soak.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace {
long argument(int& k, int argc, char** argv) {
    if (k + 1 >= argc) {
        std::fprintf(stderr, "soak_views: %s needs a value\n", argv[k]);
        std::exit(2);
    }
    char* end = nullptr;
    const long v = std::strtol(argv[++k], &end, 10);
    if (!end || *end || v < 0) {
        std::fprintf(stderr, "soak_views: bad value '%s' for %s\n", argv[k], argv[k - 1]);
        std::exit(2);
    }
    return v;
}
} // namespace

int main(int argc, char** argv) {
    long steps = 100000, warmup = 2000, boundKiB = 1024;
    std::vector<int> views;
    for (int k = 1; k < argc; ++k) {
        if (!std::strcmp(argv[k], "--steps"))
            steps = argument(k, argc, argv);
        else if (!std::strcmp(argv[k], "--warmup"))
            warmup = argument(k, argc, argv);
        else if (!std::strcmp(argv[k], "--bound-kib"))
            boundKiB = argument(k, argc, argv);
        else
            views.push_back(std::atoi(argv[k]));
    }
    if (views.empty()) views.assign(std::begin(soak::kViews), std::end(soak::kViews));

    qputenv("QT_QPA_PLATFORM", "offscreen");
    // A private user folder: default settings, and the user's own are never touched.
    char dirTemplate[] = "/tmp/nalvo_soak_XXXXXX";
    const char* dir = mkdtemp(dirTemplate);
    if (dir) {
        setenv("XDG_DATA_HOME", (std::string(dir) + "/data").c_str(), 1);
        setenv("XDG_CONFIG_HOME", (std::string(dir) + "/config").c_str(), 1);
    }
    int qtArgc = 1;
    char name[] = "soak_views";
    char* qtArgv[] = {name, nullptr};
    QApplication app(qtArgc, qtArgv);

    RecordingPrompter prompter;
    MainFrame main(&prompter);
    if (!main.create()) {
        std::fprintf(stderr, "soak_views: the data files could not be loaded\n");
        return 1;
    }
    TPlanetariumWindow& w = *main.window();
    w.onSize(TPlanetariumWindow::kInitialWidth, TPlanetariumWindow::kInitialHeight);

    std::printf("%-5s %8s %12s %12s %10s %9s %s\n", "view", "steps", "rss0_kib", "rss1_kib", "growth_kib",
                "seconds", "verdict");
    int failures = 0;
    for (int view : views) {
        if (!soak::enterView(w, view)) {
            std::printf("%-5d %8s %12s %12s %10s %9s could not enter the view\n", view, "-", "-", "-", "-",
                        "-");
            ++failures;
            continue;
        }
        long done = 0;
        for (long k = 0; k < warmup && soak::step(w, view); ++k) {
        }
        const long before = soak::residentKiB();
        QElapsedTimer clock;
        clock.start();
        while (done < steps && soak::step(w, view))
            ++done;
        const double seconds = clock.elapsed() / 1000.0;
        const long after = soak::residentKiB();
        const long growth = after - before;
        const bool ok = done == steps && before > 0 && growth < boundKiB;
        if (!ok) ++failures;
        std::printf("%-5d %8ld %12ld %12ld %10ld %9.1f %s\n", view, done, before, after, growth, seconds,
                    ok              ? "ok"
                    : done != steps ? "stopped early"
                                    : "grew too much");
        std::fflush(stdout);
        commands::run(w, 108); // back to the sky, which stops every animation
        w.skyRunning = w.helioRunning = w.satRunning = false;
    }
    if (dir) {
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }
    return failures ? 1 : 0;
}
