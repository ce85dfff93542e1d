#pragma once
// A command line that asks for no window, answered: --help, --version, or
// --load and then --save on the place where the settings are.
#include "cli/CommandLine.h"
#include "context/Context.h"

#include <functional>
#include <optional>
#include <ostream>

namespace orvane {

// Where the settings are: nullopt, with the reason written to err, when
// it cannot be told without asking.
using PlaceFinder = std::function<std::optional<SettingsPlace>(std::ostream& err)>;

// Returns the exit status: 0 done, 1 refused or failed.
int runCommand(const CommandLine& line, bool withWinePrefixes, const Texts& texts, const PlaceFinder& findPlace,
               std::ostream& out, std::ostream& err);

// line's --load, then its --save.
int loadAndSave(const CommandLine& line, SettingsPlace place, DisplayModeSource& display, const Texts& texts,
                std::ostream& out, std::ostream& err);

} // namespace orvane
