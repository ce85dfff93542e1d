#pragma once
// The characters of Wine's registry text as wineserver's loader reads
// them: its blanks, its lines, hex numbers as strtoul reads them, and
// escaped text.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace orvane {

struct WineRegParseFailure {
    size_t line;
    std::string what;
};

// What the C library's isspace takes for a blank: \v, \f and \r as well.
inline bool isWineBlank(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}
size_t skipWineBlanks(std::string_view text, size_t at);

// Each character's hex value, -1 for a character that is not a hex digit.
inline constexpr std::array<int8_t, 256> HexDigitValues = [] {
    std::array<int8_t, 256> table{};
    table.fill(-1);
    for (int c = 0; c < 10; ++c)
        table['0' + c] = static_cast<int8_t>(c);
    for (int c = 0; c < 6; ++c)
        table['a' + c] = table['A' + c] = static_cast<int8_t>(10 + c);
    return table;
}();

// Inline, by a table: hex data is most of a large registry's text.
inline int hexDigitValue(char c)
{
    return HexDigitValues[static_cast<unsigned char>(c)];
}

// One line of a text, from begin: its content ends before "\n" and one
// "\r" before it, as Wine strips them; next is the following line's start.
struct WineLine {
    size_t contentEnd;
    size_t next;
};
WineLine wineLineAt(std::string_view text, size_t begin);

// A hex number as strtoul(text, &end, 16) reads it with a 64-bit long:
// blanks, a sign and "0x" first, the largest value when it overflows.
struct WineNumber {
    uint64_t value = 0;
    size_t end = 0; // `at` itself when there is no number
};
WineNumber readWineNumber(std::string_view text, size_t at);

// Escaped text from `at` up to the character `end`, decoded as Wine does:
// C escapes, \x with up to four hex digits, up to three octal digits, any
// other escaped character as it is, UTF-8 with invalid bytes dropped.
// Appends the UTF-16 units to out when it is not null, and counts them.
struct WineText {
    size_t end;   // past the closing character; npos when the text lacks it
    size_t units; // decoded
};
WineText readWineText(std::string_view text, size_t at, char end, std::u16string* out);

} // namespace orvane
