#pragma once
// Warcraft III and its World Editor keep the settings they read when they
// started and may store them again when they exit, over what Orvane wrote
// meanwhile. Before a write, the player hears of it while one of them runs.
#include "context/Context.h"

#include <optional>
#include <string>

namespace orvane {

// What the player should know and do while the game or its editor runs
// for the place (its program's name compared without regard to case);
// nullopt when neither runs or the place's store watches for them itself.
std::optional<std::string> runningGameWarning(const SettingsPlace& place, const Texts& texts);

// Whether to write the settings now: when neither runs, or when the
// player, asked, goes on anyway.
bool writeDespiteRunningGame(const Context& context);

} // namespace orvane
