#include "wine/WineValueCodec.h"

#include "files/TextEncoding.h"

#include <cstdio>

namespace orvane {
namespace {

enum class DataForm { Text, Dword, Hex, Unreadable };

// What follows "=": a data tag, and where the data after it starts.
struct DataTag {
    DataForm form;
    uint32_t type = 0;
    size_t end = 0;
};

// The tags Wine's loader knows, tried in its order; "hex(" takes its type
// as strtoul reads it, in the 32 bits of a type.
DataTag readTag(std::string_view line, size_t at)
{
    struct Known {
        std::string_view tag;
        DataForm form;
        uint32_t type;
    };
    static constexpr Known Tags[] = {
        {"\"", DataForm::Text, REG_SZ_TYPE},
        {"str:\"", DataForm::Text, REG_SZ_TYPE},
        {"str(2):\"", DataForm::Text, REG_EXPAND_SZ_TYPE},
        {"str(7):\"", DataForm::Text, REG_MULTI_SZ_TYPE},
        {"hex:", DataForm::Hex, REG_BINARY_TYPE},
        {"dword:", DataForm::Dword, REG_DWORD_TYPE},
    };
    const std::string_view data = line.substr(at);
    for (const Known& known : Tags)
        if (data.starts_with(known.tag))
            return {known.form, known.type, at + known.tag.size()};
    if (!data.starts_with("hex("))
        return {DataForm::Unreadable};
    const WineNumber type = readWineNumber(line, at + 4);
    if (line.substr(type.end, 2) != "):")
        return {DataForm::Unreadable};
    return {DataForm::Hex, static_cast<uint32_t>(type.value), type.end + 2};
}

enum class HexLine { Ends, Continues, Unreadable };

// Hex bytes from `at` as Wine reads them: each a hex number up to ff,
// blanks and one comma after it; then the line's end, or a backslash that
// continues the data onto the next line, whatever follows it.
HexLine readHexLine(std::string_view line, size_t at, std::vector<uint8_t>* out)
{
    // Wine's own layout first, "xx," without blanks: the same bytes, read faster.
    const size_t start = at;
    for (int high, low; at + 2 < line.size() && line[at + 2] == ',' && (high = hexDigitValue(line[at])) >= 0 &&
                        (low = hexDigitValue(line[at + 1])) >= 0;
         at += 3)
        if (out)
            out->push_back(static_cast<uint8_t>(high * 16 + low));
    if (at > start)
        at = skipWineBlanks(line, at);
    while (at < line.size() && hexDigitValue(line[at]) >= 0) {
        const WineNumber byte = readWineNumber(line, at);
        if (byte.value > 0xff)
            return HexLine::Unreadable;
        if (out)
            out->push_back(static_cast<uint8_t>(byte.value));
        at = skipWineBlanks(line, byte.end);
        if (at < line.size() && line[at] == ',')
            ++at;
        at = skipWineBlanks(line, at);
    }
    if (at == line.size())
        return HexLine::Ends;
    return line[at] == '\\' ? HexLine::Continues : HexLine::Unreadable;
}

// Wine's limit on the length of a value's name, in UTF-16 units.
constexpr size_t LongestValueName = 16383;

std::string escapeForWine(std::u16string_view units, std::string_view delimiters)
{
    static constexpr char CEscapes[33] = ".......abtnvfr.............e....";
    std::string out;
    out.reserve(units.size() + 8);
    char buffer[16];
    for (size_t i = 0; i < units.size(); ++i) {
        const char16_t c = units[i];
        const bool hexFollows = i + 1 < units.size() && units[i + 1] < 128 && hexDigitValue(char(units[i + 1])) >= 0;
        if (c > 127) {
            std::snprintf(buffer, sizeof buffer, hexFollows ? "\\x%04x" : "\\x%x", unsigned(c));
            out += buffer;
        } else if (c < 32) {
            const bool octalFollows = i + 1 < units.size() && units[i + 1] >= u'0' && units[i + 1] <= u'7';
            if (CEscapes[c] != '.')
                std::snprintf(buffer, sizeof buffer, "\\%c", CEscapes[c]);
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

std::string typedTag(const char* form, uint32_t type)
{
    char tag[24];
    std::snprintf(tag, sizeof tag, "%s(%x):", form, unsigned(type));
    return tag;
}

bool isText(const RegValue& value)
{
    const auto& data = value.data;
    return (value.type == REG_SZ_TYPE || value.type == REG_EXPAND_SZ_TYPE || value.type == REG_MULTI_SZ_TYPE) &&
           data.size() >= 2 && data.size() % 2 == 0 && data[data.size() - 1] == 0 && data[data.size() - 2] == 0;
}

void appendHexBytes(std::string& out, const std::vector<uint8_t>& data)
{
    static constexpr char Digits[] = "0123456789abcdef";
    size_t column = out.size();
    for (size_t i = 0; i < data.size(); ++i) {
        out += Digits[data[i] >> 4];
        out += Digits[data[i] & 15];
        column += 2;
        if (i + 1 < data.size()) {
            out += ',';
            // Wine wraps hex data after 76 columns.
            if (++column > 76) {
                out += "\\\n  ";
                column = 2;
            }
        }
    }
}

} // namespace

size_t readWineValueName(std::string_view line, size_t at, std::u16string* name)
{
    if (line[at] == '@') {
        ++at;
    } else {
        const WineText text = readWineText(line, at + 1, '"', name);
        if (text.end == std::string_view::npos || text.units > LongestValueName)
            return std::string_view::npos;
        at = text.end;
    }
    at = skipWineBlanks(line, at);
    if (at == line.size() || line[at] != '=')
        return std::string_view::npos;
    return skipWineBlanks(line, at + 1);
}

bool wineValueContinues(std::string_view line, size_t dataStart)
{
    const DataTag tag = readTag(line, dataStart);
    return tag.form == DataForm::Hex && readHexLine(line, tag.end, nullptr) == HexLine::Continues;
}

bool wineHexLineContinues(std::string_view line)
{
    return readHexLine(line, skipWineBlanks(line, 0), nullptr) == HexLine::Continues;
}

RegValue readWineValue(std::string_view lines)
{
    WineLine end = wineLineAt(lines, 0);
    std::string_view line = lines.substr(0, end.contentEnd);
    const size_t at = skipWineBlanks(line, 0);
    const DataTag tag = readTag(line, readWineValueName(line, at, nullptr));
    RegValue value{.type = tag.type, .data = {}};
    switch (tag.form) {
    case DataForm::Unreadable: break;
    case DataForm::Text: {
        std::u16string text;
        if (readWineText(line, tag.end, '"', &text).end == std::string_view::npos)
            break;
        text.push_back(0);
        value.data = utf16leBytes(text);
        return value;
    }
    case DataForm::Dword: {
        const auto n = static_cast<uint32_t>(readWineNumber(line, tag.end).value);
        value.data = {uint8_t(n), uint8_t(n >> 8), uint8_t(n >> 16), uint8_t(n >> 24)};
        return value;
    }
    case DataForm::Hex:
        for (HexLine read = readHexLine(line, tag.end, &value.data); read != HexLine::Ends;
             read = readHexLine(line, skipWineBlanks(line, 0), &value.data)) {
            if (read == HexLine::Unreadable || end.next == lines.size())
                return RegValue{.type = 0, .data = {}};
            const size_t begin = end.next;
            end = wineLineAt(lines, begin);
            line = lines.substr(begin, end.contentEnd - begin);
        }
        return value;
    }
    return RegValue{.type = 0, .data = {}};
}

std::string formatWineValue(std::string_view name, const RegValue& value)
{
    std::string out = name.empty() ? "@=" : "\"" + escapeForWine(utf8ToUtf16(name), "\"") + "\"=";
    if (isText(value)) {
        std::u16string units = utf16leUnits(value.data);
        units.pop_back(); // the terminating NUL
        if (value.type != REG_SZ_TYPE)
            out += typedTag("str", value.type);
        return out + "\"" + escapeForWine(units, "\"") + "\"\n";
    }
    const auto& data = value.data;
    if (value.type == REG_DWORD_TYPE && data.size() == 4) {
        char text[24];
        std::snprintf(text, sizeof text, "dword:%08x\n",
                      unsigned(data[0] | (data[1] << 8) | (data[2] << 16) | (uint32_t(data[3]) << 24)));
        return out + text;
    }
    out += value.type == REG_BINARY_TYPE ? std::string("hex:") : typedTag("hex", value.type);
    appendHexBytes(out, data);
    return out + '\n';
}

std::string formatWineKeyPath(std::string_view path)
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

} // namespace orvane
