#include "wine/PathMapping.h"
#include "wine/WinePaths.h"
#include "tests/support/TempPrefix.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

class WinePaths : public ::testing::Test {
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

TEST_F(WinePaths, DriveGoesThroughDosdevicesAndComponentsIgnoreCase)
{
    const auto host = winePathToHost(prefix.path(), "c:\\PROGRAM FILES\\warcraft iii\\");
    EXPECT_TRUE(std::filesystem::equivalent(host, prefix.path() / "drive_c" / "Program Files" / "Warcraft III"));
    const PathMapping paths(prefix.path());
    EXPECT_TRUE(paths.containsFile(host, "war3.mpq"));
    EXPECT_FALSE(paths.containsFile(host, "war3.exe"));
    EXPECT_TRUE(std::filesystem::equivalent(paths.hostPath("C:\\program files"), host.parent_path()));
    const auto viaZ = winePathToHost(prefix.path(), "Z:\\DRIVE_C/program files");
    EXPECT_TRUE(std::filesystem::equivalent(viaZ, prefix.path() / "drive_c" / "Program Files"));
}

TEST_F(WinePaths, MissingPartsAndOtherPathsStayAsTheyAre)
{
    EXPECT_EQ(winePathToHost(prefix.path(), "C:\\Games\\New").filename(), "New");
    EXPECT_EQ(winePathToHost(prefix.path(), "relative\\dir"), std::filesystem::path("relative\\dir"));
    EXPECT_EQ(winePathToHost(prefix.path(), ""), std::filesystem::path());
}

TEST(WindowsPathsOfTheHost, GoThroughTheLongestDriveLink)
{
    test::TempPrefix prefix;
    std::filesystem::create_directories(prefix.path() / "dosdevices");
    std::filesystem::create_directories(prefix.path() / "drive_c" / "Games" / "Warcraft III");
    std::filesystem::create_directory_symlink("../drive_c", prefix.path() / "dosdevices" / "c:");
    std::filesystem::create_directory_symlink("/", prefix.path() / "dosdevices" / "z:");
    std::filesystem::create_directory_symlink("/nowhere/at/all", prefix.path() / "dosdevices" / "d:");
    EXPECT_EQ(hostToWinePath(prefix.path(), prefix.path() / "drive_c" / "Games" / "Warcraft III" / "war3.exe"),
              "C:\\Games\\Warcraft III\\war3.exe");
    EXPECT_EQ(hostToWinePath(prefix.path(), prefix.path() / "drive_c"), "C:\\");
    EXPECT_EQ(hostToWinePath(prefix.path(), "/usr/share/doc"), "Z:\\usr\\share\\doc");
    // Back again, whatever the case of its letters.
    EXPECT_TRUE(std::filesystem::equivalent(winePathToHost(prefix.path(), "c:\\games\\warcraft iii"),
                                            prefix.path() / "drive_c" / "Games" / "Warcraft III"));
}

} // namespace
} // namespace orvane
