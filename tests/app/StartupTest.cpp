// Program start as a player meets it: the installation check, the windows,
// the start-up variables, the error box and the way out.
#include "app/ProgramInfo.h"
#include "settings/Errors.h"
#include "tests/app/OrvaneFixture.h"

#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <gtest/gtest.h>


namespace orvane {
namespace {

using test::GameFolderWindows;

const MessageBoxRequest FatalMessage{
    "Fatal Error: Warcraft III is not installed correctly!",
    std::string("It appears that Warcraft III is not installed correctly. Install or reinstall Warcraft III and run "
                "my program again. If you continue encountering problems, send an e-amil to ") +
        MaintainerAddress + ".",
    MessageIcon::Information, MessageButtons::Ok};

class Startup : public test::OrvaneFixture {
protected:
    void renameArchive(const char* name) const
    {
        std::filesystem::rename(prefix.gameFolder() / "war3.mpq", prefix.gameFolder() / name);
    }
};

TEST_F(Startup, WithoutTheGameKeyOnlyTheFatalMessageAppears)
{
    prefix.writeUserReg(std::string(test::WineHeader) + "[Software\\\\Wine] 1\n\n");
    EXPECT_EQ(start(), StartOutcome::NotInstalled);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0], FatalMessage);
    EXPECT_FALSE(windows->MainForm);
    EXPECT_FALSE(programState().registry);
}

TEST_F(Startup, AGameFolderWithoutWar3MpqIsNotAnInstallation)
{
    renameArchive("war3.exe");
    EXPECT_EQ(start(), StartOutcome::NotInstalled);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0], FatalMessage);
    EXPECT_FALSE(windows->MainForm);
}

TEST_F(Startup, OpensTheMainWindowAndKeepsTheDialogsHidden)
{
    renameArchive("War3.MPQ"); // the game under Wine sees it whatever its case
    ASSERT_EQ(start(), StartOutcome::Running);
    EXPECT_TRUE(boxes.shown.empty());
    const ProgramState& state = programState();
    EXPECT_EQ(state.StartDir, startedIn.string());
    EXPECT_TRUE(std::filesystem::equivalent(std::filesystem::current_path(), prefix.gameFolder()));
    EXPECT_EQ(state.InstallDir, GameFolderWindows);
    EXPECT_EQ(state.GameExePath, std::string(GameFolderWindows) + "\\Warcraft III.exe");
    EXPECT_EQ(state.EditorExePath, std::string(GameFolderWindows) + "\\World Editor.exe");
    EXPECT_EQ(QCoreApplication::applicationName(), "Orvane");

    TMainForm& form = *windows->MainForm;
    EXPECT_EQ(form.windowTitle(), "Orvane");
    EXPECT_EQ(panel(0), QString("Installed in ") + GameFolderWindows);
    EXPECT_EQ(panel(1), "No changes have been made!");
    EXPECT_EQ(panel(2), "No configuration loaded!");
    EXPECT_FALSE(form.isVisible());

    const std::vector<std::pair<QWidget*, const char*>> dialogs{
        {windows->Proginfo.get(), "Info about Orvane"},
        {windows->CDForm.get(), "Choose Directory"},
        {windows->RenCPForm.get(), "Rename Campaign Profile"},
        {windows->AddBnetForm.get(), "Add a Battle.net account name to the list"},
        {windows->OptForm.get(), "Options"},
    };
    for (const auto& [dialog, caption] : dialogs) {
        EXPECT_EQ(dialog->windowTitle(), caption);
        EXPECT_FALSE(dialog->isVisible()) << caption;
        EXPECT_FALSE(dialog->windowFlags() & Qt::WindowCloseButtonHint) << caption;
    }
}

TEST_F(Startup, TheMainWindowHasAFixedClientAreaAndThreeStatusPanels)
{
    ASSERT_EQ(start(), StartOutcome::Running);
    TMainForm& form = *windows->MainForm;
    form.show();
    QApplication::processEvents();
    EXPECT_EQ(form.centralWidget()->width(), 894);
    EXPECT_EQ(form.centralWidget()->height() + form.statusBar()->height(), 584);
    EXPECT_EQ(form.size().height(), 584 + form.menuBar()->height());
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_TRUE(form.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(form.font().pointSize(), 8);
    const QStatusBar* bar = form.findChild<QStatusBar*>("StatusBar");
    ASSERT_TRUE(bar);
    EXPECT_EQ(bar->height(), 17);
    const std::vector<int> widths{350, 175, 250};
    for (int i = 0; i < 3; ++i) {
        const auto* label = bar->findChild<QLabel*>(QString("StatusPanel%1").arg(i));
        ASSERT_TRUE(label);
        EXPECT_EQ(label->width(), widths[static_cast<size_t>(i)]);
        EXPECT_EQ(label->alignment(), Qt::AlignCenter);
    }
    form.hide();
}

TEST_F(Startup, WithoutInstallPathWar3MpqIsLookedForWhereOrvaneStarted)
{
    prefix.edit([](RegistryAccess& registry) {
        registry.OpenKey(schema::GameKey, false);
        registry.DeleteValue(schema::InstallPath);
        registry.DeleteValue(schema::Program);
    });
    test::TempPrefix startFolder;
    test::writeFile(startFolder.path() / "war3.mpq", "mpq");
    std::filesystem::current_path(startFolder.path());
    ASSERT_EQ(start(), StartOutcome::Running);
    EXPECT_EQ(panel(0), "Installed in ");
    EXPECT_TRUE(std::filesystem::equivalent(std::filesystem::current_path(), startFolder.path()));
    EXPECT_EQ(programState().GameExePath, "");
    windows.reset();
}

TEST_F(Startup, AnInstallPathThatIsNotTextEndsTheProgramWithAnErrorReport)
{
    prefix.edit([](RegistryAccess& registry) {
        registry.OpenKey(schema::GameKey, false);
        registry.WriteInteger(schema::InstallPath, 1);
    });
    EXPECT_EQ(start(), StartOutcome::Failed);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0], (MessageBoxRequest{"Orvane", "Ungültiger Datentyp für 'InstallPath'", MessageIcon::Error,
                                                 MessageButtons::Ok}));
    EXPECT_FALSE(windows->MainForm);
}

TEST_F(Startup, AnUnreadableRegistryFileIsNamedAndNoWindowOpens)
{
    prefix.writeUserReg("WINE REGISTRY Version 2\n[Software\\\\Blizz");
    EXPECT_EQ(start(), StartOutcome::Failed);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_NE(boxes.shown[0].text.find(prefix.userReg().string() + ", line 2"), std::string::npos);
    EXPECT_EQ(prefix.readUserReg(), "WINE REGISTRY Version 2\n[Software\\\\Blizz");
}

TEST_F(Startup, ScreenshotSwitchReplacesTheFolderShownButNotTheCurrentDirectory)
{
    // The game lives elsewhere than the switch pretends.
    std::filesystem::rename(prefix.gameFolder(), prefix.path() / "drive_c" / "WC3");
    prefix.edit([](RegistryAccess& registry) {
        registry.OpenKey(schema::GameKey, false);
        registry.WriteString(schema::InstallPath, "C:\\wc3");
    });
    ASSERT_EQ(start({"/scrshtemu"}), StartOutcome::Running);
    EXPECT_EQ(panel(0), QString("Installed in ") + GameFolderWindows);
    EXPECT_EQ(programState().EditorExePath, std::string(GameFolderWindows) + "\\World Editor.exe");
    EXPECT_TRUE(std::filesystem::equivalent(std::filesystem::current_path(), prefix.path() / "drive_c" / "WC3"));
}

TEST_F(Startup, ScreenshotSwitchCountsOnlyAsTheFirstArgumentAndExactly)
{
    for (const auto& arguments : {std::vector<std::string>{"-x", "/scrshtemu"}, std::vector<std::string>{"/SCRSHTEMU"}}) {
        resetProgramState();
        ASSERT_EQ(start(arguments), StartOutcome::Running);
        EXPECT_EQ(programState().InstallDir, GameFolderWindows);
        EXPECT_EQ(panel(0), QString("Installed in ") + GameFolderWindows);
        windows.reset();
    }
}

TEST_F(Startup, QuitEndsTheEventLoopAndDestroyingTheWindowShutsDown)
{
    ASSERT_EQ(start(), StartOutcome::Running);
    QTimer::singleShot(0, windows->MainForm.get(), &TMainForm::CMFileCloseClick);
    QTimer::singleShot(2000, [] { QCoreApplication::exit(99); }); // a guard, should quit fail
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(programState().registry);
    windows.reset();
    EXPECT_FALSE(programState().registry);
}

// An object whose event handler fails, as a registry read of a handler would.
class FailingReceiver : public QObject {
public:
    int handled = 0;
    bool event(QEvent* event) override
    {
        if (event->type() != QEvent::User)
            return QObject::event(event);
        ++handled;
        throw EFileError(formatMessage(messages::FileOpenFailed, "/tmp/x.ini"));
    }
};

TEST_F(Startup, AnErrorInAnEventHandlerShowsTheErrorBoxAndTheProgramGoesOn)
{
    FailingReceiver receiver;
    QEvent first(QEvent::User);
    QCoreApplication::sendEvent(&receiver, &first);
    QEvent second(QEvent::User);
    QCoreApplication::sendEvent(&receiver, &second);
    EXPECT_EQ(receiver.handled, 2);
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[0], (MessageBoxRequest{"Orvane", "Datei /tmp/x.ini kann nicht geöffnet werden.",
                                                 MessageIcon::Error, MessageButtons::Ok}));
}

} // namespace
} // namespace orvane
