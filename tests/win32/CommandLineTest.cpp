// orvane.exe from a console or a launcher's .bat: the options answered on
// the output it was given, read back from Wine's registry.
#include "settings/Schema.h"
#include "tests/support/TestGame.h"
#include "tests/win32/WindowUnderWine.h"

#include <gtest/gtest.h>

#include <fstream>

namespace orvane {
namespace {

class OrvaneExeCommand : public ::testing::Test {
protected:
    std::wstring configuration(const char* name, const char* text) const
    {
        const std::filesystem::path file = game.scratch() / name;
        std::ofstream(file, std::ios::binary) << text;
        return L"\"" + file.wstring() + L"\"";
    }
    test::TestGame game;
};

TEST_F(OrvaneExeCommand, VersionHelpAndUsageErrorsAnswerWithoutAWindow)
{
    const test::CommandRun version = test::runOrvaneCommand(L"--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "Orvane " ORVANE_VERSION "\n");
    const test::CommandRun help = test::runOrvaneCommand(L"--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage: orvane.exe ", 0), 0u) << help.out;
    const test::CommandRun wrong = test::runOrvaneCommand(L"--prefix C:\\x");
    EXPECT_EQ(wrong.status, 2);
    EXPECT_NE(wrong.err.find("unknown option --prefix"), std::string::npos) << wrong.err;
}

TEST_F(OrvaneExeCommand, LoadWritesTheRegistryAndABadPortWritesNothing)
{
    const test::CommandRun load = test::runOrvaneCommand(L"--load " + configuration("g.ini", "[Video]\r\ngamma=40\r\n"));
    EXPECT_EQ(load.status, 0) << load.err;
    EXPECT_NE(load.out.find("Video\\gamma: "), std::string::npos) << load.out;
    EXPECT_NE(test::regQuery(std::string(schema::VideoKey), "gamma").find("0x28"), std::string::npos);

    const std::string before = game.contents();
    const test::CommandRun port =
        test::runOrvaneCommand(L"--load " + configuration("p.ini", "[Gameplay]\r\nnetgameport=80\r\n[Video]\r\ngamma=60\r\n"));
    EXPECT_EQ(port.status, 1);
    EXPECT_NE(port.err.find("Gameport must be a value between 1024 and 49151!"), std::string::npos) << port.err;
    EXPECT_EQ(game.contents(), before);

    // Standard output gets the bytes a saved file holds.
    const test::CommandRun shown = test::runOrvaneCommand(L"--save -");
    EXPECT_EQ(shown.status, 0) << shown.err;
    EXPECT_NE(shown.out.find("[Video]\r\n"), std::string::npos);
    const std::filesystem::path saved = game.scratch() / "saved.ini";
    EXPECT_EQ(test::runOrvaneCommand(L"--save \"" + saved.wstring() + L"\"").status, 0);
    std::ifstream file(saved, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(file), {}), shown.out);
}

} // namespace
} // namespace orvane
