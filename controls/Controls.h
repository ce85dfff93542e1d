#pragma once
// The controls as the logic sees them: each holds its state under the name
// of its layout row, tells the toolkit's view what the program changed and
// raises its handler by the one set of event rules every toolkit shares:
// - a list raises only on the user's selection, a check box only on the
//   user's click, a button, image or menu item on the user's click;
// - a slider raises whenever its position changes, a user's or the program's;
// - an edit raises whenever its text changes, also by the program;
// - the program's changes of items, selections, checks, captions and enabled
//   states raise nothing.
#include "controls/Dispatch.h"
#include "controls/Layout.h"

#include <functional>
#include <string>
#include <vector>

namespace orvane {

class Control;

enum class Aspect { Enabled, Caption, Items, Selection, Checked, Position, Text, Focus, Panels, Hint };

// A toolkit's control: shows what the program changed.
class ControlView {
public:
    virtual ~ControlView() = default;
    virtual void refresh(const Control& control, Aspect aspect) = 0;
};

class Control {
public:
    Control(const LayoutRow& row, EventDispatcher& dispatcher) : row_(row), hint_(row.hint), dispatcher_(dispatcher) {}
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const LayoutRow& row() const { return row_; }
    const std::string& name() const { return row_.name; }

    // A control whose handler the program does not have yet stays disabled.
    bool enabled() const { return enabled_ && available(); }
    // What the program last set, whether or not the handler exists yet.
    bool enabledByProgram() const { return enabled_; }
    bool available() const { return !row_.handler || static_cast<bool>(handler_); }
    void setEnabled(bool enabled);
    void setFocus();
    // The tool tip; the layout's hint until the program changes it.
    const std::string& hint() const { return hint_; }
    void setHint(const std::string& hint);

    void attach(ControlView* view);
    void setHandler(std::function<void()> handler);

protected:
    void changed(Aspect aspect);
    // The program's change: the handler runs inside the command that made it.
    void raise();
    // The user's: one event, dispatched as a command of its own.
    void raiseFromUser();
    // Runs the user's change of the control's state as a command of its own.
    void dispatchFromUser(const std::function<void()>& change) { dispatcher_.dispatch(change); }
    bool acceptsUser() const { return enabled(); }

private:
    const LayoutRow& row_;
    std::string hint_;
    EventDispatcher& dispatcher_;
    bool enabled_ = true;
    ControlView* view_ = nullptr;
    std::function<void()> handler_;
};

// Group boxes, labels: a caption and nothing the user can do.
class LabelControl : public Control {
public:
    LabelControl(const LayoutRow& row, EventDispatcher& dispatcher) : Control(row, dispatcher), caption_(row.caption) {}
    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& caption);

private:
    std::string caption_;
};

// Buttons, images and menu items.
class ButtonControl : public Control {
public:
    using Control::Control;
    void userClick();
};

class CheckControl : public Control {
public:
    using Control::Control;
    bool checked() const { return checked_; }
    void setChecked(bool checked);
    void userClick();

private:
    bool checked_ = false;
};

class SliderControl : public Control {
public:
    SliderControl(const LayoutRow& row, EventDispatcher& dispatcher) : Control(row, dispatcher), position_(row.minimum)
    {}
    int position() const { return position_; }
    // Clamped to the slider's range.
    void setPosition(int position);
    void userMove(int position);

private:
    int position_;
};

class EditControl : public Control {
public:
    using Control::Control;
    const std::string& text() const { return text_; }
    // The program's text is taken whole; the length limit is for typing.
    void setText(const std::string& text);
    // What the user's typing or deleting left in the field.
    void userEdit(const std::string& text);

private:
    std::string text_;
};

class ListControl : public Control {
public:
    static constexpr int None = -1;
    ListControl(const LayoutRow& row, EventDispatcher& dispatcher) : Control(row, dispatcher), items_(row.items) {}
    const std::vector<std::string>& items() const { return items_; }
    int count() const { return static_cast<int>(items_.size()); }
    int selected() const { return selected_; }
    // The selected item's text; empty when none is selected.
    std::string text() const;
    void clear();
    // Appends; the selection stays where it was.
    void addItems(const std::vector<std::string>& items);
    void select(int index); // None or out of range: nothing selected
    void userSelect(int index);
    // A list box: the user's click only highlights; a double click or Enter opens.
    void userHighlight(int index);
    void userOpen(int index);

private:
    std::vector<std::string> items_;
    int selected_ = None;
};

class StatusBarControl : public Control {
public:
    StatusBarControl(const LayoutRow& row, EventDispatcher& dispatcher)
        : Control(row, dispatcher),
          texts_(row.panelWidths.size()),
          hints_(row.panelWidths.size())
    {}
    const std::string& panelText(int panel) const { return texts_.at(static_cast<size_t>(panel)); }
    void setPanelText(int panel, const std::string& text);
    // A panel's tool tip; empty for none.
    const std::string& panelHint(int panel) const { return hints_.at(static_cast<size_t>(panel)); }
    void setPanelHint(int panel, const std::string& hint);

private:
    std::vector<std::string> texts_;
    std::vector<std::string> hints_;
};

} // namespace orvane
