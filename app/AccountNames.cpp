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

void addSorted(std::vector<std::string>& list, const std::string& name)
{
    const auto at = std::lower_bound(list.begin(), list.end(), name, [](const std::string& a, const std::string& b) {
        return compareIgnoringCase(a, b) < 0;
    });
    if (at != list.end() && compareIgnoringCase(*at, name) == 0)
        return;
    list.insert(at, name);
}

} // namespace

bool AccountNames::holds(const std::string& name) const
{
    return std::any_of(names_.begin(), names_.end(),
                       [&name](const std::string& entry) { return compareIgnoringCase(entry, name) == 0; });
}

void AccountNames::refresh(RegistryAccess& registry, ListControl& list, std::string& current)
{
    registry.OpenKey(schema::BnetUsersKey, false);
    if (deletion_.waiting)
        deleteRequested(registry, list, current);
    names_.clear();
    list.clear();
    registry.GetValueNames(valueNames_);
    if (!storeAll(registry, list, current)) {
        // Stored under a free name, the current name is read back by the run below.
        registry.WriteString(valueNameAt(names_.size()), current);
        refresh(registry, list, current);
        return;
    }
    registry.GetValueNames(valueNames_);
    registry.CloseKey();
}

void AccountNames::clear()
{
    names_.clear();
    valueNames_.clear();
}

void AccountNames::deleteRequested(RegistryAccess& registry, const ListControl& list, std::string& current)
{
    // The current name moves to the entry after the deleted one, or before it at the end.
    const int selected = list.selected();
    const int next = selected < list.count() - 1 ? selected + 1 : selected - 1;
    current = next >= 0 && next < list.count() ? list.items()[static_cast<size_t>(next)] : "";
    for (size_t k = 0; k < valueNames_.size(); ++k)
        if (registry.ReadString(valueNameAt(k)) == deletion_.name)
            registry.DeleteValue(valueNameAt(k));
    deletion_.waiting = false;
    registry.GetValueNames(valueNames_);
}

// Adds the waiting name, takes every stored name into the lists and stores
// them again, sorted and numbered from 0. Whether current was among them.
bool AccountNames::storeAll(RegistryAccess& registry, ListControl& list, const std::string& current)
{
    if (addition_.waiting && !addition_.name.empty()) {
        registry.WriteString(valueNameAt(valueNames_.size()), addition_.name);
        addition_.waiting = false;
        registry.GetValueNames(valueNames_);
    }
    bool found = false;
    for (const std::string& valueName : valueNames_) {
        const std::string name = registry.ReadString(valueName);
        found = found || name == current;
        addSorted(names_, name);
    }
    list.addItems(names_);
    for (int j = 0; j < list.count(); ++j)
        if (list.items()[static_cast<size_t>(j)] == current)
            list.select(j);
    for (const std::string& valueName : valueNames_)
        registry.DeleteValue(valueName);
    for (size_t k = 0; k < names_.size(); ++k)
        registry.WriteString(valueNameAt(k), names_[k]);
    return found;
}

} // namespace orvane
