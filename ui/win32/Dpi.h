#pragma once
// A window's DPI and the system's measures at a DPI. The calls that take a
// DPI came with Windows 10 1607; before it the process has the system's one
// DPI, and the plain calls give its measures.
#include "controls/LayoutScale.h"

#include <windows.h>

namespace orvane {

int dpiOf(HWND window);
// GetSystemMetrics at that DPI.
int systemMetric(int index, int dpi);
// The size of a window whose client area is that size, with that frame.
SIZE frameSize(SIZE client, DWORD style, DWORD exStyle, bool menu, int dpi);

} // namespace orvane
