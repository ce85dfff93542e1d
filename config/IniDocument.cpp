#include "config/IniDocument.h"

#include "config/TextFiles.h"
#include "files/Errors.h"
#include "files/TextEncoding.h"

#include <algorithm>
#include <charconv>
#include <new>
#include <unordered_map>
#include <utility>

namespace orvane {

namespace {

bool sameName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && foldCase(a) == foldCase(b);
}

// Keys that sameName takes for one: the folded name and its length.
std::string nameKey(std::string_view name)
{
    return foldCase(name) + '/' + std::to_string(name.size());
}

void refuseLineBreak(std::string_view section, std::string_view key, std::string_view value)
{
    if (value.find_first_of("\r\n") != std::string_view::npos)
        throw OrvaneError(MessageText{
            translatable("The value \"%s\" of [%s] holds a line break, which a configuration file cannot keep: it "
                         "would load back as other settings. Nothing was saved; remove the line break from that "
                         "setting, then save again"),
            {std::string(key), std::string(section)}});
}

// The later line of the key, as Windows' profile functions find it.
const std::string* findLine(const IniDocument::Section& section, std::string_view key)
{
    for (auto line = section.lines.rbegin(); line != section.lines.rend(); ++line)
        if (const auto found = lineKey(*line); found && sameName(*found, key))
            return &*line;
    return nullptr;
}

std::optional<int32_t> parseInteger(std::string_view text)
{
    size_t digits = 0;
    for (std::string_view prefix : {"0x", "0X", "x", "X", "$"}) {
        if (text.starts_with(prefix)) {
            digits = prefix.size();
            break;
        }
    }
    if (digits > 0) {
        const std::string_view hex = text.substr(digits);
        uint32_t pattern = 0;
        if (hex.empty() || hex.size() > 8)
            return std::nullopt;
        const auto [end, error] = std::from_chars(hex.data(), hex.data() + hex.size(), pattern, 16);
        if (error != std::errc() || end != hex.data() + hex.size())
            return std::nullopt;
        return static_cast<int32_t>(pattern);
    }
    const bool plus = text.starts_with('+');
    if (plus)
        text.remove_prefix(1);
    if (text.empty() || (plus && text.starts_with('-')))
        return std::nullopt;
    int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 10);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

} // namespace

bool operator==(const IniDocument::Section& a, const IniDocument::Section& b)
{
    return a.name == b.name && a.lines == b.lines;
}

std::optional<std::string_view> lineKey(std::string_view line)
{
    const size_t separator = line.find('=');
    if (separator == std::string_view::npos)
        return std::nullopt;
    return line.substr(0, separator);
}

IniDocument IniDocument::parse(std::string_view bytes)
{
    DecodedText decoded = decodeText(bytes);
    // A NUL ends the text: what follows it neither counts nor chooses the encoding.
    if (decoded.encoding.charset != Charset::Utf16LittleEndian && decoded.encoding.charset != Charset::Utf16BigEndian &&
        bytes.find('\0') != std::string_view::npos)
        decoded = decodeText(bytes.substr(0, bytes.find('\0')));
    const std::string& text = decoded.text;
    IniDocument document;
    document.encoding_ = decoded.encoding;
    std::string_view rest(text);
    rest = rest.substr(0, rest.find('\0'));
    while (!rest.empty()) {
        const size_t end = rest.find_first_of("\r\n");
        const std::string_view line = trimmed(rest.substr(0, end));
        if (end == std::string_view::npos)
            rest = {};
        else
            rest.remove_prefix(end + (rest.substr(end, 2) == "\r\n" ? 2 : 1));
        if (line.empty() || line.front() == ';')
            continue;
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            document.sections_.push_back({std::string(trimmed(line.substr(1, line.size() - 2))), {}});
            continue;
        }
        if (document.sections_.empty())
            continue;
        const size_t separator = line.find('=');
        std::string stored(line);
        if (separator != std::string_view::npos)
            stored = std::string(trimmed(line.substr(0, separator))) + "=" +
                     std::string(trimmed(line.substr(separator + 1)));
        document.sections_.back().lines.push_back(std::move(stored));
    }
    return document;
}

IniDocument IniDocument::load(const std::filesystem::path& file)
{
    if (file.empty())
        return {};
    const std::optional<std::string> bytes = readTextFile(file);
    return bytes ? parse(*bytes, file) : IniDocument{};
}

IniDocument IniDocument::parse(std::string_view bytes, const std::filesystem::path& file)
{
    try {
        return parse(bytes);
    } catch (const std::bad_alloc&) {
        throw tooLargeForMemory(file);
    }
}

const IniDocument::Section* IniDocument::findSection(std::string_view name) const
{
    for (auto section = sections_.rbegin(); section != sections_.rend(); ++section)
        if (sameName(section->name, name))
            return &*section;
    return nullptr;
}

IniDocument::Section* IniDocument::findSection(std::string_view name)
{
    return const_cast<Section*>(std::as_const(*this).findSection(name));
}

std::string IniDocument::readString(std::string_view section, std::string_view key, const std::string& fallback) const
{
    const Section* found = findSection(section);
    const std::string* line = found ? findLine(*found, key) : nullptr;
    return line ? line->substr(line->find('=') + 1) : fallback;
}

int32_t IniDocument::readInteger(std::string_view section, std::string_view key, int32_t fallback) const
{
    return integerAt(section, key).value_or(fallback);
}

std::optional<int32_t> IniDocument::integerAt(std::string_view section, std::string_view key) const
{
    return parseInteger(readString(section, key, ""));
}

bool IniDocument::readBool(std::string_view section, std::string_view key, bool fallback) const
{
    return readInteger(section, key, fallback ? 1 : 0) != 0;
}

void IniDocument::writeString(std::string_view section, std::string_view key, std::string_view value)
{
    writeStrings(section, {{std::string(key), std::string(value)}});
}

void IniDocument::writeStrings(std::string_view section, const std::vector<std::pair<std::string, std::string>>& values)
{
    for (const auto& [key, value] : values)
        refuseLineBreak(section, key, value);
    Section* found = findSection(section);
    if (!found) {
        sections_.push_back({std::string(section), {}});
        found = &sections_.back();
    }
    std::unordered_map<std::string, size_t> lastLineOf;
    for (size_t i = 0; i < found->lines.size(); ++i)
        if (const auto key = lineKey(found->lines[i]))
            lastLineOf[nameKey(*key)] = i;
    for (const auto& [key, value] : values) {
        std::string line = key + "=" + value;
        const auto [at, added] = lastLineOf.try_emplace(nameKey(key), found->lines.size());
        if (added)
            found->lines.push_back(std::move(line));
        else
            found->lines[at->second] = std::move(line);
    }
}

std::vector<std::string> IniDocument::valuesOfLines(std::string_view section) const
{
    const Section* found = findSection(section);
    if (!found)
        return {};
    std::unordered_map<std::string, std::string_view> lastValueOf;
    for (const std::string& line : found->lines)
        if (const auto key = lineKey(line))
            lastValueOf[nameKey(*key)] = std::string_view(line).substr(key->size() + 1);
    std::vector<std::string> values;
    values.reserve(found->lines.size());
    for (const std::string& line : found->lines) {
        const auto value = lastValueOf.find(nameKey(lineKey(line).value_or("")));
        values.emplace_back(value == lastValueOf.end() ? std::string_view() : value->second);
    }
    return values;
}

void IniDocument::writeInteger(std::string_view section, std::string_view key, int32_t value)
{
    writeString(section, key, std::to_string(value));
}

void IniDocument::writeBool(std::string_view section, std::string_view key, bool value)
{
    writeString(section, key, value ? "1" : "0");
}

std::string IniDocument::serialize() const
{
    std::string text;
    for (const Section& section : sections_) {
        text += "[" + section.name + "]\r\n";
        for (const std::string& line : section.lines)
            text += line + "\r\n";
        text += "\r\n";
    }
    return text;
}

bool IniDocument::operator==(const IniDocument& other) const
{
    return sections_ == other.sections_;
}

void IniDocument::save(const std::filesystem::path& file) const
{
    writeTextFile(file, encodeText(serialize(), encoding_));
}

} // namespace orvane
