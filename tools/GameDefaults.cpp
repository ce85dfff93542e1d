#include "tools/GameDefaults.h"

#include "settings/Schema.h"
#include "settings/SettingsRegistry.h"

#include <filesystem>
#include <fstream>
#include <variant>

namespace orvane {
namespace {

// The game keeps its folders in the DelOpt keys, below its own at first.
bool isFolder(const schema::StoredValue& value)
{
    return value.key.substr(value.key.rfind('\\') + 1).starts_with("DelOpt");
}

void writeFile(const std::filesystem::path& file, const std::string& content)
{
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << content;
}

} // namespace

void writeGameDefaults(RegistryAccess& registry, const std::string& gameFolder)
{
    RegistryKey game = registry.createKey(schema::GameKey);
    game.writeString(schema::InstallPath, gameFolder);
    game.writeString(schema::Program, gameFolder + "\\Warcraft III.exe");
    for (const schema::StoredValue& value : schema::storedValues()) {
        // Orvane's own values are made by Orvane's first load.
        if (value.createdWhenMissing || !value.key.starts_with(schema::GameKey))
            continue;
        RegistryKey key = registry.createKey(value.key);
        if (isFolder(value)) {
            const std::string folder = gameFolder + "\\" + std::string(std::get<std::string_view>(value.initial));
            for (const std::string& name : schema::writtenNames(value))
                key.writeString(name, folder);
        } else {
            writeInitial(key, value);
        }
    }
}
void writeGameFolder(const std::filesystem::path& game)
{
    writeFile(game / "war3.mpq", "placeholder for the game's data archive\n");
    for (const char* folder : {"replay", "Logs", "Errors"})
        std::filesystem::create_directories(game / folder);
    writeFile(game / "save" / "Profile1" / "Campaigns.w3p", "[Campaign]\r\nPlayerName=Player\r\n\r\n");
    writeFile(game / "save" / "Profile2" / "Campaigns.w3p", "[Campaign]\r\nPlayerName=Grunt\r\n\r\n");
}

} // namespace orvane
