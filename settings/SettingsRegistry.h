#pragma once
// Moving one schema value between the registry's current key and the record.
#include "settings/RegistryAccess.h"
#include "settings/Schema.h"

namespace orvane {

// ReadInteger for an integer field, ReadString for a text field.
void readSetting(RegistryAccess& registry, const schema::SettingValue& value, SettingsSnapshot& record);
// WriteInteger for an integer field, WriteString for a text field.
void writeSetting(RegistryAccess& registry, const schema::SettingValue& value, const SettingsSnapshot& record);

} // namespace orvane
