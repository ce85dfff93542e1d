#include "ui/win32/Pictures.h"

#include "controls/LayoutScale.h"
#include "files/WideText.h"

#include <algorithm>
#include <cmath>
#include <cwctype>

namespace orvane {
namespace {

struct Pixels {
    BYTE* bits;
    int width, height, stride;
    BYTE* at(int x, int y) const { return bits + static_cast<ptrdiff_t>(y) * stride + x * 3; }
};

HBITMAP newPicture(SIZE size, Pixels& pixels)
{
    BITMAPINFO format{};
    format.bmiHeader = {sizeof(BITMAPINFOHEADER), size.cx, size.cy, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP picture = CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    pixels = {static_cast<BYTE*>(bits), size.cx, size.cy, (size.cx * 3 + 3) & ~3};
    return picture;
}

// Where a pixel's centre of the result falls among the source's pixels:
// the one before it and the weight of the one after.
std::pair<int, float> sourceAt(int target, int targetSize, int sourceSize)
{
    const float position =
        std::clamp((target + 0.5f) * sourceSize / targetSize - 0.5f, 0.0f, static_cast<float>(sourceSize - 1));
    const int before = std::min(static_cast<int>(position), std::max(sourceSize - 2, 0));
    return {before, position - before};
}

} // namespace

HBITMAP resampledPicture(HBITMAP picture, SIZE size)
{
    DIBSECTION source{};
    if (GetObjectW(picture, sizeof(source), &source) != sizeof(source) || source.dsBm.bmBitsPixel != 24)
        return nullptr;
    const Pixels from{static_cast<BYTE*>(source.dsBm.bmBits), source.dsBm.bmWidth, source.dsBm.bmHeight,
                      source.dsBm.bmWidthBytes};
    Pixels to{};
    HBITMAP result = newPicture(size, to);
    if (!result)
        return nullptr;
    // The step to the pixel after: none in a picture one pixel wide or high.
    const int nextX = std::min(1, from.width - 1);
    const int nextY = std::min(1, from.height - 1);
    for (int y = 0; y < to.height; ++y) {
        const auto [top, down] = sourceAt(y, to.height, from.height);
        for (int x = 0; x < to.width; ++x) {
            const auto [left, across] = sourceAt(x, to.width, from.width);
            for (int channel = 0; channel < 3; ++channel) {
                const auto value = [&](int dx, int dy) { return from.at(left + dx, top + dy)[channel]; };
                const float upper = value(0, 0) + (value(nextX, 0) - value(0, 0)) * across;
                const float lower = value(0, nextY) + (value(nextX, nextY) - value(0, nextY)) * across;
                to.at(x, y)[channel] = static_cast<BYTE>(std::lround(upper + (lower - upper) * down));
            }
        }
    }
    return result;
}

HBITMAP loadPicture(const std::string& name, int dpi)
{
    std::wstring resource = wide(name);
    std::transform(resource.begin(), resource.end(), resource.begin(), ::towupper);
    HBITMAP picture = static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), resource.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!picture || dpi == LayoutDpi)
        return picture;
    BITMAP natural{};
    GetObjectW(picture, sizeof(natural), &natural);
    HBITMAP scaled = resampledPicture(picture, {scaledToDpi(natural.bmWidth, dpi), scaledToDpi(natural.bmHeight, dpi)});
    DeleteObject(picture);
    return scaled;
}

} // namespace orvane
