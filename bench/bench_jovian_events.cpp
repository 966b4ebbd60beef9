// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of the events of Jupiter's moons: a year of them (about 3000 events), and one instant's
// geometry of one moon.
#include <benchmark/benchmark.h>

#include "astro/jovian_events.h"

namespace {
constexpr double kJan2026 = 2461041.5; // 2026 January 1, 0h UT

void BM_JovianEventsOneYear(benchmark::State& state) {
    for (auto _ : state) {
        auto events = jovianMoonEvents(kJan2026, kJan2026 + 365, 15.0);
        benchmark::DoNotOptimize(events.data());
    }
}
BENCHMARK(BM_JovianEventsOneYear)->Unit(benchmark::kMillisecond);

void BM_JovianMoonStateOneInstant(benchmark::State& state) {
    double t = kJan2026;
    for (auto _ : state) {
        benchmark::DoNotOptimize(jovianMoonState(t, 3));
        t += 0.01;
    }
}
BENCHMARK(BM_JovianMoonStateOneInstant)->Unit(benchmark::kMicrosecond);
} // namespace
