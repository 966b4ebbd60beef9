// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/paths.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

#include "catalog/scan.h"

// The share directory of an install, relative to its bin directory.
#ifndef NALVO_INSTALL_DATA_RELATIVE
#define NALVO_INSTALL_DATA_RELATIVE "../share/nalvo"
#endif
#ifndef NALVO_BUILD_DIR
#define NALVO_BUILD_DIR ""
#endif

namespace {

std::string envOr(const char* name, const std::string& fallback) {
    const char* v = std::getenv(name);
    return v && *v ? std::string(v) : fallback;
}

std::string homeDir() {
    return envOr("HOME", "/tmp");
}

bool isDirectory(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// True when `path` is `dir` or lies below it (both absolute, without "..").
bool isInside(const std::string& path, const std::string& dir) {
    if (dir.empty() || path.compare(0, dir.size(), dir) != 0) return false;
    return path.size() == dir.size() || path[dir.size()] == '/' || dir.back() == '/';
}

std::string executableDir() {
    char buf[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return {};
    buf[n] = '\0';
    return directoryOf(buf);
}

} // namespace

std::string directoryOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string joinPath(const std::string& dir, const std::string& name) {
    if (dir.empty()) return name;
    if (dir.back() == '/') return dir + name;
    return dir + "/" + name;
}

bool makeDirectories(const std::string& dir) {
    if (dir.empty()) return false;
    if (isDirectory(dir)) return true;
    const std::string parent = directoryOf(dir);
    if (parent != dir && parent != "." && parent != "/") makeDirectories(parent);
    return ::mkdir(dir.c_str(), 0755) == 0 || errno == EEXIST ? isDirectory(dir) : false;
}

std::string userDataDir() {
    return joinPath(envOr("XDG_DATA_HOME", joinPath(homeDir(), ".local/share")), "nalvo");
}

std::vector<std::string> dataSearchDirs() {
    std::vector<std::string> candidates{userDataDir()};
    if (const char* d = std::getenv("NALVO_DATA"); d && *d) candidates.emplace_back(d);
    const std::string exe = executableDir();
    if (!exe.empty()) {
        candidates.push_back(joinPath(exe, "data"));
        candidates.push_back(joinPath(exe, NALVO_INSTALL_DATA_RELATIVE));
    }
#ifdef NALVO_SOURCE_DATA_DIR
    // The source tree's data serves the programs and tests of the build tree only: an installed
    // program must find its own share directory, not a checkout that may have moved on.
    if (exe.empty() || isInside(exe, NALVO_BUILD_DIR)) candidates.emplace_back(NALVO_SOURCE_DATA_DIR);
#endif
    std::vector<std::string> dirs;
    for (const std::string& c : candidates)
        if (isDirectory(c)) dirs.push_back(c);
    return dirs;
}

std::string findDataFile(const std::string& name, const std::vector<std::string>& extraDirs) {
    if (name.empty()) return {};
    if (name.front() == '/') return fileExists(name) ? name : std::string();
    std::vector<std::string> dirs{userDataDir()};
    dirs.insert(dirs.end(), extraDirs.begin(), extraDirs.end());
    for (const std::string& d : dataSearchDirs())
        dirs.push_back(d);
    for (const std::string& d : dirs) {
        const std::string p = joinPath(d, name);
        if (fileExists(p)) return p;
    }
    return {};
}

std::string userFilePath(const std::string& name) {
    const std::string dir = userDataDir();
    makeDirectories(dir);
    return joinPath(dir, name);
}

std::string iniFilePath() {
    return joinPath(joinPath(envOr("XDG_CONFIG_HOME", joinPath(homeDir(), ".config")), "nalvo"), "Nalvo.ini");
}
