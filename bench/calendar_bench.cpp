// Speed of the civil, Easter and Jewish conversions.
#include <benchmark/benchmark.h>

#include "calendar/easter.h"
#include "calendar/jewish.h"
#include "calendar/reformed.h"

namespace almanix {
namespace {

void BM_DecodeReformedDate(benchmark::State& state) {
    TDateTime t = -600000;  // year 257
    for (auto _ : state) {
        std::uint16_t y, m, d;
        DecodeReformedDate(t, y, m, d);
        benchmark::DoNotOptimize(y + m + d);
        t = t < 2900000 ? t + 1.25 : -600000;
    }
}
BENCHMARK(BM_DecodeReformedDate);

void BM_EncodeReformedDate(benchmark::State& state) {
    std::uint16_t year = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(EncodeReformedDate(year, 7, 15));
        year = year < 9999 ? year + 1 : 1;
    }
}
BENCHMARK(BM_EncodeReformedDate);

void BM_EasterSunday(benchmark::State& state) {
    std::int32_t year = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(EasterSunday(year));
        year = year < 2399 ? year + 1 : 1;
    }
}
BENCHMARK(BM_EasterSunday);

void BM_DateToJewish(benchmark::State& state) {
    TDateTime t = EncodeReformedDate(1000, 1, 1);
    for (auto _ : state) {
        std::uint16_t y, m, d;
        DateToJewish(t, y, m, d);
        benchmark::DoNotOptimize(y + m + d);
        t = t < 182000 ? t + 3 : EncodeReformedDate(1000, 1, 1);
    }
}
BENCHMARK(BM_DateToJewish);

void BM_JewishToDate(benchmark::State& state) {
    std::uint16_t year = 4760;
    for (auto _ : state) {
        benchmark::DoNotOptimize(JewishToDate(year, 5, 12));
        year = year < 6160 ? year + 1 : 4760;
    }
}
BENCHMARK(BM_JewishToDate);

}  // namespace
}  // namespace almanix
