// Orvane's own options: filled afresh, the executables' hints, Browse,
// saving into Orvane's key and leaving without saving.
#include "dialogs/OptionsDialog.h"
#include "files/Utf8Paths.h"
#include "tests/logic/OrvaneFixture.h"
#include "tests/support/Files.h"

namespace orvane {
namespace {

class Options : public test::OrvaneFixture {
protected:
    void SetUp() override
    {
        OrvaneFixture::SetUp();
        ASSERT_EQ(start(), StartOutcome::Running);
        click("CMOptions");
    }
    Window& dialog() const { return windows->options->window(); }
    EditControl& field(const char* name) const { return dialog().edit(name); }
    // The game's folder holds its executable, as the game would see it.
    std::string existingGame() const
    {
        test::writeFile(game.gameFolder() / "Frozen Throne.exe", "MZ");
        return game.installPath() + "\\Frozen Throne.exe";
    }
};

TEST_F(Options, OpeningFillsTheDialogFromTheCurrentValuesOverTheDisabledWindow)
{
    EXPECT_TRUE(dialog().visible());
    EXPECT_FALSE(mainWindow().enabled());
    EXPECT_EQ(field("WC3EXEdit").text(), game.installPath() + "\\Warcraft III.exe");
    EXPECT_EQ(field("WC3EXEdit").hint(), field("WC3EXEdit").text());
    EXPECT_EQ(field("WEEXEdit").text(), game.installPath() + "\\World Editor.exe");
    EXPECT_EQ(field("WEEXEdit").hint(), field("WEEXEdit").text());
    EXPECT_EQ(field("ParamEdit").text(), "");
    EXPECT_FALSE(dialog().check("AASCB").checked());
    type(field("WC3EXEdit"), "x");
    EXPECT_EQ(field("WC3EXEdit").hint(), game.installPath() + "\\Warcraft III.exex");
    click("LeaveOptBut", &dialog());
    EXPECT_TRUE(mainWindow().enabled());
    click("CMOptions");
    EXPECT_EQ(field("WC3EXEdit").text(), game.installPath() + "\\Warcraft III.exe"); // refilled
}

TEST_F(Options, SavingStoresAutoApplyAndParametersAndTakesOnlyExistingExecutables)
{
    click("AASCB", &dialog());
    field("ParamEdit").userEdit(" -window ");
    field("WC3EXEdit").userEdit(existingGame());
    field("WEEXEdit").userEdit("C:\\nowhere\\editor.exe");
    click("SaveOptBut", &dialog());
    EXPECT_FALSE(dialog().visible());
    EXPECT_TRUE(mainWindow().enabled());
    EXPECT_EQ(test::integerIn(game, schema::OrvaneKey, "autoapply"), 1);
    EXPECT_EQ(test::textIn(game, schema::OrvaneKey, "startparams"), " -window "); // untrimmed
    EXPECT_EQ(form().programs().game, existingGame());
    EXPECT_EQ(form().programs().editor, game.installPath() + "\\World Editor.exe");
    click("W3Icon");
    EXPECT_EQ(starter.starts.back().file, existingGame());
    EXPECT_EQ(starter.starts.back().parameters, " -window ");
}

TEST_F(Options, BrowseTakesTheChosenFileAsTheGameSeesItAndCancelKeepsTheText)
{
    const std::string chosen = existingGame();
    files.setNextFileName(displayPath(game.gameFolder() / "Frozen Throne.exe"));
    click("War3Browse", &dialog());
    ASSERT_EQ(files.shown.size(), 1u);
    EXPECT_EQ(files.shown[0].title, "Select Warcraft III executeable");
    EXPECT_EQ(files.shown[0].filterName, "Executeables (*.exe)");
    EXPECT_EQ(files.shown[0].filterPattern, "*.exe");
    EXPECT_EQ(files.shown[0].purpose, FileDialogRequest::Purpose::Open);
    EXPECT_EQ(field("WC3EXEdit").text(), chosen);
    EXPECT_EQ(field("WC3EXEdit").hint(), chosen);
    field("WEEXEdit").userEdit("typed by hand");
    files.setNextCancel();
    click("WEBrowse", &dialog());
    EXPECT_EQ(files.shown[1].title, "Select World - Editor executeable");
    EXPECT_EQ(files.shown[1].fileName, displayPath(game.gameFolder() / "Frozen Throne.exe")); // last chosen by either
    EXPECT_EQ(field("WEEXEdit").text(), "typed by hand");
}

TEST_F(Options, AfterACleanupSavingMakesOrvanesKeyAgainWithoutOpenGLOrAccounts)
{
    click("LeaveOptBut", &dialog());
    boxes.setNextAnswer(MessageAnswer::Yes);
    pressShortcut("F6");
    click("CMOptions");
    click("SaveOptBut", &dialog());
    EXPECT_EQ(test::namesIn(game, schema::OrvaneKey), (std::vector<std::string>{"autoapply", "startparams"}));
    EXPECT_FALSE(game.registry()->keyExists(schema::BnetUsersKey));
}

} // namespace
} // namespace orvane
