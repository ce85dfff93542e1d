// Orvane on Windows: the native window over the registry of the user.
#include "app/ProgramState.h"
#include "app/Startup.h"
#include "platform/WindowsProgramStarter.h"
#include "ui/win32/Win32FileDialogs.h"
#include "ui/win32/Win32MessageBoxes.h"
#include "ui/win32/Win32Text.h"
#include "ui/win32/Win32Toolkit.h"

#include <shellapi.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    using namespace orvane;
    Win32MessageBoxes boxes;
    installMessageBoxes(&boxes);
    Win32FileDialogs files;
    installFileDialogs(&files);
    WindowsProgramStarter starter;
    installProgramStarter(&starter);
    int count = 0;
    if (LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count)) {
        for (int i = 1; i < count; ++i)
            programState().arguments.push_back(utf8(arguments[i]));
        LocalFree(arguments);
    }
    Win32Toolkit toolkit;
    return runProgram(toolkit, [&toolkit] { toolkit.run(); });
}
