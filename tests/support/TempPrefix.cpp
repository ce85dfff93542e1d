#include "tests/support/TempPrefix.h"

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <stdlib.h>

namespace orvane::test {

TempPrefix::TempPrefix()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "orvane-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a temporary prefix");
    path_ = pattern;
    std::filesystem::permissions(path_, std::filesystem::perms(0755));
}

TempPrefix::~TempPrefix()
{
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms(0755), ignored);
    std::filesystem::remove_all(path_, ignored);
}

void TempPrefix::writeUserReg(const std::string& content) const
{
    writeFile(userReg(), content);
}

std::string TempPrefix::readUserReg() const
{
    return readFile(userReg());
}

int TempPrefix::strayFiles() const
{
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(path_))
        if (entry.path().filename().string().starts_with("user.reg."))
            ++count;
    return count;
}

} // namespace orvane::test
