#include "app/Mappings.h"

#include <algorithm>
#include <array>

namespace orvane {
namespace {

constexpr std::array<std::pair<int32_t, int32_t>, 8> Resolutions{
    {{640, 480}, {720, 576}, {800, 600}, {1024, 768}, {1152, 864}, {1280, 960}, {1280, 1024}, {1600, 1200}}};

int lastIndexOf(const std::vector<int32_t>& rates, int32_t rate)
{
    int found = -1;
    for (size_t i = 0; i < rates.size(); ++i)
        if (rates[i] == rate)
            found = static_cast<int>(i);
    return found;
}

} // namespace

std::optional<bool> checkedFor(int32_t value, bool inverted)
{
    if (value != 0 && value != 1)
        return std::nullopt;
    return (value == 1) != inverted;
}

int32_t switchFor(bool checked, bool inverted)
{
    return checked != inverted ? 1 : 0;
}

std::optional<int> levelIndexFor(int32_t level)
{
    if (level < 0 || level > 2)
        return std::nullopt;
    return level;
}

std::optional<int32_t> levelFor(int index)
{
    return levelIndexFor(index);
}

std::optional<int> depthIndexFor(int32_t depth)
{
    if (depth == 16)
        return 0;
    if (depth == 32)
        return 1;
    return std::nullopt;
}

std::optional<int32_t> depthFor(int index)
{
    if (index == 0)
        return 16;
    if (index == 1)
        return 32;
    return std::nullopt;
}

std::vector<std::string> resolutionTexts()
{
    std::vector<std::string> texts;
    for (const auto& [width, height] : Resolutions)
        texts.push_back(std::to_string(width) + "x" + std::to_string(height));
    return texts;
}

std::optional<int> resolutionIndexFor(int32_t width, int32_t height)
{
    const auto found = std::find(Resolutions.begin(), Resolutions.end(), std::pair{width, height});
    if (found == Resolutions.end())
        return std::nullopt;
    return static_cast<int>(found - Resolutions.begin());
}

std::optional<std::pair<int32_t, int32_t>> resolutionFor(int index)
{
    if (index < 0 || index >= static_cast<int>(Resolutions.size()))
        return std::nullopt;
    return Resolutions[static_cast<size_t>(index)];
}

int sliderPositionFor(int32_t value)
{
    return std::clamp(value, 1, 100);
}

std::vector<std::string> rateTexts(const std::vector<int32_t>& rates)
{
    std::vector<std::string> texts;
    for (int32_t rate : rates)
        texts.push_back(std::to_string(rate) + " Hz");
    return texts;
}

std::optional<int32_t> rateAt(const std::vector<int32_t>& rates, int index)
{
    if (index < 0 || index >= static_cast<int>(rates.size()))
        return std::nullopt;
    return rates[static_cast<size_t>(index)];
}

std::optional<int> presentedRateIndex(const std::vector<int32_t>& rates, int32_t maxRate, int32_t stored)
{
    if (maxRate < stored)
        return std::nullopt;
    const int found = lastIndexOf(rates, stored);
    if (found < 0)
        return std::nullopt;
    return found;
}

int rebuiltRateIndex(const std::vector<int32_t>& rates, int32_t maxRate, int32_t stored)
{
    if (maxRate < stored)
        return rates.empty() ? -1 : 0;
    return lastIndexOf(rates, stored);
}

} // namespace orvane
