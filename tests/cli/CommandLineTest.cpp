// Reading the command line, telling a script what a load changed, and
// warning it of a running game.
#include "cli/CommandLine.h"
#include "cli/RunCommand.h"
#include "app/ValueChanges.h"
#include "settings/Schema.h"
#include "tests/support/Files.h"
#include "tests/support/FixedDisplayModes.h"
#include "tests/support/ListedPrograms.h"
#include "tests/support/TestGame.h"

#include <gtest/gtest.h>

#include <sstream>

namespace orvane {
namespace {

CommandLine parsed(const std::vector<std::string>& arguments, bool withWinePrefixes = true)
{
    auto result = parseCommandLine(arguments, withWinePrefixes);
    if (const auto* error = std::get_if<UsageError>(&result)) {
        ADD_FAILURE() << error->message(Texts());
        return {};
    }
    return std::get<CommandLine>(result);
}

std::string usageError(const std::vector<std::string>& arguments, bool withWinePrefixes = true)
{
    auto result = parseCommandLine(arguments, withWinePrefixes);
    const auto* error = std::get_if<UsageError>(&result);
    return error ? error->message(Texts()) : "(accepted)";
}

TEST(CommandLine, OptionsCombineTakeTheirValueEitherWayAndTheRestGoesToTheWindow)
{
    const CommandLine line = parsed({"--prefix", "/home/p/Games/wc3", "--load=competitive.ini", "--save", "-"});
    EXPECT_EQ(line.prefix, "/home/p/Games/wc3");
    EXPECT_EQ(line.load, "competitive.ini");
    EXPECT_EQ(line.save, "-");
    EXPECT_TRUE(line.withoutWindow());
    const CommandLine window = parsed({"/scrshtemu", "extra"});
    EXPECT_FALSE(window.withoutWindow());
    EXPECT_EQ(window.passedOn, (std::vector<std::string>{"/scrshtemu", "extra"}));
    // A window on a named prefix.
    EXPECT_FALSE(parsed({"--prefix", "/p"}).withoutWindow());
    EXPECT_TRUE(parsed({"-h"}).help);
}

TEST(CommandLine, UnknownOptionsMissingValuesAndRepeatsAreUsageErrors)
{
    EXPECT_EQ(usageError({"--lod", "x"}), "unknown option --lod");
    EXPECT_EQ(usageError({"--load"}), "--load needs a file");
    EXPECT_EQ(usageError({"--load="}), "--load needs a file");
    EXPECT_EQ(usageError({"--prefix"}), "--prefix needs a folder");
    EXPECT_EQ(usageError({"--save", "a", "--save=b"}), "--save is given twice");
    // Windows has no Wine prefixes to name or list.
    EXPECT_EQ(usageError({"--prefix", "/p"}, false), "unknown option --prefix");
    EXPECT_EQ(usageError({"--list-prefixes"}, false), "unknown option --list-prefixes");
}

TEST(StoredValuesChanges, OneSortedLinePerChangedAddedOrRemovedValue)
{
    const ValueTexts before{{"Video\\gamma", "25"}, {"Orvane\\BnetUsers\\BnetName0", "Bob"}, {"String\\userlocal", "x"}};
    ValueTexts after = before;
    EXPECT_EQ(changesBetween(before, after), "No changes.\n");
    after["Video\\gamma"] = "40";
    after["Orvane\\BnetUsers\\BnetName1"] = "Arthas";
    after.erase("String\\userlocal");
    EXPECT_EQ(changesBetween(before, after), "Orvane\\BnetUsers\\BnetName1: (none) -> Arthas\n"
                                             "String\\userlocal: x -> (none)\n"
                                             "Video\\gamma: 25 -> 40\n");
}

// A script's load while the game runs: told on standard error, and done.
TEST(CommandLoad, WhileTheGameRunsWarnsOnTheErrorStreamAndLoads)
{
    const std::filesystem::path startedIn = std::filesystem::current_path();
    test::TestGame game;
    test::FixedDisplayModes display;
    test::ListedPrograms programs;
    programs.running = {"Frozen Throne.exe"};
    const std::filesystem::path file = game.scratch() / "fast.ini";
    test::writeFile(file, "[Video]\ngamma=70\n");
    CommandLine line;
    line.load = file.string();
    SettingsPlace place = game.place();
    place.programs = &programs;
    std::ostringstream out;
    std::ostringstream err;
    const int status = loadAndSave(line, std::move(place), display, Texts(), out, err);
    std::filesystem::current_path(startedIn);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(err.str(), "Warning: Warcraft III is running (Frozen Throne.exe): close it first, or its own settings "
                         "may overwrite these when it exits.\n");
    EXPECT_NE(out.str().find("Video\\gamma: 25 -> 70\n"), std::string::npos) << out.str();
    EXPECT_EQ(game.registry()->openKey(schema::VideoKey).readInteger("gamma"), 70);
}

} // namespace
} // namespace orvane
