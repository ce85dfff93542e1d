#include "settings/WineRegFile.h"

#include "settings/Errors.h"
#include "settings/RegistryAccess.h"
#include "settings/TextEncoding.h"
#include "settings/WineRegLexer.h"
#include "settings/WineValueCodec.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <limits>

namespace orvane {
namespace {

constexpr std::string_view Signature = "WINE REGISTRY Version 2";
constexpr std::string_view NewFileHeader =
    "WINE REGISTRY Version 2\n"
    ";; All keys relative to REGISTRY\\\\User\\\\S-1-5-21-0-0-0-1000\n"
    "\n"
    "#arch=win64\n"
    "\n";

char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

bool isAscii(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool equalsNoCase(std::string_view a, std::string_view b)
{
    if (isAscii(a) && isAscii(b))
        return a.size() == b.size() &&
               std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return asciiLower(x) == asciiLower(y); });
    return foldCase(a) == foldCase(b);
}

size_t hashPath(std::string_view folded) { return std::hash<std::string_view>{}(folded); }

// The length of a value name that Wine would write as it stands: no
// escapes, control or non-ASCII characters.
size_t plainNameLength(std::string_view text, size_t start)
{
    size_t end = start;
    while (end < text.size()) {
        const auto c = static_cast<unsigned char>(text[end]);
        if (c == '"' || c == '\\' || c < 0x20 || c >= 0x80)
            break;
        ++end;
    }
    return end - start;
}

// Reads "[path]" at the cursor into its folded, normalized form. ASCII
// paths whose only escapes are doubled separators need no decoding.
void readKeyPath(WineRegCursor& cursor, std::string_view text, std::string& folded)
{
    cursor.expect('[', "expected a key");
    folded.clear();
    size_t at = cursor.pos();
    bool plain = true;
    for (; at < text.size() && text[at] != ']'; ++at) {
        const char c = text[at];
        if (c == '\n' || c == '\r' || static_cast<unsigned char>(c) >= 0x80 ||
            (c == '\\' && (at + 1 >= text.size() || text[++at] != '\\'))) {
            plain = false;
            break;
        }
        folded += asciiLower(c);
    }
    if (plain && at < text.size()) {
        cursor.advance(at - cursor.pos());
        folded = normalizeKeyPath(folded);
    } else {
        std::u16string path;
        cursor.escapedText(']', &path);
        folded = foldCase(normalizeKeyPath(utf16ToUtf8(path)));
    }
    cursor.expect(']', "the key name is not closed");
}

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

bool isBlankLine(std::string_view line) { return line.find_first_not_of(" \t\r\n") == std::string_view::npos; }

} // namespace

WineRegFile::WineRegFile() : text_(std::string(NewFileHeader)), headerLength_(text_.size()) {}

WineRegFile WineRegFile::parse(std::string text, const std::string& fileName)
{
    return parse(FileText(std::move(text)), fileName);
}

WineRegFile WineRegFile::parse(FileText text, const std::string& fileName)
{
    WineRegFile file;
    file.text_ = std::move(text);
    const std::string_view all = file.text_.view();
    auto failAt = [&](size_t line, const std::string& what) {
        return ERegistryStoreError("Cannot read the Wine registry file " + fileName + ", line " + std::to_string(line) +
                                   ": " + what +
                                   ". Orvane has not changed the file. Repair it or restore a copy, then start Orvane again.");
    };
    if (all.empty())
        throw failAt(1, "the file is empty");
    if (all.size() > std::numeric_limits<uint32_t>::max())
        throw failAt(1, "the file is larger than 4 GB, far larger than any registry Wine writes");
    const size_t firstEnd = all.find('\n');
    std::string_view first = all.substr(0, firstEnd);
    if (first.ends_with('\r')) {
        first.remove_suffix(1);
        file.newLine_ = "\r\n";
    }
    if (first != Signature)
        throw failAt(1, "this is not a Wine registry file (it does not begin with \"WINE REGISTRY Version 2\")");
    if (const size_t at = all.find('\0'); at != std::string_view::npos)
        throw failAt(1 + static_cast<size_t>(std::count(all.begin(), all.begin() + static_cast<ptrdiff_t>(at), '\n')),
                     "the file holds binary data");
    // Wine ends the file after a complete line: anything else was cut short.
    std::string_view lastLine = all.substr(0, all.size() - (all.back() == '\n' ? 1 : 0));
    if (lastLine.ends_with('\r'))
        lastLine.remove_suffix(1);
    if (all.back() != '\n' || lastLine.ends_with('\\')) {
        const size_t line = static_cast<size_t>(std::count(all.begin(), all.end(), '\n')) + (all.back() != '\n');
        throw failAt(line, "the file ends in the middle of a line, so it may have been cut short");
    }

    try {
        WineRegCursor cursor(all, 0, 1);
        cursor.nextLine();
        file.headerLength_ = cursor.pos();
        // A block's items gather here and get one allocation of their own.
        std::vector<Item> items;
        bool inKey = false;
        const auto closeKey = [&] {
            if (inKey)
                file.keys_.back().items.assign(items.begin(), items.end());
            items.clear();
        };
        file.keys_.reserve(all.size() / 512);
        std::string folded;
        std::u16string nameUnits;
        while (cursor.pos() < all.size()) {
            const auto lineStart = static_cast<uint32_t>(cursor.pos());
            cursor.skipBlanks();
            const char c = cursor.peek();
            if (c == '[') {
                readKeyPath(cursor, all, folded);
                cursor.skipBlanks();
                while (cursor.peek() >= '0' && cursor.peek() <= '9')
                    cursor.advance(1);
                cursor.expectLineEnd();
                cursor.nextLine();
                closeKey();
                file.keys_.push_back(Key{.items = {}, .hash = hashPath(folded)});
                inKey = true;
                items.push_back(Item{.begin = lineStart, .length = static_cast<uint32_t>(cursor.pos() - lineStart)});
                continue;
            }
            if (c == '"' || c == '@') {
                if (!inKey)
                    cursor.fail("a value before the first key");
                // The default value's empty name is a view of the line's start.
                Item item{.begin = lineStart, .nameBegin = lineStart, .isValue = 1};
                const size_t nameStart = cursor.pos() + 1;
                const size_t plainLength = plainNameLength(all, nameStart);
                const bool plain = c == '"' && nameStart + plainLength < all.size() && all[nameStart + plainLength] == '"';
                nameUnits.clear();
                parseWineValue(cursor, plain ? nullptr : &nameUnits, nullptr);
                if (plain) {
                    item.nameBegin = static_cast<uint32_t>(nameStart);
                    item.nameLength = static_cast<uint32_t>(plainLength);
                } else if (c == '"') {
                    item.nameBegin = static_cast<uint32_t>(file.names_.size());
                    item.nameStored = 1;
                    file.names_.push_back(utf16ToUtf8(nameUnits));
                }
                cursor.nextLine();
                item.length = static_cast<uint32_t>(cursor.pos() - lineStart);
                items.push_back(item);
                continue;
            }
            if (c != '#' && c != ';' && !cursor.atLineEnd())
                cursor.fail("a line Orvane does not understand");
            cursor.nextLine();
            if (inKey)
                items.push_back(Item{.begin = lineStart, .length = static_cast<uint32_t>(cursor.pos() - lineStart)});
            else
                file.headerLength_ = cursor.pos();
        }
        closeKey();
    } catch (const WineRegParseFailure& failure) {
        throw failAt(failure.line, failure.what);
    }
    file.rebuildIndex();
    return file;
}

std::string_view WineRegFile::itemText(const Item& item) const
{
    return item.edited ? std::string_view(edits_[item.begin]) : text_.view().substr(item.begin, item.length);
}

std::string_view WineRegFile::itemName(const Item& item) const
{
    return item.nameStored ? std::string_view(names_[item.nameBegin])
                           : text_.view().substr(item.nameBegin, item.nameLength);
}

size_t WineRegFile::serializedSize() const
{
    size_t size = headerLength_;
    for (const Key& key : keys_)
        for (const Item& item : key.items)
            size += itemText(item).size();
    return size;
}

FileText WineRegFile::serializedText() const
{
    FileText out = FileText::ofSize(serializedSize());
    char* at = out.data();
    const std::string_view header = text_.view().substr(0, headerLength_);
    at = std::copy(header.begin(), header.end(), at);
    for (const Key& key : keys_)
        for (const Item& item : key.items) {
            const std::string_view piece = itemText(item);
            at = std::copy(piece.begin(), piece.end(), at);
        }
    return out;
}

std::string WineRegFile::serialize() const
{
    return std::string(serializedText().view());
}

bool WineRegFile::matchesText() const
{
    const std::string_view text = text_.view();
    size_t at = headerLength_;
    for (const Key& key : keys_)
        for (const Item& item : key.items) {
            const std::string_view piece = itemText(item);
            if (text.substr(at, piece.size()) != piece)
                return false;
            at += piece.size();
        }
    return at == text.size();
}

void WineRegFile::rebase(FileText saved)
{
    size_t at = headerLength_;
    for (Key& key : keys_)
        for (Item& item : key.items) {
            const auto begin = static_cast<uint32_t>(at);
            at += itemText(item).size();
            if (item.isValue && !item.nameStored)
                // An edited line was written by formatWineValue: its name follows the opening quote.
                item.nameBegin = item.edited ? begin + 1 : item.nameBegin - item.begin + begin;
            item.length = static_cast<uint32_t>(at - begin);
            item.begin = begin;
            item.edited = 0;
        }
    edits_.clear();
    text_ = std::move(saved);
}

void WineRegFile::foldedPath(const Key& key, std::string& out) const
{
    const std::string_view header = itemText(key.items.front());
    WineRegCursor cursor(header, header.find('['), 1);
    readKeyPath(cursor, header, out);
}

void WineRegFile::rebuildIndex()
{
    index_.clear();
    index_.reserve(keys_.size());
    for (size_t i = 0; i < keys_.size(); ++i)
        index_.emplace(keys_[i].hash, static_cast<uint32_t>(i));
    parents_.reset();
}

std::vector<size_t> WineRegFile::blocksOf(std::string_view folded) const
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
    if (!blocksOf(folded).empty())
        return true;
    // A parent of a block exists without a block of its own.
    if (!parents_)
        buildParentIndex();
    if (!parents_->count(hashPath(folded)))
        return false;
    const std::string below = folded + '\\';
    std::string candidate;
    return std::any_of(keys_.begin(), keys_.end(), [&](const Key& key) {
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

// The value Wine reads: the last of its name in the last block that has it.
std::optional<WineRegFile::Found> WineRegFile::lastValue(std::string_view path, std::string_view name) const
{
    const std::vector<size_t> blocks = blocksOf(foldCase(path));
    for (auto block = blocks.rbegin(); block != blocks.rend(); ++block) {
        const Key& key = keys_[*block];
        for (size_t i = key.items.size(); i-- > 1;)
            if (key.items[i].isValue && equalsNoCase(itemName(key.items[i]), name))
                return Found{.key = const_cast<Key*>(&key), .item = i};
    }
    return std::nullopt;
}

std::optional<RegValue> WineRegFile::queryValue(std::string_view path, std::string_view name) const
{
    const auto found = lastValue(path, name);
    if (!found)
        return std::nullopt;
    const std::string_view raw = itemText(found->key->items[found->item]);
    WineRegCursor cursor(raw, 0, 1);
    cursor.skipBlanks();
    RegValue value;
    parseWineValue(cursor, nullptr, &value);
    return value;
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
    const std::vector<size_t> blocks = blocksOf(foldCase(path));
    Key& key = blocks.empty() ? appendKey(path) : keys_[blocks.back()];
    // New values go after the key's last value or option line, before its blank lines.
    size_t at = key.items.size();
    while (at > 1 && !key.items[at - 1].isValue && isBlankLine(itemText(key.items[at - 1])))
        --at;
    Item item = ownedItem(formatWineValue(name, value), true);
    item.nameStored = 1;
    item.nameBegin = static_cast<uint32_t>(names_.size());
    names_.emplace_back(name);
    key.items.insert(key.items.begin() + static_cast<ptrdiff_t>(at), item);
}

bool WineRegFile::deleteValue(std::string_view path, std::string_view name)
{
    // Every copy goes, or Wine would read an earlier one.
    bool deleted = false;
    for (const size_t block : blocksOf(foldCase(path))) {
        auto& items = keys_[block].items;
        const auto removed = std::remove_if(items.begin() + 1, items.end(), [&](const Item& item) {
            return item.isValue && equalsNoCase(itemName(item), name);
        });
        deleted |= removed != items.end();
        items.erase(removed, items.end());
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
    std::erase_if(keys_, [&](const Key& key) {
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
    for (const size_t block : blocksOf(foldCase(path)))
        for (const Item& item : keys_[block].items)
            if (item.isValue && std::none_of(names.begin(), names.end(), [&](const std::string& known) {
                    return equalsNoCase(known, itemName(item));
                }))
                names.emplace_back(itemName(item));
    return names;
}

} // namespace orvane
