// nalvo-cli: headless reports and rendering on the program's own code. Each command is one
// entry of the table below: name, one-line summary, function.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "cli/accuracy.h"
#include "cli/command.h"
#include "cli/positions.h"
#include "cli/report_commands.h"
#include "cli/render.h"

namespace {
struct Entry {
    const char* name;
    const char* summary;
    CliCommand run;
};

constexpr Entry kCommands[] = {
    {"positions", "places of the Sun, planets and the Moon as CSV, for one date or a range",
     positionsCommand},
    {"accuracy", "error table of the positions against the reference positions", accuracyCommand},
    {"render", "draws a sky view into a 24-bit bitmap or PNG file", renderCommand},
    {"position", "right ascension, declination and distance of one body, as the Position dialog", positionCommand},
    {"ephemeris", "the ephemeris table of the Sun, a planet or the Moon", ephemerisCommand},
    {"forecast", "the forecast of one night's phenomena", forecastCommand},
};

void usage(std::FILE* f) {
    std::fputs("usage: nalvo-cli COMMAND [OPTIONS]   (nalvo-cli COMMAND --help for its options)\ncommands:\n",
               f);
    for (const Entry& e : kCommands)
        std::fprintf(f, "  %-12s %s\n", e.name, e.summary);
}
} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        usage(stderr);
        return 2;
    }
    const std::string name = argv[1];
    if (name == "--help" || name == "-h" || name == "help") {
        usage(stdout);
        return 0;
    }
    for (const Entry& e : kCommands)
        if (name == e.name) {
            static char buffer[1 << 16];
            std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
            return e.run(std::vector<std::string>(argv + 2, argv + argc), stdout, stderr);
        }
    std::fprintf(stderr, "nalvo-cli: unknown command '%s' (nalvo-cli --help lists them)\n", name.c_str());
    return 2;
}
