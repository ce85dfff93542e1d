// The window on the demo prefix and on one whose user.reg has grown to
// 10 MB: from creating the windows to the window shown and filled, and one
// keystroke with auto-apply on.
#include "app/ProgramState.h"
#include "app/Startup.h"
#include "bench/LargeUserReg.h"
#include "platform/MessageBoxes.h"
#include "settings/RegistryAccess.h"
#include "settings/Schema.h"
#include "settings/WinePrefixStore.h"
#include "tools/DemoPrefix.h"
#include "ui/qt/QtToolkit.h"

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
        QtToolkit toolkit;
        Windows windows;
        if (startProgram(windows, toolkit) != StartOutcome::Running)
            state.SkipWithError("Orvane did not start");
        windows.MainForm->window().show();
        QApplication::processEvents();
        state.PauseTiming();
        windows.MainForm->window().hide();
        std::filesystem::current_path(startedIn);
        state.ResumeTiming();
    }
    std::filesystem::remove_all(prefix);
}
BENCHMARK(StartToWindowShown)->Arg(0)->Arg(10)->ArgName("extra_MB")->Unit(benchmark::kMillisecond);

// Each keystroke in an edit writes all groups and flushes the file once.
void AutoApplyKeystroke(benchmark::State& state)
{
    const std::filesystem::path prefix = makePrefix(10u << 20);
    {
        RegistryAccess registry(std::make_unique<WinePrefixStore>(prefix));
        registry.OpenKey(schema::OrvaneKey, true);
        registry.WriteBool(schema::AutoApply, true);
    }
    ::setenv("WINEPREFIX", prefix.c_str(), 1);
    const auto startedIn = std::filesystem::current_path();
    NoBoxes boxes;
    installMessageBoxes(&boxes);
    resetProgramState();
    {
        QtToolkit toolkit;
        Windows windows;
        if (startProgram(windows, toolkit) != StartOutcome::Running)
            state.SkipWithError("Orvane did not start");
        EditControl& name = windows.MainForm->window().edit("LANName");
        const std::string shorter = name.text();
        const std::string longer = shorter + "A";
        bool grow = true;
        for (auto _ : state) {
            name.userEdit(grow ? longer : shorter);
            grow = !grow;
        }
    }
    std::filesystem::current_path(startedIn);
    std::filesystem::remove_all(prefix);
}
BENCHMARK(AutoApplyKeystroke)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace orvane::bench

int main(int argc, char** argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
