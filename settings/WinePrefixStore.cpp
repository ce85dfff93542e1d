#include "settings/WinePrefixStore.h"

#include "settings/AtomicFile.h"
#include "settings/Errors.h"
#include "settings/WineServer.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <system_error>

namespace orvane {

bool WinePrefixStore::FileStamp::operator==(const FileStamp& other) const
{
    return exists == other.exists && device == other.device && inode == other.inode && size == other.size &&
           modified.tv_sec == other.modified.tv_sec && modified.tv_nsec == other.modified.tv_nsec;
}

WinePrefixStore::WinePrefixStore(std::filesystem::path prefix) : prefix_(std::move(prefix)) {}

WinePrefixStore::~WinePrefixStore() = default;

std::filesystem::path WinePrefixStore::defaultPrefix()
{
    if (const char* env = std::getenv("WINEPREFIX"); env && *env)
        return env;
    const char* home = std::getenv("HOME");
    return std::filesystem::path(home ? home : "") / ".wine";
}

WinePrefixStore::FileStamp WinePrefixStore::stampOnDisk() const
{
    struct stat info {};
    const std::string file = registryFile().string();
    if (::stat(file.c_str(), &info) != 0) {
        if (errno == ENOENT)
            return {};
        throw ERegistryStoreError("Cannot read the Wine registry file " + file + ": " + std::strerror(errno) +
                                  ". Check that you may read it.");
    }
    return FileStamp{true, info.st_dev, info.st_ino, info.st_size, info.st_mtim};
}

WineRegFile WinePrefixStore::readFromDisk(const FileStamp& stamp) const
{
    std::error_code error;
    if (!std::filesystem::is_directory(prefix_, error))
        throw ERegistryStoreError("The Wine prefix " + prefix_.string() +
                                  " does not exist. Set WINEPREFIX to the prefix in which Warcraft III is installed.");
    if (!stamp.exists)
        return WineRegFile();
    const std::string file = registryFile().string();
    std::ifstream in(file, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    if (!in)
        throw ERegistryStoreError("Cannot read the Wine registry file " + file + ": " + std::strerror(errno) +
                                  ". Check that you may read it.");
    return WineRegFile::parse(std::move(content).str(), file);
}

WineRegFile& WinePrefixStore::current()
{
    if (!checkedThisCommand_ || !file_) {
        const FileStamp now = stampOnDisk();
        if (!file_ || !(now == stamp_)) {
            file_.reset();
            file_ = readFromDisk(now);
            stamp_ = now;
        }
        checkedThisCommand_ = depth_ > 0;
    }
    return *file_;
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
        writeChanges();
    }
}

void WinePrefixStore::finishOperation()
{
    if (depth_ == 0)
        writeChanges();
}

void WinePrefixStore::record(Change change)
{
    apply(current(), change);
    pending_.push_back(std::move(change));
    finishOperation();
}

void WinePrefixStore::apply(WineRegFile& file, const Change& change) const
{
    switch (change.kind) {
    case Change::CreateKey: file.createKey(change.path); break;
    case Change::SetValue: file.setValue(change.path, change.name, change.value); break;
    case Change::DeleteValue: file.deleteValue(change.path, change.name); break;
    case Change::DeleteTree: file.deleteTree(change.path); break;
    }
}

void WinePrefixStore::abandonChanges(const std::string& message)
{
    // The registry in memory goes back to what is on disk.
    pending_.clear();
    file_.reset();
    throw ERegistryStoreError(message);
}

void WinePrefixStore::writeChanges()
{
    if (pending_.empty())
        return;
    const std::string file = registryFile().string();
    // Serialized once: compared with the disk, and written when it differs.
    std::string content = file_->serialize();
    if (stampOnDisk() == stamp_ && sameAsOnDisk(content)) {
        // Nothing to save, so nothing to refuse either while Wine runs.
        pending_.clear();
        return;
    }
    if (wineserverRunning(prefix_))
        abandonChanges("Cannot save the settings: Wine is running for the prefix " + prefix_.string() +
                       " and would overwrite the change. Close Warcraft III and every other Wine program of this "
                       "prefix (or run \"wineserver -k\" with WINEPREFIX=" + prefix_.string() +
                       "), then make the change again.");
    try {
        const FileStamp now = stampOnDisk();
        if (!(now == stamp_)) {
            // Changed on disk since it was read: apply this command's changes on top.
            WineRegFile fresh = readFromDisk(now);
            for (const Change& change : pending_)
                apply(fresh, change);
            file_ = std::move(fresh);
            content = file_->serialize();
        }
        removeStaleTemporaries();
        replaceFileAtomically(file, content);
        pending_.clear();
        stamp_ = stampOnDisk();
    } catch (const std::system_error& error) {
        // The error's text already ends in the system's reason.
        abandonChanges("Cannot save the settings to " + file + ": " + error.what() + ". The file is unchanged. Free some disk space or check the folder's permissions, then make "
                       "the change again.");
    } catch (const ERegistryStoreError& error) {
        abandonChanges(error.what());
    }
}

// A write that was killed leaves its temporary file behind; the next one
// clears them away. Only Orvane's own names are touched, never Wine's.
void WinePrefixStore::removeStaleTemporaries() const
{
    const std::string ours = registryFile().filename().string() + ".orvane-";
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(registryFile().parent_path(), error)) {
        const std::string name = entry.path().filename().string();
        if (name.size() == ours.size() + 6 && name.starts_with(ours)) {
            std::error_code ignored;
            std::filesystem::remove(entry.path(), ignored);
        }
    }
}

// Whether the file on disk holds exactly this content.
bool WinePrefixStore::sameAsOnDisk(const std::string& content) const
{
    std::ifstream in(registryFile(), std::ios::binary);
    if (!in)
        return false;
    std::string onDisk(content.size() + 1, '\0');
    in.read(onDisk.data(), static_cast<std::streamsize>(onDisk.size()));
    return in.gcount() == static_cast<std::streamsize>(content.size()) &&
           std::string_view(onDisk).substr(0, content.size()) == content;
}

bool WinePrefixStore::keyExists(std::string_view path)
{
    const bool exists = current().keyExists(path);
    finishOperation();
    return exists;
}

bool WinePrefixStore::createKey(std::string_view path)
{
    if (!current().keyExists(path))
        record(Change{Change::CreateKey, std::string(path), {}, {}});
    return true;
}

std::optional<RegValue> WinePrefixStore::queryValue(std::string_view path, std::string_view name)
{
    auto value = current().queryValue(path, name);
    finishOperation();
    return value;
}

bool WinePrefixStore::setValue(std::string_view path, std::string_view name, const RegValue& value)
{
    // user.reg has no block for the root itself.
    if (path.empty() || !current().keyExists(path))
        return false;
    record(Change{Change::SetValue, std::string(path), std::string(name), value});
    return true;
}

bool WinePrefixStore::deleteValue(std::string_view path, std::string_view name)
{
    if (!current().hasValue(path, name))
        return false;
    record(Change{Change::DeleteValue, std::string(path), std::string(name), {}});
    return true;
}

bool WinePrefixStore::deleteTree(std::string_view path)
{
    if (path.empty() || !current().keyExists(path))
        return false;
    record(Change{Change::DeleteTree, std::string(path), {}, {}});
    return true;
}

std::vector<std::string> WinePrefixStore::valueNames(std::string_view path)
{
    auto names = current().valueNames(path);
    finishOperation();
    return names;
}

} // namespace orvane
