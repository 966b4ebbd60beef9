// SPDX-License-Identifier: GPL-3.0-or-later
// Costs of the reports: the forecast of one night at Annecy (about 150 five-minute steps, the
// model recomputed for every altitude, the trace appended line by line to a file) and an
// ephemeris table of 100 lines.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "catalog/prompter.h"
#include "catalog/systeme.h"
#include "reports/ephemeris.h"
#include "reports/forecast.h"

namespace {
systeme& shippedModel() {
    static systeme model;
    static bool loaded = false;
    if (!loaded) {
        RecordingPrompter prompter;
        model.lookupDirs = {NALVO_SOURCE_DATA_DIR};
        if (model.load(std::string(NALVO_SOURCE_DATA_DIR) + "/Sys.syt", prompter) < 0) std::abort();
        model.latitude = 45.9;
        model.longitude = -6.12;
        loaded = true;
    }
    return model;
}

date2 at(int year, int month, int day, int hour) {
    date2 d;
    d.annee = year;
    d.mois = month;
    d.jour = day;
    d.heure = hour;
    d.calculeT();
    return d;
}

// A night of about 12.5 hours (the equinox): 150 steps of the night loop.
void BM_ForecastOneNight(benchmark::State& state) {
    systeme& model = shippedModel();
    reports::ForecastOptions options;
    options.logPath = (std::filesystem::temp_directory_path() / "nalvo_bench_LogFile.txt").string();
    options.infoDirs = {NALVO_SOURCE_DATA_DIR};
    size_t bytes = 0;
    for (auto _ : state) {
        date2 d = at(2026, 3, 20, 12);
        d.decalageLieu = 1;
        const std::string text = reports::forecastText(model, d, options);
        bytes += text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.counters["report_bytes"] = static_cast<double>(bytes) / static_cast<double>(state.iterations());
    std::filesystem::remove(options.logPath);
}
BENCHMARK(BM_ForecastOneNight)->Unit(benchmark::kMillisecond);

// The same without the trace file, to show what the trace costs.
void BM_ForecastOneNightNoTrace(benchmark::State& state) {
    systeme& model = shippedModel();
    reports::ForecastOptions options;
    options.infoDirs = {NALVO_SOURCE_DATA_DIR};
    for (auto _ : state) {
        date2 d = at(2026, 3, 20, 12);
        const std::string text = reports::forecastText(model, d, options);
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(BM_ForecastOneNightNoTrace)->Unit(benchmark::kMillisecond);

void BM_Ephemeris100Lines(benchmark::State& state) {
    systeme& model = shippedModel();
    const int object = static_cast<int>(state.range(0));
    for (auto _ : state) {
        date2 d = at(2026, 1, 1, 0);
        const std::string text = reports::ephemerisText(model, d, {object, 1, 19});
        benchmark::DoNotOptimize(text.data());
    }
}
// Mars and the Moon (the longest theory).
BENCHMARK(BM_Ephemeris100Lines)->Arg(3)->Arg(9)->Unit(benchmark::kMicrosecond);
} // namespace
