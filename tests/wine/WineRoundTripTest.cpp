// Orvane's Wine store against Wine itself: what Wine's reg writes, Orvane
// reads; what Orvane writes, Wine reports and keeps; and no write while a
// wineserver holds the registry.
#include "registry/RegistryErrors.h"
#include "settings/Schema.h"
#include "files/TextEncoding.h"
#include "tests/support/TempPrefix.h"
#include "tests/wine/WinePrefixFixture.h"

#include <algorithm>
#include <fstream>

namespace orvane::test {
namespace {

const std::string Tricky = "Jürgen \"x\" \\y 漢";

class WineRoundTrip : public WinePrefixTest {
protected:
    // reg export's file, UTF-16 with a byte-order mark, as UTF-8.
    std::string exported(const std::string& key) const
    {
        const std::filesystem::path file = prefix().parent_path() / "orvane-export.reg";
        std::filesystem::remove(file);
        std::string windowsPath = "Z:" + file.string();
        std::replace(windowsPath.begin(), windowsPath.end(), '/', '\\');
        std::string output;
        EXPECT_EQ(wine({"reg", "export", key, windowsPath, "/y"}, &output), 0) << output;
        const std::string bytes = readFile(file);
        std::filesystem::remove(file);
        const std::u16string units = utf16leUnits(std::vector<uint8_t>(bytes.begin(), bytes.end()));
        return utf16ToUtf8(units.substr(units.empty() || units[0] != 0xFEFF ? 0 : 1));
    }
};

TEST_F(WineRoundTrip, WhatRegAddWritesOrvaneReadsExactly)
{
    const std::string key = std::string(WineKey);
    std::string output;
    ASSERT_EQ(wine({"reg", "add", key, "/v", "Text", "/t", "REG_SZ", "/d", Tricky, "/f"}, &output), 0) << output;
    ASSERT_EQ(wine({"reg", "add", key, "/v", "Expand", "/t", "REG_EXPAND_SZ", "/d", "%SystemRoot%\\fonts", "/f"}), 0);
    ASSERT_EQ(wine({"reg", "add", key, "/v", "Number", "/t", "REG_DWORD", "/d", "42", "/f"}), 0);
    ASSERT_EQ(wine({"reg", "add", key, "/v", "Blob", "/t", "REG_BINARY", "/d", "0a0b0c0d0e", "/f"}), 0);
    ASSERT_EQ(wine({"reg", "add", key + "\\A\\B\\C\\D", "/v", "Deep", "/t", "REG_SZ", "/d", "deep", "/f"}), 0);

    WinePrefixStore store(prefix());
    const auto blob = store.queryValue(Key, "Blob");
    ASSERT_TRUE(blob);
    EXPECT_EQ(*blob, (RegValue{REG_BINARY_TYPE, {0x0a, 0x0b, 0x0c, 0x0d, 0x0e}}));
    auto registry = orvane();
    RegistryKey opened = registry->openKey(Key);
    ASSERT_TRUE(opened.isOpen());
    EXPECT_EQ(opened.readString("Text"), Tricky);
    EXPECT_EQ(opened.readString("Expand"), "%SystemRoot%\\fonts");
    EXPECT_EQ(opened.readInteger("Number"), 42);
    opened = registry->openKey(std::string(Key) + "\\a\\b\\c\\d");
    ASSERT_TRUE(opened.isOpen());
    EXPECT_EQ(opened.readString("deep"), "deep");
    EXPECT_TRUE(registry->keyExists(std::string(Key) + "\\A\\B"));
}

TEST_F(WineRoundTrip, WhatOrvaneWritesAndDeletesWineReports)
{
    {
        auto registry = orvane();
        RegistryCommand command(*registry);
        RegistryKey key = registry->createKey(std::string(Key) + "\\Kept");
        key.writeString("Text", Tricky);
        key.writeInteger("Number", 42);
        key.writeBool("Flag", true);
        key.writeString("Empty", "");
        key.writeString("Gone", "x");
        key.deleteValue("Gone");
        key = registry->createKey(std::string(Key) + "\\Tree\\Sub");
        key.writeString("v", "1");
        registry->deleteKey(std::string(Key) + "\\Tree");
        command.finish();
    }
    const std::string text = exported(WineKey);
    EXPECT_NE(text.find("[HKEY_CURRENT_USER\\Software\\OrvaneRoundTrip\\Kept]"), std::string::npos) << text;
    EXPECT_NE(text.find("\"Text\"=\"Jürgen \\\"x\\\" \\\\y 漢\""), std::string::npos) << text;
    EXPECT_NE(text.find("\"Number\"=dword:0000002a"), std::string::npos) << text;
    EXPECT_NE(text.find("\"Flag\"=dword:00000001"), std::string::npos) << text;
    EXPECT_NE(text.find("\"Empty\"=\"\""), std::string::npos) << text;
    EXPECT_EQ(text.find("Gone"), std::string::npos) << text;
    EXPECT_EQ(text.find("Tree"), std::string::npos) << text;

    std::string output;
    EXPECT_EQ(wine({"reg", "query", std::string(WineKey) + "\\Kept", "/v", "Number"}, &output), 0);
    EXPECT_NE(output.find("0x2a"), std::string::npos) << output;
}

TEST_F(WineRoundTrip, AUserRegThatWineRewroteLosesNothingOrvaneWrote)
{
    {
        auto registry = orvane();
        RegistryCommand command(*registry);
        RegistryKey key = registry->createKey(std::string(Key) + "\\Orvane");
        key.writeString("Text", Tricky);
        key.writeInteger("Negative", -6112);
        key.writeString("Empty", "");
        key = registry->createKey(std::string(Key) + "\\Orvane\\BnetUsers");
        command.finish();
    }
    const std::string before = readFile(prefix() / "user.reg");
    ASSERT_EQ(wine({"reg", "add", std::string(WineKey) + "\\Other", "/v", "x", "/d", "y", "/f"}), 0);
    const std::string after = readFile(prefix() / "user.reg");
    ASSERT_NE(after, before); // Wine wrote the file itself
    ASSERT_NE(after.find("[Software\\\\OrvaneRoundTrip\\\\Other]"), std::string::npos);

    auto registry = orvane();
    RegistryKey key = registry->openKey(std::string(Key) + "\\Orvane");
    ASSERT_TRUE(key.isOpen());
    EXPECT_EQ(key.readString("Text"), Tricky);
    EXPECT_EQ(key.readInteger("Negative"), -6112);
    EXPECT_TRUE(key.hasValue("Empty"));
    EXPECT_TRUE(registry->keyExists(std::string(Key) + "\\Orvane\\BnetUsers"));
}

// Another program's blocks with lines neither Orvane nor Wine can read, an
// odd continuation, a second block of one key and bytes outside the
// encoding: Orvane's write keeps them as they are, and Wine reads past them.
TEST_F(WineRoundTrip, OddBlocksOfOtherProgramsStayAsTheyAreAndWineStillReadsTheGamesValue)
{
    const std::string odd = "\n[Software\\\\OrvaneRoundTrip\\\\Odd] 1796739014\n"
                            "garbage line\n"
                            "\"x\"=hex:00,\\\n"
                            "  [not a key\n"
                            "\"bytes\"=\"\xff\xfe\"\n"
                            "[Software\\\\OrvaneRoundTrip\\\\Odd] 1796739015\n"
                            "\"y\"=dword:0000002a\n";
    std::ofstream(prefix() / "user.reg", std::ios::app | std::ios::binary) << odd;
    {
        auto registry = orvane();
        RegistryCommand command(*registry);
        RegistryKey key = registry->createKey(std::string(schema::VideoKey));
        ASSERT_TRUE(key.isOpen());
        key.writeInteger("gamma", 33);
        command.finish();
    }
    EXPECT_NE(readFile(prefix() / "user.reg").find(odd), std::string::npos);
    std::string output;
    EXPECT_EQ(wine({"reg", "query", "HKCU\\" + std::string(schema::VideoKey), "/v", "gamma"}, &output), 0) << output;
    EXPECT_NE(output.find("0x21"), std::string::npos) << output;
}

TEST_F(WineRoundTrip, OrvaneRefusesToWriteWhileAWineserverRuns)
{
    ASSERT_EQ(runProgram({"wineserver", "-p"}), 0);
    const std::string before = readFile(prefix() / "user.reg");
    std::string message;
    try {
        orvane()->createKey(std::string(Key) + "\\WhileRunning");
    } catch (const RegistryStoreError& error) {
        message = error.what();
    }
    runProgram({"wineserver", "-k"});
    waitForWineserver();
    EXPECT_NE(message.find("Wine is running for the prefix " + prefix().string()), std::string::npos) << message;
    EXPECT_EQ(readFile(prefix() / "user.reg"), before);
    EXPECT_TRUE(orvane()->createKey(std::string(Key) + "\\AfterIt").isOpen());
}

} // namespace
} // namespace orvane::test
