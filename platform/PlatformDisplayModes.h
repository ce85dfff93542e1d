#pragma once
#include "settings/comfunc.h"

#include <memory>

namespace orvane {

// EnumDisplaySettingsA on Windows, XRandR elsewhere (none without a display).
std::unique_ptr<DisplayModeSource> platformDisplayModes();

} // namespace orvane
