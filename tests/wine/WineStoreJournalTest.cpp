// A save of the hard-linked user.reg cut off part-way, through its journal:
// finished by the next command that may write, dropped once another program
// has saved the file since, and read, never written, by what only reads.
#include "registry/OverlayStore.h"
#include "registry/RegistryAccess.h"
#include "registry/RegistryErrors.h"
#include "wine/WinePrefixStore.h"
#include "tests/support/ChildProcesses.h"
#include "tests/support/SystemCallHooks.h"
#include "tests/support/TempPrefix.h"

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <sys/stat.h>

namespace orvane {
namespace {

using test::TempPrefix;
using test::WineHeader;
namespace fs = std::filesystem;

const std::string Gameplay = "Software\\Blizzard Entertainment\\Warcraft III\\Gameplay";

std::string messageOf(const std::function<void()>& operation)
{
    try {
        operation();
    } catch (const RegistryError& error) {
        return error.what();
    }
    return "";
}

// Another program's save as Wine makes it: a new file renamed over user.reg.
void saveAsWine(const fs::path& userReg, const std::string& content)
{
    const fs::path temp = userReg.string() + ".wine-temp";
    test::writeFile(temp, content);
    fs::rename(temp, userReg);
}

// What a reading must leave as it was: the file's bytes, its inode and
// modification time, and the journal's bytes.
struct OnDisk {
    std::string userReg;
    ino_t inode = 0;
    timespec modified{};
    std::string journal;
};

// Killed at the folder's flush after the journal's rename: user.reg still
// holds the old value, the journal the new.
void killAfterTheJournal()
{
    test::onNextFsync([] { ::raise(SIGKILL); });
}

class WineStoreJournal : public ::testing::Test {
protected:
    RegistryAccess open(const fs::path& folder) const
    {
        return RegistryAccess(std::make_unique<WinePrefixStore>(folder));
    }
    // As exporting a configuration reads the registry.
    RegistryAccess openForExport() const
    {
        return RegistryAccess(std::make_unique<OverlayStore>(std::make_unique<WinePrefixStore>(prefix.path())));
    }
    std::string journalThenWinesSave() const;
    // A save of the hard-linked user.reg, of keyscroll 7, killed where arm()
    // says, its journal left in place: whether it was.
    bool killedLinkedSave(const std::function<void()>& arm) const
    {
        prefix.writeUserReg(test::gameplayUserReg());
        fs::create_hard_link(prefix.userReg(), prefix.path() / "backup.reg");
        return test::killedSave(prefix.path(), arm, [](RegistryAccess& registry) {
            registry.openKey(Gameplay).writeInteger("keyscroll", 7);
        });
    }
    int keyscroll(RegistryAccess&& registry) const
    {
        RegistryKey key = registry.openKey(Gameplay);
        return key.readInteger("keyscroll");
    }
    fs::path journal() const { return prefix.path() / "user.reg.orvane-journal"; }
    OnDisk onDisk() const
    {
        struct stat info {};
        ::stat(prefix.userReg().c_str(), &info);
        return {prefix.readUserReg(), info.st_ino, info.st_mtim,
                fs::exists(journal()) ? test::readFile(journal()) : "(none)"};
    }
    void expectLeftAsItWas(const OnDisk& before) const
    {
        const OnDisk now = onDisk();
        EXPECT_EQ(now.userReg, before.userReg);
        EXPECT_EQ(now.inode, before.inode);
        EXPECT_EQ(now.modified.tv_sec, before.modified.tv_sec);
        EXPECT_EQ(now.modified.tv_nsec, before.modified.tv_nsec);
        EXPECT_EQ(now.journal, before.journal);
    }
    TempPrefix prefix;
};

TEST_F(WineStoreJournal, AnInPlaceSaveThatWasInterruptedIsCompletedBeforeReading)
{
    // As a crash leaves it: the journal whole, the linked file half rewritten.
    std::string complete = test::gameplayUserReg();
    complete.replace(complete.find("00000032"), 8, "00000009");
    const std::string half = complete.substr(0, complete.size() / 2) + test::gameplayUserReg().substr(complete.size() / 2);
    prefix.writeUserReg(half);
    test::writeFile(prefix.path() / "user.reg.orvane-journal", complete);

    EXPECT_EQ(keyscroll(open(prefix.path())), 9);
    EXPECT_EQ(prefix.readUserReg(), complete);
    EXPECT_FALSE(fs::exists(prefix.path() / "user.reg.orvane-journal"));
}

// A save of a hard-linked user.reg killed with its journal complete, and
// the file then saved by Wine: the journal no longer belongs to the file.
std::string WineStoreJournal::journalThenWinesSave() const
{
    // Killed while the linked file is being written in place, the journal complete.
    EXPECT_TRUE(killedLinkedSave([] { test::onNextDataSync([] { test::onNextDataSync([] { ::raise(SIGKILL); }); }); }));
    const std::string wines = test::gameplayUserReg("[Software\\Wine\\Added] 1796739015\n\"ByWine\"=dword:00000001\n\n");
    saveAsWine(prefix.userReg(), wines);
    return wines;
}

// The first command reads Wine's file, and at its end the store tells of the save it dropped.
void expectWinesFileReadAndTheDroppedSaveTold(RegistryAccess& registry)
{
    RegistryCommand command(registry);
    RegistryKey key = registry.openKey(Gameplay);
    ASSERT_TRUE(key.isOpen());
    EXPECT_EQ(key.readInteger("keyscroll"), 0x32);
    const std::string message = messageOf([&] { command.finish(); });
    EXPECT_NE(message.find("Orvane kept that newer file"), std::string::npos) << message;
}

TEST_F(WineStoreJournal, AJournalLeftByACutOffSaveIsDroppedOnceWineHasReplacedTheFile)
{
    const std::string wines = journalThenWinesSave();
    RegistryAccess registry = open(prefix.path());
    expectWinesFileReadAndTheDroppedSaveTold(registry);
    EXPECT_EQ(prefix.readUserReg(), wines);
    EXPECT_FALSE(fs::exists(prefix.path() / "user.reg.orvane-journal"));
    // Said once.
    EXPECT_EQ(messageOf([&] { keyscroll(open(prefix.path())); }), "");
}

// Killed once its journal was in place, before the file itself was touched,
// and the file then edited in place, as an editor or a backup tool does:
// the journal is no longer for that file, though the inode is the same.
TEST_F(WineStoreJournal, AJournalIsNotReplayedOverAnEditMadeInPlaceSince)
{
    ASSERT_TRUE(killedLinkedSave(killAfterTheJournal));
    const std::string edited = test::gameplayUserReg("[Software\\Editor] 1796739015\n\"Edited\"=dword:00000001\n\n");
    test::writeFile(prefix.userReg(), edited); // the same inode, other content
    RegistryAccess registry = open(prefix.path());
    expectWinesFileReadAndTheDroppedSaveTold(registry);
    EXPECT_EQ(prefix.readUserReg(), edited);
    EXPECT_EQ(test::readFile(prefix.path() / "backup.reg"), edited);
}

TEST_F(WineStoreJournal, AJournalDroppedWhileReadingAheadIsToldByTheFirstCommand)
{
    const std::string wines = journalThenWinesSave();
    auto store = std::make_unique<WinePrefixStore>(prefix.path());
    store->readAhead(); // the journal is dropped here, on the start's own thread
    EXPECT_FALSE(fs::exists(prefix.path() / "user.reg.orvane-journal"));
    RegistryAccess registry(std::move(store));
    expectWinesFileReadAndTheDroppedSaveTold(registry);
    EXPECT_EQ(prefix.readUserReg(), wines);
}

TEST_F(WineStoreJournal, AnExportReadsACutOffSaveAsItWasToEndAndLeavesItForTheNextWrite)
{
    ASSERT_TRUE(killedLinkedSave(killAfterTheJournal));
    const OnDisk before = onDisk();
    ASSERT_NE(before.userReg.find("\"keyscroll\"=dword:00000032"), std::string::npos);

    EXPECT_EQ(keyscroll(openForExport()), 7);
    expectLeftAsItWas(before);

    // The next write finishes the save, and its own change goes on top.
    RegistryAccess registry = open(prefix.path());
    registry.openKey(Gameplay).writeInteger("mousescroll", 3);
    const std::string saved = prefix.readUserReg();
    EXPECT_NE(saved.find("\"keyscroll\"=dword:00000007"), std::string::npos) << saved;
    EXPECT_NE(saved.find("\"mousescroll\"=dword:00000003"), std::string::npos) << saved;
    EXPECT_FALSE(fs::exists(journal()));
    EXPECT_EQ(test::readFile(prefix.path() / "backup.reg"), saved);
}

// A prefix on a read-only disk, or of another user: the export and the
// window read it as the cut-off save was to leave it; a write says why it cannot.
TEST_F(WineStoreJournal, AReadOnlyPrefixWithACutOffSaveIsStillReadAndLeftAsItIs)
{
    ASSERT_TRUE(killedLinkedSave(killAfterTheJournal));
    ASSERT_EQ(::chmod(prefix.userReg().c_str(), 0444), 0);
    ASSERT_EQ(::chmod(prefix.path().c_str(), 0555), 0);
    const OnDisk before = onDisk();
    test::asOrdinaryUser([&] {
        EXPECT_EQ(messageOf([&] { EXPECT_EQ(keyscroll(openForExport()), 7); }), "");
        EXPECT_EQ(messageOf([&] { EXPECT_EQ(keyscroll(open(prefix.path())), 7); }), ""); // as the window reads it
        const std::string refused =
            messageOf([&] { open(prefix.path()).openKey(Gameplay).writeInteger("keyscroll", 9); });
        EXPECT_NE(refused.find("check the folder's permissions"), std::string::npos) << refused;
    });
    expectLeftAsItWas(before);
}

} // namespace
} // namespace orvane
