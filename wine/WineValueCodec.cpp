#include "wine/WineValueCodec.h"

#include "registry/KeyPaths.h"
#include "files/TextEncoding.h"

#include <cstdio>

namespace orvane {
namespace {

enum class DataForm { Text, Dword, Hex };

// The data tags Wine writes after "=". A typed tag carries the type in
// hex between the parentheses: str(2):, hex(b):.
struct DataTag {
    std::string_view tag;
    DataForm form;
    uint32_t type = 0;
    bool typed = false;
};

constexpr DataTag DataTags[] = {
    {.tag = "\"", .form = DataForm::Text, .type = REG_SZ_TYPE},
    {.tag = "str:", .form = DataForm::Text, .type = REG_SZ_TYPE},
    {.tag = "str(", .form = DataForm::Text, .typed = true},
    {.tag = "dword:", .form = DataForm::Dword, .type = REG_DWORD_TYPE},
    {.tag = "hex:", .form = DataForm::Hex, .type = REG_BINARY_TYPE},
    {.tag = "hex(", .form = DataForm::Hex, .typed = true},
};

// Reads the tag; the opening quote of plain text is left for the text.
DataTag readTag(WineRegCursor& cursor)
{
    if (cursor.peek() == '"')
        return DataTags[0];
    for (const DataTag& candidate : DataTags) {
        if (!cursor.consume(candidate.tag))
            continue;
        DataTag tag = candidate;
        if (tag.typed) {
            tag.type = cursor.hexNumber(8, "bad type in the value's data tag");
            if (!cursor.consume("):"))
                cursor.fail("bad type in the value's data tag");
        }
        return tag;
    }
    cursor.fail("unknown kind of value data");
}

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

void parseWineValue(WineRegCursor& cursor, std::u16string* name, RegValue* value)
{
    if (cursor.consume("@")) {
        if (name)
            name->clear();
    } else {
        cursor.expect('"', "expected a value name");
        cursor.escapedText('"', name);
        cursor.expect('"', "expected a value name");
    }
    cursor.expect('=', "expected '=' after the value name");

    const DataTag tag = readTag(cursor);
    switch (tag.form) {
    case DataForm::Dword: {
        const uint32_t n = cursor.hexNumber(8, "bad dword data");
        cursor.expectLineEnd();
        if (value)
            *value = RegValue{.type = REG_DWORD_TYPE,
                              .data = {uint8_t(n), uint8_t(n >> 8), uint8_t(n >> 16), uint8_t(n >> 24)}};
        return;
    }
    case DataForm::Text: {
        cursor.expect('"', "expected '\"' to open the text");
        std::u16string text;
        cursor.escapedText('"', value ? &text : nullptr);
        cursor.expect('"', "the text is not closed (is the file truncated?)");
        cursor.expectLineEnd();
        if (value) {
            text.push_back(0);
            *value = RegValue{.type = tag.type, .data = utf16leBytes(text)};
        }
        return;
    }
    case DataForm::Hex:
        if (value)
            *value = RegValue{.type = tag.type, .data = {}};
        cursor.hexBytes(value ? &value->data : nullptr);
        return;
    }
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

// Reads "[path]" at the cursor into its folded, normalized form. ASCII
// paths whose only escapes are doubled separators need no decoding.
void readWineKeyPath(WineRegCursor& cursor, std::string_view text, std::string& folded)
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

} // namespace orvane
