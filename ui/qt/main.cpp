// Orvane on Linux: the Qt window over the player's Wine prefix, or, with
// options, its commands without a window.
#include "app/PrefixChoice.h"
#include "app/PrefixReadAhead.h"
#include "app/Startup.h"
#include "cli/CommandLine.h"
#include "cli/ListPrefixes.h"
#include "cli/RunCommand.h"
#include "platform/PlatformDisplayModes.h"
#include "platform/PlayersLanguages.h"
#include "platform/PosixProgramStarter.h"
#include "ui/qt/FontconfigWarmUp.h"
#include "ui/qt/Icons.h"
#include "ui/qt/QtFileDialogs.h"
#include "ui/qt/QtMessageBoxes.h"
#include "ui/qt/QtOptions.h"
#include "ui/qt/QtOwnTexts.h"
#include "ui/qt/QtToolkit.h"

#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

namespace {

using namespace orvane;

int withoutWindow(const CommandLine& line, const Texts& texts)
{
    const HomeFolders folders = HomeFolders::fromEnvironment();
    if (line.listPrefixes && !line.help && !line.version)
        return listGamePrefixes(folders, texts, std::cout, std::cerr);
    const auto findPlace = [&](std::ostream& err) -> std::optional<SettingsPlace> {
        const auto prefix = prefixForCommand(line.prefix, folders, std::getenv("WINEPREFIX"), texts, err);
        if (!prefix)
            return std::nullopt;
        return settingsOfPrefix(prefix->folder);
    };
    return runCommand(line, true, texts, findPlace, std::cout, std::cerr);
}

} // namespace

int main(int argc, char** argv)
{
    const SeparatedArguments arguments = separateQtOptions({argv + 1, argv + argc});
    const auto parsed = parseCommandLine(arguments.own, true);
    if (const auto* wrong = std::get_if<UsageError>(&parsed)) {
        const Texts texts = playersTexts();
        std::cerr << "orvane: " << wrong->message(texts) << "\n\n" << usage(true, texts);
        return 2;
    }
    const CommandLine line = withAbsolutePaths(std::get<CommandLine>(parsed), std::filesystem::current_path());
    if (line.withoutWindow())
        return withoutWindow(line, playersTexts());

    // Both run while the toolkit connects to the display.
    FontconfigWarmUp fonts;
    PrefixReadAhead early(line.prefix, HomeFolders::fromEnvironment(), std::getenv("WINEPREFIX"));
    std::vector<char*> qtArguments{argv[0]};
    for (const std::string& option : arguments.qt)
        qtArguments.push_back(const_cast<char*>(option.c_str()));
    qtArguments.push_back(nullptr);
    int qtArgumentCount = static_cast<int>(qtArguments.size()) - 1;
    QApplication application(qtArgumentCount, qtArguments.data());
    QApplication::setApplicationName("Orvane");
    QApplication::setWindowIcon(applicationIcon());
    QtMessageBoxes boxes;
    QtFileDialogs files;
    QtToolkit toolkit;
    fonts.wait();
    const auto eventLoop = [] { QApplication::exec(); };
    const std::unique_ptr<RegistryAccess> noRegistryYet;
    Texts texts = playersTexts();
    const QtOwnTexts qtTexts(texts);
    Commands chooserCommands(boxes, noRegistryYet, texts);
    const std::optional<PrefixInUse> prefix = choosePrefix(toolkit, eventLoop, chooserCommands, texts, early.settled());
    if (!prefix)
        return 0; // the player cancelled the choice
    PosixProgramStarter starter(prefix->folder, prefix->wine);
    const std::unique_ptr<DisplayModeSource> display = displayModesInUse();
    const std::filesystem::path program = QCoreApplication::applicationDirPath().toStdString();
    Context context({toolkit, boxes, files, starter, *display}, early.settingsOf(prefix->folder), line.passedOn,
                    {program, program.parent_path() / "share" / "doc" / "orvane"}, std::move(texts));
    return runProgram(context, eventLoop);
}
