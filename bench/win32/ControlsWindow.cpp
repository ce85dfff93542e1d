// The floor of a Win32 start: orvane.exe's main window without the program.
// The window of its class, title, menu bar and client size, per-monitor DPI
// aware by the same manifest, holding the controls of the same layout rows,
// made by the same code: classes, places, sizes, fonts, pictures, list items
// and tool tips as orvane.exe's. No registry is read and no setting shown;
// what orvane.exe adds to this is its own.
#include "app/MainWindow.h"
#include "ui/win32/Dpi.h"
#include "ui/win32/LayoutFont.h"
#include "ui/win32/Win32Controls.h"
#include "ui/win32/Win32Text.h"
#include "ui/win32/Win32ToolTips.h"

#include <commctrl.h>

#include <map>

namespace {

using namespace orvane;

HMENU menuBarOf(const WindowLayout& layout)
{
    HMENU bar = CreateMenu();
    std::map<std::string, HMENU> menus;
    for (const LayoutRow& row : layout.controls) {
        HMENU parent = row.parent.empty() ? bar : menus[row.parent];
        const auto id = static_cast<UINT_PTR>(controlId(layout, row.name));
        if (row.kind == ControlKind::Menu) {
            menus[row.name] = CreatePopupMenu();
            AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(menus[row.name]), wide(row.caption).c_str());
        } else if (row.kind == ControlKind::Separator) {
            AppendMenuW(parent, MF_SEPARATOR, 0, nullptr);
        } else if (row.kind == ControlKind::MenuItem) {
            const std::string label = row.shortcut.empty() ? row.caption : row.caption + "\t" + row.shortcut;
            AppendMenuW(parent, MF_STRING, id, wide(label).c_str());
        }
    }
    return bar;
}

void addItems(HWND list, const LayoutRow& row)
{
    const UINT add = row.kind == ControlKind::ListBox ? LB_ADDSTRING : CB_ADDSTRING;
    for (const std::string& item : row.items)
        SendMessageW(list, add, 0, reinterpret_cast<LPARAM>(wide(item).c_str()));
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_BAR_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, L"ORVANE");
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"OrvaneWindow";
    RegisterClassExW(&windowClass);

    const WindowLayout& layout = mainWindowLayout();
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    const DWORD exStyle = WS_EX_CONTROLPARENT;
    HWND window = CreateWindowExW(exStyle, windowClass.lpszClassName, wide(layout.caption).c_str(), style,
                                  CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, nullptr, menuBarOf(layout), instance, nullptr);
    // Its DPI is the monitor's it was made on.
    const int dpi = dpiOf(window);
    const SIZE frame = frameSize({scaledToDpi(layout.clientWidth, dpi), scaledToDpi(layout.clientHeight, dpi)}, style,
                                 exStyle, true, dpi);
    SetWindowPos(window, nullptr, 0, 0, frame.cx, frame.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

    TextMeasure measure;
    LayoutFonts fonts(measure);
    const WindowFonts& font = fonts.at(dpi);
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font.text), FALSE);
    HWND tips = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr, instance,
                                nullptr);
    SendMessageW(tips, TTM_SETMAXTIPWIDTH, 0, scaledToDpi(300, dpi));
    for (const LayoutRow& row : layout.controls) {
        const ChildFont text{row.kind == ControlKind::Link ? font.link : font.text, measure, dpi};
        HWND child = createChildWindow(row, window, static_cast<UINT>(controlId(layout, row.name)),
                                       boxOrigin(layout, row), text, row.caption);
        if (!child)
            continue;
        addItems(child, row);
        bool hasTip = false;
        showControlTip(tips, window, child, row.hint, hasTip);
    }

    ShowWindow(window, SW_SHOW);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        DispatchMessageW(&message);
    return 0;
}
