// Orvane on Windows: the native window over the registry of the user.
#include "app/Startup.h"
#include "platform/PlatformDisplayModes.h"
#include "platform/WindowsProgramStarter.h"
#include "settings/WindowsRegistryStore.h"
#include "ui/win32/Win32FileDialogs.h"
#include "ui/win32/Win32MessageBoxes.h"
#include "ui/win32/Win32Text.h"
#include "ui/win32/Win32Toolkit.h"

#include <shellapi.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    using namespace orvane;
    Win32MessageBoxes boxes;
    Win32FileDialogs files;
    WindowsProgramStarter starter;
    const std::unique_ptr<DisplayModeSource> display = displayModesInUse();
    std::vector<std::string> arguments;
    int count = 0;
    if (LPWSTR* given = CommandLineToArgvW(GetCommandLineW(), &count)) {
        for (int i = 1; i < count; ++i)
            arguments.push_back(utf8(given[i]));
        LocalFree(given);
    }
    Win32Toolkit toolkit;
    SettingsPlace place{.openStore = [] { return std::make_unique<WindowsRegistryStore>(); }};
    Context context({toolkit, boxes, files, starter, *display}, std::move(place), std::move(arguments));
    return runProgram(context, [&toolkit] { toolkit.run(); });
}
