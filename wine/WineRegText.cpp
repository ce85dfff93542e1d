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
#include <optional>
#include <span>
#include <utility>

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

constexpr const char* CutShort = "the file ends in the middle of a line, so it may have been cut short";
constexpr const char* EndsInValue =
    "the file ends where a value's hex data goes on to a next line, so it may have been cut short";

RegistryStoreError unreadable(const std::string& fileName, size_t line, const std::string& what)
{
    return RegistryStoreError(MessageText{translatable("Cannot read the Wine registry file %s, line %s: %s. Orvane "
                                                       "has not changed the file. Repair it or restore a copy, then "
                                                       "start Orvane again."),
                                          {fileName, std::to_string(line), what}});
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
    const WineLine first = wineLineAt(all, 0);
    if (first.contentEnd < first.next - 1)
        file.newLine_ = "\r\n";
    if (all.substr(0, first.contentEnd) != Signature)
        throw unreadable(fileName, 1,
                         "this is not a Wine registry file (it does not begin with \"WINE REGISTRY Version 2\")");
    if (const size_t at = all.find('\0'); at != std::string_view::npos)
        throw unreadable(
            fileName, 1 + static_cast<size_t>(std::count(all.begin(), all.begin() + static_cast<ptrdiff_t>(at), '\n')),
            "the file holds binary data");
    // Wine ends the file after a complete line: anything else was cut short.
    if (all.back() != '\n')
        throw unreadable(fileName, static_cast<size_t>(std::count(all.begin(), all.end(), '\n')) + 1, CutShort);
    file.trees_ = foldedTreePaths(trees);
    try {
        file.readLines(first.next);
    } catch (const WineRegParseFailure& failure) {
        throw unreadable(fileName, failure.line, failure.what);
    }
    file.rebuildIndex();
    return file;
}

void WineRegFile::readLines(size_t at)
{
    const std::string_view all = text_.view();
    WineRegScanner scanner(2, trees_);
    headerLength_ = all.size();
    keys_.reserve(all.size() / 512);
    // Other programs' blocks in a row: one run, its last line apart so that
    // a new key can see whether a blank line ends it.
    std::optional<Key> run;
    size_t runLastLine = 0;
    const auto endRun = [&](size_t end) {
        const auto begin = run->items.front().begin;
        run->items.clear();
        if (runLastLine > begin)
            run->items.push_back(Item{.begin = begin, .length = static_cast<uint32_t>(runLastLine - begin)});
        run->items.push_back(
            Item{.begin = static_cast<uint32_t>(runLastLine), .length = static_cast<uint32_t>(end - runLastLine)});
        keys_.push_back(std::move(*run));
        run.reset();
        carriedNamed_ = false;
    };
    while (at < all.size()) {
        const WineLine line = wineLineAt(all, at);
        // Only a run's key lines matter, and most of a large file is in runs.
        const std::string_view content = all.substr(at, line.contentEnd - at);
        const WineLineKind kind = run ? scanner.skim(content) : scanner.take(content);
        if (kind == WineLineKind::Key) {
            headerLength_ = std::min(headerLength_, at);
            const WineKeyPath& path = scanner.key();
            const bool known = path.status != WineKeyPath::Unclosed;
            if (trees_.empty() || (known && inTrees(path.folded))) {
                if (run)
                    endRun(at);
                keys_.push_back(keyOpenedBy(path, at, line.next, scanner.line()));
            } else if (!run) {
                run = Key{.items = {Item{.begin = static_cast<uint32_t>(at)}},
                          .line = static_cast<uint32_t>(scanner.line()),
                          .path = Path::NotRead};
            }
        } else if (!run && headerLength_ < at) {
            addLine(keys_.back().items, kind, scanner.inKey(), at, line.next);
        }
        runLastLine = at;
        at = line.next;
    }
    if (run)
        endRun(all.size());
    if (scanner.continuing())
        throw WineRegParseFailure{scanner.line(), EndsInValue};
}

void WineRegFile::addLine(std::vector<Item>& items, WineLineKind kind, bool inKey, size_t begin, size_t next) const
{
    if (kind == WineLineKind::Continued) {
        items.back().length += static_cast<uint32_t>(next - begin);
        return;
    }
    const std::string_view all = text_.view();
    const std::string_view line = all.substr(begin, wineLineAt(all, begin).contentEnd - begin);
    const size_t at = skipWineBlanks(line, 0);
    if (kind == WineLineKind::Value && inKey) {
        // The default value's empty name is a view of the line's start.
        Item item{.begin = static_cast<uint32_t>(begin),
                  .length = static_cast<uint32_t>(next - begin),
                  .nameBegin = static_cast<uint32_t>(begin),
                  .isValue = 1};
        const size_t nameStart = at + 1;
        const size_t plainLength = plainNameLength(line, nameStart);
        const bool plain =
            line[at] == '"' && nameStart + plainLength < line.size() && line[nameStart + plainLength] == '"';
        std::u16string name;
        if (readWineValueName(line, at, plain ? nullptr : &name) != std::string_view::npos) {
            if (plain) {
                item.nameBegin = static_cast<uint32_t>(begin + nameStart);
                item.nameLength = static_cast<uint32_t>(plainLength);
            } else if (line[at] == '"') {
                item.nameBegin = static_cast<uint32_t>(names_.size());
                item.nameStored = 1;
                names_.push_back(utf16ToUtf8(name));
            }
            items.push_back(item);
            return;
        }
    }
    items.push_back(Item{.begin = static_cast<uint32_t>(begin), .length = static_cast<uint32_t>(next - begin)});
}

void WineRegFile::readBlock(const Key& key, size_t begin, size_t end, std::vector<Item>& items) const
{
    const std::string_view all = text_.view();
    WineRegScanner scanner(key.line, trees_);
    const std::string_view header = itemText(key.items.front());
    scanner.take(header.substr(0, wineLineAt(header, 0).contentEnd));
    for (size_t at = begin; at < end;) {
        const WineLine line = wineLineAt(all, at);
        addLine(items, scanner.take(all.substr(at, line.contentEnd - at)), scanner.inKey(), at, line.next);
        at = line.next;
    }
}

WineRegFile::Key WineRegFile::keyOpenedBy(const WineKeyPath& path, size_t at, size_t next, size_t lineNumber)
{
    return Key{.items = {Item{.begin = static_cast<uint32_t>(at), .length = static_cast<uint32_t>(next - at)}},
               .hash = hashPath(path.folded),
               .line = static_cast<uint32_t>(lineNumber),
               .dropsValues = path.status == WineKeyPath::NameTooLong,
               .path = path.status != WineKeyPath::Unclosed ? Path::Known : Path::Unreadable};
}

bool WineRegFile::inTrees(std::string_view folded) const
{
    return trees_.empty() || inAnyTree(folded, trees_);
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
        WineRegScanner scanner(run.line, trees_);
        for (size_t at = run.items.front().begin; at < end;) {
            const WineLine line = wineLineAt(all, at);
            if (scanner.skim(all.substr(at, line.contentEnd - at)) == WineLineKind::Key) {
                named.push_back(keyOpenedBy(scanner.key(), at, line.next, scanner.line()));
            } else if (named.back().items.size() == 1) {
                // The rest of the block, unread until its values are asked for.
                named.back().items.push_back(
                    Item{.begin = static_cast<uint32_t>(at), .length = static_cast<uint32_t>(line.next - at)});
                named.back().carried = named.back().path == Path::Known && !named.back().dropsValues;
            } else {
                named.back().items.back().length += static_cast<uint32_t>(line.next - at);
            }
            at = line.next;
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
        readBlock(key, rest.begin, rest.begin + rest.length, items);
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
