// Reading the command line, and telling a script what a load changed.
#include "cli/CommandLine.h"
#include "cli/ValueChanges.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

CommandLine parsed(const std::vector<std::string>& arguments, bool withWinePrefixes = true)
{
    auto result = parseCommandLine(arguments, withWinePrefixes);
    if (const auto* error = std::get_if<UsageError>(&result)) {
        ADD_FAILURE() << error->message;
        return {};
    }
    return std::get<CommandLine>(result);
}

std::string usageError(const std::vector<std::string>& arguments, bool withWinePrefixes = true)
{
    auto result = parseCommandLine(arguments, withWinePrefixes);
    const auto* error = std::get_if<UsageError>(&result);
    return error ? error->message : "(accepted)";
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

} // namespace
} // namespace orvane
