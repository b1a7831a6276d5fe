// Chinese calendar conversions over days spread across 1900 to 2100. The time columns are the
// mean per call; each call is also timed on its own in thread CPU time, and the "median_ms"
// counter is the median of those (not inflated by other processes on a busy machine).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <ctime>
#include <vector>

#include "calendar/chinese.h"
#include "calendar/reformed.h"

namespace almanix {
namespace {

// 97 days, about 25 months apart, so that every month of the year and every kind of solstice
// year (with and without a leap month) is met.
std::vector<TDateTime> SpreadDays() {
    std::vector<TDateTime> days;
    const TDateTime first = EncodeReformedDate(1900, 1, 1);
    const TDateTime last = EncodeReformedDate(2100, 12, 31);
    constexpr int count = 97;
    for (int i = 0; i < count; ++i)
        days.push_back(first + std::floor((last - first) * i / (count - 1)));
    return days;
}

double ThreadCpuMs() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec * 1e-6;
}

template <typename Input, typename Convert>
void TimeEach(benchmark::State& state, const std::vector<Input>& inputs, Convert convert) {
    std::vector<double> ms;
    std::size_t i = 0;
    for (auto _ : state) {
        const double start = ThreadCpuMs();
        benchmark::DoNotOptimize(convert(inputs[i]));
        ms.push_back(ThreadCpuMs() - start);
        i = (i + 1) % inputs.size();
    }
    std::nth_element(ms.begin(), ms.begin() + ms.size() / 2, ms.end());
    state.counters["median_ms"] = ms[ms.size() / 2];
}

void BM_DateToChinese(benchmark::State& state) {
    TimeEach(state, SpreadDays(), [](TDateTime d) { return DateToChinese(d); });
}

void BM_ChineseToDate(benchmark::State& state) {
    std::vector<TChineseDate> dates;
    for (TDateTime d : SpreadDays()) dates.push_back(DateToChinese(d));
    TimeEach(state, dates, [](const TChineseDate& c) { return ChineseToDate(c); });
}

void BM_ChineseNewYear(benchmark::State& state) {
    std::vector<std::uint16_t> years;
    for (std::uint16_t y = 1900; y <= 2100; y += 2) years.push_back(y);
    TimeEach(state, years, [](std::uint16_t y) { return ChineseNewYear(y); });
}

// bench/peers/chinese.js times date-chinese on the same days (keep the two in step).
BENCHMARK(BM_DateToChinese)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChineseToDate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChineseNewYear)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace almanix
