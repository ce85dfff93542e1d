// The orvane program started from a terminal or a launcher's script: each
// option and exit status through the real entry point, on a prefix of the
// test's own, read back from its user.reg.
#include "settings/Schema.h"
#include "tests/support/FakeWineserver.h"
#include "tests/support/Files.h"
#include "tests/support/TestGame.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace orvane {
namespace {

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

class OrvaneCommand : public ::testing::Test {
protected:
    // orvane with these arguments and, beside the test's own environment,
    // these variables set ("NAME=value") or removed ("NAME").
    Outcome orvane(const std::vector<std::string>& arguments, const std::vector<std::string>& variables = {}) const
    {
        const std::filesystem::path out = game.scratch() / "stdout";
        const std::filesystem::path err = game.scratch() / "stderr";
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const std::string program = std::string(ORVANE_BINARY_DIR) + "/orvane";
        std::vector<char*> argv{const_cast<char*>(program.c_str())};
        for (const std::string& argument : arguments)
            argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        std::vector<std::string> environment;
        for (char** entry = environ; *entry; ++entry) {
            const std::string setting = *entry;
            const std::string name = setting.substr(0, setting.find('='));
            if (name != "DISPLAY" && name != "WAYLAND_DISPLAY" &&
                std::none_of(variables.begin(), variables.end(), [&](const std::string& variable) {
                    return variable.substr(0, variable.find('=')) == name;
                }))
                environment.push_back(setting);
        }
        for (const std::string& variable : variables)
            if (variable.find('=') != std::string::npos)
                environment.push_back(variable);
        std::vector<char*> envp;
        for (std::string& setting : environment)
            envp.push_back(setting.data());
        envp.push_back(nullptr);
        pid_t child = 0;
        Outcome run;
        if (::posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), envp.data()) == 0) {
            int status = 0;
            ::waitpid(child, &status, 0);
            run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        posix_spawn_file_actions_destroy(&actions);
        run.out = test::readFile(out);
        run.err = test::readFile(err);
        return run;
    }
    Outcome onPrefix(std::vector<std::string> arguments) const
    {
        arguments.insert(arguments.begin(), {"--prefix", game.prefix().string()});
        return orvane(arguments, {"WINEPREFIX"});
    }
    std::string userReg() const { return test::readFile(game.prefix() / "user.reg"); }
    std::filesystem::path configuration(const std::string& name, const std::string& text) const
    {
        const std::filesystem::path file = game.scratch() / name;
        test::writeFile(file, text);
        return file;
    }

    test::TestGame game;
};

TEST_F(OrvaneCommand, HelpAndVersionAnswerOnStandardOutput)
{
    const Outcome help = orvane({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage: orvane ", 0), 0u) << help.out;
    EXPECT_NE(help.out.find("--list-prefixes"), std::string::npos);
    EXPECT_EQ(help.err, "");
    const Outcome version = orvane({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "Orvane 1.5b\n");
}

TEST_F(OrvaneCommand, AWrongOptionOrAMissingArgumentIsAUsageError)
{
    for (const auto& arguments : {std::vector<std::string>{"--lod", "x.ini"}, std::vector<std::string>{"--load"},
                                  std::vector<std::string>{"--save", "a", "--save", "b"}}) {
        const Outcome run = orvane(arguments);
        EXPECT_EQ(run.status, 2) << arguments[0];
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find("Usage: orvane "), std::string::npos) << run.err;
    }
    EXPECT_NE(orvane({"--lod"}).err.find("unknown option --lod"), std::string::npos);
}

TEST_F(OrvaneCommand, LoadWritesTheFileAndReportsEachChangeAndSaveGivesItBack)
{
    const auto file = configuration("competitive.ini", "[Video]\r\ngamma=40\r\n[Gameplay]\r\nkeyscroll=77\r\n"
                                                      "[Bnet Accounts]\r\nBnetName0=Arthas\r\n");
    const Outcome load = onPrefix({"--load", file.string()});
    EXPECT_EQ(load.status, 0) << load.err;
    EXPECT_NE(load.out.find("Video\\gamma: 25 -> 40\n"), std::string::npos) << load.out;
    EXPECT_NE(load.out.find("Gameplay\\keyscroll: 50 -> 77\n"), std::string::npos) << load.out;
    EXPECT_NE(load.out.find("-> Arthas\n"), std::string::npos) << load.out;
    EXPECT_EQ(load.err, "");
    auto registry = game.registry();
    registry->OpenKey(schema::VideoKey, false);
    EXPECT_EQ(registry->ReadInteger("gamma"), 40);

    const Outcome again = onPrefix({"--load", file.string()});
    EXPECT_EQ(again.status, 0);
    EXPECT_EQ(again.out, "No changes.\n");

    const Outcome save = onPrefix({"--save", "-"});
    EXPECT_EQ(save.status, 0);
    EXPECT_NE(save.out.find("gamma=40\r\n"), std::string::npos);
    EXPECT_NE(save.out.find("keyscroll=77\r\n"), std::string::npos);
    EXPECT_NE(save.out.find("=Arthas\r\n"), std::string::npos);
    // Saved to a file: the same bytes as standard output.
    const auto saved = game.scratch() / "saved.ini";
    EXPECT_EQ(onPrefix({"--save", saved.string()}).status, 0);
    EXPECT_EQ(test::readFile(saved), save.out);
    // Qt's own options are Qt's, as in every Qt program: the command still answers.
    const Outcome withQtOptions =
        onPrefix({"-platform", "offscreen", "-reverse", "-qwindowgeometry", "800x600", "--save", "-"});
    EXPECT_EQ(withQtOptions.status, 0) << withQtOptions.err;
    EXPECT_EQ(withQtOptions.out, save.out);
}

TEST_F(OrvaneCommand, ValuesOfOtherKindsBesideTheSettingsAreLeftAsTheyAre)
{
    // The game keeps its gateways as a list of texts in its own key.
    std::string text = userReg();
    const std::string header = "[Software\\\\Blizzard Entertainment\\\\Warcraft III]";
    size_t at = text.find('\n', text.find(header)) + 1;
    if (text.compare(at, 1, "#") == 0)
        at = text.find('\n', at) + 1;
    text.insert(at, "\"Battle.net Gateways\"=str(7):\"1001\\0uswest.battle.net\\0\\0\"\n");
    test::writeFile(game.prefix() / "user.reg", text);
    const Outcome load = onPrefix({"--load", configuration("g.ini", "[Video]\r\ngamma=40\r\n").string()});
    EXPECT_EQ(load.status, 0) << load.err;
    EXPECT_EQ(load.out, "Video\\gamma: 25 -> 40\n");
    EXPECT_NE(userReg().find("\"Battle.net Gateways\"=str(7):\"1001\\0uswest.battle.net\\0\\0\""), std::string::npos);
}

TEST_F(OrvaneCommand, ARefusedLoadWritesNothingAndExitsWithOne)
{
    const std::string before = userReg();
    const Outcome port = onPrefix({"--load", configuration("bad.ini", "[Gameplay]\nnetgameport=80\n").string()});
    EXPECT_EQ(port.status, 1);
    EXPECT_EQ(port.out, "");
    EXPECT_NE(port.err.find("Gameport must be a value between 1024 and 49151!"), std::string::npos) << port.err;
    EXPECT_EQ(userReg(), before);

    const Outcome binary = onPrefix({"--load", configuration("binary.ini", std::string("\x01\x02\0x", 4)).string()});
    EXPECT_EQ(binary.status, 1);
    EXPECT_NE(binary.err.find("is not an Orvane configuration"), std::string::npos) << binary.err;
    // Sections are found as the reading finds them: a folder alone, in any case, is a configuration.
    const Outcome folders = onPrefix({"--load", configuration("folders.ini", "[delopt1]\nreppath=C:\\Replays\n").string()});
    EXPECT_EQ(folders.status, 0) << folders.err;
    EXPECT_NE(folders.out.find("DelOpt1\\Path0: "), std::string::npos) << folders.out;
    const std::string afterFolders = userReg();
    const Outcome missing = onPrefix({"--load", (game.scratch() / "none.ini").string()});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("kann nicht ge"), std::string::npos) << missing.err;
    EXPECT_EQ(userReg(), afterFolders);
}

TEST_F(OrvaneCommand, WhileWineRunsForThePrefixALoadIsRefusedAndUserRegStaysByteForByte)
{
    ASSERT_EQ(onPrefix({"--save", "-"}).status, 0); // Orvane's own key exists from here on
    const std::string before = userReg();
    test::FakeWineserver server(game.prefix());
    const Outcome load = onPrefix({"--load", configuration("g.ini", "[Video]\ngamma=70\n").string()});
    EXPECT_EQ(load.status, 1);
    EXPECT_NE(load.err.find("Wine is running for the prefix"), std::string::npos) << load.err;
    EXPECT_EQ(userReg(), before);
}

TEST_F(OrvaneCommand, SaveOfARegistryMissingValuesFailsWithTheLoadError)
{
    game.edit([](RegistryAccess& registry) {
        registry.OpenKey(schema::GameplayKey, false);
        registry.DeleteValue("keyscroll");
    });
    const Outcome save = onPrefix({"--save", "-"});
    EXPECT_EQ(save.status, 1);
    EXPECT_EQ(save.out, "");
    EXPECT_NE(save.err.find("'keyscroll'"), std::string::npos) << save.err;
}

TEST_F(OrvaneCommand, PrefixWinsOverWinePrefixAndTheGameMustBeInstalled)
{
    const Outcome named = orvane({"--prefix", game.prefix().string(), "--save", "-"}, {"WINEPREFIX=/nowhere"});
    EXPECT_EQ(named.status, 0) << named.err;
    const Outcome viaVariable = orvane({"--save", "-"}, {"WINEPREFIX=" + game.prefix().string()});
    EXPECT_EQ(viaVariable.out, named.out);
    std::filesystem::remove(game.gameFolder() / "war3.mpq");
    const Outcome notInstalled = onPrefix({"--save", "-"});
    EXPECT_EQ(notInstalled.status, 1);
    EXPECT_NE(notInstalled.err.find("It appears that Warcraft III is not installed correctly"), std::string::npos);
}

TEST_F(OrvaneCommand, ListPrefixesNamesEachPrefixThatHoldsTheGame)
{
    const std::filesystem::path home = game.scratch() / "home";
    std::filesystem::create_directories(home);
    const Outcome none = orvane({"--list-prefixes"}, {"HOME=" + home.string(), "XDG_DATA_HOME", "XDG_CONFIG_HOME"});
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.out, "");
    EXPECT_NE(none.err.find("No Wine prefix with Warcraft III"), std::string::npos);

    std::filesystem::create_directory_symlink(game.prefix(), home / ".wine");
    const Outcome found = orvane({"--list-prefixes"}, {"HOME=" + home.string(), "XDG_DATA_HOME", "XDG_CONFIG_HOME"});
    EXPECT_EQ(found.status, 0) << found.err;
    EXPECT_EQ(found.out.rfind("Wine\t" + (home / ".wine").string() + "\t" + game.installPath() + "\t", 0), 0u)
        << found.out;
}

} // namespace
} // namespace orvane
