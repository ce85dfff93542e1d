// Writing the settings while Warcraft III or its World Editor runs, which
// may store its own settings over them when it exits: the player is asked
// once per change, before anything is written, and may go on.
#include "files/Utf8Paths.h"
#include "tests/logic/OrvaneFixture.h"
#include "tests/support/Files.h"

namespace orvane {
namespace {

class GameRunning : public test::OrvaneFixture {
protected:
    int32_t gamma() const { return test::integerIn(game, schema::VideoKey, "gamma"); }
    int warnings() const
    {
        int count = 0;
        for (const auto& box : boxes.shown)
            count += box.id == MessageId::GameRunning;
        return count;
    }
};

TEST_F(GameRunning, ApplyAsksFirstAndWritesOnlyWhenThePlayerGoesOn)
{
    programs.running = {"explorer.exe", "WAR3.EXE"};
    ASSERT_EQ(start(), StartOutcome::Running);
    EXPECT_TRUE(boxes.shown.empty());
    moveSlider("GammaTrackBar", 70);
    click("VAS");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0],
              (MessageBoxRequest{MessageId::GameRunning, "Warcraft III is running",
                                 "Warcraft III is running (WAR3.EXE): close it first, or its own "
                                 "settings may overwrite these when it exits. Save the settings anyway?",
                                 MessageIcon::Warning, MessageButtons::YesNo}));
    EXPECT_EQ(gamma(), 25); // No
    EXPECT_EQ(panel(1), "Changes have been made!");
    boxes.setNextAnswer(MessageAnswer::Yes);
    click("VAS");
    EXPECT_EQ(warnings(), 2);
    EXPECT_EQ(gamma(), 70);
    click("VAS"); // nothing changed since: nothing to warn of
    EXPECT_EQ(warnings(), 2);
}

TEST_F(GameRunning, TheWorldEditorCountsAndOtherProgramsDoNot)
{
    programs.running = {"war3.exe.bak", "worldedit.exe.lnk", "Warcraft III Launcher.exe"};
    ASSERT_EQ(start(), StartOutcome::Running);
    moveSlider("GammaTrackBar", 70);
    click("VAS");
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(gamma(), 70);

    programs.running = {"world editor.EXE"};
    moveSlider("GammaTrackBar", 71);
    click("VAS");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text.rfind("The World Editor of Warcraft III is running (world editor.EXE): ", 0), 0u)
        << boxes.shown[0].text;
    EXPECT_EQ(gamma(), 70);
}

TEST_F(GameRunning, AutoApplyAsksOncePerChangeAndNotForTheStart)
{
    game.edit([](RegistryAccess& registry) { registry.createKey(schema::OrvaneKey).writeBool("autoapply", true); });
    programs.running = {"Frozen Throne.exe"};
    ASSERT_EQ(start(), StartOutcome::Running);
    EXPECT_EQ(warnings(), 0);
    boxes.setNextAnswer(MessageAnswer::Yes);
    moveSlider("GammaTrackBar", 70);
    EXPECT_EQ(warnings(), 1);
    EXPECT_EQ(gamma(), 70);
    moveSlider("GammaTrackBar", 71);
    EXPECT_EQ(warnings(), 2);
    EXPECT_EQ(gamma(), 70);
}

TEST_F(GameRunning, LoadingAConfigurationAsksAfterTheQuestionWhetherToSave)
{
    const std::filesystem::path file = game.scratch() / "fast.ini";
    test::writeFile(file, "[Video]\ngamma=70\n");
    programs.running = {"Warcraft III.exe"};
    ASSERT_EQ(start(), StartOutcome::Running);
    files.setNextFileName(displayPath(file));
    boxes.setNextAnswer(MessageAnswer::Yes);
    pressShortcut("Ctrl+L");
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[0].id, MessageId::SaveLoadedConfiguration);
    EXPECT_EQ(boxes.shown[1].id, MessageId::GameRunning);
    EXPECT_EQ(gamma(), 25); // No
    files.setNextFileName(displayPath(file));
    boxes.setNextAnswer(MessageAnswer::Yes);
    boxes.setNextAnswer(MessageAnswer::Yes);
    pressShortcut("Ctrl+L");
    EXPECT_EQ(gamma(), 70);
}

TEST_F(GameRunning, ARenamedProfileIsAskedForFirst)
{
    programs.running = {"war3.exe"};
    ASSERT_EQ(start(), StartOutcome::Running);
    const std::string profile = test::readFile(game.gameFolder() / "save" / "Profile1" / "Campaigns.w3p");
    click("Rename");
    Window& dialog = windows->profileRename->window();
    dialog.edit("NewCPName").userEdit("");
    type(dialog.edit("NewCPName"), "Thrall");
    click("RenCPOK", &dialog);
    EXPECT_EQ(warnings(), 1);
    EXPECT_EQ(test::readFile(game.gameFolder() / "save" / "Profile1" / "Campaigns.w3p"), profile);
    EXPECT_EQ(test::textIn(game, schema::MiscKey, "campaignprofile"), "Player");
}

} // namespace
} // namespace orvane
