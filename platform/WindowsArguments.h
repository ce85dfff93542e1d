#pragma once
#include <string>
#include <vector>

namespace orvane {

// A Windows parameter string as the program will see its arguments: blanks
// separate them, double quotes group, backslashes escape a quote.
std::vector<std::string> splitParameters(const std::string& parameters);

} // namespace orvane
