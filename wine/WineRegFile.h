#pragma once
// A Wine registry text file (user.reg) held in memory. Everything that is
// not changed is written back byte for byte: the header, comments, other
// keys, values of any type, Wine's own line layout and line ends.
//
// It reads as wineserver's loader reads it: which line is a key line,
// which key it opens, which lines a value's hex data continues onto, which
// value a line gives, and that a later key block or value name overrides
// an earlier one. A write changes the line Wine will read.
//
// Parsed for the key trees named, the file's other blocks are carried as
// they stand and read only when first asked for: a large file costs little
// more than its copy.
#include "files/FileText.h"
#include "registry/RegistryStore.h"
#include "wine/WineRegLines.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace orvane {

class WineRegFile {
public:
    // The largest text a registry is read from: its offsets are 32 bits.
    static constexpr size_t MaxSize = std::numeric_limits<uint32_t>::max();

    // An empty registry with Wine's header, for a prefix without user.reg.
    WineRegFile();
    // Throws RegistryStoreError naming fileName and the line whose effect on
    // what Wine reads Orvane cannot follow, or where the file is cut short.
    static WineRegFile parse(FileText text, const std::string& fileName, std::span<const std::string_view> trees = {});
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
        uint32_t begin = 0;     // in text_, or the index in edits_ when edited
        uint32_t length = 0;    // in text_, with its line end(s)
        uint32_t nameBegin = 0; // in text_, or the index in names_ when stored
        uint32_t nameLength : 29 = 0;
        uint32_t isValue : 1 = 0;
        uint32_t edited : 1 = 0;
        uint32_t nameStored : 1 = 0;
    };
    // The items of each folded value name in a block, built on first
    // lookup: a key of many values costs each lookup little. A copy starts empty.
    struct NameIndex {
        NameIndex() = default;
        NameIndex(const NameIndex&) {}
        NameIndex(NameIndex&&) noexcept = default;
        NameIndex& operator=(const NameIndex&)
        {
            items.reset();
            return *this;
        }
        NameIndex& operator=(NameIndex&&) noexcept = default;
        std::unique_ptr<std::unordered_map<std::string, std::vector<uint32_t>>> items;
    };
    // Whether a block's path is known. Other programs' blocks in a row are
    // one run, its key lines read only when a path outside the trees is
    // first looked for; a key line without its "]" opens nothing.
    enum class Path : uint8_t { Known, NotRead, Unreadable };
    struct Key {
        std::vector<Item> items;  // the "[...]" line first
        size_t hash = 0;          // of the folded path, when known
        uint32_t line = 0;        // of the "[...]" line, for errors
        bool carried = false;     // items[1] is the rest of the block, not yet read
        bool dropsValues = false; // Wine creates the path but not this block's key, and drops its values
        Path path = Path::Known;
        NameIndex names;
    };
    struct Found {
        Key* key;
        size_t item;
    };

    // Reads the lines from `at` on: the header, then the blocks of the
    // trees into items and the others into runs.
    void readLines(size_t at);
    // Adds a line of a block to its items: a value with the lines it
    // continues onto, or a line that gives none.
    void addLine(std::vector<Item>& items, WineLineKind kind, bool inKey, size_t begin, size_t next) const;
    // Reads the lines of a block after its key line, up to end, into items.
    void readBlock(const Key& key, size_t begin, size_t end, std::vector<Item>& items) const;
    // A carried block read into its items, on first use.
    Key& parsed(Key& key) const;
    std::unordered_map<std::string, std::vector<uint32_t>>& valuesByName(const Key& key) const;
    std::string_view itemText(const Item& item) const;
    std::string_view itemName(const Item& item) const;
    void foldedPath(const Key& key, std::string& out) const;
    // Every block of the path, in file order.
    std::vector<size_t> blocksOf(std::string_view foldedPath) const;
    std::vector<size_t> namedBlocksOf(std::string_view foldedPath) const;
    bool existsAmongNamed(std::string_view foldedPath) const;
    std::optional<Found> lastValue(std::string_view path, std::string_view name) const;
    // The blocks of the path that hold its values, in file order.
    std::vector<size_t> valueBlocksOf(std::string_view foldedPath) const;
    Item ownedItem(std::string text, bool isValue);
    void editItem(Item& item, std::string text);
    Key& appendKey(std::string_view path);
    void rebuildIndex() const;
    // Splits the runs into named blocks, once, for a path outside the trees.
    void nameCarriedBlocks() const;
    bool inTrees(std::string_view folded) const;
    void buildParentIndex() const;

    size_t serializedSize() const;
    static size_t hashPath(std::string_view folded);
    // The block a key line opens: the line itself, from at to next, as its first item.
    static Key keyOpenedBy(const WineKeyPath& path, size_t at, size_t next, size_t lineNumber);

    FileText text_;
    std::string fileName_;
    std::string newLine_ = "\n"; // the file's own line end, for new lines
    size_t headerLength_ = 0;
    // A carried block is read on first use, though the text stays the same:
    // lookups may fill in its items and names.
    mutable std::vector<Key> keys_;
    std::vector<std::string> edits_;
    mutable std::vector<std::string> names_;
    mutable std::unordered_multimap<size_t, uint32_t> index_; // path hash -> keys_ whose path is known
    // Hashes of every parent of a block's path, built when first needed.
    mutable std::optional<std::unordered_set<size_t>> parents_;
    std::vector<std::string> trees_; // folded; none: every block is read
    mutable bool carriedNamed_ = true;
};

} // namespace orvane
