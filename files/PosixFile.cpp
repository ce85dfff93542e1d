#include "files/PosixFile.h"

#include <cerrno>
#include <system_error>
#include <unistd.h>

namespace orvane {

FileDescriptor::~FileDescriptor()
{
    if (fd_ >= 0)
        ::close(fd_);
}

void FileDescriptor::closeChecked(const std::string& name)
{
    const int result = ::close(fd_);
    fd_ = -1;
    if (result != 0)
        throw std::system_error(errno, std::generic_category(), "cannot write " + name);
}

size_t readFully(int fd, char* data, size_t size, const std::string& name)
{
    size_t done = 0;
    while (done < size) {
        const ssize_t n = ::read(fd, data + done, size - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw std::system_error(errno, std::generic_category(), "cannot read " + name);
        if (n == 0)
            break;
        done += static_cast<size_t>(n);
    }
    return done;
}

} // namespace orvane
