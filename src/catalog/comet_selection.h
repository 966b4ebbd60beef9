// SPDX-License-Identifier: GPL-3.0-or-later
// The asteroids and comets chosen for display: `systeme::selectedComets` holds their indices in
// `comets`, in the order they were chosen, ended by -1. The sky views and the heliocentric view
// draw these bodies; the asteroid dialog edits them; "Nalvo.ini" keeps them between runs.
#pragma once

#include <string>
#include <vector>

class systeme;

constexpr int kMaxSelectedComets = 2999;

// The chosen indices in order (stops at the first -1 or at an index outside the loaded bodies).
std::vector<int> selectedCometIndices(const systeme& sys);
bool isCometSelected(const systeme& sys, int index);
// Replaces the selection (indices outside the loaded bodies and repeats are left out, at most
// kMaxSelectedComets are kept).
void setCometSelection(systeme& sys, const std::vector<int>& indices);
// Appends a body; false when it is already chosen, unknown, or the selection is full.
bool addCometToSelection(systeme& sys, int index);
// Removes the bodies at these positions of the selection; the others keep their order.
void removeFromCometSelection(systeme& sys, const std::vector<int>& positions);
// The bodies whose first magnitude parameter is below `limit`, in model order.
std::vector<int> cometsBelowMagnitude(const systeme& sys, double limit);

// "Nalvo.ini", section "Asteroides", key "Selection": the chosen bodies' names separated by
// blanks (names never hold white space, the comet reader reads them as words). Reading keeps the
// names of bodies that are loaded, each name matched once, in the stored order.
bool writeCometSelection(const std::string& iniPath, const systeme& sys, std::string* error = nullptr);
void readCometSelection(const std::string& iniPath, systeme& sys);
