#pragma once
// The demo prefix in a folder of its own: the game installed in
// "C:\Program Files\Warcraft III" with every setting at its default.
#include "settings/RegistryAccess.h"
#include "settings/WinePrefixStore.h"
#include "tests/support/TempPrefix.h"

#include <filesystem>
#include <string>

namespace orvane::test {

class GamePrefix : public TempPrefix {
public:
    GamePrefix();
    std::filesystem::path gameFolder() const;
    // Changes values as Wine or the game would, in one write.
    template <class Change>
    void edit(Change change) const;
};

template <class Change>
void GamePrefix::edit(Change change) const
{
    RegistryAccess registry(std::make_unique<WinePrefixStore>(path()));
    RegistryCommand command(registry);
    change(registry);
    registry.CloseKey();
    command.finish();
}

inline constexpr const char* GameFolderWindows = "C:\\Program Files\\Warcraft III";

} // namespace orvane::test
