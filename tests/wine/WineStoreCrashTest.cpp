// A save killed at any moment leaves user.reg whole: the old content or
// the new, and no temporary file survives the next command.
#include "registry/RegistryAccess.h"
#include "wine/WinePrefixStore.h"
#include "wine/WineRegFile.h"
#include "tests/support/Files.h"
#include "tests/support/TempPrefix.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <csignal>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

namespace orvane {
namespace {

using test::TempPrefix;

const std::string Gameplay = "Software\\Blizzard Entertainment\\Warcraft III\\Gameplay";

std::string fileWithKeyscroll(const std::string& filler, int keyscroll)
{
    char line[64];
    std::snprintf(line, sizeof line, "\"keyscroll\"=dword:%08x\n", keyscroll);
    return std::string(test::WineHeader) + "\n[Software\\\\Blizzard Entertainment\\\\Warcraft III\\\\Gameplay] 1\n" +
           line + "\n" + filler;
}

void setKeyscroll(const TempPrefix& prefix, int value)
{
    RegistryAccess registry(std::make_unique<WinePrefixStore>(prefix.path()));
    RegistryKey key = registry.openKey(Gameplay);
    key.writeInteger("keyscroll", value);
}

TEST(WineStoreCrash, ASaveKilledAtAnyMomentLeavesTheOldOrTheNewFile)
{
    std::string filler;
    for (int n = 0; filler.size() < (5u << 20); ++n)
        filler += "[Software\\\\Filler\\\\" + std::to_string(n) + "] 1\n\"Data\"=\"" + std::string(200, 'x') + "\"\n\n";
    TempPrefix prefix;
    prefix.writeUserReg(fileWithKeyscroll(filler, 0));

    std::mt19937 random(7);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(25);
    int kills = 0;
    for (; kills < 100 && std::chrono::steady_clock::now() < deadline; ++kills) {
        const pid_t writer = ::fork();
        ASSERT_GE(writer, 0);
        if (writer == 0) {
            for (int value = 1;; ++value)
                setKeyscroll(prefix, value);
        }
        ::usleep(static_cast<useconds_t>(random() % 20000));
        ::kill(writer, SIGKILL);
        ::waitpid(writer, nullptr, 0);

        const std::string content = prefix.readUserReg();
        ASSERT_NO_THROW(WineRegFile::parse(content, "user.reg")) << "after kill " << kills;
        const size_t at = content.find("\"keyscroll\"=dword:");
        ASSERT_NE(at, std::string::npos);
        const int value = std::stoi(content.substr(at + 18, 8), nullptr, 16);
        ASSERT_EQ(content, fileWithKeyscroll(filler, value)) << "after kill " << kills;
    }
    EXPECT_GE(kills, 50);
    setKeyscroll(prefix, 12345);
    EXPECT_EQ(prefix.strayFiles(), 0);
    EXPECT_EQ(prefix.readUserReg(), fileWithKeyscroll(filler, 12345));
}

// A file of several names is rewritten in place. Killed in the middle, it
// may be half-written for a moment, to programs reading it by another name;
// the next command completes it from the journal.
TEST(WineStoreCrash, ALinkedFileKilledMidSaveIsCompletedByTheNextCommand)
{
    std::string filler;
    for (int n = 0; filler.size() < (5u << 20); ++n)
        filler += "[Software\\\\Filler\\\\" + std::to_string(n) + "] 1\n\"Data\"=\"" + std::string(200, 'x') + "\"\n\n";
    // A note of changing length at the top, so that a half-written file shows.
    const auto withNote = [&](size_t length) {
        return std::string(test::WineHeader) + "\n[Software\\\\Blizzard Entertainment\\\\Warcraft III\\\\Gameplay] 1\n"
               "\"keyscroll\"=dword:00000032\n\"note\"=\"" + std::string(length, 'n') + "\"\n\n" + filler;
    };
    TempPrefix prefix;
    prefix.writeUserReg(withNote(0));
    const std::filesystem::path other = prefix.path() / "backup.reg";
    std::filesystem::create_hard_link(prefix.userReg(), other);
    const auto whole = [&](const std::string& content) {
        const size_t at = content.find("\"note\"=\"");
        const size_t end = at == std::string::npos ? at : content.find('"', at + 8);
        return end != std::string::npos && content == withNote(end - at - 8);
    };

    std::mt19937 random(11);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    int kills = 0;
    int halfWritten = 0;
    for (; kills < 100 && std::chrono::steady_clock::now() < deadline; ++kills) {
        const pid_t writer = ::fork();
        ASSERT_GE(writer, 0);
        if (writer == 0) {
            for (size_t length = 1;; ++length) {
                RegistryAccess registry(std::make_unique<WinePrefixStore>(prefix.path()));
                RegistryKey key = registry.openKey(Gameplay);
                key.writeString("note", std::string(length % 40, 'n'));
            }
        }
        ::usleep(static_cast<useconds_t>(random() % 20000));
        ::kill(writer, SIGKILL);
        ::waitpid(writer, nullptr, 0);
        halfWritten += !whole(test::readFile(other));
        // Orvane's next command, a read, completes what was cut off.
        RegistryAccess registry(std::make_unique<WinePrefixStore>(prefix.path()));
        RegistryKey key = registry.openKey(Gameplay);
        EXPECT_EQ(key.readInteger("keyscroll"), 0x32);
        ASSERT_TRUE(whole(test::readFile(other))) << "after kill " << kills;
        ASSERT_EQ(test::readFile(other), prefix.readUserReg());
    }
    std::printf("%d of %d kills left the linked file half-written until the next command\n", halfWritten, kills);
    EXPECT_GE(kills, 50);
    {
        RegistryAccess registry(std::make_unique<WinePrefixStore>(prefix.path()));
        RegistryKey key = registry.openKey(Gameplay);
        key.writeString("note", "done"); // a write clears what the kills left
    }
    EXPECT_EQ(prefix.strayFiles(), 0);
    EXPECT_EQ(test::readFile(other), prefix.readUserReg());
}

} // namespace
} // namespace orvane
