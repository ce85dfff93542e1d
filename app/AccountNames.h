#pragma once
#include <string>
#include <vector>

namespace orvane {

// Inserts name into the list, kept sorted case-insensitively in the user's
// locale; a name equal to an entry but for case is dropped, and the entry
// keeps its spelling.
void addAccountName(std::vector<std::string>& list, const std::string& name);

} // namespace orvane
