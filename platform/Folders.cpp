#include "platform/Folders.h"

#include "platform/HostPaths.h"
#include "platform/TextCompare.h"

#ifdef _WIN32
#include "settings/WideText.h"
#include <windows.h>
#else
#include "settings/WinePrefixStore.h"
#endif

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace orvane {

namespace fs = std::filesystem;

std::vector<std::string> folderDrives()
{
    std::vector<std::string> drives;
#ifdef _WIN32
    const DWORD mask = GetLogicalDrives();
    for (int i = 0; i < 26; ++i)
        if (mask & (1u << i))
            drives.push_back(std::string{static_cast<char>('a' + i), ':'});
#else
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(WinePrefixStore::defaultPrefix() / "dosdevices", error)) {
        const std::string name = entry.path().filename().string();
        if (name.size() == 2 && name[1] == ':' && std::isalpha(static_cast<unsigned char>(name[0])))
            drives.push_back({static_cast<char>(std::tolower(static_cast<unsigned char>(name[0]))), ':'});
    }
    std::sort(drives.begin(), drives.end());
#endif
    return drives;
}

std::string currentFolder()
{
    std::error_code error;
    return windowsPath(fs::current_path(error));
}

bool enterFolder(const std::string& windowsPath)
{
    std::error_code error;
    const fs::path host = hostPath(windowsPath);
    if (!fs::is_directory(host, error))
        return false;
    fs::current_path(host, error);
    return !error;
}

std::vector<std::string> subfoldersOf(const std::string& windowsPath)
{
    std::vector<std::string> folders;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(hostPath(windowsPath), error)) {
        std::error_code kind;
        if (entry.is_directory(kind))
            folders.push_back(displayPath(entry.path().filename()));
    }
    std::sort(folders.begin(), folders.end(),
              [](const std::string& a, const std::string& b) { return compareIgnoringCase(a, b) < 0; });
    return folders;
}

std::optional<std::string> driveFolder(char letter)
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
    if (!fs::is_directory(hostPath(folder), error))
        return std::nullopt;
    return folder;
}

} // namespace orvane
