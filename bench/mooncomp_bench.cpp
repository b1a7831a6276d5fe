// The Moon picture: one redraw of the control's picture (load, shade, turn) and one icon.
#include <benchmark/benchmark.h>

#include "mooncomp/moon_drawing.h"

namespace {

using namespace almanix;

void BM_DrawMoon(benchmark::State& state) {
    const auto size = static_cast<TMoonSize>(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(DrawMoon(size, msColor, rot_90, 135, true));
}
BENCHMARK(BM_DrawMoon)->Arg(ms64)->Arg(ms16);

void BM_DrawMoonIcon(benchmark::State& state) {
    QImage colour, mask;
    for (auto _ : state) {
        DrawMoonIcon(32, 32, msClassic, rot_270, 45, true, colour, mask);
        benchmark::DoNotOptimize(colour);
    }
}
BENCHMARK(BM_DrawMoonIcon);

}  // namespace
