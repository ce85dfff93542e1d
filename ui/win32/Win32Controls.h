#pragma once
// A control of the layout data as a user32 or comctl32 child window.
#include "controls/Controls.h"

#include <windows.h>

namespace orvane {

// The child window of a control, placed in the client area (group boxes
// are frames drawn around their controls, which are siblings of them).
HWND createChildWindow(const Control& control, HWND parent, POINT origin, HFONT font, UINT id);

// The program's change shown in the child window, where its kind of control
// has that aspect; no notification of it reaches the logic as a user's act.
void showChange(HWND window, const Control& control, Aspect aspect);

// The text a control's caption needs, in the window's font.
int captionWidth(HWND window, const std::string& caption);

} // namespace orvane
