// SPDX-License-Identifier: GPL-3.0-or-later
// nalvo-cli position, ephemeris and forecast: the reports of the dialogs on standard output
// (UTF-8) or, with --out, into a file with the dialog's bytes (Windows-1252).
#pragma once

#include "cli/command.h"

int positionCommand(const std::vector<std::string>& args, std::FILE* out, std::FILE* err);
int ephemerisCommand(const std::vector<std::string>& args, std::FILE* out, std::FILE* err);
int forecastCommand(const std::vector<std::string>& args, std::FILE* out, std::FILE* err);
