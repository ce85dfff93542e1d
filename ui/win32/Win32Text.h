#pragma once
// The program's UTF-8 text as the wide text of the W functions.
#include "settings/TextEncoding.h"

#include <windows.h>

#include <string>

namespace orvane {

inline std::wstring wide(const std::string& utf8)
{
    const std::u16string units = utf8ToUtf16(utf8);
    return std::wstring(units.begin(), units.end());
}

inline std::string utf8(const std::wstring& text)
{
    return utf16ToUtf8(std::u16string(text.begin(), text.end()));
}

inline std::string windowText(HWND window)
{
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return utf8(text);
}

} // namespace orvane
