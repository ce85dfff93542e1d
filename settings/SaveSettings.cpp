#include "settings/SaveSettings.h"

#include "settings/Conversions.h"
#include "settings/Schema.h"
#include "settings/SettingsRegistry.h"

namespace orvane {
namespace {

constexpr std::string_view PortValue = "netgameport";

bool runs(std::string_view group, std::string_view block)
{
    return group == block || group == "all";
}

// Writes the key's values in the schema's order, but for one left out.
void writeKey(RegistryAccess& registry, const schema::SettingsKey& key, const SettingsSnapshot& record,
              std::string_view except = {})
{
    registry.OpenKey(key.path, false);
    for (const schema::SettingValue& value : key.values)
        if (value.name != except)
            writeSetting(registry, value, record);
    registry.CloseKey();
}

void saveGameplay(RegistryAccess& registry, const SettingsSnapshot& record, std::string_view portText,
                  MessageBoxes& boxes)
{
    const schema::SettingsKey& gameplay = schema::GameplaySettings;
    writeKey(registry, gameplay, record, PortValue);
    const int32_t port = StrToInt(portText);
    if (port < LowestPort || port > HighestPort) {
        boxes.show({"Fatal Error",
                    "Gameport must be a value between 1024 and 49151! Change this and press \"Apply Settings\" again!",
                    MessageIcon::Information, MessageButtons::Ok});
        return;
    }
    registry.OpenKey(gameplay.path, false);
    registry.WriteInteger(PortValue, record.netgameport);
    registry.CloseKey();
}

void saveMisc(RegistryAccess& registry, const SettingsSnapshot& record)
{
    for (const schema::FolderKey& folder : schema::FolderKeys) {
        registry.OpenKey(folder.path, false);
        for (int i = 0; i < folder.copies; ++i)
            registry.WriteString(schema::folderValueName(i), record.*folder.field);
        registry.CloseKey();
    }
    writeKey(registry, schema::MiscSettings, record);
    writeKey(registry, schema::StringSettings, record);
    registry.OpenKey(std::string(schema::GameKey) + "\\", false);
    registry.WriteInteger(schema::AllowLocalFiles, record.AllowLocalFiles);
    registry.CloseKey();
}

} // namespace

void SaveSettings(RegistryAccess& registry, const SettingsSnapshot& record, std::string_view group,
                  std::string_view portText, MessageBoxes& boxes)
{
    if (runs(group, "gas"))
        saveGameplay(registry, record, portText, boxes);
    if (runs(group, "vas")) {
        writeKey(registry, schema::VideoSettings, record);
        registry.OpenKey(schema::OrvaneKey, false);
        registry.WriteBool(schema::OpenGL, record.opengl);
        registry.CloseKey();
    }
    if (runs(group, "sas"))
        writeKey(registry, schema::SoundSettings, record);
    if (runs(group, "mas"))
        saveMisc(registry, record);
}

} // namespace orvane
