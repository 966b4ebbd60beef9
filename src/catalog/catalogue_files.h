// SPDX-License-Identifier: GPL-3.0-or-later
// Readers of the six catalogue files named by "Sys.syt": constellations, Messier objects, NGC
// objects, the Milky Way, comets and asteroids, constellation borders. Each fills its tables of
// `systeme` (replacing what they held) and returns its file's total, the sum of (fields read - 1)
// over its scans. Counts beyond a table's capacity are read and dropped (a note goes to `notes`).
#pragma once

#include <cstdio>
#include <string>
#include <vector>

class systeme;
class Lactee;

// Notes about records that did not fit or were not usable; nullptr drops them.
using ReaderNotes = std::vector<std::string>;

int readConstellationFile(std::FILE* f, systeme& sys, ReaderNotes* notes = nullptr);
// Fills `deepSky` from its start; nbDeepSky becomes the file's count (at most the capacity).
int readMessierFile(std::FILE* f, systeme& sys, ReaderNotes* notes = nullptr);
// Appends after the objects already held, up to the shared capacity.
int readNgcFile(std::FILE* f, systeme& sys, ReaderNotes* notes = nullptr);
int readMilkyWayFile(std::FILE* f, Lactee& milkyWay, ReaderNotes* notes = nullptr);
// Comets and asteroids; the selection is emptied. `cometMagLimit` is left to the caller.
int readCometFile(std::FILE* f, systeme& sys, ReaderNotes* notes = nullptr);
int readBorderFile(std::FILE* f, systeme& sys, ReaderNotes* notes = nullptr);

// The NGC file's type code as stored: 7 -> 4, 6 -> 8, 4 -> 6, 3 -> 2, 2 -> 3, others unchanged.
int translateNgcType(int code);
// T (Julian centuries from JD 2415020.0) of 0 h UT on a calendar date.
double calendarDateToT(int year, int month, int day);
