#pragma once
#include "controls/Layout.h"

namespace orvane {

// The main window's controls, menu and status bar.
const WindowLayout& mainWindowLayout();

} // namespace orvane
