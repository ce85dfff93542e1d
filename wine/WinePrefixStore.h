#pragma once
// The registry of a Wine prefix: its user.reg, read when it changed on
// disk and written back atomically once at the end of every command. Only
// the game's and Orvane's keys are kept until a write or another key needs
// the whole file, so that a large registry costs the start little.
//
// A save of Orvane's that was cut off is finished before the file is read;
// where the prefix cannot be written, or the store only reads, the file is
// left as it stands and read as that save was to leave it.
#include "registry/RegistryStore.h"
#include "wine/PrefixLock.h"
#include "wine/WineRegFile.h"

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <sys/types.h>

namespace orvane {

class WinePrefixStore : public RegistryStore {
public:
    explicit WinePrefixStore(std::filesystem::path prefix);
    ~WinePrefixStore() override;

    const std::filesystem::path& prefix() const { return prefix_; }
    std::filesystem::path registryFile() const { return prefix_ / "user.reg"; }

    bool keyExists(std::string_view path) override;
    bool createKey(std::string_view path) override;
    std::optional<RegValue> queryValue(std::string_view path, std::string_view name) override;
    bool setValue(std::string_view path, std::string_view name, const RegValue& value) override;
    bool deleteValue(std::string_view path, std::string_view name) override;
    bool deleteTree(std::string_view path) override;
    std::vector<std::string> valueNames(std::string_view path) override;

    // Reads the file now, so that the first command finds it read. What
    // that reading would report (an error, a notice) waits for that command.
    void readAhead();

    void beginCommand() override;
    void endCommand() override;
    void flush() override { writeChanges(); }
    void onlyRead() override { onlyReading_ = true; }

    // What identifies one state of the file on disk.
    struct FileStamp {
        bool exists = false;
        dev_t device = 0;
        ino_t inode = 0;
        off_t size = 0;
        struct timespec modified {};
        struct timespec changed {};
        bool operator==(const FileStamp& other) const;
        static FileStamp of(const struct stat& info);
    };

private:
    struct Change {
        enum Kind { KeyCreated, ValueSet, ValueDeleted, TreeDeleted } kind;
        std::string path;
        std::string name;
        RegValue value;
    };
    // How much of the file an operation needs: the trees of the game's
    // and Orvane's keys, or every block, to write it back or to look
    // elsewhere.
    enum class Reading { OwnTrees, Whole };
    Reading readingFor(std::string_view path) const;
    static std::span<const std::string_view> ownTrees();
    // The file as it is now, read again when it changed since the last read.
    WineRegFile& current(Reading reading);
    FileStamp stampOnDisk() const;
    void readFromDisk(Reading reading = Reading::Whole);
    void readText(Reading reading, const std::string& file);
    // What a save of Orvane's that was cut off was to leave, when that is to
    // be read instead of the file; the save is finished on disk otherwise.
    std::optional<std::string> unfinishedSave();
    void mergeWithDisk();
    void record(Change change);
    void apply(WineRegFile& file, const Change& change) const;
    void finishOperation();
    // Writes, tells, and lets the prefix go for another Orvane, also on an error.
    void endOfWork();
    void writeChanges();
    void tellNotice();
    [[noreturn]] void abandonChanges(const RegistryStoreError& error);

    std::filesystem::path prefix_;
    std::vector<std::string> foldedOwnTrees_;
    // Held from the first look at the file until the command's write is done.
    std::optional<PrefixLock> lock_;
    std::optional<WineRegFile> file_;
    bool wholeFile_ = false; // file_ holds every block, not only the trees'
    FileStamp stamp_;
    std::vector<Change> pending_;
    int depth_ = 0;
    bool checkedThisCommand_ = false;
    bool onlyReading_ = false; // nothing is written, not even to finish a save that was cut off
    // What the program should hear once this command is done.
    std::optional<RegistryStoreError> notice_;
};

} // namespace orvane
