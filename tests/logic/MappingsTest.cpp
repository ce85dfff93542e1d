// The mappings between record fields and controls, both ways.
#include "app/Mappings.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(Mappings, SwitchesAndTheirInvertedBoxesGoBothWays)
{
    for (bool inverted : {false, true}) {
        for (int32_t value : {0, 1}) {
            const auto checked = checkedFor(value, inverted);
            ASSERT_TRUE(checked);
            EXPECT_EQ(switchFor(*checked, inverted), value);
        }
        EXPECT_FALSE(checkedFor(2, inverted));
        EXPECT_FALSE(checkedFor(-1, inverted));
    }
    EXPECT_EQ(checkedFor(0, true), true);
}

TEST(Mappings, LevelsDepthsAndResolutionsOnlyForTheirItems)
{
    EXPECT_EQ(levelIndexFor(2), 2);
    EXPECT_FALSE(levelIndexFor(3));
    EXPECT_FALSE(levelFor(-1));
    EXPECT_EQ(depthIndexFor(32), 1);
    EXPECT_FALSE(depthIndexFor(24));
    EXPECT_EQ(depthFor(0), 16);
    EXPECT_FALSE(depthFor(2));
    EXPECT_EQ(resolutionIndexFor(1280, 1024), 6);
    EXPECT_FALSE(resolutionIndexFor(1024, 600));
    EXPECT_EQ(resolutionFor(1), (std::pair<int32_t, int32_t>{720, 576}));
    EXPECT_FALSE(resolutionFor(8));
    EXPECT_FALSE(resolutionFor(-1));
}

TEST(Mappings, SliderPositionsStayInOneToAHundred)
{
    EXPECT_EQ(sliderPositionFor(0), 1);
    EXPECT_EQ(sliderPositionFor(-5), 1);
    EXPECT_EQ(sliderPositionFor(55), 55);
    EXPECT_EQ(sliderPositionFor(1000), 100);
}

TEST(Mappings, RefreshRateSelection)
{
    const std::vector<int32_t> rates{60, 75, 75, 85};
    EXPECT_EQ(rateTexts(rates), (std::vector<std::string>{"60 Hz", "75 Hz", "75 Hz", "85 Hz"}));
    EXPECT_EQ(rateAt(rates, 3), 85);
    EXPECT_FALSE(rateAt(rates, 4));
    EXPECT_FALSE(rateAt(rates, -1));
    // Presenting: the last equal rate; nothing when unreachable or between.
    EXPECT_EQ(presentedRateIndex(rates, 85, 75), 2);
    EXPECT_FALSE(presentedRateIndex(rates, 85, 100));
    EXPECT_FALSE(presentedRateIndex(rates, 85, 72));
    // After a change: the first rate when the stored one is too high.
    EXPECT_EQ(rebuiltRateIndex(rates, 85, 100), 0);
    EXPECT_EQ(rebuiltRateIndex(rates, 85, 75), 2);
    EXPECT_EQ(rebuiltRateIndex(rates, 85, 72), -1);
    EXPECT_EQ(rebuiltRateIndex({}, 0, 60), -1);
}

} // namespace
} // namespace orvane
