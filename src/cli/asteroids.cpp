// SPDX-License-Identifier: GPL-3.0-or-later
// nalvo-cli asteroids.
#include "cli/asteroids.h"

#include "catalog/asteroid_conversion.h"
#include "catalog/paths.h"
#include "cli/output_file.h"

const char kAsteroidsHelp[] =
    "usage: nalvo-cli asteroids convert FILE.edb [--out FILE]\n"
    "Converts the elliptic records of an XEphem orbital element file into the program's comet file,\n"
    "written through a temporary file renamed over the old one (a failure leaves the old file).\n"
    "Lines that are not elliptic elements, too short or garbled are skipped and counted.\n"
    "  --out FILE   the file to write (default: comet.syt in the user data folder, the one the\n"
    "               program loads first)\n"
    "Exit status: 0 converted, 1 the source could not be read or the file written, 2 bad arguments\n"
    "(an --out whose folder is missing or cannot be written included).\n";

int asteroidsCommand(const std::vector<std::string>& args, std::FILE* out, std::FILE* err) {
    auto bad = [&](const std::string& what) {
        std::fprintf(err, "nalvo-cli asteroids: %s (nalvo-cli asteroids --help)\n", what.c_str());
        return 2;
    };
    for (const std::string& a : args)
        if (a == "--help" || a == "-h") {
            std::fputs(kAsteroidsHelp, out);
            return 0;
        }
    if (args.empty() || args[0] != "convert") return bad("the only action is 'convert'");
    std::string source, target;
    for (size_t k = 1; k < args.size(); ++k) {
        if (args[k] == "--out") {
            if (k + 1 >= args.size() || args[k + 1].empty()) return bad("--out needs a file name");
            target = args[++k];
        } else if (!args[k].empty() && args[k][0] == '-') {
            return bad("unknown option " + args[k]);
        } else if (source.empty()) {
            source = args[k];
        } else {
            return bad("one source file only");
        }
    }
    if (source.empty()) return bad("convert needs an .edb file");
    if (!isEdbFileName(source)) return bad("the source must be an XEphem file ending in .edb");
    if (target.empty()) target = userFilePath("comet.syt");
    if (std::string why; !outputPathUsable(target, why)) return bad(why);
    EdbConversion result;
    std::string error;
    if (convertEdb(source, target, &result, &error) != 0) {
        std::fprintf(err, "nalvo-cli asteroids: %s\n", error.c_str());
        return 1;
    }
    std::fprintf(out, "%d bodies converted, %d lines skipped, written to %s\n", result.converted,
                 result.skipped, target.c_str());
    if (result.skipped > 0) std::fprintf(out, "first skipped: %s\n", result.firstSkipped.c_str());
    return 0;
}
