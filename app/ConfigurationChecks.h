#pragma once
// What the command line says of a configuration file before it loads it:
// a value the window would quietly correct is refused, and a value the
// window stores although the game cannot use it is named, so that a
// launcher's script and its log tell the player.
#include "config/IniDocument.h"
#include "language/Texts.h"
#include "settings/DisplayModes.h"
#include "registry/RegistryAccess.h"

#include <optional>
#include <string>
#include <vector>

namespace orvane {

// The reason the file is refused, or nullopt. name: the file as named.
// Values the file lacks are the registry's.
std::optional<std::string> refusalOf(const IniDocument& file, const std::string& name, RegistryAccess& registry,
                                     DisplayModeSource& display, const Texts& texts);

// One line per value that the load stores as given though no control of
// the window can show it (with what the game takes), or that is no number
// (the stored value then stays).
std::vector<std::string> unusableValues(const IniDocument& file, const std::string& name, RegistryAccess& registry,
                                        DisplayModeSource& display, const Texts& texts);

} // namespace orvane
