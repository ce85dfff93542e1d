#include "tests/support/SystemCallHooks.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <utility>

namespace {

bool readFaultArmed = false;
size_t readBudget = 0;
std::function<void()> dataSyncAction;
std::function<void()> fsyncAction;
bool fsyncFails = false;
orvane::test::SystemCallLog* callLog = nullptr;

void logCall(std::string call)
{
    if (callLog)
        callLog->add(std::move(call));
}

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

SystemCallLog::SystemCallLog()
{
    callLog = this;
}

SystemCallLog::~SystemCallLog()
{
    callLog = nullptr;
}

void SystemCallLog::add(std::string call)
{
    if (calls_.empty() || calls_.back() != call)
        calls_.push_back(std::move(call));
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

extern "C" ssize_t pwrite(int fd, const void* buffer, size_t count, off_t at)
{
    logCall("pwrite");
    return static_cast<ssize_t>(syscall(SYS_pwrite64, fd, buffer, count, at));
}

extern "C" int renameat(int fromFolder, const char* from, int toFolder, const char* to)
{
    logCall(std::string("rename ") + to);
    return static_cast<int>(syscall(SYS_renameat, fromFolder, from, toFolder, to));
}

extern "C" int unlinkat(int folder, const char* name, int flags)
{
    logCall(std::string("unlink ") + name);
    return static_cast<int>(syscall(SYS_unlinkat, folder, name, flags));
}

extern "C" int fdatasync(int fd)
{
    logCall("fdatasync");
    if (dataSyncAction)
        std::exchange(dataSyncAction, nullptr)();
    return static_cast<int>(syscall(SYS_fdatasync, fd));
}

extern "C" int fsync(int fd)
{
    logCall("fsync");
    if (fsyncAction)
        std::exchange(fsyncAction, nullptr)();
    if (std::exchange(fsyncFails, false)) {
        errno = EIO;
        return -1;
    }
    return static_cast<int>(syscall(SYS_fsync, fd));
}
