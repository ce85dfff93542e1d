#include "app/PrefixChoice.h"

#include "dialogs/PrefixChooser.h"

namespace orvane {

std::optional<PrefixInUse> choosePrefix(Toolkit& toolkit, const std::function<void()>& eventLoop,
                                        EventDispatcher& dispatcher, const HomeFolders& folders,
                                        const char* winePrefixVariable)
{
    if (winePrefixVariable && *winePrefixVariable)
        return PrefixInUse{.folder = winePrefixVariable};
    const std::filesystem::path wine = folders.home / ".wine";
    if (holdsGameKey(wine / "user.reg"))
        return PrefixInUse{.folder = wine};
    const std::vector<GamePrefix> found = findGamePrefixes(folders);
    if (found.empty())
        return PrefixInUse{.folder = wine};
    if (found.size() == 1)
        return PrefixInUse{.folder = found[0].folder, .wine = found[0].wine};
    TPrefixForm chooser(found, dispatcher);
    const std::optional<GamePrefix> chosen = chooser.choose(toolkit, eventLoop);
    if (!chosen)
        return std::nullopt;
    return PrefixInUse{.folder = chosen->folder, .wine = chosen->wine};
}

std::string prefixDescription(const std::filesystem::path& prefix)
{
    return "Settings of the Wine prefix " + prefix.string();
}

} // namespace orvane
