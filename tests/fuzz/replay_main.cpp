// Corpus replay: feeds every file of the directories (or the files) named on the command line
// to the fuzz target's LLVMFuzzerTestOneInput, so that an ordinary build without libFuzzer
// re-checks every input the fuzzer kept. Each input gets a time limit; a hang fails the run.
#include <algorithm>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

constexpr unsigned kSecondsPerInput = 20;  // generous: sanitized builds run several times slower
const char* currentInput = "";

void OnTimeout(int) {
    // Only async-signal-safe calls here.
    const char prefix[] = "replay: input took too long: ";
    (void)!write(2, prefix, sizeof prefix - 1);
    (void)!write(2, currentInput, std::char_traits<char>::length(currentInput));
    (void)!write(2, "\n", 1);
    _exit(1);
}

int Replay(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "replay: cannot read %s\n", file.c_str());
        return 1;
    }
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::string name = file.string();
    currentInput = name.c_str();
    alarm(kSecondsPerInput);
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    alarm(0);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::signal(SIGALRM, OnTimeout);
    int failures = 0;
    std::size_t count = 0;
    for (int i = 1; i < argc; ++i) {
        std::vector<std::filesystem::path> files;
        const std::filesystem::path arg = argv[i];
        if (std::filesystem::is_directory(arg)) {
            for (const auto& entry : std::filesystem::directory_iterator(arg))
                if (entry.is_regular_file()) files.push_back(entry.path());
        } else {
            files.push_back(arg);
        }
        std::sort(files.begin(), files.end());
        for (const auto& f : files) {
            failures += Replay(f);
            ++count;
        }
    }
    std::printf("replay: %zu inputs, %d unreadable\n", count, failures);
    if (count == 0) {
        std::fprintf(stderr, "replay: no inputs found\n");
        return 1;
    }
    return failures == 0 ? 0 : 1;
}
