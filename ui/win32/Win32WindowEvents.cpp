// The user's acts on a window and its controls, reported to the logic, and
// the system's messages about the window's place and scale.
#include "ui/win32/Win32ControlHandle.h"
#include "ui/win32/Win32Text.h"
#include "ui/win32/Win32Window.h"

#include <commctrl.h>

#include <algorithm>

namespace orvane {
namespace {

// WM_GETDPISCALEDSIZE, which these headers do not know yet.
constexpr UINT DpiScaledSizeQuery = 0x02E4;

} // namespace

void Win32Window::onCommand(UINT id, UINT code, HWND from)
{
    if (id == IDCANCEL && !model_.layout().mainWindow) {
        model_.userClose(); // Escape
        return;
    }
    if (id == IDOK) { // Enter opens the entry of a list box that has the focus
        const auto focused = controls_.find(static_cast<UINT>(GetDlgCtrlID(GetFocus())));
        if (focused != controls_.end() && focused->second->control.row().kind == ControlKind::ListBox) {
            auto& list = static_cast<ListControl&>(focused->second->control);
            list.userOpen(static_cast<int>(SendMessageW(focused->second->window, LB_GETCURSEL, 0, 0)));
        }
        return;
    }
    const auto found = controls_.find(id);
    if (found == controls_.end() || found->second->updating)
        return;
    Control& control = found->second->control;
    switch (control.row().kind) {
    case ControlKind::MenuItem:
        if (!from)
            static_cast<ButtonControl&>(control).userClick();
        break;
    case ControlKind::Button:
    case ControlKind::CheckBox:
        if (code == BN_CLICKED) {
            if (auto* box = dynamic_cast<CheckControl*>(&control))
                box->userClick();
            else
                static_cast<ButtonControl&>(control).userClick();
        }
        break;
    case ControlKind::Image:
    case ControlKind::Link:
        if (code == STN_CLICKED)
            static_cast<ButtonControl&>(control).userClick();
        break;
    case ControlKind::DropDownList:
        if (code == CBN_SELCHANGE)
            static_cast<ListControl&>(control).userSelect(static_cast<int>(SendMessageW(from, CB_GETCURSEL, 0, 0)));
        break;
    case ControlKind::ListBox: {
        auto& list = static_cast<ListControl&>(control);
        const int index = static_cast<int>(SendMessageW(from, LB_GETCURSEL, 0, 0));
        if (code == LBN_SELCHANGE)
            list.userHighlight(index);
        else if (code == LBN_DBLCLK)
            list.userOpen(index);
        break;
    }
    case ControlKind::Edit:
        if (code == EN_CHANGE)
            static_cast<EditControl&>(control).userEdit(windowText(from));
        break;
    default: break;
    }
}

LRESULT CALLBACK Win32Window::linkProcedure(HWND link, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                            DWORD_PTR data)
{
    auto* self = reinterpret_cast<Win32Window*>(data);
    if (message == WM_MOUSEMOVE && self->hotLink_ != link) {
        self->hotLink_ = link;
        TRACKMOUSEEVENT leave{sizeof(leave), TME_LEAVE, link, 0};
        TrackMouseEvent(&leave);
        SendMessageW(link, WM_SETFONT, reinterpret_cast<WPARAM>(self->fonts_.at(self->dpi_).hotLink), TRUE);
    } else if (message == WM_MOUSELEAVE && self->hotLink_ == link) {
        self->hotLink_ = nullptr;
        SendMessageW(link, WM_SETFONT, reinterpret_cast<WPARAM>(self->fonts_.at(self->dpi_).link), TRUE);
    }
    return DefSubclassProc(link, message, wParam, lParam);
}

LRESULT Win32Window::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    // Moved to a monitor of another scale: what the player typed and chose
    // stays in the controls, only their places and fonts change.
    if (message == DpiScaledSizeQuery) {
        *reinterpret_cast<SIZE*>(lParam) = frameAt(static_cast<int>(wParam));
        return TRUE;
    }
    // The system holds a window to the screen's size; a scaled one may be larger.
    if (message == WM_GETMINMAXINFO) {
        auto& limits = *reinterpret_cast<MINMAXINFO*>(lParam);
        const SIZE frame = frameAt(dpi_);
        limits.ptMaxTrackSize.x = std::max<LONG>(limits.ptMaxTrackSize.x, frame.cx);
        limits.ptMaxTrackSize.y = std::max<LONG>(limits.ptMaxTrackSize.y, frame.cy);
        return 0;
    }
    if (message == WM_DPICHANGED) {
        dpi_ = HIWORD(wParam);
        const RECT suggested = *reinterpret_cast<const RECT*>(lParam);
        layOut();
        placeFrame(suggested);
        return 0;
    }
    if (message == WM_SIZE && wParam != SIZE_MINIMIZED)
        arrangeClient();
    if (message == WM_MOUSEWHEEL && scrolled_)
        return SendMessageW(scrolled_->view(), message, wParam, lParam);
    if (!toolkit_.closing) {
        switch (message) {
        case WM_COMMAND: onCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)); return 0;
        case WM_HSCROLL:
            if (lParam) {
                const auto id = static_cast<UINT>(GetDlgCtrlID(reinterpret_cast<HWND>(lParam)));
                const auto found = controls_.find(id);
                if (found != controls_.end() && !found->second->updating) {
                    const int position =
                        static_cast<int>(SendMessageW(reinterpret_cast<HWND>(lParam), TBM_GETPOS, 0, 0));
                    auto& slider = static_cast<SliderControl&>(found->second->control);
                    if (position != slider.position())
                        slider.userMove(position);
                }
            }
            return 0;
        case WM_CLOSE: model_.userClose(); return 0;
        case WM_CTLCOLORSTATIC:
            if (const auto found = controls_.find(static_cast<UINT>(GetDlgCtrlID(reinterpret_cast<HWND>(lParam))));
                found != controls_.end() && found->second->control.row().kind == ControlKind::Link) {
                auto* context = reinterpret_cast<HDC>(wParam);
                const bool hot = reinterpret_cast<HWND>(lParam) == hotLink_;
                SetTextColor(context, hot ? RGB(255, 0, 0) : RGB(0, 0, 255));
                SetBkColor(context, GetSysColor(COLOR_BTNFACE));
                return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
            }
            break;
        default: break;
        }
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

} // namespace orvane
