// `orvane --load` on the demo prefix grown by 10 MB of other programs' keys,
// the whole process, beside the same change written by the Wine store
// alone: what the command line adds to the one file write it needs. Then
// how --load grows with other programs' keys and with account names.
#include "bench/Growth.h"
#include "bench/LargeUserReg.h"
#include "registry/RegistryAccess.h"
#include "settings/Schema.h"
#include "tools/DemoPrefix.h"
#include "wine/WinePrefixStore.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>

#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char** environ;

namespace orvane::bench {
namespace {

std::filesystem::path grownPrefix(size_t otherBytes = 10u << 20, const std::string& name = "orvane-bench-load")
{
    const std::filesystem::path prefix = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(prefix);
    createDemoPrefix(prefix);
    if (otherBytes == 0)
        return prefix;
    const std::string large = largeUserReg(otherBytes);
    std::ofstream(prefix / "user.reg", std::ios::app | std::ios::binary)
        << "\n" << large.substr(large.find("[Software\\\\Classes"));
    return prefix;
}

// Two configurations that differ in gamma, so that each load writes.
std::filesystem::path configuration(int gamma)
{
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / ("orvane-bench-gamma-" + std::to_string(gamma) + ".ini");
    std::ofstream(file, std::ios::binary) << "[Video]\r\ngamma=" << gamma << "\r\n";
    return file;
}

// The exit status; the peak memory in KB when asked for.
int run(const std::vector<std::string>& arguments, long* peakKilobytes = nullptr)
{
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", 01, 0);
    pid_t pid = 0;
    int status = -1;
    struct rusage usage {};
    if (posix_spawn(&pid, argv[0], &quiet, nullptr, argv.data(), environ) == 0)
        ::wait4(pid, &status, 0, &usage);
    if (peakKilobytes)
        *peakKilobytes = usage.ru_maxrss;
    posix_spawn_file_actions_destroy(&quiet);
    return status;
}

void OrvaneLoadProcess(benchmark::State& state)
{
    const std::filesystem::path prefix = grownPrefix();
    const std::string program = std::string(ORVANE_BINARY_DIR) + "/orvane";
    const std::string files[] = {configuration(40).string(), configuration(41).string()};
    int next = 0;
    for (auto _ : state)
        if (run({program, "--prefix", prefix.string(), "--load", files[next++ % 2]}) != 0)
            state.SkipWithError("orvane --load failed");
    std::filesystem::remove_all(prefix);
}

void StoreAloneWrite(benchmark::State& state)
{
    const std::filesystem::path prefix = grownPrefix();
    int gamma = 40;
    for (auto _ : state) {
        RegistryAccess registry(std::make_unique<WinePrefixStore>(prefix));
        RegistryCommand command(registry);
        registry.openKey(schema::VideoKey).writeInteger("gamma", gamma++ % 2 ? 41 : 40);
        command.finish();
    }
    std::filesystem::remove_all(prefix);
}

double millisecondsOf(const std::vector<std::string>& arguments, long* peakKilobytes = nullptr)
{
    const auto begin = std::chrono::steady_clock::now();
    run(arguments, peakKilobytes);
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin).count();
}

// --load of one changed value while user.reg holds 100 KB to 100 MB of
// other programs' keys; the sizes in turn each round, so all meet the same machine.
void LoadGrowthWithOtherKeys(benchmark::State& state)
{
    const std::vector<std::string> sizes{"100KB", "1MB", "10MB", "100MB"};
    std::vector<std::filesystem::path> prefixes;
    for (size_t i = 0; i < sizes.size(); ++i)
        prefixes.push_back(grownPrefix((100u << 10) * static_cast<size_t>(std::pow(10, i)), "orvane-bench-" + sizes[i]));
    const std::string program = std::string(ORVANE_BINARY_DIR) + "/orvane";
    const std::string files[] = {configuration(40).string(), configuration(41).string()};
    std::vector<std::vector<double>> times(sizes.size());
    int next = 0;
    for (auto _ : state) {
        const std::string& file = files[next++ % 2];
        for (size_t i = 0; i < sizes.size(); ++i)
            times[i].push_back(millisecondsOf({program, "--prefix", prefixes[i].string(), "--load", file}));
        state.SetIterationTime(times.back().back() / 1000);
    }
    reportGrowth(state, sizes, times);
    for (const auto& prefix : prefixes)
        std::filesystem::remove_all(prefix);
}

// --load of a configuration with 10 to 10,000 account names, each onto the
// demo prefix as it was, --save of them again, and the same --load again
// onto the names it stored; the peak memory of the largest load.
void LoadGrowthWithAccountNames(benchmark::State& state)
{
    const std::vector<int> counts{10, 100, 1000, 10000};
    const std::filesystem::path demo = grownPrefix(0, "orvane-bench-accounts");
    const std::string program = std::string(ORVANE_BINARY_DIR) + "/orvane";
    std::vector<std::string> sizes;
    std::vector<std::string> files;
    for (const int count : counts) {
        sizes.push_back(std::to_string(count) + "_names");
        files.push_back((std::filesystem::temp_directory_path() / ("orvane-bench-" + sizes.back() + ".ini")).string());
        std::ofstream out(files.back(), std::ios::binary);
        out << "[Bnet Accounts]\r\n";
        for (int i = 0; i < count; ++i)
            out << "BnetName" << i << "=player" << i << "\r\n";
    }
    const std::string original = [&] {
        std::ifstream in(demo / "user.reg", std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }();
    std::vector<std::vector<double>> times(counts.size());
    std::vector<std::vector<double>> saveTimes(counts.size());
    std::vector<std::vector<double>> reloadTimes(counts.size());
    const std::string saved = (std::filesystem::temp_directory_path() / "orvane-bench-saved.ini").string();
    long peak = 0;
    for (auto _ : state) {
        for (size_t i = 0; i < counts.size(); ++i) {
            std::ofstream(demo / "user.reg", std::ios::binary | std::ios::trunc) << original;
            times[i].push_back(millisecondsOf({program, "--prefix", demo.string(), "--load", files[i]}, &peak));
            // And the names exported again, through the registry kept in memory.
            saveTimes[i].push_back(millisecondsOf({program, "--prefix", demo.string(), "--save", saved}));
            // And loaded again, each stored name replaced.
            reloadTimes[i].push_back(millisecondsOf({program, "--prefix", demo.string(), "--load", files[i]}));
        }
        state.SetIterationTime(times.back().back() / 1000);
    }
    reportGrowth(state, sizes, times);
    for (const auto& [name, measured] : {std::pair{"save_", &saveTimes}, std::pair{"reload_", &reloadTimes}}) {
        std::vector<std::string> named;
        for (const std::string& size : sizes)
            named.push_back(name + size);
        reportGrowth(state, named, *measured);
    }
    std::filesystem::remove(saved);
    state.counters["10000_names_peak_MB"] = static_cast<double>(peak) / 1024;
    std::filesystem::remove_all(demo);
    for (const std::string& file : files)
        std::filesystem::remove(file);
}

// The account names first: a child started by this process counts its
// peak memory until exec, and the others grow it by hundreds of MB.
BENCHMARK(LoadGrowthWithAccountNames)->Unit(benchmark::kMillisecond)->Iterations(5)->UseManualTime();
BENCHMARK(OrvaneLoadProcess)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(StoreAloneWrite)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(LoadGrowthWithOtherKeys)->Unit(benchmark::kMillisecond)->Iterations(5)->UseManualTime();

} // namespace
} // namespace orvane::bench

BENCHMARK_MAIN();
