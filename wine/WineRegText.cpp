// The whole text of a registry file: reading it into items, and writing
// them back.
#include "wine/WineRegFile.h"

#include "settings/Errors.h"
#include "settings/TextEncoding.h"
#include "wine/WineRegLexer.h"
#include "wine/WineValueCodec.h"

#include <algorithm>
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
        return RegistryStoreError("Cannot read the Wine registry file " + fileName + ", line " + std::to_string(line) +
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
                readWineKeyPath(cursor, all, folded);
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

} // namespace orvane
