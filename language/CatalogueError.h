#pragma once
#include <stdexcept>

namespace orvane {

// A catalogue that is not .po text; what names the file and the line.
class CatalogueError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace orvane
