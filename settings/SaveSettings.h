#pragma once
// Writing the record to the registry, one group of the window at a time.
#include "platform/MessageBoxes.h"
#include "settings/RegistryAccess.h"
#include "settings/SettingsSnapshot.h"

#include <string_view>

namespace orvane {

// The network ports the game accepts.
inline constexpr int32_t LowestPort = 1024;
inline constexpr int32_t HighestPort = 49151;

// group is "gas", "vas", "sas", "mas" or "all", compared exactly; any other
// text writes nothing. portText is the network port as the user typed it:
// the port is written only when it lies in 1024..49151.
void SaveSettings(RegistryAccess& registry, const SettingsSnapshot& record, std::string_view group,
                  std::string_view portText, MessageBoxes& boxes);

} // namespace orvane
