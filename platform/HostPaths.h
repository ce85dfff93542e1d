#pragma once
// Windows paths from the registry as paths of this machine. Inside a Wine
// prefix the drive letter goes through dosdevices/<letter>: and every
// component matches without regard to case, as the game sees it.
#include <filesystem>
#include <string_view>

namespace orvane {

std::filesystem::path winePathToHost(const std::filesystem::path& prefix, std::string_view windowsPath);

// On Windows the path as it is; elsewhere through the default Wine prefix.
std::filesystem::path hostPath(std::string_view windowsPath);

// Whether folder holds a file of that name, without regard to case where
// the platform's file system would otherwise tell case apart.
bool containsFile(const std::filesystem::path& folder, std::string_view name);

} // namespace orvane
