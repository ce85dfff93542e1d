#include "controls/Window.h"

#include "controls/TranslatedLayout.h"

#include <stdexcept>

namespace orvane {
namespace {

std::unique_ptr<Control> makeControl(const LayoutRow& row, EventDispatcher& dispatcher)
{
    switch (row.kind) {
    case ControlKind::GroupBox:
    case ControlKind::Label:
    case ControlKind::Menu:
    case ControlKind::Separator: return std::make_unique<LabelControl>(row, dispatcher);
    case ControlKind::CheckBox: return std::make_unique<CheckControl>(row, dispatcher);
    case ControlKind::Slider: return std::make_unique<SliderControl>(row, dispatcher);
    case ControlKind::DropDownList:
    case ControlKind::ListBox: return std::make_unique<ListControl>(row, dispatcher);
    case ControlKind::Edit: return std::make_unique<EditControl>(row, dispatcher);
    case ControlKind::Button:
    case ControlKind::Image:
    case ControlKind::Link:
    case ControlKind::MenuItem: return std::make_unique<ButtonControl>(row, dispatcher);
    case ControlKind::StatusBar: return std::make_unique<StatusBarControl>(row, dispatcher);
    }
    throw std::logic_error("unknown control kind of " + row.name);
}

} // namespace

int controlId(const WindowLayout& window, const std::string& name)
{
    for (size_t i = 0; i < window.controls.size(); ++i)
        if (window.controls[i].name == name)
            return FirstControlId + static_cast<int>(i);
    throw std::logic_error("no control " + name + " in " + window.name);
}

Window::Window(const WindowLayout& layout, EventDispatcher& dispatcher, const Texts& texts)
    : layout_(translated(layout, texts)),
      dispatcher_(dispatcher)
{
    for (const LayoutRow& row : layout_.controls) {
        controls_.push_back(makeControl(row, dispatcher));
        if (!byName_.emplace(row.name, controls_.back().get()).second)
            throw std::logic_error("control " + row.name + " twice in " + layout_.name);
    }
}

Control& Window::control(std::string_view name) const
{
    const auto found = byName_.find(name);
    if (found == byName_.end())
        throw std::logic_error("no control " + std::string(name) + " in " + layout_.name);
    return *found->second;
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
        dispatcher_.dispatch(onClose_);
}

} // namespace orvane
