// Orvane's history entries are registry files a player can use without
// Orvane: Wine's regedit imports one as Orvane's own --restore applies it.
#include "registry/RegistryAccess.h"
#include "settings/Schema.h"
#include "files/TextEncoding.h"
#include "tests/support/Files.h"
#include "tests/wine/WinePrefixFixture.h"
#include "tools/GameDefaults.h"

#include <algorithm>
#include <cstdlib>

namespace orvane::test {
namespace {

// A name with quotes, a backslash and characters beyond Latin-1.
const std::string Tricky = "Jürgen \"x\" \\y 漢";

// Orvane's history as a player without Orvane uses it: the entry of a
// --load, imported by Wine's regedit, puts back what `orvane --restore`
// of that entry does, which is what was there before the load.
class WineHistoryEntry : public WinePrefixTest {
protected:
    void SetUp() override
    {
        WinePrefixTest::SetUp();
        std::filesystem::create_directories(scratch());
        writeGameFolder(gameFolder());
        auto registry = orvane();
        RegistryCommand command(*registry);
        registry->deleteKey(std::string(schema::OrvaneKey));
        writeGameDefaults(*registry, "C:\\Program Files\\Orvane Round Trip Game");
        command.finish();
        ::setenv("XDG_STATE_HOME", (scratch() / "state").c_str(), 1);
    }
    void TearDown() override
    {
        WinePrefixTest::TearDown();
        auto registry = orvane();
        RegistryCommand command(*registry);
        registry->deleteKey(std::string(schema::GameKey));
        registry->deleteKey(std::string(schema::OrvaneKey));
        command.finish();
        ::unsetenv("XDG_STATE_HOME");
        std::filesystem::remove_all(gameFolder());
        std::filesystem::remove_all(scratch());
    }
    static std::filesystem::path gameFolder() { return prefix() / "drive_c" / "Program Files" / "Orvane Round Trip Game"; }
    static std::filesystem::path scratch() { return prefix().parent_path() / "orvane-history-scratch"; }
    static int orvaneCommand(std::vector<std::string> arguments, std::string* output)
    {
        arguments.insert(arguments.begin(), {std::string(ORVANE_BINARY_DIR) + "/orvane", "--prefix", prefix().string()});
        return runProgram(arguments, output);
    }
    // The game's and Orvane's keys as Wine exports them, or that there is none.
    std::string settingsAsWineHasThem() const
    {
        std::string text;
        for (const char* key : {"HKCU\\Software\\Blizzard Entertainment", "HKCU\\Software\\Orvane"}) {
            const std::filesystem::path file = scratch() / "export.reg";
            std::filesystem::remove(file);
            std::string output;
            const int status = wine({"reg", "export", key, windowsPath(file), "/y"}, &output);
            const std::string bytes = readFile(file);
            const std::u16string units = utf16leUnits(std::vector<uint8_t>(bytes.begin(), bytes.end()));
            text += status == 0 ? utf16ToUtf8(units.substr(units.empty() || units[0] != 0xFEFF ? 0 : 1))
                                : std::string("no ") + key + "\n";
        }
        return text;
    }
    static std::string windowsPath(const std::filesystem::path& file)
    {
        std::string path = "Z:" + file.string();
        std::replace(path.begin(), path.end(), '/', '\\');
        return path;
    }
};

TEST_F(WineHistoryEntry, RegeditImportingALoadsEntryPutsBackWhatRestoringItDoesAndWhatWasThere)
{
    const std::string before = settingsAsWineHasThem();
    ASSERT_NE(before.find("\"gamma\"=dword:00000019"), std::string::npos) << before;
    ASSERT_NE(before.find("no HKCU\\Software\\Orvane"), std::string::npos) << before;
    const std::filesystem::path configuration = scratch() / "a.ini";
    writeFile(configuration, "[Video]\r\ngamma=40\r\n[Gameplay]\r\nkeyscroll=77\r\n"
                             "[Bnet Accounts]\r\nBnetName0=" + Tricky + "\r\n");
    std::string output;
    ASSERT_EQ(orvaneCommand({"--load", configuration.string()}, &output), 0) << output;
    const std::string loaded = readFile(prefix() / "user.reg");
    std::vector<std::filesystem::path> entries;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(scratch() / "state"))
        if (entry.path().extension() == ".reg")
            entries.push_back(entry.path());
    ASSERT_EQ(entries.size(), 1u);
    const std::filesystem::path entry = scratch() / "entry.reg"; // beside, so the restore's own entry is not it
    std::filesystem::copy_file(entries[0], entry);
    ASSERT_NE(settingsAsWineHasThem(), before);

    // /S: as a player's script runs it on Windows; Wine's regedit never asks.
    ASSERT_EQ(wine({"regedit", "/S", windowsPath(entry)}, &output), 0) << output;
    const std::string imported = settingsAsWineHasThem();

    writeFile(prefix() / "user.reg", loaded);
    ASSERT_EQ(orvaneCommand({"--restore", entry.string()}, &output), 0) << output;
    const std::string restored = settingsAsWineHasThem();
    EXPECT_EQ(imported, restored);
    EXPECT_EQ(restored, before);
}

} // namespace
} // namespace orvane::test
