#pragma once
// Key paths as every store takes them: relative to HKEY_CURRENT_USER,
// backslash-separated, compared folded.
#include <string>
#include <string_view>

namespace orvane {

// Leading, trailing and doubled backslashes removed.
std::string normalizeKeyPath(std::string_view path);

// The child's normalized path below the parent; the parent alone when the
// child is empty.
std::string joinKeyPath(std::string_view parent, std::string_view child);

// Whether a folded key path is the folded root or lies below it.
bool isInTree(std::string_view foldedPath, std::string_view foldedRoot);

} // namespace orvane
