// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the whole model load from "Sys.syt", with the files it names, then the
// positions of every body. The input is "Sys.syt" followed by any number of files, each introduced
// by a line "%%% <name>"; they are written to a private folder under the build directory, which
// is searched first, then the shipped data/ (so that a "Sys.syt" alone loads the shipped bodies
// and catalogues). A file named "Nalvo.ini" is the settings the load reads.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "astro/date2.h"
#include "catalog/prompter.h"
#include "catalog/systeme.h"
#include "fuzz_checks.h"

namespace {
// A name the folder can hold: letters, digits, '.', '_' and '-', at most 40 characters.
bool usableName(std::string_view name) {
    if (name.empty() || name.size() > 40 || name == "." || name == "..") return false;
    for (char c : name)
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
              c == '_' || c == '-'))
            return false;
    return true;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static fuzzcheck::PrivateDir dir("system");
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    constexpr std::string_view kMark = "\n%%% ";
    std::size_t end = input.find(kMark);
    dir.write("Sys.syt", input.substr(0, end));
    while (end != std::string_view::npos) {
        const std::size_t nameStart = end + kMark.size();
        const std::size_t nameEnd = input.find('\n', nameStart);
        if (nameEnd == std::string_view::npos) break;
        end = input.find(kMark, nameEnd);
        const std::string_view name = input.substr(nameStart, nameEnd - nameStart);
        const std::string_view body =
            input.substr(nameEnd + 1, end == std::string_view::npos ? std::string_view::npos : end - nameEnd - 1);
        if (usableName(name) && name != "Sys.syt") dir.write(std::string(name), body);
    }

    static systeme sys; // one model, reloaded by each input as the program reloads it
    sys.lookupDirs = {dir.path(), NALVO_SOURCE_DATA_DIR};
    RecordingPrompter prompter;
    const int total = sys.load(dir.path() + "/Sys.syt", prompter, dir.path() + "/Nalvo.ini");
    fuzzcheck::model(sys);
    if (total >= 0) {
        fuzzcheck::check(sys.sun() != nullptr, "a loaded model has its Sun");
        date2 date;
        date.jour = 1;
        date.mois = 1;
        date.annee = 2000;
        date.heure = 12;
        date.calculeT();
        sys.computePositions(date, true);
    } else {
        fuzzcheck::check(!sys.lastError.empty(), "a failed load says why");
    }
    dir.empty();
    return 0;
}
