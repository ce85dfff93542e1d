#include "app/AccountNames.h"

#include "platform/TextCompare.h"
#include "settings/Schema.h"

#include <algorithm>

namespace orvane {
namespace {

std::string valueNameAt(size_t index)
{
    return std::string(schema::BnetValuePrefix) + std::to_string(index);
}

// Sorted without regard to case; of names equal but for case, the first stays.
std::vector<std::string> sortedOnce(std::vector<std::string> names)
{
    const auto before = [](const std::string& a, const std::string& b) { return compareIgnoringCase(a, b) < 0; };
    std::stable_sort(names.begin(), names.end(), before);
    const auto same = [](const std::string& a, const std::string& b) { return compareIgnoringCase(a, b) == 0; };
    names.erase(std::unique(names.begin(), names.end(), same), names.end());
    return names;
}

} // namespace

void AccountNames::postAdditions(const std::vector<std::string>& names)
{
    additions_.insert(additions_.end(), names.begin(), names.end());
}

void AccountNames::refresh(RegistryAccess& registry, ListControl& list, std::string& current)
{
    RegistryKey key = registry.openKey(schema::BnetUsersKey);
    if (deletion_.waiting)
        deleteRequested(key, list, current);
    names_.clear();
    list.clear();
    valueNames_ = key.valueNames();
    if (!storeAll(key, list, current)) {
        // Stored under a free name, the current name is read back by the run below.
        key.writeString(valueNameAt(names_.size()), current);
        refresh(registry, list, current);
        return;
    }
    valueNames_ = key.valueNames();
}

void AccountNames::clear()
{
    names_.clear();
    valueNames_.clear();
}

void AccountNames::deleteRequested(RegistryKey& key, const ListControl& list, std::string& current)
{
    // The current name moves to the entry after the deleted one, or before it at the end.
    const int selected = list.selected();
    const int next = selected < list.count() - 1 ? selected + 1 : selected - 1;
    current = next >= 0 && next < list.count() ? list.items()[static_cast<size_t>(next)] : "";
    for (size_t k = 0; k < valueNames_.size(); ++k)
        if (key.readString(valueNameAt(k)) == deletion_.name)
            key.deleteValue(valueNameAt(k));
    deletion_.waiting = false;
    valueNames_ = key.valueNames();
}

// Takes every stored name and the waiting additions into the lists and
// stores them again, sorted and numbered from 0. Whether current was among them.
bool AccountNames::storeAll(RegistryKey& key, ListControl& list, const std::string& current)
{
    std::vector<std::string> read;
    read.reserve(valueNames_.size() + additions_.size());
    for (const std::string& valueName : valueNames_)
        read.push_back(key.readString(valueName));
    for (std::string& name : additions_)
        if (!name.empty())
            read.push_back(std::move(name));
    additions_.clear();
    const bool found = std::find(read.begin(), read.end(), current) != read.end();
    names_ = sortedOnce(std::move(read));
    list.addItems(names_);
    if (const auto at = std::find(names_.begin(), names_.end(), current); at != names_.end())
        list.select(static_cast<int>(at - names_.begin()));
    for (const std::string& valueName : valueNames_)
        key.deleteValue(valueName);
    for (size_t k = 0; k < names_.size(); ++k)
        key.writeString(valueNameAt(k), names_[k]);
    return found;
}

} // namespace orvane
