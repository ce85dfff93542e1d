#include "settings/WineRegFile.h"

#include <algorithm>

#include "settings/Errors.h"
#include "settings/RegistryAccess.h"
#include "settings/TextEncoding.h"

#include <array>
#include <chrono>
#include <utility>
#include <cstdio>

namespace orvane {
namespace {

constexpr std::string_view Signature = "WINE REGISTRY Version 2";
constexpr std::string_view NewFileHeader =
    "WINE REGISTRY Version 2\n"
    ";; All keys relative to REGISTRY\\\\User\\\\S-1-5-21-0-0-0-1000\n"
    "\n"
    "#arch=win64\n"
    "\n";

constexpr std::array<int8_t, 256> HexDigits = [] {
    std::array<int8_t, 256> table{};
    table.fill(-1);
    for (int c = '0'; c <= '9'; ++c) table[c] = static_cast<int8_t>(c - '0');
    for (int c = 'a'; c <= 'f'; ++c) table[c] = static_cast<int8_t>(c - 'a' + 10);
    for (int c = 'A'; c <= 'F'; ++c) table[c] = static_cast<int8_t>(c - 'A' + 10);
    return table;
}();

int hexDigit(char c)
{
    return HexDigits[static_cast<unsigned char>(c)];
}

// The length of a value name without escapes or non-ASCII characters,
// which needs no decoding.
size_t plainNameLength(std::string_view text, size_t start)
{
    size_t end = start;
    while (end < text.size()) {
        const auto c = static_cast<unsigned char>(text[end]);
        if (c == '"' || c == '\\' || c == '\n' || c >= 0x80)
            break;
        ++end;
    }
    return end - start;
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

struct ParseFailure {
    size_t line;
    std::string what;
};

// Reads one line-oriented construct of the file. Positions are offsets into
// the whole text; `line` counts from 1 and follows continuation lines.
class Cursor {
public:
    Cursor(std::string_view text, size_t pos, size_t line) : text_(text), pos_(pos), line_(line) {}

    size_t pos() const { return pos_; }
    size_t line() const { return line_; }
    bool atLineEnd() const { return pos_ >= text_.size() || text_[pos_] == '\n' || text_[pos_] == '\r'; }
    char peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }
    bool consume(std::string_view word)
    {
        if (text_.substr(pos_, word.size()) != word)
            return false;
        pos_ += word.size();
        return true;
    }
    void expect(char c, const char* what)
    {
        if (peek() != c)
            fail(what);
        ++pos_;
    }
    void skipBlanks()
    {
        while (pos_ < text_.size() && isBlank(text_[pos_]))
            ++pos_;
    }
    // Moves past the line end; true when there was one.
    bool nextLine()
    {
        while (pos_ < text_.size() && text_[pos_] != '\n')
            ++pos_;
        if (pos_ >= text_.size())
            return false;
        ++pos_;
        ++line_;
        return true;
    }
    void expectLineEnd()
    {
        skipBlanks();
        if (!atLineEnd())
            fail("unexpected text after the value");
    }
    [[noreturn]] void fail(std::string what) const { throw ParseFailure{line_, std::move(what)}; }

    // A quoted or bracketed text with Wine's escapes, up to `end` (not consumed).
    // Appends UTF-16 code units to out when out is not null.
    void escapedText(char end, std::u16string* out)
    {
        while (true) {
            if (atLineEnd())
                fail("the text is not closed (is the file truncated?)");
            const char c = text_[pos_];
            if (c == end)
                return;
            ++pos_;
            if (c != '\\') {
                if (out) out->push_back(static_cast<unsigned char>(c));
                continue;
            }
            if (atLineEnd())
                fail("the text is not closed (is the file truncated?)");
            const char e = text_[pos_++];
            char16_t unit = 0;
            switch (e) {
            case 'a': unit = 7; break;
            case 'b': unit = 8; break;
            case 'e': unit = 27; break;
            case 'f': unit = 12; break;
            case 'n': unit = 10; break;
            case 'r': unit = 13; break;
            case 't': unit = 9; break;
            case 'v': unit = 11; break;
            case 'x': {
                int digits = 0;
                while (digits < 4 && pos_ < text_.size() && hexDigit(text_[pos_]) >= 0) {
                    unit = static_cast<char16_t>(unit * 16 + hexDigit(text_[pos_++]));
                    ++digits;
                }
                if (digits == 0)
                    fail("\\x without hex digits");
                break;
            }
            default:
                if (e >= '0' && e <= '7') {
                    unit = static_cast<char16_t>(e - '0');
                    for (int k = 0; k < 2 && pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '7'; ++k)
                        unit = static_cast<char16_t>(unit * 8 + (text_[pos_++] - '0'));
                } else {
                    unit = static_cast<unsigned char>(e);
                }
            }
            if (out) out->push_back(unit);
        }
    }

    uint32_t hexNumber(int maxDigits, const char* what)
    {
        uint32_t n = 0;
        int digits = 0;
        while (digits < maxDigits && hexDigit(peek()) >= 0) {
            n = n * 16 + static_cast<uint32_t>(hexDigit(text_[pos_++]));
            ++digits;
        }
        if (digits == 0)
            fail(what);
        return n;
    }

    // Comma-separated hex bytes; a trailing backslash continues on the next line.
    void hexBytes(std::vector<uint8_t>* out)
    {
        while (true) {
            // Wine's own layout first: "xx," without blanks.
            while (pos_ + 2 < text_.size() && text_[pos_ + 2] == ',') {
                const int high = hexDigit(text_[pos_]);
                const int low = hexDigit(text_[pos_ + 1]);
                if ((high | low) < 0)
                    break;
                if (out) out->push_back(static_cast<uint8_t>(high * 16 + low));
                pos_ += 3;
            }
            skipBlanks();
            if (atLineEnd())
                return;
            if (peek() == '\\') {
                ++pos_;
                skipBlanks();
                if (!atLineEnd())
                    fail("unexpected text after a line continuation");
                const size_t continued = line_;
                if (!nextLine() || pos_ >= text_.size()) {
                    line_ = continued;
                    fail("the value continues past the end of the file (is the file truncated?)");
                }
                continue;
            }
            const int high = hexDigit(peek());
            const int low = pos_ + 1 < text_.size() ? hexDigit(text_[pos_ + 1]) : -1;
            if (high < 0 || low < 0)
                fail("bad hex data");
            pos_ += 2;
            if (out) out->push_back(static_cast<uint8_t>(high * 16 + low));
            skipBlanks();
            if (peek() == ',')
                ++pos_;
            else if (!atLineEnd() && peek() != '\\')
                fail("bad hex data");
        }
    }

private:
    std::string_view text_;
    size_t pos_;
    size_t line_;
};

// Parses the value at the cursor ("name"=data or @=data) up to its line
// end. Fills name and value when they are not null.
void parseValue(Cursor& cursor, std::u16string* name, RegValue* value)
{
    if (cursor.consume("@")) {
        if (name) name->clear();
    } else {
        cursor.expect('"', "expected a value name");
        cursor.escapedText('"', name);
        cursor.expect('"', "expected a value name");
    }
    cursor.expect('=', "expected '=' after the value name");

    uint32_t type = REG_SZ_TYPE;
    bool isString = false;
    if (cursor.peek() == '"') {
        isString = true;
    } else if (cursor.consume("str:")) {
        isString = true;
    } else if (cursor.consume("str(")) {
        type = cursor.hexNumber(8, "bad type in str(...)");
        if (!cursor.consume("):"))
            cursor.fail("bad type in str(...)");
        isString = true;
    } else if (cursor.consume("dword:")) {
        const uint32_t n = cursor.hexNumber(8, "bad dword data");
        if (value)
            *value = RegValue{REG_DWORD_TYPE, {uint8_t(n), uint8_t(n >> 8), uint8_t(n >> 16), uint8_t(n >> 24)}};
        cursor.expectLineEnd();
        return;
    } else if (cursor.consume("hex:")) {
        type = REG_BINARY_TYPE;
    } else if (cursor.consume("hex(")) {
        type = cursor.hexNumber(8, "bad type in hex(...)");
        if (!cursor.consume("):"))
            cursor.fail("bad type in hex(...)");
    } else {
        cursor.fail("unknown kind of value data");
    }

    if (isString) {
        cursor.expect('"', "expected '\"' to open the text");
        std::u16string text;
        cursor.escapedText('"', value ? &text : nullptr);
        cursor.expect('"', "the text is not closed (is the file truncated?)");
        cursor.expectLineEnd();
        if (value) {
            text.push_back(0);
            *value = RegValue{type, utf16leBytes(text)};
        }
        return;
    }
    if (value) {
        value->type = type;
        value->data.clear();
    }
    cursor.hexBytes(value ? &value->data : nullptr);
}

std::string escapeForWine(std::u16string_view units, std::string_view delimiters)
{
    static constexpr char cEscapes[33] = ".......abtnvfr.............e....";
    std::string out;
    out.reserve(units.size() + 8);
    char buffer[16];
    for (size_t i = 0; i < units.size(); ++i) {
        const char16_t c = units[i];
        const bool hexFollows = i + 1 < units.size() && units[i + 1] < 128 && hexDigit(char(units[i + 1])) >= 0;
        if (c > 127) {
            std::snprintf(buffer, sizeof buffer, hexFollows ? "\\x%04x" : "\\x%x", unsigned(c));
            out += buffer;
        } else if (c < 32) {
            const bool octalFollows = i + 1 < units.size() && units[i + 1] >= u'0' && units[i + 1] <= u'7';
            if (cEscapes[c] != '.')
                std::snprintf(buffer, sizeof buffer, "\\%c", cEscapes[c]);
            else
                std::snprintf(buffer, sizeof buffer, octalFollows ? "\\%03o" : "\\%o", unsigned(c));
            out += buffer;
        } else {
            if (c == u'\\' || delimiters.find(char(c)) != std::string_view::npos)
                out += '\\';
            out += static_cast<char>(c);
        }
    }
    return out;
}

std::string formatKeyPath(std::string_view path)
{
    std::string out;
    size_t start = 0;
    while (true) {
        const size_t end = path.find('\\', start);
        out += escapeForWine(utf8ToUtf16(path.substr(start, end - start)), "[]");
        if (end == std::string_view::npos)
            return out;
        out += "\\\\";
        start = end + 1;
    }
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
    return "[" + formatKeyPath(path) + line;
}

bool isAscii(std::string_view text)
{
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

bool equalsNoCase(std::string_view a, std::string_view b)
{
    if (isAscii(a) && isAscii(b)) {
        if (a.size() != b.size())
            return false;
        for (size_t i = 0; i < a.size(); ++i)
            if (asciiLower(a[i]) != asciiLower(b[i]))
                return false;
        return true;
    }
    return foldCase(a) == foldCase(b);
}

std::string parentOf(std::string_view path)
{
    const size_t at = path.rfind('\\');
    return at == std::string_view::npos ? std::string() : std::string(path.substr(0, at));
}

} // namespace

std::string formatWineValue(std::string_view name, const RegValue& value)
{
    std::string out;
    if (name.empty()) {
        out = "@=";
    } else {
        out = "\"" + escapeForWine(utf8ToUtf16(name), "\"") + "\"=";
    }
    const auto& data = value.data;
    const bool isText = value.type == REG_SZ_TYPE || value.type == REG_EXPAND_SZ_TYPE || value.type == REG_MULTI_SZ_TYPE;
    if (isText && data.size() >= 2 && data.size() % 2 == 0 && data[data.size() - 1] == 0 && data[data.size() - 2] == 0) {
        std::u16string units = utf16leUnits(data);
        units.pop_back(); // the terminating NUL
        if (value.type != REG_SZ_TYPE) {
            char prefix[24];
            std::snprintf(prefix, sizeof prefix, "str(%x):", unsigned(value.type));
            out += prefix;
        }
        out += "\"" + escapeForWine(units, "\"") + "\"\n";
        return out;
    }
    if (value.type == REG_DWORD_TYPE && data.size() == 4) {
        char text[24];
        std::snprintf(text, sizeof text, "dword:%08x\n", unsigned(data[0] | (data[1] << 8) | (data[2] << 16) | (uint32_t(data[3]) << 24)));
        return out + text;
    }
    if (value.type == REG_BINARY_TYPE) {
        out += "hex:";
    } else {
        char prefix[24];
        std::snprintf(prefix, sizeof prefix, "hex(%x):", unsigned(value.type));
        out += prefix;
    }
    size_t count = out.size();
    static constexpr char digits[] = "0123456789abcdef";
    for (size_t i = 0; i < data.size(); ++i) {
        out += digits[data[i] >> 4];
        out += digits[data[i] & 15];
        count += 2;
        if (i + 1 < data.size()) {
            out += ',';
            if (++count > 76) {
                out += "\\\n  ";
                count = 2;
            }
        }
    }
    out += '\n';
    return out;
}

WineRegFile::WineRegFile() : text_(NewFileHeader), headerLength_(text_.size()) {}

WineRegFile WineRegFile::parse(std::string text, const std::string& fileName)
{
    WineRegFile file;
    file.text_ = std::move(text);
    file.keys_.clear();
    const std::string_view all = file.text_;
    auto failAt = [&](size_t line, const std::string& what) -> ERegistryStoreError {
        return ERegistryStoreError("Cannot read the Wine registry file " + fileName + ", line " + std::to_string(line) + ": " +
                                   what + ". Orvane has not changed the file. Repair it or restore a copy, then start Orvane again.");
    };
    if (all.empty())
        throw failAt(1, "the file is empty");
    {
        size_t end = all.find('\n');
        std::string_view first = all.substr(0, end);
        if (!first.empty() && first.back() == '\r')
            first.remove_suffix(1);
        if (first != Signature)
            throw failAt(1, "this is not a Wine registry file (it does not begin with \"WINE REGISTRY Version 2\")");
    }
    if (all.find('\0') != std::string_view::npos) {
        const size_t at = all.find('\0');
        size_t line = 1;
        for (size_t i = 0; i < at; ++i)
            line += all[i] == '\n';
        throw failAt(line, "the file holds binary data");
    }
    // Wine ends the file after a complete line: anything else was cut short.
    std::string_view lastLine = all.substr(0, all.size() - (all.back() == '\n' ? 1 : 0));
    if (!lastLine.empty() && lastLine.back() == '\r')
        lastLine.remove_suffix(1);
    if (all.back() != '\n' || (!lastLine.empty() && lastLine.back() == '\\')) {
        const size_t line = static_cast<size_t>(std::count(all.begin(), all.end(), '\n')) + (all.back() != '\n');
        throw failAt(line, "the file ends in the middle of a line, so it may have been cut short");
    }

    try {
        Cursor cursor(all, 0, 1);
        cursor.nextLine();
        file.headerLength_ = cursor.pos();
        Key* key = nullptr;
        std::u16string nameUnits;
        while (cursor.pos() < all.size()) {
            const size_t lineStart = cursor.pos();
            cursor.skipBlanks();
            const char c = cursor.peek();
            if (c == '[') {
                cursor.expect('[', "");
                std::u16string path;
                cursor.escapedText(']', &path);
                cursor.expect(']', "the key name is not closed");
                cursor.skipBlanks();
                while (cursor.peek() >= '0' && cursor.peek() <= '9')
                    cursor.expect(cursor.peek(), "");
                cursor.expectLineEnd();
                cursor.nextLine();
                Key fresh;
                fresh.path = normalizeKeyPath(utf16ToUtf8(path));
                fresh.folded = foldCase(fresh.path);
                fresh.items.push_back(Item{false, lineStart, cursor.pos() - lineStart, false, {}, {}});
                file.keys_.push_back(std::move(fresh));
                key = &file.keys_.back();
                continue;
            }
            if (c == '"' || c == '@') {
                if (!key)
                    cursor.fail("a value before the first key");
                const size_t nameStart = cursor.pos() + 1;
                const std::string_view plainName = all.substr(nameStart, plainNameLength(all, nameStart));
                const bool plain = c == '"' && nameStart + plainName.size() < all.size() && all[nameStart + plainName.size()] == '"';
                nameUnits.clear();
                parseValue(cursor, plain ? nullptr : &nameUnits, nullptr);
                cursor.nextLine();
                Item item{true, lineStart, cursor.pos() - lineStart, false, {},
                          plain ? std::string(plainName) : utf16ToUtf8(nameUnits)};
                key->items.push_back(std::move(item));
                continue;
            }
            if (c != '#' && c != ';' && !cursor.atLineEnd())
                cursor.fail("a line Orvane does not understand");
            cursor.nextLine();
            if (key)
                key->items.push_back(Item{false, lineStart, cursor.pos() - lineStart, false, {}, {}});
            else
                file.headerLength_ = cursor.pos();
        }
        if (!key)
            file.headerLength_ = all.size();
    } catch (const ParseFailure& failure) {
        throw failAt(failure.line, failure.what);
    }
    file.rebuildIndex();
    return file;
}

std::string_view WineRegFile::itemText(const Item& item) const
{
    return item.owned ? std::string_view(item.ownedText) : std::string_view(text_).substr(item.begin, item.length);
}

std::string WineRegFile::serialize() const
{
    std::string out;
    out.reserve(text_.size() + 4096);
    out.append(text_, 0, headerLength_);
    for (const Key& key : keys_) {
        for (const Item& item : key.items) {
            if (!out.empty() && out.back() != '\n')
                out += '\n';
            out += itemText(item);
        }
    }
    return out;
}

void WineRegFile::indexKey(size_t position)
{
    const std::string& folded = keys_[position].folded;
    index_.emplace(folded, position);
    for (size_t at = folded.find('\\'); at != std::string::npos; at = folded.find('\\', at + 1))
        implicit_.insert(folded.substr(0, at));
}

void WineRegFile::rebuildIndex()
{
    index_.clear();
    implicit_.clear();
    index_.reserve(keys_.size());
    for (size_t i = 0; i < keys_.size(); ++i)
        indexKey(i);
}

const WineRegFile::Key* WineRegFile::findKey(std::string_view path) const
{
    const auto it = index_.find(foldCase(path));
    return it == index_.end() ? nullptr : &keys_[it->second];
}

WineRegFile::Key* WineRegFile::findKey(std::string_view path)
{
    return const_cast<Key*>(std::as_const(*this).findKey(path));
}

bool WineRegFile::keyExists(std::string_view path) const
{
    if (path.empty())
        return true;
    const std::string folded = foldCase(path);
    return index_.count(folded) || implicit_.count(folded);
}

WineRegFile::Key& WineRegFile::appendKey(std::string_view path)
{
    Key key;
    key.path = std::string(path);
    key.folded = foldCase(path);
    Item header;
    header.owned = true;
    header.ownedText = newKeyHeader(path);
    key.items.push_back(std::move(header));
    Item blank;
    blank.owned = true;
    blank.ownedText = "\n";
    key.items.push_back(std::move(blank));
    // Keep a blank line between the last block and the new one.
    if (!keys_.empty() && !keys_.back().items.empty()) {
        const std::string_view last = itemText(keys_.back().items.back());
        if (last != "\n" && last != "\r\n") {
            Item separator;
            separator.owned = true;
            separator.ownedText = "\n";
            keys_.back().items.push_back(std::move(separator));
        }
    }
    keys_.push_back(std::move(key));
    indexKey(keys_.size() - 1);
    return keys_.back();
}

void WineRegFile::createKey(std::string_view path)
{
    if (!path.empty() && !findKey(path))
        appendKey(path);
}

const WineRegFile::Item* WineRegFile::findItem(const Key& key, std::string_view name)
{
    for (const Item& item : key.items)
        if (item.isValue && equalsNoCase(item.name, name))
            return &item;
    return nullptr;
}

std::optional<RegValue> WineRegFile::queryValue(std::string_view path, std::string_view name) const
{
    const Key* key = findKey(path);
    const Item* item = key ? findItem(*key, name) : nullptr;
    if (!item)
        return std::nullopt;
    const std::string_view raw = itemText(*item);
    Cursor cursor(raw, 0, 1);
    cursor.skipBlanks();
    RegValue value;
    parseValue(cursor, nullptr, &value);
    return value;
}

bool WineRegFile::hasValue(std::string_view path, std::string_view name) const
{
    const Key* key = findKey(path);
    return key && findItem(*key, name);
}

void WineRegFile::setValue(std::string_view path, std::string_view name, const RegValue& value)
{
    Key* key = findKey(path);
    if (!key)
        key = &appendKey(path);
    if (auto* item = const_cast<Item*>(findItem(*key, name))) {
        item->owned = true;
        item->ownedText = formatWineValue(item->name, value);
        return;
    }
    // New values go after the key's last value or option line, before its blank lines.
    size_t at = key->items.size();
    while (at > 1 && !key->items[at - 1].isValue) {
        const std::string_view text = itemText(key->items[at - 1]);
        if (text.find_first_not_of(" \t\r\n") != std::string_view::npos)
            break;
        --at;
    }
    Item item;
    item.isValue = true;
    item.owned = true;
    item.name = std::string(name);
    item.ownedText = formatWineValue(name, value);
    key->items.insert(key->items.begin() + static_cast<std::ptrdiff_t>(at), std::move(item));
}

bool WineRegFile::deleteValue(std::string_view path, std::string_view name)
{
    Key* key = findKey(path);
    if (!key)
        return false;
    for (auto it = key->items.begin(); it != key->items.end(); ++it) {
        if (it->isValue && equalsNoCase(it->name, name)) {
            key->items.erase(it);
            return true;
        }
    }
    return false;
}

bool WineRegFile::deleteTree(std::string_view path)
{
    if (path.empty() || !keyExists(path))
        return false;
    const std::string folded = foldCase(path);
    const std::string below = folded + '\\';
    std::erase_if(keys_, [&](const Key& key) { return key.folded == folded || key.folded.starts_with(below); });
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
    if (const Key* key = findKey(path))
        for (const Item& item : key->items)
            if (item.isValue)
                names.push_back(item.name);
    return names;
}

} // namespace orvane
