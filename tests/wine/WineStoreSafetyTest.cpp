// The Wine store under faults a player's disk can give it: reads that fail
// part-way, links, and changes made by others at the worst moment.
#include "files/AtomicFile.h"
#include "registry/RegistryErrors.h"
#include "registry/RegistryAccess.h"
#include "wine/PrefixLock.h"
#include "wine/WinePrefixStore.h"
#include "tests/support/SystemCallHooks.h"
#include "tests/support/TempPrefix.h"

#include <gtest/gtest.h>

#include <functional>
#include <thread>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvane {
namespace {

using test::TempPrefix;
using test::WineHeader;
namespace fs = std::filesystem;

const std::string Gameplay = "Software\\Blizzard Entertainment\\Warcraft III\\Gameplay";

// About 5 MB of other keys, as a long-used prefix has.
std::string largeGameFile()
{
    std::string filler;
    for (int n = 0; filler.size() < (5u << 20); ++n)
        filler += "[Software\\\\Filler\\\\" + std::to_string(n) + "] 1796739014\n\"Data\"=\"" + std::string(200, 'x') +
                  "\"\n\n";
    return test::gameplayUserReg(filler);
}

std::string messageOf(const std::function<void()>& operation)
{
    try {
        operation();
    } catch (const RegistryError& error) {
        return error.what();
    }
    return "";
}

class WineStoreSafety : public ::testing::Test {
protected:
    RegistryAccess open(const fs::path& folder) const { return RegistryAccess(std::make_unique<WinePrefixStore>(folder)); }
    void setKeyscroll(const fs::path& folder, int value) const
    {
        RegistryAccess registry = open(folder);
        RegistryKey key = registry.openKey(Gameplay);
        ASSERT_TRUE(key.isOpen());
        key.writeInteger("keyscroll", value);
    }
    int keyscroll(const fs::path& folder) const
    {
        RegistryAccess registry = open(folder);
        RegistryKey key = registry.openKey(Gameplay);
        return key.readInteger("keyscroll");
    }
    TempPrefix prefix;
};

TEST_F(WineStoreSafety, AReadFailingPartWayIsAnErrorNamingTheFileAndNothingIsWritten)
{
    const std::string original = largeGameFile();
    prefix.writeUserReg(original);
    std::string message;
    {
        test::ReadFault fault(1u << 20);
        message = messageOf([&] { setKeyscroll(prefix.path(), 7); });
    }
    EXPECT_NE(message.find(prefix.userReg().string()), std::string::npos) << message;
    EXPECT_EQ(prefix.readUserReg(), original);
    EXPECT_EQ(keyscroll(prefix.path()), 0x32);
}

TEST_F(WineStoreSafety, AFolderNamedUserRegIsCalledWhatItIs)
{
    fs::create_directory(prefix.userReg());
    const std::string message = messageOf([&] { keyscroll(prefix.path()); });
    EXPECT_NE(message.find("not a regular file"), std::string::npos) << message;
    EXPECT_EQ(message.find("empty"), std::string::npos) << message;
}

TEST_F(WineStoreSafety, ANamedPipeIsRefusedAtOnceInsteadOfWaitedOn)
{
    ASSERT_EQ(::mkfifo(prefix.userReg().c_str(), 0600), 0);
    const std::string message = messageOf([&] { keyscroll(prefix.path()); });
    EXPECT_NE(message.find("it is a named pipe, not a regular file"), std::string::npos) << message;
    EXPECT_NE(message.find(prefix.userReg().string()), std::string::npos) << message;
}

TEST_F(WineStoreSafety, LinksThatLoopAreNamedAsSuchNotAsAnEarlierSave)
{
    fs::create_symlink(prefix.path() / "other.reg", prefix.userReg());
    fs::create_symlink(prefix.userReg(), prefix.path() / "other.reg");
    const std::string message = messageOf([&] { keyscroll(prefix.path()); });
    EXPECT_NE(message.find("symbolic link whose links lead back to each other"), std::string::npos) << message;
    EXPECT_EQ(message.find("earlier save"), std::string::npos) << message;
}

TEST_F(WineStoreSafety, ASymbolicLinkKeepsPointingAtTheFileItNamesWhichGetsTheChange)
{
    TempPrefix elsewhere;
    const fs::path real = elsewhere.path() / "real.reg";
    test::writeFile(real, test::gameplayUserReg());
    fs::create_symlink(real, prefix.userReg());

    setKeyscroll(prefix.path(), 7);

    EXPECT_TRUE(fs::is_symlink(prefix.userReg()));
    EXPECT_EQ(fs::read_symlink(prefix.userReg()), real);
    EXPECT_NE(test::readFile(real).find("\"keyscroll\"=dword:00000007"), std::string::npos);
    EXPECT_EQ(keyscroll(prefix.path()), 7);
    EXPECT_EQ(std::distance(fs::directory_iterator(elsewhere.path()), fs::directory_iterator()), 1);
}

TEST_F(WineStoreSafety, AHardLinkStaysOneFileForEveryName)
{
    prefix.writeUserReg(test::gameplayUserReg());
    const fs::path other = prefix.path() / "backup-link.reg";
    fs::create_hard_link(prefix.userReg(), other);
    struct stat before {};
    ::stat(prefix.userReg().c_str(), &before);

    test::SystemCallLog log;
    setKeyscroll(prefix.path(), 7);
    // Each step on disk before the next: the journal before it is named,
    // its name before the file is overwritten, the file before the journal goes.
    EXPECT_EQ(log.calls(), (std::vector<std::string>{"pwrite", "fdatasync", "rename user.reg.orvane-journal", "fsync",
                                                     "pwrite", "fdatasync", "unlink user.reg.orvane-journal", "fsync"}));

    struct stat after {};
    ::stat(prefix.userReg().c_str(), &after);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_nlink, 2u);
    EXPECT_EQ(test::readFile(other), prefix.readUserReg());
    EXPECT_EQ(keyscroll(prefix.path()), 7);
    EXPECT_EQ(prefix.strayFiles(), 0);
}

TEST_F(WineStoreSafety, AChangeMadeJustBeforeTheReplaceIsMergedNotLost)
{
    prefix.writeUserReg(test::gameplayUserReg());
    const std::string wines = "[Software\\\\Wine\\\\Added] 1796739015\n\"ByWine\"=dword:00000001\n\n";
    test::onNextDataSync([&] { prefix.writeUserReg(test::gameplayUserReg(wines)); });

    setKeyscroll(prefix.path(), 7);

    std::string saved = prefix.readUserReg();
    EXPECT_NE(saved.find("\"ByWine\"=dword:00000001"), std::string::npos) << saved;
    EXPECT_EQ(keyscroll(prefix.path()), 7);
    EXPECT_EQ(prefix.strayFiles(), 0);

    // Rewritten in place, the same size, within the same second: only the
    // nanoseconds of the modification time tell.
    test::onNextDataSync([&] {
        struct stat before {};
        ::stat(prefix.userReg().c_str(), &before);
        std::string edited = prefix.readUserReg();
        edited.replace(edited.find("dword:00000001"), 14, "dword:00000002");
        prefix.writeUserReg(edited);
        const timespec times[2] = {before.st_atim, {before.st_mtim.tv_sec, (before.st_mtim.tv_nsec + 1) % 1000000000}};
        ::utimensat(AT_FDCWD, prefix.userReg().c_str(), times, 0);
    });
    setKeyscroll(prefix.path(), 8);
    saved = prefix.readUserReg();
    EXPECT_NE(saved.find("\"ByWine\"=dword:00000002"), std::string::npos) << saved;
    EXPECT_EQ(keyscroll(prefix.path()), 8);
}

// Another program's save as Wine makes it: a new file renamed over user.reg.
void saveAsWine(const fs::path& userReg, const std::string& content)
{
    const fs::path temp = userReg.string() + ".wine-temp";
    test::writeFile(temp, content);
    fs::rename(temp, userReg);
}

TEST_F(WineStoreSafety, ASaveThatLandsWhileTheFolderIsFlushedIsNotTakenForOrvanesOwn)
{
    prefix.writeUserReg(test::gameplayUserReg());
    const std::string wines = "[Software\\Wine\\Added] 1796739015\n\"ByWine\"=dword:00000001\n\n";
    RegistryAccess registry = open(prefix.path()); // one store across commands, as the window keeps it
    RegistryKey key = registry.openKey(Gameplay);
    ASSERT_TRUE(key.isOpen());
    test::onNextFsync([&] { saveAsWine(prefix.userReg(), test::gameplayUserReg(wines)); });
    key.writeInteger("keyscroll", 7);
    key.writeInteger("keyscroll", 8);
    const std::string saved = prefix.readUserReg();
    EXPECT_NE(saved.find("\"ByWine\"=dword:00000001"), std::string::npos) << saved;
    EXPECT_EQ(keyscroll(prefix.path()), 8);
}

TEST_F(WineStoreSafety, AnEditThatRestoredTheModificationTimeIsStillSeen)
{
    prefix.writeUserReg(test::gameplayUserReg());
    RegistryAccess registry = open(prefix.path());
    RegistryKey key = registry.openKey(Gameplay);
    ASSERT_TRUE(key.isOpen());
    ASSERT_EQ(key.readInteger("keyscroll"), 0x32);

    // Same size, same inode, same modification time: only the ctime tells.
    struct stat before {};
    ::stat(prefix.userReg().c_str(), &before);
    std::string edited = test::gameplayUserReg();
    edited.replace(edited.find("1796739014"), 10, "1796739099");
    {
        std::FILE* file = std::fopen(prefix.userReg().c_str(), "r+");
        std::fwrite(edited.data(), 1, edited.size(), file);
        std::fclose(file);
    }
    const timespec times[2] = {before.st_atim, before.st_mtim};
    ::utimensat(AT_FDCWD, prefix.userReg().c_str(), times, 0);

    key.writeInteger("keyscroll", 7);
    EXPECT_NE(prefix.readUserReg().find("1796739099"), std::string::npos);
}

TEST_F(WineStoreSafety, AFolderThatCannotBeFlushedIsReportedWithoutClaimingTheFileIsUnchanged)
{
    prefix.writeUserReg(test::gameplayUserReg());
    test::failNextFsync();
    const std::string message = messageOf([&] { setKeyscroll(prefix.path(), 7); });
    EXPECT_NE(message.find("were saved to"), std::string::npos) << message;
    EXPECT_NE(message.find("Input/output error"), std::string::npos) << message;
    EXPECT_EQ(message.find("unchanged"), std::string::npos) << message;
    EXPECT_EQ(keyscroll(prefix.path()), 7);
}

TEST(AtomicReplace, StopsWithTheFileUntouchedWhenTheLastCheckSaysItChanged)
{
    TempPrefix folder;
    folder.writeUserReg("old\n");
    EXPECT_THROW(replaceFileAtomically(folder.userReg(), "new\n", [](const struct stat*) { return false; }), FileChangedMeanwhile);
    EXPECT_EQ(folder.readUserReg(), "old\n");
    EXPECT_EQ(folder.strayFiles(), 0);
}

// One command at a time on a prefix: a second one waits for the first and,
// when it never lets go, gives up with a message instead of going ahead.
TEST(PrefixLock, ASecondTakerWaitsForTheFirstAndGivesUpWhileItHolds)
{
    TempPrefix prefix;
    {
        const PrefixLock first(prefix.path());
        try {
            const PrefixLock second(prefix.path(), std::chrono::milliseconds(200));
            ADD_FAILURE() << "two commands held the prefix at once";
        } catch (const RegistryStoreError& error) {
            EXPECT_NE(std::string(error.what()).find("Another Orvane is changing the settings of the Wine prefix " +
                                                     prefix.path().string()),
                      std::string::npos)
                << error.what();
        }
    }
    auto first = std::make_unique<PrefixLock>(prefix.path());
    std::thread release([&first] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        first.reset();
    });
    EXPECT_NO_THROW(PrefixLock(prefix.path(), std::chrono::seconds(30))); // taken once the first lets go
    release.join();
}

} // namespace
} // namespace orvane
