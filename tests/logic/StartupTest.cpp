// Program start as a player meets it: the installation check, the windows,
// the start-up variables, the error box and the way out.
#include "context/ProgramInfo.h"
#include "files/Errors.h"
#include "registry/RegistryErrors.h"
#include "tests/logic/OrvaneFixture.h"

#ifndef _WIN32
#include "tests/support/TempPrefix.h"
#endif

#include <filesystem>

namespace orvane {
namespace {

const MessageBoxRequest FatalMessage{
    MessageId::NotInstalled,
    "Fatal Error: Warcraft III is not installed correctly!",
    std::string("It appears that Warcraft III is not installed correctly. Install or reinstall Warcraft III and run "
                "my program again. If you continue encountering problems, send an e-amil to ") +
        MaintainerAddress + ".",
    MessageIcon::Information, MessageButtons::Ok};

class Startup : public test::OrvaneFixture {
protected:
    void renameArchive(const char* name) const
    {
        std::filesystem::rename(game.gameFolder() / "war3.mpq", game.gameFolder() / name);
    }
};

TEST_F(Startup, WithoutTheGameKeyOnlyTheFatalMessageAppears)
{
    game.edit([](RegistryAccess& registry) { registry.deleteKey(std::string(schema::GameKey)); });
    EXPECT_EQ(start(), StartOutcome::NotInstalled);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0], FatalMessage);
    EXPECT_FALSE(windows->main);
    EXPECT_TRUE(toolkit.realised.empty());
    EXPECT_FALSE(state().registry);
    EXPECT_EQ(exitStatus(StartOutcome::NotInstalled), 0);
}

TEST_F(Startup, AGameFolderWithoutWar3MpqIsNotAnInstallation)
{
    renameArchive("war3.exe");
    EXPECT_EQ(start(), StartOutcome::NotInstalled);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0], FatalMessage);
    EXPECT_FALSE(windows->main);
}

TEST_F(Startup, OpensTheMainWindowAndKeepsTheDialogsHidden)
{
    renameArchive("War3.MPQ"); // the game sees it whatever its case
    ASSERT_EQ(start(), StartOutcome::Running);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(form().installation().startFolder, startedIn);
    EXPECT_TRUE(std::filesystem::equivalent(std::filesystem::current_path(), game.gameFolder()));
    EXPECT_EQ(form().installation().gameFolder, game.installPath());
    EXPECT_EQ(form().programs().game, game.installPath() + "\\Warcraft III.exe");
    EXPECT_EQ(form().programs().editor, game.installPath() + "\\World Editor.exe");

    EXPECT_EQ(mainWindow().layout().caption, "Orvane");
    EXPECT_EQ(panel(0), "Installed in " + game.installPath());
    EXPECT_EQ(panel(1), "No changes have been made!");
    EXPECT_EQ(panel(2), "No configuration loaded!");
    EXPECT_FALSE(mainWindow().visible());

    // Created once each, in this order, all hidden.
    const std::vector<std::pair<std::string, std::string>> order{
        {"MainForm", "Orvane"},
        {"Proginfo", "Info about Orvane"},
        {"CDForm", "Choose Directory"},
        {"RenCPForm", "Rename Campaign Profile"},
        {"AddBnetForm", "Add a Battle.net account name to the list"},
        {"OptForm", "Options"},
        {"RestoreForm", "Restore Earlier Settings"},
    };
    ASSERT_EQ(toolkit.realised.size(), order.size());
    for (size_t i = 0; i < order.size(); ++i) {
        EXPECT_EQ(toolkit.realised[i]->name(), order[i].first);
        EXPECT_EQ(toolkit.realised[i]->layout().caption, order[i].second);
        EXPECT_FALSE(toolkit.realised[i]->visible()) << order[i].first;
    }
}

TEST_F(Startup, PanelZerosToolTipNamesWhereTheSettingsAreKept)
{
    winePrefix = "/home/player/Games/warcraft-iii";
    ASSERT_EQ(start(), StartOutcome::Running);
    EXPECT_EQ(form().panelHint(0), "Settings of the Wine prefix /home/player/Games/warcraft-iii");
    EXPECT_EQ(form().panelHint(1), "");
}

TEST_F(Startup, WithoutInstallPathWar3MpqIsLookedForWhereOrvaneStarted)
{
    game.edit([](RegistryAccess& registry) {
        RegistryKey key = registry.openKey(schema::GameKey);
        key.deleteValue(schema::InstallPath);
        key.deleteValue(schema::Program);
    });
    const std::filesystem::path elsewhere = game.gameFolder().parent_path() / "elsewhere";
    std::filesystem::create_directory(elsewhere);
    std::filesystem::copy_file(game.gameFolder() / "war3.mpq", elsewhere / "war3.mpq");
    std::filesystem::current_path(elsewhere);
    ASSERT_EQ(start(), StartOutcome::Running);
    EXPECT_EQ(panel(0), "Installed in ");
    EXPECT_TRUE(std::filesystem::equivalent(std::filesystem::current_path(), elsewhere));
    EXPECT_EQ(form().programs().game, "");
    EXPECT_EQ(form().programs().editor, "\\World Editor.exe");
}

TEST_F(Startup, AnInstallPathThatIsNotTextEndsTheProgramWithAnErrorReport)
{
    game.edit([](RegistryAccess& registry) {
        RegistryKey key = registry.openKey(schema::GameKey);
        key.writeInteger(schema::InstallPath, 1);
    });
    EXPECT_EQ(start(), StartOutcome::Failed);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0], (MessageBoxRequest{MessageId::Error, "Orvane", "Ungültiger Datentyp für 'InstallPath'", MessageIcon::Error,
                                                 MessageButtons::Ok}));
    EXPECT_FALSE(windows->main);
    EXPECT_EQ(exitStatus(StartOutcome::Failed), 1);
}

#ifndef _WIN32
TEST_F(Startup, AnUnreadableRegistryFileIsNamedAndNoWindowOpens)
{
    const std::filesystem::path userReg = game.prefix() / "user.reg";
    test::writeFile(userReg, "WINE REGISTRY Version 2\n[Software\\\\Blizz");
    EXPECT_EQ(start(), StartOutcome::Failed);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_NE(boxes.shown[0].text.find(userReg.string() + ", line 2"), std::string::npos);
    EXPECT_EQ(test::readFile(userReg), "WINE REGISTRY Version 2\n[Software\\\\Blizz");
}
#endif

TEST_F(Startup, ScreenshotSwitchReplacesTheFolderShownButNotTheCurrentDirectory)
{
    // The game lives elsewhere than the switch pretends.
    const std::filesystem::path moved = game.moveGameTo("WC3");
    const std::string movedPath = game.siblingInstallPath("wc3");
    game.edit([&](RegistryAccess& registry) {
        RegistryKey key = registry.openKey(schema::GameKey);
        key.writeString(schema::InstallPath, movedPath);
    });
    ASSERT_EQ(start({"/scrshtemu"}), StartOutcome::Running);
    const std::string shown = "C:\\Program Files\\Warcraft III";
    EXPECT_EQ(panel(0), "Installed in " + shown);
    EXPECT_EQ(form().programs().editor, shown + "\\World Editor.exe");
    EXPECT_TRUE(std::filesystem::equivalent(std::filesystem::current_path(), moved));
}

TEST_F(Startup, ScreenshotSwitchCountsOnlyAsTheFirstArgumentAndExactly)
{
    for (const auto& arguments : {std::vector<std::string>{"-x", "/scrshtemu"}, std::vector<std::string>{"/SCRSHTEMU"}}) {
        toolkit.realised.clear();
        ASSERT_EQ(start(arguments), StartOutcome::Running);
        EXPECT_EQ(form().installation().gameFolder, game.installPath());
        EXPECT_EQ(panel(0), "Installed in " + game.installPath());
        windows.reset();
    }
}

TEST_F(Startup, QuitAsksTheLoopToEndAndDestroyingTheWindowShutsDown)
{
    ASSERT_EQ(start(), StartOutcome::Running);
    edit("LANName").userEdit("Unapplied");
    const std::string before = game.contents();
    pressShortcut("Ctrl+Q");
    EXPECT_EQ(toolkit.quitRequests, 1);
    EXPECT_TRUE(boxes.shown.empty()); // nothing asked
    EXPECT_TRUE(state().registry);
    windows.reset();
    EXPECT_FALSE(state().registry);
    EXPECT_EQ(game.contents(), before); // nothing saved
}

TEST_F(Startup, ClosingTheMainWindowEndsTheProgramEvenWithADialogOpen)
{
    ASSERT_EQ(start(), StartOutcome::Running);
    click("AddBnet");
    mainWindow().userClose();
    EXPECT_EQ(toolkit.quitRequests, 1);
}

TEST_F(Startup, AnErrorInAHandlerShowsTheErrorBoxAndTheProgramGoesOn)
{
    ASSERT_EQ(start(), StartOutcome::Running);
    int handled = 0;
    ButtonControl& button = control<ButtonControl>("GAS");
    button.setHandler([&handled] {
        ++handled;
        throw FileError(MessageText{messages::FileOpenFailed, {"/tmp/x.ini"}});
    });
    button.userClick();
    button.userClick();
    EXPECT_EQ(handled, 2);
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[0], (MessageBoxRequest{MessageId::Error, "Orvane", "Datei /tmp/x.ini kann nicht geöffnet werden.",
                                                 MessageIcon::Error, MessageButtons::Ok}));
}

TEST_F(Startup, TheErrorBoxSpeaksThePlayersLanguage)
{
    texts = textsFor({"fr_FR.UTF-8"}, builtInCatalogues());
    ASSERT_EQ(start(), StartOutcome::Running);
    control<ButtonControl>("GAS").setHandler(
        [] { throw RegistryError(MessageText{messages::ReadFailed, {"Gamma"}}); });
    click("GAS");
    ASSERT_EQ(boxes.shown.size(), 1u);
    // No full stop after a closing quote, as in English.
    EXPECT_EQ(boxes.shown[0].text, "Erreur lors de la lecture des données de 'Gamma'");
}

} // namespace
} // namespace orvane
