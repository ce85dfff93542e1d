#include "controls/Elide.h"

namespace orvane {

std::wstring elideMiddle(const std::wstring& text, int room, const std::function<int(const std::wstring&)>& widthOf)
{
    if (widthOf(text) <= room)
        return text;
    // Fewer and fewer characters kept, the end a little favoured: it holds the file name.
    for (size_t kept = text.size(); kept-- > 0;) {
        const size_t front = kept / 2;
        const std::wstring candidate = text.substr(0, front) + L"\u2026" + text.substr(text.size() - (kept - front));
        if (widthOf(candidate) <= room)
            return candidate;
    }
    return L"\u2026";
}

} // namespace orvane
