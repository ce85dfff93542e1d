// A save killed at any moment leaves user.reg whole: the old content or
// the new, and no temporary file survives the next command; a restore
// killed leaves the old values or the restored ones.
#include "app/Restore.h"
#include "registry/RegistryAccess.h"
#include "settings/Schema.h"
#include "settings/SettingsHistory.h"
#include "wine/WinePrefixStore.h"
#include "wine/WineRegFile.h"
#include "tests/support/FixedDisplayModes.h"
#include "tests/support/Files.h"
#include "tests/support/MemoryToolkit.h"
#include "tests/support/RecordingFileDialogs.h"
#include "tests/support/RecordingMessageBoxes.h"
#include "tests/support/RecordingStarter.h"
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

// Gameplay's keyscroll, Video's gamma and Sound's sfxvolume, in three keys.
struct ThreeValues {
    int keyscroll = 0;
    int gamma = 0;
    int sfxvolume = 0;
    bool operator==(const ThreeValues&) const = default;
};

std::string entryPutting(const ThreeValues& values)
{
    char text[512];
    std::snprintf(text, sizeof text,
                  "Windows Registry Editor Version 5.00\r\n\r\n"
                  "[HKEY_CURRENT_USER\\Software\\Blizzard Entertainment\\Warcraft III\\Gameplay]\r\n"
                  "\"keyscroll\"=dword:%08x\r\n\r\n"
                  "[HKEY_CURRENT_USER\\Software\\Blizzard Entertainment\\Warcraft III\\Sound]\r\n"
                  "\"sfxvolume\"=dword:%08x\r\n\r\n"
                  "[HKEY_CURRENT_USER\\Software\\Blizzard Entertainment\\Warcraft III\\Video]\r\n"
                  "\"gamma\"=dword:%08x\r\n\r\n",
                  values.keyscroll, values.sfxvolume, values.gamma);
    return text;
}

// Restores one entry file after the other, each in a command of its own,
// as `orvane --restore FILE` does, keeping the history in history.
[[noreturn]] void restoreForever(const TempPrefix& prefix, const std::vector<std::filesystem::path>& entries,
                                 const std::filesystem::path& history)
{
    test::MemoryToolkit toolkit;
    test::RecordingMessageBoxes boxes;
    test::RecordingFileDialogs files;
    test::RecordingStarter starter;
    test::FixedDisplayModes display;
    Context context(Services{toolkit, boxes, files, starter, display},
                    SettingsPlace{.openStore = {}, .paths = {}, .winePrefix = {}, .history = history}, {});
    context.registry =
        std::make_unique<RegistryAccess>(withHistory(std::make_unique<WinePrefixStore>(prefix.path()), context.history));
    for (size_t turn = 0;; ++turn)
        context.commands.run([&] { restoreFile(context, entries[turn % entries.size()], "Restore"); });
}

// A restore is one save: killed at any moment, it leaves the values as they
// were before it or as it puts them back, never some of each; and its entry
// in the history is whole or not there.
TEST(WineStoreCrash, ARestoreKilledAtAnyMomentLeavesTheOldOrTheRestoredValues)
{
    std::string filler;
    for (int n = 0; filler.size() < (5u << 20); ++n)
        filler += "[Software\\\\Filler\\\\" + std::to_string(n) + "] 1\n\"Data\"=\"" + std::string(200, 'x') + "\"\n\n";
    TempPrefix prefix;
    prefix.writeUserReg(std::string(test::WineHeader) +
                        "\n[Software\\\\Blizzard Entertainment\\\\Warcraft III\\\\Gameplay] 1\n\"keyscroll\"=dword:00000032\n"
                        "\n[Software\\\\Blizzard Entertainment\\\\Warcraft III\\\\Sound] 1\n\"sfxvolume\"=dword:00000064\n"
                        "\n[Software\\\\Blizzard Entertainment\\\\Warcraft III\\\\Video] 1\n\"gamma\"=dword:00000019\n\n" +
                        filler);
    const ThreeValues old{50, 25, 100};
    const ThreeValues restored{77, 40, 20};
    const std::filesystem::path entries = prefix.path() / "entries";
    std::filesystem::create_directories(entries);
    test::writeFile(entries / "restored.reg", entryPutting(restored));
    test::writeFile(entries / "old.reg", entryPutting(old));
    const std::filesystem::path history = prefix.path() / "history";
    const auto stored = [&] {
        RegistryAccess registry(std::make_unique<WinePrefixStore>(prefix.path()));
        return ThreeValues{registry.openKey(Gameplay).readInteger("keyscroll"),
                           registry.openKey(schema::VideoKey).readInteger("gamma"),
                           registry.openKey(schema::SoundKey).readInteger("sfxvolume")};
    };

    std::mt19937 random(13);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    int kills = 0;
    int restoredSeen = 0;
    for (; kills < 100 && std::chrono::steady_clock::now() < deadline; ++kills) {
        const pid_t restorer = ::fork();
        ASSERT_GE(restorer, 0);
        if (restorer == 0)
            restoreForever(prefix, {entries / "restored.reg", entries / "old.reg"}, history);
        ::usleep(static_cast<useconds_t>(random() % 300000));
        ::kill(restorer, SIGKILL);
        ::waitpid(restorer, nullptr, 0);

        const ThreeValues now = stored();
        ASSERT_TRUE(now == old || now == restored)
            << "after kill " << kills << ": keyscroll " << now.keyscroll << ", gamma " << now.gamma << ", sfxvolume "
            << now.sfxvolume;
        restoredSeen += now == restored;
        std::error_code none;
        for (const auto& entry : std::filesystem::directory_iterator(history, none)) {
            if (entry.path().extension() == ".reg") {
                ASSERT_NO_THROW(parseRegeditFile(test::readFile(entry.path()), entry.path().string()))
                    << "after kill " << kills;
            }
        }
    }
    EXPECT_GE(kills, 50);
    // Both states were met: the kills fell before and after restores.
    EXPECT_GT(restoredSeen, 0);
    EXPECT_LT(restoredSeen, kills);
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
