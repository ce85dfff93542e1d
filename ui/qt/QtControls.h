#pragma once
// One Qt widget (or action) per control of the layout data, showing what
// the program changes and reporting the user's acts to the control.
#include "controls/Controls.h"

#include <QObject>

#include <memory>

class QAction;
class QMainWindow;
class QMenu;
class QWidget;

namespace orvane {

class QtControlView : public ControlView {
public:
    void refresh(const Control& control, Aspect aspect) override;
    QObject* object = nullptr; // the widget, or the menu item's action
};

// Creates the widget of a control inside parent, bound to the control. The
// view must outlive the widget's connections.
QWidget* createWidget(Control& control, QWidget& parent, QtControlView& view, const WindowLayout& window);
// A menu item's action, added to the main window so that its shortcut works
// from every control.
QAction* createAction(Control& control, QMainWindow& window, QtControlView& view);

} // namespace orvane
