// The history from a terminal: --history lists what Orvane changed, and
// --restore goes back to before it, through the real entry point on a
// prefix of the test's own.
#include "settings/Schema.h"
#include "tests/support/ChildProcesses.h"
#include "tests/terminal/OrvaneCommand.h"

#include <algorithm>
#include <ctime>
#include <pwd.h>
#include <sstream>
#include <sys/stat.h>

namespace orvane {
namespace {

// The blocks of the game's and Orvane's keys in user.reg, without the
// time stamps Wine and every save give them, each key's values sorted.
std::string settingsBlocks(const std::string& userReg)
{
    std::vector<std::string> blocks;
    std::vector<std::string> values;
    bool inSettings = false;
    const auto endBlock = [&] {
        std::sort(values.begin(), values.end());
        for (const std::string& value : values)
            blocks.back() += value + "\n";
        values.clear();
    };
    std::istringstream lines(userReg);
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with('[')) {
            if (inSettings)
                endBlock();
            const std::string header = line.substr(0, line.find(']') + 1);
            inSettings = header.starts_with("[Software\\\\Blizzard Entertainment\\\\Warcraft III") ||
                         header.starts_with("[Software\\\\Orvane");
            if (inSettings)
                blocks.push_back(header + "\n");
        } else if (inSettings && !line.empty() && !line.starts_with("#time=")) {
            values.push_back(line);
        }
    }
    if (inSettings)
        endBlock();
    std::sort(blocks.begin(), blocks.end());
    std::string text;
    for (const std::string& block : blocks)
        text += block;
    return text;
}

// "2026-12-09T23:41:07" for a moment in the zone five hours and 45 minutes
// east of Greenwich, where the runs below are started.
std::string timeInKathmandu(std::time_t moment)
{
    moment += 5 * 3600 + 45 * 60;
    std::tm shifted{};
    ::gmtime_r(&moment, &shifted);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &shifted);
    return text;
}

TEST_F(OrvaneCommand, RestoringTwoChangesGoesBackToBeforeTwoLoadsAndTheHistoryListsAllThree)
{
    const std::string before = settingsBlocks(userReg());
    const std::vector<std::string> inKathmandu{"WINEPREFIX", "TZ=UTC-05:45"};
    const auto prefixed = [&](std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), {"--prefix", game.prefix().string()});
        return orvane(arguments, inKathmandu);
    };
    const std::time_t started = std::time(nullptr);
    const Outcome first = prefixed({"--load", configuration("a.ini", "[Video]\ngamma=40\n[Gameplay]\nkeyscroll=77\n"
                                                                     "[Bnet Accounts]\nBnetName0=Arthas\n").string()});
    ASSERT_EQ(first.status, 0) << first.err;
    const Outcome second = prefixed({"--load", configuration("b.ini", "[Video]\ngamma=60\n[Sound]\nsfxvolume=20\n").string()});
    ASSERT_EQ(second.status, 0) << second.err;
    ASSERT_NE(settingsBlocks(userReg()), before);

    const Outcome restore = prefixed({"--restore", "2"});
    EXPECT_EQ(restore.status, 0) << restore.err;
    EXPECT_EQ(restore.err, "");
    EXPECT_NE(restore.out.find("Video\\gamma: 60 -> 25\n"), std::string::npos) << restore.out;
    EXPECT_NE(restore.out.find("Gameplay\\keyscroll: 77 -> 50\n"), std::string::npos) << restore.out;
    EXPECT_NE(restore.out.find("Orvane\\BnetUsers\\BnetName1: Arthas -> (none)\n"), std::string::npos) << restore.out;
    EXPECT_EQ(settingsBlocks(userReg()), before);
    const std::time_t ended = std::time(nullptr);

    const Outcome history = prefixed({"--history"});
    EXPECT_EQ(history.status, 0) << history.err;
    EXPECT_EQ(history.err, "");
    std::istringstream lines(history.out);
    std::vector<std::vector<std::string>> listed;
    for (std::string line; std::getline(lines, line);) {
        listed.emplace_back();
        std::istringstream fields(line);
        for (std::string field; std::getline(fields, field, '\t');)
            listed.back().push_back(field);
    }
    ASSERT_EQ(listed.size(), 3u) << history.out;
    const std::vector<std::vector<std::string>> numbersLabelsAndCounts{
        {"1", "--restore", "9"}, {"2", "--load", "2"}, {"3", "--load", "4"}};
    for (size_t i = 0; i < listed.size(); ++i) {
        ASSERT_EQ(listed[i].size(), 4u) << history.out;
        EXPECT_EQ((std::vector<std::string>{listed[i][0], listed[i][2], listed[i][3]}), numbersLabelsAndCounts[i])
            << history.out;
        EXPECT_GE(listed[i][1], timeInKathmandu(started)) << history.out;
        EXPECT_LE(listed[i][1], timeInKathmandu(ended)) << history.out;
    }
}

// A number beyond the history is a restore that cannot be made, as a file
// that is not there is for --load; no number at all is wrong use.
TEST_F(OrvaneCommand, RestoringAChangeTheHistoryDoesNotHoldChangesNothingAndExitsWithOne)
{
    ASSERT_EQ(onPrefix({"--load", configuration("g.ini", "[Video]\ngamma=40\n").string()}).status, 0);
    const std::string before = userReg();
    const Outcome beyond = onPrefix({"--restore", "2"});
    EXPECT_EQ(beyond.status, 1);
    EXPECT_EQ(beyond.out, "");
    EXPECT_EQ(beyond.err, "There is no change 2 to go back to: the history holds 1 change.\n");
    EXPECT_EQ(userReg(), before);
    const Outcome zero = onPrefix({"--restore", "0"});
    EXPECT_EQ(zero.status, 2);
    EXPECT_NE(zero.err.find("--restore needs a number from 1 on or a file"), std::string::npos) << zero.err;
    EXPECT_EQ(userReg(), before);
    const Outcome history = onPrefix({"--history"});
    EXPECT_EQ(std::count(history.out.begin(), history.out.end(), '\n'), 1) << history.out;
}

// A history folder the player cannot write: the load is made, said once on
// the error stream, and exits as it would have.
TEST_F(OrvaneCommand, AHistoryThatCannotBeWrittenIsToldOnceAndTheLoadStillMade)
{
    ASSERT_EQ(onPrefix({"--load", configuration("g.ini", "[Video]\ngamma=40\n").string()}).status, 0);
    const std::filesystem::path history = *std::filesystem::directory_iterator(stateHome() / "orvane" / "history");
    const auto file = configuration("k.ini", "[Video]\ngamma=60\n[Gameplay]\nkeyscroll=77\n");
    if (::geteuid() == 0) { // root writes anywhere: the load runs as another user, who owns the prefix
        const passwd* nobody = ::getpwnam("nobody");
        ASSERT_NE(nobody, nullptr);
        for (const auto& entry : std::filesystem::recursive_directory_iterator(game.prefix()))
            ASSERT_EQ(::lchown(entry.path().c_str(), nobody->pw_uid, nobody->pw_gid), 0) << entry.path();
        ASSERT_EQ(::chown(game.prefix().c_str(), nobody->pw_uid, nobody->pw_gid), 0);
    }
    ASSERT_EQ(::chmod(history.c_str(), 0500), 0);
    test::asOrdinaryUser([&] {
        const Outcome load = finish(launch({"--prefix", game.prefix().string(), "--load", file.string()},
                                           {"WINEPREFIX"}, {}, "unkept"),
                                    "unkept");
        EXPECT_EQ(load.status, 0) << load.err;
        EXPECT_EQ(load.out, "Gameplay\\keyscroll: 50 -> 77\nVideo\\gamma: 40 -> 60\n");
        const std::string told = "Orvane made the change, but could not keep the settings it replaced in its "
                                 "history folder " +
                                 history.string() + ", so the change cannot be undone.";
        EXPECT_EQ(load.err.rfind(told, 0), 0u) << load.err;
        EXPECT_EQ(load.err.find(told, 1), std::string::npos) << load.err;
        EXPECT_EQ(std::count(load.err.begin(), load.err.end(), '\n'), 1) << load.err;
    });
    ASSERT_EQ(::chmod(history.c_str(), 0700), 0);
    auto registry = game.registry();
    EXPECT_EQ(registry->openKey(schema::GameplayKey).readInteger("keyscroll"), 77);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(history), std::filesystem::directory_iterator()), 1);
}

} // namespace
} // namespace orvane
