// SPDX-License-Identifier: GPL-3.0-or-later
// The forecast's lines for the events of Jupiter's moons: one line per transit, occultation,
// eclipse or shadow transit seen while Jupiter is up and the Sun down, in local time.
#pragma once

#include <string>

#include "astro/date2.h"
#include "astro/jovian_events.h"

class systeme;

namespace reports {

// The sentence of one event at a local hour and minute, e.g. " Io : shadow transit begins at
// 21h14.\n".
std::string jupiterEventLine(int moon, JovianEventKind kind, int hour, int minute);

// Appends the lines of the events of the night that ends at `sunriseUt` and lasted `nightMinutes`,
// for the observer of `model`, in the local time of the place at each event. Leaves the model at
// the sunrise instant, as the night's search left it.
void appendJupiterMoonEventLines(std::string& out, systeme& model, const date2& sunriseUt, int nightMinutes);

} // namespace reports
