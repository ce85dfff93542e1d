#include "platform/WindowsRunningPrograms.h"

#include "files/WideText.h"

#include <windows.h>
#include <tlhelp32.h>

namespace orvane {

std::vector<std::string> WindowsRunningPrograms::fileNames()
{
    std::vector<std::string> names;
    DWORD ownSession = 0;
    if (!ProcessIdToSessionId(GetCurrentProcessId(), &ownSession))
        return names;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return names; // nothing to warn of then, as before Orvane looked
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
        DWORD session = 0;
        if (ProcessIdToSessionId(entry.th32ProcessID, &session) && session == ownSession)
            names.push_back(utf8(std::wstring_view(entry.szExeFile)));
    }
    CloseHandle(snapshot);
    return names;
}

} // namespace orvane
