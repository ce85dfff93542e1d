#include "ui/win32/TextMeasure.h"

#include "ui/win32/Dpi.h"
#include "ui/win32/Win32Text.h"

namespace orvane {

TextMeasure::TextMeasure() : context_(CreateCompatibleDC(nullptr)) {}

TextMeasure::~TextMeasure()
{
    DeleteDC(context_);
}

int TextMeasure::width(HFONT font, const std::wstring& text)
{
    // Put back at once, so that the caller may delete the font.
    HGDIOBJ previous = SelectObject(context_, font);
    SIZE size{};
    GetTextExtentPoint32W(context_, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(context_, previous);
    return static_cast<int>(size.cx);
}

int TextMeasure::checkBoxRoom(int dpi)
{
    return systemMetric(SM_CXMENUCHECK, dpi) + scaledToDpi(6, dpi);
}

int TextMeasure::width(HFONT font, const std::string& text)
{
    return width(font, wide(text));
}

} // namespace orvane
