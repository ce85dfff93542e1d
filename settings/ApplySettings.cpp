#include "settings/ApplySettings.h"

#include "settings/Conversions.h"
#include "registry/RegistryErrors.h"
#include "settings/SettingsRegistry.h"

#include <algorithm>

namespace orvane {
namespace {

bool sameField(const SettingsSnapshot& a, const SettingsSnapshot& b, const schema::Field& field)
{
    return std::visit([&](auto member) { return a.*member == b.*member; }, field);
}

bool isPort(const schema::StoredValue& value)
{
    return value.field == schema::Field{&SettingsSnapshot::netgameport};
}

// Writes the selected values of one key, which the table holds side by side.
void writeKey(RegistryAccess& registry, std::span<const schema::StoredValue> values, const SettingsSnapshot& record,
              const ValueSelection& written)
{
    if (std::none_of(values.begin(), values.end(), written))
        return;
    RegistryKey key = registry.openKey(values.front().key);
    for (const schema::StoredValue& value : values)
        if (written(value))
            writeSetting(key, value, record);
}

// The record's port, when the port as typed is one the game accepts.
bool writePort(RegistryAccess& registry, const schema::StoredValue& port, const SettingsSnapshot& record,
               std::string_view portText)
{
    if (!schema::GamePorts.contains(toInteger(portText)))
        return false;
    RegistryKey key = registry.openKey(port.key);
    writeSetting(key, port, record);
    return true;
}

} // namespace

std::vector<const schema::StoredValue*> takeNewerValues(RegistryAccess& registry, SettingsSnapshot& record,
                                                        const SettingsSnapshot& lastStored,
                                                        const ValueSelection& selected)
{
    std::vector<const schema::StoredValue*> newer;
    for (const schema::StoredValue& value : schema::storedValues()) {
        if (!selected(value) || !value.loaded || !sameField(record, lastStored, value.field))
            continue;
        SettingsSnapshot now = record;
        try {
            const RegistryKey key = registry.openKey(value.key);
            if (!key.hasValue(value.name))
                continue;
            readSetting(key, value, now);
        } catch (const RegistryError&) {
            continue; // what cannot be read is no newer value
        }
        if (!sameField(now, lastStored, value.field)) {
            record = now;
            newer.push_back(&value);
        }
    }
    return newer;
}

ValueSelection appliedBy(ApplyGroup group)
{
    return [group](const schema::StoredValue& value) { return value.group == group; };
}

ValueSelection appliedByAnyGroup()
{
    return [](const schema::StoredValue& value) { return value.group.has_value(); };
}

ValueSelection heldByConfigurationFiles()
{
    return [](const schema::StoredValue& value) { return value.inFile; };
}

ApplyOutcome applySettings(RegistryAccess& registry, const SettingsSnapshot& record, const ValueSelection& selected,
                           std::optional<std::string_view> portText)
{
    // A typed port is checked and written after the other values of its key.
    const ValueSelection written = [&](const schema::StoredValue& value) {
        return selected(value) && !(portText && isPort(value));
    };
    ApplyOutcome outcome;
    const std::span<const schema::StoredValue> values = schema::storedValues();
    for (auto run = values.begin(); run != values.end();) {
        const auto end =
            std::find_if(run, values.end(), [&run](const schema::StoredValue& value) { return value.key != run->key; });
        writeKey(registry, {run, end}, record, written);
        const auto port = std::find_if(run, end, isPort);
        if (port != end && portText && selected(*port))
            outcome.portRefused = !writePort(registry, *port, record, *portText);
        run = end;
    }
    return outcome;
}

} // namespace orvane
