// The promises of the Wine prefix store: one atomic write per command,
// nobody's change lost, nothing written while Wine runs, nothing broken.
#include "registry/RegistryErrors.h"
#include "registry/RegistryAccess.h"
#include "wine/WinePrefixStore.h"
#include "tests/support/ChildProcesses.h"
#include "tests/support/FakeWineserver.h"
#include "tests/support/SystemCallHooks.h"
#include "tests/support/TempPrefix.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvane {
namespace {

using test::FakeWineserver;
using test::TempPrefix;
using test::WineHeader;

const std::string Game = "Software\\Blizzard Entertainment\\Warcraft III";

std::string gameFile()
{
    return std::string(WineHeader) + "\n"
           "[Software\\\\Blizzard Entertainment\\\\Warcraft III\\\\Gameplay] 1796739014\n"
           "#time=1dd871dd88b947e\n"
           "\"keyscroll\"=dword:00000032\n"
           "\"netgameport\"=dword:000017e0\n"
           "\n"
           "[Software\\\\Wine] 1796739014\n"
           "\"Other\"=hex(b):01,02,03,04,05,06,07,08\n"
           "\n";
}

class WineStore : public ::testing::Test {
protected:
    void SetUp() override { prefix.writeUserReg(gameFile()); }
    std::unique_ptr<RegistryAccess> open() const
    {
        return std::make_unique<RegistryAccess>(std::make_unique<WinePrefixStore>(prefix.path()));
    }
    int32_t readGameplay(const char* name) const
    {
        auto fresh = open();
        RegistryKey key = fresh->openKey(Game + "\\Gameplay");
        return key.readInteger(name);
    }
    template <class Operation>
    std::string errorOf(Operation operation)
    {
        try {
            operation();
        } catch (const RegistryError& error) {
            return error.what();
        }
        return "";
    }

    TempPrefix prefix;
};

TEST_F(WineStore, AWriteOutsideACommandReachesTheFileAtOnce)
{
    auto registry = open();
    RegistryKey key = registry->openKey(Game + "\\Gameplay");
    key.writeInteger("keyscroll", 77);
    EXPECT_EQ(readGameplay("keyscroll"), 77);
}

TEST_F(WineStore, ACommandWritesTheFileOnceAtItsEnd)
{
    auto registry = open();
    RegistryCommand command(*registry);
    RegistryKey key = registry->openKey(Game + "\\Gameplay");
    key.writeInteger("keyscroll", 10);
    key = registry->createKey("Software\\Orvane");
    key.writeBool("autoapply", true);
    EXPECT_EQ(prefix.readUserReg(), gameFile());
    struct stat before {};
    ::stat(prefix.userReg().c_str(), &before);
    command.finish();
    struct stat after {};
    ::stat(prefix.userReg().c_str(), &after);
    EXPECT_NE(before.st_ino, after.st_ino); // replaced by rename, not rewritten in place
    EXPECT_EQ(readGameplay("keyscroll"), 10);
    EXPECT_EQ(prefix.strayFiles(), 0);
}

TEST_F(WineStore, WhatACommandWroteBeforeAnErrorStaysWritten)
{
    auto registry = open();
    RegistryCommand command(*registry);
    RegistryKey key = registry->openKey(Game + "\\Gameplay");
    key.writeInteger("keyscroll", 12);
    key = registry->openKey(Game + "\\Video");
    EXPECT_THROW(key.writeInteger("gamma", 30), RegistryError);
    command.finish();
    EXPECT_EQ(readGameplay("keyscroll"), 12);
}

TEST_F(WineStore, KeepsEveryByteItDidNotChange)
{
    auto registry = open();
    RegistryKey key = registry->openKey(Game + "\\Gameplay");
    key.writeInteger("netgameport", 6113);
    std::string expected = gameFile();
    expected.replace(expected.find("000017e0"), 8, "000017e1");
    EXPECT_EQ(prefix.readUserReg(), expected);
}

// Another program's hex data continues onto a line that looks like the
// game's key line, and a form feed comes before a key line: the store reads
// the game's values where Wine reads them, and writes the line Wine reads.
TEST_F(WineStore, ReadsAndWritesTheGamesValuesWhereWineDoes)
{
    const std::string crafted = gameFile() +
                                "[Software\\\\OtherProgram1] 1\n"
                                "\"bin\"=hex:00,01,\\\n"
                                "[Software\\\\Blizzard Entertainment\\\\Warcraft III\\\\Gameplay] 1\n"
                                "\"keyscroll\"=dword:00000007\n"
                                "\f[Software\\\\Blizzard Entertainment\\\\Warcraft III\\\\Video] 1\n"
                                "\"gamma\"=dword:00000019\n";
    prefix.writeUserReg(crafted);
    EXPECT_EQ(readGameplay("keyscroll"), 50);
    auto registry = open();
    EXPECT_EQ(registry->openKey(Game + "\\Video").readInteger("gamma"), 25);
    registry->openKey(Game + "\\Gameplay").writeInteger("keyscroll", 9);
    std::string expected = crafted;
    expected.replace(expected.find("00000032"), 8, "00000009");
    EXPECT_EQ(prefix.readUserReg(), expected);
}

TEST_F(WineStore, KeepsTheFilesPermissions)
{
    ::chmod(prefix.userReg().c_str(), 0600);
    auto registry = open();
    RegistryKey key = registry->openKey(Game + "\\Gameplay");
    key.writeInteger("keyscroll", 1);
    struct stat info {};
    ::stat(prefix.userReg().c_str(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
}

TEST_F(WineStore, ReadsTheFileAgainWhenWineChangedIt)
{
    auto registry = open();
    RegistryKey key = registry->openKey(Game + "\\Gameplay");
    EXPECT_EQ(key.readInteger("keyscroll"), 50);
    std::string changed = gameFile();
    changed.replace(changed.find("00000032"), 8, "00000063");
    prefix.writeUserReg(changed + "[Software\\\\New] 1\n\n");
    EXPECT_EQ(key.readInteger("keyscroll"), 99);
    EXPECT_TRUE(registry->keyExists("Software\\New"));
}

TEST_F(WineStore, AppliesACommandOnTopOfAFileChangedMeanwhile)
{
    auto registry = open();
    RegistryCommand command(*registry);
    RegistryKey key = registry->openKey(Game + "\\Gameplay");
    key.writeInteger("keyscroll", 20);
    key.writeInteger("netgameport", 6112); // as read: no change to make over theirs
    // Wine saves its own change while the command runs.
    std::string theirs = gameFile();
    theirs.replace(theirs.find("000017e0"), 8, "00001b58");
    prefix.writeUserReg(theirs + "[Software\\\\Theirs] 1\n\"kept\"=dword:00000001\n\n");
    command.finish();
    EXPECT_EQ(readGameplay("keyscroll"), 20);
    EXPECT_EQ(readGameplay("netgameport"), 7000);
    auto fresh = open();
    EXPECT_EQ(fresh->openKey("Software\\Theirs").readInteger("kept"), 1);
}

TEST_F(WineStore, RefusesToWriteWhileWineRunsForThePrefix)
{
    auto registry = open();
    RegistryKey key = registry->openKey(Game + "\\Gameplay");
    {
        FakeWineserver server(prefix.path());
        const std::string message = errorOf([&] { key.writeInteger("keyscroll", 5); });
        EXPECT_NE(message.find(prefix.path().string()), std::string::npos) << message;
        EXPECT_NE(message.find("wineserver -k"), std::string::npos) << message;
        EXPECT_EQ(prefix.readUserReg(), gameFile());
        // The registry in memory is what is on disk again.
        EXPECT_EQ(key.readInteger("keyscroll"), 50);
    }
    key.writeInteger("keyscroll", 6);
    EXPECT_EQ(readGameplay("keyscroll"), 6);
}

TEST_F(WineStore, ACommandThatChangesNothingWritesNothingAndIsNotRefusedWhileWineRuns)
{
    struct stat before {};
    ::stat(prefix.userReg().c_str(), &before);
    auto registry = open();
    {
        FakeWineserver server(prefix.path());
        RegistryCommand command(*registry);
        RegistryKey key = registry->openKey(Game + "\\Gameplay");
        key.writeInteger("keyscroll", 50); // as they were
        key.writeInteger("netgameport", 6112);
        EXPECT_NO_THROW(command.finish());
        struct stat after {};
        ::stat(prefix.userReg().c_str(), &after);
        EXPECT_EQ(after.st_ino, before.st_ino);
        EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
        EXPECT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
        EXPECT_EQ(prefix.readUserReg(), gameFile());
        // A real change is still refused.
        const std::string message = errorOf([&] { key.writeInteger("keyscroll", 51); });
        EXPECT_NE(message.find("wineserver -k"), std::string::npos) << message;
    }
}

TEST_F(WineStore, TheNextWriteClearsAwayTemporariesThatAKilledWriteLeftButNotWines)
{
    for (const char* name : {"user.reg.orvane-a1B2c3", "user.reg.orvane-zzzzzz"})
        test::writeFile(prefix.path() / name, "half a registry");
    test::writeFile(prefix.path() / "user.reg.wine-tmp", "Wine's own");
    test::writeFile(prefix.path() / "user.reg.orvane-notes.txt", "not a temporary of ours");
    auto registry = open();
    RegistryKey key = registry->openKey(Game + "\\Gameplay");
    key.writeInteger("keyscroll", 7);
    EXPECT_FALSE(std::filesystem::exists(prefix.path() / "user.reg.orvane-a1B2c3"));
    EXPECT_FALSE(std::filesystem::exists(prefix.path() / "user.reg.orvane-zzzzzz"));
    EXPECT_TRUE(std::filesystem::exists(prefix.path() / "user.reg.wine-tmp"));
    EXPECT_TRUE(std::filesystem::exists(prefix.path() / "user.reg.orvane-notes.txt"));
    EXPECT_EQ(readGameplay("keyscroll"), 7);
}

TEST_F(WineStore, AFailingWriteLeavesTheOldFileIntact)
{
    auto registry = open();
    RegistryKey key = registry->openKey(Game + "\\Gameplay");
    // The disk is "full" after 100 bytes: the real write system call fails.
    struct rlimit old {};
    ::getrlimit(RLIMIT_FSIZE, &old);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit tight = old;
    tight.rlim_cur = 100;
    ::setrlimit(RLIMIT_FSIZE, &tight);
    const std::string message = errorOf([&] { key.writeInteger("keyscroll", 9); });
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_NE(message.find("The file is unchanged"), std::string::npos) << message;
    // The system's reason, once.
    const size_t reason = message.find("File too large");
    ASSERT_NE(reason, std::string::npos) << message;
    EXPECT_EQ(message.find("File too large", reason + 1), std::string::npos) << message;
    EXPECT_NE(message.find(prefix.userReg().string()), std::string::npos) << message;
    EXPECT_EQ(prefix.readUserReg(), gameFile());
    EXPECT_EQ(prefix.strayFiles(), 0);
    EXPECT_EQ(key.readInteger("keyscroll"), 50);
}

TEST_F(WineStore, AReadOnlyPrefixFolderGivesAClearErrorAndKeepsTheFile)
{
    ::chmod(prefix.userReg().c_str(), 0644);
    ::chmod(prefix.path().c_str(), 0555);
    test::asOrdinaryUser([&] {
        auto registry = open();
        RegistryKey key = registry->openKey(Game + "\\Gameplay");
        EXPECT_EQ(key.readInteger("keyscroll"), 50);
        const std::string message = errorOf([&] { key.writeInteger("keyscroll", 9); });
        EXPECT_NE(message.find("cannot create a temporary file in " + prefix.path().string()), std::string::npos)
            << message;
        EXPECT_NE(message.find("permissions"), std::string::npos) << message;
    });
    EXPECT_EQ(prefix.readUserReg(), gameFile());
    EXPECT_EQ(prefix.strayFiles(), 0);
}

// Larger than any registry: refused by its size alone, before any of it is
// read (every read fails here).
TEST_F(WineStore, AFileLargerThanAnyRegistryIsRefusedByItsSizeBeforeAnyOfItIsRead)
{
    std::filesystem::resize_file(prefix.userReg(), 4ull << 30); // sparse: it takes no disk
    std::string message;
    {
        test::ReadFault everyRead(0);
        message = errorOf([&] { open()->keyExists(Game); });
    }
    EXPECT_NE(message.find(prefix.userReg().string() +
                           ": it holds 4294967296 bytes, more than the 4294967295 bytes (4 GB) that Orvane reads"),
              std::string::npos)
        << message;
    EXPECT_NE(message.find("Restore the file from a backup"), std::string::npos) << message;
}

// A registry that the memory left cannot hold is named, with what to do,
// not reported as a failed allocation.
TEST_F(WineStore, AFileTooLargeForTheMemoryLeftIsNamedWithWhatToDo)
{
    if (test::addressSanitized())
        GTEST_SKIP() << "the address sanitizer needs more address space than the limit leaves";
    std::filesystem::resize_file(prefix.userReg(), 1ull << 30);
    test::withLittleMemory(256u << 20, [&] {
        const std::string message = errorOf([&] { open()->keyExists(Game); });
        EXPECT_NE(message.find(prefix.userReg().string() + ": there is not enough memory for its 1073741824 bytes"),
                  std::string::npos)
            << message;
        EXPECT_NE(message.find("Close other programs to free memory"), std::string::npos) << message;
    });
}

TEST_F(WineStore, AMissingPrefixFolderIsNamed)
{
    RegistryAccess registry(std::make_unique<WinePrefixStore>(prefix.path() / "nowhere"));
    const std::string message = errorOf([&] { registry.keyExists(Game); });
    EXPECT_NE(message.find((prefix.path() / "nowhere").string() + " does not exist"), std::string::npos) << message;
    EXPECT_NE(message.find("WINEPREFIX"), std::string::npos);
}

TEST_F(WineStore, APrefixWithoutUserRegStartsEmptyAndGetsOne)
{
    std::filesystem::remove(prefix.userReg());
    auto registry = open();
    EXPECT_FALSE(registry->keyExists(Game));
    RegistryKey key = registry->createKey("Software\\Orvane");
    key.writeString("startparams", "");
    EXPECT_TRUE(prefix.readUserReg().starts_with("WINE REGISTRY Version 2\n"));
    struct stat info {};
    ::stat(prefix.userReg().c_str(), &info);
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(info.st_mode & 0777, 0666 & ~mask); // not the temporary file's 0600
    EXPECT_TRUE(open()->keyExists("Software\\Orvane"));
}

struct Broken {
    const char* name;
    std::string text;
    int line; // the file's own, though only the game's keys are read at first
};

class BrokenFile : public WineStore, public ::testing::WithParamInterface<Broken> {};

TEST_P(BrokenFile, IsNamedWithItsLineAndNeverOverwritten)
{
    const std::string broken = GetParam().text;
    prefix.writeUserReg(broken);
    auto registry = open();
    const std::string message = errorOf([&] { registry->keyExists(Game); });
    EXPECT_NE(message.find(prefix.userReg().string() + ", line " + std::to_string(GetParam().line) + ":"),
              std::string::npos) << message;
    EXPECT_THROW(registry->createKey("Software\\Orvane"), RegistryStoreError);
    EXPECT_EQ(prefix.readUserReg(), broken);
}

INSTANTIATE_TEST_SUITE_P(
    Files, BrokenFile,
    ::testing::Values(Broken{"Empty", std::string(), 1},
                      Broken{"Truncated", gameFile().substr(0, gameFile().find("keyscroll") + 4), 8},
                      Broken{"TruncatedText", std::string(WineHeader) + "[A] 1\n\"x\"=\"half", 6},
                      Broken{"Binary", std::string("WINE REGISTRY Version 2\n\x7f\x45\x4c\x46\x02\x01", 30), 2},
                      Broken{"UnknownHeader", "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER]\n", 1},
                      Broken{"LinkOnTheGamesKeyAfterOthers",
                             gameFile() + "[Software\\\\Blizzard Entertainment\\\\Warcraft III\\\\Video] 1\n#link\n", 15},
                      Broken{"UnknownArchitectureAfterOthers", gameFile() + "[Software\\\\Other\n#arch=win16\n", 15}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace orvane
