// Parsing a large user.reg, refusing one larger than any registry, and one command
// that writes the game's values.
#include "bench/LargeUserReg.h"
#include "files/AtomicFile.h"
#include "registry/RegistryAccess.h"
#include "registry/RegistryErrors.h"
#include "settings/Schema.h"
#include "settings/SettingsRegistry.h"
#include "wine/WinePrefixStore.h"
#include "wine/WineRegFile.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <cstring>
#include <malloc.h>
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

long statusKilobytes(const char* field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.starts_with(field))
            return std::stol(line.substr(std::strlen(field)));
    return 0;
}

// The peak memory of reading and parsing a 10 MB user.reg, per byte of the
// file: the file's text is kept once, and what indexes it is small.
void ParsedFormPeakMemory(benchmark::State& state)
{
    std::string folder = (std::filesystem::temp_directory_path() / "orvane-bench-XXXXXX").string();
    ::mkdtemp(folder.data());
    std::ofstream(std::filesystem::path(folder) / "user.reg", std::ios::binary) << largeFile();
    double ratio = 0;
    for (auto _ : state) {
        // What earlier benchmarks freed goes back to the system, and the
        // file's text gets pages of its own, so the peak counts only this.
        ::mallopt(M_MMAP_THRESHOLD, 1 << 20);
        ::malloc_trim(0);
        std::ofstream("/proc/self/clear_refs") << "5"; // resets the peak
        const long before = statusKilobytes("VmRSS:");
        {
            RegistryAccess registry(std::make_unique<WinePrefixStore>(folder));
            benchmark::DoNotOptimize(registry.keyExists("Software"));
            ratio = double(statusKilobytes("VmHWM:") - before) * 1024 / double(largeFile().size());
        }
    }
    state.counters["peak_per_file_byte"] = ratio;
    std::filesystem::remove_all(folder);
}
BENCHMARK(ParsedFormPeakMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

// A user.reg of 4 GB, one byte over what a registry can be, sparse so that
// it takes no disk: the time to refuse it, and the memory the refusal took.
void RefusingAUserRegOverTheBound(benchmark::State& state)
{
    std::string folder = (std::filesystem::temp_directory_path() / "orvane-bench-XXXXXX").string();
    ::mkdtemp(folder.data());
    const std::filesystem::path file = std::filesystem::path(folder) / "user.reg";
    std::ofstream(file, std::ios::binary) << largeFile();
    std::filesystem::resize_file(file, 4ull << 30);
    long peakKilobytes = 0;
    for (auto _ : state) {
        std::ofstream("/proc/self/clear_refs") << "5"; // resets the peak
        const long before = statusKilobytes("VmRSS:");
        try {
            RegistryAccess registry(std::make_unique<WinePrefixStore>(folder));
            registry.keyExists("Software");
            state.SkipWithError("the file was read");
        } catch (const RegistryStoreError&) {}
        peakKilobytes = statusKilobytes("VmHWM:") - before;
    }
    state.counters["peak_kB"] = double(peakKilobytes);
    std::filesystem::remove_all(folder);
}
BENCHMARK(RefusingAUserRegOverTheBound)->Unit(benchmark::kMillisecond);

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
        SettingsSnapshot record;
        record.gamma = n;
        record.savpath = "C:\\Games\\" + std::to_string(n);
        for (const schema::StoredValue& value : schema::storedValues()) {
            if (!value.key.starts_with(schema::GameKey))
                continue;
            RegistryKey key = registry.createKey(value.key);
            writeSetting(key, value, record);
        }
        command.finish();
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(CommandWritingGameValues)->Unit(benchmark::kMillisecond);

// The floor of a command on a 10 MB file: writing, syncing and renaming it.
void ReplaceTenMegabytes(benchmark::State& state)
{
    std::string folder = (std::filesystem::temp_directory_path() / "orvane-bench-XXXXXX").string();
    ::mkdtemp(folder.data());
    const std::filesystem::path file = std::filesystem::path(folder) / "user.reg";
    std::ofstream(file, std::ios::binary) << largeFile();
    for (auto _ : state)
        replaceFileAtomically(file, largeFile());
    std::filesystem::remove_all(folder);
}
BENCHMARK(ReplaceTenMegabytes)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace orvane::bench
