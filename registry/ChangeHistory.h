#pragma once
// Orvane's history of the settings it replaced: one regedit file per
// change, named by its local time and what made it ("2026-12-09 23.41.07
// Apply Video.reg"), holding each value as it was before the change (or its
// deletion, where there was none) and the keys the change created as key
// deletions. The newest KeptEntries are kept. The history store
// (registry/HistoryStore.h) fills it; whoever writes names the change first.
#include "files/Errors.h"
#include "registry/RegeditFile.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

inline constexpr size_t KeptEntries = 100;

// Told once when an entry could not be written; the change itself was made.
class HistoryNotKept : public FileError {
public:
    using FileError::FileError;
};

struct HistoryEntry {
    std::filesystem::path file;
    std::string time; // local, ISO 8601: "2026-12-09T23:41:07"
    std::string label;
    size_t changes = 0; // values and keys the entry puts back
};

class ChangeHistory {
public:
    // folder: where the entries are; empty: no history is kept.
    explicit ChangeHistory(std::filesystem::path folder) : folder_(std::move(folder)) {}
    ChangeHistory(const ChangeHistory&) = delete;
    ChangeHistory& operator=(const ChangeHistory&) = delete;

    const std::filesystem::path& folder() const { return folder_; }
    bool isKept() const { return !folder_.empty(); }

    // Names what the running command is about to change; the first name
    // given in a command holds, so that a command run by another names the
    // whole. continued: the changes join the entry written last, when that
    // was continued under the same name and nothing else was written since
    // (auto-apply while one window is open).
    void nameChange(std::string_view label, bool continued = false);

    // Newest first; files in the folder not named as entries are passed over.
    std::vector<HistoryEntry> entries() const;

    // The end of a command: what it changed (nothing: no entry) becomes an
    // entry under the command's name, and the name is forgotten. An entry
    // that cannot be written is told by tellFailure.
    void commandEnded(const std::vector<RegeditKey>& changes);
    // Throws HistoryNotKept for the first entry that could not be written
    // since the program started; once.
    void tellFailure();

private:
    // The entry written last when its command continued it.
    struct ContinuedEntry {
        std::filesystem::path file;
        std::string label;
        std::vector<RegeditKey> keys;
    };
    void write(const std::filesystem::path& file, const std::vector<RegeditKey>& keys);

    std::filesystem::path folder_;
    std::optional<std::string> label_;
    bool continued_ = false;
    std::optional<ContinuedEntry> continuedEntry_;
    std::optional<HistoryNotKept> failure_;
    bool told_ = false;
};

// Each value and key of later as earlier holds it unless earlier has it
// already: the state before the earlier change stays, and what the later
// stored becomes what the change left.
std::vector<RegeditKey> joinedChanges(std::vector<RegeditKey> earlier, const std::vector<RegeditKey>& later);

} // namespace orvane
