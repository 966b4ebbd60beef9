// SPDX-License-Identifier: GPL-3.0-or-later
// nalvo-cli: headless reports and rendering on the program's own code. Each command is one
// entry of the table below: name, one-line summary, function; each command prints its own
// --help. The manual page is built from these texts.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "cli/accuracy.h"
#include "cli/asteroids.h"
#include "cli/command.h"
#include "cli/moon_events.h"
#include "cli/moons.h"
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
    {"moons", "Jupiter's and Saturn's satellites beside their planet as CSV", moonsCommand},
    {"moon-events", "transits, occultations, eclipses and shadows of Jupiter's moons as CSV", moonEventsCommand},
    {"asteroids", "converts an XEphem .edb file into the comet file", asteroidsCommand},
};

void usage(std::FILE* f) {
    std::fputs("Usage: nalvo-cli COMMAND [OPTION]...\n"
               "       nalvo-cli --help | --version | help COMMAND\n"
               "Draws the views of the Nalvo planetarium and writes its reports without a window.\n\n"
               "Commands:\n",
               f);
    for (const Entry& e : kCommands)
        std::fprintf(f, "  %-12s %s\n", e.name, e.summary);
    std::fputs("\n  -h, --help     display this help and exit\n"
               "      --version  output version information and exit\n\n"
               "'nalvo-cli COMMAND --help' describes the options of a command.\n"
               "Exit status: 0 success, 1 failure (data or file), 2 bad arguments.\n",
               f);
}

const Entry* findCommand(const std::string& name) {
    for (const Entry& e : kCommands)
        if (name == e.name) return &e;
    return nullptr;
}
} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        usage(stderr);
        return 2;
    }
    std::string name = argv[1];
    if (name == "--version") {
        std::puts("nalvo-cli (Nalvo) " NALVO_VERSION);
        return 0;
    }
    if (name == "help" && argc > 2) {
        if (const Entry* e = findCommand(argv[2])) return e->run({"--help"}, stdout, stderr);
    } else if (name == "--help" || name == "-h" || name == "help") {
        usage(stdout);
        return 0;
    } else if (const Entry* e = findCommand(name)) {
        static char buffer[1 << 16];
        std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
        return e->run(std::vector<std::string>(argv + 2, argv + argc), stdout, stderr);
    }
    if (name == "help") name = argv[2];
    std::fprintf(stderr, "nalvo-cli: unknown command '%s' (nalvo-cli --help lists them)\n", name.c_str());
    return 2;
}
