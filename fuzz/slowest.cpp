// Times one screen calculation over fuzz inputs and lists the slowest:
// build it uninstrumented (the ordinary Release build) to see real times.
// The times are the thread's processor time, so that other processes on a
// busy machine do not count.
//
//   fuzz_slowest SCREEN PATH...   (files, or directories of files)
#include <algorithm>
#include <ctime>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "fuzz/screen_input.h"
#include "loan/fault.h"
#include "screens/registry.h"

namespace {

double cpuMilliseconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) * 1e-6;
}

std::string readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

int main(int argc, char** argv)
{
    qm::initFloatingPoint();
    if (argc < 3) {
        std::fprintf(stderr, "usage: fuzz_slowest SCREEN PATH...\n");
        return 64;
    }
    const qm::ScreenDef* screen = qm::findScreen(argv[1]);
    if (!screen) {
        std::fprintf(stderr, "fuzz_slowest: no screen %s\n", argv[1]);
        return 64;
    }
    std::vector<std::filesystem::path> files;
    for (int i = 2; i < argc; ++i) {
        if (std::filesystem::is_directory(argv[i])) {
            for (const auto& entry : std::filesystem::directory_iterator(argv[i]))
                if (entry.is_regular_file())
                    files.push_back(entry.path());
        } else {
            files.emplace_back(argv[i]);
        }
    }

    const auto settings = qm::RegionalSettings::unitedStates();
    std::vector<std::pair<double, std::string>> times;
    for (const auto& file : files) {
        const auto input = qm::fuzz::readScreenInput(*screen, readFile(file));
        double best = 1e300;
        for (int round = 0; round < 3; ++round) {
            const double start = cpuMilliseconds();
            const qm::Outcome o = screen->calculate(input.texts, settings);
            best = std::min(best, cpuMilliseconds() - start);
            if (o.writes.size() > 1000)  // keeps the call from being optimised away
                std::puts("");
        }
        std::string texts;
        for (std::size_t i = 0; i < input.texts.size(); ++i)
            texts += std::string(i ? " " : "") + screen->fields[i].name + "=" + input.texts[i];
        times.emplace_back(best, file.filename().string() + "  " + texts);
    }
    std::sort(times.rbegin(), times.rend());
    std::printf("%s: %zu inputs, the slowest (processor time, best of 3):\n", screen->id, times.size());
    for (std::size_t i = 0; i < times.size() && i < 15; ++i)
        std::printf("%10.3f ms  %s\n", times[i].first, times[i].second.c_str());
    return 0;
}
