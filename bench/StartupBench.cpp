// From creating the windows to the main window shown and filled, on the
// demo prefix and on one whose user.reg has grown to 10 MB.
#include "app/OrvaneApplication.h"
#include "app/ProgramState.h"
#include "app/Startup.h"
#include "bench/LargeUserReg.h"
#include "platform/MessageBoxes.h"
#include "tools/DemoPrefix.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <stdlib.h>

namespace orvane::bench {
namespace {

class NoBoxes : public MessageBoxes {
public:
    MessageAnswer show(const MessageBoxRequest&) override { return MessageAnswer::Ok; }
};

std::filesystem::path makePrefix(size_t extraBytes)
{
    std::string folder = (std::filesystem::temp_directory_path() / "orvane-bench-XXXXXX").string();
    ::mkdtemp(folder.data());
    createDemoPrefix(folder);
    if (extraBytes) {
        const std::string large = largeUserReg(extraBytes);
        // The keys only: the demo file has its header already.
        std::ofstream(std::filesystem::path(folder) / "user.reg", std::ios::app | std::ios::binary)
            << "\n" << large.substr(large.find("\n["));
    }
    return folder;
}

void StartToWindowShown(benchmark::State& state)
{
    const std::filesystem::path prefix = makePrefix(static_cast<size_t>(state.range(0)) << 20);
    ::setenv("WINEPREFIX", prefix.c_str(), 1);
    const auto startedIn = std::filesystem::current_path();
    NoBoxes boxes;
    installMessageBoxes(&boxes);
    for (auto _ : state) {
        resetProgramState();
        Windows windows;
        if (startProgram(windows) != StartOutcome::Running)
            state.SkipWithError("Orvane did not start");
        windows.MainForm->show();
        QApplication::processEvents();
        state.PauseTiming();
        windows.MainForm->hide();
        std::filesystem::current_path(startedIn);
        state.ResumeTiming();
    }
    std::filesystem::remove_all(prefix);
}
BENCHMARK(StartToWindowShown)->Arg(0)->Arg(10)->ArgName("extra_MB")->Unit(benchmark::kMillisecond);

} // namespace
} // namespace orvane::bench

int main(int argc, char** argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    orvane::OrvaneApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
