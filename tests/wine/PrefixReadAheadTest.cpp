// The prefix's registry read on a thread while the toolkit starts: what the
// first command reads is still the file as it is then, and a file that
// cannot be read is still reported where the program expects it.
#include "app/PrefixReadAhead.h"
#include "registry/RegistryErrors.h"
#include "registry/RegistryAccess.h"
#include "settings/Schema.h"
#include "tests/support/Files.h"
#include "tests/support/TempPrefix.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

namespace fs = std::filesystem;

std::string userReg(const std::string& installPath)
{
    return "WINE REGISTRY Version 2\n;; All keys relative to REGISTRY\\\\User\\\\S-1-5-21-0-0-0-1000\n\n"
           "[Software\\\\Blizzard Entertainment\\\\Warcraft III] 1796739014\n\"InstallPath\"=\"" +
           installPath + "\"\n\n";
}

std::string installPathIn(SettingsPlace place)
{
    RegistryAccess registry(place.openStore());
    RegistryCommand command(registry);
    RegistryKey key = registry.openKey(std::string(schema::GameKey));
    std::string path = key.readString(std::string(schema::InstallPath));
    command.finish();
    return path;
}

class PrefixReadAheadTest : public ::testing::Test {
protected:
    HomeFolders folders() const { return {.home = home.path(), .dataHome = home.path() / "data", .configHome = home.path() / "config"}; }
    fs::path makePrefix(const std::string& name, const std::string& installPath) const
    {
        const fs::path folder = home.path() / name;
        test::writeFile(folder / "user.reg", userReg(installPath));
        fs::create_directories(folder / "drive_c");
        return folder;
    }
    test::TempPrefix home;
};

TEST_F(PrefixReadAheadTest, WhatAnotherProgramSavedAfterTheReadingAheadIsWhatTheFirstCommandReads)
{
    const fs::path prefix = makePrefix("game", "C:\\\\Games\\\\W3");
    PrefixReadAhead early(std::nullopt, folders(), prefix.c_str());
    ASSERT_EQ(std::get<PrefixInUse>(early.settled()).folder, prefix);
    // Wine saves the same length of text: only the file's stamp tells.
    test::writeFile(prefix / "user.reg", userReg("C:\\\\Games\\\\W4"));
    EXPECT_EQ(installPathIn(early.settingsOf(prefix)), "C:\\Games\\W4");
}

TEST_F(PrefixReadAheadTest, AFileThatCannotBeReadIsReportedByTheFirstCommand)
{
    const fs::path prefix = makePrefix("broken", "C:\\\\Games\\\\W3");
    // A symbolic link on the game's own key would send Wine elsewhere for its values.
    test::writeFile(prefix / "user.reg",
                    "WINE REGISTRY Version 2\n[Software\\\\Blizzard Entertainment\\\\Warcraft III] 1\n#link\n");
    PrefixReadAhead early(prefix.string(), folders(), nullptr);
    ASSERT_EQ(std::get<PrefixInUse>(early.settled()).folder, prefix);
    SettingsPlace place = early.settingsOf(prefix);
    RegistryAccess registry(place.openStore());
    try {
        registry.keyExists(std::string(schema::GameKey));
        ADD_FAILURE() << "the broken file was read";
    } catch (const RegistryStoreError& error) {
        EXPECT_NE(std::string(error.what()).find("line 3: a symbolic link"), std::string::npos)
            << error.what();
    }
    // And again on the next command, as without reading ahead.
    EXPECT_THROW(registry.keyExists(std::string(schema::GameKey)), RegistryStoreError);
}

TEST_F(PrefixReadAheadTest, APrefixOtherThanTheOneReadAheadHasItsOwnRegistry)
{
    const fs::path named = makePrefix("named", "C:\\\\Games\\\\Named");
    const fs::path other = makePrefix("other", "C:\\\\Games\\\\Other");
    PrefixReadAhead early(named.string(), folders(), other.c_str());
    ASSERT_EQ(std::get<PrefixInUse>(early.settled()).folder, named); // --prefix wins over WINEPREFIX
    EXPECT_EQ(installPathIn(early.settingsOf(other)), "C:\\Games\\Other");
    EXPECT_EQ(installPathIn(early.settingsOf(named)), "C:\\Games\\Named");
}

} // namespace
} // namespace orvane
