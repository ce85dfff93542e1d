// `orvane --load` on the demo prefix grown by 10 MB of other programs' keys,
// the whole process, beside the same change written by the Wine store
// alone: what the command line adds to the one file write it needs.
#include "bench/LargeUserReg.h"
#include "settings/RegistryAccess.h"
#include "settings/Schema.h"
#include "tools/DemoPrefix.h"
#include "wine/WinePrefixStore.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace orvane::bench {
namespace {

std::filesystem::path grownPrefix()
{
    const std::filesystem::path prefix = std::filesystem::temp_directory_path() / "orvane-bench-load";
    std::filesystem::remove_all(prefix);
    createDemoPrefix(prefix);
    const std::string large = largeUserReg(10u << 20);
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

int run(const std::vector<std::string>& arguments)
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
    if (posix_spawn(&pid, argv[0], &quiet, nullptr, argv.data(), environ) == 0)
        ::waitpid(pid, &status, 0);
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
BENCHMARK(OrvaneLoadProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

void StoreAloneWrite(benchmark::State& state)
{
    const std::filesystem::path prefix = grownPrefix();
    int gamma = 40;
    for (auto _ : state) {
        RegistryAccess registry(std::make_unique<WinePrefixStore>(prefix));
        RegistryCommand command(registry);
        registry.OpenKey(schema::VideoKey, false);
        registry.WriteInteger("gamma", gamma++ % 2 ? 41 : 40);
        registry.CloseKey();
        command.finish();
    }
    std::filesystem::remove_all(prefix);
}
BENCHMARK(StoreAloneWrite)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace orvane::bench

BENCHMARK_MAIN();
