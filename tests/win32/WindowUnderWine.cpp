#include "tests/win32/WindowUnderWine.h"

#include "app/MainWindow.h"
#include "files/WideText.h"

#include <commctrl.h>

#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <vector>

namespace orvane::test {

std::filesystem::path orvaneProgram()
{
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    for (std::filesystem::path folder = std::filesystem::path(path).parent_path(); folder.has_relative_path();
         folder = folder.parent_path())
        if (std::filesystem::exists(folder / "orvane.exe"))
            return folder / "orvane.exe";
    throw std::runtime_error("no orvane.exe in the folders above this program");
}

namespace {

// The captions of the visible top-level windows, to tell what came instead.
std::string topLevelWindows()
{
    std::string captions;
    EnumWindows(
        [](HWND window, LPARAM found) -> BOOL {
            if (IsWindowVisible(window))
                reinterpret_cast<std::string*>(found)->append("\"").append(windowText(window)).append("\" ");
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&captions));
    return captions;
}

} // namespace

RunningOrvane::RunningOrvane(const std::filesystem::path& other)
{
    const std::wstring program = (other.empty() ? orvaneProgram() : other).wstring();
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process_))
        throw std::runtime_error("cannot start orvane.exe");
    WaitForInputIdle(process_.hProcess, 20000);
    window_ = shownWindow(L"OrvaneWindow", L"Orvane", 20000);
    if (!window_)
        throw std::runtime_error("orvane.exe showed no window; there are: " + topLevelWindows());
}

RunningOrvane::~RunningOrvane()
{
    if (waitForExit(0) < 0) {
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, 5000);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

namespace {

HANDLE inheritableFile(const std::filesystem::path& file)
{
    SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
    return CreateFileW(file.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                       CREATE_ALWAYS, FILE_ATTRIBUTE_TEMPORARY, nullptr);
}

std::string contentOf(const std::filesystem::path& file)
{
    std::string text;
    if (FILE* opened = _wfopen(file.c_str(), L"rb")) {
        char buffer[4096];
        for (size_t read; (read = std::fread(buffer, 1, sizeof buffer, opened)) > 0;)
            text.append(buffer, read);
        std::fclose(opened);
    }
    return text;
}

} // namespace

OrvaneCommand::OrvaneCommand(const std::wstring& arguments, const std::string& name)
    : outFile_(std::filesystem::temp_directory_path() / ("orvane-" + name + "-out.txt")),
      errFile_(std::filesystem::temp_directory_path() / ("orvane-" + name + "-err.txt"))
{
    HANDLE out = inheritableFile(outFile_);
    HANDLE err = inheritableFile(errFile_);
    const std::wstring program = orvaneProgram().wstring();
    std::wstring commandLine = L"\"" + program + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = out;
    startup.hStdError = err;
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                        &process_))
        process_ = {};
    // Closed at once, so that a command started next does not inherit them.
    CloseHandle(out);
    CloseHandle(err);
}

CommandRun OrvaneCommand::finish()
{
    CommandRun run;
    if (!process_.hProcess)
        return run;
    WaitForSingleObject(process_.hProcess, 60000);
    DWORD status = 0;
    GetExitCodeProcess(process_.hProcess, &status);
    run.status = static_cast<int>(status);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
    process_ = {};
    run.out = contentOf(outFile_);
    run.err = contentOf(errFile_);
    return run;
}

CommandRun runOrvaneCommand(const std::wstring& arguments)
{
    return OrvaneCommand(arguments, "command").finish();
}

HWND RunningOrvane::control(const std::string& name) const
{
    return childWithId(window_, controlId(mainWindowLayout(), name));
}

HWND childWithId(HWND window, int id)
{
    std::pair<int, HWND> found{id, nullptr};
    EnumChildWindows(
        window,
        [](HWND child, LPARAM pair) -> BOOL {
            auto& [id, found] = *reinterpret_cast<std::pair<int, HWND>*>(pair);
            if (GetDlgCtrlID(child) == id)
                found = child;
            return !found;
        },
        reinterpret_cast<LPARAM>(&found));
    return found.second;
}

HWND scrollingViewOf(HWND window)
{
    return FindWindowExW(window, nullptr, L"OrvaneView", nullptr);
}

HWND scrolledContentOf(HWND window)
{
    HWND view = scrollingViewOf(window);
    return view ? FindWindowExW(view, nullptr, L"OrvaneContent", nullptr) : nullptr;
}

HWND focusOf(HWND window)
{
    GUITHREADINFO thread{};
    thread.cbSize = sizeof(thread);
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread);
    return thread.hwndFocus;
}

RECT clientOnScreen(HWND window)
{
    RECT client{};
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return client;
}

int RunningOrvane::waitForExit(DWORD milliseconds)
{
    if (WaitForSingleObject(process_.hProcess, milliseconds) != WAIT_OBJECT_0)
        return -1;
    DWORD status = 0;
    GetExitCodeProcess(process_.hProcess, &status);
    return static_cast<int>(status);
}

HWND shownWindow(const wchar_t* windowClass, const wchar_t* title, DWORD milliseconds)
{
    HWND window = nullptr;
    // Looked for often, as the start benchmark times the first moment it is shown.
    waitFor([&] {
        window = FindWindowW(windowClass, title);
        return window && IsWindowVisible(window);
    }, milliseconds, 2);
    return window && IsWindowVisible(window) ? window : nullptr;
}

std::string windowText(HWND window)
{
    // GetWindowText does not ask another process's controls.
    wchar_t text[512] = {};
    SendMessageW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text));
    return utf8(text);
}

namespace {

void send(std::vector<INPUT> inputs)
{
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    Sleep(30); // the target thread reads its queue at its own pace
}

INPUT keyInput(WORD key, WORD character, DWORD flags)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = character;
    input.ki.dwFlags = flags;
    return input;
}

INPUT pointerTo(POINT point)
{
    INPUT move{};
    move.type = INPUT_MOUSE;
    // Rounded up, so that the system's rounding down lands on the pixel.
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    move.mi.dx = (point.x * 65536 + width - 1) / width;
    move.mi.dy = (point.y * 65536 + height - 1) / height;
    move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    return move;
}

} // namespace

HWND toolTipsOf(HWND owner)
{
    std::pair<HWND, HWND> found{owner, nullptr};
    EnumWindows(
        [](HWND window, LPARAM pair) -> BOOL {
            auto& [owner, tips] = *reinterpret_cast<std::pair<HWND, HWND>*>(pair);
            wchar_t name[64] = {};
            GetClassNameW(window, name, 64);
            if (std::wstring(name) == TOOLTIPS_CLASSW && GetWindow(window, GW_OWNER) == owner)
                tips = window;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found.second;
}

void pointAt(HWND window, POINT inside)
{
    ClientToScreen(window, &inside);
    send({pointerTo(inside)});
}

void clickOn(HWND control)
{
    RECT place;
    GetWindowRect(control, &place);
    HWND root = GetAncestor(control, GA_ROOT);
    // A tool tip shown for the last control may lie over this one.
    if (HWND tips = toolTipsOf(root))
        SendMessageW(tips, TTM_POP, 0, 0);
    SetForegroundWindow(root);
    const INPUT move = pointerTo({(place.left + place.right) / 2, (place.top + place.bottom) / 2});
    INPUT down = move;
    down.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    INPUT up = move;
    up.mi.dwFlags = MOUSEEVENTF_LEFTUP;
    send({move, down, up});
}

namespace {

// The pointer moved, and there before anything else: under an X server the
// pointer's own moves come back late, and would carry a press elsewhere.
void moveTo(POINT screen)
{
    send({pointerTo(screen)});
    waitFor(
        [&] {
            POINT at{};
            return GetCursorPos(&at) && at.x == screen.x && at.y == screen.y;
        },
        1000, 10);
    Sleep(50);
}

} // namespace

void pressAt(POINT screen)
{
    moveTo(screen);
    // A tool tip shown for the last control may lie over the point.
    if (HWND tips = toolTipsOf(GetAncestor(WindowFromPoint(screen), GA_ROOTOWNER)))
        SendMessageW(tips, TTM_POP, 0, 0);
    INPUT down = pointerTo(screen);
    down.mi.dwFlags |= MOUSEEVENTF_LEFTDOWN;
    send({down});
}

void releaseAt(POINT screen)
{
    moveTo(screen);
    INPUT up = pointerTo(screen);
    up.mi.dwFlags |= MOUSEEVENTF_LEFTUP;
    send({up});
}

void turnWheelAt(POINT screen, int notches)
{
    INPUT wheel = pointerTo(screen);
    wheel.mi.dwFlags = MOUSEEVENTF_WHEEL;
    wheel.mi.mouseData = static_cast<DWORD>(notches * WHEEL_DELTA);
    send({pointerTo(screen), wheel});
}

void typeText(const std::wstring& text)
{
    for (wchar_t character : text)
        send({keyInput(0, character, KEYEVENTF_UNICODE), keyInput(0, character, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP)});
}

void pressKey(WORD key, bool shift, bool control)
{
    std::vector<INPUT> inputs;
    if (shift)
        inputs.push_back(keyInput(VK_SHIFT, 0, 0));
    if (control)
        inputs.push_back(keyInput(VK_CONTROL, 0, 0));
    inputs.push_back(keyInput(key, 0, 0));
    inputs.push_back(keyInput(key, 0, KEYEVENTF_KEYUP));
    if (control)
        inputs.push_back(keyInput(VK_CONTROL, 0, KEYEVENTF_KEYUP));
    if (shift)
        inputs.push_back(keyInput(VK_SHIFT, 0, KEYEVENTF_KEYUP));
    send(inputs);
}

std::string regQuery(const std::string& key, const std::string& value)
{
    const std::string command = "reg query \"HKCU\\" + key + "\" /v \"" + value + "\" 2>&1";
    std::string output;
    if (FILE* pipe = _popen(command.c_str(), "r")) {
        char buffer[256];
        while (std::fgets(buffer, sizeof(buffer), pipe))
            output += buffer;
        _pclose(pipe);
    }
    return output;
}

DisplayScale::DisplayScale(int dpi)
{
    RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &desktop_,
                    nullptr);
    DWORD size = sizeof(before_);
    hadValue_ = RegQueryValueExW(desktop_, L"LogPixels", nullptr, nullptr, reinterpret_cast<BYTE*>(&before_), &size) ==
                ERROR_SUCCESS;
    const DWORD value = static_cast<DWORD>(dpi);
    RegSetValueExW(desktop_, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
}

DisplayScale::~DisplayScale()
{
    if (hadValue_)
        RegSetValueExW(desktop_, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&before_), sizeof(before_));
    else
        RegDeleteValueW(desktop_, L"LogPixels");
    RegCloseKey(desktop_);
}

LRESULT sendPointing(HWND window, UINT message, WPARAM wParam, void* value, size_t size)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    void* there = VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    WriteProcessMemory(process, there, value, size, nullptr);
    const LRESULT result = SendMessageW(window, message, wParam, reinterpret_cast<LPARAM>(there));
    ReadProcessMemory(process, there, value, size, nullptr);
    VirtualFreeEx(process, there, 0, MEM_RELEASE);
    CloseHandle(process);
    return result;
}

} // namespace orvane::test
