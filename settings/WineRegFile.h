#pragma once
// A Wine registry text file (user.reg) held in memory. Everything that is
// not changed is written back byte for byte: the header, comments, other
// keys, values of any type, Wine's own line layout.
#include "settings/RegistryStore.h"

#include <cstddef>
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
    // Throws ERegistryStoreError naming fileName and the line it could not read.
    static WineRegFile parse(std::string text, const std::string& fileName);

    std::string serialize() const;

    bool keyExists(std::string_view path) const;
    void createKey(std::string_view path);
    std::optional<RegValue> queryValue(std::string_view path, std::string_view name) const;
    bool hasValue(std::string_view path, std::string_view name) const;
    // Creates the key when it does not exist.
    void setValue(std::string_view path, std::string_view name, const RegValue& value);
    bool deleteValue(std::string_view path, std::string_view name);
    bool deleteTree(std::string_view path);
    std::vector<std::string> valueNames(std::string_view path) const;

    size_t keyCount() const { return keys_.size(); }

private:
    struct Item {
        bool isValue = false;
        size_t begin = 0;
        size_t length = 0;    // in text_, including the line end(s)
        bool owned = false;
        std::string ownedText;
        std::string name;     // value name, "" for the default value
    };
    struct Key {
        std::string path;
        std::string folded;
        std::vector<Item> items; // the "[...]" line first
    };

    std::string_view itemText(const Item& item) const;
    Key* findKey(std::string_view path);
    const Key* findKey(std::string_view path) const;
    Key& appendKey(std::string_view path);
    void rebuildIndex();
    void indexKey(size_t position);
    static const Item* findItem(const Key& key, std::string_view name);

    std::string text_;
    size_t headerLength_ = 0;
    std::vector<Key> keys_;
    std::unordered_map<std::string, size_t> index_;  // folded path -> keys_
    std::unordered_set<std::string> implicit_;       // folded paths of parents
};

// Wine's text form of one value ("name"=data, with line end).
std::string formatWineValue(std::string_view name, const RegValue& value);

} // namespace orvane
