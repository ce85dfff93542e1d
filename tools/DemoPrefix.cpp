#include "tools/DemoPrefix.h"

#include "settings/RegistryAccess.h"
#include "settings/Schema.h"
#include "settings/WinePrefixStore.h"

#include <filesystem>
#include <fstream>
#include <map>
#include <variant>

namespace orvane {

namespace fs = std::filesystem;

namespace {

constexpr const char* GameFolder = "C:\\Program Files\\Warcraft III";

const std::map<std::string_view, int32_t> IntegerDefaults{
    {"keyscroll", 50},   {"mousescroll", 50}, {"mousescrolldisable", 0}, {"netgameport", 6112},
    {"tooltips", 1},     {"animquality", 1},  {"colordepth", 16},        {"gamma", 25},
    {"lights", 1},       {"miplevel", 0},     {"modeldetail", 0},        {"occlusion", 1},
    {"particles", 1},    {"refreshrate", 60}, {"resheight", 600},        {"reswidth", 800},
    {"texcolordepth", 16}, {"texquality", 1}, {"unitshadows", 1},        {"ambient", 1},
    {"environmental", 1}, {"movement", 1},    {"music", 1},              {"musicvolume", 80},
    {"nomidi", 0},       {"nosoundwarn", 0},  {"positional", 1},         {"provider", 1},
    {"sfx", 1},          {"sfxvolume", 100},  {"softwaremidi", 0},       {"subtitles", 0},
    {"unit", 1},         {"seenintromovie", 1},
};

const std::map<std::string_view, std::string> TextDefaults{
    {"campaignprofile", "Player"},
    {"userbnet", ""},
    {"userlocal", "Player"},
};

const std::map<std::string_view, std::string> FolderDefaults{
    {"DelOpt0", std::string(GameFolder) + "\\save"},
    {"DelOpt1", std::string(GameFolder) + "\\replay"},
    {"DelOpt2", std::string(GameFolder) + "\\Logs"},
    {"DelOpt3", std::string(GameFolder) + "\\Errors"},
};

void writeFile(const fs::path& file, const std::string& content)
{
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << content;
}

void writeRegistry(const fs::path& prefix)
{
    RegistryAccess registry(std::make_unique<WinePrefixStore>(prefix));
    RegistryCommand command(registry);
    registry.OpenKey(schema::GameKey, true);
    registry.WriteString(schema::InstallPath, GameFolder);
    registry.WriteString(schema::Program, std::string(GameFolder) + "\\Warcraft III.exe");
    for (const schema::SettingsKey& key : schema::SettingsKeys) {
        registry.OpenKey(key.path, true);
        for (const schema::SettingValue& value : key.values) {
            if (std::holds_alternative<schema::IntegerField>(value.field))
                registry.WriteInteger(value.name, IntegerDefaults.at(value.name));
            else
                registry.WriteString(value.name, TextDefaults.at(value.name));
        }
    }
    for (const schema::FolderKey& key : schema::FolderKeys) {
        registry.OpenKey(key.path, true);
        const std::string_view keyName = key.path.substr(key.path.rfind('\\') + 1);
        for (int i = 0; i < key.copies; ++i)
            registry.WriteString(schema::folderValueName(i), FolderDefaults.at(keyName));
    }
    registry.CloseKey();
    command.finish();
}

} // namespace

void createDemoPrefix(const fs::path& prefix)
{
    fs::create_directories(prefix / "dosdevices");
    fs::create_directories(prefix / "drive_c");
    if (!fs::is_symlink(prefix / "dosdevices" / "c:"))
        fs::create_directory_symlink("../drive_c", prefix / "dosdevices" / "c:");
    if (!fs::is_symlink(prefix / "dosdevices" / "z:"))
        fs::create_directory_symlink("/", prefix / "dosdevices" / "z:");
    const fs::path game = prefix / "drive_c" / "Program Files" / "Warcraft III";
    writeFile(game / "war3.mpq", "placeholder for the game's data archive\n");
    for (const char* folder : {"replay", "Logs", "Errors"})
        fs::create_directories(game / folder);
    writeFile(game / "save" / "Profile0" / "Campaigns.w3p", "[Campaign]\nPlayerName=Player\n");
    writeFile(game / "save" / "Profile1" / "Campaigns.w3p", "[Campaign]\nPlayerName=Grunt\n");
    writeRegistry(prefix);
}

} // namespace orvane

