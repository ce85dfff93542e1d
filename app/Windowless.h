#pragma once
// Load and Save Configuration without a window, for the command line: the
// window's own logic, its one question answered "Yes" and every message it
// would show written to the error stream instead.
#include "app/CommandLine.h"
#include "context/Context.h"

#include <functional>
#include <optional>
#include <ostream>

namespace orvane {

// Runs line's --load, then its --save. Returns the exit status: 0 done,
// 1 refused or failed. Lists one line per stored value that --load changed.
int runWithoutWindow(const CommandLine& line, SettingsPlace place, DisplayModeSource& display, std::ostream& out,
                     std::ostream& err);

// Where the settings are: nullopt, with the reason written to err, when
// it cannot be told without asking.
using PlaceFinder = std::function<std::optional<SettingsPlace>(std::ostream& err)>;

// --help, --version, or else --load and --save on the place found.
int answerWithoutWindow(const CommandLine& line, bool withWinePrefixes, const PlaceFinder& findPlace,
                        std::ostream& out, std::ostream& err);

} // namespace orvane
