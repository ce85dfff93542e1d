#pragma once
// A store that keeps a history of what it replaces: inside a command it
// notes each value (as it was, or that there was none) and each key (that
// there was none) before the command's first change to it, and at the end
// of the outermost command, once the store underneath has written, hands
// what really changed to the history as one entry. A write the store
// underneath refused leaves no entry for what it did not change.
#include "registry/ChangeHistory.h"
#include "registry/RegistryStore.h"

#include <memory>
#include <string>
#include <vector>

namespace orvane {

// Which keys the history follows.
struct RecordedKeys {
    // The trees whose changes are recorded.
    std::vector<std::string> trees;
    // The keys of those trees that a deleted tree is recorded with: a store
    // lists no subkeys.
    std::vector<std::string> known;
};

class HistoryStore : public RegistryStore {
public:
    HistoryStore(std::unique_ptr<RegistryStore> underneath, ChangeHistory& history, RecordedKeys recorded);

    bool keyExists(std::string_view path) override { return underneath_->keyExists(path); }
    bool createKey(std::string_view path) override;
    std::optional<RegValue> queryValue(std::string_view path, std::string_view name) override
    {
        return underneath_->queryValue(path, name);
    }
    bool setValue(std::string_view path, std::string_view name, const RegValue& value) override;
    bool deleteValue(std::string_view path, std::string_view name) override;
    bool deleteTree(std::string_view path) override;
    std::vector<std::string> valueNames(std::string_view path) override { return underneath_->valueNames(path); }

    void beginCommand() override;
    // May throw the store's error, or once HistoryNotKept after the write.
    void endCommand() override;
    void flush() override { underneath_->flush(); }
    void onlyRead() override { underneath_->onlyRead(); }

private:
    struct ValueBefore {
        std::string name;
        ValueState value;
    };
    struct KeyBefore {
        std::string path;
        std::string folded;
        bool existed = true;
        bool treeDeleted = false; // its header recreates it though no value of it changed
        std::vector<ValueBefore> values;
    };
    // Runs a write as a command of its own when no command runs.
    template <class Write>
    bool inCommand(Write&& write);
    // The topmost missing key of the path within the recorded trees, noted.
    void noteMissingKeys(std::string_view path);
    void noteValue(std::string_view path, std::string_view name);
    // The key's record; nullptr when the key is not followed or a record
    // of a missing key above it holds it.
    KeyBefore* recordOf(std::string_view path, bool existed);
    std::string treeOf(const std::string& folded) const;
    std::vector<RegeditKey> changesMade();

    std::unique_ptr<RegistryStore> underneath_;
    ChangeHistory& history_;
    RecordedKeys recorded_;
    std::vector<std::string> foldedTrees_;
    std::vector<KeyBefore> keys_;
    int depth_ = 0;
};

} // namespace orvane
