#include "settings/LoadSettings.h"

#include "settings/Schema.h"
#include "settings/SettingsRegistry.h"

namespace orvane {
namespace {

void createOwnKeys(RegistryAccess& registry)
{
    for (std::string_view key : {schema::OrvaneKey, schema::BnetUsersKey}) {
        if (!registry.KeyExists(key)) {
            registry.OpenKey(key, true);
            registry.CloseKey();
        }
    }
}

void readOwnValues(RegistryAccess& registry, SettingsSnapshot& record, std::string& startParams)
{
    registry.OpenKey(schema::OrvaneKey, false);
    if (!registry.ValueExists(schema::AutoApply))
        registry.WriteBool(schema::AutoApply, false);
    if (!registry.ValueExists(schema::OpenGL))
        registry.WriteBool(schema::OpenGL, false);
    if (!registry.ValueExists(schema::StartParams))
        registry.WriteString(schema::StartParams, "");
    record.autoapply = registry.ReadBool(schema::AutoApply);
    record.opengl = registry.ReadBool(schema::OpenGL);
    startParams = registry.ReadString(schema::StartParams);
    registry.CloseKey();
}

void readGameValues(RegistryAccess& registry, SettingsSnapshot& record)
{
    registry.OpenKey(std::string(schema::GameKey) + "\\", false);
    record.AllowLocalFiles = registry.ReadInteger(schema::AllowLocalFiles);
    registry.CloseKey();
    for (const schema::FolderKey& folder : schema::FolderKeys) {
        registry.OpenKey(folder.path, false);
        record.*folder.field = registry.ReadString(schema::folderValueName(0));
        registry.CloseKey();
    }
    for (const schema::SettingsKey* key : schema::LoadOrder) {
        registry.OpenKey(key->path, false);
        for (const schema::SettingValue& value : key->values)
            if (value.readByLoad)
                readSetting(registry, value, record);
        registry.CloseKey();
    }
}

} // namespace

void LoadRegData(RegistryAccess& registry, SettingsSnapshot& record, std::string& startParams, LoadSteps& window)
{
    window.showNoConfigurationLoaded();
    registry.OpenKey(schema::GameKey, false);
    if (!registry.ValueExists(schema::AllowLocalFiles)) {
        registry.WriteInteger(schema::AllowLocalFiles, 0);
        window.enableCleanup();
    }
    registry.CloseKey();
    createOwnKeys(registry);
    readOwnValues(registry, record, startParams);
    window.emptyProfiles();
    readGameValues(registry, record);
    window.readAccounts();
    window.present();
}

} // namespace orvane
