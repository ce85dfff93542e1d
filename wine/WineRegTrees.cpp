#include "wine/WineRegTrees.h"

#include "files/TextEncoding.h"
#include "registry/KeyPaths.h"

#include <algorithm>

namespace orvane {

std::vector<std::string> foldedTreePaths(std::span<const std::string_view> trees)
{
    std::vector<std::string> folded;
    for (const std::string_view tree : trees)
        folded.push_back(foldCase(normalizeKeyPath(tree)));
    return folded;
}

bool inAnyTree(std::string_view folded, const std::vector<std::string>& foldedTrees)
{
    return std::any_of(foldedTrees.begin(), foldedTrees.end(),
                       [folded](const std::string& tree) { return isInTree(folded, tree); });
}

bool touchesAnyTree(std::string_view folded, const std::vector<std::string>& foldedTrees)
{
    // The root (the empty path) lies above every tree.
    return std::any_of(foldedTrees.begin(), foldedTrees.end(), [folded](const std::string& tree) {
        return folded.empty() || isInTree(folded, tree) || isInTree(tree, folded);
    });
}

} // namespace orvane
