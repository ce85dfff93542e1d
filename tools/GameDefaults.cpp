#include "tools/GameDefaults.h"

#include "settings/Schema.h"

#include <filesystem>
#include <fstream>
#include <map>
#include <variant>

namespace orvane {
namespace {

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

const std::map<std::string_view, std::string_view> FolderNames{
    {"DelOpt0", "save"}, {"DelOpt1", "replay"}, {"DelOpt2", "Logs"}, {"DelOpt3", "Errors"}};

void writeFile(const std::filesystem::path& file, const std::string& content)
{
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << content;
}

} // namespace

void writeGameDefaults(RegistryAccess& registry, const std::string& gameFolder)
{
    registry.OpenKey(schema::GameKey, true);
    registry.WriteString(schema::InstallPath, gameFolder);
    registry.WriteString(schema::Program, gameFolder + "\\Warcraft III.exe");
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
            registry.WriteString(schema::folderValueName(i), gameFolder + "\\" + std::string(FolderNames.at(keyName)));
    }
    registry.CloseKey();
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
