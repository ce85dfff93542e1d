// The folder chooser: the tree from the drive root down, opening folders,
// the drive list, OK into the target folder and all four edits, Cancel.
#include "dialogs/FolderChooser.h"
#include "files/Utf8Paths.h"
#include "tests/logic/OrvaneFixture.h"

#include <cctype>

namespace orvane {
namespace {

// A folder name with a blank and a letter beyond ASCII, in UTF-8.
constexpr const char* Umlauts = "Spiele \xC3\xBC";

class FolderChooser : public test::OrvaneFixture {
protected:
    void SetUp() override
    {
        OrvaneFixture::SetUp();
        std::filesystem::create_directories(game.gameFolder() / "Maps" / pathOf(Umlauts));
        ASSERT_EQ(start(), StartOutcome::Running);
    }
    Window& dialog() const { return windows->folders->window(); }
    ListControl& tree() const { return dialog().list("DirListBox"); }
    void openEntry(const std::string& name) const
    {
        const auto& items = tree().items();
        const auto found = std::find(items.begin(), items.end(), name);
        ASSERT_NE(found, items.end()) << "no entry " << name;
        tree().userOpen(static_cast<int>(found - items.begin()));
    }
};

TEST_F(FolderChooser, ChooseShowsTheGameFolderFromTheRootDownAndItsSubfolders)
{
    std::filesystem::current_path(game.scratch());
    click("CPL");
    EXPECT_TRUE(dialog().visible());
    EXPECT_FALSE(mainWindow().enabled());
    EXPECT_TRUE(std::filesystem::equivalent(std::filesystem::current_path(), game.gameFolder()));
    const std::string folder = windows->folders->openFolder();
    EXPECT_TRUE(std::filesystem::equivalent(state().place.paths.hostPath(folder), game.gameFolder()));
    const auto& items = tree().items();
    ASSERT_GE(items.size(), 2u);
    EXPECT_EQ(items.front(), folder.substr(0, 3)); // the drive root, "C:\"
    EXPECT_NE(std::find(items.begin(), items.end(), "Warcraft III"), items.end());
    for (const char* sub : {"Errors", "Logs", "Maps", "replay", "save"})
        EXPECT_NE(std::find(items.begin(), items.end(), sub), items.end()) << sub;
    click("OKButton", &dialog());
    EXPECT_EQ(state().settings.logpath, folder); // the folder of the button clicked
}

TEST_F(FolderChooser, OKWithoutOpeningTakesTheFolderShownIntoTheFieldAndAllEdits)
{
    retype("PS", "D:\\Typed");
    click("CPR");
    click("OKButton", &dialog());
    EXPECT_FALSE(dialog().visible());
    EXPECT_TRUE(mainWindow().enabled());
    const std::string folder = windows->folders->openFolder();
    EXPECT_EQ(state().settings.reppath, folder);
    EXPECT_EQ(edit("PR").text(), folder);
    EXPECT_EQ(edit("PS").text(), "D:\\Typed"); // taken into savpath when it was typed
    EXPECT_EQ(panel(1), "Changes have been made!");
    click("MAS");
    EXPECT_EQ(test::textIn(game, std::string(schema::GameKey) + "\\DelOpt1", "Path0"), folder);
}

TEST_F(FolderChooser, OpeningAFolderMakesItCurrentAndOKTakesTheOpenOneNotTheHighlighted)
{
    click("CPS");
    openEntry("Maps");
    openEntry(Umlauts);
    EXPECT_TRUE(std::filesystem::equivalent(std::filesystem::current_path(), game.gameFolder() / "Maps" / pathOf(Umlauts)));
    tree().userHighlight(0); // only highlighted
    click("OKButton", &dialog());
    EXPECT_EQ(state().settings.savpath, game.installPath() + "\\Maps\\" + Umlauts);
    // The tree keeps its folder for the next use, though Choose goes back to the game folder.
    click("CPE");
    EXPECT_TRUE(std::filesystem::equivalent(std::filesystem::current_path(), game.gameFolder()));
    EXPECT_EQ(windows->folders->openFolder(), game.installPath() + "\\Maps\\" + Umlauts);
    openEntry("Warcraft III"); // up again through the path entries
    EXPECT_EQ(windows->folders->openFolder(), game.installPath());
}

TEST_F(FolderChooser, CancelChangesNothing)
{
    const SettingsSnapshot before = state().settings;
    click("CPS");
    openEntry("Logs");
    click("CancelButton", &dialog());
    EXPECT_TRUE(mainWindow().enabled());
    EXPECT_EQ(state().settings, before);
    EXPECT_EQ(edit("PS").text(), before.savpath);
    EXPECT_EQ(panel(1), "No changes have been made!");
}

TEST_F(FolderChooser, TheDriveListSwitchesOnlyToAnotherDrive)
{
    click("CPS");
    ListControl& drives = dialog().list("DriveCombo");
    const std::string shown = windows->folders->openFolder();
    ASSERT_GE(drives.count(), 2);
    EXPECT_EQ(drives.text()[0], std::tolower(static_cast<unsigned char>(shown[0])));
    drives.userSelect(drives.selected()); // the tree's own drive
    EXPECT_EQ(windows->folders->openFolder(), shown);
    const int other = drives.selected() == 0 ? 1 : 0;
    drives.userSelect(other);
    EXPECT_EQ(windows->folders->openFolder()[0],
              std::toupper(static_cast<unsigned char>(drives.items()[static_cast<size_t>(other)][0])));
}

TEST_F(FolderChooser, AFolderThatVanishedSaysSoAndTheTreeShowsWhatIsThere)
{
    click("CPS");
    std::filesystem::remove_all(game.gameFolder() / "Maps");
    openEntry("Maps");
    ASSERT_EQ(errorTexts().size(), 1u);
    EXPECT_NE(errorTexts()[0].find("cannot be opened"), std::string::npos);
    const auto& items = tree().items();
    EXPECT_EQ(std::find(items.begin(), items.end(), "Maps"), items.end());
    EXPECT_TRUE(dialog().visible());
}

#ifndef _WIN32
TEST_F(FolderChooser, ADriveLinkPointingNowhereIsNotReadyAndTheTreeStays)
{
    std::filesystem::create_directory_symlink("/nowhere/at/all", game.prefix() / "dosdevices" / "q:");
    windows.reset();
    ASSERT_EQ(start(), StartOutcome::Running); // the drive list is made with the dialog
    click("CPS");
    const std::string shown = windows->folders->openFolder();
    ListControl& drives = dialog().list("DriveCombo");
    const auto q = std::find(drives.items().begin(), drives.items().end(), "q:");
    ASSERT_NE(q, drives.items().end());
    drives.userSelect(static_cast<int>(q - drives.items().begin()));
    ASSERT_EQ(errorTexts().size(), 1u);
    EXPECT_NE(errorTexts()[0].find("The drive q: is not ready"), std::string::npos);
    EXPECT_EQ(windows->folders->openFolder(), shown);
}
#endif

} // namespace
} // namespace orvane
