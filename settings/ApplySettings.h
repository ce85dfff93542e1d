#pragma once
// Writing the record to the registry: the values a selection names, key by
// key, in the order of the schema.
#include "registry/RegistryAccess.h"
#include "settings/Schema.h"
#include "settings/SettingsSnapshot.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// Whether a value of the schema is to be written.
using ValueSelection = std::function<bool(const schema::StoredValue&)>;

// The values one "Apply Settings" writes, every Apply's, or those a
// configuration file holds.
ValueSelection appliedBy(ApplyGroup group);
ValueSelection appliedByAnyGroup();
ValueSelection heldByConfigurationFiles();

struct ApplyOutcome {
    // The port was selected but portText is not a port the game accepts:
    // everything else selected was written, the port was not.
    bool portRefused = false;
};

// The selected values that someone else stored since lastStored was read
// and that the record still holds as read (the player did not change
// them): each is taken from the registry into the record, so that writing
// the record keeps it. Their rows, in the schema's order.
std::vector<const schema::StoredValue*> takeNewerValues(RegistryAccess& registry, SettingsSnapshot& record,
                                                        const SettingsSnapshot& lastStored,
                                                        const ValueSelection& selected);

// Writes the selected values; a key none of whose values is selected is
// not opened. portText is the port as the user typed it, written after the
// other Gameplay values once it is one the game accepts; without it, the
// record's port is known good and written in its place among them.
ApplyOutcome applySettings(RegistryAccess& registry, const SettingsSnapshot& record, const ValueSelection& selected,
                           std::optional<std::string_view> portText);

} // namespace orvane
