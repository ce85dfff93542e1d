// The refresh-rate queries over EnumDisplaySettingsA, on whatever modes the
// display (or Wine without one) reports: the contract, not the numbers.
#include "platform/PlatformDisplayModes.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace orvane {
namespace {

TEST(WindowsDisplayModes, EveryReportedModeIsFoundByTheQueries)
{
    const std::unique_ptr<DisplayModeSource> display = platformDisplayModes();
    const std::vector<DisplayMode> modes = display->modes();
    EXPECT_EQ(display->modes(), modes); // a stable order
    for (const DisplayMode& mode : modes) {
        const auto width = static_cast<int32_t>(mode.width);
        const auto height = static_cast<int32_t>(mode.height);
        const auto depth = static_cast<int32_t>(mode.bitsPerPixel);
        const std::vector<int32_t> rates = refreshRatesFor(*display, width, height, depth);
        EXPECT_NE(std::find(rates.begin(), rates.end(), static_cast<int32_t>(mode.frequency)), rates.end());
        EXPECT_EQ(topRefreshRate(*display, width, height, depth), *std::max_element(rates.begin(), rates.end()));
        size_t expected = 0;
        for (const DisplayMode& other : modes)
            expected += other.width == mode.width && other.height == mode.height && other.bitsPerPixel == mode.bitsPerPixel;
        EXPECT_EQ(rates.size(), expected);
    }
    EXPECT_TRUE(refreshRatesFor(*display, -1, 600, 16).empty());
    EXPECT_EQ(topRefreshRate(*display, 800, 600, -16), 0);
}

} // namespace
} // namespace orvane
