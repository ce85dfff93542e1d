#include "app/PrefixChoice.h"

#include "wine/WinePaths.h"

#include "dialogs/PrefixChooser.h"
#include "wine/WinePrefixStore.h"

namespace orvane {

PrefixSettlement prefixWithoutAsking(const HomeFolders& folders, const char* winePrefixVariable)
{
    if (winePrefixVariable && *winePrefixVariable)
        return PrefixInUse{.folder = absoluteFolder(winePrefixVariable, std::filesystem::current_path())};
    const std::filesystem::path wine = folders.home / ".wine";
    if (holdsGameKey(wine / "user.reg"))
        return PrefixInUse{.folder = wine};
    std::vector<GamePrefix> found = findGamePrefixes(folders);
    if (found.empty())
        return PrefixInUse{.folder = wine};
    if (found.size() == 1)
        return PrefixInUse{.folder = found[0].folder, .wine = found[0].wine};
    return found;
}

std::optional<PrefixInUse> choosePrefix(Toolkit& toolkit, const std::function<void()>& eventLoop,
                                        EventDispatcher& dispatcher, PrefixSettlement settled)
{
    if (auto* prefix = std::get_if<PrefixInUse>(&settled))
        return *prefix;
    PrefixChooser chooser(std::get<std::vector<GamePrefix>>(settled), dispatcher);
    const std::optional<GamePrefix> chosen = chooser.choose(toolkit, eventLoop);
    if (!chosen)
        return std::nullopt;
    return PrefixInUse{.folder = chosen->folder, .wine = chosen->wine};
}

std::string prefixDescription(const std::filesystem::path& prefix)
{
    return "Settings of the Wine prefix " + prefix.string();
}

SettingsPlace settingsOfPrefix(const std::filesystem::path& prefix, std::unique_ptr<RegistryStore> readAhead)
{
    auto first = std::make_shared<std::unique_ptr<RegistryStore>>(std::move(readAhead));
    return {.openStore = [prefix, first]() -> std::unique_ptr<RegistryStore> {
                if (*first)
                    return std::move(*first);
                return std::make_unique<WinePrefixStore>(prefix);
            },
            .paths = PathMapping(prefix),
            .description = prefixDescription(prefix)};
}

std::optional<PrefixInUse> prefixForCommand(const std::optional<std::string>& named, const HomeFolders& folders,
                                            const char* winePrefixVariable, std::ostream& err)
{
    if (named)
        return PrefixInUse{.folder = *named};
    auto settled = prefixWithoutAsking(folders, winePrefixVariable);
    if (auto* prefix = std::get_if<PrefixInUse>(&settled))
        return *prefix;
    err << "Warcraft III is installed in several Wine prefixes. Name the one to edit with --prefix:\n";
    for (const GamePrefix& prefix : std::get<std::vector<GamePrefix>>(settled))
        err << "  " << prefix.folder.string() << '\n';
    return std::nullopt;
}

} // namespace orvane
