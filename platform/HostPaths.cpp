#include "platform/HostPaths.h"

#include "settings/TextEncoding.h"

#ifndef _WIN32
#include "settings/WinePrefixStore.h"
#endif

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
