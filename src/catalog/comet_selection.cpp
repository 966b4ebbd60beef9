// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/comet_selection.h"

#include <algorithm>
#include <cstring>
#include <sstream>

#include "catalog/profile.h"
#include "catalog/systeme.h"

namespace {
constexpr char kSection[] = "Asteroides";
constexpr char kKey[] = "Selection";
// Room for every name of a full selection (14 characters and a blank each).
constexpr std::size_t kMaxValue = 15 * kMaxSelectedComets;
} // namespace

std::vector<int> selectedCometIndices(const systeme& sys) {
    std::vector<int> out;
    for (int k = 0; k < kMaxComets; ++k) {
        const int index = sys.selectedComets[k];
        if (index < 0 || index >= sys.cometCount()) break;
        out.push_back(index);
    }
    return out;
}

bool isCometSelected(const systeme& sys, int index) {
    const std::vector<int> chosen = selectedCometIndices(sys);
    return std::find(chosen.begin(), chosen.end(), index) != chosen.end();
}

void setCometSelection(systeme& sys, const std::vector<int>& indices) {
    sys.selectedComets.fill(-1);
    int n = 0;
    for (int index : indices) {
        if (n >= kMaxSelectedComets) break;
        if (index < 0 || index >= sys.cometCount()) continue;
        if (std::find(sys.selectedComets.begin(), sys.selectedComets.begin() + n, index) !=
            sys.selectedComets.begin() + n)
            continue;
        sys.selectedComets[n++] = index;
    }
}

bool addCometToSelection(systeme& sys, int index) {
    std::vector<int> chosen = selectedCometIndices(sys);
    if (index < 0 || index >= sys.cometCount() || static_cast<int>(chosen.size()) >= kMaxSelectedComets ||
        std::find(chosen.begin(), chosen.end(), index) != chosen.end())
        return false;
    chosen.push_back(index);
    setCometSelection(sys, chosen);
    return true;
}

void removeFromCometSelection(systeme& sys, const std::vector<int>& positions) {
    const std::vector<int> chosen = selectedCometIndices(sys);
    std::vector<int> kept;
    for (int k = 0; k < static_cast<int>(chosen.size()); ++k)
        if (std::find(positions.begin(), positions.end(), k) == positions.end()) kept.push_back(chosen[k]);
    setCometSelection(sys, kept);
}

std::vector<int> cometsBelowMagnitude(const systeme& sys, double limit) {
    std::vector<int> out;
    for (int k = 0; k < sys.cometCount(); ++k)
        if (sys.comets[k] && sys.comets[k]->mag[0] < limit) out.push_back(k);
    return out;
}

bool writeCometSelection(const std::string& iniPath, const systeme& sys, std::string* error) {
    std::string value;
    for (int index : selectedCometIndices(sys)) {
        if (!value.empty()) value += ' ';
        value += sys.comets[index]->nom;
    }
    return profileWriteString(iniPath, kSection, kKey, value, error);
}

void readCometSelection(const std::string& iniPath, systeme& sys) {
    std::istringstream names(profileReadString(iniPath, kSection, kKey, "", kMaxValue));
    std::vector<int> chosen;
    for (std::string name; names >> name;) {
        for (int k = 0; k < sys.cometCount(); ++k)
            if (sys.comets[k] && name == sys.comets[k]->nom &&
                std::find(chosen.begin(), chosen.end(), k) == chosen.end()) {
                chosen.push_back(k);
                break;
            }
    }
    setCometSelection(sys, chosen);
}
