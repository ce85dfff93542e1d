// orvane.exe from a console or a launcher's .bat: the options answered on
// the output it was given, read back from Wine's registry.
#include "settings/Schema.h"
#include "tests/support/TestGame.h"
#include "tests/win32/WindowUnderWine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <set>

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

// A program started from a copy under another name, ended with the test.
class StartedCopy {
public:
    StartedCopy(const std::filesystem::path& program, const std::filesystem::path& copy)
    {
        std::filesystem::copy_file(program, copy);
        std::wstring commandLine = L"\"" + copy.wstring() + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        if (!CreateProcessW(copy.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                            &process_))
            ADD_FAILURE() << "cannot start " << copy.string();
    }
    ~StartedCopy() { end(); }
    StartedCopy(const StartedCopy&) = delete;
    StartedCopy& operator=(const StartedCopy&) = delete;
    void end()
    {
        if (!process_.hProcess)
            return;
        TerminateProcess(process_.hProcess, 0);
        WaitForSingleObject(process_.hProcess, 5000);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
        process_ = {};
    }

private:
    PROCESS_INFORMATION process_{};
};

// A script's load while the game runs for the same user: told on the error
// output, and done.
TEST_F(OrvaneExeCommand, LoadWarnsWhileTheGameRuns)
{
    const std::wstring gamma40 = L"--load " + configuration("g.ini", "[Video]\r\ngamma=40\r\n");
    StartedCopy war3(test::orvaneProgram().parent_path() / "tests" / "orvane_idle_program.exe",
                     game.scratch() / "war3.exe");
    const test::CommandRun load = test::runOrvaneCommand(gamma40);
    EXPECT_EQ(load.status, 0) << load.err;
    EXPECT_EQ(load.err, "Warning: Warcraft III is running (war3.exe): close it first, or its own settings may "
                        "overwrite these when it exits.\r\n");
    EXPECT_NE(test::regQuery(std::string(schema::VideoKey), "gamma").find("0x28"), std::string::npos);

    war3.end();
    const test::CommandRun after = test::runOrvaneCommand(gamma40);
    EXPECT_EQ(after.status, 0);
    EXPECT_EQ(after.err, "");
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

// One value of each group the two raced files set, each file its own, and
// where the registry keeps it.
struct RacedValue {
    std::string_view key;
    const char* value;
    const char* section;
    const char* name;
    const char* first;
    const char* second;
    bool number;
};

// clang-format off
constexpr RacedValue RacedValues[] = {
    {schema::GameplayKey,     "keyscroll",       "Gameplay", "keyscroll",       "30",                 "70",                  true},
    {schema::VideoKey,        "gamma",           "Video",    "gamma",           "40",                 "60",                  true},
    {schema::SoundKey,        "musicvolume",     "Sound",    "musicvolume",     "20",                 "90",                  true},
    {schema::SavegamesKey,    "Path0",           "DelOpt0",  "savpath",         "C:\\First\\Saves",   "C:\\Second\\Saves",   false},
    {schema::ReplaysKey,      "Path0",           "DelOpt1",  "reppath",         "C:\\First\\Replays", "C:\\Second\\Replays", false},
    {schema::LogsKey,         "Path0",           "DelOpt2",  "logpath",         "C:\\First\\Logs",    "C:\\Second\\Logs",    false},
    {schema::ErrorReportsKey, "Path0",           "DelOpt3",  "errpath",         "C:\\First\\Errors",  "C:\\Second\\Errors",  false},
    {schema::MiscKey,         "campaignprofile", "Misc",     "campaignprofile", "FirstProfile",       "SecondProfile",       false},
    {schema::StringKey,       "userlocal",       "String",   "userlocal",       "First Player",       "Second Player",       false},
};
// clang-format on

const std::vector<std::string> FirstNames{"FirstA", "FirstB"};
const std::vector<std::string> SecondNames{"SecondA", "SecondB"};

std::string racedFile(bool first)
{
    std::string text;
    for (const RacedValue& raced : RacedValues)
        text += std::string("[") + raced.section + "]\r\n" + raced.name + "=" + (first ? raced.first : raced.second) +
                "\r\n";
    text += "[Bnet Accounts]\r\n";
    const std::vector<std::string>& names = first ? FirstNames : SecondNames;
    for (size_t i = 0; i < names.size(); ++i)
        text += "BnetName" + std::to_string(i) + "=" + names[i] + "\r\n";
    return text;
}

// How many raced values the registry holds as the first file has them, as
// the second has them, and as neither has.
struct Holding {
    int first = 0;
    int second = 0;
    int neither = 0;
};

Holding holding(RegistryAccess& registry)
{
    Holding held;
    for (const RacedValue& raced : RacedValues) {
        const RegistryKey key = registry.openKey(raced.key);
        const std::string stored =
            raced.number ? std::to_string(key.readInteger(raced.value)) : key.readString(raced.value);
        (stored == raced.first ? held.first : stored == raced.second ? held.second : held.neither)++;
    }
    return held;
}

std::set<std::string> storedNames(RegistryAccess& registry)
{
    const RegistryKey key = registry.openKey(schema::BnetUsersKey);
    std::set<std::string> names;
    for (const std::string& valueName : key.valueNames())
        names.insert(key.readString(valueName));
    return names;
}

// A load that did not take place says why on its error output.
bool loadedOrRefusedWithAReason(const test::CommandRun& run)
{
    return run.status == 0 || (run.status == 1 && run.err.find("Another Orvane") != std::string::npos);
}

// What a load reported for the game's gamma: the change to its own file's value.
bool reportedItsOwnGamma(const test::CommandRun& run, bool first)
{
    const size_t line = run.out.find("Video\\gamma: ");
    if (line == std::string::npos)
        return false;
    const std::string own = std::string(" -> ") + (first ? "40" : "60") + "\n";
    return run.out.compare(run.out.find('\n', line) + 1 - own.size(), own.size(), own) == 0;
}

// Every raced value as neither file has it, and one account name.
void storeValuesOfNeither(RegistryAccess& registry)
{
    for (const RacedValue& raced : RacedValues) {
        RegistryKey key = registry.openKey(raced.key);
        if (raced.number)
            key.writeInteger(raced.value, 50);
        else
            key.writeString(raced.value, "Before");
    }
    registry.deleteKey(schema::BnetUsersKey);
    registry.createKey(schema::BnetUsersKey).writeString("BnetName0", "Before");
}

int racedRuns()
{
    const char* asked = std::getenv("ORVANE_LOAD_RACE_RUNS");
    return asked ? std::atoi(asked) : 30;
}

// Two scripts loading different configurations at the same moment, again
// and again: one load after the other, whichever goes first, so that the
// registry ends with one file's values throughout and every account name of
// both. ORVANE_LOAD_RACE_RUNS sets how often (30).
TEST_F(OrvaneExeCommand, TwoLoadsAtOnceTakeTurns)
{
    const std::wstring first = L"--load " + configuration("first.ini", racedFile(true).c_str());
    const std::wstring second = L"--load " + configuration("second.ini", racedFile(false).c_str());
    const int runs = racedRuns();
    int mixed = 0;
    int lost = 0;
    int unexplained = 0;
    int misreported = 0;
    int refused = 0;
    const ULONGLONG began = GetTickCount64();
    for (int run = 0; run < runs; ++run) {
        game.edit(storeValuesOfNeither);
        test::OrvaneCommand firstLoad(first, "first");
        test::OrvaneCommand secondLoad(second, "second");
        const test::CommandRun one = firstLoad.finish();
        const test::CommandRun two = secondLoad.finish();

        const auto registry = game.registry();
        const Holding held = holding(*registry);
        const int count = static_cast<int>(std::size(RacedValues));
        if (held.first != count && held.second != count) {
            ++mixed;
            ADD_FAILURE() << "run " << run << ": " << held.first << " values of the first file, " << held.second
                          << " of the second, " << held.neither << " of neither";
        }
        std::set<std::string> expected{"Before"};
        if (one.status == 0)
            expected.insert(FirstNames.begin(), FirstNames.end());
        if (two.status == 0)
            expected.insert(SecondNames.begin(), SecondNames.end());
        const std::set<std::string> names = storedNames(*registry);
        if (!std::includes(names.begin(), names.end(), expected.begin(), expected.end())) {
            ++lost;
            ADD_FAILURE() << "run " << run << ": account names lost";
        }
        for (const test::CommandRun* each : {&one, &two}) {
            refused += each->status != 0;
            if (!loadedOrRefusedWithAReason(*each)) {
                ++unexplained;
                ADD_FAILURE() << "run " << run << ": exit " << each->status << ", error output: " << each->err;
            }
        }
        if ((one.status == 0 && !reportedItsOwnGamma(one, true)) ||
            (two.status == 0 && !reportedItsOwnGamma(two, false))) {
            ++misreported;
            ADD_FAILURE() << "run " << run << ": a load reported another's change:\n" << one.out << "---\n" << two.out;
        }
    }
    std::cout << runs << " runs in " << (GetTickCount64() - began) << " ms: " << mixed << " mixed, " << lost
              << " with names lost, " << unexplained << " unexplained exits, " << misreported
              << " with another's change reported, " << refused << " loads refused\n";
}

} // namespace
} // namespace orvane
