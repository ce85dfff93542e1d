#include "wine/PathMapping.h"

#include "files/Utf8Paths.h"
#include "wine/WinePaths.h"

namespace orvane {

std::filesystem::path PathMapping::hostPath(std::string_view windowsPath) const
{
    return winePrefix_.empty() ? pathOf(windowsPath) : winePathToHost(winePrefix_, windowsPath);
}

std::string PathMapping::windowsPath(const std::filesystem::path& host) const
{
    return winePrefix_.empty() ? displayPath(host) : hostToWinePath(winePrefix_, host);
}

bool PathMapping::containsFile(const std::filesystem::path& folder, std::string_view name) const
{
    std::error_code error;
    if (winePrefix_.empty())
        return std::filesystem::is_regular_file(folder / name, error);
    return std::filesystem::is_regular_file(entryIgnoringCase(folder, name), error);
}

} // namespace orvane
