#include "tests/support/GamePrefix.h"

namespace orvane::test {

GamePrefix::GamePrefix()
{
    std::filesystem::create_directories(path() / "dosdevices");
    std::filesystem::create_directories(gameFolder());
    std::filesystem::create_directory_symlink("../drive_c", path() / "dosdevices" / "c:");
}

std::filesystem::path GamePrefix::gameFolder() const
{
    return path() / "drive_c" / "Program Files" / "Warcraft III";
}

void GamePrefix::writeGameKey(const std::string& moreKeys) const
{
    writeUserReg(std::string(WineHeader) + "\n"
                 "[Software\\\\Blizzard Entertainment\\\\Warcraft III] 1796739014\n"
                 "#time=1dd871dd88b947e\n"
                 "\"InstallPath\"=\"C:\\\\Program Files\\\\Warcraft III\"\n"
                 "\"Program\"=\"C:\\\\Program Files\\\\Warcraft III\\\\Warcraft III.exe\"\n"
                 "\n" + moreKeys);
}

} // namespace orvane::test
