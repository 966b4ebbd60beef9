// SPDX-License-Identifier: GPL-3.0-or-later
// The step of the running animation, shown in the window title and the " Play " tooltip.
#pragma once

#include <string>

class TPlanetariumWindow;

namespace anim {

// "+2 h per step" for the animation the window runs now, or "" when none runs (view 12 and
// the real-time mode have no step).
std::string runningStepText(const TPlanetariumWindow& w);

// Sets the title "Nalvo (+2 h per step)" and the " Play " tooltip while an animation runs,
// "Nalvo" and " Play " otherwise.
void showRunningStep(TPlanetariumWindow& w);

} // namespace anim
