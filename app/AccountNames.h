#pragma once
// The Battle.net account names Orvane keeps in its key BnetUsers: read into
// a sorted list and the list control, with an addition or deletion that
// waits to be carried out, and stored again sorted and numbered from 0.
#include "controls/Controls.h"
#include "registry/RegistryAccess.h"

#include <string>
#include <vector>

namespace orvane {

class AccountNames {
public:
    // Sorted without regard to case in the player's locale; a name equal to
    // one in the list but for case is not taken, and the entry keeps its spelling.
    const std::vector<std::string>& names() const { return names_; }
    // The values of the key as last read, in the registry's order.
    const std::vector<std::string>& valueNames() const { return valueNames_; }
    // Requests that the next refresh carries out. Additions are taken in
    // turn, each unless the list holds it (without regard to case) or it is
    // empty.
    void postAddition(const std::string& name) { additions_.push_back(name); }
    void postAdditions(const std::vector<std::string>& names);
    void postDeletion(const std::string& name) { deletion_ = {name, true}; }

    // Carries out the waiting requests, takes every stored name into the
    // list and list, which selects current, and stores them again. current
    // (the game's account name) moves on from a deleted entry, and is stored
    // too when the key lacks it.
    void refresh(RegistryAccess& registry, ListControl& list, std::string& current);
    void clear();

private:
    struct Request {
        std::string name;
        bool waiting = false;
    };

    void deleteRequested(RegistryKey& key, const ListControl& list, std::string& current);
    bool storeAll(RegistryKey& key, ListControl& list, const std::string& current);

    std::vector<std::string> names_;
    std::vector<std::string> valueNames_;
    std::vector<std::string> additions_;
    Request deletion_;
};

} // namespace orvane
