#include "ui/win32/Win32Toolkit.h"

#include "ui/win32/Win32Window.h"

#include <commctrl.h>

namespace orvane {

Win32Toolkit::Win32Toolkit()
{
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_BAR_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
}

Win32Toolkit::~Win32Toolkit()
{
    closing_ = true;
    while (!windows_.empty())
        windows_.pop_back();
}

// A window whose native window is made when it is first shown (or asked
// for): a dialog's controls cost the start a share of its time, and most
// runs open no dialog; the main window's controls, made once the program
// has filled them, show its values from the first without being changed
// one by one. Once made, the native window takes the model's calls.
class Win32Toolkit::Realised : public WindowView {
public:
    Realised(Window& model, Win32Toolkit& toolkit, Realised* owner) : model_(model), toolkit_(toolkit), owner_(owner)
    {
        model_.attach(this);
    }
    Win32Window& made()
    {
        if (!window_)
            window_ = std::make_unique<Win32Window>(
                model_, ToolkitLinks{[this](const Window& other) { return toolkit_.handle(other); }, toolkit_.closing_},
                owner_ ? owner_->made().handle() : nullptr, toolkit_.fonts_, toolkit_.measure_);
        return *window_;
    }
    Win32Window* ifMade() const { return window_.get(); }
    const Window& model() const { return model_; }

    void show(const Window* over) override { made().show(over); }
    void hide() override {}
    void setEnabled(bool enabled) override { made().setEnabled(enabled); }

private:
    Window& model_;
    Win32Toolkit& toolkit_;
    Realised* owner_;
    std::unique_ptr<Win32Window> window_;
};

void Win32Toolkit::realise(Window& window)
{
    // The dialogs belong to the main window, which is realised first.
    windows_.push_back(std::make_unique<Realised>(window, *this, windows_.empty() ? nullptr : windows_.front().get()));
}

void Win32Toolkit::quit()
{
    PostQuitMessage(0);
}

HWND Win32Toolkit::handle(const Window& window) const
{
    for (const auto& realised : windows_)
        if (&realised->model() == &window)
            return realised->made().handle();
    return nullptr;
}

void Win32Toolkit::run()
{
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        HWND topLevel = GetAncestor(message.hwnd, GA_ROOT);
        bool handled = false;
        for (const auto& realised : windows_) {
            const Win32Window* made = realised->ifMade();
            if (!made || made->handle() != topLevel)
                continue;
            made->beforeDispatch(message);
            // Shortcuts work from every control of an enabled window.
            handled = made->accelerators() && IsWindowEnabled(topLevel) &&
                      TranslateAcceleratorW(topLevel, made->accelerators(), &message);
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
