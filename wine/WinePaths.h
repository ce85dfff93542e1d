#pragma once
// Windows paths inside a Wine prefix: the drive letter goes through
// dosdevices/<letter>: and every component matches without regard to
// case, as the game sees it.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

std::filesystem::path winePathToHost(const std::filesystem::path& prefix, std::string_view windowsPath);

// A host path as a Windows path of the prefix: through the drive link that
// covers most of it ("z:" covers everything); unchanged when none does.
std::string hostToWinePath(const std::filesystem::path& prefix, const std::filesystem::path& host);

// The entry of folder whose name equals name without regard to case; folder/name when none does.
std::filesystem::path entryIgnoringCase(const std::filesystem::path& folder, std::string_view name);

// A prefix folder as named from startFolder: absolute, without "." or ".."
// in it and without a closing separator.
std::filesystem::path absoluteFolder(const std::filesystem::path& folder, const std::filesystem::path& startFolder);

// The prefix's drives, as "c:", "z:", in the order of their letters.
std::vector<std::string> wineDrives(const std::filesystem::path& prefix);

} // namespace orvane
