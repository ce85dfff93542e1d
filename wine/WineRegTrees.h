#pragma once
// Which key lines of a registry text name the key trees a reading is
// limited to, told from the line as Wine writes it.
#include "registry/KeyPaths.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// The trees' paths as they stand in a key line: folded, each backslash doubled.
std::vector<std::string> escapedTreePaths(std::span<const std::string_view> trees);

// Whether a line starts at `at` with blanks, if any, and a '['.
bool startsKeyLine(std::string_view text, size_t at);

// The start of the line that the '[' at `at` opens after blanks, if any;
// npos when something else comes first on that line. `from` is a line's
// start at or before the line.
size_t keyLineStartAt(std::string_view text, size_t from, size_t at);

// Whether the key line at `at` names a tree or a key below it, in any case.
bool namesTree(std::string_view text, size_t at, const std::vector<std::string>& escapedTrees);

} // namespace orvane
