// Starting the game through Wine in the prefix: which Wine, which
// arguments, which prefix and folder, and what happens without a Wine.
#include "platform/PosixProgramStarter.h"
#include "tests/support/Files.h"
#include "tests/support/TempPrefix.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>

namespace orvane {
namespace {

class WineStart : public ::testing::Test {
protected:
    void SetUp() override
    {
        savedPath = std::getenv("PATH") ? std::getenv("PATH") : "";
        savedWine = std::getenv("WINE") ? std::getenv("WINE") : "";
        ::unsetenv("WINE");
        // A wine that writes down what it was given.
        test::writeFile(bin.path() / "wine", "#!/bin/sh\n{ echo \"$WINEPREFIX\"; pwd; for a in \"$@\"; do echo \"[$a]\"; done; } > " +
                                                 (bin.path() / "record").string() + ".tmp\nmv " +
                                                 (bin.path() / "record").string() + ".tmp " +
                                                 (bin.path() / "record").string() + "\n");
        std::filesystem::permissions(bin.path() / "wine", std::filesystem::perms(0755));
        ::setenv("PATH", (bin.path().string() + ":" + savedPath).c_str(), 1);
    }
    void TearDown() override
    {
        ::setenv("PATH", savedPath.c_str(), 1);
        if (!savedWine.empty())
            ::setenv("WINE", savedWine.c_str(), 1);
    }
    std::string record() const
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (!std::filesystem::exists(bin.path() / "record") && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        return test::readFile(bin.path() / "record");
    }

    test::TempPrefix bin;
    test::TempPrefix prefix;
    std::string savedPath;
    std::string savedWine;
};

TEST_F(WineStart, WineOnThePathStartsTheWindowsPathWithTheArgumentsInThePrefix)
{
    PosixProgramStarter starter(prefix.path());
    std::string reason;
    ASSERT_TRUE(starter.startProgram("C:\\Games\\Warcraft III\\Warcraft III.exe", "-window \"a b\" -opengl", reason));
    EXPECT_EQ(record(), prefix.path().string() + "\n" + std::filesystem::current_path().string() +
                            "\n[C:\\Games\\Warcraft III\\Warcraft III.exe]\n[-window]\n[a b]\n[-opengl]\n");
}

TEST_F(WineStart, TheWineNamedByWineIsPreferred)
{
    const std::filesystem::path own = bin.path() / "own-wine";
    std::filesystem::copy_file(bin.path() / "wine", own);
    std::filesystem::remove(bin.path() / "wine");
    ::setenv("WINE", own.c_str(), 1);
    PosixProgramStarter starter(prefix.path());
    std::string reason;
    EXPECT_TRUE(starter.startProgram("C:\\x.exe", "", reason));
    EXPECT_NE(record().find("[C:\\x.exe]"), std::string::npos);
}

TEST_F(WineStart, WithoutAnyWineTheStartSaysSoAndDoesNotBegin)
{
    std::filesystem::remove(bin.path() / "wine");
    ::setenv("PATH", bin.path().c_str(), 1);
    PosixProgramStarter starter(prefix.path());
    std::string reason;
    EXPECT_FALSE(starter.startProgram("C:\\x.exe", "", reason));
    EXPECT_NE(reason.find("No Wine was found"), std::string::npos);
    ::setenv("WINE", "/nowhere/wine", 1);
    EXPECT_FALSE(starter.startProgram("C:\\x.exe", "", reason));
}

} // namespace
} // namespace orvane
