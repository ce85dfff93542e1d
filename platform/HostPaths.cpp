#include "platform/HostPaths.h"

#include "settings/TextEncoding.h"

#ifndef _WIN32
#include "settings/WinePrefixStore.h"
#endif

#include <algorithm>
#include <cctype>
#include <system_error>

namespace orvane {
namespace {

// The entry of folder whose name equals component without regard to case.
std::filesystem::path entryNoCase(const std::filesystem::path& folder, std::string_view component)
{
    std::error_code error;
    if (std::filesystem::exists(folder / component, error))
        return folder / component;
    const std::string wanted = foldCase(component);
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        if (foldCase(entry.path().filename().string()) == wanted)
            return entry.path();
    return folder / component;
}

} // namespace

std::filesystem::path winePathToHost(const std::filesystem::path& prefix, std::string_view windowsPath)
{
    if (windowsPath.size() < 2 || windowsPath[1] != ':' || !std::isalpha(static_cast<unsigned char>(windowsPath[0])))
        return std::filesystem::path(windowsPath);
    const char drive = static_cast<char>(std::tolower(static_cast<unsigned char>(windowsPath[0])));
    std::filesystem::path host = prefix / "dosdevices" / std::string{drive, ':'};
    std::string_view rest = windowsPath.substr(2);
    while (!rest.empty()) {
        const size_t separator = rest.find_first_of("\\/");
        const std::string_view component = rest.substr(0, separator);
        if (!component.empty() && component != ".")
            host = component == ".." ? host.parent_path() : entryNoCase(host, component);
        if (separator == std::string_view::npos)
            break;
        rest.remove_prefix(separator + 1);
    }
    return host;
}

std::string displayPath(const std::filesystem::path& file)
{
    const std::u8string text = file.u8string();
    return std::string(text.begin(), text.end());
}

std::filesystem::path pathOf(std::string_view utf8)
{
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string hostToWinePath(const std::filesystem::path& prefix, const std::filesystem::path& host)
{
    std::error_code error;
    const std::filesystem::path target = std::filesystem::weakly_canonical(host, error);
    std::string best;
    size_t bestLength = 0;
    for (const auto& entry : std::filesystem::directory_iterator(prefix / "dosdevices", error)) {
        const std::string name = entry.path().filename().string();
        if (name.size() != 2 || name[1] != ':' || !std::isalpha(static_cast<unsigned char>(name[0])))
            continue;
        std::error_code unresolved;
        const std::filesystem::path drive = std::filesystem::canonical(entry.path(), unresolved);
        if (unresolved)
            continue;
        const auto [driveEnd, targetAt] = std::mismatch(drive.begin(), drive.end(), target.begin(), target.end());
        const size_t length = static_cast<size_t>(std::distance(drive.begin(), drive.end()));
        if (driveEnd != drive.end() || (!best.empty() && length <= bestLength))
            continue;
        std::string windows{static_cast<char>(std::toupper(static_cast<unsigned char>(name[0]))), ':'};
        for (auto component = targetAt; component != target.end(); ++component)
            if (!component->empty())
                windows.append(1, '\\').append(component->string());
        best = windows.size() == 2 ? windows + "\\" : windows;
        bestLength = length;
    }
    return best.empty() ? host.string() : best;
}

std::string windowsPath(const std::filesystem::path& host)
{
#ifdef _WIN32
    return displayPath(host);
#else
    return hostToWinePath(WinePrefixStore::defaultPrefix(), host);
#endif
}

std::filesystem::path hostPath(std::string_view windowsPath)
{
#ifdef _WIN32
    return pathOf(windowsPath);
#else
    return winePathToHost(WinePrefixStore::defaultPrefix(), windowsPath);
#endif
}

bool containsFile(const std::filesystem::path& folder, std::string_view name)
{
    std::error_code error;
#ifdef _WIN32
    return std::filesystem::is_regular_file(folder / name, error);
#else
    return std::filesystem::is_regular_file(entryNoCase(folder, name), error);
#endif
}

} // namespace orvane
