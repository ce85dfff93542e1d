#include "settings/ApplySettings.h"

#include "settings/Conversions.h"
#include "settings/SettingsRegistry.h"

#include <algorithm>

namespace orvane {
namespace {

constexpr std::string_view PortValue = "netgameport";

// Writes the key's selected values in the schema's order, but for one left out.
void writeKey(RegistryAccess& registry, const schema::SettingsKey& key, const SettingsSnapshot& record,
              const FieldSelection& selected, std::string_view except = {})
{
    const auto written = [&](const schema::SettingValue& value) {
        return value.name != except && selected(schema::fieldOf(value));
    };
    if (std::none_of(key.values.begin(), key.values.end(), written))
        return;
    registry.OpenKey(key.path, false);
    for (const schema::SettingValue& value : key.values)
        if (written(value))
            writeSetting(registry, value, record);
    registry.CloseKey();
}

// Gameplay without the port, then the port when the game accepts it.
bool writeGameplay(RegistryAccess& registry, const SettingsSnapshot& record, const FieldSelection& selected,
                   std::optional<std::string_view> portText)
{
    if (!portText) {
        writeKey(registry, schema::GameplaySettings, record, selected);
        return true;
    }
    writeKey(registry, schema::GameplaySettings, record, selected, PortValue);
    if (!selected(&SettingsSnapshot::netgameport))
        return true;
    const int32_t port = StrToInt(*portText);
    if (port < LowestPort || port > HighestPort)
        return false;
    registry.OpenKey(schema::GameplayKey, false);
    registry.WriteInteger(PortValue, record.netgameport);
    registry.CloseKey();
    return true;
}

void writeFolders(RegistryAccess& registry, const SettingsSnapshot& record, const FieldSelection& selected)
{
    for (const schema::FolderKey& folder : schema::FolderKeys) {
        if (!selected(folder.field))
            continue;
        registry.OpenKey(folder.path, false);
        for (int i = 0; i < folder.copies; ++i)
            registry.WriteString(schema::folderValueName(i), record.*folder.field);
        registry.CloseKey();
    }
}

} // namespace

ApplyOutcome applySettings(RegistryAccess& registry, const SettingsSnapshot& record, const FieldSelection& selected,
                           std::optional<std::string_view> portText)
{
    ApplyOutcome outcome;
    outcome.portRefused = !writeGameplay(registry, record, selected, portText);
    writeKey(registry, schema::VideoSettings, record, selected);
    if (selected(&SettingsSnapshot::opengl)) {
        registry.OpenKey(schema::OrvaneKey, false);
        registry.WriteBool(schema::OpenGL, record.opengl);
        registry.CloseKey();
    }
    writeKey(registry, schema::SoundSettings, record, selected);
    writeFolders(registry, record, selected);
    writeKey(registry, schema::MiscSettings, record, selected);
    writeKey(registry, schema::StringSettings, record, selected);
    if (selected(&SettingsSnapshot::AllowLocalFiles)) {
        registry.OpenKey(std::string(schema::GameKey) + "\\", false);
        registry.WriteInteger(schema::AllowLocalFiles, record.AllowLocalFiles);
        registry.CloseKey();
    }
    return outcome;
}

} // namespace orvane
