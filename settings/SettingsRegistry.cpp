#include "settings/SettingsRegistry.h"

namespace orvane {
namespace {

void write(RegistryAccess& registry, std::string_view name, const schema::Value& value)
{
    std::visit(schema::Overloaded{
                   [&](int32_t number) { registry.WriteInteger(name, number); },
                   [&](std::string_view text) { registry.WriteString(name, text); },
                   [&](bool on) { registry.WriteBool(name, on); },
               },
               value);
}

} // namespace

void readSetting(RegistryAccess& registry, const schema::StoredValue& value, SettingsSnapshot& record)
{
    std::visit(schema::Overloaded{
                   [&](schema::IntegerField field) { record.*field = registry.ReadInteger(value.name); },
                   [&](schema::TextField field) { record.*field = registry.ReadString(value.name); },
                   [&](schema::BoolField field) { record.*field = registry.ReadBool(value.name); },
               },
               value.field);
}

void writeSetting(RegistryAccess& registry, const schema::StoredValue& value, const SettingsSnapshot& record)
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
        write(registry, name, stored);
}

void writeInitial(RegistryAccess& registry, const schema::StoredValue& value)
{
    write(registry, value.name, value.initial);
}

} // namespace orvane
