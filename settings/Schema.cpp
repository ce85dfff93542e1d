#include "settings/Schema.h"

#include <algorithm>
#include <stdexcept>

namespace orvane::schema {
namespace {

using S = SettingsSnapshot;
constexpr ApplyGroup Gameplay = ApplyGroup::Gameplay;
constexpr ApplyGroup Video = ApplyGroup::Video;
constexpr ApplyGroup Sound = ApplyGroup::Sound;
constexpr ApplyGroup Misc = ApplyGroup::Misc;

// clang-format off
constexpr auto Table = std::to_array<StoredValue>({
    {.key = GameplayKey, .name = "keyscroll", .field = &S::keyscroll, .group = Gameplay, .initial = 50},
    {.key = GameplayKey, .name = "mousescroll", .field = &S::mousescroll, .group = Gameplay, .initial = 50},
    {.key = GameplayKey, .name = "mousescrolldisable", .field = &S::mousescrolldisable, .group = Gameplay, .initial = 0},
    {.key = GameplayKey, .name = "netgameport", .field = &S::netgameport, .group = Gameplay, .initial = DefaultPort},
    {.key = GameplayKey, .name = "tooltips", .field = &S::tooltips, .group = Gameplay, .initial = 1},

    {.key = VideoKey, .name = "animquality", .field = &S::animquality, .group = Video, .initial = 1},
    {.key = VideoKey, .name = "colordepth", .field = &S::colordepth, .group = Video, .initial = 16},
    {.key = VideoKey, .name = "gamma", .field = &S::gamma, .group = Video, .initial = 25},
    {.key = VideoKey, .name = "lights", .field = &S::lights, .group = Video, .initial = 1},
    {.key = VideoKey, .name = "miplevel", .field = &S::miplevel, .group = Video, .initial = 0},
    {.key = VideoKey, .name = "modeldetail", .field = &S::modeldetail, .group = Video, .initial = 0},
    {.key = VideoKey, .name = "occlusion", .field = &S::occlusion, .group = Video, .initial = 1},
    {.key = VideoKey, .name = "particles", .field = &S::particles, .group = Video, .initial = 1},
    {.key = VideoKey, .name = "refreshrate", .field = &S::refreshrate, .group = Video, .initial = 60},
    {.key = VideoKey, .name = "resheight", .field = &S::resheight, .group = Video, .initial = 600},
    {.key = VideoKey, .name = "reswidth", .field = &S::reswidth, .group = Video, .initial = 800},
    {.key = VideoKey, .name = "texcolordepth", .field = &S::texcolordepth, .group = Video, .initial = 16},
    {.key = VideoKey, .name = "texquality", .field = &S::texquality, .group = Video, .initial = 1},
    {.key = VideoKey, .name = "unitshadows", .field = &S::unitshadows, .group = Video, .initial = 1},
    {.key = OrvaneKey, .name = "autoapply", .field = &S::autoapply, .initial = false, .createdWhenMissing = true,
     .inFile = false},
    {.key = OrvaneKey, .name = "opengl", .field = &S::opengl, .group = Video, .initial = false,
     .createdWhenMissing = true, .fileSection = "Video"},

    {.key = SoundKey, .name = "ambient", .field = &S::ambient, .group = Sound, .initial = 1},
    {.key = SoundKey, .name = "environmental", .field = &S::environmental, .group = Sound, .initial = 1},
    {.key = SoundKey, .name = "movement", .field = &S::movement, .group = Sound, .initial = 1},
    {.key = SoundKey, .name = "music", .field = &S::music, .group = Sound, .initial = 1},
    {.key = SoundKey, .name = "musicvolume", .field = &S::musicvolume, .group = Sound, .initial = 80},
    {.key = SoundKey, .name = "nomidi", .field = &S::nomidi, .group = Sound, .initial = 0},
    // No control shows it: the record keeps what a configuration file gave.
    {.key = SoundKey, .name = "nosoundwarn", .field = &S::nosoundwarn, .group = Sound, .initial = 0, .loaded = false},
    {.key = SoundKey, .name = "positional", .field = &S::positional, .group = Sound, .initial = 1},
    {.key = SoundKey, .name = "provider", .field = &S::provider, .group = Sound, .initial = 1},
    {.key = SoundKey, .name = "sfx", .field = &S::sfx, .group = Sound, .initial = 1},
    {.key = SoundKey, .name = "sfxvolume", .field = &S::sfxvolume, .group = Sound, .initial = 100},
    {.key = SoundKey, .name = "softwaremidi", .field = &S::softwaremidi, .group = Sound, .initial = 0},
    {.key = SoundKey, .name = "subtitles", .field = &S::subtitles, .group = Sound, .initial = 0},
    {.key = SoundKey, .name = "unit", .field = &S::unit, .group = Sound, .initial = 1, .fileKey = "units"},

    {.key = SavegamesKey, .name = "Path0", .field = &S::savpath, .group = Misc, .initial = "save", .copies = 3,
     .fileKey = "savpath"},
    {.key = ReplaysKey, .name = "Path0", .field = &S::reppath, .group = Misc, .initial = "replay", .fileKey = "reppath"},
    {.key = LogsKey, .name = "Path0", .field = &S::logpath, .group = Misc, .initial = "Logs", .copies = 4,
     .fileKey = "logpath"},
    {.key = ErrorReportsKey, .name = "Path0", .field = &S::errpath, .group = Misc, .initial = "Errors",
     .fileKey = "errpath"},
    {.key = MiscKey, .name = "campaignprofile", .field = &S::campaignprofile, .group = Misc, .initial = "Player"},
    {.key = MiscKey, .name = "seenintromovie", .field = &S::seenintromovie, .group = Misc, .initial = 1},
    {.key = StringKey, .name = "userbnet", .field = &S::userbnet, .group = Misc, .initial = ""},
    {.key = StringKey, .name = "userlocal", .field = &S::userlocal, .group = Misc, .initial = "Player"},
    {.key = GameKey, .name = AllowLocalFiles, .field = &S::AllowLocalFiles, .group = Misc, .initial = 0,
     .createdWhenMissing = true, .fileSection = "Misc"},

    {.key = OrvaneKey, .name = "startparams", .field = &S::startparams, .initial = "", .createdWhenMissing = true,
     .fileSection = "Misc"},
});
// clang-format on

} // namespace

std::span<const StoredValue> storedValues()
{
    return Table;
}

const StoredValue& rowOf(const Field& field)
{
    const auto found =
        std::find_if(Table.begin(), Table.end(), [&field](const StoredValue& row) { return row.field == field; });
    if (found == Table.end())
        throw std::logic_error("a field of the record has no row in the schema");
    return *found;
}

void copyField(SettingsSnapshot& to, const SettingsSnapshot& from, const Field& field)
{
    std::visit([&](auto member) { to.*member = from.*member; }, field);
}

std::vector<std::string> writtenNames(const StoredValue& value)
{
    std::vector<std::string> names{std::string(value.name)};
    const std::string_view stem = value.name.substr(0, value.name.size() - 1);
    for (int copy = 1; copy < value.copies; ++copy)
        names.push_back(std::string(stem) + std::to_string(copy));
    return names;
}

std::optional<FileKey> fileKeyOf(const StoredValue& value)
{
    if (!value.inFile)
        return std::nullopt;
    const std::string_view section =
        value.fileSection.empty() ? value.key.substr(value.key.rfind('\\') + 1) : value.fileSection;
    return FileKey{section, value.fileKey.empty() ? value.name : value.fileKey};
}

std::vector<std::string_view> settingsKeys()
{
    std::vector<std::string_view> keys;
    for (const StoredValue& row : Table)
        if (std::find(keys.begin(), keys.end(), row.key) == keys.end())
            keys.push_back(row.key);
    return keys;
}

} // namespace orvane::schema
