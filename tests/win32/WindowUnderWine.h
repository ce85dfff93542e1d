#pragma once
// Starting the real orvane.exe and acting on its window from outside, as
// the user's input and the window system would.
#include <windows.h>

#include <filesystem>
#include <string>

namespace orvane::test {

// orvane.exe at the top of the build that made this program.
std::filesystem::path orvaneProgram();

class RunningOrvane {
public:
    // Starts the orvane.exe of this build (or another program that shows a
    // window of its class and title) and waits for its window.
    explicit RunningOrvane(const std::filesystem::path& program = {});
    ~RunningOrvane();
    RunningOrvane(const RunningOrvane&) = delete;
    RunningOrvane& operator=(const RunningOrvane&) = delete;

    HWND window() const { return window_; }
    // A control of the main window, found by its layout name's control ID.
    HWND control(const std::string& name) const;
    // Waits for the process to end; its exit status, or -1 after the timeout.
    int waitForExit(DWORD milliseconds);

private:
    PROCESS_INFORMATION process_{};
    HWND window_ = nullptr;
};

// orvane.exe run to its end with a command line, its output caught.
struct CommandRun {
    int status = -1;
    std::string out;
    std::string err;
};
CommandRun runOrvaneCommand(const std::wstring& arguments);

// orvane.exe started with a command line, its output caught in files named
// after it, so that several can run at once.
class OrvaneCommand {
public:
    OrvaneCommand(const std::wstring& arguments, const std::string& name);
    ~OrvaneCommand() { finish(); }
    OrvaneCommand(const OrvaneCommand&) = delete;
    OrvaneCommand& operator=(const OrvaneCommand&) = delete;
    // Waits for its end, up to a minute.
    CommandRun finish();

private:
    std::filesystem::path outFile_;
    std::filesystem::path errFile_;
    PROCESS_INFORMATION process_{};
};

// Waits until condition holds, up to milliseconds; whether it did.
template <class Condition>
bool waitFor(Condition condition, DWORD milliseconds = 10000, DWORD pollEvery = 20)
{
    const ULONGLONG end = GetTickCount64() + milliseconds;
    while (!condition()) {
        if (GetTickCount64() > end)
            return false;
        Sleep(pollEvery);
    }
    return true;
}

// A top-level window of that class and title once it is shown; nullptr
// when none is within the time.
HWND shownWindow(const wchar_t* windowClass, const wchar_t* title, DWORD milliseconds = 10000);

std::string windowText(HWND window);

// The window's descendant of that control ID, at any depth: the main
// window's controls stand on its scrolling view.
HWND childWithId(HWND window, int id);
// The main window's scrolling view and the content in it that holds the
// controls; nullptr for a window without them.
HWND scrollingViewOf(HWND window);
HWND scrolledContentOf(HWND window);
// The window with the keyboard focus in the thread of that window.
HWND focusOf(HWND window);
// A window's client area on the screen.
RECT clientOnScreen(HWND window);

// A person's input, through the system's input queue: the window under the
// pointer or with the keyboard focus gets it, as from a real mouse and keyboard.
void clickOn(HWND control);
// The tool tip window of a top-level window's controls; nullptr when it has none.
HWND toolTipsOf(HWND owner);
// Moves the pointer to a point of a window's client area, pressing nothing.
void pointAt(HWND window, POINT inside);
void typeText(const std::wstring& text);
// A key, with Shift or Ctrl held down when asked.
void pressKey(WORD key, bool shift = false, bool control = false);
// The left mouse button pressed or let go at a point of the screen.
void pressAt(POINT screen);
void releaseAt(POINT screen);
// The wheel turned by notches (positive: away from the user) at a point of the screen.
void turnWheelAt(POINT screen, int notches);

// What Wine's own "reg query" prints for a value of the current user.
std::string regQuery(const std::string& key, const std::string& value);

// The display's scale for the programs started while it lives, as the
// player sets it (LogPixels); the one before comes back after.
class DisplayScale {
public:
    explicit DisplayScale(int dpi);
    ~DisplayScale();
    DisplayScale(const DisplayScale&) = delete;
    DisplayScale& operator=(const DisplayScale&) = delete;

private:
    HKEY desktop_ = nullptr;
    DWORD before_ = 0;
    bool hadValue_ = false;
};

// Sends a message whose lParam points to a value, with that value in the
// window's own process (no system copies it across for messages it does
// not know), and reads it back after.
LRESULT sendPointing(HWND window, UINT message, WPARAM wParam, void* value, size_t size);
template <class Value>
LRESULT sendPointing(HWND window, UINT message, WPARAM wParam, Value& value)
{
    return sendPointing(window, message, wParam, &value, sizeof(Value));
}

} // namespace orvane::test
