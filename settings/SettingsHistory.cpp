#include "settings/SettingsHistory.h"

#include "files/TextEncoding.h"
#include "registry/HistoryStore.h"
#include "registry/KeyPaths.h"
#include "settings/Schema.h"

namespace orvane {

std::unique_ptr<RegistryStore> withHistory(std::unique_ptr<RegistryStore> store, ChangeHistory& history)
{
    if (!history.isKept())
        return store;
    RecordedKeys keys{{std::string(schema::GameKey), std::string(schema::OrvaneKey)}, {}};
    for (std::string_view key : schema::settingsKeys())
        keys.known.emplace_back(key);
    keys.known.emplace_back(schema::BnetUsersKey);
    return std::make_unique<HistoryStore>(std::move(store), history, std::move(keys));
}

bool isRecordedKey(std::string_view path)
{
    const std::string folded = foldCase(normalizeKeyPath(path));
    return isInTree(folded, foldCase(schema::GameKey)) || isInTree(folded, foldCase(schema::OrvaneKey));
}

} // namespace orvane
