#pragma once
// Which Wine prefix Orvane edits on Linux, and the Wine that starts the
// game in it.
#include "controls/Dispatch.h"
#include "context/Context.h"
#include "controls/Toolkit.h"
#include "wine/GamePrefixes.h"

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <variant>
#include <vector>

namespace orvane {

struct PrefixInUse {
    std::filesystem::path folder;
    std::filesystem::path wine; // empty: $WINE, else wine on the PATH
};

// The prefix that $WINEPREFIX names, when it is set; else ~/.wine when it
// holds the game; else the one prefix found among the launchers'. With
// none found, ~/.wine, whose installation check then fails. When the game
// is in several, those prefixes, most recently used first.
using PrefixSettlement = std::variant<PrefixInUse, std::vector<GamePrefix>>;
PrefixSettlement prefixWithoutAsking(const HomeFolders& folders, const char* winePrefixVariable);

// The prefix settled, or the player's pick when there are several (empty
// when the player cancels), asked in the language of texts. The chooser's
// events run through dispatcher.
std::optional<PrefixInUse> choosePrefix(Toolkit& toolkit, const std::function<void()>& eventLoop,
                                        EventDispatcher& dispatcher, const Texts& texts, PrefixSettlement settled);

// The prefix's settings, its registry, paths and history. A store already
// read (readAhead) is the one opened first.
SettingsPlace settingsOfPrefix(const std::filesystem::path& prefix, std::unique_ptr<RegistryStore> readAhead = nullptr);

// Where the history of a prefix's changes is kept: below
// $XDG_STATE_HOME/orvane/history/, a folder named for the prefix's path
// below home ("Games-warcraft-iii 1c2d3e4f"), made unique by a checksum of
// the whole path.
std::filesystem::path prefixHistoryFolder(const HomeFolders& folders, const std::filesystem::path& prefix);

// For a command without a window: --prefix, else the prefix found without
// asking; nullopt, with the prefixes named on err, when there are several.
std::optional<PrefixInUse> prefixForCommand(const std::optional<std::string>& named, const HomeFolders& folders,
                                            const char* winePrefixVariable, const Texts& texts, std::ostream& err);

} // namespace orvane
