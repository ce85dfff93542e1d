#include "ui/win32/Win32ToolTips.h"

#include "ui/win32/Win32Text.h"

#include <commctrl.h>

namespace orvane {

void showControlTip(HWND tips, HWND topLevel, HWND control, const std::string& hint, bool& added)
{
    if (hint.empty() && !added)
        return;
    std::wstring text = wide(hint);
    TOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = topLevel;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = text.data();
    SendMessageW(tips, added ? TTM_UPDATETIPTEXTW : TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    added = true;
}

void showPanelTips(HWND tips, HWND bar, const StatusBarControl& model, bool& added)
{
    for (size_t i = 0; i < model.row().panelWidths.size(); ++i) {
        const int panel = static_cast<int>(i);
        std::wstring text = wide(model.panelHint(panel).empty() ? model.panelText(panel) : model.panelHint(panel));
        TOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.uFlags = 0;
        tool.hwnd = bar;
        tool.uId = i;
        SendMessageW(bar, SB_GETRECT, i, reinterpret_cast<LPARAM>(&tool.rect));
        tool.lpszText = text.data();
        SendMessageW(tips, added ? TTM_SETTOOLINFOW : TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    added = true;
}

void relayToTips(HWND tips, const MSG& message)
{
    if (message.message >= WM_MOUSEFIRST && message.message <= WM_MOUSELAST)
        SendMessageW(tips, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&message));
}

} // namespace orvane
