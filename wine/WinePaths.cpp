#include "wine/WinePaths.h"

#include "files/TextEncoding.h"

#include <algorithm>
#include <cctype>
#include <system_error>

namespace orvane {
namespace {

// "C:" at the start of a path or as a dosdevices entry.
bool startsWithDrive(std::string_view text)
{
    return text.size() >= 2 && text[1] == ':' && std::isalpha(static_cast<unsigned char>(text[0]));
}

bool isDriveLink(const std::string& name)
{
    return name.size() == 2 && startsWithDrive(name);
}

} // namespace

std::filesystem::path entryIgnoringCase(const std::filesystem::path& folder, std::string_view component)
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

std::filesystem::path winePathToHost(const std::filesystem::path& prefix, std::string_view windowsPath)
{
    if (!startsWithDrive(windowsPath))
        return std::filesystem::path(windowsPath);
    const char drive = static_cast<char>(std::tolower(static_cast<unsigned char>(windowsPath[0])));
    std::filesystem::path host = prefix / "dosdevices" / std::string{drive, ':'};
    std::string_view rest = windowsPath.substr(2);
    while (!rest.empty()) {
        const size_t separator = rest.find_first_of("\\/");
        const std::string_view component = rest.substr(0, separator);
        if (!component.empty() && component != ".")
            host = component == ".." ? host.parent_path() : entryIgnoringCase(host, component);
        if (separator == std::string_view::npos)
            break;
        rest.remove_prefix(separator + 1);
    }
    return host;
}

std::string hostToWinePath(const std::filesystem::path& prefix, const std::filesystem::path& host)
{
    std::error_code error;
    const std::filesystem::path target = std::filesystem::weakly_canonical(host, error);
    std::string best;
    size_t bestLength = 0;
    for (const auto& entry : std::filesystem::directory_iterator(prefix / "dosdevices", error)) {
        const std::string name = entry.path().filename().string();
        if (!isDriveLink(name))
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

std::vector<std::string> wineDrives(const std::filesystem::path& prefix)
{
    std::vector<std::string> drives;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(prefix / "dosdevices", error)) {
        const std::string name = entry.path().filename().string();
        if (isDriveLink(name))
            drives.push_back({static_cast<char>(std::tolower(static_cast<unsigned char>(name[0]))), ':'});
    }
    std::sort(drives.begin(), drives.end());
    return drives;
}

std::filesystem::path absoluteFolder(const std::filesystem::path& folder, const std::filesystem::path& startFolder)
{
    std::filesystem::path absolute = (startFolder / folder).lexically_normal();
    if (!absolute.has_filename() && absolute != absolute.root_path())
        absolute = absolute.parent_path();
    return absolute;
}

} // namespace orvane
