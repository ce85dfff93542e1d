// The pictures drawn at another scale: resampled smooth, not stretched
// into blocks of equal pixels.
#include "ui/win32/Pictures.h"

#include <gtest/gtest.h>

#include <vector>

namespace orvane {
namespace {

// A 24-bit picture one row high, from left to right.
HBITMAP rowOf(const std::vector<BYTE>& greys)
{
    BITMAPINFO format{};
    format.bmiHeader = {sizeof(BITMAPINFOHEADER), static_cast<LONG>(greys.size()), 1, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP picture = CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    for (size_t i = 0; i < greys.size(); ++i)
        std::fill_n(static_cast<BYTE*>(bits) + i * 3, 3, greys[i]);
    return picture;
}

std::vector<BYTE> greysOf(HBITMAP picture)
{
    DIBSECTION section{};
    GetObjectW(picture, sizeof(section), &section);
    std::vector<BYTE> greys;
    for (int x = 0; x < section.dsBm.bmWidth; ++x)
        greys.push_back(static_cast<const BYTE*>(section.dsBm.bmBits)[x * 3]);
    return greys;
}

TEST(Pictures, TwiceTheSizeBlendsNeighboursAndKeepsTheEnds)
{
    HBITMAP edge = rowOf({0, 0, 255, 255});
    HBITMAP twice = resampledPicture(edge, {8, 2});
    ASSERT_TRUE(twice);
    // A pixel stretch would give 0 0 0 0 255 255 255 255.
    EXPECT_EQ(greysOf(twice), (std::vector<BYTE>{0, 0, 0, 64, 191, 255, 255, 255}));
    DeleteObject(twice);
    DeleteObject(edge);
}

TEST(Pictures, OnlyTrueColourPicturesAreResampled)
{
    HBITMAP mono = CreateBitmap(4, 4, 1, 1, nullptr);
    EXPECT_EQ(resampledPicture(mono, {8, 8}), nullptr);
    DeleteObject(mono);
}

} // namespace
} // namespace orvane
