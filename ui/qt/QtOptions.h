#pragma once
// Qt's own command-line options (-style Fusion, -platform wayland, -reverse,
// ...) belong to Qt, as in every Qt program; the rest are Orvane's.
#include <string>
#include <vector>

namespace orvane {

struct SeparatedArguments {
    std::vector<std::string> qt;  // Qt's options with their values, in order
    std::vector<std::string> own; // the rest, in order
};

SeparatedArguments separateQtOptions(const std::vector<std::string>& arguments);

} // namespace orvane
