#pragma once
// How a record field and its control stand for each other. Presenting the
// record and taking the controls back both use these, so the two ways
// cannot drift apart. nullopt: the control cannot show the value, or shows
// nothing valid, and the field keeps its value.
#include "settings/DisplayModes.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace orvane {

// 0 and 1 as a check box; three boxes show the opposite of their value.
std::optional<bool> checkedFor(int32_t value, bool inverted = false);
int32_t switchFor(bool checked, bool inverted = false);

// Levels 0..2 are the list's item indexes.
std::optional<int> levelIndexFor(int32_t level);
std::optional<int32_t> levelFor(int index);

// Colour depths 16 and 32 as "16 Bit" and "32 Bit".
std::optional<int> depthIndexFor(int32_t depth);
std::optional<int32_t> depthFor(int index);

// The eight screen sizes of ResCB, item for item: "800x600".
std::vector<std::string> resolutionTexts();
std::optional<int> resolutionIndexFor(int32_t width, int32_t height);
std::optional<std::pair<int32_t, int32_t>> resolutionFor(int index);

// Sliders run from 1 to 100.
int sliderPositionFor(int32_t value);

// "75 Hz" for 75.
std::vector<std::string> rateTexts(const std::vector<int32_t>& rates);
// The rate the list shows at index.
std::optional<int32_t> rateAt(const std::vector<int32_t>& rates, int index);
// Presenting: the last entry equal to the stored rate, unless the display
// cannot reach it; nullopt leaves the selection as it was.
std::optional<int> presentedRateIndex(const std::vector<int32_t>& rates, int32_t maxRate, int32_t stored);
// After a change: the first rate when the stored one is above the mode's
// top rate, else the last equal entry; -1 selects nothing.
int rebuiltRateIndex(const std::vector<int32_t>& rates, int32_t maxRate, int32_t stored);

} // namespace orvane
