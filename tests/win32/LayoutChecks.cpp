#include "tests/win32/LayoutChecks.h"

#include "files/WideText.h"
#include "tests/win32/WindowUnderWine.h"
#include "ui/win32/LayoutFont.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

namespace orvane::test {
namespace {

// Where a length of the layout lands at dpi, worked out apart from the
// program's own scaling: to the nearest pixel, which the program sets exactly.
int pixelsAt(int layoutPixels, int dpi)
{
    return static_cast<int>(std::lround(layoutPixels * dpi / 96.0));
}

// Where the layout puts a control: its place counts from its box's corner.
POINT layoutPlace(const WindowLayout& layout, const LayoutRow& row)
{
    POINT place{row.left, row.top};
    for (std::string parent = row.parent; !parent.empty();) {
        const auto box = std::find_if(layout.controls.begin(), layout.controls.end(),
                                      [&](const LayoutRow& other) { return other.name == parent; });
        place.x += box->left;
        place.y += box->top;
        parent = box->parent;
    }
    return place;
}

std::vector<std::string> itemsOf(HWND list)
{
    std::vector<std::string> items;
    const auto count = SendMessageW(list, CB_GETCOUNT, 0, 0);
    for (WPARAM i = 0; i < static_cast<WPARAM>(std::max<LRESULT>(count, 0)); ++i) {
        wchar_t item[256] = {};
        SendMessageW(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item));
        items.push_back(utf8(item));
    }
    return items;
}

// How far a caption inks when a static control draws it in that font, on
// pixels like the screen's. Small sizes may be drawn wider than their
// advances add up to, and a control as wide as the advances cuts the last
// glyph.
int inkedWidth(HFONT font, const std::string& caption)
{
    const std::wstring text = wide(caption);
    constexpr int Width = 1200;
    constexpr int Height = 64;
    BITMAPINFO format{};
    format.bmiHeader = {sizeof(BITMAPINFOHEADER), Width, -Height, 1, 32, BI_RGB};
    void* bits = nullptr;
    HDC canvas = CreateCompatibleDC(nullptr);
    HBITMAP picture = CreateDIBSection(canvas, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previousPicture = SelectObject(canvas, picture);
    HGDIOBJ previousFont = SelectObject(canvas, font);
    RECT whole{0, 0, Width, Height};
    FillRect(canvas, &whole, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetBkMode(canvas, TRANSPARENT);
    DrawTextW(canvas, text.c_str(), -1, &whole, DT_LEFT | DT_EXPANDTABS | DT_NOPREFIX | DT_SINGLELINE);
    GdiFlush();
    const auto* pixels = static_cast<const uint32_t*>(bits);
    int inked = 0;
    for (int y = 0; y < Height; ++y)
        for (int x = inked; x < Width; ++x)
            if ((pixels[y * Width + x] & 0xFFFFFF) != 0xFFFFFF)
                inked = x + 1;
    SelectObject(canvas, previousFont);
    SelectObject(canvas, previousPicture);
    DeleteObject(picture);
    DeleteDC(canvas);
    return inked;
}

bool overlapsVertically(const RECT& one, const RECT& other)
{
    return one.top < other.bottom && other.top < one.bottom;
}

} // namespace

RECT clientOf(HWND window)
{
    RECT client{};
    GetClientRect(window, &client);
    return client;
}

RECT placeIn(HWND window, HWND control)
{
    RECT place{};
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&place), 2);
    return place;
}

void expectLaidOutAt(HWND window, const WindowLayout& layout, int dpi)
{
    SCOPED_TRACE(layout.name + " at " + std::to_string(dpi) + " DPI");
    // The main window's controls count from its scrolled content, which
    // holds all of the layout wherever the view of it stands.
    HWND content = scrolledContentOf(window);
    HWND surface = content ? content : window;
    const RECT client = clientOf(surface);
    EXPECT_EQ(client.right, pixelsAt(layout.clientWidth, dpi));
    EXPECT_EQ(client.bottom, pixelsAt(layout.clientHeight, dpi));
    // The font measured as the fitting rule measures it.
    TextMeasure measure;
    HFONT font = createLayoutFont(measure, dpi);
    const auto textWidth = [&](const std::string& text) { return measure.width(font, text); };
    const int edge = GetSystemMetricsForDpi(SM_CXEDGE, dpi);
    std::map<std::string, RECT> places;
    for (const LayoutRow& row : layout.controls) {
        HWND control = childWithId(window, controlId(layout, row.name));
        if (!control || row.hidden)
            continue;
        SCOPED_TRACE(row.name);
        // The status bar stays along the bottom of the window, out of the scrolled content.
        const bool bar = row.kind == ControlKind::StatusBar;
        const RECT place = placeIn(bar ? window : surface, control);
        places[row.name] = place;
        const RECT box = !row.parent.empty() ? places.at(row.parent) : bar ? clientOf(window) : client;
        EXPECT_TRUE(place.left >= box.left && place.top >= box.top && place.right <= box.right &&
                    place.bottom <= box.bottom)
            << "outside its box";
        const int width = place.right - place.left;
        const int height = place.bottom - place.top;
        if (bar) {
            EXPECT_EQ(place.bottom, clientOf(window).bottom);
            int edges[3] = {};
            sendPointing(control, SB_GETPARTS, 3, edges);
            int edgeAt = 0;
            for (size_t i = 0; i < row.panelWidths.size(); ++i) {
                EXPECT_EQ(edges[i], pixelsAt(edgeAt += row.panelWidths[i], dpi)) << "panel " << i;
            }
            continue;
        }
        const POINT at = layoutPlace(layout, row);
        EXPECT_EQ(place.left, pixelsAt(at.x, dpi));
        EXPECT_EQ(place.top, pixelsAt(at.y, dpi));
        const std::string caption = windowText(control);
        switch (row.kind) {
        case ControlKind::Label:
        case ControlKind::Link:
            EXPECT_GE(width, std::max(textWidth(caption), inkedWidth(font, caption))) << caption;
            break;
        case ControlKind::GroupBox: EXPECT_GE(width, textWidth(caption)) << caption; break;
        case ControlKind::Button: EXPECT_GE(width, textWidth(caption) + 2 * edge) << caption; break;
        case ControlKind::CheckBox:
            EXPECT_GE(height, GetSystemMetricsForDpi(SM_CYMENUCHECK, dpi)) << "the square is cut";
            EXPECT_GE(width, GetSystemMetricsForDpi(SM_CXMENUCHECK, dpi) +
                                 std::max(textWidth(caption), inkedWidth(font, caption)))
                << caption;
            break;
        case ControlKind::DropDownList: {
            const int room = width - GetSystemMetricsForDpi(SM_CXVSCROLL, dpi) - 2 * edge;
            for (const std::string& item : itemsOf(control))
                EXPECT_LE(textWidth(item), room) << "covered by the arrow: " << item;
            break;
        }
        case ControlKind::Image:
            // The picture control takes its picture's size.
            EXPECT_NEAR(width, pixelsAt(48, dpi), 1);
            EXPECT_NEAR(height, pixelsAt(48, dpi), 1);
            break;
        default: EXPECT_EQ(width, pixelsAt(row.width, dpi));
        }
    }
    // A caption ends before the control to its right on its line.
    for (const LayoutRow& row : layout.controls) {
        if (row.kind != ControlKind::Label && row.kind != ControlKind::CheckBox)
            continue;
        for (const LayoutRow& other : layout.controls) {
            if (&other == &row || other.parent != row.parent || !places.count(row.name) || !places.count(other.name))
                continue;
            const RECT& mine = places.at(row.name);
            const RECT& theirs = places.at(other.name);
            if (theirs.left > mine.left && overlapsVertically(mine, theirs)) {
                EXPECT_LE(mine.right, theirs.left) << row.name << " runs into " << other.name;
            }
        }
    }
    DeleteObject(font);
}

} // namespace orvane::test
