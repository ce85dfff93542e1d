#include "ui/win32/Win32Controls.h"

#include "controls/Elide.h"
#include "controls/Layout.h"
#include "ui/win32/Dpi.h"
#include "ui/win32/Pictures.h"
#include "ui/win32/Win32Text.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

namespace orvane {
namespace {

// What the closed list shows plus the drop-down part.
constexpr int DropDownHeight = 200;
constexpr int ButtonPadding = 8;

struct Creation {
    const wchar_t* windowClass;
    DWORD style;
    DWORD exStyle = 0;
};

Creation creationOf(const LayoutRow& row)
{
    const DWORD tab = row.tab >= 0 ? WS_TABSTOP : 0;
    const DWORD align = row.centred ? SS_CENTER : SS_LEFT;
    switch (row.kind) {
    case ControlKind::GroupBox: return {L"BUTTON", BS_GROUPBOX};
    case ControlKind::Label: return {L"STATIC", align | SS_NOPREFIX};
    case ControlKind::Link: return {L"STATIC", align | SS_NOPREFIX | SS_NOTIFY};
    case ControlKind::CheckBox: return {L"BUTTON", BS_AUTOCHECKBOX | tab};
    case ControlKind::Slider: return {TRACKBAR_CLASSW, TBS_HORZ | TBS_BOTTOM | TBS_AUTOTICKS | tab};
    case ControlKind::DropDownList: return {L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | tab};
    case ControlKind::ListBox:
        return {L"LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | tab, WS_EX_CLIENTEDGE};
    case ControlKind::Edit: return {L"EDIT", ES_AUTOHSCROLL | tab, WS_EX_CLIENTEDGE};
    case ControlKind::Button: return {L"BUTTON", BS_PUSHBUTTON | tab};
    case ControlKind::Image: return {L"STATIC", SS_BITMAP | SS_NOTIFY};
    case ControlKind::StatusBar: return {STATUSCLASSNAMEW, 0};
    default: return {nullptr, 0};
    }
}

// Room beside a caption: a check box's box, a button's edges.
int extraRoom(ControlKind kind, int dpi)
{
    switch (kind) {
    case ControlKind::CheckBox: return TextMeasure::checkBoxRoom(dpi);
    case ControlKind::Button: return scaledToDpi(ButtonPadding, dpi);
    case ControlKind::Label:
    case ControlKind::Link: return 0;
    default: return -1;
    }
}

// Drop-down lists and list boxes take the same messages under other names.
struct ListMessages {
    UINT count, reset, add, select;
};

ListMessages listMessages(const ListControl& control)
{
    if (control.row().kind == ControlKind::ListBox)
        return {LB_GETCOUNT, LB_RESETCONTENT, LB_ADDSTRING, LB_SETCURSEL};
    return {CB_GETCOUNT, CB_RESETCONTENT, CB_ADDSTRING, CB_SETCURSEL};
}

void showItems(HWND list, const ListControl& control)
{
    const ListMessages messages = listMessages(control);
    // One repaint for the whole list, not one per item; turning drawing back
    // on repaints nothing by itself. A list not on the screen (its window not
    // shown yet) has nothing to repaint, and each turn costs a round trip to
    // the window server.
    const bool shown = IsWindowVisible(list);
    if (shown)
        SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    // An empty list, as a list just made is, needs no reset, which asks for a repaint even off the screen.
    if (SendMessageW(list, messages.count, 0, 0) > 0)
        SendMessageW(list, messages.reset, 0, 0);
    for (const std::string& item : control.items())
        SendMessageW(list, messages.add, 0, reinterpret_cast<LPARAM>(wide(item).c_str()));
    SendMessageW(list, messages.select, static_cast<WPARAM>(control.selected()), 0);
    if (shown) {
        SendMessageW(list, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(list, nullptr, TRUE);
    }
}

// The width a control needs to show caption whole: its layout's, or more.
int widthFor(const LayoutRow& row, const std::wstring& caption, const ChildFont& font)
{
    const int width = scaledToDpi(row.width, font.dpi);
    const int extra = extraRoom(row.kind, font.dpi);
    if (extra < 0 || caption.empty())
        return width;
    return std::max(width, font.drawnWidth(caption) + extra);
}

// Where the control stands in the client area, and its size, at the font's DPI.
RECT placeOf(const LayoutRow& row, POINT origin, const std::wstring& caption, const ChildFont& font)
{
    const int left = scaledToDpi(origin.x + row.left, font.dpi);
    const int top = scaledToDpi(origin.y + row.top, font.dpi);
    const int height = row.kind == ControlKind::DropDownList ? DropDownHeight : row.height;
    return {left, top, left + widthFor(row, caption, font), top + scaledToDpi(height, font.dpi)};
}

// A status bar places itself along the bottom of its window, at the height
// and with the panels of the font's DPI.
void fitStatusBar(HWND bar, const LayoutRow& row, const ChildFont& font)
{
    SendMessageW(bar, WM_SETFONT, reinterpret_cast<WPARAM>(font.font), FALSE);
    SendMessageW(bar, SB_SETMINHEIGHT, static_cast<WPARAM>(scaledToDpi(row.height, font.dpi)), 0);
    std::vector<int> edges;
    int edge = 0;
    for (int width : row.panelWidths)
        edges.push_back(scaledToDpi(edge += width, font.dpi));
    SendMessageW(bar, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
    SendMessageW(bar, WM_SIZE, 0, 0);
}

void showPicture(HWND image, const LayoutRow& row, int dpi)
{
    // The control takes the picture's size; the one it replaces is ours to delete.
    HBITMAP picture = loadPicture(row.picture, dpi);
    DeleteObject(
        reinterpret_cast<HGDIOBJ>(SendMessageW(image, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture))));
}

// The font, place and size at the font's DPI for the text it shows, and the picture drawn for it.
void fitChildWindow(HWND window, const LayoutRow& row, POINT origin, const ChildFont& font, const std::wstring& text)
{
    if (row.kind == ControlKind::StatusBar) {
        fitStatusBar(window, row, font);
        return;
    }
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font.font), FALSE);
    const RECT place = placeOf(row, origin, text, font);
    SetWindowPos(window, nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    if (row.kind == ControlKind::Image)
        showPicture(window, row, font.dpi);
}

void showCaption(HWND window, const LayoutRow& row, const std::string& caption, const ChildFont& font)
{
    if (windowText(window) == caption)
        return;
    const std::wstring shown = wide(caption);
    SetWindowTextW(window, shown.c_str());
    RECT place;
    GetWindowRect(window, &place);
    const int needed = widthFor(row, shown, font);
    if (needed > place.right - place.left)
        SetWindowPos(window, nullptr, 0, 0, needed, place.bottom - place.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

POINT boxOrigin(const WindowLayout& window, const LayoutRow& row)
{
    POINT origin{0, 0};
    for (std::string parent = row.parent; !parent.empty();) {
        const auto box = std::find_if(window.controls.begin(), window.controls.end(),
                                      [&](const LayoutRow& other) { return other.name == parent; });
        if (box == window.controls.end() || box->kind != ControlKind::GroupBox)
            break;
        origin.x += box->left;
        origin.y += box->top;
        parent = box->parent;
    }
    return origin;
}

HWND createChildWindow(const LayoutRow& row, HWND parent, UINT id, POINT origin, const ChildFont& font,
                       const std::string& text)
{
    const Creation creation = creationOf(row);
    if (!creation.windowClass)
        return nullptr;
    const DWORD visible = row.hidden ? 0 : WS_VISIBLE;
    const std::wstring shown = wide(text);
    // Made empty, given its font, then sized: made at its size, a control
    // lays itself out for the system's font first, which under Wine took a
    // window of these controls longer than the move did.
    HWND window = CreateWindowExW(
        creation.exStyle, creation.windowClass, shown.c_str(), WS_CHILD | visible | creation.style, 0, 0, 0, 0, parent,
        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    switch (row.kind) {
    case ControlKind::Slider:
        SendMessageW(window, TBM_SETRANGE, FALSE, MAKELPARAM(row.minimum, row.maximum));
        SendMessageW(window, TBM_SETTICFREQ, 1, 0);
        break;
    case ControlKind::Edit:
        if (row.maxLength > 0)
            SendMessageW(window, EM_SETLIMITTEXT, static_cast<WPARAM>(row.maxLength), 0);
        break;
    default: break;
    }
    fitChildWindow(window, row, origin, font, shown);
    return window;
}

void placeChildWindow(HWND window, const LayoutRow& row, POINT origin, const ChildFont& font)
{
    fitChildWindow(window, row, origin, font, wide(windowText(window)));
    InvalidateRect(window, nullptr, TRUE);
}

// Which aspects a kind of control has beside being enabled and focused.
bool hasAspect(ControlKind kind, Aspect aspect)
{
    switch (aspect) {
    case Aspect::Caption: return kind == ControlKind::Label || kind == ControlKind::GroupBox;
    case Aspect::Items:
    case Aspect::Selection: return kind == ControlKind::DropDownList || kind == ControlKind::ListBox;
    case Aspect::Checked: return kind == ControlKind::CheckBox;
    case Aspect::Position: return kind == ControlKind::Slider;
    case Aspect::Text: return kind == ControlKind::Edit;
    case Aspect::Panels: return kind == ControlKind::StatusBar;
    case Aspect::Hint: return false; // the window's tool tips show it
    default: return true;
    }
}

std::string shownText(const Control& control)
{
    const ControlKind kind = control.row().kind;
    if (hasAspect(kind, Aspect::Caption))
        return static_cast<const LabelControl&>(control).caption();
    if (hasAspect(kind, Aspect::Text))
        return static_cast<const EditControl&>(control).text();
    return control.row().caption;
}

void showChange(HWND window, const Control& control, Aspect aspect, const ChildFont& font)
{
    if (!hasAspect(control.row().kind, aspect))
        return;
    switch (aspect) {
    case Aspect::Enabled: EnableWindow(window, control.enabled()); break;
    case Aspect::Focus: SetFocus(window); break;
    case Aspect::Caption:
        showCaption(window, control.row(), static_cast<const LabelControl&>(control).caption(), font);
        break;
    case Aspect::Items: showItems(window, static_cast<const ListControl&>(control)); break;
    case Aspect::Selection: {
        const auto& list = static_cast<const ListControl&>(control);
        SendMessageW(window, listMessages(list).select, static_cast<WPARAM>(list.selected()), 0);
        break;
    }
    case Aspect::Checked:
        SendMessageW(window, BM_SETCHECK,
                     static_cast<const CheckControl&>(control).checked() ? BST_CHECKED : BST_UNCHECKED, 0);
        break;
    case Aspect::Position:
        SendMessageW(window, TBM_SETPOS, TRUE, static_cast<const SliderControl&>(control).position());
        break;
    case Aspect::Text: {
        // The text the user just typed is already there: setting it again
        // would move the caret to the start and drop the undo step.
        const std::string& text = static_cast<const EditControl&>(control).text();
        if (windowText(window) != text)
            SetWindowTextW(window, wide(text).c_str());
        break;
    }
    case Aspect::Panels: {
        const auto& bar = static_cast<const StatusBarControl&>(control);
        for (size_t i = 0; i < control.row().panelWidths.size(); ++i) {
            // A long path keeps both ends; a leading tab centres the text in its part.
            const std::wstring whole = wide(bar.panelText(static_cast<int>(i)));
            const int room = scaledToDpi(control.row().panelWidths[i] - 8, font.dpi);
            const std::wstring text = L"\t" + elideMiddle(whole, room, [&font](const std::wstring& candidate) {
                                          return font.width(candidate);
                                      });
            SendMessageW(window, SB_SETTEXTW, i, reinterpret_cast<LPARAM>(text.c_str()));
        }
        break;
    }
    case Aspect::Hint: break; // the window's tool tips show it
    }
}

} // namespace orvane
