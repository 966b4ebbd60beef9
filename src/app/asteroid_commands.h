// SPDX-License-Identifier: GPL-3.0-or-later
// The window's asteroid commands: "Convert an asteroids file" (11844) and the asteroid dialog of
// "Display asteroids" (132) and the heliocentric "&Asteroids" (11847).
#pragma once

#include <functional>
#include <string>

class TPlanetariumWindow;

namespace asteroidcommands {

// The open-file dialog of the conversion: the chosen path, or "" when cancelled. Tests replace it.
std::function<std::string(TPlanetariumWindow&)>& edbChooser();

// Converts the chosen .edb file (where the user chose it) into "comet.syt" in the user data
// folder, then loads the new bodies at once. The message says how many bodies were converted
// and how many lines skipped, or why the file could not be converted.
void convertAsteroids(TPlanetariumWindow& w);

// The asteroid dialog; then the orbits are drawn again and the view redrawn.
void chooseAsteroids(TPlanetariumWindow& w);

} // namespace asteroidcommands
