#include "ui/win32/LayoutFont.h"

#include "controls/FontFit.h"

namespace orvane {
namespace {

HFONT sansSerif(int pixels)
{
    return CreateFontW(-pixels, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"MS Sans Serif");
}

} // namespace

HFONT createLayoutFont(TextMeasure& measure)
{
    return sansSerif(fittingPixelSize([&measure](int pixels) {
        HFONT font = sansSerif(pixels);
        const int width = measure.width(font, std::string(TightestCaption));
        DeleteObject(font);
        return width;
    }));
}

} // namespace orvane
