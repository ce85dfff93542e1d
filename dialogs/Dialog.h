#pragma once
// A dialog: shown over the disabled main window without being modal, and
// left through its buttons. However it leaves the screen (also by Escape or
// the window manager), the main window is enabled again.
#include "context/Context.h"
#include "controls/Window.h"

namespace orvane {

class Dialog {
public:
    Dialog(const WindowLayout& layout, Context& context);
    virtual ~Dialog() = default;
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    Window& window() { return window_; }

protected:
    // Shows the dialog centred over the (already disabled) main window.
    void open(Window& mainWindow);
    // Enables the main window and hides the dialog.
    void close();

    Context& context_;
    Window window_;

private:
    Window* mainWindow_ = nullptr;
};

} // namespace orvane
