#include "tests/support/GamePrefix.h"

#include "tools/DemoPrefix.h"

namespace orvane::test {

GamePrefix::GamePrefix()
{
    createDemoPrefix(path());
}

std::filesystem::path GamePrefix::gameFolder() const
{
    return path() / "drive_c" / "Program Files" / "Warcraft III";
}

} // namespace orvane::test
