// Speed of the phase, Moon-state, solar-term and eclipse routines. Each benchmark cycles
// through a fixed set of inputs, so that no call sees the same input twice in a row.
//
// BM_SolarTermInstant and BM_NextPhaseAfter_NewMoon are also run by bench/peers.sh against
// astronomy-engine on the same inputs: keep their input sets in step with bench/peers/events.js.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "astro/eclipses.h"
#include "astro/moon_state.h"
#include "astro/phases.h"
#include "astro/solar_terms.h"

namespace almanix {
namespace {

// Instants 1 January 2000 + i x 1.37 days, i = 0 .. 999 (peers: nextPhaseInstants).
constexpr int kInstantCount = 1000;
TDateTime CycledInstant(std::int64_t i) { return 36526.0 + static_cast<double>(i % kInstantCount) * 1.37; }

// Years 1950 .. 2049, every term of each (peers: solarTermCases).
void BM_SolarTermInstant(benchmark::State& state) {
    std::int64_t i = 0;
    for (auto _ : state) {
        const int year = 1950 + static_cast<int>((i / 24) % 100);
        const auto term = static_cast<std::uint8_t>(i % 24);
        benchmark::DoNotOptimize(SolarTermInstant(year, term));
        ++i;
    }
}
BENCHMARK(BM_SolarTermInstant);

void BM_PhaseInstant(benchmark::State& state) {
    std::int64_t i = 0;
    for (auto _ : state) {
        const auto phase = static_cast<TMoonPhase>(2 * (i % 4));
        benchmark::DoNotOptimize(PhaseInstant(phase, CycledInstant(i)));
        ++i;
    }
}
BENCHMARK(BM_PhaseInstant);

void BM_NextPhaseAfter_NewMoon(benchmark::State& state) {
    std::int64_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(NextPhaseAfter(mpNewMoon, CycledInstant(i++)));
}
BENCHMARK(BM_NextPhaseAfter_NewMoon);

void BM_IntermediatePhaseInstant(benchmark::State& state) {
    std::int64_t i = 0;
    for (auto _ : state) {
        const auto phase = static_cast<TMoonPhase>(2 * (i % 4) + 1);
        benchmark::DoNotOptimize(IntermediatePhaseInstant(phase, CycledInstant(i)));
        ++i;
    }
}
BENCHMARK(BM_IntermediatePhaseInstant);

void BM_MoonAge(benchmark::State& state) {
    std::int64_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(MoonAge(CycledInstant(i++)));
}
BENCHMARK(BM_MoonAge);

void BM_MoonPhaseAngle(benchmark::State& state) {
    std::int64_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(MoonPhaseAngle(CycledInstant(i++)));
}
BENCHMARK(BM_MoonPhaseAngle);

void BM_NextBlueMoon(benchmark::State& state) {
    std::int64_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(NextBlueMoon(CycledInstant(i++)));
}
BENCHMARK(BM_NextBlueMoon);

void BM_NextMajorTerm(benchmark::State& state) {
    std::int64_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(NextMajorTerm(CycledInstant(i++)));
}
BENCHMARK(BM_NextMajorTerm);

void BM_NextSyzygyEclipse(benchmark::State& state) {
    std::int64_t i = 0;
    for (auto _ : state) {
        TDateTime instant = CycledInstant(i);
        benchmark::DoNotOptimize(NextSyzygyEclipse(instant, i % 2 == 0));
        benchmark::DoNotOptimize(instant);
        ++i;
    }
}
BENCHMARK(BM_NextSyzygyEclipse);

}  // namespace
}  // namespace almanix
