#pragma once
#include "settings/DisplayModes.h"

#include <memory>

namespace orvane {

// EnumDisplaySettingsA on Windows, XRandR elsewhere (none without a display).
std::unique_ptr<DisplayModeSource> platformDisplayModes();

// The modes that ORVANE_DISPLAY_MODES lists, when it is set and well formed;
// else the platform's.
std::unique_ptr<DisplayModeSource> displayModesInUse();

} // namespace orvane
