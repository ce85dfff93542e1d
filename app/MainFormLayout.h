#pragma once
#include "controls/Layout.h"

namespace orvane {

// TMainForm's controls, menu and status bar.
const WindowLayout& mainFormLayout();

} // namespace orvane
