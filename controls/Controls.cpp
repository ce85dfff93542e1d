#include "controls/Controls.h"

#include <algorithm>

namespace orvane {

void Control::setEnabled(bool enabled)
{
    if (enabled_ == enabled)
        return;
    enabled_ = enabled;
    changed(Aspect::Enabled);
}

void Control::setFocus()
{
    changed(Aspect::Focus);
}

void Control::setHint(const std::string& hint)
{
    if (hint_ == hint)
        return;
    hint_ = hint;
    changed(Aspect::Hint);
}

void Control::attach(ControlView* view)
{
    view_ = view;
}

void Control::setHandler(std::function<void()> handler)
{
    handler_ = std::move(handler);
    changed(Aspect::Enabled);
}

void Control::changed(Aspect aspect)
{
    if (view_)
        view_->refresh(*this, aspect);
}

void Control::raise()
{
    if (handler_)
        handler_();
}

void Control::raiseFromUser()
{
    if (handler_)
        dispatcher_.dispatch(handler_);
}

void LabelControl::setCaption(const std::string& caption)
{
    if (caption_ == caption)
        return;
    caption_ = caption;
    changed(Aspect::Caption);
}

void ButtonControl::userClick()
{
    if (acceptsUser())
        raiseFromUser();
}

void CheckControl::setChecked(bool checked)
{
    if (checked_ == checked)
        return;
    checked_ = checked;
    changed(Aspect::Checked);
}

void CheckControl::userClick()
{
    if (!acceptsUser())
        return;
    setChecked(!checked_);
    raiseFromUser();
}

void SliderControl::setPosition(int position)
{
    position = std::clamp(position, row().minimum, row().maximum);
    if (position_ == position)
        return;
    position_ = position;
    changed(Aspect::Position);
    raise();
}

void SliderControl::userMove(int position)
{
    if (acceptsUser())
        dispatchFromUser([this, position] { setPosition(position); });
}

void EditControl::setText(const std::string& text)
{
    if (text_ == text)
        return;
    text_ = text;
    changed(Aspect::Text);
    raise();
}

void EditControl::userEdit(const std::string& text)
{
    if (acceptsUser())
        dispatchFromUser([this, text] { setText(text); });
}

std::string ListControl::text() const
{
    return selected_ >= 0 && selected_ < count() ? items_[static_cast<size_t>(selected_)] : std::string();
}

void ListControl::clear()
{
    items_.clear();
    selected_ = None;
    changed(Aspect::Items);
}

void ListControl::addItems(const std::vector<std::string>& items)
{
    items_.insert(items_.end(), items.begin(), items.end());
    changed(Aspect::Items);
}

void ListControl::select(int index)
{
    if (index < 0 || index >= count())
        index = None;
    if (selected_ == index)
        return;
    selected_ = index;
    changed(Aspect::Selection);
}

void ListControl::userSelect(int index)
{
    if (!acceptsUser() || index < 0 || index >= count())
        return;
    select(index);
    raiseFromUser();
}

void ListControl::userHighlight(int index)
{
    if (acceptsUser())
        select(index);
}

void ListControl::userOpen(int index)
{
    if (!acceptsUser() || index < 0 || index >= count())
        return;
    select(index);
    raiseFromUser();
}

void StatusBarControl::setPanelText(int panel, const std::string& text)
{
    texts_.at(static_cast<size_t>(panel)) = text;
    changed(Aspect::Panels);
}

void StatusBarControl::setPanelHint(int panel, const std::string& hint)
{
    hints_.at(static_cast<size_t>(panel)) = hint;
    changed(Aspect::Panels);
}

} // namespace orvane
