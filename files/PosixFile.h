#pragma once
// An open file descriptor that closes itself, and a read that checks every
// call, for the code that keeps the player's files.
#include <cstddef>
#include <string>

namespace orvane {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor();
    int get() const { return fd_; }
    // Closes now; a failure (a write the system could not finish) throws
    // std::system_error naming the file.
    void closeChecked(const std::string& name);

private:
    int fd_;
};

// Reads until size bytes are in or the file ends, and returns how many came.
// A failing read throws std::system_error naming the file.
size_t readFully(int fd, char* data, size_t size, const std::string& name);

} // namespace orvane
