// Starting the game and the editor, which ends Orvane, and the readme.
#include "files/Utf8Paths.h"
#include "tests/logic/OrvaneFixture.h"
#include "tests/support/Files.h"

namespace orvane {
namespace {

class Launch : public test::OrvaneFixture {
protected:
    void setStartParams(const std::string& parameters) const
    {
        game.edit([&](RegistryAccess& registry) {
            RegistryKey key = registry.createKey(schema::OrvaneKey);
            key.writeString("startparams", parameters);
        });
    }
};

TEST_F(Launch, TheGameGetsTheParametersWithOpenGLAndOrvaneEnds)
{
    setStartParams("-window \"a b\"");
    ASSERT_EQ(start(), StartOutcome::Running);
    click("OGLCB");
    click("W3Icon");
    ASSERT_EQ(starter.starts.size(), 1u);
    EXPECT_EQ(starter.starts[0].file, game.installPath() + "\\Warcraft III.exe");
    EXPECT_EQ(starter.starts[0].parameters, "-window \"a b\" -opengl");
    EXPECT_TRUE(std::filesystem::equivalent(starter.starts[0].directory, game.gameFolder()));
    EXPECT_EQ(toolkit.quitRequests, 1);
    click("WEIcon");
    EXPECT_EQ(starter.starts[1].file, game.installPath() + "\\World Editor.exe");
    EXPECT_EQ(starter.starts[1].parameters, "-window \"a b\" -opengl");
}

TEST_F(Launch, WithoutParametersOrOpenGLTheParameterStringIsEmpty)
{
    ASSERT_EQ(start(), StartOutcome::Running);
    click("W3Icon");
    ASSERT_EQ(starter.starts.size(), 1u);
    EXPECT_EQ(starter.starts[0].parameters, "");
}

TEST_F(Launch, AStartThatCannotBeginIsSaidAndOrvaneGoesOn)
{
    ASSERT_EQ(start(), StartOutcome::Running);
    click("OGLCB");
    starter.failure = "No Wine was found to start the game";
    click("W3Icon");
    EXPECT_EQ(errorTexts(), std::vector<std::string>{"No Wine was found to start the game."});
    EXPECT_EQ(toolkit.quitRequests, 0);
    starter.failure.clear();
    click("W3Icon");
    EXPECT_EQ(starter.starts.back().parameters, " -opengl"); // not twice
    EXPECT_EQ(toolkit.quitRequests, 1);
}

TEST_F(Launch, TheReadmeIsTheOneWhereOrvaneStartedAndOrvaneKeepsRunning)
{
    const std::filesystem::path home = game.scratch(); // Orvane's own folder
    test::writeFile(home / "readme.txt", "Orvane\n");
    std::filesystem::current_path(home);
    ASSERT_EQ(start(), StartOutcome::Running); // the current directory is now the game's
    pressShortcut("F1");
    ASSERT_EQ(starter.opened.size(), 1u);
    EXPECT_TRUE(std::filesystem::equivalent(pathOf(starter.opened[0]), home / "readme.txt"));
    EXPECT_EQ(toolkit.quitRequests, 0);
}

TEST_F(Launch, AnInstalledReadmeIsFoundBesideTheProgramOrInTheDocumentsAndElseThePlacesAreNamed)
{
    const std::filesystem::path terminal = game.scratch() / "terminal";
    const std::filesystem::path program = game.scratch() / "usr" / "bin";
    const std::filesystem::path documents = game.scratch() / "usr" / "share" / "doc" / "orvane";
    std::filesystem::create_directories(terminal);
    std::filesystem::create_directories(program);
    test::writeFile(documents / "readme.txt", "Orvane\n");
    std::filesystem::current_path(terminal);
    folders = {program, documents};
    ASSERT_EQ(start(), StartOutcome::Running);
    pressShortcut("F1");
    ASSERT_EQ(starter.opened.size(), 1u);
    EXPECT_TRUE(std::filesystem::equivalent(pathOf(starter.opened[0]), documents / "readme.txt"));
    test::writeFile(program / "readme.txt", "Orvane\n");
    pressShortcut("F1");
    ASSERT_EQ(starter.opened.size(), 2u);
    EXPECT_TRUE(std::filesystem::equivalent(pathOf(starter.opened[1]), program / "readme.txt"));

    std::filesystem::remove(program / "readme.txt");
    std::filesystem::remove(documents / "readme.txt");
    pressShortcut("F1");
    ASSERT_EQ(errorTexts().size(), 1u);
    for (const auto& place : {terminal, program, documents})
        EXPECT_NE(errorTexts()[0].find(displayPath(place)), std::string::npos) << errorTexts()[0];
    EXPECT_EQ(errorTexts()[0].find("beside the Orvane program"), std::string::npos);
    EXPECT_EQ(starter.opened.size(), 2u);
}

} // namespace
} // namespace orvane
