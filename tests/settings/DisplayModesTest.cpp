// The refresh rates of a screen mode, from a display double.
#include "settings/DisplayModes.h"
#include "tests/support/FixedDisplayModes.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

class DisplayModes : public ::testing::Test {
protected:
    test::FixedDisplayModes display;
};

TEST_F(DisplayModes, ListsTheMatchingRatesInTheDisplaysOrder)
{
    display.offered = {{800, 600, 16, 60}, {800, 600, 32, 100}, {800, 600, 16, 72}, {1024, 768, 16, 90},
                       {800, 600, 16, 85}, {800, 600, 16, 75}};
    EXPECT_EQ(refreshRatesFor(display, 800, 600, 16), (std::vector<int32_t>{60, 72, 85, 75}));
    EXPECT_EQ(topRefreshRate(display, 800, 600, 16), 85);
}

TEST_F(DisplayModes, KeepsDuplicatesAndOddRatesAndListsTheLastModeOnce)
{
    display.offered = {{1024, 768, 32, 0}, {1024, 768, 32, 75}, {1024, 768, 32, 75}};
    EXPECT_EQ(refreshRatesFor(display, 1024, 768, 32), (std::vector<int32_t>{0, 75, 75}));
    EXPECT_EQ(topRefreshRate(display, 1024, 768, 32), 75);
}

TEST_F(DisplayModes, NegativeOrUnofferedArgumentsMatchNothing)
{
    // 0xFFFFFFFF would equal -1 in a 32-bit comparison.
    display.offered = {{0xFFFFFFFFu, 600, 16, 60}, {800, 0xFFFFFFFFu, 16, 60}, {800, 600, 0xFFFFFFFFu, 60}};
    EXPECT_TRUE(refreshRatesFor(display, -1, 600, 16).empty());
    EXPECT_TRUE(refreshRatesFor(display, 800, -1, 16).empty());
    EXPECT_TRUE(refreshRatesFor(display, 800, 600, -1).empty());
    EXPECT_EQ(topRefreshRate(display, -1, 600, 16), 0);
    EXPECT_TRUE(refreshRatesFor(display, 1600, 1200, 32).empty());
    EXPECT_EQ(topRefreshRate(display, 1600, 1200, 32), 0);
}

TEST_F(DisplayModes, AsksTheDisplayAfreshOnEveryCall)
{
    display.offered = {{800, 600, 16, 60}};
    EXPECT_EQ(topRefreshRate(display, 800, 600, 16), 60);
    display.offered = {{800, 600, 16, 60}, {800, 600, 16, 120}};
    EXPECT_EQ(topRefreshRate(display, 800, 600, 16), 120);
    EXPECT_EQ(display.enumerations, 2);
}

TEST(DisplayModeList, ReadsTheOverrideSyntax)
{
    const auto modes = parseDisplayModes("800x600x16@60,1024x768x32@75");
    ASSERT_TRUE(modes);
    EXPECT_EQ(*modes, (std::vector<DisplayMode>{{800, 600, 16, 60}, {1024, 768, 32, 75}}));
    EXPECT_EQ(parseDisplayModes(""), std::vector<DisplayMode>{});
    for (const char* bad : {"800x600x16", "800x600@60", "800x600x16@", "axbxc@d", "800x600x16@60,", "800x600x16@60x"})
        EXPECT_FALSE(parseDisplayModes(bad)) << bad;
}

} // namespace
} // namespace orvane
