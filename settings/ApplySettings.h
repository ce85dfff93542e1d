#pragma once
// Writing the record to the registry: the values a selection names, key by
// key, in the order the window's four groups have always written them.
#include "settings/RegistryAccess.h"
#include "settings/Schema.h"
#include "settings/SettingsSnapshot.h"

#include <functional>
#include <optional>
#include <string_view>

namespace orvane {

// The network ports the game accepts.
inline constexpr int32_t LowestPort = 1024;
inline constexpr int32_t HighestPort = 49151;

// Whether a field of the record is to be written.
using FieldSelection = std::function<bool(const schema::Field&)>;

struct ApplyOutcome {
    // The port was selected but portText is not a port the game accepts:
    // everything else selected was written, the port was not.
    bool portRefused = false;
};

// Writes the selected values: the game's keys, the folders (every copy),
// "opengl" into Orvane's key and "Allow Local Files" into the game's key.
// A key none of whose values is selected is not opened. portText is the
// port as the user typed it, written after the other Gameplay values once
// it is one the game accepts; without it, the record's port is known good
// and written in its place among them.
ApplyOutcome applySettings(RegistryAccess& registry, const SettingsSnapshot& record, const FieldSelection& selected,
                           std::optional<std::string_view> portText);

} // namespace orvane
