#include "platform/TextCompare.h"

#ifdef _WIN32
#include "files/WideText.h"
#include <windows.h>
#else
#include "files/TextEncoding.h"
#include <cwchar>
#include <cwctype>
#endif

namespace orvane {

#ifdef _WIN32

int compareIgnoringCase(std::string_view a, std::string_view b)
{
    const std::wstring wideA = wide(a);
    const std::wstring wideB = wide(b);
    const int result = CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, wideA.data(),
                                      static_cast<int>(wideA.size()), wideB.data(), static_cast<int>(wideB.size()));
    return result - CSTR_EQUAL;
}

#else

namespace {

// Lower case, as wide text for wcscoll.
std::wstring folded(std::string_view utf8)
{
    std::wstring wide;
    const std::u16string units = utf8ToUtf16(utf8);
    for (size_t i = 0; i < units.size(); ++i) {
        char32_t c = units[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < units.size())
            c = 0x10000 + ((c - 0xD800) << 10) + (units[++i] - 0xDC00);
        wide.push_back(static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c))));
    }
    return wide;
}

} // namespace

int compareIgnoringCase(std::string_view a, std::string_view b)
{
    return std::wcscoll(folded(a).c_str(), folded(b).c_str());
}

#endif

} // namespace orvane
