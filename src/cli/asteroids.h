// SPDX-License-Identifier: GPL-3.0-or-later
// nalvo-cli asteroids: converts an XEphem .edb file into the program's comet file.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

extern const char kAsteroidsHelp[];

int asteroidsCommand(const std::vector<std::string>& args, std::FILE* out, std::FILE* err);
