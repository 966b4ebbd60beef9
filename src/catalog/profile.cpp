// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/profile.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "catalog/atomic_file.h"
#include "catalog/paths.h"

namespace {

struct Line {
    std::string text; // without its line end
    std::string end;  // "\n", "\r\n" or "" for a last line without one
};

std::vector<Line> readLines(const std::string& path, bool& exists) {
    std::vector<Line> lines;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    exists = f != nullptr;
    if (!f) return lines;
    std::string data;
    char buf[4096];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, f)) > 0;)
        data.append(buf, n);
    std::fclose(f);
    std::size_t start = 0;
    while (start < data.size()) {
        std::size_t nl = data.find('\n', start);
        Line line;
        if (nl == std::string::npos) {
            line.text = data.substr(start);
            start = data.size();
        } else {
            std::size_t textEnd = nl;
            if (textEnd > start && data[textEnd - 1] == '\r') --textEnd;
            line.text = data.substr(start, textEnd - start);
            line.end = data.substr(textEnd, nl + 1 - textEnd);
            start = nl + 1;
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
        if (x >= 'A' && x <= 'Z') x = static_cast<unsigned char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<unsigned char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

// The section name of a "[name]" line; false for other lines.
bool sectionOf(const std::string& text, std::string_view& name) {
    const std::string_view t = trim(text);
    if (t.size() < 2 || t.front() != '[') return false;
    const auto close = t.find(']');
    if (close == std::string_view::npos) return false;
    name = trim(t.substr(1, close - 1));
    return true;
}

// The key and value of a "key=value" line; false for other lines (comments included).
bool keyOf(const std::string& text, std::string_view& key, std::string_view& value) {
    const std::string_view t = trim(text);
    if (t.empty() || t.front() == ';') return false;
    const auto eq = t.find('=');
    if (eq == std::string_view::npos) return false;
    key = trim(t.substr(0, eq));
    value = trim(t.substr(eq + 1));
    return true;
}

struct Found {
    int sectionLine = -1;   // index of the section header
    int keyLine = -1;       // index of the key line
    int lastInSection = -1; // last non-blank line of the section (the header when empty)
    std::string value;
};

Found find(const std::vector<Line>& lines, const std::string& section, const std::string& key) {
    Found found;
    bool inSection = false;
    for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
        std::string_view name;
        if (sectionOf(lines[i].text, name)) {
            if (inSection) break; // the first matching section decides
            inSection = sameName(name, section);
            if (inSection) found.sectionLine = found.lastInSection = i;
            continue;
        }
        if (!inSection) continue;
        if (!trim(lines[i].text).empty()) found.lastInSection = i;
        std::string_view k, v;
        if (found.keyLine < 0 && keyOf(lines[i].text, k, v) && sameName(k, key)) {
            found.keyLine = i;
            found.value = std::string(v);
        }
    }
    return found;
}

} // namespace

int profileReadInt(const std::string& iniPath, const std::string& section, const std::string& key,
                   int defaultValue) {
    bool exists = false;
    const std::vector<Line> lines = readLines(iniPath, exists);
    const Found found = find(lines, section, key);
    if (found.keyLine < 0) return defaultValue;
    const std::string& v = found.value;
    std::size_t i = 0;
    bool negative = false;
    if (i < v.size() && (v[i] == '-' || v[i] == '+')) negative = v[i++] == '-';
    long long n = 0;
    for (; i < v.size() && v[i] >= '0' && v[i] <= '9'; ++i) {
        n = n * 10 + (v[i] - '0');
        if (n > 2147483648LL) n = 2147483648LL; // saturate instead of overflowing
    }
    if (negative) n = -n;
    if (n > 2147483647LL) n = 2147483647LL;
    return static_cast<int>(n);
}

std::string profileReadString(const std::string& iniPath, const std::string& section, const std::string& key,
                              const std::string& defaultValue, std::size_t maxChars) {
    bool exists = false;
    const std::vector<Line> lines = readLines(iniPath, exists);
    const Found found = find(lines, section, key);
    std::string v = found.keyLine < 0 ? defaultValue : found.value;
    if (v.size() > maxChars) v.resize(maxChars);
    return v;
}

bool profileWriteString(const std::string& iniPath, const std::string& section, const std::string& key,
                        const std::string& value, std::string* error) {
    // Names and values are single-line: a line break would create another key or section.
    bool fits = key.find('=') == std::string::npos && section.find(']') == std::string::npos;
    for (const std::string* s : {&section, &key, &value})
        if (s->find_first_of("\r\n") != std::string::npos) fits = false;
    if (!fits) {
        if (error) *error = "cannot write the key " + key + " of [" + section + "] in " + iniPath;
        return false;
    }

    bool exists = false;
    std::vector<Line> lines = readLines(iniPath, exists);
    std::string eol = "\n";
    for (const Line& l : lines)
        if (!l.end.empty()) {
            eol = l.end;
            break;
        }
    const Found found = find(lines, section, key);
    const std::string keyLine = key + "=" + value;
    if (found.keyLine >= 0) {
        lines[found.keyLine].text = keyLine;
    } else if (found.sectionLine >= 0) {
        Line& before = lines[found.lastInSection];
        if (before.end.empty()) before.end = eol;
        lines.insert(lines.begin() + found.lastInSection + 1, Line{keyLine, eol});
    } else {
        if (!lines.empty() && lines.back().end.empty()) lines.back().end = eol;
        lines.push_back(Line{"[" + section + "]", eol});
        lines.push_back(Line{keyLine, eol});
    }
    std::string data;
    for (const Line& l : lines)
        data += l.text + l.end;
    makeDirectories(directoryOf(iniPath));
    return writeFileAtomically(iniPath, data, error);
}

bool profileWriteInt(const std::string& iniPath, const std::string& section, const std::string& key,
                     int value, std::string* error) {
    return profileWriteString(iniPath, section, key, std::to_string(value), error);
}
