// From starting orvane.exe to its main window shown, under Wine, on a game
// installed with its defaults. Prints the figures in the benchmarks' form.
#include "tests/support/TestGame.h"
#include "tests/win32/WindowUnderWine.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

int main()
{
    using Clock = std::chrono::steady_clock;
    constexpr int Runs = 10;
    orvane::test::TestGame game;
    std::vector<double> milliseconds;
    for (int run = 0; run < Runs; ++run) {
        const auto started = Clock::now();
        orvane::test::RunningOrvane orvane; // returns once the window is shown
        milliseconds.push_back(std::chrono::duration<double, std::milli>(Clock::now() - started).count());
    }
    std::sort(milliseconds.begin(), milliseconds.end());
    std::printf("%-48s %8.0f ms (median of %d, fastest %.0f ms)\n", "Win32ProcessStartToWindowShown/under_wine",
                milliseconds[Runs / 2], Runs, milliseconds.front());
    return 0;
}
