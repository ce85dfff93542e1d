// From starting orvane.exe to its main window shown, under Wine, on a game
// installed with its defaults, beside the same for a window of the same
// controls without the program (the floor, ControlsWindow.cpp), started in
// turn. Prints the figures in the benchmarks' form.
#include "tests/support/TestGame.h"
#include "tests/win32/WindowUnderWine.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

double startToWindowShown(const std::filesystem::path& program)
{
    const auto started = std::chrono::steady_clock::now();
    orvane::test::RunningOrvane shown(program); // returns once the window is shown
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started).count();
}

double median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main()
{
    constexpr int Runs = 11;
    orvane::test::TestGame game;
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    const std::filesystem::path floor = std::filesystem::path(self).parent_path() / "controls_window.exe";
    std::vector<double> floorTimes;
    std::vector<double> orvaneTimes;
    for (int run = 0; run < Runs; ++run) {
        floorTimes.push_back(startToWindowShown(floor));
        orvaneTimes.push_back(startToWindowShown({}));
    }
    std::printf("%-48s %8.0f ms (median of %d)\n", "Win32ControlsWindowStartToShown/under_wine", median(floorTimes), Runs);
    std::printf("%-48s %8.0f ms (median of %d)\n", "Win32ProcessStartToWindowShown/under_wine", median(orvaneTimes), Runs);
    std::printf("%-48s %8.2f\n", "orvane.exe to its controls' window", median(orvaneTimes) / median(floorTimes));
    return 0;
}
