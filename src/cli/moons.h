// SPDX-License-Identifier: GPL-3.0-or-later
// nalvo-cli moons: where Jupiter's four large satellites and Saturn's six inner ones stand beside
// their planet, as CSV, for one instant or a range.
#pragma once

#include "cli/command.h"

int moonsCommand(const std::vector<std::string>& args, std::FILE* out, std::FILE* err);
extern const char kMoonsHelp[];
