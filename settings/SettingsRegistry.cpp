#include "settings/SettingsRegistry.h"

namespace orvane {

void readSetting(RegistryAccess& registry, const schema::SettingValue& value, SettingsSnapshot& record)
{
    if (const auto* field = std::get_if<schema::IntegerField>(&value.field))
        record.*(*field) = registry.ReadInteger(value.name);
    else
        record.*std::get<schema::TextField>(value.field) = registry.ReadString(value.name);
}

void writeSetting(RegistryAccess& registry, const schema::SettingValue& value, const SettingsSnapshot& record)
{
    if (const auto* field = std::get_if<schema::IntegerField>(&value.field))
        registry.WriteInteger(value.name, record.*(*field));
    else
        registry.WriteString(value.name, record.*std::get<schema::TextField>(value.field));
}

} // namespace orvane
