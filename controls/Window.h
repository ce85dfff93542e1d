#pragma once
// A window as the logic sees it: its controls, built from its layout table,
// found by name, and whether it is shown and enabled.
#include "controls/Controls.h"
#include "controls/Layout.h"
#include "language/Texts.h"

#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace orvane {

class Window;

// A toolkit's window: shows, hides, enables, and reports its close button.
class WindowView {
public:
    virtual ~WindowView() = default;
    // over: the window to centre on; none for the desktop.
    virtual void show(const Window* over) = 0;
    virtual void hide() = 0;
    virtual void setEnabled(bool enabled) = 0;
};

class Window {
public:
    // The window in the language of texts (English by default).
    Window(const WindowLayout& layout, EventDispatcher& dispatcher, const Texts& texts = Texts());
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    const WindowLayout& layout() const { return layout_; }
    const std::string& name() const { return layout_.name; }

    template <class Kind>
    Kind& get(std::string_view name) const;
    LabelControl& label(std::string_view name) const { return get<LabelControl>(name); }
    ButtonControl& button(std::string_view name) const { return get<ButtonControl>(name); }
    CheckControl& check(std::string_view name) const { return get<CheckControl>(name); }
    SliderControl& slider(std::string_view name) const { return get<SliderControl>(name); }
    EditControl& edit(std::string_view name) const { return get<EditControl>(name); }
    ListControl& list(std::string_view name) const { return get<ListControl>(name); }
    StatusBarControl& statusBar(std::string_view name) const { return get<StatusBarControl>(name); }
    Control& control(std::string_view name) const;
    // In the order of the layout table.
    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }

    // Gives every control whose row names a handler that member of the owner
    // of its class. A handler of another class is a mistake of the table:
    // logic_error.
    template <class... Owners>
    void bindHandlers(Owners&... owners);

    bool visible() const { return visible_; }
    bool enabled() const { return enabled_; }
    void show(const Window* over = nullptr);
    void hide();
    void setEnabled(bool enabled);
    // The title bar's close button, Alt+F4 or the window manager: the toolkit reports it.
    void userClose();
    void setOnClose(std::function<void()> onClose) { onClose_ = std::move(onClose); }

    void attach(WindowView* view) { view_ = view; }

private:
    const WindowLayout layout_;
    EventDispatcher& dispatcher_;
    std::vector<std::unique_ptr<Control>> controls_;
    std::map<std::string, Control*, std::less<>> byName_;
    bool visible_ = false;
    bool enabled_ = true;
    WindowView* view_ = nullptr;
    std::function<void()> onClose_;
};

template <class Kind>
Kind& Window::get(std::string_view name) const
{
    auto* control = dynamic_cast<Kind*>(&this->control(name));
    if (!control)
        throw std::logic_error("control " + std::string(name) + " of " + layout_.name + " is of another kind");
    return *control;
}

template <class... Owners>
void Window::bindHandlers(Owners&... owners)
{
    for (const auto& control : controls_) {
        const Handler handler = control->row().handler;
        if (!handler)
            continue;
        std::function<void()> run;
        const auto bindTo = [&](auto& owner) {
            if (handler.belongsTo<std::remove_reference_t<decltype(owner)>>())
                run = [&owner, handler] { handler.run(&owner); };
        };
        (bindTo(owners), ...);
        if (!run)
            throw std::logic_error("the handler of " + control->name() + " in " + layout_.name +
                                   " belongs to another window's logic");
        control->setHandler(std::move(run));
    }
}

} // namespace orvane
