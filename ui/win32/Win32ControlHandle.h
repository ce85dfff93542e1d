#pragma once
// What a window keeps of each of its controls: the native child window (or
// menu item) and the view through which the logic tells it its changes.
#include "ui/win32/Win32Controls.h"
#include "ui/win32/Win32ToolTips.h"

#include <optional>

namespace orvane {

class Win32ControlHandle : public ControlView {
public:
    Win32ControlHandle(Control& control, UINT id) : control(control), id(id) {}
    void refresh(const Control& changed, Aspect aspect) override
    {
        updating = true;
        if (menu) {
            EnableMenuItem(menu, id, MF_BYCOMMAND | (changed.enabled() ? MF_ENABLED : MF_GRAYED));
            // Redrawing the bar recomputes the whole window's frame; a hidden
            // window draws its bar as it is when shown.
            if (IsWindowVisible(topLevel))
                DrawMenuBar(topLevel);
        } else if (window && aspect == Aspect::Hint) {
            showControlTip(toolTips, topLevel, window, changed.hint(), hasToolTip);
        } else if (window) {
            showChange(window, changed, aspect, *text);
            if (aspect == Aspect::Panels)
                showPanelTips(toolTips, window, static_cast<const StatusBarControl&>(changed), panelTips);
        }
        updating = false;
    }

    Control& control;
    const UINT id;
    HWND window = nullptr;
    std::optional<ChildFont> text;
    HWND toolTips = nullptr;
    bool hasToolTip = false;
    bool panelTips = false;
    HMENU menu = nullptr; // the menu holding a menu item
    HWND topLevel = nullptr;
    // Notifications while the program changes the control are no user's acts.
    bool updating = false;
};

} // namespace orvane
