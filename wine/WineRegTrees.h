#pragma once
// The key trees a reading of a registry file is limited to, and how a key
// path stands to them.
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// The trees' paths as key paths compare: normalized and folded.
std::vector<std::string> foldedTreePaths(std::span<const std::string_view> trees);

// Whether a folded path is one of the trees or lies below one.
bool inAnyTree(std::string_view folded, const std::vector<std::string>& foldedTrees);

// Whether a folded path is one of the trees, lies below one or above one.
bool touchesAnyTree(std::string_view folded, const std::vector<std::string>& foldedTrees);

} // namespace orvane
