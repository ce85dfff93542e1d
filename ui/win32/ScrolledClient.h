#pragma once
// A window's controls on a content window that moves inside a view with
// scroll bars: at a high scale on a small screen the window keeps to the
// monitor's work area, and what does not fit scrolls. Where all of it fits
// the view shows it whole, without scroll bars.
#include <windows.h>

namespace orvane {

class ScrolledClient {
public:
    // The view is made a child of the top-level window; the controls' notifications reach that window.
    explicit ScrolledClient(HWND topLevel);
    ScrolledClient(const ScrolledClient&) = delete;
    ScrolledClient& operator=(const ScrolledClient&) = delete;

    // The parent of the controls, in the layout's coordinates.
    HWND content() const { return content_; }
    // The window that scrolls, and takes the wheel.
    HWND view() const { return view_; }
    // The content's size, and how much of it from the top left is to be
    // seen (less what lies under the status bar).
    void setContent(SIZE whole, SIZE shown);
    // The part of the top-level window's client area the view takes.
    void place(const RECT& room);
    // Brings a control of the content wholly into view when the keyboard
    // gives it the focus (a click does not move what is being clicked).
    // Every message to it then passes through a subclass, which under Wine
    // costs a round trip to the server.
    void followFocus(HWND control);

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK focusProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                           DWORD_PTR self);
    LRESULT viewMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // The scroll bars set to the view's present size, as many as it needs.
    void updateBars();
    void scrollTo(POINT wanted);
    void scrollBy(int bar, WORD request);
    void bringIntoView(HWND control);

    HWND topLevel_;
    HWND view_ = nullptr;
    HWND content_ = nullptr;
    SIZE shown_{0, 0};
    POINT position_{0, 0};
    int wheelRest_ = 0;
};

} // namespace orvane
