#pragma once
// A Wine prefix with the game installed in "C:\Program Files\Warcraft III",
// as the GUI tests start Orvane on it.
#include "tests/support/TempPrefix.h"

#include <filesystem>
#include <string>

namespace orvane::test {

class GamePrefix : public TempPrefix {
public:
    GamePrefix();
    std::filesystem::path gameFolder() const;
    // The game key with "InstallPath" and "Program", followed by more keys.
    void writeGameKey(const std::string& moreKeys = "") const;
};

inline constexpr const char* GameFolderWindows = "C:\\Program Files\\Warcraft III";

} // namespace orvane::test
