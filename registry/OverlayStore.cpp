#include "registry/OverlayStore.h"

#include "files/TextEncoding.h"
#include "registry/KeyPaths.h"

#include <algorithm>
#include <unordered_set>

namespace orvane {
namespace {

// The key and each of its parents, the key first.
std::vector<std::string> withParents(const std::string& key)
{
    std::vector<std::string> keys{key};
    for (size_t at = key.rfind('\\'); at != std::string::npos && at > 0; at = key.rfind('\\', at - 1))
        keys.push_back(key.substr(0, at));
    return keys;
}

} // namespace

bool OverlayStore::underneathCounts(const std::string& key) const
{
    return std::none_of(deleted_.begin(), deleted_.end(),
                        [&key](const std::string& tree) { return isInTree(key, tree); });
}

bool OverlayStore::keyExists(std::string_view path)
{
    const std::string key = foldCase(path);
    if (key.empty() || created_.contains(key))
        return true;
    return underneathCounts(key) && underneath_->keyExists(path);
}

bool OverlayStore::createKey(std::string_view path)
{
    for (const std::string& key : withParents(foldCase(path)))
        created_.insert(key);
    return true;
}

std::optional<RegValue> OverlayStore::queryValue(std::string_view path, std::string_view name)
{
    const std::string key = foldCase(path);
    if (const auto changes = keys_.find(key); changes != keys_.end())
        if (const auto value = changes->second.values.find(foldCase(name)); value != changes->second.values.end())
            return value->second;
    if (!underneathCounts(key))
        return std::nullopt;
    return underneath_->queryValue(path, name);
}

bool OverlayStore::setValue(std::string_view path, std::string_view name, const RegValue& value)
{
    if (path.empty() || !keyExists(path))
        return false;
    KeyChanges& changes = keys_[foldCase(path)];
    const std::string lower = foldCase(name);
    if (!changes.values.contains(lower))
        changes.names.emplace_back(name);
    changes.values[lower] = value;
    return true;
}

bool OverlayStore::deleteValue(std::string_view path, std::string_view name)
{
    if (!queryValue(path, name))
        return false;
    KeyChanges& changes = keys_[foldCase(path)];
    const std::string lower = foldCase(name);
    if (!changes.values.contains(lower))
        changes.names.emplace_back(name);
    changes.values[lower] = std::nullopt;
    return true;
}

bool OverlayStore::deleteTree(std::string_view path)
{
    if (path.empty() || !keyExists(path))
        return false;
    const std::string tree = foldCase(path);
    std::erase_if(keys_, [&tree](const auto& entry) { return isInTree(entry.first, tree); });
    std::erase_if(created_, [&tree](const std::string& key) { return isInTree(key, tree); });
    deleted_.insert(tree);
    return true;
}

std::vector<std::string> OverlayStore::valueNames(std::string_view path)
{
    const std::string key = foldCase(path);
    std::vector<std::string> names;
    if (underneathCounts(key))
        names = underneath_->valueNames(path);
    const auto changes = keys_.find(key);
    if (changes == keys_.end())
        return names;
    const auto& values = changes->second.values;
    std::erase_if(names, [&values](const std::string& name) {
        const auto value = values.find(foldCase(name));
        return value != values.end() && !value->second;
    });
    std::unordered_set<std::string> listed;
    for (const std::string& name : names)
        listed.insert(foldCase(name));
    for (const std::string& name : changes->second.names)
        if (values.at(foldCase(name)) && listed.insert(foldCase(name)).second)
            names.push_back(name);
    return names;
}

} // namespace orvane
