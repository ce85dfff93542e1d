#include "tests/support/SystemCallHooks.h"

#include <cerrno>
#include <sys/syscall.h>
#include <unistd.h>
#include <utility>

namespace {

bool readFaultArmed = false;
size_t readBudget = 0;
std::function<void()> dataSyncAction;
std::function<void()> fsyncAction;
bool fsyncFails = false;

} // namespace

namespace orvane::test {

ReadFault::ReadFault(size_t bytesBeforeFailing)
{
    readBudget = bytesBeforeFailing;
    readFaultArmed = true;
}

ReadFault::~ReadFault()
{
    readFaultArmed = false;
}

void failNextFsync()
{
    fsyncFails = true;
}

void onNextDataSync(std::function<void()> action)
{
    dataSyncAction = std::move(action);
}

void onNextFsync(std::function<void()> action)
{
    fsyncAction = std::move(action);
}

} // namespace orvane::test

extern "C" ssize_t read(int fd, void* buffer, size_t count)
{
    if (readFaultArmed) {
        if (readBudget == 0) {
            errno = EIO;
            return -1;
        }
        count = count < readBudget ? count : readBudget;
    }
    const auto n = static_cast<ssize_t>(syscall(SYS_read, fd, buffer, count));
    if (readFaultArmed && n > 0)
        readBudget -= static_cast<size_t>(n);
    return n;
}

extern "C" int fdatasync(int fd)
{
    if (dataSyncAction)
        std::exchange(dataSyncAction, nullptr)();
    return static_cast<int>(syscall(SYS_fdatasync, fd));
}

extern "C" int fsync(int fd)
{
    if (fsyncAction)
        std::exchange(fsyncAction, nullptr)();
    if (std::exchange(fsyncFails, false)) {
        errno = EIO;
        return -1;
    }
    return static_cast<int>(syscall(SYS_fsync, fd));
}
