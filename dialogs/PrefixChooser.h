#pragma once
// Before the main window, when the game is in several Wine prefixes: the
// player picks the one whose settings Orvane edits.
#include "controls/Toolkit.h"
#include "controls/Window.h"
#include "wine/GamePrefixes.h"

#include <optional>

namespace orvane {

class PrefixChooser {
public:
    PrefixChooser(const std::vector<GamePrefix>& prefixes, EventDispatcher& dispatcher, const Texts& texts);
    PrefixChooser(const PrefixChooser&) = delete;
    PrefixChooser& operator=(const PrefixChooser&) = delete;

    Window& window() { return window_; }
    // Shows the list and runs the event loop until the player chooses or
    // cancels; empty when cancelled.
    std::optional<GamePrefix> choose(Toolkit& toolkit, const std::function<void()>& eventLoop);

    // The user's events, which the layout names.
    void confirm();
    void cancel();

private:
    void finish(std::optional<size_t> chosen);

    const std::vector<GamePrefix>& prefixes_;
    Window window_;
    ListControl& PrefixList;
    Toolkit* toolkit_ = nullptr;
    std::optional<size_t> chosen_;
};

const WindowLayout& prefixChooserLayout();
// One line of the list: launcher and game, folder, game folder, last use.
std::string describePrefix(const GamePrefix& prefix);

} // namespace orvane
