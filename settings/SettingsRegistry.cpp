#include "settings/SettingsRegistry.h"

namespace orvane {

void readSetting(RegistryAccess& registry, const schema::SettingValue& value, SettingsSnapshot& record)
{
    if (const auto* field = std::get_if<schema::IntegerField>(&value.field))
        record.*(*field) = registry.ReadInteger(value.name);
    else
        record.*std::get<schema::TextField>(value.field) = registry.ReadString(value.name);
}

} // namespace orvane
