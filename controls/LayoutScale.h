#pragma once
// The layout tables measure in pixels at 96 DPI; a toolkit that draws at
// another density multiplies by it, rounding to the nearest pixel.
namespace orvane {

inline constexpr int LayoutDpi = 96;

constexpr int scaledToDpi(int layoutPixels, int dpi)
{
    const long long product = static_cast<long long>(layoutPixels) * dpi;
    return static_cast<int>((product >= 0 ? product + LayoutDpi / 2 : product - LayoutDpi / 2) / LayoutDpi);
}

} // namespace orvane
