// SPDX-License-Identifier: GPL-3.0-or-later
// The commands that open the settings dialogs: "&Date" (11852), "&Localisation" (11853),
// "Displayed star magnitude" (110) and "Star catalog" (123), with what the window does after them.
#pragma once

#include <string>

class TPlanetariumWindow;

namespace settingscommands {

// Tells the user, through the window's prompter, that a dialog's settings could not be written
// to "Nalvo.ini" (`error` says why); nothing is said when `error` is empty. The values stay in
// use until the program ends.
void tellUnsavedSettings(TPlanetariumWindow& w, const std::string& error);

// Below view 30 the date dialog, redraw on OK. Views 30 and above have their own date dialogs
// (conjunction and dance); false when the view has none in this build.
bool openDate(TPlanetariumWindow& w);
// Localisation dialog; on OK the geometry follows the new latitude and the view is redrawn.
bool openLocalisation(TPlanetariumWindow& w);
// The catalogue magnitudes dialog when the Guide Star Catalog is in use, else the magnitude
// dialog; redraw when the magnitude changed or automatic mode was switched on.
void openMagnitude(TPlanetariumWindow& w);
// Catalogue dialog; redraw.
void openCatalogue(TPlanetariumWindow& w);

} // namespace settingscommands
