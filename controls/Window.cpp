#include "controls/Window.h"

#include "controls/Dispatch.h"

#include <stdexcept>

namespace orvane {
namespace {

std::unique_ptr<Control> makeControl(const ControlSpec& spec)
{
    switch (spec.kind) {
    case ControlKind::GroupBox:
    case ControlKind::Label:
    case ControlKind::Menu:
    case ControlKind::Separator: return std::make_unique<LabelControl>(spec);
    case ControlKind::CheckBox: return std::make_unique<CheckControl>(spec);
    case ControlKind::Slider: return std::make_unique<SliderControl>(spec);
    case ControlKind::DropDownList: return std::make_unique<ListControl>(spec);
    case ControlKind::Edit: return std::make_unique<EditControl>(spec);
    case ControlKind::Button:
    case ControlKind::Image:
    case ControlKind::MenuItem: return std::make_unique<ButtonControl>(spec);
    case ControlKind::StatusBar: return std::make_unique<StatusBarControl>(spec);
    }
    throw std::logic_error("unknown control kind of " + spec.name);
}

} // namespace

int controlId(const WindowSpec& window, const std::string& name)
{
    for (size_t i = 0; i < window.controls.size(); ++i)
        if (window.controls[i].name == name)
            return FirstControlId + static_cast<int>(i);
    throw std::logic_error("no control " + name + " in " + window.name);
}

Window::Window(const WindowSpec& spec) : spec_(spec)
{
    for (const ControlSpec& row : spec.controls) {
        controls_.push_back(makeControl(row));
        if (!byName_.emplace(row.name, controls_.back().get()).second)
            throw std::logic_error("control " + row.name + " twice in " + spec.name);
    }
}

Control& Window::control(std::string_view name) const
{
    const auto found = byName_.find(name);
    if (found == byName_.end())
        throw std::logic_error("no control " + std::string(name) + " in " + spec_.name);
    return *found->second;
}

void Window::bind(std::string_view handler, const std::function<void()>& run)
{
    bool bound = false;
    for (const auto& control : controls_) {
        if (control->spec().handler == handler) {
            control->setHandler(run);
            bound = true;
        }
    }
    if (!bound)
        throw std::logic_error("no control of " + spec_.name + " raises " + std::string(handler));
}

void Window::show(const Window* over)
{
    visible_ = true;
    if (view_)
        view_->show(over);
}

void Window::hide()
{
    visible_ = false;
    if (view_)
        view_->hide();
}

void Window::setEnabled(bool enabled)
{
    enabled_ = enabled;
    if (view_)
        view_->setEnabled(enabled);
}

void Window::userClose()
{
    if (onClose_)
        dispatchEvent(onClose_);
}

} // namespace orvane
