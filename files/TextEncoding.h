#pragma once
// Conversions between the program's UTF-8 text and the registry's UTF-16.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

std::u16string utf8ToUtf16(std::string_view text);
// Invalid sequences become U+FFFD.
std::string utf16ToUtf8(std::u16string_view text);

// Registry text data: UTF-16 code units as little-endian bytes.
std::vector<uint8_t> utf16leBytes(std::u16string_view units);
// An odd last byte is dropped.
std::u16string utf16leUnits(const std::vector<uint8_t>& bytes);

// Folds case the way the registry compares names: ASCII and the Latin-1
// letters, which covers every name the game and Orvane use.
char16_t foldCase(char16_t c);
inline char asciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}
std::string foldCase(std::string_view utf8);

} // namespace orvane
