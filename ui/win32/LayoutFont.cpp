#include "ui/win32/LayoutFont.h"

#include "controls/FontFit.h"
#include "ui/win32/Win32Text.h"

namespace orvane {
namespace {

HFONT sansSerif(int pixels)
{
    return CreateFontW(-pixels, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"MS Sans Serif");
}

} // namespace

int textWidth(HFONT font, const std::string& text)
{
    HDC context = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(context, font);
    const std::wstring shown = wide(text);
    SIZE size{};
    GetTextExtentPoint32W(context, shown.c_str(), static_cast<int>(shown.size()), &size);
    SelectObject(context, previous);
    ReleaseDC(nullptr, context);
    return static_cast<int>(size.cx);
}

HFONT createLayoutFont()
{
    return sansSerif(fittingPixelSize([](int pixels) {
        HFONT font = sansSerif(pixels);
        const int width = textWidth(font, std::string(TightestCaption));
        DeleteObject(font);
        return width;
    }));
}

} // namespace orvane
