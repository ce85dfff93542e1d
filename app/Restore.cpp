#include "app/Restore.h"

#include "app/ValueChanges.h"
#include "config/TextFiles.h"
#include "files/TextEncoding.h"
#include "files/Utf8Paths.h"
#include "registry/RegistryErrors.h"
#include "settings/SettingsHistory.h"

#include <set>

namespace orvane {
namespace {

std::vector<RegeditKey> readEntry(const std::filesystem::path& file)
{
    const std::optional<std::string> bytes = readTextFile(file);
    if (!bytes)
        throw cannotOpen(file, "there is no such file");
    std::vector<RegeditKey> keys = parseRegeditFile(*bytes, displayPath(file));
    for (const RegeditKey& key : keys)
        if (!isRecordedKey(key.path))
            throw OrvaneError(MessageText{
                translatable("The file %s changes the key HKEY_CURRENT_USER\\%s, which is neither Warcraft III's nor "
                             "Orvane's. Orvane restores only their settings; import the file with regedit if you mean "
                             "it"),
                {displayPath(file), key.path}});
    return keys;
}

void applyKeys(RegistryAccess& registry, const std::vector<RegeditKey>& keys)
{
    for (const RegeditKey& key : keys) {
        if (key.deleted) {
            registry.deleteKey(key.path);
            continue;
        }
        RegistryKey opened = registry.createKey(key.path);
        if (!opened)
            throw RegistryError("Cannot create the key HKEY_CURRENT_USER\\" + key.path);
        for (const RegeditValue& value : key.values) {
            if (value.value)
                opened.writeValue(value.name, *value.value);
            else
                opened.deleteValue(value.name);
        }
    }
}

// The values whose state is no longer what the newest entry holding them
// says Orvane's change left.
std::vector<std::string> changedElsewhere(RegistryAccess& registry,
                                          const std::vector<std::vector<RegeditKey>>& newestFirst)
{
    std::vector<std::string> places;
    std::set<std::string> seen;
    for (const auto& entry : newestFirst) {
        for (const RegeditKey& key : entry) {
            const RegistryKey opened = registry.openKey(key.path);
            for (const RegeditValue& value : key.values) {
                if (!seen.insert(foldCase(key.path) + '\n' + foldCase(value.name)).second || !value.changedTo)
                    continue;
                if (opened.readValue(value.name) != *value.changedTo)
                    places.push_back(valuePlace(key.path, value.name));
            }
        }
    }
    return places;
}

RestoreOutcome restore(Context& context, const std::vector<std::vector<RegeditKey>>& newestFirst,
                       std::string_view label)
{
    context.history.nameChange(label);
    RegistryAccess& registry = *context.registry;
    RestoreOutcome outcome{.changedElsewhere = changedElsewhere(registry, newestFirst)};
    const ValueTexts before = valueTexts(registry);
    for (const auto& entry : newestFirst)
        applyKeys(registry, entry);
    outcome.changes = changesBetween(before, valueTexts(registry));
    return outcome;
}

} // namespace

RestoreOutcome restoreEntries(Context& context, size_t count, std::string_view label)
{
    return restoreEntries(context, context.history.entries(), count, label);
}

RestoreOutcome restoreEntries(Context& context, const std::vector<HistoryEntry>& entries, size_t count,
                              std::string_view label)
{
    if (count == 0 || count > entries.size())
        throw OrvaneError(MessageText{
            entries.size() == 1 ? translatable("There is no change %s to go back to: the history holds 1 change")
                                : translatable("There is no change %s to go back to: the history holds %s changes"),
            {std::to_string(count), std::to_string(entries.size())}});
    std::vector<std::vector<RegeditKey>> newestFirst;
    for (size_t i = 0; i < count; ++i)
        newestFirst.push_back(readEntry(entries[i].file));
    return restore(context, newestFirst, label);
}

RestoreOutcome restoreFile(Context& context, const std::filesystem::path& file, std::string_view label)
{
    return restore(context, {readEntry(file)}, label);
}

} // namespace orvane
