#include "settings/LoadSettings.h"

#include "settings/Schema.h"
#include "settings/SettingsRegistry.h"

#include <algorithm>

namespace orvane {
namespace {

// Creates the key's values that Orvane makes when they are missing;
// whether it made any.
bool createMissing(RegistryAccess& registry, std::string_view key)
{
    bool created = false;
    RegistryKey opened = registry.openKey(key);
    for (const schema::StoredValue& value : schema::storedValues()) {
        if (value.key == key && value.createdWhenMissing && !opened.hasValue(value.name)) {
            writeInitial(opened, value);
            created = true;
        }
    }
    return created;
}

void readKey(RegistryAccess& registry, std::string_view key, SettingsSnapshot& record, LoadSteps& window)
{
    const RegistryKey opened = registry.openKey(key);
    for (const schema::StoredValue& value : schema::storedValues()) {
        if (value.key == key && value.loaded) {
            readSetting(opened, value, record);
            window.valueRead(value);
        }
    }
}

void createOwnKeys(RegistryAccess& registry)
{
    for (std::string_view key : {schema::OrvaneKey, schema::BnetUsersKey}) {
        if (!registry.keyExists(key))
            registry.createKey(key);
    }
}

// The game's keys, in the order of their names.
std::vector<std::string_view> gameKeys()
{
    std::vector<std::string_view> keys = schema::settingsKeys();
    std::erase(keys, schema::OrvaneKey);
    std::sort(keys.begin(), keys.end());
    return keys;
}

} // namespace

void loadSettings(RegistryAccess& registry, SettingsSnapshot& record, LoadSteps& window)
{
    window.showNoConfigurationLoaded();
    if (createMissing(registry, schema::GameKey))
        window.enableCleanup();
    createOwnKeys(registry);
    createMissing(registry, schema::OrvaneKey);
    readKey(registry, schema::OrvaneKey, record, window);
    window.emptyProfiles();
    for (std::string_view key : gameKeys())
        readKey(registry, key, record, window);
    window.readAccounts();
    window.present();
}

} // namespace orvane
