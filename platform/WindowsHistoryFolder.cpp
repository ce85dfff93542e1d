#include "platform/WindowsHistoryFolder.h"

#include <cstdlib>

namespace orvane {

std::filesystem::path windowsHistoryFolder()
{
    const wchar_t* local = _wgetenv(L"LOCALAPPDATA");
    if (!local || !*local)
        return {};
    return std::filesystem::path(local) / L"Orvane" / L"History";
}

} // namespace orvane
