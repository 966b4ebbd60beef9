// SPDX-License-Identifier: GPL-3.0-or-later
// Web links: the program's home page and the local help pages "Index" and "Links" (data/help),
// opened in a web browser. The browser is the desktop's default unless the user chose a program
// ("Internet" / "Navigateur" in Nalvo.ini, "Aucun" when none); the home page is the key
// "Internet" / "Page d'accueil", the local help index when it is not set.
#pragma once

#include <functional>
#include <string>

class TPlanetariumWindow;

namespace weblinks {

// Link kinds: 0 home page, 1 the local "Links" page, anything else the local "Index" page.
constexpr int kHomePage = 0, kLinksPage = 1, kIndexPage = 2;
constexpr char kHomePageKey[] = "Page d'accueil";

// The address a kind opens ("" when its local page is not found), for the settings of `iniPath`.
std::string linkAddress(int kind, const std::string& iniPath);

// How an address reaches a browser; tests replace them.
// The desktop's default browser (xdg-open): false when it could not be started.
std::function<bool(const std::string& address)>& desktopOpener();
// A chosen browser program started without waiting: false when it could not be started.
std::function<bool(const std::string& program, const std::string& address)>& programStarter();
// The "Choose your navigator" dialog: the chosen program, or "" when cancelled.
std::function<std::string(TPlanetariumWindow&)>& browserChooser();

// Opens the page of `kind`. Returns 1 when a browser was started, 0 otherwise (a message says
// why, except when the user cancelled the browser choice).
int openLink(TPlanetariumWindow& w, int kind);

} // namespace weblinks
