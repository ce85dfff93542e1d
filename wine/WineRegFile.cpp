#include "wine/WineRegFile.h"

#include "files/TextEncoding.h"
#include "wine/WineRegLexer.h"
#include "wine/WineValueCodec.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace orvane {
namespace {

std::string newKeyHeader(std::string_view path)
{
    using namespace std::chrono;
    const auto now = system_clock::now().time_since_epoch();
    const auto seconds = duration_cast<std::chrono::seconds>(now).count();
    // FILETIME: 100 ns ticks since 1601.
    const unsigned long long ticks =
        static_cast<unsigned long long>(duration_cast<nanoseconds>(now).count() / 100) + 116444736000000000ULL;
    char line[64];
    std::snprintf(line, sizeof line, "] %lld\n#time=%llx\n", static_cast<long long>(seconds), ticks);
    return "[" + formatWineKeyPath(path) + line;
}

std::string parentOf(std::string_view path)
{
    const size_t at = path.rfind('\\');
    return at == std::string_view::npos ? std::string() : std::string(path.substr(0, at));
}

bool isBlankLine(std::string_view line)
{
    return line.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

} // namespace

size_t WineRegFile::hashPath(std::string_view folded)
{
    return std::hash<std::string_view>{}(folded);
}

void WineRegFile::foldedPath(const Key& key, std::string& out) const
{
    const std::string_view header = itemText(key.items.front());
    const std::string_view line = header.substr(0, wineLineAt(header, 0).contentEnd);
    readWineKeyPath(line, skipWineBlanks(line, 0), out);
}

void WineRegFile::rebuildIndex() const
{
    index_.clear();
    index_.reserve(keys_.size());
    for (size_t i = 0; i < keys_.size(); ++i)
        if (keys_[i].path == Path::Known)
            index_.emplace(keys_[i].hash, static_cast<uint32_t>(i));
    parents_.reset();
}

std::vector<size_t> WineRegFile::blocksOf(std::string_view folded) const
{
    if (!carriedNamed_ && !inTrees(folded))
        nameCarriedBlocks();
    return namedBlocksOf(folded);
}

std::vector<size_t> WineRegFile::namedBlocksOf(std::string_view folded) const
{
    std::vector<size_t> blocks;
    std::string candidate;
    const auto [first, last] = index_.equal_range(hashPath(folded));
    for (auto it = first; it != last; ++it) {
        foldedPath(keys_[it->second], candidate);
        if (candidate == folded)
            blocks.push_back(it->second);
    }
    std::sort(blocks.begin(), blocks.end());
    return blocks;
}

void WineRegFile::buildParentIndex() const
{
    parents_.emplace();
    std::string path;
    for (const Key& key : keys_) {
        if (key.path != Path::Known)
            continue;
        foldedPath(key, path);
        for (size_t at = path.find('\\'); at != std::string::npos; at = path.find('\\', at + 1))
            parents_->insert(hashPath(std::string_view(path).substr(0, at)));
    }
}

bool WineRegFile::keyExists(std::string_view path) const
{
    if (path.empty())
        return true;
    const std::string folded = foldCase(path);
    // A parent of the trees mostly exists through them, without naming the carried blocks.
    if (existsAmongNamed(folded))
        return true;
    if (carriedNamed_ || inTrees(folded))
        return false;
    nameCarriedBlocks();
    return existsAmongNamed(folded);
}

bool WineRegFile::existsAmongNamed(std::string_view folded) const
{
    if (!namedBlocksOf(folded).empty())
        return true;
    // A parent of a block exists without a block of its own.
    if (!parents_)
        buildParentIndex();
    if (!parents_->count(hashPath(folded)))
        return false;
    const std::string below = std::string(folded) + '\\';
    std::string candidate;
    return std::any_of(keys_.begin(), keys_.end(), [&](const Key& key) {
        if (key.path != Path::Known)
            return false;
        foldedPath(key, candidate);
        return candidate.starts_with(below);
    });
}

WineRegFile::Item WineRegFile::ownedItem(std::string text, bool isValue)
{
    Item item{.isValue = isValue};
    editItem(item, std::move(text));
    return item;
}

// New text takes the file's own line ends; an edited item reuses its slot.
void WineRegFile::editItem(Item& item, std::string text)
{
    if (newLine_ != "\n") {
        std::string converted;
        for (char c : text)
            converted += c == '\n' ? newLine_ : std::string(1, c);
        text = std::move(converted);
    }
    if (item.edited) {
        edits_[item.begin] = std::move(text);
        return;
    }
    item.edited = 1;
    item.begin = static_cast<uint32_t>(edits_.size());
    edits_.push_back(std::move(text));
}

WineRegFile::Key& WineRegFile::appendKey(std::string_view path)
{
    // Keep a blank line between the last block and the new one.
    if (!keys_.empty() && !isBlankLine(itemText(keys_.back().items.back())))
        keys_.back().items.push_back(ownedItem("\n", false));
    Key key{.items = {}, .hash = hashPath(foldCase(path))};
    key.items.push_back(ownedItem(newKeyHeader(path), false));
    key.items.push_back(ownedItem("\n", false));
    keys_.push_back(std::move(key));
    index_.emplace(keys_.back().hash, static_cast<uint32_t>(keys_.size() - 1));
    if (parents_) {
        const std::string folded = foldCase(path);
        for (size_t at = folded.find('\\'); at != std::string::npos; at = folded.find('\\', at + 1))
            parents_->insert(hashPath(std::string_view(folded).substr(0, at)));
    }
    return keys_.back();
}

void WineRegFile::createKey(std::string_view path)
{
    if (!path.empty() && blocksOf(foldCase(path)).empty())
        appendKey(path);
}

std::unordered_map<std::string, std::vector<uint32_t>>& WineRegFile::valuesByName(const Key& key) const
{
    auto& index = const_cast<Key&>(key).names.items;
    if (!index) {
        index = std::make_unique<std::unordered_map<std::string, std::vector<uint32_t>>>();
        for (size_t i = 1; i < key.items.size(); ++i)
            if (key.items[i].isValue)
                (*index)[foldCase(itemName(key.items[i]))].push_back(static_cast<uint32_t>(i));
    }
    return *index;
}

std::vector<size_t> WineRegFile::valueBlocksOf(std::string_view folded) const
{
    std::vector<size_t> blocks = blocksOf(folded);
    std::erase_if(blocks, [this](size_t block) { return keys_[block].dropsValues; });
    return blocks;
}

// The value Wine reads: the last of its name in the last block that has it.
std::optional<WineRegFile::Found> WineRegFile::lastValue(std::string_view path, std::string_view name) const
{
    const std::vector<size_t> blocks = valueBlocksOf(foldCase(path));
    const std::string folded = foldCase(name);
    for (auto block = blocks.rbegin(); block != blocks.rend(); ++block) {
        const Key& key = parsed(keys_[*block]);
        const auto& index = valuesByName(key);
        if (const auto found = index.find(folded); found != index.end() && !found->second.empty())
            return Found{.key = const_cast<Key*>(&key), .item = found->second.back()};
    }
    return std::nullopt;
}

std::optional<RegValue> WineRegFile::queryValue(std::string_view path, std::string_view name) const
{
    const auto found = lastValue(path, name);
    if (!found)
        return std::nullopt;
    return readWineValue(itemText(found->key->items[found->item]));
}

bool WineRegFile::hasValue(std::string_view path, std::string_view name) const
{
    return lastValue(path, name).has_value();
}

void WineRegFile::setValue(std::string_view path, std::string_view name, const RegValue& value)
{
    if (const auto found = lastValue(path, name)) {
        Item& item = found->key->items[found->item];
        editItem(item, formatWineValue(itemName(item), value));
        return;
    }
    const std::vector<size_t> blocks = valueBlocksOf(foldCase(path));
    Key& key = blocks.empty() ? appendKey(path) : parsed(keys_[blocks.back()]);
    // New values go after the key's last value or option line, before its
    // blank lines; what a deleted value left saves as nothing and stops the
    // search, so that replacing every value of a key stays linear.
    size_t at = key.items.size();
    while (at > 1 && !key.items[at - 1].isValue && !itemText(key.items[at - 1]).empty() &&
           isBlankLine(itemText(key.items[at - 1])))
        --at;
    Item item = ownedItem(formatWineValue(name, value), true);
    item.nameStored = 1;
    item.nameBegin = static_cast<uint32_t>(names_.size());
    names_.emplace_back(name);
    // Only blank lines follow, so no indexed value moves.
    valuesByName(key)[foldCase(name)].push_back(static_cast<uint32_t>(at));
    key.items.insert(key.items.begin() + static_cast<ptrdiff_t>(at), item);
}

bool WineRegFile::deleteValue(std::string_view path, std::string_view name)
{
    // Every copy goes, or Wine would read an earlier one. A deleted line
    // leaves an empty item, so no other item moves; a save drops it.
    bool deleted = false;
    const std::string folded = foldCase(name);
    for (const size_t block : valueBlocksOf(foldCase(path))) {
        Key& key = parsed(keys_[block]);
        auto& index = valuesByName(key);
        const auto found = index.find(folded);
        if (found == index.end())
            continue;
        for (const uint32_t i : found->second) {
            editItem(key.items[i], "");
            key.items[i].isValue = 0;
            deleted = true;
        }
        index.erase(found);
    }
    return deleted;
}

bool WineRegFile::deleteTree(std::string_view path)
{
    if (path.empty() || !keyExists(path))
        return false;
    const std::string folded = foldCase(path);
    const std::string below = folded + '\\';
    std::string candidate;
    if (!inTrees(folded))
        nameCarriedBlocks();
    std::erase_if(keys_, [&](const Key& key) {
        if (key.path != Path::Known)
            return false;
        foldedPath(key, candidate);
        return candidate == folded || candidate.starts_with(below);
    });
    rebuildIndex();
    // The parent stays, even when only the deleted key made it exist.
    const std::string parent = parentOf(path);
    if (!parent.empty() && !keyExists(parent))
        appendKey(parent);
    return true;
}

std::vector<std::string> WineRegFile::valueNames(std::string_view path) const
{
    std::vector<std::string> names;
    std::unordered_set<std::string> seen;
    for (const size_t block : valueBlocksOf(foldCase(path)))
        for (const Item& item : parsed(keys_[block]).items)
            if (item.isValue && seen.insert(foldCase(itemName(item))).second)
                names.emplace_back(itemName(item));
    return names;
}

} // namespace orvane
