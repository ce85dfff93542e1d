// Orvane on Windows: the native window over the registry of the user, or,
// with options, its commands without a window, answered on the console it
// was started from.
#include "app/Startup.h"
#include "cli/CommandLine.h"
#include "cli/RunCommand.h"
#include "platform/PlatformDisplayModes.h"
#include "platform/PlayersLanguages.h"
#include "platform/SystemFunction.h"
#include "platform/WindowsHistoryFolder.h"
#include "platform/WindowsProgramStarter.h"
#include "platform/WindowsRunningPrograms.h"
#include "registry/WindowsRegistryStore.h"
#include "ui/win32/Console.h"
#include "ui/win32/Win32FileDialogs.h"
#include "ui/win32/Win32MessageBoxes.h"
#include "ui/win32/Win32Text.h"
#include "ui/win32/Win32Toolkit.h"

#include <shellapi.h>

#include <cstdlib>
#include <iostream>

namespace {

using namespace orvane;

SettingsPlace usersRegistry(RunningPrograms& programs)
{
    return {.openStore = [] { return std::make_unique<WindowsRegistryStore>(); },
            .programs = &programs,
            .history = windowsHistoryFolder()};
}

// Split as Windows splits them. Most starts pass none, which the C runtime
// has seen already: shell32, which splits them, is then not loaded at all.
std::vector<std::string> commandLineArguments()
{
    std::vector<std::string> arguments;
    if (__argc <= 1)
        return arguments;
    static auto* const split = systemFunction<decltype(CommandLineToArgvW)>(L"shell32.dll", "CommandLineToArgvW");
    int count = 0;
    if (LPWSTR* given = split ? split(GetCommandLineW(), &count) : nullptr) {
        for (int i = 1; i < count; ++i)
            arguments.push_back(utf8(given[i]));
        LocalFree(given);
    }
    return arguments;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    const auto parsed = parseCommandLine(commandLineArguments(), false);
    if (const auto* wrong = std::get_if<UsageError>(&parsed)) {
        const ParentConsole console;
        const Texts texts = playersTexts();
        std::cerr << "orvane: " << wrong->message(texts) << "\n\n" << usage(false, texts);
        return 2;
    }
    const CommandLine line = withAbsolutePaths(std::get<CommandLine>(parsed), std::filesystem::current_path());
    WindowsRunningPrograms programs;
    if (line.withoutWindow()) {
        const ParentConsole console;
        return runCommand(
            line, false, playersTexts(), [&programs](std::ostream&) { return std::optional(usersRegistry(programs)); },
            std::cout, std::cerr);
    }
    Win32MessageBoxes boxes;
    Win32FileDialogs files;
    WindowsProgramStarter starter;
    const std::unique_ptr<DisplayModeSource> display = displayModesInUse();
    Win32Toolkit toolkit;
    wchar_t program[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    Context context({toolkit, boxes, files, starter, *display}, usersRegistry(programs), line.passedOn,
                    {std::filesystem::path(program).parent_path(), {}}, playersTexts());
    return runProgram(context, [&toolkit] { toolkit.run(); });
}
