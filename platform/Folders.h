#pragma once
// The folders of the machine as the game sees them: Windows paths, whose
// drives inside a Wine prefix are the prefix's drive links.
#include "wine/PathMapping.h"

#include <optional>
#include <string>
#include <vector>

namespace orvane {

// The drives, as "c:", "z:", in the order of their letters.
std::vector<std::string> folderDrives(const PathMapping& paths);
// The process's current directory as a Windows path: "C:\" for a drive
// root, no closing backslash otherwise.
std::string currentFolder(const PathMapping& paths);
// Makes the folder the process's current directory; false when it cannot.
bool enterFolder(const PathMapping& paths, const std::string& windowsPath);
// The folder's subfolders, sorted without regard to case.
std::vector<std::string> subfoldersOf(const PathMapping& paths, const std::string& windowsPath);
// The folder a drive opens at: its current directory where the system
// keeps one, else its root; nullopt when the drive is not ready.
std::optional<std::string> driveFolder(const PathMapping& paths, char letter);

} // namespace orvane
