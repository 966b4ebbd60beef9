// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/animation_step.h"

#include "app/animation.h"
#include "app/toolbar.h"
#include "app/window.h"

namespace anim {

// The steps the timer applies (see TPlanetariumWindow::onTimer).
std::string runningStepText(const TPlanetariumWindow& w) {
    const int v = w.view;
    if (w.skyRunning && (v == 10 || v == 11 || v == 13 || v == 14)) {
        const int step = v == 14 ? w.azimuthalStep : v == 11 ? w.quadraticStep : w.skyStep;
        return stepText(step, w.skyDirection);
    }
    if (w.helioRunning && v >= 20 && v <= 29) return stepText(w.animationSpeed, w.animationDirection);
    if (w.satRunning && v >= 31 && v <= 33) return stepText(w.satStep, w.satDirection);
    return {};
}

void showRunningStep(TPlanetariumWindow& w) {
    const std::string step = runningStepText(w);
    const QString title = step.empty() ? QStringLiteral("Nalvo")
                                       : QStringLiteral("Nalvo (%1)").arg(QString::fromStdString(step));
    if (w.window()->windowTitle() != title) w.window()->setWindowTitle(title);
    if (!w.boutons) return;
    w.boutons->playTellsStep = !step.empty();
    (*w.boutons)[toolbar::kPlay].setTooltip(step.empty() ? std::string(" Play ") : " Play (" + step + ") ");
}

} // namespace anim
