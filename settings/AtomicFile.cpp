#include "settings/AtomicFile.h"

#include "settings/PosixFile.h"

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
    explicit TempFile(const std::filesystem::path& target) : path_(target.string() + ".orvane-XXXXXX"), fd_(::mkstemp(path_.data()))
    {
        if (fd_.get() < 0)
            failWith(errno, "cannot create a temporary file in " + target.parent_path().string());
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    ~TempFile()
    {
        if (!renamed_)
            ::unlink(path_.c_str());
    }
    int fd() const { return fd_.get(); }
    const std::string& path() const { return path_; }
    void closeChecked() { fd_.closeChecked(path_); }
    void markRenamed() { renamed_ = true; }

private:
    std::string path_;
    FileDescriptor fd_;
    bool renamed_ = false;
};

void writeAll(int fd, std::string_view content, const std::string& name)
{
    size_t written = 0;
    while (written < content.size()) {
        const ssize_t n = ::pwrite(fd, content.data() + written, content.size() - written, static_cast<off_t>(written));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            failWith(n < 0 ? errno : ENOSPC, "cannot write " + name);
        written += static_cast<size_t>(n);
    }
}

// Makes a rename or unlink in the folder durable.
void syncFolder(const std::filesystem::path& file)
{
    const std::filesystem::path folder = file.parent_path().empty() ? "." : file.parent_path();
    FileDescriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY));
    if (dir.get() < 0 || ::fsync(dir.get()) != 0)
        throw FolderNotFlushed(errno, std::generic_category(), "cannot flush the folder " + folder.string() + " to disk");
}

} // namespace

std::filesystem::path linkTarget(std::filesystem::path path)
{
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code error;
        if (!std::filesystem::is_symlink(path, error))
            return path;
        const std::filesystem::path next = std::filesystem::read_symlink(path, error);
        if (error)
            failWith(error.value(), "cannot follow the link " + path.string());
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    failWith(ELOOP, "cannot follow the link " + path.string());
}

namespace {

std::filesystem::path journalOf(const std::filesystem::path& target)
{
    return target.string() + ".orvane-journal";
}

// A new file with the old one's permissions (or those any program would
// give it), flushed to disk under a temporary name.
void writeTemporary(TempFile& temp, const std::filesystem::path& target, std::string_view content)
{
    writeAll(temp.fd(), content, temp.path());
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
}

void overwriteInPlace(const std::filesystem::path& target, std::string_view content)
{
    FileDescriptor file(::open(target.c_str(), O_WRONLY));
    if (file.get() < 0)
        failWith(errno, "cannot open " + target.string() + " for writing");
    writeAll(file.get(), content, target.string());
    if (::ftruncate(file.get(), static_cast<off_t>(content.size())) != 0 || ::fdatasync(file.get()) != 0)
        failWith(errno, "cannot write " + target.string());
    file.closeChecked(target.string());
}

std::string readWhole(const std::filesystem::path& file)
{
    FileDescriptor fd(::open(file.c_str(), O_RDONLY));
    struct stat info {};
    if (fd.get() < 0 || ::fstat(fd.get(), &info) != 0)
        failWith(errno, "cannot read " + file.string());
    std::string content(static_cast<size_t>(info.st_size), '\0');
    if (readFully(fd.get(), content.data(), content.size(), file.string()) != content.size())
        failWith(EIO, "cannot read " + file.string());
    return content;
}

} // namespace

void replaceFileAtomically(const std::filesystem::path& link, std::string_view content,
                           const std::function<bool()>& stillCurrent)
{
    const std::filesystem::path target = linkTarget(link);
    struct stat info {};
    const bool hardLinked = ::stat(target.c_str(), &info) == 0 && S_ISREG(info.st_mode) && info.st_nlink > 1;
    TempFile temp(target);
    writeTemporary(temp, target, content);
    if (stillCurrent && !stillCurrent())
        throw FileChangedMeanwhile();
    if (!hardLinked) {
        if (::rename(temp.path().c_str(), target.c_str()) != 0)
            failWith(errno, "cannot replace " + target.string());
        temp.markRenamed();
        syncFolder(target);
        return;
    }
    // Renaming would split the links, so the file is written in place. The
    // complete new content waits on disk as the journal until then.
    const std::filesystem::path journal = journalOf(target);
    if (::rename(temp.path().c_str(), journal.c_str()) != 0)
        failWith(errno, "cannot write " + journal.string());
    temp.markRenamed();
    syncFolder(target);
    overwriteInPlace(target, content);
    ::unlink(journal.c_str());
    syncFolder(target);
}

void finishInterruptedReplace(const std::filesystem::path& link)
{
    const std::filesystem::path target = linkTarget(link);
    const std::filesystem::path journal = journalOf(target);
    std::error_code error;
    if (!std::filesystem::exists(journal, error))
        return;
    overwriteInPlace(target, readWhole(journal));
    ::unlink(journal.c_str());
    syncFolder(target);
}

} // namespace orvane
