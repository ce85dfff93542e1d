#include "registry/UserRegistryLock.h"

#include <sddl.h>

#include <string>
#include <vector>

namespace orvane {
namespace {

// The user's security identifier ("S-1-5-21-..."); empty when the system
// does not tell it, and the session alone then names the turn.
std::wstring userIdentifier()
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return {};
    std::wstring identifier;
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    std::vector<BYTE> user(size);
    LPWSTR text = nullptr;
    if (size > 0 && GetTokenInformation(token, TokenUser, user.data(), size, &size) &&
        ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER*>(user.data())->User.Sid, &text)) {
        identifier = text;
        LocalFree(text);
    }
    CloseHandle(token);
    return identifier;
}

} // namespace

UserRegistryLock::UserRegistryLock(std::chrono::milliseconds patience)
    : mutex_(CreateMutexW(nullptr, FALSE, (L"Local\\Orvane.RegistryTurn." + userIdentifier()).c_str()))
{
    if (!mutex_)
        return;
    switch (WaitForSingleObject(mutex_, static_cast<DWORD>(patience.count()))) {
    case WAIT_OBJECT_0:
    case WAIT_ABANDONED: // its holder ended without letting go
        return;
    case WAIT_TIMEOUT:
        CloseHandle(mutex_);
        mutex_ = nullptr;
        throw turnNotGiven();
    default: CloseHandle(mutex_); mutex_ = nullptr;
    }
}

UserRegistryLock::~UserRegistryLock()
{
    if (!mutex_)
        return;
    ReleaseMutex(mutex_);
    CloseHandle(mutex_);
}

} // namespace orvane
