#pragma once
#include "controls/Layout.h"

#include <vector>

namespace orvane {

// The controls in the order Tab visits them: each container's children by
// their tab numbers, a group box standing for its own children in turn.
// Hidden controls keep their place; the toolkit skips what cannot take focus.
std::vector<const LayoutRow*> tabChain(const WindowLayout& window);

} // namespace orvane
