// What the history of changes costs: an Apply of the Video group on the
// demo prefix through the store that keeps the history, beside the same
// Apply through the Wine store alone (the aim: at most 1.1 times), and
// listing a history of 100 entries, as --history does (the aim: 50 ms).
#include "registry/ChangeHistory.h"
#include "registry/RegistryAccess.h"
#include "settings/Schema.h"
#include "settings/SettingsHistory.h"
#include "tools/DemoPrefix.h"
#include "wine/WinePrefixStore.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace orvane::bench {
namespace {

const std::filesystem::path Prefix = std::filesystem::temp_directory_path() / "orvane-bench-history-prefix";
const std::filesystem::path Folder = std::filesystem::temp_directory_path() / "orvane-bench-history";

// The Video group's values as its Apply writes them, alternating, so that
// each Apply changes what it writes.
void applyVideo(RegistryAccess& registry, int turn)
{
    RegistryCommand command(registry);
    RegistryKey video = registry.createKey(std::string(schema::VideoKey));
    const int odd = turn % 2;
    video.writeInteger("gamma", 25 + 15 * odd);
    video.writeInteger("reswidth", odd ? 1024 : 800);
    video.writeInteger("resheight", odd ? 768 : 600);
    video.writeInteger("colordepth", 32);
    video.writeInteger("refreshrate", 60);
    video.writeInteger("texquality", 1 + odd);
    video.writeInteger("particles", 2 - odd);
    video.writeInteger("lighting", 1);
    video.writeInteger("shadows", odd);
    command.finish();
}

void fresh()
{
    std::filesystem::remove_all(Prefix);
    std::filesystem::remove_all(Folder);
    createDemoPrefix(Prefix);
}

void ApplyWithoutHistory(benchmark::State& state)
{
    fresh();
    RegistryAccess registry(std::make_unique<WinePrefixStore>(Prefix));
    int turn = 0;
    for (auto _ : state)
        applyVideo(registry, ++turn);
}
BENCHMARK(ApplyWithoutHistory)->Unit(benchmark::kMillisecond);

void ApplyWithHistory(benchmark::State& state)
{
    fresh();
    ChangeHistory history(Folder);
    RegistryAccess registry(withHistory(std::make_unique<WinePrefixStore>(Prefix), history));
    int turn = 0;
    for (auto _ : state) {
        history.nameChange("Apply Video");
        applyVideo(registry, ++turn);
    }
    state.counters["entries"] = static_cast<double>(history.entries().size());
}
BENCHMARK(ApplyWithHistory)->Unit(benchmark::kMillisecond);

void ListHundredEntries(benchmark::State& state)
{
    fresh();
    ChangeHistory history(Folder);
    RegistryAccess registry(withHistory(std::make_unique<WinePrefixStore>(Prefix), history));
    for (int turn = 1; turn <= 110; ++turn) {
        history.nameChange("Apply Video");
        applyVideo(registry, turn);
    }
    size_t listed = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(listed = ChangeHistory(Folder).entries().size());
    state.counters["entries"] = static_cast<double>(listed);
}
BENCHMARK(ListHundredEntries)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace orvane::bench
