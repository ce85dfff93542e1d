#pragma once
// The game's settings as a fresh installation has them.
#include "registry/RegistryAccess.h"

#include <filesystem>
#include <string>

namespace orvane {

// Writes the game's key with every setting at its default, the game
// installed in gameFolder (a Windows path), its folders below it.
void writeGameDefaults(RegistryAccess& registry, const std::string& gameFolder);

// The game's folder: a placeholder war3.mpq, the folders, two profiles.
void writeGameFolder(const std::filesystem::path& game);

} // namespace orvane
