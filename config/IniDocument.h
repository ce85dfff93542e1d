#pragma once
// INI text held in memory, read and written by fixed rules: sections in
// their order, each with its lines; lookups without regard to case, the
// later section or key found; comments and blank lines not kept.
#include "config/TextFiles.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace orvane {

class IniDocument {
public:
    struct Section {
        std::string name;
        std::vector<std::string> lines; // "key=value", or a line without "=" as it stood
    };

    IniDocument() = default;
    // Reads text (UTF-8, or Windows-1252 where it is not UTF-8, or UTF-16
    // with its byte order mark); a NUL ends it.
    static IniDocument parse(std::string_view bytes);
    // The same for the bytes of file; the memory running out throws a
    // FileError naming it.
    static IniDocument parse(std::string_view bytes, const std::filesystem::path& file);
    // The encoding the text was read in, and is saved in.
    const FileEncoding& encoding() const { return encoding_; }
    // A missing file, or an empty name, gives an empty document. A file that
    // cannot be read throws FileError "Datei %s kann nicht geöffnet werden".
    static IniDocument load(const std::filesystem::path& file);

    // The text after the key's first "=", or the default when the section
    // or key is missing.
    std::string readString(std::string_view section, std::string_view key, const std::string& fallback) const;
    // Decimal with an optional sign, or up to 8 hexadecimal digits after
    // "0x", "0X", "x", "X" or "$" as the 32-bit pattern; anything else gives
    // the default.
    int32_t readInteger(std::string_view section, std::string_view key, int32_t fallback) const;
    // The value as readInteger reads it; nullopt when the key is missing
    // or its value is no number.
    std::optional<int32_t> integerAt(std::string_view section, std::string_view key) const;
    bool readBool(std::string_view section, std::string_view key, bool fallback) const;
    const Section* findSection(std::string_view name) const;
    const std::vector<Section>& sections() const { return sections_; }

    // A value with a line break would become lines of its own when read
    // back: it is refused with an OrvaneError naming it.
    void writeString(std::string_view section, std::string_view key, std::string_view value);
    void writeInteger(std::string_view section, std::string_view key, int32_t value);
    void writeBool(std::string_view section, std::string_view key, bool value);
    // Many values of one section at once, each as writeString writes it, in
    // time linear in the section's lines; nothing is written when one is refused.
    void writeStrings(std::string_view section, const std::vector<std::pair<std::string, std::string>>& values);
    // The value of each line of the section, as readString reads its key.
    std::vector<std::string> valuesOfLines(std::string_view section) const;

    // Each section as "[name]", its lines, an empty line; CR LF after every line.
    std::string serialize() const;
    // Replaces the file atomically. Throws FileError "Datei %s kann nicht
    // erstellt werden" when it cannot, and the file is then as it was.
    void save(const std::filesystem::path& file) const;

    // The same sections and lines, in whatever encoding.
    bool operator==(const IniDocument& other) const;

private:
    Section* findSection(std::string_view name);
    std::vector<Section> sections_;
    FileEncoding encoding_;
};

bool operator==(const IniDocument::Section& a, const IniDocument::Section& b);

// The key of an INI line: its text before the first "="; none without "=".
std::optional<std::string_view> lineKey(std::string_view line);

} // namespace orvane
