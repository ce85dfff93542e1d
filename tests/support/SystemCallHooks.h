#pragma once
// Faults and races injected into the system calls the Wine store makes,
// by defining them in the test program. Every hook is off unless armed.
#include <cstddef>
#include <functional>

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

} // namespace orvane::test
