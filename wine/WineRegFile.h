#pragma once
// A Wine registry text file (user.reg) held in memory. Everything that is
// not changed is written back byte for byte: the header, comments, other
// keys, values of any type, Wine's own line layout and line ends.
//
// Where a key block or a value name occurs twice, Wine's reading wins: the
// later one is read, and a write changes the one Wine will read.
#include "settings/FileText.h"
#include "settings/RegistryStore.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace orvane {

class WineRegFile {
public:
    // An empty registry with Wine's header, for a prefix without user.reg.
    WineRegFile();
    // Throws RegistryStoreError naming fileName and the line it could not read.
    static WineRegFile parse(FileText text, const std::string& fileName);
    static WineRegFile parse(std::string text, const std::string& fileName);

    std::string serialize() const;
    FileText serializedText() const;
    // Whether the registry still reads exactly as the text it was parsed
    // from (or last rebased on).
    bool matchesText() const;
    // Takes the text just saved, which serializedText() gave, as the file's
    // own: edits are folded in and their memory freed.
    void rebase(FileText saved);

    bool keyExists(std::string_view path) const;
    void createKey(std::string_view path);
    std::optional<RegValue> queryValue(std::string_view path, std::string_view name) const;
    bool hasValue(std::string_view path, std::string_view name) const;
    // Creates the key when it does not exist.
    void setValue(std::string_view path, std::string_view name, const RegValue& value);
    bool deleteValue(std::string_view path, std::string_view name);
    bool deleteTree(std::string_view path);
    // Each name once, in the order of first appearance.
    std::vector<std::string> valueNames(std::string_view path) const;

    size_t keyCount() const { return keys_.size(); }

private:
    // One line of a key block, or one value with its continuation lines.
    // Names and text are views into text_ until something is changed.
    struct Item {
        uint32_t begin = 0;      // in text_, or the index in edits_ when edited
        uint32_t length = 0;     // in text_, with its line end(s)
        uint32_t nameBegin = 0;  // in text_, or the index in names_ when stored
        uint32_t nameLength : 29 = 0;
        uint32_t isValue : 1 = 0;
        uint32_t edited : 1 = 0;
        uint32_t nameStored : 1 = 0;
    };
    struct Key {
        std::vector<Item> items; // the "[...]" line first
        size_t hash = 0;         // of the folded path
    };
    struct Found {
        Key* key;
        size_t item;
    };

    std::string_view itemText(const Item& item) const;
    std::string_view itemName(const Item& item) const;
    void foldedPath(const Key& key, std::string& out) const;
    // Every block of the path, in file order.
    std::vector<size_t> blocksOf(std::string_view foldedPath) const;
    std::optional<Found> lastValue(std::string_view path, std::string_view name) const;
    Item ownedItem(std::string text, bool isValue);
    void editItem(Item& item, std::string text);
    Key& appendKey(std::string_view path);
    void rebuildIndex();
    void buildParentIndex() const;

    size_t serializedSize() const;
    static size_t hashPath(std::string_view folded);

    FileText text_;
    std::string newLine_ = "\n"; // the file's own line end, for new lines
    size_t headerLength_ = 0;
    std::vector<Key> keys_;
    std::vector<std::string> edits_;
    std::vector<std::string> names_;
    std::unordered_multimap<size_t, uint32_t> index_;  // path hash -> keys_
    // Hashes of every parent of a block's path, built when first needed.
    mutable std::optional<std::unordered_set<size_t>> parents_;
};

} // namespace orvane
