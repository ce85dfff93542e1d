#pragma once
// The font size the layouts were drawn for: the largest, from 11 pixels
// down to 8, at which the tightest caption fits the room it has. Every
// toolkit measures with its own font and takes the size by this one rule;
// at another density the sizes and the room scale with it, and the search
// steps by one of its pixels.
#include "controls/LayoutScale.h"

#include <functional>
#include <string_view>

namespace orvane {

// "Texture Color Depth" beside its list, in "MS Sans Serif" at 11 pixels.
inline constexpr std::string_view TightestCaption = "Texture Color Depth";
inline constexpr int TightestRoom = 90;

// widthAt(pixels): how wide the tightest caption is at that size.
inline int fittingPixelSize(const std::function<int(int pixels)>& widthAt, int dpi = LayoutDpi)
{
    int pixels = scaledToDpi(11, dpi);
    while (pixels > scaledToDpi(8, dpi) && widthAt(pixels) > scaledToDpi(TightestRoom, dpi))
        --pixels;
    return pixels;
}

} // namespace orvane
