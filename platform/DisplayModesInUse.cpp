#include "platform/PlatformDisplayModes.h"

#include <cstdlib>

namespace orvane {
namespace {

class ListedModes : public DisplayModeSource {
public:
    explicit ListedModes(std::vector<DisplayMode> modes) : modes_(std::move(modes)) {}
    std::vector<DisplayMode> modes() override { return modes_; }

private:
    std::vector<DisplayMode> modes_;
};

} // namespace

std::unique_ptr<DisplayModeSource> displayModesInUse()
{
    if (const char* listed = std::getenv("ORVANE_DISPLAY_MODES"))
        if (auto modes = parseDisplayModes(listed))
            return std::make_unique<ListedModes>(std::move(*modes));
    return platformDisplayModes();
}

} // namespace orvane
