#pragma once
// Faults and races injected into the system calls the Wine store makes,
// by defining them in the test program. Every hook is off unless armed.
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace orvane::test {

// read() fails with EIO once this many bytes have been read; disarmed by
// its destructor.
class ReadFault {
public:
    explicit ReadFault(size_t bytesBeforeFailing);
    ~ReadFault();
    ReadFault(const ReadFault&) = delete;
    ReadFault& operator=(const ReadFault&) = delete;
};

// The next fsync() fails with EIO (Orvane syncs only folders with it).
void failNextFsync();

// Runs once, inside the next fdatasync(): the moment a new file is on disk
// and about to replace the old one.
void onNextDataSync(std::function<void()> action);

// Runs once, inside the next fsync(): a folder being flushed after a rename.
void onNextFsync(std::function<void()> action);

// The calls that put a file on disk, in order, while the log lives:
// "pwrite", "fdatasync", "fsync", "rename <new name>", "unlink <name>";
// a call repeated at once is listed once.
class SystemCallLog {
public:
    SystemCallLog();
    ~SystemCallLog();
    SystemCallLog(const SystemCallLog&) = delete;
    SystemCallLog& operator=(const SystemCallLog&) = delete;
    const std::vector<std::string>& calls() const { return calls_; }
    void add(std::string call);

private:
    std::vector<std::string> calls_;
};

} // namespace orvane::test
