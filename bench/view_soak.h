// SPDX-License-Identifier: GPL-3.0-or-later
// Driving the main window view by view for long runs: enters a view through its commands (dialogs
// accepted as they open), steps it through the window's own timer path, and reads the process's
// resident memory. Shared by the soak program (bench/soak_views.cpp) and its short CI run.
#pragma once

#include "app/commands.h"
#include "app/toolbar.h"
#include "app/window.h"

#include <QDialog>

#include <cstdio>
#include <functional>
#include <unistd.h>

namespace soak {

// The views a soak covers: the five sky projections and the solar-system views.
inline constexpr int kViews[] = {10, 11, 12, 13, 14, 20, 30, 31, 32, 33, 40};

// Views whose date the timer moves once their animation runs (views 12, 30 and 40 have none).
inline bool timerAnimated(int view) {
    return view == 10 || view == 11 || view == 13 || view == 14 || view == 20 || (view >= 31 && view <= 33);
}

// Sets the date to 2024 January 15, 22:00 UT (a night sky at the default place), the end of the
// span 490 days later as at start-up, and opens `view`
// with the menu commands a user would choose, every dialog accepted as it stands. For the
// animated views the toolbar's Play button then starts the animation. False when the window did
// not end in that view or the animation did not start.
inline bool enterView(TPlanetariumWindow& w, int view) {
    auto& runner = commands::dialogRunner();
    const auto saved = runner;
    runner = [](QDialog&) { return int(QDialog::Accepted); };
    w.firstTickDone = true;
    w.realTime = false;
    w.date->annee = 2024;
    w.date->mois = 1;
    w.date->jour = 15;
    w.date->heure = 22;
    w.date->minute = 0;
    w.date->calculeT();
    *w.endDate = *w.date;
    w.endDate->t += TPlanetariumWindow::kDefaultSpan;
    w.endDate->calculeCalendrier();
    switch (view) {
    case 10:
        commands::run(w, 114);
        break;
    case 11:
        commands::run(w, 150);
        break;
    case 12:
        commands::run(w, 127);
        break;
    case 13:
        commands::run(w, 108);
        break;
    case 14:
        commands::run(w, 109);
        break;
    case 20:
        commands::run(w, 102);
        break;
    case 30:
        commands::run(w, 106);
        break;
    case 31:
        commands::run(w, 11855);
        break;
    case 32:
        commands::run(w, 11855);
        commands::run(w, 140);
        break;
    case 33:
        commands::run(w, 139);
        break;
    case 40:
        commands::run(w, 124);
        break;
    default:
        break;
    }
    runner = saved;
    if (w.view != view) return false;
    if (!timerAnimated(view)) return true;
    commands::clickButton(w, toolbar::kPlay);
    return w.skyRunning || w.helioRunning || w.satRunning;
}

// One step of `view`: for an animated view, the window's timer ticks (onTimer, as its 5 ms timer
// calls it) until one of them has moved the date and redrawn, which takes 4 ticks in the sky views
// and 2 in the others; for views 12, 30 and 40, the date and the end of the span move by a day
// and the window redraws, as after the date command. False when no redraw happened (an animation
// that stopped at the end of the year range).
inline bool step(TPlanetariumWindow& w, int view) {
    const int before = w.redrawCount();
    if (timerAnimated(view)) {
        for (int tick = 0; tick < 8 && w.redrawCount() == before; ++tick)
            w.onTimer();
    } else {
        w.date->ajouteHeures(24);
        w.date->calculeCalendrier();
        w.endDate->ajouteHeures(24);
        w.endDate->calculeCalendrier();
        w.redraw();
    }
    return w.redrawCount() > before;
}

// Resident set size of this process in KiB (the second field of /proc/self/statm, in pages);
// -1 when it cannot be read.
inline long residentKiB() {
    std::FILE* f = std::fopen("/proc/self/statm", "r");
    if (!f) return -1;
    long size = 0, resident = -1;
    if (std::fscanf(f, "%ld %ld", &size, &resident) != 2) resident = -1;
    std::fclose(f);
    return resident < 0 ? -1 : resident * (sysconf(_SC_PAGESIZE) / 1024);
}

} // namespace soak
