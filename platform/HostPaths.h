#pragma once
// Windows paths from the registry as paths of this machine. Inside a Wine
// prefix the drive letter goes through dosdevices/<letter>: and every
// component matches without regard to case, as the game sees it.
#include <filesystem>
#include <string>
#include <string_view>

namespace orvane {

std::filesystem::path winePathToHost(const std::filesystem::path& prefix, std::string_view windowsPath);

// A path as the program shows it, in UTF-8, and back.
std::string displayPath(const std::filesystem::path& file);
std::filesystem::path pathOf(std::string_view utf8);

// A host path as a Windows path of the prefix: through the drive link that
// covers most of it ("z:" covers everything); unchanged when none does.
std::string hostToWinePath(const std::filesystem::path& prefix, const std::filesystem::path& host);
// On Windows the path as it is; elsewhere through the default Wine prefix.
std::string windowsPath(const std::filesystem::path& host);

// On Windows the path as it is; elsewhere through the default Wine prefix.
std::filesystem::path hostPath(std::string_view windowsPath);

// Whether folder holds a file of that name, without regard to case where
// the platform's file system would otherwise tell case apart.
bool containsFile(const std::filesystem::path& folder, std::string_view name);

} // namespace orvane
