#pragma once
// A control of the layout data as a user32 or comctl32 child window.
#include "controls/Controls.h"
#include "ui/win32/TextMeasure.h"

#include <windows.h>

namespace orvane {

// The font a child window shows its text in, how wide texts are in it, and
// the DPI its window stands at.
struct ChildFont {
    HFONT font;
    TextMeasure& measure;
    int dpi;
    int width(const std::wstring& text) const { return measure.width(font, text); }
    int drawnWidth(const std::wstring& text) const { return measure.drawnWidth(font, text); }
};

// Where a control's box puts it: its place counts from the box's corner, in
// the layout's pixels.
POINT boxOrigin(const WindowLayout& window, const LayoutRow& row);

// The child window of a layout row, placed in the client area at the font's
// DPI (group boxes are frames drawn around their controls, which are
// siblings of them), as wide as its caption needs, in that font; a picture
// is drawn for that DPI. Not yet shown, it needs no repainting.
// origin: the corner of the box that holds it, in the layout's pixels.
// text: what it shows from the first (its caption, or a field's text).
HWND createChildWindow(const LayoutRow& row, HWND parent, UINT id, POINT origin, const ChildFont& font,
                       const std::string& text);

// Places the child window anew, as createChildWindow placed it, at the font's DPI, and repaints it.
void placeChildWindow(HWND window, const LayoutRow& row, POINT origin, const ChildFont& font);

// The text a control shows: what the program last gave a label or a field,
// else its row's caption.
std::string shownText(const Control& control);

// The program's change shown in the child window, where its kind of control
// has that aspect; no notification of it reaches the logic as a user's act.
void showChange(HWND window, const Control& control, Aspect aspect, const ChildFont& font);

} // namespace orvane
