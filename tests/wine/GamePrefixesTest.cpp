// Finding the player's game: every launcher's layout, natively and as a
// Flatpak, and the folders a real home has that lead nowhere.
#include "app/PrefixChoice.h"
#include "context/Commands.h"
#include "dialogs/PrefixChooser.h"
#include "wine/GamePrefixes.h"
#include "settings/Schema.h"
#include "tests/support/ChildProcesses.h"
#include "tests/support/Files.h"
#include "tests/support/MemoryToolkit.h"
#include "tests/support/RecordingMessageBoxes.h"
#include "tests/support/SystemCallHooks.h"
#include "tests/support/TempPrefix.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace orvane {
namespace {

namespace fs = std::filesystem;
using test::writeFile;

const std::string Header = "WINE REGISTRY Version 2\n;; All keys relative to REGISTRY\\\\User\\\\S-1-5-21-0-0-0-1000\n\n";

std::string gameKey(const std::string& installPath)
{
    return "[Software\\\\Blizzard Entertainment\\\\Warcraft III] 1796739014\n\"InstallPath\"=\"" + installPath + "\"\n\n";
}

void makePrefix(const fs::path& folder, bool withGame, const std::string& installPath = "C:\\\\Games\\\\W3")
{
    writeFile(folder / "user.reg", Header + "[Software\\\\Wine] 1\n\"x\"=dword:00000001\n\n" +
                                       (withGame ? gameKey(installPath) : std::string()));
    writeFile(folder / "system.reg", Header);
    fs::create_directories(folder / "drive_c");
}

void makeWine(const fs::path& wine)
{
    writeFile(wine, "#!/bin/sh\n");
}

class GamePrefixes : public ::testing::Test {
protected:
    HomeFolders folders() const
    {
        return {.home = home.path(), .dataHome = home.path() / ".local/share", .configHome = home.path() / ".config"};
    }
    const GamePrefix* found(const std::vector<GamePrefix>& all, const fs::path& folder) const
    {
        const auto it = std::find_if(all.begin(), all.end(), [&](const GamePrefix& p) { return p.folder == folder; });
        return it == all.end() ? nullptr : &*it;
    }
    test::TempPrefix home;
};

TEST_F(GamePrefixes, FindsTheGameInEveryLaunchersPlacesWithTheLaunchersOwnWine)
{
    const fs::path h = home.path();
    // Lutris, native: a game configuration naming its prefix and runner.
    makePrefix(h / "Games/warcraft-iii", true);
    writeFile(h / ".config/lutris/games/warcraft-iii-1612345678.yml",
              "game:\n  exe: drive_c/Games/W3/Warcraft III.exe\n  prefix: " + (h / "Games/warcraft-iii").string() +
                  "\nsystem: {}\nwine:\n  version: lutris-7.2-x86_64\n");
    makeWine(h / ".local/share/lutris/runners/wine/lutris-7.2-x86_64/bin/wine");
    // Lutris as a Flatpak, its prefix given from the home folder.
    makePrefix(h / "Flat/w3", true);
    writeFile(h / ".var/app/net.lutris.Lutris/config/lutris/games/w3-tft-99.yml", "game:\n  prefix: ~/Flat/w3\n");
    // Bottles, native and Flatpak.
    makePrefix(h / ".local/share/bottles/bottles/Warcraft", true);
    writeFile(h / ".local/share/bottles/bottles/Warcraft/bottle.yml", "Name: Warcraft Bottle\nRunner: caffe-7.20\n");
    makeWine(h / ".local/share/bottles/runners/caffe-7.20/bin/wine");
    makePrefix(h / ".var/app/com.usebottles.bottles/data/bottles/bottles/Games", true);
    // PlayOnLinux with its Wine version.
    makePrefix(h / ".PlayOnLinux/wineprefix/WarcraftIII", true);
    writeFile(h / ".PlayOnLinux/wineprefix/WarcraftIII/playonlinux.cfg", "ARCH=x86\nVERSION=5.0.3\n");
    makeWine(h / ".PlayOnLinux/wine/linux-x86/5.0.3/bin/wine");
    // Steam: the game in a second library, with Proton's own Wine.
    const fs::path library = h / "SteamLibrary";
    writeFile(h / ".local/share/Steam/steamapps/libraryfolders.vdf",
              "\"libraryfolders\"\n{\n\t\"0\"\n\t{\n\t\t\"path\"\t\t\"" + (h / ".local/share/Steam").string() +
                  "\"\n\t}\n\t\"1\"\n\t{\n\t\t\"path\"\t\t\"" + library.string() + "\"\n\t}\n}\n");
    const fs::path proton = library / "steamapps/common/Proton 8.0";
    makeWine(proton / "files/bin/wine");
    makePrefix(library / "steamapps/compatdata/2750000001/pfx", true);
    writeFile(library / "steamapps/compatdata/2750000001/config_info", "8.0-5\n" + (proton / "files/share/fonts/").string() + "\n");
    writeFile(library / "steamapps/appmanifest_2750000001.acf", "\"AppState\"\n{\n\t\"appid\"\t\t\"2750000001\"\n\t\"name\"\t\t\"Warcraft III\"\n}\n");
    makePrefix(h / ".var/app/com.valvesoftware.Steam/.local/share/Steam/steamapps/compatdata/7/pfx", true);
    // A prefix without the game is not offered.
    makePrefix(h / ".local/share/bottles/bottles/Office", false);

    const std::vector<GamePrefix> all = findGamePrefixes(folders());
    ASSERT_EQ(all.size(), 7u);
    const GamePrefix* lutris = found(all, h / "Games/warcraft-iii");
    ASSERT_TRUE(lutris);
    EXPECT_EQ(lutris->launcher, "Lutris");
    EXPECT_EQ(lutris->gameName, "warcraft-iii");
    EXPECT_EQ(lutris->wine, h / ".local/share/lutris/runners/wine/lutris-7.2-x86_64/bin/wine");
    EXPECT_EQ(lutris->installPath, "C:\\Games\\W3");
    ASSERT_TRUE(found(all, h / "Flat/w3"));
    EXPECT_EQ(found(all, h / "Flat/w3")->launcher, "Lutris (Flatpak)");
    EXPECT_EQ(found(all, h / "Flat/w3")->gameName, "w3-tft");
    const GamePrefix* bottle = found(all, h / ".local/share/bottles/bottles/Warcraft");
    ASSERT_TRUE(bottle);
    EXPECT_EQ(bottle->gameName, "Warcraft Bottle");
    EXPECT_EQ(bottle->wine, h / ".local/share/bottles/runners/caffe-7.20/bin/wine");
    EXPECT_EQ(found(all, h / ".var/app/com.usebottles.bottles/data/bottles/bottles/Games")->launcher, "Bottles (Flatpak)");
    EXPECT_EQ(found(all, h / ".PlayOnLinux/wineprefix/WarcraftIII")->wine, h / ".PlayOnLinux/wine/linux-x86/5.0.3/bin/wine");
    const GamePrefix* steam = found(all, library / "steamapps/compatdata/2750000001/pfx");
    ASSERT_TRUE(steam);
    EXPECT_EQ(steam->gameName, "Warcraft III");
    EXPECT_EQ(steam->wine, proton / "files/bin/wine");
    EXPECT_EQ(found(all, h / ".var/app/com.valvesoftware.Steam/.local/share/Steam/steamapps/compatdata/7/pfx")->launcher,
              "Steam (Flatpak)");
}

TEST_F(GamePrefixes, PassesOverWhatLeadsNowhereAndListsTheMostRecentFirst)
{
    const fs::path h = home.path();
    makePrefix(h / "Games/old", true);
    makePrefix(h / "Games/new", true);
    fs::last_write_time(h / "Games/old/user.reg", fs::file_time_type::clock::now() - std::chrono::hours(48));
    fs::create_directory_symlink(h / "gone", h / "Games/broken-link");
    fs::create_directories(h / "Games/not-a-prefix/drive_c");
    writeFile(h / ".config/lutris/games/lost-1.yml", "game:\n  prefix: /nowhere/at/all\n");
    writeFile(h / ".config/lutris/games/empty-2.yml", "");
    writeFile(h / ".local/share/Steam/steamapps/libraryfolders.vdf", "\"path\" \"/no/such/library\"\n\"path\"\n");
    fs::create_directories(h / ".steam/steam/steamapps");
    fs::create_symlink(h / "gone.vdf", h / ".steam/steam/steamapps/libraryfolders.vdf");
    fs::create_directories(h / ".PlayOnLinux/wineprefix/empty");
    // The same prefix through a link is listed once.
    fs::create_directory_symlink(h / "Games/new", h / "Games/new-again");

    const std::vector<GamePrefix> all = findGamePrefixes(folders());
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0].folder.filename(), "new");
    EXPECT_EQ(all[1].folder.filename(), "old");
    EXPECT_TRUE(all[0].wine.empty());
}

TEST_F(GamePrefixes, AFolderThePlayerMayNotReadIsPassedOver)
{
    const fs::path h = home.path();
    makePrefix(h / "Games/open", true);
    makePrefix(h / "Games/locked", true);
    fs::permissions(h / "Games/locked", fs::perms::none);
    makePrefix(h / ".PlayOnLinux/wineprefix/unreadable-registry", true);
    fs::permissions(h / ".PlayOnLinux/wineprefix/unreadable-registry/user.reg", fs::perms::none);
    // Permissions do not hold for root: look as an ordinary user does.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::geteuid() == 0 && ::setuid(65534) != 0)
            ::_exit(2);
        const auto all = findGamePrefixes(folders());
        ::_exit(all.size() == 1 && all[0].folder == h / "Games/open" ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    fs::permissions(h / "Games/locked", fs::perms::owner_all);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

// Listing reads a prefix whose save was cut off as that save was to leave
// it, and changes no prefix.
TEST_F(GamePrefixes, ListingReadsACutOffSaveAsItWasToEndAndChangesNoPrefix)
{
    const fs::path wine = home.path() / ".wine";
    makePrefix(wine, true);
    fs::create_hard_link(wine / "user.reg", wine / "backup.reg");
    ASSERT_TRUE(test::killedSave(
        wine, [] { test::onNextFsync([] { ::raise(SIGKILL); }); },
        [](RegistryAccess& registry) {
            registry.openKey(std::string(schema::GameKey)).writeString("InstallPath", "C:\\Games\\Moved");
        }));
    const std::string before = test::readFile(wine / "user.reg");
    const auto modified = fs::last_write_time(wine / "user.reg");
    const std::vector<GamePrefix> all = everyGamePrefix(folders());
    ASSERT_EQ(all.size(), 1u);
    EXPECT_EQ(all[0].installPath, "C:\\Games\\Moved");
    EXPECT_EQ(test::readFile(wine / "user.reg"), before);
    EXPECT_EQ(fs::last_write_time(wine / "user.reg"), modified);
    EXPECT_TRUE(fs::exists(wine / "user.reg.orvane-journal"));
}

TEST(GameKeyScan, FindsTheKeyLineOnlyWhereWineWritesIt)
{
    test::TempPrefix folder;
    const fs::path file = folder.path() / "user.reg";
    const auto holds = [&](const std::string& content) {
        writeFile(file, content);
        return holdsGameKey(file);
    };
    EXPECT_TRUE(holds(Header + gameKey("C:\\\\W3")));
    EXPECT_TRUE(holds(Header + "[software\\\\BLIZZARD ENTERTAINMENT\\\\warcraft iii\\\\Gameplay] 1\n\n"));
    EXPECT_FALSE(holds(Header + "[Software\\\\Blizzard Entertainment\\\\Warcraft III Demo] 1\n\n"));
    EXPECT_FALSE(holds(Header + "[Software\\\\Blizzard Entertainment] 1\n\"x\"=\"[Software\\\\Blizzard Entertainment\\\\Warcraft III]\"\n"));
    EXPECT_FALSE(holdsGameKey(folder.path() / "missing.reg"));
    // A key line split between two pieces of the read.
    for (size_t before : {(1u << 20) - 10, (1u << 20) - 1, 1u << 20, (1u << 20) + 1}) {
        std::string content = Header + ";";
        content += std::string(before - content.size() - 1, 'x') + "\n";
        EXPECT_TRUE(holds(content + gameKey("C:\\\\W3"))) << before;
    }
}

class PrefixChoice : public GamePrefixes {
protected:
    test::MemoryToolkit toolkit;
    test::RecordingMessageBoxes boxes;
    std::unique_ptr<RegistryAccess> noRegistry;
    const Texts english{};
    Commands commands{boxes, noRegistry, english};
    std::optional<PrefixInUse> choose(const std::function<void()>& player, const char* variable = nullptr)
    {
        return choosePrefix(toolkit, player, commands, Texts(), prefixWithoutAsking(folders(), variable));
    }
};

TEST_F(PrefixChoice, WinePrefixWinsThenTheDefaultPrefixThenTheOneFound)
{
    const fs::path h = home.path();
    int loops = 0;
    const auto noPlayer = [&] { ++loops; };
    makePrefix(h / "Games/w3", true);
    EXPECT_EQ(choose(noPlayer, "/set/by/player")->folder, "/set/by/player");
    EXPECT_EQ(choose(noPlayer)->folder, h / "Games/w3");
    makePrefix(h / ".wine", true);
    EXPECT_EQ(choose(noPlayer)->folder, h / ".wine");
    EXPECT_EQ(loops, 0);
    EXPECT_TRUE(toolkit.realised.empty());
}

TEST_F(PrefixChoice, WithNoneFoundTheDefaultPrefixIsLeftToTheInstallationCheck)
{
    makePrefix(home.path() / ".wine", false);
    EXPECT_EQ(choose([] {})->folder, home.path() / ".wine");
}

TEST_F(PrefixChoice, SeveralAreOfferedBeforeTheMainWindowAndThePlayersPickIsUsed)
{
    const fs::path h = home.path();
    makePrefix(h / "Games/one", true, "C:\\\\One");
    makePrefix(h / ".PlayOnLinux/wineprefix/two", true);
    fs::last_write_time(h / "Games/one/user.reg", fs::file_time_type::clock::now() - std::chrono::hours(1));
    writeFile(h / ".PlayOnLinux/wineprefix/two/playonlinux.cfg", "VERSION=5.0\n");
    makeWine(h / ".PlayOnLinux/wine/linux-x86/5.0/bin/wine");

    std::vector<std::string> offered;
    const auto pickSecond = [&] {
        Window& window = *toolkit.realised.back();
        EXPECT_TRUE(window.visible());
        offered = window.list("PrefixList").items();
        EXPECT_EQ(window.list("PrefixList").selected(), 0);
        window.list("PrefixList").userHighlight(1);
        window.button("PrefixOK").userClick();
        // Qt asks the windows still shown whether the program may end: by
        // then the chooser is hidden and its choice made.
        EXPECT_FALSE(window.visible());
        window.userClose();
    };
    const auto chosen = choose(pickSecond);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->folder, h / "Games/one");
    ASSERT_EQ(offered.size(), 2u);
    EXPECT_TRUE(offered[0].starts_with("PlayOnLinux: two \u2014 " + (h / ".PlayOnLinux/wineprefix/two").string()))
        << offered[0];
    EXPECT_NE(offered[1].find("\u2014 C:\\One \u2014 last used 20"), std::string::npos) << offered[1];
    EXPECT_EQ(toolkit.quitRequests, 1);
    EXPECT_FALSE(toolkit.realised.back()->visible());

    // A double click chooses too, and the prefix's own Wine comes with it.
    const auto doubleClickFirst = [&] { toolkit.realised.back()->list("PrefixList").userOpen(0); };
    EXPECT_EQ(choose(doubleClickFirst)->wine, h / ".PlayOnLinux/wine/linux-x86/5.0/bin/wine");
}

TEST_F(PrefixChoice, CancellingTheChoiceEndsTheProgram)
{
    makePrefix(home.path() / "Games/one", true);
    makePrefix(home.path() / "Games/two", true);
    EXPECT_FALSE(choose([&] { toolkit.realised.back()->button("PrefixCancel").userClick(); }));
    EXPECT_FALSE(choose([&] { toolkit.realised.back()->userClose(); }));
    EXPECT_EQ(toolkit.quitRequests, 2);
}

} // namespace
} // namespace orvane
