#include "wine/PrefixLock.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace orvane {

PrefixLock::PrefixLock(const std::filesystem::path& prefix, std::chrono::milliseconds patience)
    : folder_(::open(prefix.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
{
    if (folder_ < 0)
        return; // a prefix that is not there is reported by the reading
    const auto deadline = std::chrono::steady_clock::now() + patience;
    for (;;) {
        if (::flock(folder_, LOCK_EX | LOCK_NB) == 0)
            return;
        const int error = errno;
        if (error == EINTR)
            continue;
        if (error == EWOULDBLOCK && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            continue;
        }
        ::close(folder_);
        folder_ = -1;
        if (error != EWOULDBLOCK)
            return;
        throw turnNotGiven(prefix.string());
    }
}

PrefixLock::~PrefixLock()
{
    if (folder_ >= 0)
        ::close(folder_); // closing lets the lock go
}

} // namespace orvane
