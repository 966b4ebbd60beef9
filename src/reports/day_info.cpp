// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/day_info.h"

#include <filesystem>

#include "catalog/paths.h"
#include "reports/report_text.h"

namespace reports {

namespace {
// Characters up to the next '*' (which is consumed) or the end of the file.
std::string readUpToStar(std::FILE* f, bool& reachedEnd) {
    std::string s;
    int c;
    while ((c = std::fgetc(f)) != EOF && c != '*')
        s.push_back(static_cast<char>(c));
    reachedEnd = c == EOF;
    return s;
}

struct FileCloser {
    std::FILE* f;
    ~FileCloser() { std::fclose(f); }
};
} // namespace

std::string dayInfoFileName(const date2& date) {
    std::string name;
    appendf(name, "NalvoInfo%d%d.dat", date.mois, date.annee);
    return name;
}

std::string dayInfoPath(const date2& date, const std::vector<std::string>& dirs) {
    const std::string name = dayInfoFileName(date);
    if (dirs.empty()) return findDataFile(name);
    std::error_code ec;
    for (const std::string& dir : dirs) {
        const std::string path = joinPath(dir, name);
        if (std::filesystem::is_regular_file(path, ec)) return path;
    }
    return {};
}

bool readDayInfo(const date2& date, std::string& text, const std::vector<std::string>& dirs, bool* dayFound) {
    text.clear();
    if (dayFound) *dayFound = false;
    const std::string path = dayInfoPath(date, dirs);
    if (path.empty()) return false;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    FileCloser closer{f};

    bool end = false;
    const std::string heading = readUpToStar(f, end);
    text = "\n" + heading + "\n";
    int day = 0;
    // A day number that cannot be read ends the records, as the end of the file does.
    if (end || std::fscanf(f, "%d ", &day) != 1) return !heading.empty();
    while (day != date.jour) {
        readUpToStar(f, end);
        if (end || std::fscanf(f, "\n%d ", &day) != 1) return !heading.empty();
    }
    const std::string record = readUpToStar(f, end);
    text = "\n" + text + "\n" + record + "\n";
    if (dayFound) *dayFound = true;
    return !heading.empty() || !record.empty();
}

void appendDayInfo(const date2& date, std::string& report, const std::vector<std::string>& dirs) {
    std::string text;
    if (readDayInfo(date, text, dirs)) appendf(report, "%s", text.c_str());
}

std::string noteOfTheDay(const date2& date, const std::vector<std::string>& dirs) {
    std::string text;
    if (readDayInfo(date, text, dirs)) return text;
    return {};
}

} // namespace reports
