#include "ui/win32/Win32Window.h"

#include "controls/AccessibleNames.h"
#include "controls/TabOrder.h"
#include "ui/win32/Dpi.h"
#include "ui/win32/Win32ControlHandle.h"
#include "ui/win32/Win32Text.h"

#include <commctrl.h>

#include <algorithm>
#include <set>

namespace orvane {
namespace {

constexpr wchar_t WindowClass[] = L"OrvaneWindow";
constexpr DWORD MainWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
// No title-bar buttons: a dialog is left through its own buttons.
constexpr DWORD DialogStyle = WS_POPUP | WS_CAPTION;

LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    auto* realised = reinterpret_cast<Win32Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (realised && realised->handle() == window)
        return realised->handleMessage(message, wParam, lParam);
    return DefWindowProcW(window, message, wParam, lParam);
}

void registerWindowClass()
{
    static const bool registered = [] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = windowProcedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hIcon = LoadIconW(windowClass.hInstance, L"ORVANE");
        windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = WindowClass;
        return RegisterClassExW(&windowClass) != 0;
    }();
    (void)registered;
}

// "F5", "Ctrl+L"
ACCEL acceleratorOf(const std::string& shortcut, UINT id)
{
    ACCEL accelerator{FVIRTKEY, 0, static_cast<WORD>(id)};
    std::string key = shortcut;
    if (key.rfind("Ctrl+", 0) == 0) {
        accelerator.fVirt |= FCONTROL;
        key = key.substr(5);
    }
    if (key.size() > 1 && key[0] == 'F')
        accelerator.key = static_cast<WORD>(VK_F1 + std::stoi(key.substr(1)) - 1);
    else
        accelerator.key = static_cast<WORD>(key[0]);
    return accelerator;
}

} // namespace

Win32Window::Win32Window(Window& model, ToolkitLinks toolkit, HWND owner, LayoutFonts& fonts, TextMeasure& measure)
    : model_(model),
      toolkit_(std::move(toolkit)),
      fonts_(fonts),
      measure_(measure)
{
    registerWindowClass();
    const WindowLayout& layout = model.layout();
    // The bar is filled before the window is made, whose client area then
    // counts it from the first: drawn anew later, it costs the frame again.
    if (layout.mainWindow)
        createMenu();
    // Made where its owner stands, a dialog starts at its owner's DPI.
    POINT place{CW_USEDEFAULT, CW_USEDEFAULT};
    if (RECT ownerFrame; !layout.mainWindow && GetWindowRect(owner, &ownerFrame))
        place = {ownerFrame.left, ownerFrame.top};
    window_ = CreateWindowExW(exStyle(), WindowClass, wide(layout.caption).c_str(), style(), place.x, place.y, 0, 0,
                              layout.mainWindow ? nullptr : owner, menuBar_, GetModuleHandleW(nullptr), this);
    dpi_ = dpiOf(window_);
    for (const auto& [id, item] : controls_) // the menu items, made before their window
        item->topLevel = window_;
    RECT wanted;
    GetWindowRect(window_, &wanted);
    const SIZE frame = frameAt(dpi_);
    placeFrame({wanted.left, wanted.top, wanted.left + frame.cx, wanted.top + frame.cy});
    toolTips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    scaleOwnParts();
    createControls();
    arrangeClient();
    model_.attach(this);
}

Win32Window::~Win32Window()
{
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    for (const auto& [id, handle] : controls_)
        if (handle->window && handle->control.row().kind == ControlKind::Image)
            DeleteObject(reinterpret_cast<HGDIOBJ>(SendMessageW(handle->window, STM_SETIMAGE, IMAGE_BITMAP, 0)));
    DestroyWindow(window_);
    if (accelerators_)
        DestroyAcceleratorTable(accelerators_);
}

DWORD Win32Window::style() const
{
    return model_.layout().mainWindow ? MainWindowStyle : DialogStyle;
}

DWORD Win32Window::exStyle() const
{
    return WS_EX_CONTROLPARENT | (model_.layout().mainWindow ? 0 : WS_EX_DLGMODALFRAME);
}

SIZE Win32Window::frameAt(int dpi) const
{
    const WindowLayout& layout = model_.layout();
    return frameSize({scaledToDpi(layout.clientWidth, dpi), scaledToDpi(layout.clientHeight, dpi)}, style(), exStyle(),
                     menuBar_ != nullptr, dpi);
}

void Win32Window::placeFrame(const RECT& wanted)
{
    if (!model_.layout().mainWindow) {
        SetWindowPos(window_, nullptr, wanted.left, wanted.top, wanted.right - wanted.left, wanted.bottom - wanted.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromRect(&wanted, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    const SIZE room{work.right - work.left, work.bottom - work.top};
    SIZE frame = frameAt(dpi_);
    // Cut to the room, the view gets its scroll bars, which take room of their own where there is some.
    if (frame.cx > room.cx || frame.cy > room.cy) {
        frame = {std::min(frame.cx + systemMetric(SM_CXVSCROLL, dpi_), room.cx),
                 std::min(frame.cy + systemMetric(SM_CYHSCROLL, dpi_), room.cy)};
        scrollControls();
    }
    const LONG left = std::clamp<LONG>(wanted.left, work.left, work.right - frame.cx);
    const LONG top = std::clamp<LONG>(wanted.top, work.top, work.bottom - frame.cy);
    SetWindowPos(window_, nullptr, left, top, frame.cx, frame.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    arrangeClient();
}

void Win32Window::arrangeClient()
{
    RECT bar{};
    if (statusBar_) {
        SendMessageW(statusBar_, WM_SIZE, 0, 0); // along the bottom of the client area as it is now
        GetWindowRect(statusBar_, &bar);
    }
    if (!scrolled_)
        return;
    const int barHeight = bar.bottom - bar.top;
    const WindowLayout& layout = model_.layout();
    const SIZE whole{scaledToDpi(layout.clientWidth, dpi_), scaledToDpi(layout.clientHeight, dpi_)};
    scrolled_->setContent(whole, {whole.cx, whole.cy - barHeight});
    RECT client;
    GetClientRect(window_, &client);
    scrolled_->place({0, 0, client.right, client.bottom - barHeight});
}

void Win32Window::scrollControls()
{
    if (scrolled_)
        return;
    // The controls made so far, in the order they were made (the top of the z-order first).
    std::vector<HWND> controls;
    for (HWND child = GetWindow(window_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (child != statusBar_)
            controls.push_back(child);
    scrolled_ = std::make_unique<ScrolledClient>(window_);
    for (HWND control : controls) {
        SetParent(control, scrolled_->content());
        // Each to the end of its siblings, so that Tab keeps the order they were made in.
        SetWindowPos(control, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        scrolled_->followFocus(control);
    }
}

void Win32Window::createMenu()
{
    menuBar_ = CreateMenu();
    std::vector<ACCEL> accelerators;
    for (const auto& control : model_.controls()) {
        const LayoutRow& row = control->row();
        const UINT id = static_cast<UINT>(controlId(model_.layout(), row.name));
        HMENU parent = row.parent.empty() ? menuBar_ : menus_[row.parent];
        if (row.kind == ControlKind::Menu) {
            menus_[row.name] = CreatePopupMenu();
            AppendMenuW(menuBar_, MF_POPUP, reinterpret_cast<UINT_PTR>(menus_[row.name]), wide(row.caption).c_str());
        } else if (row.kind == ControlKind::Separator) {
            AppendMenuW(parent, MF_SEPARATOR, 0, nullptr);
        } else if (row.kind == ControlKind::MenuItem) {
            const std::string label = row.shortcut.empty() ? row.caption : row.caption + "\t" + row.shortcut;
            AppendMenuW(parent, MF_STRING, id, wide(label).c_str());
            if (!row.shortcut.empty())
                accelerators.push_back(acceleratorOf(row.shortcut, id));
            auto handle = std::make_unique<Win32ControlHandle>(*control, id);
            handle->menu = parent;
            control->attach(handle.get());
            handle->refresh(*control, Aspect::Enabled);
            controls_[id] = std::move(handle);
        }
    }
    if (!accelerators.empty())
        accelerators_ = CreateAcceleratorTableW(accelerators.data(), static_cast<int>(accelerators.size()));
}

void Win32Window::createControls()
{
    // Siblings take the keyboard in the order they were made: the group
    // boxes first, as frames, then the controls in their tab order, then
    // whatever takes no focus.
    std::vector<Control*> order;
    std::set<const Control*> placed;
    const auto take = [&](Control& control) {
        if (placed.insert(&control).second)
            order.push_back(&control);
    };
    for (const auto& control : model_.controls())
        if (control->row().kind == ControlKind::GroupBox)
            take(*control);
    for (const LayoutRow* row : tabChain(model_.layout())) {
        // A screen reader names a control without a caption by the label made just before it.
        if (const LayoutRow* naming = namingRow(model_.layout(), *row); naming && naming->kind == ControlKind::Label)
            take(model_.control(naming->name));
        take(model_.control(row->name));
    }
    for (const auto& control : model_.controls())
        take(*control);
    for (Control* control : order)
        createControl(*control);
}

void Win32Window::createControl(Control& control)
{
    const LayoutRow& row = control.row();
    const UINT id = static_cast<UINT>(controlId(model_.layout(), row.name));
    const ChildFont font = fontFor(row, nullptr);
    // The status bar stays along the window's bottom; the rest scroll where the window cannot hold them.
    const bool statusBar = row.kind == ControlKind::StatusBar;
    HWND parent = scrolled_ && !statusBar ? scrolled_->content() : window_;
    // Made with its text, which then needs no asking and setting again.
    HWND child = createChildWindow(row, parent, id, boxOrigin(model_.layout(), row), font, shownText(control));
    if (statusBar)
        statusBar_ = child;
    if (!child)
        return;
    if (scrolled_ && !statusBar)
        scrolled_->followFocus(child);
    if (row.kind == ControlKind::Link)
        SetWindowSubclass(child, linkProcedure, id, reinterpret_cast<DWORD_PTR>(this));
    auto handle = std::make_unique<Win32ControlHandle>(control, id);
    handle->window = child;
    handle->topLevel = window_;
    handle->toolTips = toolTips_;
    handle->text.emplace(font);
    control.attach(handle.get());
    // What the program changed before the window was made shows in its first frame.
    for (Aspect aspect :
         {Aspect::Items, Aspect::Enabled, Aspect::Position, Aspect::Checked, Aspect::Panels, Aspect::Hint})
        handle->refresh(control, aspect);
    controls_[id] = std::move(handle);
}

void Win32Window::scaleOwnParts()
{
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.at(dpi_).text), FALSE);
    SendMessageW(toolTips_, TTM_SETMAXTIPWIDTH, 0, scaledToDpi(300, dpi_));
}

void Win32Window::layOut()
{
    scaleOwnParts();
    for (const auto& [id, handle] : controls_) {
        if (!handle->window)
            continue;
        placeControl(*handle);
        if (handle->control.row().kind == ControlKind::StatusBar)
            handle->refresh(handle->control, Aspect::Panels); // shortened anew for the panels' new widths
    }
    InvalidateRect(window_, nullptr, TRUE);
}

ChildFont Win32Window::fontFor(const LayoutRow& row, HWND window) const
{
    const WindowFonts& fonts = fonts_.at(dpi_);
    HFONT font = row.kind != ControlKind::Link ? fonts.text : window && window == hotLink_ ? fonts.hotLink : fonts.link;
    return {font, measure_, dpi_};
}

void Win32Window::placeControl(Win32ControlHandle& handle)
{
    const LayoutRow& row = handle.control.row();
    handle.text.emplace(fontFor(row, handle.window));
    placeChildWindow(handle.window, row, boxOrigin(model_.layout(), row), *handle.text);
}

void Win32Window::show(const Window* over)
{
    RECT frame;
    GetWindowRect(window_, &frame);
    RECT area;
    if (HWND target = over ? toolkit_.handleOf(*over) : nullptr)
        GetWindowRect(target, &area);
    else
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    // Centred, but where it is larger than the monitor's work area, with
    // its title bar and menu on the screen.
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromRect(&area, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const int left = std::max<int>(work.left, std::min<int>((area.left + area.right - width) / 2, work.right - width));
    const int top = std::max<int>(work.top, std::min<int>((area.top + area.bottom - height) / 2, work.bottom - height));
    SetWindowPos(window_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
}

void Win32Window::beforeDispatch(const MSG& message) const
{
    relayToTips(toolTips_, message);
}

void Win32Window::hide()
{
    ShowWindow(window_, SW_HIDE);
}

void Win32Window::setEnabled(bool enabled)
{
    EnableWindow(window_, enabled);
}

} // namespace orvane
