// The history of changes: its entries as regedit files, the store that
// fills them with exactly what each command replaced, and the folder that
// keeps the newest hundred.
#include "files/TextEncoding.h"
#include "registry/ChangeHistory.h"
#include "registry/HistoryStore.h"
#include "registry/RegistryAccess.h"
#include "registry/RegistryErrors.h"
#include "tests/support/Files.h"

#ifndef _WIN32
#include "tests/support/FakeWineserver.h"
#include "tests/support/TempPrefix.h"
#include "wine/WinePrefixStore.h"
#endif

#include <gtest/gtest.h>

namespace orvane {
namespace {

namespace fs = std::filesystem;

RegValue dword(uint32_t n)
{
    return {REG_DWORD_TYPE, {uint8_t(n), uint8_t(n >> 8), uint8_t(n >> 16), uint8_t(n >> 24)}};
}

RegValue text(std::u16string units, uint32_t type = REG_SZ_TYPE)
{
    units.push_back(u'\0');
    return {type, utf16leBytes(units)};
}

std::string utf16File(std::string_view utf8)
{
    const std::vector<uint8_t> bytes = utf16leBytes(utf8ToUtf16(utf8));
    return "\xFF\xFE" + std::string(bytes.begin(), bytes.end());
}

// A folder of the test's own, removed afterwards.
class Scratch {
public:
    Scratch()
        : path_(fs::temp_directory_path() /
                ("orvane-history-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name())))
    {
        fs::remove_all(path_);
    }
    ~Scratch() { fs::remove_all(path_); }
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

TEST(RegeditFile, AnEntryIsWrittenAsRegeditExportsIt)
{
    const std::vector<RegeditKey> keys{{"Software\\Orvane", true, {}},
                                       {"Software\\Blizzard Entertainment\\Warcraft III\\Video",
                                        false,
                                        {{"gamma", dword(25), ValueState(dword(40))},
                                         {"Allow \"Local\"", std::nullopt, ValueState(text(u"J\u00fcrgen"))}}}};
    EXPECT_EQ(regeditFileBytes(keys),
              utf16File("Windows Registry Editor Version 5.00\r\n"
                        "\r\n"
                        "[-HKEY_CURRENT_USER\\Software\\Orvane]\r\n"
                        "\r\n"
                        "[HKEY_CURRENT_USER\\Software\\Blizzard Entertainment\\Warcraft III\\Video]\r\n"
                        "; changed to: dword:00000028\r\n"
                        "\"gamma\"=dword:00000019\r\n"
                        "; changed to: \"J\u00fcrgen\"\r\n"
                        "\"Allow \\\"Local\\\"\"=-\r\n"
                        "\r\n"));
}

TEST(RegeditFile, EveryKindOfDataReadsBackAsItWasWritten)
{
    std::vector<uint8_t> many(100);
    for (size_t i = 0; i < many.size(); ++i)
        many[i] = static_cast<uint8_t>(i * 7);
    const std::vector<RegeditKey> keys{
        {"Software\\Orvane",
         false,
         {{"", text(u"default")},
          {"back\\slash \"quoted\"", text(u"C:\\Program Files\\\"x\"")},
          {"two lines", text(u"one\r\ntwo")},
          {"expand", text(u"%APPDATA%", REG_EXPAND_SZ_TYPE)},
          {"list", RegValue{REG_MULTI_SZ_TYPE, utf16leBytes(std::u16string(u"a\0b\0\0", 5))}},
          {"bytes", RegValue{REG_BINARY_TYPE, many}, ValueState(RegValue{REG_BINARY_TYPE, {1, 2}})},
          {"short dword", RegValue{REG_DWORD_TYPE, {1, 2, 3}}},
          {"empty", RegValue{REG_NONE_TYPE, {}}, ValueState()},
          {"\u00fcmlaut", dword(0xdeadbeef)}}},
        {"Software\\Orvane\\BnetUsers", true, {}}};
    EXPECT_EQ(parseRegeditFile(regeditFileBytes(keys), "entry.reg"), keys);
}

TEST(RegeditFile, LongDataIsContinuedOnLinesThatStartWithTwoBlanks)
{
    const std::vector<RegeditKey> keys{
        {"Software\\Orvane", false, {{"bytes", RegValue{REG_BINARY_TYPE, std::vector<uint8_t>(60, 0xab)}}}}};
    const std::string bytes = regeditFileBytes(keys);
    const std::u16string units = utf16leUnits(std::vector<uint8_t>(bytes.begin() + 2, bytes.end()));
    const std::string written = utf16ToUtf8(units);
    // As regedit: no line longer than 80 characters, continued after "\".
    EXPECT_NE(written.find("[HKEY_CURRENT_USER\\Software\\Orvane]\r\n"
                           "\"bytes\"=hex:ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,\\\r\n"
                           "  ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,\\\r\n"
                           "  ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab\r\n"),
              std::string::npos)
        << written;
}

TEST(RegeditFile, WhatIsNoRegistryFileIsRefusedWithItsLine)
{
    const auto message = [](const std::string& content) {
        try {
            parseRegeditFile(content, "x.reg");
        } catch (const RegistryError& error) {
            return std::string(error.what());
        }
        return std::string("read");
    };
    EXPECT_EQ(message("hello\n"), "Cannot read x.reg: line 1 is not \"Windows Registry Editor Version 5.00\". It is "
                                  "not a registry file as regedit writes it");
    EXPECT_EQ(message("REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software]\n"),
              "Cannot read x.reg: line 3 names a key outside HKEY_CURRENT_USER. It is not a registry file as regedit "
              "writes it");
    EXPECT_EQ(message("REGEDIT4\n\n[HKCU\\Software\\Orvane]\n\"a\"=dword:123456789\n"),
              "Cannot read x.reg: line 4 has a dword that is not up to 8 hex digits. It is not a registry file as "
              "regedit writes it");
}

TEST(ChangeHistory, TheHundredAndFirstEntryRemovesTheOldest)
{
    Scratch folder;
    test::writeFile(folder.path() / "notes.txt", "the player's own");
    ChangeHistory history(folder.path());
    for (int i = 1; i <= 101; ++i) {
        history.nameChange("Change " + std::to_string(i));
        history.commandEnded({{"Software\\Orvane", true, {}}});
    }
    const std::vector<HistoryEntry> entries = history.entries();
    ASSERT_EQ(entries.size(), 100u);
    EXPECT_EQ(entries.front().label, "Change 101");
    EXPECT_EQ(entries.back().label, "Change 2");
    EXPECT_EQ(entries.back().changes, 1u);
    size_t files = 0;
    for ([[maybe_unused]] const auto& file : fs::directory_iterator(folder.path()))
        ++files;
    EXPECT_EQ(files, 101u); // the entries and notes.txt
}

TEST(ChangeHistory, AContinuedChangeJoinsTheLastEntryUntilAnotherKindIsWritten)
{
    Scratch folder;
    ChangeHistory history(folder.path());
    const std::string video = "Software\\Blizzard Entertainment\\Warcraft III\\Video";
    history.nameChange("Auto-apply", true);
    history.commandEnded({{video, false, {{"gamma", dword(25), ValueState(dword(30))}}}});
    history.nameChange("Auto-apply", true);
    history.commandEnded(
        {{video, false, {{"gamma", dword(30), ValueState(dword(50))}, {"lights", dword(1), ValueState(dword(2))}}}});
    ASSERT_EQ(history.entries().size(), 1u);
    EXPECT_EQ(parseRegeditFile(test::readFile(history.entries()[0].file), "entry"),
              (std::vector<RegeditKey>{
                  {video,
                   false,
                   {{"gamma", dword(25), ValueState(dword(50))}, {"lights", dword(1), ValueState(dword(2))}}}}));
    history.nameChange("Apply Video");
    history.commandEnded({{video, false, {{"gamma", dword(50), ValueState(dword(60))}}}});
    history.nameChange("Auto-apply", true);
    history.commandEnded({{video, false, {{"gamma", dword(60), ValueState(dword(70))}}}});
    const std::vector<HistoryEntry> entries = history.entries();
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].label, "Auto-apply");
    EXPECT_EQ(entries[1].label, "Apply Video");
    EXPECT_EQ(entries[2].label, "Auto-apply");
    EXPECT_EQ(entries[2].changes, 2u);
}

TEST(ChangeHistory, AnEntryThatCannotBeWrittenIsToldOnce)
{
    Scratch folder;
    test::writeFile(folder.path(), "a file where the folder should be");
    ChangeHistory history(folder.path());
    history.nameChange("Apply Video");
    history.commandEnded({{"Software\\Orvane", true, {}}});
    try {
        history.tellFailure();
        ADD_FAILURE() << "not told";
    } catch (const HistoryNotKept& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Orvane made the change, but could not keep the settings it replaced in its history folder " +
                      folder.path().string() +
                      ", so the change cannot be undone. Free some disk space or check the folder's permissions");
        EXPECT_FALSE(error.reason().empty());
    }
    history.commandEnded({{"Software\\Orvane", true, {}}});
    EXPECT_NO_THROW(history.tellFailure());
}

#ifndef _WIN32
constexpr std::string_view Base = "Software\\HistoryTest";

class HistoryStoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        prefix.writeUserReg(std::string(test::WineHeader) +
                            "\n[Software\\\\HistoryTest\\\\A] 1\n\"x\"=dword:00000001\n\"y\"=dword:00000002\n"
                            "\n[Software\\\\HistoryTest\\\\A\\\\B] 1\n\"z\"=\"zed\"\n"
                            "\n[Software\\\\Elsewhere] 1\n\"e\"=dword:00000001\n");
        registry = std::make_unique<RegistryAccess>(
            std::make_unique<HistoryStore>(std::make_unique<WinePrefixStore>(prefix.path()), history,
                                           RecordedKeys{{std::string(Base)}, {std::string(Base) + "\\A\\B"}}));
    }
    std::vector<RegeditKey> newestEntry() const
    {
        const auto entries = history.entries();
        return entries.empty() ? std::vector<RegeditKey>{} : parseRegeditFile(test::readFile(entries[0].file), "e");
    }

    test::TempPrefix prefix;
    Scratch folder;
    ChangeHistory history{folder.path()};
    std::unique_ptr<RegistryAccess> registry;
};

TEST_F(HistoryStoreTest, EachValueAndKeyIsKeptAsBeforeItsFirstChangeAndOnlyWhenItChanged)
{
    RegistryCommand command(*registry);
    RegistryKey a = registry->openKey("Software\\HistoryTest\\A");
    a.writeInteger("x", 5);
    a.writeInteger("x", 6);
    a.writeInteger("y", 2); // as it was
    a.deleteValue("none");  // there was none
    a.writeInteger("w", 3); // new
    registry->createKey("Software\\HistoryTest\\New\\Deep").writeInteger("v", 1);
    registry->openKey("Software\\Elsewhere").writeInteger("e", 9); // not followed
    command.finish();
    EXPECT_EQ(newestEntry(), (std::vector<RegeditKey>{
                                 {"Software\\HistoryTest\\A",
                                  false,
                                  {{"x", dword(1), ValueState(dword(6))}, {"w", std::nullopt, ValueState(dword(3))}}},
                                 {"Software\\HistoryTest\\New", true, {}}}));
}

TEST_F(HistoryStoreTest, ADeletedTreeIsKeptWithItsKnownKeys)
{
    RegistryCommand command(*registry);
    registry->deleteKey("Software\\HistoryTest\\A");
    command.finish();
    EXPECT_EQ(newestEntry(),
              (std::vector<RegeditKey>{
                  {"Software\\HistoryTest\\A", false, {{"x", dword(1), ValueState()}, {"y", dword(2), ValueState()}}},
                  {"Software\\HistoryTest\\A\\B", false, {{"z", text(u"zed"), ValueState()}}}}));
}

TEST_F(HistoryStoreTest, NothingChangedIsNoEntry)
{
    RegistryCommand command(*registry);
    registry->openKey("Software\\HistoryTest\\A").writeInteger("x", 1);
    command.finish();
    EXPECT_TRUE(history.entries().empty());
}

TEST_F(HistoryStoreTest, AWriteTheStoreRefusesLeavesNoEntry)
{
    const test::FakeWineserver wine(prefix.path());
    RegistryCommand command(*registry);
    registry->openKey("Software\\HistoryTest\\A").writeInteger("x", 5);
    EXPECT_THROW(command.finish(), RegistryStoreError);
    EXPECT_TRUE(history.entries().empty());
    EXPECT_EQ(registry->openKey("Software\\HistoryTest\\A").readInteger("x"), 1);
}

// Auto-apply's entry keeps growing while a window is open: a refused part
// leaves it as it was, and the next change joins it still.
TEST_F(HistoryStoreTest, ARefusedWriteLeavesTheContinuedEntryAsItWas)
{
    const auto change = [this](const char* name, int value) {
        history.nameChange("Auto-apply", true);
        RegistryCommand command(*registry);
        registry->openKey("Software\\HistoryTest\\A").writeInteger(name, value);
        command.finish();
    };
    change("x", 5);
    const std::string before = test::readFile(history.entries().at(0).file);
    {
        const test::FakeWineserver wine(prefix.path());
        EXPECT_THROW(change("y", 7), RegistryStoreError);
    }
    ASSERT_EQ(history.entries().size(), 1u);
    EXPECT_EQ(test::readFile(history.entries()[0].file), before);
    change("y", 8);
    ASSERT_EQ(history.entries().size(), 1u);
    EXPECT_EQ(newestEntry(), (std::vector<RegeditKey>{{"Software\\HistoryTest\\A",
                                                       false,
                                                       {{"x", dword(1), ValueState(dword(5))},
                                                        {"y", dword(2), ValueState(dword(8))}}}}));
}
#endif

} // namespace
} // namespace orvane
