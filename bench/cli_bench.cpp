// almanix-cli end to end: `day 2000-01-01 --to 2003-12-31 --format csv` (1461 days in all four
// reckonings), run as a process from the build directory, wall-clock time per run.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

// almanix-cli beside this benchmark binary, or an empty path.
std::filesystem::path CliBinary() {
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return {};
    const auto cli = self.parent_path() / "almanix-cli";
    return std::filesystem::exists(cli) ? cli : std::filesystem::path();
}

void BM_CliDayRangeCsv(benchmark::State& state) {
    const std::filesystem::path cli = CliBinary();
    if (cli.empty()) {
        state.SkipWithError("almanix-cli is not built beside almanix_bench");
        return;
    }
    const std::string command = cli.string() + " day 2000-01-01 --to 2003-12-31 --format csv";
    std::size_t lines = 0;
    for (auto _ : state) {
        FILE* pipe = popen(command.c_str(), "r");
        if (pipe == nullptr) {
            state.SkipWithError("cannot start almanix-cli");
            return;
        }
        lines = 0;
        char buffer[4096];
        while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) ++lines;
        if (pclose(pipe) != 0) {
            state.SkipWithError("almanix-cli failed");
            return;
        }
    }
    state.counters["rows"] = static_cast<double>(lines > 0 ? lines - 1 : 0);
}
BENCHMARK(BM_CliDayRangeCsv)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace
