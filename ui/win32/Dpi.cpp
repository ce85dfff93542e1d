#include "ui/win32/Dpi.h"

namespace orvane {
namespace {

// Looked up once: importing them would keep the program from starting on
// the Windows versions that lack them.
template <class Function>
Function* fromUser32(const char* name)
{
    return reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

using WindowDpi = UINT WINAPI(HWND);
using MetricForDpi = int WINAPI(int, UINT);
using FrameForDpi = BOOL WINAPI(RECT*, DWORD, BOOL, DWORD, UINT);

} // namespace

int dpiOf(HWND window)
{
    static WindowDpi* const forWindow = fromUser32<WindowDpi>("GetDpiForWindow");
    if (forWindow)
        return static_cast<int>(forWindow(window));
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

int systemMetric(int index, int dpi)
{
    static MetricForDpi* const forDpi = fromUser32<MetricForDpi>("GetSystemMetricsForDpi");
    return forDpi ? forDpi(index, static_cast<UINT>(dpi)) : GetSystemMetrics(index);
}

SIZE frameSize(SIZE client, DWORD style, DWORD exStyle, bool menu, int dpi)
{
    static FrameForDpi* const forDpi = fromUser32<FrameForDpi>("AdjustWindowRectExForDpi");
    RECT frame{0, 0, client.cx, client.cy};
    if (forDpi)
        forDpi(&frame, style, menu, exStyle, static_cast<UINT>(dpi));
    else
        AdjustWindowRectEx(&frame, style, menu, exStyle);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

} // namespace orvane
