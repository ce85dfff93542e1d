#pragma once
// The stored values that loading a configuration may change, as text, by
// where they are kept, to tell a player's script what a load did.
#include "registry/RegistryAccess.h"

#include <map>
#include <string>

namespace orvane {

// "Video\gamma" -> "40": the game's keys below its own, Orvane's below
// "Software" ("Orvane\startparams").
using ValueTexts = std::map<std::string, std::string>;

ValueTexts valueTexts(RegistryAccess& registry);

// Where a value is listed: "Video\gamma", "Orvane\startparams".
std::string valuePlace(std::string_view key, std::string_view name);

// One line "Video\gamma: 25 -> 40" per value that differs, "(none)" for a
// value that is missing on one side; "No changes." when none does.
std::string changesBetween(const ValueTexts& before, const ValueTexts& after);

} // namespace orvane
