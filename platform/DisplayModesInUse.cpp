#include "platform/PlatformDisplayModes.h"

#include <cstdlib>

namespace orvane {

std::unique_ptr<DisplayModeSource> displayModesInUse()
{
    if (const char* listed = std::getenv("ORVANE_DISPLAY_MODES"))
        if (auto modes = parseDisplayModes(listed))
            return std::make_unique<AskedDisplayModes>(std::move(*modes));
    return platformDisplayModes();
}

} // namespace orvane
