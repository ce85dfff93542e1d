#pragma once
// A Wine-style prefix for trying Orvane out: a user.reg holding the game's
// settings at the game's defaults, the drive links, a game folder with a
// placeholder war3.mpq and a savegame folder with two profiles.
#include <filesystem>

namespace orvane {

// Throws std::exception when a file cannot be made.
void createDemoPrefix(const std::filesystem::path& prefix);

} // namespace orvane
