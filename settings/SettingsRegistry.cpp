#include "settings/SettingsRegistry.h"

namespace orvane {
namespace {

void write(RegistryKey& key, std::string_view name, const schema::Value& value)
{
    std::visit(schema::Overloaded{
                   [&](int32_t number) { key.writeInteger(name, number); },
                   [&](std::string_view text) { key.writeString(name, text); },
                   [&](bool on) { key.writeBool(name, on); },
               },
               value);
}

} // namespace

void readSetting(const RegistryKey& key, const schema::StoredValue& value, SettingsSnapshot& record)
{
    std::visit(schema::Overloaded{
                   [&](schema::IntegerField field) { record.*field = key.readInteger(value.name); },
                   [&](schema::TextField field) { record.*field = key.readString(value.name); },
                   [&](schema::BoolField field) { record.*field = key.readBool(value.name); },
               },
               value.field);
}

void writeSetting(RegistryKey& key, const schema::StoredValue& value, const SettingsSnapshot& record)
{
    const schema::Value stored = std::visit(
        [&record](auto field) -> schema::Value {
            if constexpr (std::is_same_v<decltype(field), schema::TextField>)
                return std::string_view(record.*field);
            else
                return record.*field;
        },
        value.field);
    for (const std::string& name : schema::writtenNames(value))
        write(key, name, stored);
}

void writeInitial(RegistryKey& key, const schema::StoredValue& value)
{
    write(key, value.name, value.initial);
}

} // namespace orvane
