#include "settings/AtomicFile.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace orvane {
namespace {

[[noreturn]] void failWith(int error, const std::string& what)
{
    throw std::system_error(error, std::generic_category(), what);
}

class TempFile {
public:
    explicit TempFile(const std::filesystem::path& target)
        : path_(target.string() + ".orvane-XXXXXX")
    {
        fd_ = ::mkstemp(path_.data());
        if (fd_ < 0)
            failWith(errno, "cannot create a temporary file in " + target.parent_path().string());
    }
    ~TempFile()
    {
        if (fd_ >= 0)
            ::close(fd_);
        if (!renamed_)
            ::unlink(path_.c_str());
    }
    int fd() const { return fd_; }
    const std::string& path() const { return path_; }
    void closeChecked()
    {
        const int result = ::close(fd_);
        fd_ = -1;
        if (result != 0)
            failWith(errno, "cannot write " + path_);
    }
    void markRenamed() { renamed_ = true; }

private:
    std::string path_;
    int fd_ = -1;
    bool renamed_ = false;
};

} // namespace

void replaceFileAtomically(const std::filesystem::path& target, std::string_view content)
{
    TempFile temp(target);
    size_t written = 0;
    while (written < content.size()) {
        const ssize_t n = ::write(temp.fd(), content.data() + written, content.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            failWith(n < 0 ? errno : ENOSPC, "cannot write " + temp.path());
        written += static_cast<size_t>(n);
    }
    // The old file's permissions, or for a new file those any program would give it.
    struct stat old {};
    const bool replacing = ::stat(target.c_str(), &old) == 0;
    mode_t mode = 0;
    if (replacing) {
        mode = old.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    if (::fchmod(temp.fd(), mode) != 0)
        failWith(errno, "cannot set the permissions of " + temp.path());
    if (replacing && ::geteuid() == 0)
        (void)::fchown(temp.fd(), old.st_uid, old.st_gid); // keep the owner when root edits a user's prefix
    if (::fdatasync(temp.fd()) != 0)
        failWith(errno, "cannot flush " + temp.path() + " to disk");
    temp.closeChecked();
    if (::rename(temp.path().c_str(), target.c_str()) != 0)
        failWith(errno, "cannot replace " + target.string());
    temp.markRenamed();
    // Make the rename itself durable.
    const int dir = ::open(target.parent_path().empty() ? "." : target.parent_path().c_str(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

} // namespace orvane
