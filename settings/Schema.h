#pragma once
// Every key and value that Orvane reads, writes, creates or deletes, as data
// that loading, applying and configuration files walk in the same order.
#include "settings/SettingsSnapshot.h"

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace orvane::schema {

inline constexpr std::string_view GameKey = "Software\\Blizzard Entertainment\\Warcraft III";
inline constexpr std::string_view GameplayKey = "Software\\Blizzard Entertainment\\Warcraft III\\Gameplay";
inline constexpr std::string_view VideoKey = "Software\\Blizzard Entertainment\\Warcraft III\\Video";
inline constexpr std::string_view SoundKey = "Software\\Blizzard Entertainment\\Warcraft III\\Sound";
inline constexpr std::string_view MiscKey = "Software\\Blizzard Entertainment\\Warcraft III\\Misc";
inline constexpr std::string_view StringKey = "Software\\Blizzard Entertainment\\Warcraft III\\String";
inline constexpr std::string_view OrvaneKey = "Software\\Orvane";
inline constexpr std::string_view BnetUsersKey = "Software\\Orvane\\BnetUsers";

// Values of the game key itself.
inline constexpr std::string_view InstallPath = "InstallPath";          // REG_SZ, read at start, never written
inline constexpr std::string_view Program = "Program";                  // REG_SZ, read by FormCreate, never written
inline constexpr std::string_view AllowLocalFiles = "Allow Local Files"; // REG_DWORD, Orvane's own creation

// Values of Orvane's key.
inline constexpr std::string_view AutoApply = "autoapply";     // REG_DWORD 0/1
inline constexpr std::string_view OpenGL = "opengl";           // REG_DWORD 0/1
inline constexpr std::string_view StartParams = "startparams"; // REG_SZ

// Account names below BnetUsersKey: "BnetName0", "BnetName1", ...
inline constexpr std::string_view BnetValuePrefix = "BnetName";

using IntegerField = int32_t SettingsSnapshot::*;
using TextField = std::string SettingsSnapshot::*;
using BoolField = bool SettingsSnapshot::*;
// Any field of the record, to name it.
using Field = std::variant<IntegerField, TextField, BoolField>;

// A value of the game's settings keys: REG_DWORD for an integer field,
// REG_SZ for a text field.
struct SettingValue {
    std::string_view name;
    std::variant<IntegerField, TextField> field;
    bool readByLoad = true;
};

struct SettingsKey {
    std::string_view path;
    std::span<const SettingValue> values;
};

inline Field fieldOf(const SettingValue& value)
{
    return std::visit([](auto field) { return Field{field}; }, value.field);
}

inline constexpr std::array<SettingValue, 5> GameplayValues{{
    {"keyscroll", &SettingsSnapshot::keyscroll},
    {"mousescroll", &SettingsSnapshot::mousescroll},
    {"mousescrolldisable", &SettingsSnapshot::mousescrolldisable},
    {"netgameport", &SettingsSnapshot::netgameport},
    {"tooltips", &SettingsSnapshot::tooltips},
}};

inline constexpr std::array<SettingValue, 14> VideoValues{{
    {"animquality", &SettingsSnapshot::animquality},
    {"colordepth", &SettingsSnapshot::colordepth},
    {"gamma", &SettingsSnapshot::gamma},
    {"lights", &SettingsSnapshot::lights},
    {"miplevel", &SettingsSnapshot::miplevel},
    {"modeldetail", &SettingsSnapshot::modeldetail},
    {"occlusion", &SettingsSnapshot::occlusion},
    {"particles", &SettingsSnapshot::particles},
    {"refreshrate", &SettingsSnapshot::refreshrate},
    {"resheight", &SettingsSnapshot::resheight},
    {"reswidth", &SettingsSnapshot::reswidth},
    {"texcolordepth", &SettingsSnapshot::texcolordepth},
    {"texquality", &SettingsSnapshot::texquality},
    {"unitshadows", &SettingsSnapshot::unitshadows},
}};

inline constexpr std::array<SettingValue, 14> SoundValues{{
    {"ambient", &SettingsSnapshot::ambient},
    {"environmental", &SettingsSnapshot::environmental},
    {"movement", &SettingsSnapshot::movement},
    {"music", &SettingsSnapshot::music},
    {"musicvolume", &SettingsSnapshot::musicvolume},
    {"nomidi", &SettingsSnapshot::nomidi},
    // No control shows it; it is written as the record holds it.
    {"nosoundwarn", &SettingsSnapshot::nosoundwarn, false},
    {"positional", &SettingsSnapshot::positional},
    {"provider", &SettingsSnapshot::provider},
    {"sfx", &SettingsSnapshot::sfx},
    {"sfxvolume", &SettingsSnapshot::sfxvolume},
    {"softwaremidi", &SettingsSnapshot::softwaremidi},
    {"subtitles", &SettingsSnapshot::subtitles},
    {"unit", &SettingsSnapshot::unit},
}};

inline constexpr std::array<SettingValue, 2> MiscValues{{
    {"campaignprofile", &SettingsSnapshot::campaignprofile},
    {"seenintromovie", &SettingsSnapshot::seenintromovie},
}};

inline constexpr std::array<SettingValue, 2> StringValues{{
    {"userbnet", &SettingsSnapshot::userbnet},
    {"userlocal", &SettingsSnapshot::userlocal},
}};

inline constexpr std::array<SettingsKey, 5> SettingsKeys{{
    {GameplayKey, GameplayValues},
    {VideoKey, VideoValues},
    {SoundKey, SoundValues},
    {MiscKey, MiscValues},
    {StringKey, StringValues},
}};

inline constexpr const SettingsKey& GameplaySettings = SettingsKeys[0];
inline constexpr const SettingsKey& VideoSettings = SettingsKeys[1];
inline constexpr const SettingsKey& SoundSettings = SettingsKeys[2];
inline constexpr const SettingsKey& MiscSettings = SettingsKeys[3];
inline constexpr const SettingsKey& StringSettings = SettingsKeys[4];

// The order in which a load reads the settings keys.
inline constexpr std::array<const SettingsKey*, 5> LoadOrder{&GameplaySettings, &MiscSettings, &SoundSettings,
                                                              &StringSettings, &VideoSettings};

// A folder key: the load reads "Path0", the writers store the same text
// into "Path0" .. "Path<copies-1>".
struct FolderKey {
    std::string_view path;
    TextField field;
    int copies;
};

inline constexpr std::array<FolderKey, 4> FolderKeys{{
    {"Software\\Blizzard Entertainment\\Warcraft III\\DelOpt0", &SettingsSnapshot::savpath, 3},
    {"Software\\Blizzard Entertainment\\Warcraft III\\DelOpt1", &SettingsSnapshot::reppath, 1},
    {"Software\\Blizzard Entertainment\\Warcraft III\\DelOpt2", &SettingsSnapshot::logpath, 4},
    {"Software\\Blizzard Entertainment\\Warcraft III\\DelOpt3", &SettingsSnapshot::errpath, 1},
}};

inline std::string folderValueName(int index)
{
    return "Path" + std::to_string(index);
}

} // namespace orvane::schema
