#pragma once
// Orvane's commands on one store take turns: the store holds the turn from
// a command's first look at the settings until its write is done, so that
// two Orvanes (the window and a launcher's script, or two scripts) never
// read, decide and write across each other. A store that cannot take turns
// where it is (a network share without locks) goes on without them.
#include "registry/RegistryErrors.h"

#include <chrono>
#include <string>

namespace orvane {

// How long a command waits for another's turn to end: long enough for any
// command without a question on the screen.
inline constexpr std::chrono::milliseconds TurnPatience{10'000};

// What a command that waited in vain throws, for the settings of the Wine
// prefix given, or (none given) the Windows user's own.
RegistryStoreError turnNotGiven(const std::string& winePrefix = {});

} // namespace orvane
