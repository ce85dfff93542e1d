#pragma once
// A control of the layout data as a user32 or comctl32 child window.
#include "controls/Controls.h"
#include "ui/win32/TextMeasure.h"

#include <windows.h>

namespace orvane {

// The font a child window shows its text in, and how wide texts are in it.
struct ChildFont {
    HFONT font;
    TextMeasure& measure;
    int width(const std::wstring& text) const { return measure.width(font, text); }
};

// The child window of a control, placed in the client area (group boxes
// are frames drawn around their controls, which are siblings of them), as
// wide as its caption needs.
HWND createChildWindow(const Control& control, HWND parent, POINT origin, const ChildFont& font, UINT id);

// The program's change shown in the child window, where its kind of control
// has that aspect; no notification of it reaches the logic as a user's act.
void showChange(HWND window, const Control& control, Aspect aspect, const ChildFont& font);

} // namespace orvane
