// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/report_commands.h"

#include "app/commands.h"
#include "app/dialogs/report_dialogs.h"
#include "app/window.h"
#include "reports/day_info.h"

namespace reportcommands {

namespace {
// After a report dialog confirmed: the title view, nothing running, the view's buttons off.
void toTitleView(TPlanetariumWindow& w, bool realTimeOff) {
    w.view = 1;
    commands::stopAnimations(w);
    if (realTimeOff) commands::realTimeButtonOff(w);
    commands::animationButtonsOff(w);
    commands::zoomButtons(w, false);
    w.redraw();
}
} // namespace

void openPosition(TPlanetariumWindow& w) {
    TDialogPosition dialog(*w.sys, *w.date, &w);
    if (commands::dialogRunner()(dialog) == QDialog::Accepted) toTitleView(w, false);
}

void openEphemeris(TPlanetariumWindow& w) {
    TDialogEphemeride dialog(*w.sys, *w.date, w.prompter(), &w);
    if (commands::dialogRunner()(dialog) == QDialog::Accepted) toTitleView(w, true);
}

void openPrevision(TPlanetariumWindow& w) {
    TDialogPrevision dialog(*w.sys, *w.date, w.prompter(), &w);
    if (commands::dialogRunner()(dialog) == QDialog::Accepted) toTitleView(w, true);
}

std::string noteOfTheDay(TPlanetariumWindow& w) {
    return w.date ? reports::noteOfTheDay(*w.date) : std::string();
}

} // namespace reportcommands
