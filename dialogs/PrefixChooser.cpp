#include "dialogs/PrefixChooser.h"

namespace orvane {

// clang-format off
const WindowLayout& prefixChooserLayout()
{
    using enum ControlKind;
    static const WindowLayout layout{
        .name = "PrefixForm",
        .caption = "Choose the Wine prefix of Warcraft III",
        .clientWidth = 640,
        .clientHeight = 193,
        .controls = {
            {.kind = Label, .name = "PrefixLabel", .caption = "Warcraft III is in more than one Wine prefix. Choose the one whose settings Orvane edits:", .left = 8, .top = 8, .width = 624, .height = 13},
            {.kind = ListBox, .name = "PrefixList", .left = 8, .top = 28, .width = 624, .height = 121, .tab = 0, .handler = on<&PrefixChooser::confirm>},
            {.kind = Button, .name = "PrefixOK", .caption = "OK", .left = 476, .top = 160, .width = 75, .height = 25, .tab = 1, .handler = on<&PrefixChooser::confirm>},
            {.kind = Button, .name = "PrefixCancel", .caption = "Cancel", .left = 557, .top = 160, .width = 75, .height = 25, .tab = 2, .handler = on<&PrefixChooser::cancel>},
        },
    };
    return layout;
}
// clang-format on

std::string describePrefix(const GamePrefix& prefix)
{
    std::string line = prefix.launcher;
    if (!prefix.gameName.empty())
        line += ": " + prefix.gameName;
    line += " \u2014 " + prefix.folder.string();
    if (!prefix.installPath.empty())
        line += " \u2014 " + prefix.installPath;
    if (const std::string when = lastUsedText(prefix); !when.empty())
        line += " \u2014 last used " + when;
    return line;
}

PrefixChooser::PrefixChooser(const std::vector<GamePrefix>& prefixes, EventDispatcher& dispatcher, const Texts& texts)
    : prefixes_(prefixes),
      window_(prefixChooserLayout(), dispatcher, texts),
      PrefixList(window_.list("PrefixList"))
{
    std::vector<std::string> lines;
    for (const GamePrefix& prefix : prefixes_)
        lines.push_back(describePrefix(prefix));
    PrefixList.addItems(lines);
    PrefixList.select(0);
    window_.bindHandlers(*this);
    window_.setOnClose([this] { cancel(); });
}

std::optional<GamePrefix> PrefixChooser::choose(Toolkit& toolkit, const std::function<void()>& eventLoop)
{
    toolkit_ = &toolkit;
    toolkit.realise(window_);
    window_.show();
    PrefixList.setFocus();
    eventLoop();
    if (!chosen_)
        return std::nullopt;
    return prefixes_[*chosen_];
}

void PrefixChooser::confirm()
{
    if (PrefixList.selected() != ListControl::None)
        finish(static_cast<size_t>(PrefixList.selected()));
}

void PrefixChooser::cancel()
{
    finish(std::nullopt);
}

// Hidden first: a toolkit may ask the windows still shown whether the
// program may end, and the choice is made by then.
void PrefixChooser::finish(std::optional<size_t> chosen)
{
    if (!window_.visible())
        return;
    chosen_ = chosen;
    window_.hide();
    if (toolkit_)
        toolkit_->quit();
}

} // namespace orvane
