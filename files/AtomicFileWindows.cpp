#include "files/AtomicFile.h"

#include <windows.h>

#include <algorithm>

#include <string>
#include <system_error>

namespace orvane {
namespace {

[[noreturn]] void failWith(const std::string& what)
{
    throw std::system_error(static_cast<int>(GetLastError()), std::system_category(), what);
}

} // namespace

struct stat replaceFileAtomically(const std::filesystem::path& target, std::string_view content,
                                  const StillCurrent& stillCurrent)
{
    const std::wstring temp = target.wstring() + L".orvane-" + std::to_wstring(GetCurrentProcessId());
    HANDLE file = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        failWith("cannot create a temporary file beside " + target.string());
    size_t written = 0;
    bool ok = true;
    while (ok && written < content.size()) {
        DWORD chunk = 0;
        const auto size = static_cast<DWORD>(std::min<size_t>(content.size() - written, 1u << 30));
        ok = WriteFile(file, content.data() + written, size, &chunk, nullptr) != 0;
        written += chunk;
    }
    ok = ok && FlushFileBuffers(file) != 0;
    const DWORD error = ok ? 0 : GetLastError();
    CloseHandle(file);
    struct stat now {};
    const bool exists = ::stat(target.string().c_str(), &now) == 0;
    if (ok && stillCurrent && !stillCurrent(exists ? &now : nullptr)) {
        DeleteFileW(temp.c_str());
        throw FileChangedMeanwhile();
    }
    if (ok && MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        struct stat written {};
        ::stat(target.string().c_str(), &written);
        return written;
    }
    const DWORD failure = ok ? GetLastError() : error;
    DeleteFileW(temp.c_str());
    SetLastError(failure);
    failWith("cannot write " + target.string());
}

// Files are always replaced by a move here, never written in place.
InterruptedReplace finishInterruptedReplace(const std::filesystem::path&)
{
    return InterruptedReplace::None;
}

std::optional<std::string> contentAfterInterruptedReplace(const std::filesystem::path&)
{
    return std::nullopt;
}

} // namespace orvane
