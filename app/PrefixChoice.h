#pragma once
// Which Wine prefix Orvane edits on Linux, and the Wine that starts the
// game in it.
#include "controls/Toolkit.h"
#include "platform/GamePrefixes.h"

#include <functional>
#include <optional>

namespace orvane {

struct PrefixInUse {
    std::filesystem::path folder;
    std::filesystem::path wine; // empty: $WINE, else wine on the PATH
};

// The prefix that $WINEPREFIX names, when it is set; else ~/.wine when it
// holds the game; else the one prefix found among the launchers', or the
// player's pick when there are several (empty when the player cancels).
// With none found, ~/.wine, whose installation check then fails.
std::optional<PrefixInUse> choosePrefix(Toolkit& toolkit, const std::function<void()>& eventLoop,
                                        const HomeFolders& folders, const char* winePrefixVariable);

// The tool tip of status bar panel 0: where the settings are kept.
std::string prefixDescription(const std::filesystem::path& prefix);

} // namespace orvane
