#include "registry/KeyPaths.h"

namespace orvane {

std::string normalizeKeyPath(std::string_view path)
{
    while (!path.empty() && path.front() == '\\')
        path.remove_prefix(1);
    while (!path.empty() && path.back() == '\\')
        path.remove_suffix(1);
    std::string result;
    result.reserve(path.size());
    for (char c : path) {
        if (c == '\\' && !result.empty() && result.back() == '\\')
            continue;
        result += c;
    }
    return result;
}

std::string joinKeyPath(std::string_view parent, std::string_view child)
{
    std::string normalizedChild = normalizeKeyPath(child);
    if (parent.empty())
        return normalizedChild;
    if (normalizedChild.empty())
        return std::string(parent);
    return std::string(parent) + '\\' + normalizedChild;
}

bool isInTree(std::string_view foldedPath, std::string_view foldedRoot)
{
    return foldedPath.starts_with(foldedRoot) &&
           (foldedPath.size() == foldedRoot.size() || foldedPath[foldedRoot.size()] == '\\');
}

} // namespace orvane
