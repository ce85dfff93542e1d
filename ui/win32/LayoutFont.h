#pragma once
// The face the layouts were drawn for, at the size at which their captions
// fit: the face found in its place may be wider. One set per DPI the
// windows stand at, made when first asked for, kept for the program's life.
#include "ui/win32/TextMeasure.h"

#include <windows.h>

#include <map>

namespace orvane {

HFONT createLayoutFont(TextMeasure& measure, int dpi);

struct WindowFonts {
    HFONT text;
    HFONT link;    // bold
    HFONT hotLink; // bold and underlined, under the pointer
};

class LayoutFonts {
public:
    explicit LayoutFonts(TextMeasure& measure) : measure_(measure) {}
    ~LayoutFonts();
    LayoutFonts(const LayoutFonts&) = delete;
    LayoutFonts& operator=(const LayoutFonts&) = delete;

    const WindowFonts& at(int dpi);

private:
    TextMeasure& measure_;
    std::map<int, WindowFonts> fonts_;
};

} // namespace orvane
