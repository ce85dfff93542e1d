#pragma once
// The display double: the modes a test says the display offers.
#include "settings/DisplayModes.h"

namespace orvane::test {

class FixedDisplayModes : public DisplayModeSource {
public:
    std::vector<DisplayMode> modes() override
    {
        ++enumerations;
        return offered;
    }
    std::vector<DisplayMode> offered;
    int enumerations = 0;
};

} // namespace orvane::test
