// The Wine store's reading of user.reg from disk: the file as it stands, or
// as a save of Orvane's that was cut off was to leave it.
#include "wine/WinePrefixStore.h"

#include "files/AtomicFile.h"
#include "files/PosixFile.h"
#include "registry/RegistryErrors.h"
#include "wine/WineRegExcerpt.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace orvane {
namespace {

const char* kindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return "a folder";
    if (S_ISFIFO(mode))
        return "a named pipe";
    if (S_ISSOCK(mode))
        return "a socket";
    return "a device";
}

[[noreturn]] void cannotRead(const std::string& file, const std::string& reason)
{
    throw RegistryStoreError(MessageText{translatable("Cannot read the Wine registry file %s: %s. Orvane has not "
                                                      "changed it. Check that the file is readable and the disk is "
                                                      "sound, then start Orvane again."),
                                         {file, reason}});
}

// Told from the size alone, before any of the file is read.
void refuseOverTheBound(const std::string& file, const struct stat& info)
{
    if (static_cast<uintmax_t>(info.st_size) <= WineRegFile::MaxSize)
        return;
    throw RegistryStoreError(
        "Cannot read the Wine registry file " + file + ": it holds " + std::to_string(info.st_size) +
        " bytes, more than the " + std::to_string(WineRegFile::MaxSize) +
        " bytes (4 GB) that Orvane reads, and far more than any registry Wine writes. Orvane has not "
        "changed it. Restore the file from a backup, then start Orvane again.");
}

[[noreturn]] void outOfMemory(const std::string& file)
{
    std::error_code unknown;
    const uintmax_t size = std::filesystem::file_size(file, unknown);
    throw RegistryStoreError("Cannot read the Wine registry file " + file + ": there is not enough memory for " +
                             (unknown ? std::string("it") : "its " + std::to_string(size) + " bytes") +
                             ". Orvane has not changed it. Close other programs to free memory, or restore a smaller "
                             "copy of the file from a backup, then start Orvane again.");
}

// Errors that say the prefix cannot be written, though it can be read.
bool refusedWriting(const std::system_error& failure)
{
    const int error = failure.code().value();
    return error == EROFS || error == EACCES || error == EPERM;
}

} // namespace

WinePrefixStore::FileStamp WinePrefixStore::stampOnDisk() const
{
    struct stat info {};
    const std::string file = registryFile().string();
    if (::stat(file.c_str(), &info) != 0) {
        if (errno == ENOENT)
            return {};
        cannotRead(file, std::strerror(errno));
    }
    return FileStamp::of(info);
}

std::optional<std::string> WinePrefixStore::unfinishedSave()
{
    const std::string file = registryFile().string();
    try {
        if (onlyReading_)
            return contentAfterInterruptedReplace(registryFile());
        try {
            if (finishInterruptedReplace(registryFile()) == InterruptedReplace::Discarded)
                notice_.emplace(MessageText{
                    translatable("An earlier save of %s was cut off, and another program (Wine, perhaps) has saved "
                                 "the file since. Orvane kept that newer file and dropped its own unfinished save: "
                                 "check the settings, and make that change again if it is missing."),
                    {file}});
            return std::nullopt;
        } catch (const std::system_error& failure) {
            // A prefix that cannot be written is still read; its next write fails and says so.
            if (!refusedWriting(failure))
                throw;
            return contentAfterInterruptedReplace(registryFile());
        }
    } catch (const std::system_error& failure) {
        cannotRead(file, std::string("an earlier save could not be ") + (onlyReading_ ? "read: " : "completed: ") +
                             failure.what());
    }
}

// Reads the file and the stamp of exactly what was read; a read that ends
// early is an error, never a shorter registry. For the trees alone, the
// rest of the file streams past unkept.
void WinePrefixStore::readFromDisk(Reading reading)
{
    std::error_code error;
    if (!std::filesystem::is_directory(prefix_, error))
        throw RegistryStoreError(MessageText{translatable("The Wine prefix %s does not exist. Set WINEPREFIX to the "
                                                          "prefix in which Warcraft III is installed."),
                                             {prefix_.string()}});
    const std::string file = registryFile().string();
    try {
        linkTarget(registryFile());
    } catch (const std::system_error& failure) {
        if (failure.code().value() == ELOOP)
            cannotRead(file, "it is a symbolic link whose links lead back to each other and never reach a file. Point "
                             "the link at the prefix's real user.reg");
        cannotRead(file, failure.what());
    }
    try {
        readText(reading, file);
    } catch (const std::bad_alloc&) {
        outOfMemory(file);
    }
}

void WinePrefixStore::readText(Reading reading, const std::string& file)
{
    std::optional<std::string> unfinished = unfinishedSave();
    // Not blocking: a named pipe in its place would otherwise wait forever for a writer.
    FileDescriptor in(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (in.get() < 0) {
        if (errno != ENOENT)
            cannotRead(file, std::strerror(errno));
        file_ = WineRegFile();
        wholeFile_ = true;
        stamp_ = {};
        return;
    }
    struct stat info {};
    if (::fstat(in.get(), &info) != 0)
        cannotRead(file, std::strerror(errno));
    if (!S_ISREG(info.st_mode))
        cannotRead(file, std::string("it is ") + kindOf(info.st_mode) + ", not a regular file");
    if (unfinished) {
        file_.reset();
        file_ = WineRegFile::parse(FileText(std::move(*unfinished)), file, ownTrees());
        wholeFile_ = true;
        stamp_ = FileStamp::of(info);
        return;
    }
    refuseOverTheBound(file, info);
    if (reading == Reading::OwnTrees) {
        if (std::optional<std::string> excerpt =
                treesExcerpt(in.get(), static_cast<size_t>(info.st_size), ownTrees())) {
            try {
                file_ = WineRegFile::parse(FileText(std::move(*excerpt)), file, ownTrees());
                wholeFile_ = false;
                stamp_ = FileStamp::of(info);
                return;
            } catch (const RegistryStoreError&) {
                // Read whole, the error then names the file's own line.
            }
        }
        if (::lseek(in.get(), 0, SEEK_SET) != 0 || ::fstat(in.get(), &info) != 0)
            cannotRead(file, std::strerror(errno));
        refuseOverTheBound(file, info); // it may have grown since
    }
    FileText content = FileText::ofSize(static_cast<size_t>(info.st_size));
    size_t done = 0;
    try {
        done = readFully(in.get(), content.data(), content.size(), file);
    } catch (const std::system_error& failure) {
        cannotRead(file, std::strerror(failure.code().value()));
    }
    if (done < content.size())
        cannotRead(file,
                   "it ended after " + std::to_string(done) + " of its " + std::to_string(content.size()) + " bytes");
    file_.reset();
    file_ = WineRegFile::parse(std::move(content), file, ownTrees());
    wholeFile_ = true;
    stamp_ = FileStamp::of(info);
}

} // namespace orvane
