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

HFONT createLayoutFont(TextMeasure& measure, int dpi)
{
    return sansSerif(fittingPixelSize(
        [&measure](int pixels) {
            HFONT font = sansSerif(pixels);
            const int width = measure.width(font, std::string(TightestCaption));
            DeleteObject(font);
            return width;
        },
        dpi));
}

LayoutFonts::~LayoutFonts()
{
    for (const auto& [dpi, fonts] : fonts_)
        for (HFONT font : {fonts.text, fonts.link, fonts.hotLink})
            DeleteObject(font);
}

const WindowFonts& LayoutFonts::at(int dpi)
{
    if (const auto found = fonts_.find(dpi); found != fonts_.end())
        return found->second;
    HFONT text = createLayoutFont(measure_, dpi);
    LOGFONTW face{};
    GetObjectW(text, sizeof(face), &face);
    face.lfWeight = FW_BOLD;
    HFONT link = CreateFontIndirectW(&face);
    face.lfUnderline = TRUE;
    HFONT hotLink = CreateFontIndirectW(&face);
    return fonts_.emplace(dpi, WindowFonts{text, link, hotLink}).first->second;
}

} // namespace orvane
