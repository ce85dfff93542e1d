#pragma once
// A window of orvane.exe measured from outside against its layout at a DPI.
#include "controls/Layout.h"

#include <windows.h>

namespace orvane::test {

RECT clientOf(HWND window);
// A control's place in its window's client area.
RECT placeIn(HWND window, HWND control);

// The client area (the main window's scrolled content, which the window
// shows whole where it fits the screen) is the layout's times the scale, each control stands
// where the layout puts it, scaled, inside the box that holds it and clear
// of the control beside it; each caption fits, each list shows its widest
// item beside its arrow, each check box its whole square, each picture
// is drawn at the scaled size. Failures are reported as test failures.
void expectLaidOutAt(HWND window, const WindowLayout& layout, int dpi);

} // namespace orvane::test
