#pragma once
// Reads the line-oriented constructs of Wine's registry text: escaped
// names and strings, hex numbers, comma-separated hex bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

struct WineRegParseFailure {
    size_t line;
    std::string what;
};

// -1 for a character that is not a hex digit.
int hexDigitValue(char c);

class WineRegCursor {
public:
    WineRegCursor(std::string_view text, size_t pos, size_t line) : text_(text), pos_(pos), line_(line) {}

    size_t pos() const { return pos_; }
    size_t line() const { return line_; }
    bool atLineEnd() const { return pos_ >= text_.size() || text_[pos_] == '\n' || text_[pos_] == '\r'; }
    char peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }
    void advance(size_t count) { pos_ += count; }
    bool consume(std::string_view word);
    void expect(char c, const char* what);
    void skipBlanks();
    // Moves past the line end; false at the end of the text.
    bool nextLine();
    void expectLineEnd();
    [[noreturn]] void fail(std::string what) const;

    // Text with Wine's escapes up to `end` (not consumed). Appends UTF-16
    // code units to out when out is not null; only checks it otherwise.
    void escapedText(char end, std::u16string* out);
    uint32_t hexNumber(int maxDigits, const char* what);
    // Comma-separated hex bytes; a trailing backslash continues the line.
    void hexBytes(std::vector<uint8_t>* out);

private:
    char16_t escapedUnit();

    std::string_view text_;
    size_t pos_;
    size_t line_;
};

} // namespace orvane
