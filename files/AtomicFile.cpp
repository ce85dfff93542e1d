#include "files/AtomicFile.h"

#include "files/Journal.h"
#include "files/PosixFile.h"

#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <optional>
#include <string>
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
        : path_(target.string() + ".orvane-XXXXXX"),
          fd_(::mkstemp(path_.data()))
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
    std::string name() const { return std::filesystem::path(path_).filename().string(); }
    void markRenamed() { renamed_ = true; }

private:
    std::string path_;
    FileDescriptor fd_;
    bool renamed_ = false;
};

// The folder that holds the target, open, so that the last check and the
// rename name the file relative to it without resolving its path again.
class Folder {
public:
    explicit Folder(const std::filesystem::path& file)
        : path_(file.parent_path().empty() ? "." : file.parent_path()),
          fd_(::open(path_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
    {
        if (fd_.get() < 0)
            failWith(errno, "cannot open the folder " + path_.string());
    }
    int fd() const { return fd_.get(); }
    // Makes a rename or unlink in the folder durable.
    void sync() const
    {
        if (::fsync(fd_.get()) != 0)
            throw FolderNotFlushed(errno, std::generic_category(),
                                   "cannot flush the folder " + path_.string() + " to disk");
    }

private:
    std::filesystem::path path_;
    FileDescriptor fd_;
};

void writeAll(int fd, std::string_view content, const std::string& name, off_t at = 0)
{
    size_t written = 0;
    while (written < content.size()) {
        const ssize_t n =
            ::pwrite(fd, content.data() + written, content.size() - written, at + static_cast<off_t>(written));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            failWith(n < 0 ? errno : ENOSPC, "cannot write " + name);
        written += static_cast<size_t>(n);
    }
}

// A new file with the old one's permissions (or those any program would
// give it), flushed to disk under a temporary name, and left open.
void writeTemporary(TempFile& temp, const struct stat* old, std::string_view header, std::string_view content)
{
    writeAll(temp.fd(), header, temp.path());
    writeAll(temp.fd(), content, temp.path(), static_cast<off_t>(header.size()));
    mode_t mode = 0;
    if (old) {
        mode = old->st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    if (::fchmod(temp.fd(), mode) != 0)
        failWith(errno, "cannot set the permissions of " + temp.path());
    if (old && ::geteuid() == 0)
        (void)::fchown(temp.fd(), old->st_uid, old->st_gid); // keep the owner when root edits a user's prefix
    if (::fdatasync(temp.fd()) != 0)
        failWith(errno, "cannot flush " + temp.path() + " to disk");
}

// The whole text in one write where the system allows it, so that another
// program reads a half-written file only if a crash falls inside that call.
struct stat overwriteInPlace(const std::filesystem::path& target, std::string_view content)
{
    FileDescriptor file(::open(target.c_str(), O_WRONLY | O_CLOEXEC));
    if (file.get() < 0)
        failWith(errno, "cannot open " + target.string() + " for writing");
    writeAll(file.get(), content, target.string());
    struct stat written {};
    if (::ftruncate(file.get(), static_cast<off_t>(content.size())) != 0 || ::fdatasync(file.get()) != 0 ||
        ::fstat(file.get(), &written) != 0)
        failWith(errno, "cannot write " + target.string());
    file.closeChecked(target.string());
    return written;
}

std::string readWhole(const std::filesystem::path& file)
{
    FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat info {};
    if (fd.get() < 0 || ::fstat(fd.get(), &info) != 0)
        failWith(errno, "cannot read " + file.string());
    std::string content(static_cast<size_t>(info.st_size), '\0');
    if (readFully(fd.get(), content.data(), content.size(), file.string()) != content.size())
        failWith(EIO, "cannot read " + file.string());
    return content;
}

// The journal an interrupted in-place replacement left beside target,
// read against the file now in target's place.
struct LeftJournal {
    std::string saved;
    size_t contentAt = 0; // where, in saved, what the replacement was to leave begins
    bool forThisFile = false;
};

std::optional<LeftJournal> leftJournal(const std::filesystem::path& target)
{
    const std::filesystem::path journal = journalOf(target);
    std::error_code error;
    if (!std::filesystem::exists(journal, error))
        return std::nullopt;
    LeftJournal left{.saved = readWhole(journal)};
    struct stat now {};
    const bool exists = ::stat(target.c_str(), &now) == 0;
    const JournalReading reading = readJournal(left.saved, now, exists ? readWhole(target) : std::string());
    left.contentAt = static_cast<size_t>(reading.content.data() - left.saved.data());
    left.forThisFile = exists && reading.forThisFile;
    return left;
}

// Swaps the new file and the target in one step, then asks whether what it
// displaced was still the file the content was made from: a save another
// program renamed into place since the last look is swapped back, never
// lost. False where the file system cannot exchange, or there is no target.
bool exchangeInto(const Folder& folder, const std::string& tempName, const std::string& name,
                  const StillCurrent& stillCurrent, const struct stat& ours)
{
    if (::renameat2(folder.fd(), tempName.c_str(), folder.fd(), name.c_str(), RENAME_EXCHANGE) != 0) {
        if (errno == EINVAL || errno == ENOSYS || errno == ENOENT || errno == ENOTSUP)
            return false;
        failWith(errno, "cannot replace " + name);
    }
    struct stat displaced {};
    const bool known = ::fstatat(folder.fd(), tempName.c_str(), &displaced, AT_SYMLINK_NOFOLLOW) == 0;
    if (stillCurrent && !(known && stillCurrent(&displaced))) {
        ::renameat2(folder.fd(), tempName.c_str(), folder.fd(), name.c_str(), RENAME_EXCHANGE);
        throw FileChangedMeanwhile();
    }
    ::unlinkat(folder.fd(), tempName.c_str(), 0); // the old file
    // A save another program renamed over this one since the exchange may
    // have been made from the old file: this content goes again on top of it.
    struct stat now {};
    if (stillCurrent && (::fstatat(folder.fd(), name.c_str(), &now, AT_SYMLINK_NOFOLLOW) != 0 ||
                         now.st_dev != ours.st_dev || now.st_ino != ours.st_ino))
        throw FileChangedMeanwhile();
    return true;
}

// In a folder where everyone may make files but only remove their own
// (/tmp), a link another user made could point a write at any file this
// user may write. The kernel follows such a link only for its owner or the
// folder's; so does Orvane, which follows links itself.
void refusePlantedLink(const std::filesystem::path& link)
{
    const std::filesystem::path folder = link.parent_path().empty() ? "." : link.parent_path();
    struct stat linkInfo {};
    struct stat folderInfo {};
    if (::lstat(link.c_str(), &linkInfo) != 0 || ::stat(folder.c_str(), &folderInfo) != 0)
        return;
    const bool shared = (folderInfo.st_mode & S_ISVTX) && (folderInfo.st_mode & S_IWOTH);
    if (shared && linkInfo.st_uid != ::geteuid() && linkInfo.st_uid != folderInfo.st_uid)
        failWith(EACCES, link.string() + " is a link that another user made in the shared folder " + folder.string() +
                             ", so Orvane does not follow it");
}

} // namespace

void removeStaleTemporaries(const std::filesystem::path& target)
{
    std::error_code error;
    const std::filesystem::path file = std::filesystem::weakly_canonical(target, error);
    if (error)
        return;
    const std::string ours = file.filename().string() + ".orvane-";
    for (const auto& entry : std::filesystem::directory_iterator(file.parent_path(), error)) {
        const std::string name = entry.path().filename().string();
        if (name.size() == ours.size() + 6 && name.starts_with(ours)) {
            std::error_code ignored;
            std::filesystem::remove(entry.path(), ignored);
        }
    }
}

std::filesystem::path linkTarget(std::filesystem::path path)
{
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code error;
        if (!std::filesystem::is_symlink(path, error))
            return path;
        refusePlantedLink(path);
        const std::filesystem::path next = std::filesystem::read_symlink(path, error);
        if (error)
            failWith(error.value(), "cannot follow the link " + path.string());
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    failWith(ELOOP, "cannot follow the link " + path.string());
}

struct stat replaceFileAtomically(const std::filesystem::path& link, std::string_view content,
                                  const StillCurrent& stillCurrent)
{
    const std::filesystem::path target = linkTarget(link);
    const Folder folder(target);
    const std::string name = target.filename().string();
    struct stat old {};
    const bool replacing = ::fstatat(folder.fd(), name.c_str(), &old, AT_SYMLINK_NOFOLLOW) == 0;
    const bool hardLinked = replacing && S_ISREG(old.st_mode) && old.st_nlink > 1;
    TempFile temp(target);
    const std::string tempName = temp.name();
    writeTemporary(temp, replacing ? &old : nullptr, hardLinked ? journalHeader(old, readWhole(target)) : std::string(),
                   content);
    struct stat ours {};
    ::fstat(temp.fd(), &ours);
    // A last look, with nothing slow between it and the replacement: a file
    // saved by another program meanwhile is never displaced, not even for a moment.
    struct stat now {};
    const bool exists = ::fstatat(folder.fd(), name.c_str(), &now, AT_SYMLINK_NOFOLLOW) == 0;
    if (stillCurrent && !stillCurrent(exists ? &now : nullptr))
        throw FileChangedMeanwhile();
    if (!hardLinked) {
        if (!exchangeInto(folder, tempName, name, stillCurrent, ours) &&
            ::renameat(folder.fd(), tempName.c_str(), folder.fd(), name.c_str()) != 0)
            failWith(errno, "cannot replace " + target.string());
        temp.markRenamed();
        struct stat written {};
        ::fstat(temp.fd(), &written); // with the change time the rename gave it
        folder.sync();
        return written;
    }
    // Renaming would split the links, so the file is written in place. The
    // complete new content waits on disk as the journal until then.
    const std::string journal = journalOf(target).filename().string();
    if (::renameat(folder.fd(), tempName.c_str(), folder.fd(), journal.c_str()) != 0)
        failWith(errno, "cannot write " + journalOf(target).string());
    temp.markRenamed();
    folder.sync();
    const struct stat written = overwriteInPlace(target, content);
    ::unlinkat(folder.fd(), journal.c_str(), 0);
    folder.sync();
    return written;
}

InterruptedReplace finishInterruptedReplace(const std::filesystem::path& link)
{
    const std::filesystem::path target = linkTarget(link);
    const std::optional<LeftJournal> left = leftJournal(target);
    if (!left)
        return InterruptedReplace::None;
    const std::filesystem::path journal = journalOf(target);
    const Folder folder(target);
    if (!left->forThisFile) {
        // Another program saved or edited the file since.
        ::unlink(journal.c_str());
        folder.sync();
        return InterruptedReplace::Discarded;
    }
    overwriteInPlace(target, std::string_view(left->saved).substr(left->contentAt));
    ::unlink(journal.c_str());
    folder.sync();
    return InterruptedReplace::Completed;
}

std::optional<std::string> contentAfterInterruptedReplace(const std::filesystem::path& link)
{
    std::optional<LeftJournal> left = leftJournal(linkTarget(link));
    if (!left || !left->forThisFile)
        return std::nullopt;
    left->saved.erase(0, left->contentAt);
    return std::move(left->saved);
}

} // namespace orvane
