// From starting the orvane program to its main window on the screen, on
// the demo prefix, under an X server of the benchmark's own (Xvfb).
#include "bench/Growth.h"
#include "bench/LargeUserReg.h"
#include "tools/DemoPrefix.h"

#include <benchmark/benchmark.h>
#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <stdlib.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <vector>
#include <unistd.h>

extern char** environ;

namespace orvane::bench {
namespace {

constexpr const char* Display = ":97";

pid_t spawn(const std::vector<std::string>& arguments)
{
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        return 0;
    return pid;
}

void stop(pid_t pid)
{
    ::kill(pid, SIGTERM);
    ::waitpid(pid, nullptr, 0);
}

// Whether a viewable top-level window has this title.
bool windowShown(xcb_connection_t* connection, const char* title)
{
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    xcb_query_tree_reply_t* tree = xcb_query_tree_reply(connection, xcb_query_tree(connection, root), nullptr);
    if (!tree)
        return false;
    bool shown = false;
    const xcb_window_t* children = xcb_query_tree_children(tree);
    for (int i = 0; i < xcb_query_tree_children_length(tree) && !shown; ++i) {
        auto* attributes =
            xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, children[i]), nullptr);
        const bool viewable = attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
        free(attributes);
        if (!viewable)
            continue;
        auto* name = xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, children[i], XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 0, 64), nullptr);
        if (name) {
            const std::string text(static_cast<const char*>(xcb_get_property_value(name)),
                                   static_cast<size_t>(xcb_get_property_value_length(name)));
            shown = text == title;
            free(name);
        }
    }
    free(tree);
    return shown;
}

double startToWindowShown(xcb_connection_t* connection, const std::string& program, const std::filesystem::path& prefix)
{
    ::setenv("WINEPREFIX", prefix.c_str(), 1);
    const auto begin = std::chrono::steady_clock::now();
    const pid_t orvane = spawn({program});
    while (connection && !windowShown(connection, "Orvane"))
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - begin;
    stop(orvane);
    return elapsed.count();
}

std::filesystem::path demoPrefix(const std::string& name, size_t extraBytes)
{
    const std::filesystem::path prefix = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(prefix);
    createDemoPrefix(prefix);
    if (extraBytes) {
        // Other programs' keys, as a long-used prefix has them.
        const std::string large = largeUserReg(extraBytes);
        std::ofstream(prefix / "user.reg", std::ios::app | std::ios::binary)
            << "\n" << large.substr(large.find("[Software\\\\Classes"));
    }
    return prefix;
}

// The demo prefix, and the same with 100 KB to 100 MB more in user.reg, all
// started in turn so that each meets the same machine: each median beside
// the demo's, and the growth from each size to the next, tenfold.
void QtProcessStartToWindowShown(benchmark::State& state)
{
    const pid_t server = spawn({"Xvfb", Display, "-screen", "0", "1280x1024x24", "-nolisten", "tcp"});
    if (!server) {
        state.SkipWithError("Xvfb is not installed");
        return;
    }
    xcb_connection_t* connection = nullptr;
    for (int attempt = 0; attempt < 100; ++attempt) {
        connection = xcb_connect(Display, nullptr);
        if (!xcb_connection_has_error(connection))
            break;
        xcb_disconnect(connection);
        connection = nullptr;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    const std::vector<std::string> sizes{"100KB", "1MB", "10MB", "100MB"};
    const std::filesystem::path demo = demoPrefix("orvane-start-bench", 0);
    constexpr size_t Kilobytes[] = {100, 1000, 10000, 100000};
    std::vector<std::filesystem::path> grown;
    for (size_t i = 0; i < sizes.size(); ++i)
        grown.push_back(demoPrefix("orvane-start-bench-" + sizes[i], Kilobytes[i] << 10));
    ::setenv("DISPLAY", Display, 1);
    ::setenv("QT_QPA_PLATFORM", "xcb", 1);
    const std::string program = (std::filesystem::path(ORVANE_BINARY_DIR) / "orvane").string();
    const std::string floor = (std::filesystem::path(ORVANE_BINARY_DIR) / "bench" / "empty_qt_window").string();
    std::vector<double> floorTimes;
    std::vector<double> demoTimes;
    std::vector<std::vector<double>> grownTimes(sizes.size());
    for (auto _ : state) {
        floorTimes.push_back(startToWindowShown(connection, floor, demo));
        demoTimes.push_back(startToWindowShown(connection, program, demo));
        for (size_t i = 0; i < sizes.size(); ++i)
            grownTimes[i].push_back(startToWindowShown(connection, program, grown[i]));
        state.SetIterationTime(demoTimes.back() / 1000);
    }
    state.counters["empty_window_ms"] = median(floorTimes);
    state.counters["demo_ms"] = median(demoTimes);
    state.counters["demo_to_empty"] = median(demoTimes) / median(floorTimes);
    reportGrowth(state, sizes, grownTimes);
    for (size_t i = 0; i < sizes.size(); ++i)
        state.counters[sizes[i] + "_to_demo"] = median(grownTimes[i]) / median(demoTimes);
    if (connection)
        xcb_disconnect(connection);
    stop(server);
    std::filesystem::remove_all(demo);
    for (const auto& prefix : grown)
        std::filesystem::remove_all(prefix);
}
BENCHMARK(QtProcessStartToWindowShown)->Unit(benchmark::kMillisecond)->Iterations(11)->UseManualTime();

} // namespace
} // namespace orvane::bench

BENCHMARK_MAIN();
