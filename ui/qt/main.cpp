// Orvane on Linux: the Qt window over the player's Wine prefix.
#include "app/ProgramState.h"
#include "app/Startup.h"
#include "platform/PosixProgramStarter.h"
#include "settings/WinePrefixStore.h"
#include "ui/qt/Icons.h"
#include "ui/qt/QtFileDialogs.h"
#include "ui/qt/QtMessageBoxes.h"
#include "ui/qt/QtToolkit.h"

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
    PosixProgramStarter starter(WinePrefixStore::defaultPrefix());
    installProgramStarter(&starter);
    for (int i = 1; i < argc; ++i)
        programState().arguments.emplace_back(argv[i]);
    QtToolkit toolkit;
    return runProgram(toolkit, [] { QApplication::exec(); });
}
