#pragma once
// One realised window: a top-level window with its controls placed in
// client coordinates, in keyboard order, at the DPI of the monitor it stands
// on. The main window's controls stand on a view that scrolls where the
// window does not fit the monitor's work area; a dialog's are its children.
#include "controls/LayoutScale.h"
#include "controls/Window.h"
#include "ui/win32/LayoutFont.h"
#include "ui/win32/ScrolledClient.h"
#include "ui/win32/TextMeasure.h"

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace orvane {

class Win32ControlHandle;
struct ChildFont;

// What a window asks of the toolkit that made it.
struct ToolkitLinks {
    // The native window of another window, to centre a dialog on.
    std::function<HWND(const Window&)> handleOf;
    // Set while the toolkit takes the windows down: no events reach the logic then.
    const bool& closing;
};

class Win32Window : public WindowView {
public:
    Win32Window(Window& model, ToolkitLinks toolkit, HWND owner, LayoutFonts& fonts, TextMeasure& measure);
    ~Win32Window() override;

    HWND handle() const { return window_; }
    const Window& model() const { return model_; }
    HACCEL accelerators() const { return accelerators_; }
    // A message from the queue for this window or one of its controls, before it is dispatched.
    void beforeDispatch(const MSG& message) const;

    void show(const Window* over) override;
    void hide() override;
    void setEnabled(bool enabled) override;

    // The window procedure's work for this window.
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    void createControls();
    void createMenu();
    void createControl(Control& control);
    // The window's own font and its tips' width at its DPI.
    void scaleOwnParts();
    // Places every control at the window's DPI, in that DPI's fonts.
    void layOut();
    void placeControl(Win32ControlHandle& handle);
    // The font of a control's child window at the window's DPI (a link's as it is under the pointer or not).
    ChildFont fontFor(const LayoutRow& row, HWND window) const;
    DWORD style() const;
    DWORD exStyle() const;
    // The frame around the client area at that DPI.
    SIZE frameAt(int dpi) const;
    // A dialog's frame where it is wanted. The main window's whole frame at
    // the wanted corner, kept to the work area of the monitor there: cut to
    // it, with scroll bars, where it does not fit.
    void placeFrame(const RECT& wanted);
    // The status bar along the bottom of the main window, the view of its controls above it.
    void arrangeClient();
    // The main window's controls put on a content that scrolls, from when
    // its frame is first cut to the screen on: a window that fits holds
    // them itself, as cheaply as any.
    void scrollControls();
    void onCommand(UINT id, UINT code, HWND from);
    static LRESULT CALLBACK linkProcedure(HWND link, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                          DWORD_PTR window);

    Window& model_;
    ToolkitLinks toolkit_;
    LayoutFonts& fonts_;
    TextMeasure& measure_;
    int dpi_ = LayoutDpi;
    HWND hotLink_ = nullptr;
    HWND window_ = nullptr;
    HWND toolTips_ = nullptr;
    std::unique_ptr<ScrolledClient> scrolled_;
    HWND statusBar_ = nullptr;
    HMENU menuBar_ = nullptr;
    HACCEL accelerators_ = nullptr;
    std::map<UINT, std::unique_ptr<Win32ControlHandle>> controls_;
    std::map<std::string, HMENU> menus_;
};

} // namespace orvane
