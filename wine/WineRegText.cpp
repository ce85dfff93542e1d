// The whole text of a registry file: reading it into items, and writing
// them back.
#include "wine/WineRegFile.h"

#include "registry/RegistryErrors.h"
#include "registry/RegistryAccess.h"
#include "files/TextEncoding.h"
#include "wine/WineRegLexer.h"
#include "wine/WineRegTrees.h"
#include "wine/WineValueCodec.h"

#include <algorithm>
#include <utility>
#include <span>

namespace orvane {
namespace {

constexpr std::string_view Signature = "WINE REGISTRY Version 2";
constexpr std::string_view NewFileHeader = "WINE REGISTRY Version 2\n"
                                           ";; All keys relative to REGISTRY\\\\User\\\\S-1-5-21-0-0-0-1000\n"
                                           "\n"
                                           "#arch=win64\n"
                                           "\n";

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

RegistryStoreError unreadable(const std::string& fileName, size_t line, const std::string& what)
{
    return RegistryStoreError("Cannot read the Wine registry file " + fileName + ", line " + std::to_string(line) +
                              ": " + what +
                              ". Orvane has not changed the file. Repair it or restore a copy, then start Orvane "
                              "again.");
}

// Reads a key line at the cursor to its end: the path, then Wine's time stamp.
void readKeyLine(WineRegCursor& cursor, std::string_view text, std::string& folded)
{
    cursor.skipBlanks();
    readWineKeyPath(cursor, text, folded);
    cursor.skipBlanks();
    while (cursor.peek() >= '0' && cursor.peek() <= '9')
        cursor.advance(1);
    cursor.expectLineEnd();
    cursor.nextLine();
}

// Counted with memchr, many times faster than a loop the compiler does not vectorize.
size_t newlinesIn(std::string_view text)
{
    size_t count = 0;
    for (size_t at = text.find('\n'); at != std::string_view::npos; at = text.find('\n', at + 1))
        ++count;
    return count;
}

// The start of the next line from `from` on (itself a line's start) that
// is a key line naming a tree, or the text's end. Found by its '[', without
// walking the lines between.
size_t nextTreeKeyLine(std::string_view text, size_t from, const std::vector<std::string>& escapedTrees)
{
    for (size_t at = text.find('[', from); at != std::string_view::npos; at = text.find('[', at + 1)) {
        const size_t lineStart = keyLineStartAt(text, from, at);
        if (lineStart != std::string_view::npos && namesTree(text, lineStart, escapedTrees))
            return lineStart;
    }
    return text.size();
}

} // namespace

WineRegFile::WineRegFile() : text_(std::string(NewFileHeader)), headerLength_(text_.size()) {}

WineRegFile WineRegFile::parse(std::string text, const std::string& fileName)
{
    return parse(FileText(std::move(text)), fileName);
}

WineRegFile WineRegFile::parse(FileText text, const std::string& fileName, std::span<const std::string_view> trees)
{
    WineRegFile file;
    file.text_ = std::move(text);
    file.fileName_ = fileName;
    const std::string_view all = file.text_.view();
    if (all.empty())
        throw unreadable(fileName, 1, "the file is empty");
    if (all.size() > MaxSize)
        throw unreadable(fileName, 1, "the file is larger than 4 GB, far larger than any registry Wine writes");
    const size_t firstEnd = all.find('\n');
    std::string_view first = all.substr(0, firstEnd);
    if (first.ends_with('\r')) {
        first.remove_suffix(1);
        file.newLine_ = "\r\n";
    }
    if (first != Signature)
        throw unreadable(fileName, 1,
                         "this is not a Wine registry file (it does not begin with \"WINE REGISTRY Version 2\")");
    if (const size_t at = all.find('\0'); at != std::string_view::npos)
        throw unreadable(
            fileName, 1 + static_cast<size_t>(std::count(all.begin(), all.begin() + static_cast<ptrdiff_t>(at), '\n')),
            "the file holds binary data");
    // Wine ends the file after a complete line: anything else was cut short.
    std::string_view lastLine = all.substr(0, all.size() - (all.back() == '\n' ? 1 : 0));
    if (lastLine.ends_with('\r'))
        lastLine.remove_suffix(1);
    if (all.back() != '\n' || lastLine.ends_with('\\')) {
        const size_t line = static_cast<size_t>(std::count(all.begin(), all.end(), '\n')) + (all.back() != '\n');
        throw unreadable(fileName, line, "the file ends in the middle of a line, so it may have been cut short");
    }

    try {
        WineRegCursor cursor(all, 0, 1);
        cursor.nextLine();
        // The header: comments and blank lines up to the first key.
        while (cursor.pos() < all.size() && !startsKeyLine(all, cursor.pos())) {
            cursor.skipBlanks();
            const char c = cursor.peek();
            if (c == '"' || c == '@')
                cursor.fail("a value before the first key");
            if (c != '#' && c != ';' && !cursor.atLineEnd())
                cursor.fail("a line Orvane does not understand");
            cursor.nextLine();
        }
        file.headerLength_ = cursor.pos();
        file.keys_.reserve(all.size() / 512);
        const std::vector<std::string> escapedTrees = escapedTreePaths(trees);
        for (const std::string_view tree : trees)
            file.trees_.push_back(foldCase(normalizeKeyPath(tree)));
        std::string folded;
        while (cursor.pos() < all.size()) {
            const auto keyStart = static_cast<uint32_t>(cursor.pos());
            const auto keyLine = static_cast<uint32_t>(cursor.line());
            if (!trees.empty() && !namesTree(all, keyStart, escapedTrees)) {
                // Other programs' blocks in a row: one run, its last line apart
                // so that a new key can see whether a blank line ends it.
                cursor.nextLine();
                const size_t end = nextTreeKeyLine(all, cursor.pos(), escapedTrees);
                const size_t lastLine = std::max<size_t>(all.rfind('\n', end - 2) + 1, keyStart);
                cursor =
                    WineRegCursor(all, end, cursor.line() + newlinesIn(all.substr(cursor.pos(), end - cursor.pos())));
                Key run{.line = keyLine, .path = Path::NotRead};
                if (lastLine > keyStart)
                    run.items.push_back(Item{.begin = keyStart, .length = static_cast<uint32_t>(lastLine - keyStart)});
                run.items.push_back(Item{.begin = static_cast<uint32_t>(lastLine),
                                         .length = static_cast<uint32_t>(cursor.pos() - lastLine)});
                file.keys_.push_back(std::move(run));
                file.carriedNamed_ = false;
                continue;
            }
            readKeyLine(cursor, all, folded);
            Key key{.items = {Item{.begin = keyStart, .length = static_cast<uint32_t>(cursor.pos() - keyStart)}},
                    .hash = hashPath(folded),
                    .line = keyLine};
            const size_t blockStart = cursor.pos();
            const size_t blockLine = cursor.line();
            while (cursor.pos() < all.size() && !startsKeyLine(all, cursor.pos()))
                cursor.nextLine();
            file.readBlock(blockStart, cursor.pos(), blockLine, key.items);
            file.keys_.push_back(std::move(key));
        }
    } catch (const WineRegParseFailure& failure) {
        throw unreadable(fileName, failure.line, failure.what);
    }
    file.rebuildIndex();
    return file;
}

void WineRegFile::readBlock(size_t begin, size_t end, size_t line, std::vector<Item>& items) const
{
    const std::string_view all = text_.view();
    WineRegCursor cursor(all, begin, line);
    std::u16string nameUnits;
    std::string folded;
    while (cursor.pos() < end) {
        const auto lineStart = static_cast<uint32_t>(cursor.pos());
        cursor.skipBlanks();
        const char c = cursor.peek();
        if (c == '"' || c == '@') {
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
                item.nameBegin = static_cast<uint32_t>(names_.size());
                item.nameStored = 1;
                names_.push_back(utf16ToUtf8(nameUnits));
            }
            cursor.nextLine();
            item.length = static_cast<uint32_t>(cursor.pos() - lineStart);
            items.push_back(item);
            continue;
        }
        if (c == '[') {
            readKeyLine(cursor, all, folded); // says what is wrong with it
            cursor.fail("a key line inside a key");
        }
        if (c != '#' && c != ';' && !cursor.atLineEnd())
            cursor.fail("a line Orvane does not understand");
        cursor.nextLine();
        items.push_back(Item{.begin = lineStart, .length = static_cast<uint32_t>(cursor.pos() - lineStart)});
    }
}

bool WineRegFile::inTrees(std::string_view folded) const
{
    return trees_.empty() || std::any_of(trees_.begin(), trees_.end(),
                                         [folded](const std::string& root) { return isInTree(folded, root); });
}

// Splits each run of carried blocks into its blocks, each under its path,
// its lines still unread.
void WineRegFile::nameCarriedBlocks() const
{
    if (std::exchange(carriedNamed_, true))
        return;
    const std::string_view all = text_.view();
    std::vector<Key> named;
    named.reserve(keys_.size());
    std::string folded;
    for (Key& run : keys_) {
        if (run.path != Path::NotRead) {
            named.push_back(std::move(run));
            continue;
        }
        // The run's text lies in one piece; lines added after it since stay at its end.
        size_t textItems = 0;
        while (textItems < run.items.size() && !run.items[textItems].edited)
            ++textItems;
        const size_t end = run.items[textItems - 1].begin + run.items[textItems - 1].length;
        WineRegCursor cursor(all, run.items.front().begin, run.line);
        while (cursor.pos() < end) {
            const auto keyStart = static_cast<uint32_t>(cursor.pos());
            Key key{.line = static_cast<uint32_t>(cursor.line())};
            try {
                readKeyLine(cursor, all, folded);
                key.hash = hashPath(folded);
            } catch (const WineRegParseFailure&) {
                // A line that only looks like a key line stays carried, under no name.
                cursor = WineRegCursor(all, keyStart, key.line);
                cursor.nextLine();
                key.path = Path::Unreadable;
            }
            key.items.push_back(Item{.begin = keyStart, .length = static_cast<uint32_t>(cursor.pos() - keyStart)});
            const size_t bodyStart = cursor.pos();
            while (cursor.pos() < end && !startsKeyLine(all, cursor.pos()))
                cursor.nextLine();
            if (cursor.pos() > bodyStart) {
                key.items.push_back(Item{.begin = static_cast<uint32_t>(bodyStart),
                                         .length = static_cast<uint32_t>(cursor.pos() - bodyStart)});
                key.carried = key.path == Path::Known;
            }
            named.push_back(std::move(key));
        }
        named.back().items.insert(named.back().items.end(), run.items.begin() + static_cast<ptrdiff_t>(textItems),
                                  run.items.end());
    }
    keys_ = std::move(named);
    rebuildIndex();
}

WineRegFile::Key& WineRegFile::parsed(Key& key) const
{
    if (!key.carried)
        return key;
    const Item rest = key.items[1];
    std::vector<Item> items{key.items.front()};
    try {
        readBlock(rest.begin, rest.begin + rest.length, key.line + 1, items);
    } catch (const WineRegParseFailure& failure) {
        throw unreadable(fileName_, failure.line, failure.what);
    }
    items.insert(items.end(), key.items.begin() + 2, key.items.end()); // lines added after it since
    key.items = std::move(items);
    key.carried = false;
    return key;
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
    // What deleted values left is dropped, and the blocks' indexes with it.
    for (Key& key : keys_)
        if (std::erase_if(key.items, [](const Item& item) { return item.length == 0; }) > 0)
            key.names.items.reset();
    edits_.clear();
    text_ = std::move(saved);
}

} // namespace orvane
