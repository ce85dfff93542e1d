#pragma once
// How wide texts are in a font, measured on one memory device context kept
// for the program's life: a screen context per measure costs a round trip
// to the window server each time, and a window of a hundred captions pays
// it a hundred times before it is shown.
#include <windows.h>

#include <cstdint>
#include <string>

namespace orvane {

class TextMeasure {
public:
    TextMeasure();
    ~TextMeasure();
    TextMeasure(const TextMeasure&) = delete;
    TextMeasure& operator=(const TextMeasure&) = delete;

    // In pixels, as the font's advances add up.
    int width(HFONT font, const std::wstring& text);
    int width(HFONT font, const std::string& text);
    // In pixels, to the last one the text inks when drawn on the screen, or
    // its width where that is more. Small sizes may be drawn with the
    // outlines hinted for black and white, wider than the advances say, and
    // a control as wide as the advances then cuts its last glyph.
    int drawnWidth(HFONT font, const std::wstring& text);
    // The room a check box's box and its gap take beside the caption, at that DPI.
    static int checkBoxRoom(int dpi);

private:
    // Where drawnWidth draws: screen-like pixels, grown as needed.
    void makeCanvas(SIZE size);

    HDC context_;
    HBITMAP canvas_ = nullptr;
    HGDIOBJ firstBitmap_ = nullptr;
    uint32_t* pixels_ = nullptr;
    SIZE canvasSize_{};
};

} // namespace orvane
