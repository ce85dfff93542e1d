// The orvane program started from a terminal or a launcher's script: each
// option and exit status through the real entry point, on a prefix of the
// test's own, read back from its user.reg.
#include "settings/Schema.h"
#include "tests/support/ChildProcesses.h"
#include "tests/support/FakeWineserver.h"
#include "tests/support/SystemCallHooks.h"
#include "tests/terminal/OrvaneCommand.h"

#include <csignal>
#include <pwd.h>
#include <sys/stat.h>

namespace orvane {
namespace {

TEST_F(OrvaneCommand, HelpAndVersionAnswerOnStandardOutput)
{
    const Outcome help = orvane({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage: orvane ", 0), 0u) << help.out;
    EXPECT_NE(help.out.find("--list-prefixes"), std::string::npos);
    EXPECT_EQ(help.err, "");
    const Outcome version = orvane({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "Orvane " ORVANE_VERSION "\n");
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
    RegistryKey key = registry->openKey(schema::VideoKey);
    EXPECT_EQ(key.readInteger("gamma"), 40);

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
    // Each failure names the file and the reason.
    const std::filesystem::path pipe = game.scratch() / "pipe.ini";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    for (const auto& [file, reason] : {std::pair{game.scratch() / "none.ini", "there is no such file"},
                                       std::pair{game.scratch(), "it is a folder, not a file"},
                                       std::pair{pipe, "it is a named pipe, not a file"}}) {
        const Outcome refused = onPrefix({"--load", file.string()});
        EXPECT_EQ(refused.status, 1);
        EXPECT_EQ(refused.err, "Datei " + file.string() + " kann nicht ge\xC3\xB6""ffnet werden: " + reason + ".\n");
    }
    EXPECT_EQ(userReg(), afterFolders);

    // A mode the display does not have is named as such.
    const Outcome mode = orvane({"--prefix", game.prefix().string(), "--load",
                                 configuration("mode.ini", "[Video]\nreswidth=123\nresheight=45\ncolordepth=7\n").string()},
                                {"WINEPREFIX", "ORVANE_DISPLAY_MODES=800x600x16@60"});
    EXPECT_EQ(mode.status, 1);
    EXPECT_NE(mode.err.find("The display offers no mode 123x45 at 7 Bit!"), std::string::npos) << mode.err;
    EXPECT_EQ(userReg(), afterFolders);
}

// The window stores them as given, so the load does too; the script's log
// names each, with what the game takes. A value that is no number leaves
// the stored one.
TEST_F(OrvaneCommand, ValuesTheGameCannotUseAreStoredAndNamedOnTheErrorStream)
{
    const auto file = configuration("odd.ini", "[Video]\ngamma=1000\ntexquality=9\nrefreshrate=sixty\n"
                                               "[Sound]\nsfxvolume=-5\n[Gameplay]\nnetgameport=abc\ntooltips=1\n");
    const Outcome load = onPrefix({"--load", file.string()});
    EXPECT_EQ(load.status, 0) << load.err;
    for (const std::string line : {": [Video] gamma=1000 is stored, but the game takes 1 to 100.",
                                   ": [Video] texquality=9 is stored, but the game takes 0, 1 or 2.",
                                   ": [Video] refreshrate=sixty is no number, so the stored value stays.",
                                   ": [Sound] sfxvolume=-5 is stored, but the game takes 1 to 100.",
                                   ": [Gameplay] netgameport=abc is no number, so the stored value stays."})
        EXPECT_NE(load.err.find(file.string() + line + "\n"), std::string::npos) << line << "\n" << load.err;
    EXPECT_EQ(load.err.find("tooltips"), std::string::npos);
    auto registry = game.registry();
    RegistryKey key = registry->openKey(schema::VideoKey);
    EXPECT_EQ(key.readInteger("gamma"), 1000);
    EXPECT_EQ(key.readInteger("refreshrate"), 60);
}

// With auto-apply on, the loaded file is presented and every value written
// again: a profile the game folder does not hold stays the file's, and
// nosoundwarn, which no load reads, stays as the last file that gave it.
TEST_F(OrvaneCommand, AutoApplyKeepsWhatNoControlShowsAndWritesNothingBlind)
{
    {
        auto registry = game.registry();
        registry->createKey(schema::OrvaneKey).writeBool("autoapply", true);
    }
    const auto first = configuration("first.ini", "[Misc]\ncampaignprofile=Third\n[Sound]\nnosoundwarn=1\n");
    const Outcome load = onPrefix({"--load", first.string()});
    EXPECT_EQ(load.status, 0) << load.err;
    EXPECT_NE(load.out.find("Misc\\campaignprofile: Player -> Third\n"), std::string::npos) << load.out;
    const auto second = configuration("second.ini", "[Video]\ngamma=40\n");
    EXPECT_EQ(onPrefix({"--load", second.string()}).status, 0);
    auto registry = game.registry();
    EXPECT_EQ(registry->openKey(schema::MiscKey).readString("campaignprofile"), "Third");
    EXPECT_EQ(registry->openKey(schema::SoundKey).readInteger("nosoundwarn"), 1);
    EXPECT_EQ(registry->openKey(schema::VideoKey).readInteger("gamma"), 40);
}

// Two launchers' scripts at once on one prefix, as a plain file and as a
// hard-linked one: each command reads, decides and writes as one step, so
// neither loses the account name the other added, nor is the file torn.
TEST_F(OrvaneCommand, TwoLoadsAtOnceLoseNothingAndTearNothing)
{
    const std::filesystem::path backup = game.scratch() / "backup.reg";
    for (const bool linked : {false, true}) {
        if (linked)
            std::filesystem::create_hard_link(game.prefix() / "user.reg", backup);
        for (int run = 0; run < 10; ++run) {
            std::vector<std::string> added;
            std::vector<pid_t> loads;
            for (const char* script : {"first", "second"}) {
                added.push_back(std::string(script) + std::to_string(run) + (linked ? "linked" : ""));
                const auto file = configuration(std::string(script) + ".ini",
                                                "[Bnet Accounts]\r\nBnetName0=" + added.back() + "\r\n");
                loads.push_back(launch({"--prefix", game.prefix().string(), "--load", file.string()}, {"WINEPREFIX"},
                                       {}, script));
            }
            for (const std::string script : {"first", "second"}) {
                const Outcome load = finish(loads.front(), script);
                loads.erase(loads.begin());
                EXPECT_EQ(load.status, 0) << script << ": " << load.err;
            }
            std::vector<std::string> names;
            auto registry = game.registry();
            RegistryKey key = registry->openKey(schema::BnetUsersKey);
            names = key.valueNames();
            std::vector<std::string> stored;
            for (const std::string& name : names)
                stored.push_back(key.readString(name));
            for (const std::string& name : added)
                EXPECT_NE(std::find(stored.begin(), stored.end(), name), stored.end()) << name << " was lost";
            if (linked) {
                ASSERT_EQ(test::readFile(backup), userReg());
            }
        }
    }
}

// As a launcher's script names them: each path from the folder it runs in,
// whatever folder Orvane moves into; a same-named file in the game's folder
// is never taken instead.
TEST_F(OrvaneCommand, EveryPathIsTakenFromTheFolderTheCommandStartedIn)
{
    const std::filesystem::path here = game.scratch() / "scripts";
    std::filesystem::create_directories(here);
    test::writeFile(here / "competitive.ini", "[Video]\r\ngamma=40\r\n");
    test::writeFile(game.gameFolder() / "competitive.ini", "[Video]\r\ngamma=33\r\n");
    const std::string prefix = std::filesystem::relative(game.prefix(), here).string();
    const Outcome load = orvane({"--prefix", prefix, "--load", "competitive.ini"}, {"WINEPREFIX"}, here);
    EXPECT_EQ(load.status, 0) << load.err;
    EXPECT_EQ(load.out, "Video\\gamma: 25 -> 40\n");

    const Outcome save = orvane({"--save", "out.ini"}, {"WINEPREFIX=" + prefix}, here);
    EXPECT_EQ(save.status, 0) << save.err;
    EXPECT_NE(test::readFile(here / "out.ini").find("gamma=40\r\n"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(game.gameFolder() / "out.ini"));
    const Outcome inPrefix = orvane({"--prefix", ".", "--save", "-"}, {"WINEPREFIX"}, game.prefix());
    EXPECT_EQ(inPrefix.status, 0) << inPrefix.err;
    EXPECT_EQ(inPrefix.out, test::readFile(here / "out.ini"));
}

// Exporting reads: a prefix Orvane never opened keeps its file byte for
// byte, and so the export works while Wine runs too.
TEST_F(OrvaneCommand, SavingAConfigurationWritesNothingButTheConfiguration)
{
    const std::string before = userReg();
    test::FakeWineserver server(game.prefix());
    const Outcome save = onPrefix({"--save", "-"});
    EXPECT_EQ(save.status, 0) << save.err;
    EXPECT_NE(save.out.find("[Gameplay]\r\nkeyscroll=50\r\n"), std::string::npos) << save.out;
    EXPECT_NE(save.out.find("Allow Local Files=0\r\nstartparams=\r\n"), std::string::npos) << save.out;
    EXPECT_EQ(userReg(), before);
}

// A save of the hard-linked user.reg cut off once its journal was in place:
// exporting reads the settings as that save was to leave them and leaves
// the prefix as it is, also where it cannot be written; the next command
// that writes finishes the save.
TEST_F(OrvaneCommand, ExportingReadsACutOffSaveAsItWasToEndAndLeavesThePrefixAsItIs)
{
    const std::filesystem::path file = game.prefix() / "user.reg";
    const std::filesystem::path journal = game.prefix() / "user.reg.orvane-journal";
    std::filesystem::create_hard_link(file, game.prefix() / "backup.reg");
    ASSERT_TRUE(test::killedSave(
        game.prefix(), [] { test::onNextFsync([] { ::raise(SIGKILL); }); },
        [](RegistryAccess& registry) { registry.openKey(schema::GameplayKey).writeInteger("keyscroll", 77); }));
    const std::string before = userReg();
    const auto modified = std::filesystem::last_write_time(file);
    const std::string journalBefore = test::readFile(journal);
    const auto expectUnchanged = [&] {
        EXPECT_EQ(userReg(), before);
        EXPECT_EQ(std::filesystem::last_write_time(file), modified);
        EXPECT_EQ(test::readFile(journal), journalBefore);
    };

    const Outcome save = onPrefix({"--save", "-"});
    EXPECT_EQ(save.status, 0) << save.err;
    EXPECT_NE(save.out.find("[Gameplay]\r\nkeyscroll=77\r\n"), std::string::npos) << save.out;
    expectUnchanged();

    // As a read-only disk or another user's prefix: nothing there may be written.
    ASSERT_EQ(::chmod(file.c_str(), 0444), 0);
    ASSERT_EQ(::chmod(game.prefix().c_str(), 0555), 0);
    ASSERT_EQ(::chmod(game.scratch().c_str(), 0777), 0); // for the output
    test::asOrdinaryUser([&] {
        // Output files of its own: the earlier run's are root's.
        const std::vector<std::string> arguments{"--prefix", game.prefix().string(), "--save", "-"};
        const Outcome readOnly = finish(launch(arguments, {"WINEPREFIX"}, {}, "read-only"), "read-only");
        EXPECT_EQ(readOnly.status, 0) << readOnly.err;
        EXPECT_EQ(readOnly.out, save.out);
    });
    ASSERT_EQ(::chmod(game.prefix().c_str(), 0755), 0);
    ASSERT_EQ(::chmod(file.c_str(), 0644), 0);
    expectUnchanged();

    EXPECT_EQ(onPrefix({"--load", configuration("gamma.ini", "[Video]\ngamma=25\n").string()}).status, 0);
    EXPECT_NE(userReg().find("\"keyscroll\"=dword:0000004d"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(journal));
}

// A link another user made in a shared folder such as /tmp is not followed,
// and a read-only file is not replaced: as the window's file dialog refuses it.
TEST_F(OrvaneCommand, ASaveWritesNoFileThatAnotherUserCouldRedirectNorAReadOnlyOne)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "making a link of another user needs root";
    const std::filesystem::path shared = game.scratch() / "shared";
    std::filesystem::create_directories(shared);
    ASSERT_EQ(::chmod(shared.c_str(), 01777), 0);
    const std::filesystem::path mine = game.scratch() / "mine.ini";
    test::writeFile(mine, "[Mine]\nkept=1\n");
    std::filesystem::create_symlink(mine, shared / "planted.ini");
    ASSERT_EQ(::lchown((shared / "planted.ini").c_str(), 4242, 4242), 0);
    const Outcome planted = onPrefix({"--save", (shared / "planted.ini").string()});
    EXPECT_EQ(planted.status, 1);
    EXPECT_NE(planted.err.find("a link that another user made"), std::string::npos) << planted.err;
    EXPECT_EQ(test::readFile(mine), "[Mine]\nkept=1\n");

    const std::filesystem::path readOnly = game.scratch() / "read-only.ini";
    test::writeFile(readOnly, "[Mine]\nkept=1\n");
    ASSERT_EQ(::chmod(readOnly.c_str(), 0444), 0);
    const Outcome refused = onPrefix({"--save", readOnly.string()});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, "Datei " + readOnly.string() + " kann nicht erstellt werden: it is read-only.\n");
    EXPECT_EQ(test::readFile(readOnly), "[Mine]\nkept=1\n");
}

TEST_F(OrvaneCommand, WhileWineRunsForThePrefixALoadIsRefusedAndUserRegStaysByteForByte)
{
    // Orvane's own key exists from here on.
    ASSERT_EQ(onPrefix({"--load", configuration("same.ini", "[Video]\ngamma=25\n").string()}).status, 0);
    const std::string before = userReg();
    test::FakeWineserver server(game.prefix());
    const Outcome load = onPrefix({"--load", configuration("g.ini", "[Video]\ngamma=70\n").string()});
    EXPECT_EQ(load.status, 1);
    EXPECT_NE(load.err.find("Wine is running for the prefix"), std::string::npos) << load.err;
    EXPECT_EQ(userReg(), before);
}

TEST_F(OrvaneCommand, ASaveThatCannotBeMadeSaysWhyAndExitsWithOne)
{
    // A value with a line break would load back as other settings.
    game.edit([](RegistryAccess& registry) {
        RegistryKey key = registry.openKey(schema::StringKey);
        key.writeString("userlocal", "two\nlines");
    });
    const Outcome broken = onPrefix({"--save", "-"});
    EXPECT_EQ(broken.status, 1);
    EXPECT_EQ(broken.out, "");
    EXPECT_NE(broken.err.find("line break"), std::string::npos) << broken.err;

    game.edit([](RegistryAccess& registry) {
        RegistryKey key = registry.openKey(schema::GameplayKey);
        key.deleteValue("keyscroll");
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
