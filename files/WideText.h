#pragma once
// The program's UTF-8 text as the wide text of the Windows W functions, and
// back: the wide API keeps non-ASCII text intact whatever the ANSI code page.
#include "files/TextEncoding.h"

#include <string>
#include <string_view>

namespace orvane {

inline std::wstring wide(std::string_view utf8)
{
    const std::u16string units = utf8ToUtf16(utf8);
    return std::wstring(units.begin(), units.end());
}

inline std::string utf8(std::wstring_view text)
{
    return utf16ToUtf8(std::u16string(text.begin(), text.end()));
}

} // namespace orvane
