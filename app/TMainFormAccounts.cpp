// The stored account names: read into the list, with the names waiting to
// be added or deleted, and stored again sorted and numbered from 0.
#include "app/AccountNames.h"
#include "app/TMainForm.h"
#include "settings/Schema.h"

namespace orvane {
namespace {

std::string bnetValueName(size_t index)
{
    return std::string(schema::BnetValuePrefix) + std::to_string(index);
}

} // namespace

void TMainForm::ReadBnetUsers()
{
    Context& state = context_;
    RegistryAccess& registry = *state.registry;

    registry.OpenKey(schema::BnetUsersKey, false);
    state.accountListsCreated = true;
    if (state.PendingDelete.pending)
        deleteAccountName();
    state.AccountList.clear();
    BnetName.clear();
    registry.GetValueNames(state.BnetValueNames);
    bool found = false;
    storeAccountNames(found);
    if (!found) {
        // Stored under a free name, the current name is read back by the run below.
        registry.WriteString(bnetValueName(state.AccountList.size()), state.settings.userbnet);
        ReadBnetUsers();
        return;
    }
    registry.GetValueNames(state.BnetValueNames);
    registry.CloseKey();
}

void TMainForm::deleteAccountName()
{
    Context& state = context_;
    RegistryAccess& registry = *state.registry;
    // The current name moves to the entry after the deleted one, or before it at the end.
    const int selected = BnetName.selected();
    const int next = selected < BnetName.count() - 1 ? selected + 1 : selected - 1;
    state.settings.userbnet = next >= 0 && next < BnetName.count() ? BnetName.items()[static_cast<size_t>(next)] : "";
    for (size_t k = 0; k < state.BnetValueNames.size(); ++k)
        if (registry.ReadString(bnetValueName(k)) == state.PendingDelete.name)
            registry.DeleteValue(bnetValueName(k));
    state.PendingDelete.pending = false;
    registry.GetValueNames(state.BnetValueNames);
}

// Adds the pending name, takes every stored name into the list and stores
// the list again, sorted and numbered from 0.
void TMainForm::storeAccountNames(bool& found)
{
    Context& state = context_;
    RegistryAccess& registry = *state.registry;
    const std::string& current = state.settings.userbnet;
    if (state.PendingAdd.pending && !state.PendingAdd.name.empty()) {
        registry.WriteString(bnetValueName(state.BnetValueNames.size()), state.PendingAdd.name);
        state.PendingAdd.pending = false;
        registry.GetValueNames(state.BnetValueNames);
    }
    for (const std::string& valueName : state.BnetValueNames) {
        const std::string name = registry.ReadString(valueName);
        found = found || name == current;
        addAccountName(state.AccountList, name);
    }
    BnetName.addItems(state.AccountList);
    for (int j = 0; j < BnetName.count(); ++j)
        if (BnetName.items()[static_cast<size_t>(j)] == current)
            BnetName.select(j);
    for (const std::string& valueName : state.BnetValueNames)
        registry.DeleteValue(valueName);
    for (size_t k = 0; k < state.AccountList.size(); ++k)
        registry.WriteString(bnetValueName(k), state.AccountList[k]);
}

} // namespace orvane
