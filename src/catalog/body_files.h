// SPDX-License-Identifier: GPL-3.0-or-later
// Readers of the Sun, planet and satellite files named by "Sys.syt". Each returns its file's
// total: the sum of (fields read - 1) over its counted scans; a negative total means the file is
// not a valid body file.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "astro/bodies.h"

// Reads one coefficient list: `intro` reads the first value, " %lf" the next ones while the value
// just read is not zero (at most 10 values). Coefficient k is stored when it and all before it are
// non-zero. Returns the intro scan's (fields read - 1); the continuations are not counted.
int readCoefficientList(std::FILE* f, const char* intro, double (&coefficients)[4]);

int readSunFile(std::FILE* f, soleil& sun);
// `satelliteFiles` receives the satellite file names read (at most two).
int readPlanetFile(std::FILE* f, planete& planet, std::vector<std::string>& satelliteFiles);
int readSatelliteFile(std::FILE* f, satellite& sat);

// Line number (from 1) of the current position of `f`, for messages.
int currentLine(std::FILE* f);
