// SPDX-License-Identifier: GPL-3.0-or-later
// Where the program's files are. Shipped data is looked up in order: the user directory
// ($XDG_DATA_HOME/nalvo, default ~/.local/share/nalvo), $NALVO_DATA, data/ beside the executable,
// ../share/nalvo beside the executable (the install tree), and for programs of the build tree
// the source tree's data/. Files the
// program writes go to the user directory. Settings are in $XDG_CONFIG_HOME/nalvo/Nalvo.ini
// (default ~/.config/nalvo/Nalvo.ini).
#pragma once

#include <string>
#include <vector>

// The per-user directory of written files (not created).
std::string userDataDir();
// The directories searched for a data file, in order (only those that exist).
std::vector<std::string> dataSearchDirs();
// The first existing file `name` in the user directory, then in `extraDirs` (in order), then in the
// other search directories; "" when there is none. An absolute `name` is returned when it exists.
std::string findDataFile(const std::string& name, const std::vector<std::string>& extraDirs = {});
// The path of a file the program writes, in the user directory, which is created if needed.
std::string userFilePath(const std::string& name);
// The settings file "Nalvo.ini" (its directory is not created here; the profile writer does it).
std::string iniFilePath();
// The directory part of a path ("." when there is none).
std::string directoryOf(const std::string& path);
// Joins a directory and a file name with one "/".
std::string joinPath(const std::string& dir, const std::string& name);
// Creates a directory and its parents; true when it exists afterwards.
bool makeDirectories(const std::string& dir);
