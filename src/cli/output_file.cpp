// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/output_file.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

bool outputPathUsable(const std::string& path, std::string& why) {
    if (path.empty()) return why = "--out needs a file name", false;
    struct stat st {};
    if (path.back() == '/' || (::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode)))
        return why = "--out " + path + " is a folder, not a file", false;
    const auto slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    if (::stat(folder.c_str(), &st) != 0)
        return why = "--out " + path + ": the folder " + folder + " does not exist", false;
    if (!S_ISDIR(st.st_mode)) return why = "--out " + path + ": " + folder + " is not a folder", false;
    if (::access(folder.c_str(), W_OK | X_OK) != 0)
        return why = "--out " + path + ": the folder " + folder + " cannot be written (" +
                     std::strerror(errno) + ")",
               false;
    return true;
}
