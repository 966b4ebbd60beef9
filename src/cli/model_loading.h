// SPDX-License-Identifier: GPL-3.0-or-later
// Loading the model for a nalvo-cli command: from the folder given with --data, or the data set
// found the usual way.
#pragma once

#include <string>

class systeme;

// Loads "Sys.syt" and every file it names into `model`; `dataDir` empty means the usual lookup.
// Returns "" on success, otherwise why it failed. `sysPath` receives the file that was read.
std::string loadCommandModel(systeme& model, const std::string& dataDir, std::string& sysPath);
