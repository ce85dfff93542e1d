// Looking for the game in twenty Wine prefixes of 10 MB each, none of which
// holds it: every user.reg is scanned to its end.
#include "bench/LargeUserReg.h"
#include "wine/GamePrefixes.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <stdlib.h>

namespace orvane::bench {
namespace {

void ScanTwentyPrefixesOfTenMegabytes(benchmark::State& state)
{
    std::string home = (std::filesystem::temp_directory_path() / "orvane-scan-XXXXXX").string();
    ::mkdtemp(home.data());
    std::string text = largeUserReg(10u << 20);
    // Another program's keys instead of the game's.
    for (size_t at = text.find("Blizzard Entertainment"); at != std::string::npos; at = text.find("Blizzard Entertainment", at))
        text.replace(at, 8, "Elsewher");
    for (int n = 0; n < 20; ++n) {
        const std::filesystem::path prefix = std::filesystem::path(home) / "Games" / std::to_string(n);
        std::filesystem::create_directories(prefix / "drive_c");
        std::ofstream(prefix / "user.reg", std::ios::binary) << text;
        std::ofstream(prefix / "system.reg", std::ios::binary) << "WINE REGISTRY Version 2\n";
    }
    const HomeFolders folders{.home = home, .dataHome = home + "/.local/share", .configHome = home + "/.config"};
    for (auto _ : state) {
        const auto found = findGamePrefixes(folders);
        if (!found.empty())
            state.SkipWithError("a prefix without the game was taken for one");
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * 20 * text.size()));
    std::filesystem::remove_all(home);
}
BENCHMARK(ScanTwentyPrefixesOfTenMegabytes)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace orvane::bench
