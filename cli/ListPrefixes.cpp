#include "cli/ListPrefixes.h"

namespace orvane {

int listGamePrefixes(const HomeFolders& folders, const Texts& texts, std::ostream& out, std::ostream& err)
{
    const std::vector<GamePrefix> found = everyGamePrefix(folders);
    if (found.empty()) {
        err << texts("No Wine prefix with Warcraft III was found: not in ~/.wine, nor among the prefixes of Lutris, "
                     "Bottles, PlayOnLinux or Steam.")
            << '\n';
        return 1;
    }
    for (const GamePrefix& prefix : found)
        out << prefix.launcher << '\t' << prefix.folder.string() << '\t' << prefix.installPath << '\t'
            << lastUsedText(prefix) << '\n';
    return 0;
}

} // namespace orvane
