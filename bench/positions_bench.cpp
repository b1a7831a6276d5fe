// Speed of the VSOP87 Earth series and of the Sun and Moon positions.
#include <benchmark/benchmark.h>

#include "astro/positions.h"
#include "astro/vsop87.h"

namespace almanix {
namespace {

// Instants spread over a few centuries, so that no argument repeats between iterations.
TDateTime Instant(std::int64_t i) { return 33890.0 + static_cast<double>(i % 40000) * 3.7; }

void BM_EarthHeliocentric(benchmark::State& state) {
    std::int64_t i = 0;
    for (auto _ : state) {
        Extended L, B, R;
        EarthHeliocentric(Instant(i++), L, B, R);
        benchmark::DoNotOptimize(L);
        benchmark::DoNotOptimize(B);
        benchmark::DoNotOptimize(R);
    }
}
BENCHMARK(BM_EarthHeliocentric)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_SunPosition(benchmark::State& state) {
    std::int64_t i = 0;
    for (auto _ : state) {
        TSkyPosition p;
        SunPosition(Instant(i++), p);
        benchmark::DoNotOptimize(p);
    }
}
BENCHMARK(BM_SunPosition)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_MoonPosition(benchmark::State& state) {
    std::int64_t i = 0;
    for (auto _ : state) {
        TSkyPosition p;
        MoonPosition(Instant(i++), p);
        benchmark::DoNotOptimize(p);
    }
}
BENCHMARK(BM_MoonPosition)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace almanix
