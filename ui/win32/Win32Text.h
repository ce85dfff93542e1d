#pragma once
// A window's text in the program's UTF-8.
#include "files/WideText.h"

#include <windows.h>

#include <string>

namespace orvane {

inline std::string windowText(HWND window)
{
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return utf8(text);
}

} // namespace orvane
