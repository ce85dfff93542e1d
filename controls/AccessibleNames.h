#pragma once
// What a screen reader calls a control: its own caption, or else the label
// or check box before it in its box that names it, or else its box's
// caption. Every toolkit gives its controls these names.
#include "controls/Layout.h"

#include <string>

namespace orvane {

std::string accessibleName(const WindowLayout& window, const LayoutRow& row);

// The row whose caption names row, when that is another row; nullptr otherwise.
const LayoutRow* namingRow(const WindowLayout& window, const LayoutRow& row);

} // namespace orvane
