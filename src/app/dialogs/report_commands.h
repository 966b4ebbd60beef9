// SPDX-License-Identifier: GPL-3.0-or-later
// The commands of the report dialogs: "Position" (107), "Ephemeris" (135, toolbar button 7,
// keypad 8) and "Previsions" (11846, keypad 7), and the note of the day of the first timer tick.
#pragma once

#include <string>

class TPlanetariumWindow;

namespace reportcommands {

void openPosition(TPlanetariumWindow& w);
void openEphemeris(TPlanetariumWindow& w);
void openPrevision(TPlanetariumWindow& w);
// The note of the window's current day from the month's information file, "" when none.
std::string noteOfTheDay(TPlanetariumWindow& w);

} // namespace reportcommands
