#include "registry/RegeditFile.h"

#include "files/TextEncoding.h"
#include "registry/KeyPaths.h"
#include "registry/RegistryErrors.h"

#include <algorithm>
#include <cstdio>

namespace orvane {
namespace {

constexpr std::string_view Header = "Windows Registry Editor Version 5.00";
constexpr std::string_view OldHeader = "REGEDIT4";
constexpr std::string_view Root = "HKEY_CURRENT_USER";
constexpr std::string_view ShortRoot = "HKCU";
// The comment before a value line that tells what Orvane's change stored.
constexpr std::string_view ChangedToMark = "; changed to: ";
constexpr std::string_view NewLine = "\r\n";
constexpr std::string_view HexDigits = "0123456789abcdefABCDEF";
// regedit continues hex data on a new line before this column.
constexpr size_t LineWidth = 80;

std::string quoted(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        if (c == '\\' || c == '"')
            out += '\\';
        out += c;
    }
    return out + '"';
}

// Text that a quoted string gives back as it is: one NUL at the end, none
// before it, no line break, and UTF-16 that UTF-8 carries unchanged.
std::optional<std::string> plainText(const RegValue& value)
{
    if (value.type != REG_SZ_TYPE || value.data.size() < 2 || value.data.size() % 2 != 0)
        return std::nullopt;
    const std::u16string units = utf16leUnits(value.data);
    const std::u16string_view text = std::u16string_view(units).substr(0, units.size() - 1);
    if (units.back() != u'\0' || text.find_first_of(u"\0\r\n", 0, 3) != std::u16string_view::npos)
        return std::nullopt;
    std::string utf8 = utf16ToUtf8(text);
    if (utf8ToUtf16(utf8) != text)
        return std::nullopt;
    return utf8;
}

// "hex:" or "hex(N):" and the bytes; wrapped as regedit wraps them when
// the line so far is column characters wide.
std::string hexData(const RegValue& value, size_t column, bool wrap)
{
    char number[16];
    std::snprintf(number, sizeof number, "hex(%x):", static_cast<unsigned>(value.type));
    std::string out = value.type == REG_BINARY_TYPE ? std::string("hex:") : std::string(number);
    column += out.size();
    for (size_t i = 0; i < value.data.size(); ++i) {
        std::snprintf(number, sizeof number, "%02x", value.data[i]);
        out += number;
        column += 2;
        if (i + 1 == value.data.size())
            break;
        out += ',';
        ++column;
        if (wrap && column > LineWidth - 4) {
            out += '\\';
            out += NewLine;
            out += "  ";
            column = 2;
        }
    }
    return out;
}

std::string dataText(const ValueState& value, size_t column, bool wrap)
{
    if (!value)
        return "-";
    if (const auto text = plainText(*value))
        return quoted(*text);
    if (value->type == REG_DWORD_TYPE && value->data.size() == 4) {
        const uint32_t n = value->data[0] | value->data[1] << 8 | value->data[2] << 16 | uint32_t(value->data[3]) << 24;
        char number[16];
        std::snprintf(number, sizeof number, "dword:%08x", n);
        return number;
    }
    return hexData(*value, column, wrap);
}

std::string valueLine(const RegeditValue& value)
{
    std::string line = value.name.empty() ? std::string("@=") : quoted(value.name) + "=";
    return line + dataText(value.value, line.size(), true);
}

// Reading -------------------------------------------------------------------

class Reader {
public:
    Reader(std::string text, const std::string& fileName) : text_(std::move(text)), fileName_(fileName) {}
    std::vector<RegeditKey> keys();

private:
    [[noreturn]] void fail(std::string_view what) const
    {
        throw RegistryError("Cannot read " + fileName_ + ": line " + std::to_string(lineNumber_) + " " +
                            std::string(what) + ". It is not a registry file as regedit writes it");
    }
    bool nextLine(std::string_view& line);
    std::string keyPath(std::string_view inside) const;
    std::string unquoted(std::string_view& rest) const;
    ValueState data(std::string_view text, bool continued);
    std::vector<uint8_t> hexBytes(std::string_view text, bool continued);
    void expectEnd(std::string_view rest) const;

    std::string text_;
    std::string fileName_;
    size_t at_ = 0;
    size_t lineNumber_ = 0;
};

bool Reader::nextLine(std::string_view& line)
{
    if (at_ >= text_.size())
        return false;
    const size_t end = text_.find_first_of("\r\n", at_);
    const size_t stop = end == std::string::npos ? text_.size() : end;
    line = std::string_view(text_).substr(at_, stop - at_);
    at_ = stop;
    if (at_ < text_.size() && text_[at_] == '\r')
        ++at_;
    if (at_ < text_.size() && text_[at_] == '\n')
        ++at_;
    ++lineNumber_;
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t'))
        line.remove_prefix(1);
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t'))
        line.remove_suffix(1);
    return true;
}

std::string Reader::keyPath(std::string_view inside) const
{
    const size_t slash = inside.find('\\');
    const std::string root = foldCase(inside.substr(0, slash));
    if (root != foldCase(Root) && root != foldCase(ShortRoot))
        fail("names a key outside HKEY_CURRENT_USER");
    const std::string path = slash == std::string_view::npos ? std::string() : normalizeKeyPath(inside.substr(slash));
    if (path.empty())
        fail("names HKEY_CURRENT_USER itself");
    return path;
}

// The quoted text at the start of rest, which is left after its closing quote.
std::string Reader::unquoted(std::string_view& rest) const
{
    std::string out;
    for (size_t i = 1; i < rest.size(); ++i) {
        const char c = rest[i];
        if (c == '"') {
            rest.remove_prefix(i + 1);
            return out;
        }
        if (c == '\\' && i + 1 < rest.size()) {
            const char escaped = rest[++i];
            out += escaped == 'n' ? '\n' : escaped == 'r' ? '\r' : escaped;
        } else {
            out += c;
        }
    }
    fail("has a text without its closing quote");
}

void Reader::expectEnd(std::string_view rest) const
{
    while (!rest.empty() && (rest.front() == ' ' || rest.front() == '\t'))
        rest.remove_prefix(1);
    if (!rest.empty() && rest.front() != ';')
        fail("has more after the value than regedit reads");
}

std::vector<uint8_t> Reader::hexBytes(std::string_view text, bool continued)
{
    std::vector<uint8_t> bytes;
    for (;;) {
        while (!text.empty() && text.front() != '\\' && text.front() != ';') {
            const size_t digits = std::min(text.find_first_not_of(HexDigits), text.size());
            if (digits == 0 || digits > 2)
                fail("has hex data that is not bytes separated by commas");
            bytes.push_back(static_cast<uint8_t>(std::stoul(std::string(text.substr(0, digits)), nullptr, 16)));
            text.remove_prefix(digits);
            while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
                text.remove_prefix(1);
            if (!text.empty() && text.front() == ',')
                text.remove_prefix(1);
            else if (!text.empty() && text.front() != '\\' && text.front() != ';')
                fail("has hex data that is not bytes separated by commas");
        }
        if (!continued || text.empty() || text.front() != '\\')
            return bytes;
        if (!nextLine(text))
            return bytes;
    }
}

ValueState Reader::data(std::string_view text, bool continued)
{
    if (text.starts_with('-')) {
        expectEnd(text.substr(1));
        return std::nullopt;
    }
    if (text.starts_with('"')) {
        std::string_view rest = text;
        const std::string string = unquoted(rest);
        expectEnd(rest);
        std::u16string units = utf8ToUtf16(string);
        units.push_back(u'\0');
        return RegValue{REG_SZ_TYPE, utf16leBytes(units)};
    }
    if (text.starts_with("dword:")) {
        std::string_view digits = text.substr(6);
        const size_t count = digits.find_first_not_of(HexDigits);
        const std::string_view number = digits.substr(0, count);
        if (number.empty() || number.size() > 8)
            fail("has a dword that is not up to 8 hex digits");
        expectEnd(digits.substr(number.size()));
        const auto n = static_cast<uint32_t>(std::stoul(std::string(number), nullptr, 16));
        return RegValue{REG_DWORD_TYPE,
                        {static_cast<uint8_t>(n), static_cast<uint8_t>(n >> 8), static_cast<uint8_t>(n >> 16),
                         static_cast<uint8_t>(n >> 24)}};
    }
    if (text.starts_with("hex:"))
        return RegValue{REG_BINARY_TYPE, hexBytes(text.substr(4), continued)};
    if (text.starts_with("hex(")) {
        const size_t close = text.find("):");
        const std::string_view number = text.substr(4, close == std::string_view::npos ? 0 : close - 4);
        if (number.empty() || number.size() > 8 || number.find_first_not_of(HexDigits) != std::string_view::npos)
            fail("has a value type that is not hex(N)");
        return RegValue{static_cast<uint32_t>(std::stoul(std::string(number), nullptr, 16)),
                        hexBytes(text.substr(close + 2), continued)};
    }
    fail("has data of no kind regedit knows");
}

std::vector<RegeditKey> Reader::keys()
{
    std::string_view line;
    while (nextLine(line) && line.empty()) {}
    if (line != Header && line != OldHeader)
        fail("is not \"Windows Registry Editor Version 5.00\"");
    std::vector<RegeditKey> keys;
    std::optional<ValueState> changedTo;
    while (nextLine(line)) {
        if (line.empty())
            continue;
        if (line.starts_with(ChangedToMark)) {
            changedTo = data(line.substr(ChangedToMark.size()), false);
        } else if (line.front() == ';') {
            continue;
        } else if (line.front() == '[') {
            const size_t close = line.rfind(']');
            if (close == std::string_view::npos)
                fail("opens a key without a closing \"]\"");
            const bool deleted = line.size() > 1 && line[1] == '-';
            keys.push_back({keyPath(line.substr(deleted ? 2 : 1, close - (deleted ? 2 : 1))), deleted, {}});
        } else if (line.front() == '@' || line.front() == '"') {
            if (keys.empty() || keys.back().deleted)
                fail("gives a value outside a key");
            std::string_view rest = line.substr(1);
            std::string name;
            if (line.front() == '"') {
                rest = line;
                name = unquoted(rest);
            }
            while (!rest.empty() && (rest.front() == ' ' || rest.front() == '\t'))
                rest.remove_prefix(1);
            if (rest.empty() || rest.front() != '=')
                fail("gives a value without \"=\"");
            rest.remove_prefix(1);
            while (!rest.empty() && (rest.front() == ' ' || rest.front() == '\t'))
                rest.remove_prefix(1);
            keys.back().values.push_back({std::move(name), data(rest, true), changedTo});
            changedTo.reset();
        } else {
            fail("is neither a key nor a value");
        }
    }
    return keys;
}

std::string textOf(std::string_view bytes)
{
    if (bytes.size() >= 2 && static_cast<uint8_t>(bytes[0]) == 0xFF && static_cast<uint8_t>(bytes[1]) == 0xFE) {
        const std::vector<uint8_t> data(bytes.begin() + 2, bytes.end());
        return utf16ToUtf8(utf16leUnits(data));
    }
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    return std::string(bytes);
}

} // namespace

std::string regeditFileBytes(const std::vector<RegeditKey>& keys)
{
    std::string text(Header);
    text.append(NewLine);
    for (const RegeditKey& key : keys) {
        text.append(NewLine).append(key.deleted ? "[-" : "[").append(Root).append("\\");
        text.append(key.path).append("]").append(NewLine);
        for (const RegeditValue& value : key.values) {
            if (value.changedTo)
                text.append(ChangedToMark).append(dataText(*value.changedTo, 0, false)).append(NewLine);
            text.append(valueLine(value)).append(NewLine);
        }
    }
    text.append(NewLine);
    const std::vector<uint8_t> units = utf16leBytes(utf8ToUtf16(text));
    return std::string("\xFF\xFE") + std::string(units.begin(), units.end());
}

std::vector<RegeditKey> parseRegeditFile(std::string_view bytes, const std::string& fileName)
{
    return Reader(textOf(bytes), fileName).keys();
}

size_t regeditChangeCount(const std::vector<RegeditKey>& keys)
{
    size_t count = 0;
    for (const RegeditKey& key : keys)
        count += key.deleted ? 1 : key.values.size();
    return count;
}

} // namespace orvane
