#pragma once
#include <functional>

namespace orvane {

// Runs a user's event as one command: the one place that catches the
// layers' errors and shows the default error box, before control returns
// into the toolkit.
void dispatchEvent(const std::function<void()>& handler);

} // namespace orvane
