#pragma once
// Moving one stored value between its open key and the record.
#include "registry/RegistryAccess.h"
#include "settings/Schema.h"

namespace orvane {

// Reads the value into its field by the field's kind.
void readSetting(const RegistryKey& key, const schema::StoredValue& value, SettingsSnapshot& record);
// Writes the field under every name the value is kept under.
void writeSetting(RegistryKey& key, const schema::StoredValue& value, const SettingsSnapshot& record);
// Writes the value's default under its name.
void writeInitial(RegistryKey& key, const schema::StoredValue& value);

} // namespace orvane
