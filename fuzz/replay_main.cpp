// Runs a fuzz target's LLVMFuzzerTestOneInput over files without libFuzzer:
// the checked-in corpus in the ordinary test run, a found input in a
// debugger, or (with --time) a corpus timed in an uninstrumented build.
//
//   replay [--time] PATH...    (a PATH may be a file or a directory of files)
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace {

std::vector<std::uint8_t> readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

int main(int argc, char** argv)
{
    if (LLVMFuzzerInitialize)
        LLVMFuzzerInitialize(&argc, &argv);

    bool timed = false;
    std::vector<std::filesystem::path> files;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--time") {
            timed = true;
            continue;
        }
        const std::filesystem::path path(arg);
        if (std::filesystem::is_directory(path)) {
            std::vector<std::filesystem::path> found;
            for (const auto& entry : std::filesystem::directory_iterator(path))
                if (entry.is_regular_file())
                    found.push_back(entry.path());
            std::sort(found.begin(), found.end());
            files.insert(files.end(), found.begin(), found.end());
        } else if (std::filesystem::is_regular_file(path)) {
            files.push_back(path);
        } else {
            std::fprintf(stderr, "replay: no such file or directory: %s\n", arg.c_str());
            return 2;
        }
    }

    // The empty input first: for a screen, every field at its default.
    static const std::uint8_t kNothing[1] = {0};
    LLVMFuzzerTestOneInput(kNothing, 0);
    std::vector<std::pair<double, std::string>> times;
    for (const auto& file : files) {
        const std::vector<std::uint8_t> data = readFile(file);
        const auto start = std::chrono::steady_clock::now();
        LLVMFuzzerTestOneInput(data.data(), data.size());
        const std::chrono::duration<double, std::milli> ms = std::chrono::steady_clock::now() - start;
        if (timed)
            times.emplace_back(ms.count(), file.string());
    }
    std::printf("replayed %zu inputs\n", files.size() + 1);
    if (timed) {
        std::sort(times.rbegin(), times.rend());
        for (std::size_t i = 0; i < times.size() && i < 10; ++i)
            std::printf("%10.3f ms  %s\n", times[i].first, times[i].second.c_str());
    }
    return 0;
}
