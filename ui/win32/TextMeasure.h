#pragma once
// How wide texts are in a font, measured on one memory device context kept
// for the program's life: a screen context per measure costs a round trip
// to the window server each time, and a window of a hundred captions pays
// it a hundred times before it is shown.
#include <windows.h>

#include <string>

namespace orvane {

class TextMeasure {
public:
    TextMeasure();
    ~TextMeasure();
    TextMeasure(const TextMeasure&) = delete;
    TextMeasure& operator=(const TextMeasure&) = delete;

    // In pixels.
    int width(HFONT font, const std::wstring& text);
    int width(HFONT font, const std::string& text);
    // The room a check box's box and its gap take beside the caption, at that DPI.
    static int checkBoxRoom(int dpi);

private:
    HDC context_;
};

} // namespace orvane
