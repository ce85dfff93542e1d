// The display modes as Windows reports them to the game.
#include "platform/PlatformDisplayModes.h"

#include <windows.h>

namespace orvane {
namespace {

class WindowsDisplayModes : public DisplayModeSource {
public:
    std::vector<DisplayMode> modes() override
    {
        std::vector<DisplayMode> result;
        DEVMODEA mode{};
        mode.dmSize = sizeof mode;
        for (DWORD index = 0; EnumDisplaySettingsA(nullptr, index, &mode); ++index)
            result.push_back({mode.dmPelsWidth, mode.dmPelsHeight, mode.dmBitsPerPel, mode.dmDisplayFrequency});
        return result;
    }
};

} // namespace

std::unique_ptr<DisplayModeSource> platformDisplayModes()
{
    return std::make_unique<WindowsDisplayModes>();
}

} // namespace orvane
