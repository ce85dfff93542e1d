#pragma once
// The game's campaign profiles: the folders Profile1, Profile2, ... below
// the save folder, each with the player's name in its Campaigns.w3p.
#include "registry/RegistryAccess.h"
#include "wine/PathMapping.h"

#include <optional>
#include <string>

namespace orvane {

// The player name of profile `number` (from 1); none when its folder is missing.
std::optional<std::string> profileName(const PathMapping& paths, const std::string& savpath, int number);

// Renames profile `number` in its file and as the game's current profile in
// the registry, both or neither.
void renameProfile(RegistryAccess& registry, const PathMapping& paths, const std::string& savpath, int number,
                   const std::string& newName);

} // namespace orvane
