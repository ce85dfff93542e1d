#pragma once
// Which refresh rates the current display offers for a screen mode.
#include <cstdint>
#include <string_view>
#include <optional>
#include <vector>

namespace orvane {

struct DisplayMode {
    uint32_t width = 0;
    uint32_t height = 0;
    uint32_t bitsPerPixel = 0;
    uint32_t frequency = 0;
    bool operator==(const DisplayMode&) const = default;
};

// The modes of the current display in a stable order, asked afresh on
// every call.
class DisplayModeSource {
public:
    virtual ~DisplayModeSource() = default;
    virtual std::vector<DisplayMode> modes() = 0;
};

// The modes as one asking found them: for answers that belong together,
// without asking the display (a round trip per mode on Windows) again.
class AskedDisplayModes : public DisplayModeSource {
public:
    explicit AskedDisplayModes(std::vector<DisplayMode> modes) : modes_(std::move(modes)) {}
    std::vector<DisplayMode> modes() override { return modes_; }

private:
    std::vector<DisplayMode> modes_;
};

// One entry per matching mode, in the display's order: no sorting, and
// duplicates stay. A negative argument matches nothing.
std::vector<int32_t> refreshRatesFor(DisplayModeSource& display, int32_t width, int32_t height, int32_t bitsPerPixel);
// The largest rate among the matching modes, 0 when none matches.
int32_t topRefreshRate(DisplayModeSource& display, int32_t width, int32_t height, int32_t bitsPerPixel);

// "800x600x16@60,800x600x16@72": nullopt when the text is malformed.
std::optional<std::vector<DisplayMode>> parseDisplayModes(std::string_view text);

} // namespace orvane
