// Parsing a large user.reg, and one command that writes the game's values.
#include "bench/LargeUserReg.h"
#include "settings/RegistryAccess.h"
#include "settings/Schema.h"
#include "settings/WinePrefixStore.h"
#include "settings/WineRegFile.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <stdlib.h>

namespace orvane::bench {
namespace {

constexpr size_t TenMegabytes = 10u << 20;

const std::string& largeFile()
{
    static const std::string text = largeUserReg(TenMegabytes);
    return text;
}

void ParseLargeUserReg(benchmark::State& state)
{
    for (auto _ : state) {
        WineRegFile file = WineRegFile::parse(largeFile(), "user.reg");
        benchmark::DoNotOptimize(file.keyCount());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * largeFile().size()));
}
BENCHMARK(ParseLargeUserReg)->Unit(benchmark::kMillisecond);

// Writes every game value once (about 45), as "Apply Settings" for all
// groups does, and flushes the file.
void CommandWritingGameValues(benchmark::State& state)
{
    std::string folder = (std::filesystem::temp_directory_path() / "orvane-bench-XXXXXX").string();
    ::mkdtemp(folder.data());
    std::ofstream(std::filesystem::path(folder) / "user.reg", std::ios::binary) << largeFile();
    RegistryAccess registry(std::make_unique<WinePrefixStore>(folder));
    int n = 0;
    for (auto _ : state) {
        RegistryCommand command(registry);
        ++n;
        for (const auto& key : schema::SettingsKeys) {
            registry.OpenKey(key.path, false);
            for (const auto& value : key.values) {
                if (std::holds_alternative<schema::IntegerField>(value.field))
                    registry.WriteInteger(value.name, n);
                else
                    registry.WriteString(value.name, std::to_string(n));
            }
        }
        for (const auto& key : schema::FolderKeys) {
            registry.OpenKey(key.path, true);
            for (int i = 0; i < key.copies; ++i)
                registry.WriteString(schema::folderValueName(i), "C:\\Games\\" + std::to_string(n));
        }
        registry.CloseKey();
        command.finish();
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(CommandWritingGameValues)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace orvane::bench
