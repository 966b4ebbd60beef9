// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the monthly information files "NalvoInfo<month><year>.dat" on arbitrary
// bytes, looked up for every day of the month (and day 0, which no record should match).
#include <cstddef>
#include <cstdint>
#include <string>

#include "astro/date2.h"
#include "fuzz_checks.h"
#include "reports/day_info.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static fuzzcheck::PrivateDir dir("day_info");
    date2 date;
    date.mois = 3;
    date.annee = 2027;
    const std::string file = fuzzcheck::bytes(data, size);
    dir.write(reports::dayInfoFileName(date), file);
    for (int day = 0; day <= 31; ++day) {
        date.jour = day;
        std::string text;
        bool found = false;
        const bool shown = reports::readDayInfo(date, text, {dir.path()}, &found);
        fuzzcheck::check(text.size() <= file.size() + 5, "the text comes from the file");
        fuzzcheck::check(shown || !found || text.size() == 5, "a day's record is shown");
    }
    std::string report;
    reports::appendDayInfo(date, report, {dir.path()});
    reports::noteOfTheDay(date, {dir.path()});
    return 0;
}
