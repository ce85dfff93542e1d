// Orvane on Linux: the Qt window over the player's Wine prefix.
#include "app/PrefixChoice.h"
#include "app/ProgramState.h"
#include "app/Startup.h"
#include "platform/PosixProgramStarter.h"
#include "ui/qt/Icons.h"
#include "ui/qt/QtFileDialogs.h"
#include "ui/qt/QtMessageBoxes.h"
#include "ui/qt/QtToolkit.h"

#include <cstdlib>

int main(int argc, char** argv)
{
    using namespace orvane;
    QApplication application(argc, argv);
    QApplication::setApplicationName("Orvane");
    QApplication::setWindowIcon(applicationIcon());
    QtMessageBoxes boxes;
    installMessageBoxes(&boxes);
    QtFileDialogs files;
    installFileDialogs(&files);
    QtToolkit toolkit;
    const auto eventLoop = [] { QApplication::exec(); };
    const std::optional<PrefixInUse> prefix =
        choosePrefix(toolkit, eventLoop, HomeFolders::fromEnvironment(), std::getenv("WINEPREFIX"));
    if (!prefix)
        return 0; // the player cancelled the choice
    // Every part of Orvane, and the Wine it starts, uses this prefix.
    ::setenv("WINEPREFIX", prefix->folder.c_str(), 1);
    PosixProgramStarter starter(prefix->folder, prefix->wine);
    installProgramStarter(&starter);
    programState().registryPlace = prefixDescription(prefix->folder);
    for (int i = 1; i < argc; ++i)
        programState().arguments.emplace_back(argv[i]);
    return runProgram(toolkit, eventLoop);
}
