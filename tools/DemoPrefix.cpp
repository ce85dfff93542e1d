#include "tools/DemoPrefix.h"

#include "registry/RegistryAccess.h"
#include "wine/WinePrefixStore.h"
#include "tools/GameDefaults.h"

#include <filesystem>
#include <fstream>

namespace orvane {

namespace fs = std::filesystem;

namespace {

constexpr const char* GameFolder = "C:\\Program Files\\Warcraft III";

void writeRegistry(const fs::path& prefix)
{
    RegistryAccess registry(std::make_unique<WinePrefixStore>(prefix));
    RegistryCommand command(registry);
    writeGameDefaults(registry, GameFolder);
    command.finish();
}

} // namespace

void createDemoPrefix(const fs::path& prefix)
{
    fs::create_directories(prefix / "dosdevices");
    fs::create_directories(prefix / "drive_c");
    if (!fs::is_symlink(prefix / "dosdevices" / "c:"))
        fs::create_directory_symlink("../drive_c", prefix / "dosdevices" / "c:");
    if (!fs::is_symlink(prefix / "dosdevices" / "z:"))
        fs::create_directory_symlink("/", prefix / "dosdevices" / "z:");
    const fs::path game = prefix / "drive_c" / "Program Files" / "Warcraft III";
    writeGameFolder(game);
    writeRegistry(prefix);
    // A prefix as Wine makes it also has the machine's registry.
    if (!fs::exists(prefix / "system.reg"))
        std::ofstream(prefix / "system.reg", std::ios::binary)
            << "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n#arch=win64\n";
}

} // namespace orvane
