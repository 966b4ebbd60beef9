// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as the window tests start it: set up with its data and buttons, the first
// tick's message already shown, 2026 December 9 20:00 UT and a 780 x 500 client.
#pragma once

#include "app/commands.h"
#include "app/input.h"
#include "app/window.h"

// False when the window's set-up fails (a data file missing).
inline bool startTestWindow(TPlanetariumWindow& w, bool withInputHooks = true) {
    if (!w.onSetup(nullptr)) return false;
    commands::markAvailableButtons(w);
    if (withInputHooks) input::installHooks(w.hooks);
    w.firstTickDone = true;
    w.date->annee = 2026;
    w.date->mois = 12;
    w.date->jour = 9;
    w.date->heure = 20;
    w.date->minute = 0;
    w.date->calculeT();
    w.onSize(780, 500);
    return true;
}
