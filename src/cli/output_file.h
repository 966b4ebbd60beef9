// SPDX-License-Identifier: GPL-3.0-or-later
// Checks made on a command's --out before any work: the file's folder must exist and take new files,
// so that a long render or report never ends in "cannot write".
#pragma once

#include <string>

// True when a file named `path` can be created or replaced; false with a one-line reason.
bool outputPathUsable(const std::string& path, std::string& why);
