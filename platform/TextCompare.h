#pragma once
#include <string_view>

namespace orvane {

// Compares two UTF-8 texts as the user's locale sorts them, without regard
// to case: negative, zero or positive.
int compareIgnoringCase(std::string_view a, std::string_view b);

} // namespace orvane
