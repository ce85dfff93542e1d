#pragma once
// A real Wine prefix shared by the round-trip tests ($WINEPREFIX, created
// when missing), and Wine's own programs run in it.
#include "registry/RegistryAccess.h"
#include "wine/WinePrefixStore.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace orvane::test {

// Runs a program without a shell; returns its exit status, and its output
// (standard output and error) in output.
int runProgram(const std::vector<std::string>& arguments, std::string* output = nullptr);

class WinePrefixTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;

    static std::filesystem::path prefix();
    // wine <arguments>, then waits for the wineserver to save and exit.
    static int wine(std::vector<std::string> arguments, std::string* output = nullptr);
    static void waitForWineserver();
    std::unique_ptr<RegistryAccess> orvane() const;

    // Below this key every test works; the fixture removes it.
    static constexpr const char* Key = "Software\\OrvaneRoundTrip";
    static constexpr const char* WineKey = "HKCU\\Software\\OrvaneRoundTrip";
};

} // namespace orvane::test
