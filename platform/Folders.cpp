#include "platform/Folders.h"

#include "platform/TextCompare.h"
#include "files/Utf8Paths.h"
#include "wine/WinePaths.h"

#ifdef _WIN32
#include "files/WideText.h"
#include <windows.h>
#endif

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace orvane {

namespace fs = std::filesystem;

std::vector<std::string> folderDrives(const PathMapping& paths)
{
    if (!paths.winePrefix().empty())
        return wineDrives(paths.winePrefix());
    std::vector<std::string> drives;
#ifdef _WIN32
    const DWORD mask = GetLogicalDrives();
    for (int i = 0; i < 26; ++i)
        if (mask & (1u << i))
            drives.push_back(std::string{static_cast<char>('a' + i), ':'});
#endif
    return drives;
}

std::string currentFolder(const PathMapping& paths)
{
    std::error_code error;
    return paths.windowsPath(fs::current_path(error));
}

bool enterFolder(const PathMapping& paths, const std::string& windowsPath)
{
    std::error_code error;
    const fs::path host = paths.hostPath(windowsPath);
    if (!fs::is_directory(host, error))
        return false;
    fs::current_path(host, error);
    return !error;
}

std::vector<std::string> subfoldersOf(const PathMapping& paths, const std::string& windowsPath)
{
    std::vector<std::string> folders;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(paths.hostPath(windowsPath), error)) {
        std::error_code kind;
        if (entry.is_directory(kind))
            folders.push_back(displayPath(entry.path().filename()));
    }
    std::sort(folders.begin(), folders.end(),
              [](const std::string& a, const std::string& b) { return compareIgnoringCase(a, b) < 0; });
    return folders;
}

std::optional<std::string> driveFolder(const PathMapping& paths, char letter)
{
    const std::string root{static_cast<char>(std::toupper(static_cast<unsigned char>(letter))), ':', '\\'};
#ifdef _WIN32
    wchar_t full[MAX_PATH];
    const wchar_t drive[] = {static_cast<wchar_t>(root[0]), L':', L'\0'};
    std::string folder = root;
    if (GetFullPathNameW(drive, MAX_PATH, full, nullptr) > 0)
        folder = utf8(full);
#else
    const std::string folder = root;
#endif
    std::error_code error;
    if (!fs::is_directory(paths.hostPath(folder), error))
        return std::nullopt;
    return folder;
}

} // namespace orvane
