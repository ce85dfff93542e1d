#include "tests/support/FakeWineserver.h"

#include <cstdio>
#include <fcntl.h>
#include <stdexcept>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace orvane::test {

FakeWineserver::FakeWineserver(const std::filesystem::path& prefix)
{
    struct stat info {};
    ::stat(prefix.c_str(), &info);
    char name[64];
    std::snprintf(name, sizeof name, "server-%llx-%llx", (unsigned long long)info.st_dev,
                  (unsigned long long)info.st_ino);
    folder_ = std::filesystem::path("/tmp/.wine-" + std::to_string(::getuid())) / name;
    std::filesystem::create_directories(folder_);
    int ready[2];
    if (::pipe(ready) != 0 || ::pipe(stop_) != 0)
        throw std::runtime_error("pipe");
    child_ = ::fork();
    if (child_ == 0) {
        const int fd = ::open((folder_ / "lock").c_str(), O_CREAT | O_WRONLY, 0600);
        struct flock lock {};
        lock.l_type = F_WRLCK;
        lock.l_whence = SEEK_SET;
        lock.l_len = 1;
        ::fcntl(fd, F_SETLK, &lock);
        char byte = 1;
        (void)!::write(ready[1], &byte, 1);
        (void)!::read(stop_[0], &byte, 1);
        ::_exit(0);
    }
    char byte;
    (void)!::read(ready[0], &byte, 1);
    ::close(ready[0]);
    ::close(ready[1]);
}

FakeWineserver::~FakeWineserver()
{
    char byte = 0;
    (void)!::write(stop_[1], &byte, 1);
    ::waitpid(child_, nullptr, 0);
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

} // namespace orvane::test
