#include "settings/DisplayModes.h"

#include <charconv>

namespace orvane {
namespace {

bool matches(const DisplayMode& mode, int32_t width, int32_t height, int32_t bitsPerPixel)
{
    // As 64-bit values: a negative argument never equals an unsigned field.
    return int64_t{width} == int64_t{mode.width} && int64_t{height} == int64_t{mode.height} &&
           int64_t{bitsPerPixel} == int64_t{mode.bitsPerPixel};
}

bool parseNumber(std::string_view& text, char terminator, uint32_t& value)
{
    const auto end = text.find(terminator);
    const std::string_view digits = text.substr(0, end);
    const auto [ptr, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || error != std::errc() || ptr != digits.data() + digits.size())
        return false;
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    return true;
}

} // namespace

std::vector<int32_t> refreshRatesFor(DisplayModeSource& display, int32_t width, int32_t height, int32_t bitsPerPixel)
{
    std::vector<int32_t> rates;
    for (const DisplayMode& mode : display.modes())
        if (matches(mode, width, height, bitsPerPixel))
            rates.push_back(static_cast<int32_t>(mode.frequency));
    return rates;
}

int32_t topRefreshRate(DisplayModeSource& display, int32_t width, int32_t height, int32_t bitsPerPixel)
{
    int64_t maximum = 0;
    for (const DisplayMode& mode : display.modes())
        if (matches(mode, width, height, bitsPerPixel) && int64_t{mode.frequency} > maximum)
            maximum = mode.frequency;
    return static_cast<int32_t>(maximum);
}

std::optional<std::vector<DisplayMode>> parseDisplayModes(std::string_view text)
{
    std::vector<DisplayMode> modes;
    if (text.empty())
        return modes;
    while (true) {
        const auto comma = text.find(',');
        std::string_view item = text.substr(0, comma);
        DisplayMode mode;
        if (!parseNumber(item, 'x', mode.width) || !parseNumber(item, 'x', mode.height) ||
            !parseNumber(item, '@', mode.bitsPerPixel) || !parseNumber(item, ',', mode.frequency) || !item.empty())
            return std::nullopt;
        modes.push_back(mode);
        if (comma == std::string_view::npos)
            return modes;
        text.remove_prefix(comma + 1);
    }
}

} // namespace orvane
