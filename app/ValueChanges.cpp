#include "app/ValueChanges.h"

#include "files/TextEncoding.h"
#include "registry/RegistryErrors.h"
#include "settings/Schema.h"

#include <set>
#include <vector>

namespace orvane {
namespace {

constexpr std::string_view Software = "Software\\";

// Where a key's values are listed: below the game's key, or below Software.
std::string placeOf(std::string_view key)
{
    const std::string folded = foldCase(key);
    if (folded == foldCase(schema::GameKey))
        return {};
    if (folded.starts_with(foldCase(schema::GameKey) + "\\"))
        return std::string(key.substr(schema::GameKey.size() + 1)) + "\\";
    if (folded.starts_with(foldCase(Software)))
        return std::string(key.substr(Software.size())) + "\\";
    return std::string(key) + "\\";
}

// An integer's decimal digits or a text as it is; the game keeps values of
// other kinds beside them (its gateways as a list of texts, say).
std::string valueText(const RegistryKey& key, const std::string& name)
{
    try {
        return std::to_string(key.readInteger(name));
    } catch (const RegistryError&) {}
    try {
        return key.readString(name);
    } catch (const RegistryError&) {
        return "(data of another kind)";
    }
}

} // namespace

ValueTexts valueTexts(RegistryAccess& registry)
{
    // One look at the registry for them all, not one for each value.
    RegistryCommand command(registry);
    std::vector<std::string_view> keys = schema::settingsKeys();
    keys.push_back(schema::BnetUsersKey);
    ValueTexts values;
    for (std::string_view key : keys) {
        const RegistryKey opened = registry.openKey(key);
        for (const std::string& name : opened.valueNames())
            values[placeOf(key) + name] = valueText(opened, name);
    }
    command.finish();
    return values;
}

std::string valuePlace(std::string_view key, std::string_view name)
{
    return placeOf(key) + std::string(name);
}

std::string changesBetween(const ValueTexts& before, const ValueTexts& after)
{
    std::set<std::string> places;
    for (const ValueTexts* values : {&before, &after})
        for (const auto& entry : *values)
            places.insert(entry.first);
    const auto valueAt = [](const ValueTexts& values, const std::string& place) {
        const auto found = values.find(place);
        return found == values.end() ? std::string("(none)") : found->second;
    };
    std::string lines;
    for (const std::string& place : places) {
        const std::string was = valueAt(before, place);
        const std::string is = valueAt(after, place);
        if (was != is || before.contains(place) != after.contains(place))
            lines += place + ": " + was + " -> " + is + "\n";
    }
    return lines.empty() ? "No changes.\n" : lines;
}

} // namespace orvane
