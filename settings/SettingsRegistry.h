#pragma once
// Moving one stored value between the registry's current key and the record.
#include "settings/RegistryAccess.h"
#include "settings/Schema.h"

namespace orvane {

// Reads the value into its field by the field's kind.
void readSetting(RegistryAccess& registry, const schema::StoredValue& value, SettingsSnapshot& record);
// Writes the field under every name the value is kept under.
void writeSetting(RegistryAccess& registry, const schema::StoredValue& value, const SettingsSnapshot& record);
// Writes the value's default under its name.
void writeInitial(RegistryAccess& registry, const schema::StoredValue& value);

} // namespace orvane
