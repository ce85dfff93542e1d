#include "app/PrefixChoice.h"

#include "files/Utf8Paths.h"
#include "wine/WinePaths.h"

#include <algorithm>
#include <cstdio>

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
                                        EventDispatcher& dispatcher, const Texts& texts, PrefixSettlement settled)
{
    if (auto* prefix = std::get_if<PrefixInUse>(&settled))
        return *prefix;
    PrefixChooser chooser(std::get<std::vector<GamePrefix>>(settled), dispatcher, texts);
    const std::optional<GamePrefix> chosen = chooser.choose(toolkit, eventLoop);
    if (!chosen)
        return std::nullopt;
    return PrefixInUse{.folder = chosen->folder, .wine = chosen->wine};
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
            .winePrefix = prefix.string(),
            .history = prefixHistoryFolder(HomeFolders::fromEnvironment(), prefix)};
}

std::filesystem::path prefixHistoryFolder(const HomeFolders& folders, const std::filesystem::path& prefix)
{
    std::error_code error;
    std::filesystem::path whole = std::filesystem::weakly_canonical(prefix, error);
    if (error)
        whole = prefix.lexically_normal();
    const std::string path = displayPath(whole);
    uint32_t checksum = 2166136261u; // FNV-1a
    for (const char c : path)
        checksum = (checksum ^ static_cast<uint8_t>(c)) * 16777619u;
    const std::filesystem::path belowHome = whole.lexically_relative(folders.home);
    std::string readable = displayPath(
        !folders.home.empty() && !belowHome.empty() && *belowHome.begin() != ".." ? belowHome : whole.relative_path());
    std::replace(readable.begin(), readable.end(), '/', '-');
    char hex[16];
    std::snprintf(hex, sizeof hex, " %08x", checksum);
    return folders.stateHome / "orvane" / "history" / pathOf(readable + hex);
}

std::optional<PrefixInUse> prefixForCommand(const std::optional<std::string>& named, const HomeFolders& folders,
                                            const char* winePrefixVariable, const Texts& texts, std::ostream& err)
{
    if (named)
        return PrefixInUse{.folder = *named};
    auto settled = prefixWithoutAsking(folders, winePrefixVariable);
    if (auto* prefix = std::get_if<PrefixInUse>(&settled))
        return *prefix;
    err << texts.formatted("Warcraft III is installed in several Wine prefixes. Name the one to edit with %s:",
                           {"--prefix"})
        << '\n';
    for (const GamePrefix& prefix : std::get<std::vector<GamePrefix>>(settled))
        err << "  " << prefix.folder.string() << '\n';
    return std::nullopt;
}

} // namespace orvane
