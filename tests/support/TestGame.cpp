#include "tests/support/TestGame.h"

#include "registry/RegistryErrors.h"
#include "settings/Schema.h"
#include "tools/GameDefaults.h"

#ifdef _WIN32
#include "registry/WindowsRegistryStore.h"
#include <windows.h>
#else
#include "wine/WinePrefixStore.h"
#include "tools/DemoPrefix.h"
#include <stdlib.h>
#endif

#include <random>
#include <stdexcept>

namespace orvane::test {
namespace fs = std::filesystem;

namespace {

fs::path makeTemporaryFolder()
{
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path folder = fs::temp_directory_path() / ("orvane-test-" + std::to_string(random()));
        if (fs::create_directory(folder))
            return folder;
    }
    throw std::runtime_error("cannot create a temporary folder");
}

#ifdef _WIN32
void removeGameAndOrvaneKeys(RegistryAccess& registry)
{
    registry.deleteKey(std::string(schema::GameKey));
    registry.deleteKey(std::string(schema::OrvaneKey));
}
#endif

} // namespace

#ifdef _WIN32

TestGame::TestGame() : root_(makeTemporaryFolder()), gameFolder_(root_ / "Warcraft III")
{
    installPath_ = gameFolder_.string();
    writeGameFolder(gameFolder_);
    edit([this](RegistryAccess& registry) {
        removeGameAndOrvaneKeys(registry);
        writeGameDefaults(registry, installPath_);
    });
}

TestGame::~TestGame()
{
    try {
        edit(removeGameAndOrvaneKeys);
    } catch (...) {
    }
    std::error_code ignored;
    fs::remove_all(root_, ignored);
}

std::unique_ptr<RegistryAccess> TestGame::registry() const
{
    return std::make_unique<RegistryAccess>(std::make_unique<WindowsRegistryStore>());
}

SettingsPlace TestGame::place() const
{
    return {.openStore = [] { return std::make_unique<WindowsRegistryStore>(); }};
}

std::string TestGame::siblingInstallPath(const std::string& folderName) const
{
    return (root_ / folderName).string();
}

#else

TestGame::TestGame()
    : root_(makeTemporaryFolder()), gameFolder_(root_ / "drive_c" / "Program Files" / "Warcraft III"),
      installPath_("C:\\Program Files\\Warcraft III")
{
    createDemoPrefix(root_);
}

TestGame::~TestGame()
{
    std::error_code ignored;
    fs::permissions(root_, fs::perms(0755), ignored);
    fs::remove_all(root_, ignored);
}

std::unique_ptr<RegistryAccess> TestGame::registry() const
{
    return std::make_unique<RegistryAccess>(std::make_unique<WinePrefixStore>(root_));
}

SettingsPlace TestGame::place() const
{
    return {.openStore = [root = root_] { return std::make_unique<WinePrefixStore>(root); },
            .paths = PathMapping(root_),
            .winePrefix = {}};
}

std::string TestGame::siblingInstallPath(const std::string& folderName) const
{
    return "C:\\Program Files\\" + folderName;
}

#endif

fs::path TestGame::scratch() const
{
    const fs::path folder = root_ / "player files";
    fs::create_directories(folder);
    return folder;
}

fs::path TestGame::moveGameTo(const std::string& folderName) const
{
    const fs::path moved = gameFolder_.parent_path() / folderName;
    fs::rename(gameFolder_, moved);
    return moved;
}

void TestGame::setInteger(std::string_view key, std::string_view name, int32_t value) const
{
    edit([&](RegistryAccess& registry) {
        registry.createKey(key).writeInteger(name, value);
    });
}

std::string TestGame::contents() const
{
    auto access = registry();
    std::string text;
    std::vector<std::string_view> keys = schema::settingsKeys();
    keys.push_back(schema::BnetUsersKey);
    for (std::string_view key : keys) {
        text.append("[").append(key).append("]\n");
        const RegistryKey opened = access->openKey(key);
        if (!opened)
            continue;
        std::vector<std::string> names = opened.valueNames();
        for (const std::string& name : names) {
            std::string value;
            try {
                value = std::to_string(opened.readInteger(name));
            } catch (const RegistryError&) {
                value = '"' + opened.readString(name) + '"';
            }
            text += name + "=" + value + "\n";
        }
    }
    return text;
}

} // namespace orvane::test
