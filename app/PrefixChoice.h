#pragma once
// Which Wine prefix Orvane edits on Linux, and the Wine that starts the
// game in it.
#include "controls/Dispatch.h"
#include "controls/Toolkit.h"
#include "wine/GamePrefixes.h"

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
// The chooser's events run through dispatcher.
std::optional<PrefixInUse> choosePrefix(Toolkit& toolkit, const std::function<void()>& eventLoop,
                                        EventDispatcher& dispatcher, const HomeFolders& folders,
                                        const char* winePrefixVariable);

// The tool tip of status bar panel 0: where the settings are kept.
std::string prefixDescription(const std::filesystem::path& prefix);

} // namespace orvane
