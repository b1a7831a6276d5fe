// One update of the Moon and seasons window without the window: the seven Moon fields, the
// 64-pixel colour picture of the phase and the four season starts, as the window formats them.
#include <benchmark/benchmark.h>

#include "astro/angles.h"
#include "astro/moon_state.h"
#include "mooncomp/moon_drawing.h"
#include "rtl/datetime.h"
#include "ui/lunar_fields.h"

namespace {

using namespace almanix;

void BM_LunarUpdate(benchmark::State& state) {
    const TFormatSettings settings;
    TDateTime x = 0;
    if (!TryLunarInstant(LunarDateTimeText(1, 10, 2000, "21:30"), x, settings)) {
        state.SkipWithError("the fixed instant does not parse");
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(PhaseText(x, settings));
        benchmark::DoNotOptimize(AgeText(x, settings));
        benchmark::DoNotOptimize(LunationText(x));
        benchmark::DoNotOptimize(DiameterText(x, settings));
        benchmark::DoNotOptimize(DistanceText(x, settings));
        benchmark::DoNotOptimize(DrawMoon(ms64, msColor, rot_none, NormalizeAngle(MoonPhaseAngle(x)), false));
        benchmark::DoNotOptimize(EclipseText(x, settings));
        benchmark::DoNotOptimize(BlueMoonText(x, settings));
        for (TSeason season : {seWinter, seSpring, seSummer, seAutumn})
            benchmark::DoNotOptimize(SeasonText(2000, season, settings));
    }
}
BENCHMARK(BM_LunarUpdate)->Unit(benchmark::kMillisecond);

}  // namespace
