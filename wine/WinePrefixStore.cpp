#include "wine/WinePrefixStore.h"

#include "files/AtomicFile.h"
#include "registry/RegistryErrors.h"
#include "settings/Schema.h"
#include "files/TextEncoding.h"
#include "wine/WineRegTrees.h"
#include "wine/WineServer.h"

#include <algorithm>
#include <sys/stat.h>
#include <system_error>

namespace orvane {

bool WinePrefixStore::FileStamp::operator==(const FileStamp& other) const
{
    const auto same = [](const timespec& a, const timespec& b) {
        return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
    };
    return exists == other.exists && device == other.device && inode == other.inode && size == other.size &&
           same(modified, other.modified) && same(changed, other.changed);
}

WinePrefixStore::FileStamp WinePrefixStore::FileStamp::of(const struct stat& info)
{
    return {.exists = true,
            .device = info.st_dev,
            .inode = info.st_ino,
            .size = info.st_size,
            .modified = info.st_mtim,
            .changed = info.st_ctim};
}

// The keys Orvane reads and writes; other programs' keys are carried as they stand.
std::span<const std::string_view> WinePrefixStore::ownTrees()
{
    static constexpr std::string_view Trees[] = {schema::GameKey, schema::OrvaneKey};
    return Trees;
}

WinePrefixStore::WinePrefixStore(std::filesystem::path prefix)
    : prefix_(std::move(prefix)),
      foldedOwnTrees_(foldedTreePaths(ownTrees()))
{}

WinePrefixStore::~WinePrefixStore() = default;

namespace {

// The file as read, though a rename may have touched its change time since.
bool sameContentAs(const WinePrefixStore::FileStamp& stamp, const struct stat& info)
{
    return stamp.exists && stamp.device == info.st_dev && stamp.inode == info.st_ino && stamp.size == info.st_size &&
           stamp.modified.tv_sec == info.st_mtim.tv_sec && stamp.modified.tv_nsec == info.st_mtim.tv_nsec;
}

} // namespace

WinePrefixStore::Reading WinePrefixStore::readingFor(std::string_view path) const
{
    return inAnyTree(foldCase(path), foldedOwnTrees_) ? Reading::OwnTrees : Reading::Whole;
}

WineRegFile& WinePrefixStore::current(Reading reading)
{
    if (!lock_)
        lock_.emplace(prefix_);
    try {
        if (!checkedThisCommand_ || !file_) {
            if (!file_ || !(stampOnDisk() == stamp_))
                readFromDisk(reading);
            checkedThisCommand_ = depth_ > 0;
        }
        // The rest of the file, and this command's changes made again on it.
        if (reading == Reading::Whole && !wholeFile_)
            mergeWithDisk();
    } catch (...) {
        if (depth_ == 0)
            lock_.reset();
        throw;
    }
    return *file_;
}

void WinePrefixStore::readAhead()
{
    try {
        current(Reading::OwnTrees);
    } catch (const std::exception&) {
        // Read again, and fail again, where the program expects it; a notice
        // the reading gave before it failed still waits to be told.
        file_.reset();
    }
    lock_.reset();
}

void WinePrefixStore::beginCommand()
{
    if (depth_++ == 0)
        checkedThisCommand_ = false;
}

void WinePrefixStore::endCommand()
{
    if (depth_ > 0 && --depth_ == 0) {
        checkedThisCommand_ = false;
        endOfWork();
    }
}

void WinePrefixStore::finishOperation()
{
    if (depth_ == 0)
        endOfWork();
}

void WinePrefixStore::endOfWork()
{
    struct LetGo {
        std::optional<PrefixLock>& lock;
        ~LetGo() { lock.reset(); }
    } letGo{lock_};
    writeChanges();
    tellNotice();
}

// Said once, after the command's own work is done.
void WinePrefixStore::tellNotice()
{
    if (!notice_)
        return;
    const RegistryStoreError notice = std::move(*notice_);
    notice_.reset();
    throw notice;
}

void WinePrefixStore::record(Change change)
{
    apply(current(readingFor(change.path)), change);
    pending_.push_back(std::move(change));
}

void WinePrefixStore::apply(WineRegFile& file, const Change& change) const
{
    switch (change.kind) {
    case Change::KeyCreated: file.createKey(change.path); break;
    case Change::ValueSet: file.setValue(change.path, change.name, change.value); break;
    case Change::ValueDeleted: file.deleteValue(change.path, change.name); break;
    case Change::TreeDeleted: file.deleteTree(change.path); break;
    }
}

// Someone else wrote the file since it was read: this command's changes
// go on top of what is there now.
void WinePrefixStore::mergeWithDisk()
{
    readFromDisk();
    for (const Change& change : pending_)
        apply(*file_, change);
}

void WinePrefixStore::abandonChanges(const RegistryStoreError& error)
{
    // The registry in memory goes back to what is on disk.
    pending_.clear();
    file_.reset();
    throw error;
}

void WinePrefixStore::writeChanges()
{
    if (pending_.empty())
        return;
    const std::string file = registryFile().string();
    constexpr int Attempts = 5;
    for (int attempt = 1;; ++attempt) {
        try {
            if (!(stampOnDisk() == stamp_))
                mergeWithDisk();
            // The file's text in memory is what is on disk while the stamp holds.
            if (stamp_.exists && file_->matchesText()) {
                // Nothing to save, so nothing to refuse either while Wine runs.
                pending_.clear();
                return;
            }
            // Only the whole file can be written back.
            if (!wholeFile_)
                mergeWithDisk();
            if (wineserverRunning(prefix_))
                abandonChanges(RegistryStoreError(MessageText{
                    translatable("Cannot save the settings: Wine is running for the prefix %s and would overwrite the "
                                 "change. Close Warcraft III and every other Wine program of this prefix (or run "
                                 "\"wineserver -k\" with WINEPREFIX=%s), then make the change again."),
                    {prefix_.string(), prefix_.string()}}));
            removeStaleTemporaries(registryFile());
            FileText content = file_->serializedText();
            const struct stat written =
                replaceFileAtomically(registryFile(), content.view(), [this](const struct stat* onDisk) {
                    return onDisk ? sameContentAs(stamp_, *onDisk) : !stamp_.exists;
                });
            file_->rebase(std::move(content));
            pending_.clear();
            stamp_ = FileStamp::of(written);
            return;
        } catch (const FileChangedMeanwhile&) {
            if (attempt == Attempts)
                abandonChanges(RegistryStoreError(
                    MessageText{translatable("Cannot save the settings: %s kept changing while Orvane saved it. Close "
                                             "the programs that write it, then make the change again."),
                                {file}}));
        } catch (const FolderNotFlushed& error) {
            abandonChanges(RegistryStoreError(
                MessageText{translatable("The settings were saved to %s, but %s, so a crash could still undo the "
                                         "change. Check the disk, then make the change again."),
                            {file, error.what()}}));
        } catch (const std::system_error& error) {
            // The error's text already ends in the system's reason.
            abandonChanges(RegistryStoreError(
                MessageText{translatable("Cannot save the settings to %s: %s. The file is unchanged. Free some disk "
                                         "space or check the folder's permissions, then make the change again."),
                            {file, error.what()}}));
        } catch (const RegistryStoreError& error) {
            abandonChanges(error);
        }
    }
}

bool WinePrefixStore::keyExists(std::string_view path)
{
    // A parent of the trees mostly exists through them.
    bool exists = current(Reading::OwnTrees).keyExists(path);
    if (!exists && readingFor(path) == Reading::Whole)
        exists = current(Reading::Whole).keyExists(path);
    finishOperation();
    return exists;
}

bool WinePrefixStore::createKey(std::string_view path)
{
    if (!current(readingFor(path)).keyExists(path))
        record(Change{Change::KeyCreated, std::string(path), {}, {}});
    finishOperation();
    return true;
}

std::optional<RegValue> WinePrefixStore::queryValue(std::string_view path, std::string_view name)
{
    auto value = current(readingFor(path)).queryValue(path, name);
    finishOperation();
    return value;
}

bool WinePrefixStore::setValue(std::string_view path, std::string_view name, const RegValue& value)
{
    // user.reg has no block for the root itself.
    WineRegFile* file = path.empty() ? nullptr : &current(readingFor(path));
    const bool exists = file && file->keyExists(path);
    // A value set as it was read is no change: made again over a file
    // someone saved since, it would put back what they replaced.
    if (exists && file->queryValue(path, name) != value)
        record(Change{Change::ValueSet, std::string(path), std::string(name), value});
    finishOperation();
    return exists;
}

bool WinePrefixStore::deleteValue(std::string_view path, std::string_view name)
{
    const bool exists = current(readingFor(path)).hasValue(path, name);
    if (exists)
        record(Change{Change::ValueDeleted, std::string(path), std::string(name), {}});
    finishOperation();
    return exists;
}

bool WinePrefixStore::deleteTree(std::string_view path)
{
    const bool exists = !path.empty() && current(readingFor(path)).keyExists(path);
    if (exists)
        record(Change{Change::TreeDeleted, std::string(path), {}, {}});
    finishOperation();
    return exists;
}

std::vector<std::string> WinePrefixStore::valueNames(std::string_view path)
{
    auto names = current(readingFor(path)).valueNames(path);
    finishOperation();
    return names;
}

} // namespace orvane
