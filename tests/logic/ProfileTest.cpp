// The campaign profiles of the savegame folder: listed, selected, renamed
// in their files and in the registry, and left alone when Orvane cannot
// read them as text.
#include "dialogs/ProfileRenameDialog.h"
#include "wine/WinePaths.h"
#include "tests/logic/OrvaneFixture.h"
#include "tests/support/Files.h"
#ifndef _WIN32
#include "config/TextFiles.h"
#include "tests/support/ChildProcesses.h"
#include "tests/support/FakeWineserver.h"
#include "tests/support/SystemCallHooks.h"

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>
#endif


namespace orvane {
namespace {

class Profiles : public test::OrvaneFixture {
protected:
    std::filesystem::path saves() const { return game.gameFolder() / "save"; }
    std::filesystem::path profileFile(int number) const
    {
        return saves() / ("Profile" + std::to_string(number)) / "Campaigns.w3p";
    }
    void writeProfile(int number, const std::string& bytes) const { test::writeFile(profileFile(number), bytes); }
    std::string readProfile(int number) const { return test::readFile(profileFile(number)); }
    Window& dialog() const { return windows->profileRename->window(); }
    void rename(const std::string& newName)
    {
        click("Rename");
        EditControl& field = dialog().edit("NewCPName");
        field.userEdit("");
        type(field, newName);
        click("RenCPOK", &dialog());
    }
};

TEST_F(Profiles, TheNumberedFoldersUpToTheFirstGapAreListedAndTheCurrentOneSelected)
{
    writeProfile(4, "[Campaign]\nPlayerName=Never\n");
    std::filesystem::rename(saves() / "Profile2", saves() / "PROFILE2"); // found whatever its case
    ASSERT_EQ(start(), StartOutcome::Running);
    EXPECT_EQ(list("CPCombo").items(), (std::vector<std::string>{"Player", "Grunt"}));
    EXPECT_EQ(list("CPCombo").selected(), 0);
    EXPECT_EQ(state().settings.campaignprofile, "Player");
    pick("CPCombo", "Grunt");
    click("MAS");
    EXPECT_EQ(test::textIn(game, schema::MiscKey, "campaignprofile"), "Grunt");
}

TEST_F(Profiles, OfSeveralProfilesOfTheCurrentNameTheLastIsSelected)
{
    writeProfile(2, "[Campaign]\nPlayerName=Player\n");
    writeProfile(3, "[Other]\nx=1\n");
    std::filesystem::create_directories(saves() / "Profile4"); // no file: "noprofile"
    ASSERT_EQ(start(), StartOutcome::Running);
    EXPECT_EQ(list("CPCombo").items(), (std::vector<std::string>{"Player", "Player", "noprofile", "noprofile"}));
    EXPECT_EQ(list("CPCombo").selected(), 1);
}

TEST_F(Profiles, RenamingRewritesTheFileAndTheRegistryAndSelectsTheNewName)
{
    writeProfile(2, "; the game's note\n[Campaign]\nPlayerName = Grunt\nDifficulty=2\n[Other]\nx=1\n");
    ASSERT_EQ(start(), StartOutcome::Running);
    pick("CPCombo", "Grunt");
    click("Rename");
    EXPECT_FALSE(mainWindow().enabled());
    EXPECT_EQ(dialog().edit("OldCPName").text(), "Grunt");
    EXPECT_FALSE(dialog().edit("OldCPName").enabled());
    type(dialog().edit("NewCPName"), "Thrall");
    click("RenCPOK", &dialog());
    EXPECT_EQ(readProfile(2), "[Campaign]\r\nPlayerName=Thrall\r\nDifficulty=2\r\n\r\n[Other]\r\nx=1\r\n\r\n");
    EXPECT_EQ(test::textIn(game, schema::MiscKey, "campaignprofile"), "Thrall");
    EXPECT_EQ(list("CPCombo").items(), (std::vector<std::string>{"Player", "Thrall"}));
    EXPECT_EQ(list("CPCombo").text(), "Thrall");
    EXPECT_FALSE(dialog().visible());
    EXPECT_TRUE(mainWindow().enabled());
    // The next rename starts from what was typed last time.
    click("Rename");
    EXPECT_EQ(dialog().edit("NewCPName").text(), "Thrall");
}

TEST_F(Profiles, TheSameNameIsRefusedAndAnEmptyOneAccepted)
{
    ASSERT_EQ(start(), StartOutcome::Running);
    rename("Player");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0], (MessageBoxRequest{MessageId::SameProfileName, "Fatal Error", "Choose a different name!", MessageIcon::Information,
                                                 MessageButtons::Ok}));
    EXPECT_TRUE(dialog().visible());
    click("RenCPCancel", &dialog());
    EXPECT_TRUE(mainWindow().enabled());
    rename("");
    EXPECT_EQ(readProfile(1), "[Campaign]\r\nPlayerName=\r\n\r\n");
    EXPECT_EQ(test::textIn(game, schema::MiscKey, "campaignprofile"), "");
    EXPECT_EQ(list("CPCombo").selected(), 0);
    EXPECT_EQ(list("CPCombo").text(), "");
}

TEST_F(Profiles, ANameIsStoredWithoutTheBlanksAtItsEndsSoTheListStillFindsIt)
{
    ASSERT_EQ(start(), StartOutcome::Running);
    rename(" Bob ");
    EXPECT_EQ(readProfile(1), "[Campaign]\r\nPlayerName=Bob\r\n\r\n");
    EXPECT_EQ(test::textIn(game, schema::MiscKey, "campaignprofile"), "Bob");
    EXPECT_EQ(list("CPCombo").text(), "Bob");
    click("MAS");
    EXPECT_EQ(test::textIn(game, schema::MiscKey, "campaignprofile"), "Bob");
}

TEST_F(Profiles, AProfileTheGameWroteInWindows1252StaysWindows1252)
{
    writeProfile(2, "[Campaign]\r\nPlayerName=J\xF6rg\r\nNote=caf\xE9\r\n");
    ASSERT_EQ(start(), StartOutcome::Running);
    pick("CPCombo", "J\xC3\xB6rg");
    rename("J\xC3\xB6rgen");
    EXPECT_EQ(readProfile(2), "[Campaign]\r\nPlayerName=J\xF6rgen\r\nNote=caf\xE9\r\n\r\n");
}

#ifndef _WIN32
TEST_F(Profiles, WhileWineRunsARenameChangesNeitherTheFileNorTheRegistryAndTheDialogStays)
{
    writeProfile(2, "[Campaign]\r\nPlayerName=Grunt\r\n");
    ASSERT_EQ(start(), StartOutcome::Running);
    pick("CPCombo", "Grunt");
    click("MAS");
    const std::string file = readProfile(2);
    const std::string userReg = test::readFile(game.prefix() / "user.reg");
    {
        test::FakeWineserver server(game.prefix());
        rename("Thrall");
        ASSERT_EQ(errorTexts().size(), 1u);
        EXPECT_NE(errorTexts()[0].find("Wine is running for the prefix"), std::string::npos);
        EXPECT_EQ(readProfile(2), file);
        EXPECT_EQ(test::readFile(game.prefix() / "user.reg"), userReg);
        EXPECT_TRUE(dialog().visible());
        EXPECT_EQ(list("CPCombo").text(), "Grunt");
    }
    // Once Wine has ended, the same rename goes through.
    click("RenCPOK", &dialog());
    EXPECT_FALSE(dialog().visible());
    EXPECT_EQ(test::textIn(game, schema::MiscKey, "campaignprofile"), "Thrall");
    EXPECT_EQ(readProfile(2), "[Campaign]\r\nPlayerName=Thrall\r\n\r\n");
}
#endif

TEST_F(Profiles, AProfileFileThatIsNoTextIsNeverRewritten)
{
    const std::string binary("\x03\0\0\0W3pf\0\x10\x20Grunt\0", 17);
    writeProfile(2, binary);
    ASSERT_EQ(start(), StartOutcome::Running);
    EXPECT_EQ(list("CPCombo").items()[1], "noprofile");
    pick("CPCombo", 1);
    rename("Thrall");
    ASSERT_EQ(errorTexts().size(), 1u);
    EXPECT_NE(errorTexts()[0].find("Profile2"), std::string::npos);
    EXPECT_NE(errorTexts()[0].find("was not renamed"), std::string::npos);
    EXPECT_EQ(readProfile(2), binary);
    EXPECT_EQ(test::textIn(game, schema::MiscKey, "campaignprofile"), "Player");
    EXPECT_TRUE(dialog().visible()); // left with Cancel
}

// A profile the list cannot read ends the presentation there: the controls
// after it show nothing of the record, so none of them is taken back into
// it, not even when someone else's value is shown, until a reload presents
// everything.
TEST_F(Profiles, AnUnreadableProfileEndsThePresentationAndNoControlIsTakenUntilAReload)
{
    std::filesystem::remove(profileFile(2));
    std::filesystem::create_directory(profileFile(2)); // a folder where the game keeps its file
    ASSERT_EQ(start(), StartOutcome::Running);
    ASSERT_EQ(errorTexts().size(), 1u);
    EXPECT_NE(errorTexts()[0].find("Profile2"), std::string::npos) << errorTexts()[0];
    EXPECT_FALSE(form().changeDetectionOn());
    EXPECT_EQ(edit("LANName").text(), ""); // after the profiles: never shown
    retype("PS", "C:\\Typed");
    EXPECT_EQ(state().settings.savpath, game.installPath() + "\\save");

    game.setInteger(schema::VideoKey, "gamma", 40);
    click("VAS");
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[1].id, MessageId::NewerValuesKept);
    EXPECT_EQ(slider("GammaTrackBar").position(), 40);
    EXPECT_FALSE(form().changeDetectionOn());
    click("MAS");
    EXPECT_EQ(test::textIn(game, schema::StringKey, "userlocal"), "Player");
    EXPECT_EQ(test::textIn(game, schema::SavegamesKey, "Path0"), game.installPath() + "\\save");

    std::filesystem::remove(profileFile(2));
    pressShortcut("F5");
    EXPECT_TRUE(form().changeDetectionOn());
    EXPECT_EQ(edit("LANName").text(), "Player");
    EXPECT_EQ(edit("PS").text(), game.installPath() + "\\save");
}

TEST_F(Profiles, WithNoProfileSelectedTheRenameAimsAtFolderZero)
{
    game.edit([this](RegistryAccess& registry) {
        RegistryKey key = registry.openKey(std::string(schema::GameKey) + "\\DelOpt0");
        key.writeString("Path0", game.siblingInstallPath("Nowhere"));
    });
    ASSERT_EQ(start(), StartOutcome::Running);
    EXPECT_EQ(list("CPCombo").count(), 0);
    rename("Thrall");
    ASSERT_EQ(errorTexts().size(), 1u);
    EXPECT_NE(errorTexts()[0].find("Profile0"), std::string::npos);
    EXPECT_NE(errorTexts()[0].find("kann nicht erstellt werden"), std::string::npos);
    EXPECT_EQ(test::textIn(game, schema::MiscKey, "campaignprofile"), "Player");
    EXPECT_FALSE(mainWindow().enabled()); // until Cancel
}

#ifndef _WIN32
// A rename of a profile file of several names, cut off once its journal was
// in place: listed as it was to end, and the file left as it is until the
// next rename finishes it.
TEST_F(Profiles, ACutOffRenameIsListedAsItWasToEndAndFinishedByTheNextOne)
{
    writeProfile(2, "[Campaign]\nPlayerName=Grunt\n");
    std::filesystem::create_hard_link(profileFile(2), saves() / "Grunt.w3p");
    const pid_t saver = ::fork();
    ASSERT_GE(saver, 0);
    if (saver == 0) {
        test::onNextFsync([] { ::raise(SIGKILL); });
        writeTextFile(profileFile(2), "[Campaign]\r\nPlayerName=Thrall\r\n\r\n");
        ::_exit(0);
    }
    ::waitpid(saver, nullptr, 0);
    const std::filesystem::path journal = profileFile(2).string() + ".orvane-journal";
    ASSERT_TRUE(std::filesystem::exists(journal));
    const auto modified = std::filesystem::last_write_time(profileFile(2));

    ASSERT_EQ(start(), StartOutcome::Running);
    EXPECT_EQ(list("CPCombo").items(), (std::vector<std::string>{"Player", "Thrall"}));
    EXPECT_EQ(readProfile(2), "[Campaign]\nPlayerName=Grunt\n");
    EXPECT_EQ(std::filesystem::last_write_time(profileFile(2)), modified);
    EXPECT_TRUE(std::filesystem::exists(journal));

    pick("CPCombo", "Thrall");
    rename("Orc");
    EXPECT_EQ(readProfile(2), "[Campaign]\r\nPlayerName=Orc\r\n\r\n");
    EXPECT_FALSE(std::filesystem::exists(journal));
    EXPECT_EQ(test::readFile(saves() / "Grunt.w3p"), readProfile(2));
}

// A profile too large to read, or whose text is too large to take apart:
// named, with what to do, not reported as a failed allocation.
TEST_F(Profiles, AProfileTooLargeForTheMemoryLeftIsNamedWithWhatToDo)
{
    if (test::addressSanitized())
        GTEST_SKIP() << "the address sanitizer needs more address space than the limit leaves";
    const auto expectNamed = [&](const std::string& size) {
        test::withLittleMemory(128u << 20, [&] {
            ASSERT_EQ(start(), StartOutcome::Running);
            ASSERT_EQ(errorTexts().size(), 1u);
            const std::string message = errorTexts()[0];
            EXPECT_EQ(message.rfind("Orvane cannot read the file ", 0), 0u) << message;
            EXPECT_NE(message.find("/save/Profile2/Campaigns.w3p: its " + size +
                                   " bytes do not fit in the memory left. Close other programs to free memory and "
                                   "try again, or replace the file with a smaller copy."),
                      std::string::npos)
                << message;
        });
    };
    std::filesystem::resize_file(profileFile(2), 1ull << 30); // sparse: it takes no disk
    expectNamed("1073741824");
    std::string sections;
    for (int n = 0; n < 4 << 20; ++n)
        sections += "[a]\n";
    writeProfile(2, sections);
    expectNamed("16777216");
}
#endif

} // namespace
} // namespace orvane
