#include "ui/win32/ScrolledClient.h"

#include "ui/win32/Dpi.h"

#include <commctrl.h>

#include <algorithm>

namespace orvane {
namespace {

constexpr wchar_t ViewClass[] = L"OrvaneView";
constexpr wchar_t ContentClass[] = L"OrvaneContent";
// A line of the scroll bars' arrows and of the wheel, in the layout's pixels.
constexpr int LineStep = 24;

void registerClasses(WNDPROC procedure)
{
    static const bool registered = [procedure] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = ViewClass;
        const bool view = RegisterClassExW(&windowClass) != 0;
        windowClass.lpszClassName = ContentClass;
        return view && RegisterClassExW(&windowClass) != 0;
    }();
    (void)registered;
}

// What a control tells its parent, which the top-level window answers.
bool isControlsNotice(UINT message, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_DRAWITEM:
    case WM_MEASUREITEM: return true;
    case WM_HSCROLL:
    case WM_VSCROLL: return lParam != 0; // from a slider, not the window's own scroll bar
    default: return false;
    }
}

} // namespace

ScrolledClient::ScrolledClient(HWND topLevel) : topLevel_(topLevel)
{
    registerClasses(procedure);
    // Tab and the mnemonics go through both, as through the top-level window.
    view_ = CreateWindowExW(WS_EX_CONTROLPARENT, ViewClass, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 0,
                            0, topLevel, nullptr, GetModuleHandleW(nullptr), this);
    content_ = CreateWindowExW(WS_EX_CONTROLPARENT, ContentClass, nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, view_,
                               nullptr, GetModuleHandleW(nullptr), this);
}

LRESULT CALLBACK ScrolledClient::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    auto* self = reinterpret_cast<ScrolledClient*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self && isControlsNotice(message, lParam))
        return SendMessageW(self->topLevel_, message, wParam, lParam);
    if (self && window == self->view_)
        return self->viewMessage(message, wParam, lParam);
    // The wheel over a control that does not take it scrolls the view.
    if (self && message == WM_MOUSEWHEEL)
        return SendMessageW(self->view_, message, wParam, lParam);
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT ScrolledClient::viewMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SIZE: updateBars(); return 0;
    case WM_HSCROLL: scrollBy(SB_HORZ, LOWORD(wParam)); return 0;
    case WM_VSCROLL: scrollBy(SB_VERT, LOWORD(wParam)); return 0;
    case WM_MOUSEWHEEL: {
        UINT lines = 3;
        SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
        wheelRest_ += GET_WHEEL_DELTA_WPARAM(wParam);
        const int notches = wheelRest_ / WHEEL_DELTA;
        wheelRest_ -= notches * WHEEL_DELTA;
        const int step = scaledToDpi(LineStep, dpiOf(view_));
        scrollTo({position_.x, position_.y - notches * static_cast<int>(lines) * step});
        return 0;
    }
    default: return DefWindowProcW(view_, message, wParam, lParam);
    }
}

void ScrolledClient::setContent(SIZE whole, SIZE shown)
{
    shown_ = shown;
    SetWindowPos(content_, nullptr, -position_.x, -position_.y, whole.cx, whole.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    updateBars();
}

void ScrolledClient::place(const RECT& room)
{
    SetWindowPos(view_, nullptr, room.left, room.top, room.right - room.left, room.bottom - room.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void ScrolledClient::updateBars()
{
    // Showing or hiding a bar resizes the view, which comes back here with the room left.
    RECT view;
    GetClientRect(view_, &view);
    SCROLLINFO across{sizeof(across), SIF_RANGE | SIF_PAGE, 0, shown_.cx - 1, static_cast<UINT>(view.right)};
    SetScrollInfo(view_, SB_HORZ, &across, TRUE);
    SCROLLINFO down{sizeof(down), SIF_RANGE | SIF_PAGE, 0, shown_.cy - 1, static_cast<UINT>(view.bottom)};
    SetScrollInfo(view_, SB_VERT, &down, TRUE);
    scrollTo(position_);
}

void ScrolledClient::scrollTo(POINT wanted)
{
    RECT view;
    GetClientRect(view_, &view);
    const POINT position{std::clamp<LONG>(wanted.x, 0, std::max<LONG>(0, shown_.cx - view.right)),
                         std::clamp<LONG>(wanted.y, 0, std::max<LONG>(0, shown_.cy - view.bottom))};
    SetScrollPos(view_, SB_HORZ, position.x, TRUE);
    SetScrollPos(view_, SB_VERT, position.y, TRUE);
    if (position.x == position_.x && position.y == position_.y)
        return;
    position_ = position;
    // Drawn anew: Wine copies the bits of a child moved within a window
    // larger than the screen from where they never were drawn.
    SetWindowPos(content_, nullptr, -position.x, -position.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
}

void ScrolledClient::scrollBy(int bar, WORD request)
{
    SCROLLINFO info{sizeof(info), SIF_ALL};
    GetScrollInfo(view_, bar, &info);
    const int line = scaledToDpi(LineStep, dpiOf(view_));
    const int page = static_cast<int>(info.nPage);
    int target = info.nPos;
    switch (request) {
    case SB_LINEUP: target -= line; break;
    case SB_LINEDOWN: target += line; break;
    case SB_PAGEUP: target -= page; break;
    case SB_PAGEDOWN: target += page; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: target = info.nTrackPos; break;
    case SB_TOP: target = 0; break;
    case SB_BOTTOM: target = info.nMax; break;
    default: return;
    }
    scrollTo(bar == SB_HORZ ? POINT{target, position_.y} : POINT{position_.x, target});
}

void ScrolledClient::followFocus(HWND control)
{
    SetWindowSubclass(control, focusProcedure, 0, reinterpret_cast<DWORD_PTR>(this));
}

LRESULT CALLBACK ScrolledClient::focusProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                                DWORD_PTR self)
{
    if (message == WM_SETFOCUS && GetKeyState(VK_LBUTTON) >= 0 && GetKeyState(VK_RBUTTON) >= 0)
        reinterpret_cast<ScrolledClient*>(self)->bringIntoView(control);
    else if (message == WM_NCDESTROY)
        RemoveWindowSubclass(control, focusProcedure, 0);
    return DefSubclassProc(control, message, wParam, lParam);
}

void ScrolledClient::bringIntoView(HWND control)
{
    RECT place;
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, content_, reinterpret_cast<POINT*>(&place), 2);
    RECT view;
    GetClientRect(view_, &view);
    // The least move that shows it whole; where it is larger than the view, its top left corner.
    const auto into = [](LONG position, LONG start, LONG end, LONG room) {
        if (end > position + room)
            position = end - room;
        return std::min(position, start);
    };
    scrollTo({into(position_.x, place.left, place.right, view.right),
              into(position_.y, place.top, place.bottom, view.bottom)});
}

} // namespace orvane
