#include "platform/HostPaths.h"
#include "tests/support/TempPrefix.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

class HostPaths : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::create_directories(prefix.path() / "dosdevices");
        std::filesystem::create_directories(prefix.path() / "drive_c" / "Program Files" / "Warcraft III");
        std::filesystem::create_directory_symlink("../drive_c", prefix.path() / "dosdevices" / "c:");
        std::filesystem::create_directory_symlink(prefix.path().string(), prefix.path() / "dosdevices" / "z:");
        test::writeFile(prefix.path() / "drive_c" / "Program Files" / "Warcraft III" / "War3.MPQ", "x");
    }
    test::TempPrefix prefix;
};

TEST_F(HostPaths, DriveGoesThroughDosdevicesAndComponentsIgnoreCase)
{
    const auto host = winePathToHost(prefix.path(), "c:\\PROGRAM FILES\\warcraft iii\\");
    EXPECT_TRUE(std::filesystem::equivalent(host, prefix.path() / "drive_c" / "Program Files" / "Warcraft III"));
    EXPECT_TRUE(containsFile(host, "war3.mpq"));
    EXPECT_FALSE(containsFile(host, "war3.exe"));
    const auto viaZ = winePathToHost(prefix.path(), "Z:\\DRIVE_C/program files");
    EXPECT_TRUE(std::filesystem::equivalent(viaZ, prefix.path() / "drive_c" / "Program Files"));
}

TEST_F(HostPaths, MissingPartsAndOtherPathsStayAsTheyAre)
{
    EXPECT_EQ(winePathToHost(prefix.path(), "C:\\Games\\New").filename(), "New");
    EXPECT_EQ(winePathToHost(prefix.path(), "relative\\dir"), std::filesystem::path("relative\\dir"));
    EXPECT_EQ(winePathToHost(prefix.path(), ""), std::filesystem::path());
}

} // namespace
} // namespace orvane
