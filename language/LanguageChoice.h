#pragma once
// Which language the player reads, as gettext decides it on Linux: the
// locale for messages is the first of LC_ALL, LC_MESSAGES and LANG that is
// set; unless that is "C" or "POSIX", LANGUAGE (a list, colon-separated)
// comes before it.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// The variable's value, nullopt when it is not set.
using EnvironmentLookup = std::function<std::optional<std::string>(const char* name)>;

// The locale names to try, best first; empty: English.
std::vector<std::string> preferredLanguages(const EnvironmentLookup& environment);

// The first of the catalogues that a preferred language names: the whole
// language and territory ("pt_BR") before the language alone ("pt"), the
// codeset and modifier ("de_DE.UTF-8@euro") left aside. A language given
// with "-" ("zh-CN", as Windows names it) is the same as with "_". nullopt:
// English.
std::optional<std::string> chosenCatalogue(const std::vector<std::string>& preferred,
                                           const std::vector<std::string>& catalogues);

} // namespace orvane
