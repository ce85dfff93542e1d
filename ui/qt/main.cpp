// Orvane on Linux: the Qt window over the player's Wine prefix.
#include "app/PrefixChoice.h"
#include "app/Startup.h"
#include "platform/PlatformDisplayModes.h"
#include "platform/PosixProgramStarter.h"
#include "ui/qt/Icons.h"
#include "ui/qt/QtFileDialogs.h"
#include "ui/qt/QtMessageBoxes.h"
#include "ui/qt/QtToolkit.h"
#include "wine/WinePrefixStore.h"

#include <cstdlib>

int main(int argc, char** argv)
{
    using namespace orvane;
    QApplication application(argc, argv);
    QApplication::setApplicationName("Orvane");
    QApplication::setWindowIcon(applicationIcon());
    QtMessageBoxes boxes;
    QtFileDialogs files;
    QtToolkit toolkit;
    const auto eventLoop = [] { QApplication::exec(); };
    const std::unique_ptr<RegistryAccess> noRegistryYet;
    Commands chooserCommands(boxes, noRegistryYet);
    const std::optional<PrefixInUse> prefix = choosePrefix(toolkit, eventLoop, chooserCommands,
                                                           HomeFolders::fromEnvironment(), std::getenv("WINEPREFIX"));
    if (!prefix)
        return 0; // the player cancelled the choice
    PosixProgramStarter starter(prefix->folder, prefix->wine);
    const std::unique_ptr<DisplayModeSource> display = displayModesInUse();
    SettingsPlace place{.openStore = [folder = prefix->folder] { return std::make_unique<WinePrefixStore>(folder); },
                        .paths = PathMapping(prefix->folder),
                        .description = prefixDescription(prefix->folder)};
    Context context({toolkit, boxes, files, starter, *display}, std::move(place), {argv + 1, argv + argc});
    return runProgram(context, eventLoop);
}
