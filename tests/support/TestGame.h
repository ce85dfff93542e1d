#pragma once
// The game installed for one test, on the registry this build edits: a Wine
// prefix of its own on Linux, the registry of the test's Windows session on
// Windows. Every setting at its default.
#include "context/Context.h"
#include "registry/RegistryAccess.h"

#include <filesystem>
#include <memory>
#include <string>

namespace orvane::test {

class TestGame {
public:
    TestGame();
    ~TestGame();
    TestGame(const TestGame&) = delete;
    TestGame& operator=(const TestGame&) = delete;

    // The registry as a second start of Orvane would see it.
    std::unique_ptr<RegistryAccess> registry() const;
    // Where Orvane finds this game's settings.
    SettingsPlace place() const;
    // Changes values as the game would, in one write.
    template <class Change>
    void edit(Change change) const;
    void setInteger(std::string_view key, std::string_view name, int32_t value) const;

    std::filesystem::path gameFolder() const { return gameFolder_; }
    // The game's folder as "InstallPath" names it.
    const std::string& installPath() const { return installPath_; }
    // Moves the game to a sibling folder of that name; "InstallPath" keeps the old one.
    std::filesystem::path moveGameTo(const std::string& folderName) const;
    // The Windows path of a sibling folder of the game's.
    std::string siblingInstallPath(const std::string& folderName) const;
    // A folder of the test's own for the player's files.
    std::filesystem::path scratch() const;
    // Every key and value of the game and of Orvane, for checks that nothing changed.
    std::string contents() const;

#ifndef _WIN32
    const std::filesystem::path& prefix() const { return root_; }
#endif

private:
    std::filesystem::path root_;
    std::filesystem::path gameFolder_;
    std::string installPath_;
};

template <class Change>
void TestGame::edit(Change change) const
{
    auto access = registry();
    RegistryCommand command(*access);
    change(*access);
    command.finish();
}

} // namespace orvane::test
