// SPDX-License-Identifier: GPL-3.0-or-later
// One nalvo-cli command: its arguments after the command name, the output and error streams;
// returns the exit status (0 success, 1 failure, 2 bad arguments).
#pragma once

#include <cstdio>
#include <string>
#include <vector>

using CliCommand = int (*)(const std::vector<std::string>& args, std::FILE* out, std::FILE* err);
