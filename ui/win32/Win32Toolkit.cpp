#include "ui/win32/Win32Toolkit.h"

#include "ui/win32/LayoutFont.h"
#include "ui/win32/Win32Window.h"

#include <commctrl.h>

namespace orvane {

Win32Toolkit::Win32Toolkit()
{
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_BAR_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    font_ = createLayoutFont();
}

Win32Toolkit::~Win32Toolkit()
{
    closing_ = true;
    while (!windows_.empty())
        windows_.pop_back();
    DeleteObject(font_);
}

void Win32Toolkit::realise(Window& window)
{
    // The dialogs belong to the main window, which is made first.
    HWND owner = windows_.empty() ? nullptr : windows_.front()->handle();
    windows_.push_back(std::make_unique<Win32Window>(window, *this, owner, font_));
}

void Win32Toolkit::quit()
{
    PostQuitMessage(0);
}

HWND Win32Toolkit::handle(const Window& window) const
{
    for (const auto& realised : windows_)
        if (&realised->model() == &window)
            return realised->handle();
    return nullptr;
}

void Win32Toolkit::run()
{
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        HWND topLevel = GetAncestor(message.hwnd, GA_ROOT);
        bool handled = false;
        for (const auto& realised : windows_) {
            if (realised->handle() != topLevel)
                continue;
            // Shortcuts work from every control of an enabled window.
            handled = realised->accelerators() && IsWindowEnabled(topLevel) &&
                      TranslateAcceleratorW(topLevel, realised->accelerators(), &message);
            // Tab, the arrow keys and Escape move as in a dialog.
            handled = handled || IsDialogMessageW(topLevel, &message);
        }
        if (!handled) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

} // namespace orvane
