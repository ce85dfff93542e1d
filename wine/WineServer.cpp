#include "wine/WineServer.h"

#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace orvane {
namespace {

// The server holds a write lock on the "lock" file of its folder.
bool lockHeld(const std::filesystem::path& lockFile)
{
    const int fd = ::open(lockFile.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct flock query {};
    query.l_type = F_WRLCK;
    query.l_whence = SEEK_SET;
    query.l_start = 0;
    query.l_len = 0;
    const bool held = ::fcntl(fd, F_GETLK, &query) == 0 && query.l_type != F_UNLCK;
    ::close(fd);
    return held;
}

std::vector<std::filesystem::path> serverRoots()
{
    std::vector<std::filesystem::path> roots{"/tmp/.wine-" + std::to_string(::getuid())};
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/tmp", error))
        if (entry.path().filename().string().starts_with("wine-"))
            roots.push_back(entry.path());
    return roots;
}

} // namespace

bool wineserverRunning(const std::filesystem::path& prefix)
{
    struct stat info {};
    if (::stat(prefix.c_str(), &info) != 0)
        return false;
    char name[64];
    std::snprintf(name, sizeof name, "server-%llx-%llx", static_cast<unsigned long long>(info.st_dev),
                  static_cast<unsigned long long>(info.st_ino));
    for (const auto& root : serverRoots())
        if (lockHeld(root / name / "lock"))
            return true;
    return false;
}

} // namespace orvane
