#pragma once
// The languages the player reads, best first: on Linux from gettext's
// variables (language/LanguageChoice.h), on Windows the user's interface
// language. Empty: English.
#include <string>
#include <vector>

namespace orvane {

std::vector<std::string> playersLanguages();

} // namespace orvane
