// The window on the demo prefix and on one whose user.reg has grown to
// 10 MB: from creating the windows to the window shown and filled, and one
// keystroke with auto-apply on.
#include "app/Startup.h"
#include "bench/LargeUserReg.h"
#include "context/Context.h"
#include "registry/RegistryAccess.h"
#include "settings/Schema.h"
#include "wine/WinePrefixStore.h"
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

class NoFileDialogs : public FileDialogs {
public:
    std::optional<std::string> choose(const FileDialogRequest&) override { return std::nullopt; }
};

class NoStarts : public ProgramStarter {
public:
    bool startProgram(const std::string&, const std::string&, std::string&) override { return true; }
    bool openTextFile(const std::string&, std::string&) override { return true; }
    bool openLink(const std::string&, std::string&) override { return true; }
};

class NoDisplay : public DisplayModeSource {
public:
    std::vector<DisplayMode> modes() override { return {}; }
};

// Orvane's services but the window, which each start makes anew.
struct Doubles {
    NoBoxes boxes;
    NoFileDialogs files;
    NoStarts starter;
    NoDisplay display;

    std::unique_ptr<Context> context(Toolkit& toolkit, const std::filesystem::path& prefix)
    {
        SettingsPlace place{.openStore = [prefix] { return std::make_unique<WinePrefixStore>(prefix); },
                            .paths = PathMapping(prefix),
                            .winePrefix = {}};
        return std::make_unique<Context>(Services{toolkit, boxes, files, starter, display}, std::move(place),
                                         std::vector<std::string>{});
    }
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
    const auto startedIn = std::filesystem::current_path();
    Doubles doubles;
    for (auto _ : state) {
        QtToolkit toolkit;
        const auto context = doubles.context(toolkit, prefix);
        Windows windows;
        if (startProgram(windows, *context) != StartOutcome::Running)
            state.SkipWithError("Orvane did not start");
        windows.main->window().show();
        QApplication::processEvents();
        state.PauseTiming();
        windows.main->window().hide();
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
        registry.createKey(schema::OrvaneKey).writeBool("autoapply", true);
    }
    const auto startedIn = std::filesystem::current_path();
    Doubles doubles;
    {
        QtToolkit toolkit;
        const auto context = doubles.context(toolkit, prefix);
        Windows windows;
        if (startProgram(windows, *context) != StartOutcome::Running)
            state.SkipWithError("Orvane did not start");
        EditControl& name = windows.main->window().edit("LANName");
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
