#include "ui/win32/TextMeasure.h"

#include "ui/win32/Dpi.h"
#include "ui/win32/Win32Text.h"

#include <algorithm>

namespace orvane {

TextMeasure::TextMeasure() : context_(CreateCompatibleDC(nullptr)) {}

TextMeasure::~TextMeasure()
{
    if (canvas_) {
        SelectObject(context_, firstBitmap_);
        DeleteObject(canvas_);
    }
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

void TextMeasure::makeCanvas(SIZE size)
{
    if (canvas_ && canvasSize_.cx >= size.cx && canvasSize_.cy >= size.cy)
        return;
    size = {std::max(size.cx, canvasSize_.cx), std::max(size.cy, canvasSize_.cy)};
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof(format.bmiHeader);
    format.bmiHeader.biWidth = size.cx;
    format.bmiHeader.biHeight = -size.cy; // top row first
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32; // as the screen: smoothed, not black and white
    format.bmiHeader.biCompression = BI_RGB;
    void* pixels = nullptr;
    HBITMAP canvas = CreateDIBSection(context_, &format, DIB_RGB_COLORS, &pixels, nullptr, 0);
    if (!canvas)
        return;
    HGDIOBJ previous = SelectObject(context_, canvas);
    if (canvas_)
        DeleteObject(canvas_);
    else
        firstBitmap_ = previous;
    canvas_ = canvas;
    pixels_ = static_cast<uint32_t*>(pixels);
    canvasSize_ = size;
}

int TextMeasure::drawnWidth(HFONT font, const std::wstring& text)
{
    const int advances = width(font, text);
    if (text.empty())
        return advances;
    HGDIOBJ previous = SelectObject(context_, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(context_, &metrics);
    // Room for glyphs that run past the advances, an em of it.
    makeCanvas({advances + metrics.tmHeight, metrics.tmHeight});
    int inked = advances;
    if (canvas_) {
        const RECT whole{0, 0, canvasSize_.cx, canvasSize_.cy};
        FillRect(context_, &whole, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        SetBkMode(context_, TRANSPARENT);
        SetTextColor(context_, RGB(0, 0, 0));
        TextOutW(context_, 0, 0, text.c_str(), static_cast<int>(text.size()));
        GdiFlush();
        for (int x = canvasSize_.cx - 1; x >= advances && inked == advances; --x)
            for (int y = 0; y < metrics.tmHeight; ++y)
                if ((pixels_[y * canvasSize_.cx + x] & 0xFFFFFF) != 0xFFFFFF) {
                    inked = x + 1;
                    break;
                }
    }
    SelectObject(context_, previous);
    return inked;
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
