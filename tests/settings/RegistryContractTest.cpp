// The registry access contract, run against every store this build has.
#include "settings/Errors.h"
#include "settings/RegistryAccess.h"
#include "settings/TextEncoding.h"

#ifdef _WIN32
#include "settings/WindowsRegistryStore.h"
#else
#include "wine/WinePrefixStore.h"
#include "tests/support/TempPrefix.h"
#endif

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>

namespace orvane {
namespace {

// Every case works below this key, which the fixture removes again.
constexpr std::string_view Base = "Software\\OrvaneContractTest";

struct StoreKind {
    const char* name;
    std::function<std::unique_ptr<RegistryStore>()> make;
};

class RegistryContract : public ::testing::TestWithParam<StoreKind> {
protected:
    void SetUp() override
    {
        registry = std::make_unique<RegistryAccess>(GetParam().make());
        registry->DeleteKey(std::string(Base));
    }
    void TearDown() override
    {
        registry->CloseKey();
        registry->DeleteKey(std::string(Base));
    }
    static std::string path(std::string_view below) { return std::string(Base) + "\\" + std::string(below); }
    void expectError(const std::function<void()>& operation, std::string_view messageTemplate, std::string_view name)
    {
        try {
            operation();
            ADD_FAILURE() << "no error raised for " << name;
        } catch (const RegistryError& error) {
            EXPECT_EQ(error.what(), formatMessage(messageTemplate, name));
        }
    }

    std::unique_ptr<RegistryAccess> registry;
};

TEST_P(RegistryContract, OpenKeyWithoutCreationOfMissingKeyLeavesNoKeyCurrent)
{
    ASSERT_TRUE(registry->OpenKey(path("Present"), true));
    registry->WriteInteger("n", 1);
    EXPECT_FALSE(registry->OpenKey(path("Missing"), false));
    EXPECT_FALSE(registry->CurrentPath().has_value());
    EXPECT_FALSE(registry->ValueExists("n"));
    EXPECT_EQ(registry->ReadString("n"), "");
    expectError([&] { registry->WriteInteger("n", 5); }, messages::WriteFailed, "n");
    expectError([&] { registry->ReadInteger("n"); }, messages::ReadFailed, "n");
    EXPECT_FALSE(registry->KeyExists(path("Missing")));
    std::vector<std::string> names{"stale"};
    registry->GetValueNames(names);
    EXPECT_TRUE(names.empty());
}

TEST_P(RegistryContract, OpenKeyWithCreationMakesEveryMissingParent)
{
    ASSERT_TRUE(registry->OpenKey(path("A\\B\\C"), true));
    EXPECT_TRUE(registry->KeyExists(path("A")));
    EXPECT_TRUE(registry->KeyExists(path("A\\B")));
    EXPECT_TRUE(registry->KeyExists(path("A\\B\\C")));
    EXPECT_EQ(registry->CurrentPath(), path("A\\B\\C"));
}

TEST_P(RegistryContract, TrailingBackslashAndCaseNameTheSameKeyAndValue)
{
    ASSERT_TRUE(registry->OpenKey(path("Game\\"), true));
    registry->WriteInteger("Allow Local Files", 7);
    ASSERT_TRUE(registry->OpenKey(path("GAME"), false));
    EXPECT_EQ(registry->ReadInteger("allow local files"), 7);
    EXPECT_TRUE(registry->ValueExists("ALLOW LOCAL FILES"));
    registry->WriteInteger("ALLOW Local FILES", 8);
    std::vector<std::string> names;
    registry->GetValueNames(names);
    EXPECT_EQ(names.size(), 1u);
    EXPECT_TRUE(registry->KeyExists(std::string(Base) + "\\game\\"));
}

TEST_P(RegistryContract, KeyExistsLeavesTheCurrentKeyAlone)
{
    ASSERT_TRUE(registry->OpenKey(path("Current"), true));
    EXPECT_FALSE(registry->KeyExists(path("Other")));
    EXPECT_EQ(registry->CurrentPath(), path("Current"));
    registry->SetRootKey(RootKey::CurrentUser); // the same root keeps the key open
    EXPECT_EQ(registry->CurrentPath(), path("Current"));
}

TEST_P(RegistryContract, ReadStringReturnsTextAndRefusesOtherData)
{
    ASSERT_TRUE(registry->OpenKey(path("Text"), true));
    registry->WriteString("name", "Jürgen \"x\" \\y");
    EXPECT_EQ(registry->ReadString("NAME"), "Jürgen \"x\" \\y");
    EXPECT_EQ(registry->ReadString("missing"), "");
    registry->WriteInteger("number", 1);
    expectError([&] { registry->ReadString("number"); }, messages::InvalidType, "number");
}

TEST_P(RegistryContract, ReadIntegerRefusesTextAndMissingValues)
{
    ASSERT_TRUE(registry->OpenKey(path("Numbers"), true));
    registry->WriteString("text", "1");
    expectError([&] { registry->ReadInteger("text"); }, messages::InvalidType, "text");
    // Text counts one byte a character, as the ANSI interface reports it.
    registry->WriteString("four", "6112");
    expectError([&] { registry->ReadInteger("four"); }, messages::ReadFailed, "four");
    registry->WriteString("three", "611");
    expectError([&] { registry->ReadInteger("three"); }, messages::InvalidType, "three");
    expectError([&] { registry->ReadBool("text"); }, messages::InvalidType, "text");
    expectError([&] { registry->ReadInteger("missing"); }, messages::ReadFailed, "missing");
    registry->WriteInteger("negative", -6112);
    EXPECT_EQ(registry->ReadInteger("negative"), -6112);
    registry->WriteInteger("max", INT32_MAX);
    EXPECT_EQ(registry->ReadInteger("max"), INT32_MAX);
}

TEST_P(RegistryContract, WriteBoolStoresOneAndZero)
{
    ASSERT_TRUE(registry->OpenKey(path("Flags"), true));
    registry->WriteBool("on", true);
    registry->WriteBool("off", false);
    EXPECT_EQ(registry->ReadInteger("on"), 1);
    EXPECT_EQ(registry->ReadInteger("off"), 0);
    EXPECT_TRUE(registry->ReadBool("on"));
    EXPECT_FALSE(registry->ReadBool("off"));
}

TEST_P(RegistryContract, WriteStringReplacesAValueOfAnotherType)
{
    ASSERT_TRUE(registry->OpenKey(path("Replace"), true));
    registry->WriteInteger("v", 3);
    registry->WriteString("v", "three");
    EXPECT_EQ(registry->ReadString("v"), "three");
    registry->WriteString("v", "");
    EXPECT_TRUE(registry->ValueExists("v"));
    EXPECT_EQ(registry->ReadString("v"), "");
    expectError([&] { registry->ReadInteger("v"); }, messages::InvalidType, "v");
}

TEST_P(RegistryContract, NonAsciiTextSurvivesWriteAndReread)
{
    const std::string text = "ü é 漢 \xF0\x9F\x8E\xAE";
    ASSERT_TRUE(registry->OpenKey(path("Wörter"), true));
    registry->WriteString("Näme", text);
    RegistryAccess second(GetParam().make());
    ASSERT_TRUE(second.OpenKey(path("WÖRTER"), false));
    EXPECT_EQ(second.ReadString("NÄME"), text);
}

TEST_P(RegistryContract, DeleteValueRemovesOnlyThatValue)
{
    ASSERT_TRUE(registry->OpenKey(path("Del"), true));
    registry->WriteInteger("a", 1);
    registry->WriteInteger("b", 2);
    EXPECT_TRUE(registry->DeleteValue("A"));
    EXPECT_FALSE(registry->DeleteValue("a"));
    EXPECT_FALSE(registry->ValueExists("a"));
    EXPECT_EQ(registry->ReadInteger("b"), 2);
}

TEST_P(RegistryContract, DeleteKeyRemovesTheWholeTree)
{
    ASSERT_TRUE(registry->OpenKey(path("Tree\\Sub\\Deep"), true));
    registry->WriteString("x", "1");
    ASSERT_TRUE(registry->OpenKey(path("Tree\\Sub"), false));
    registry->WriteString("y", "2");
    ASSERT_TRUE(registry->OpenKey(path("Tree"), false));
    EXPECT_TRUE(registry->DeleteKey("Sub"));
    EXPECT_FALSE(registry->KeyExists(path("Tree\\Sub\\Deep")));
    EXPECT_FALSE(registry->KeyExists(path("Tree\\Sub")));
    EXPECT_TRUE(registry->KeyExists(path("Tree")));
    EXPECT_FALSE(registry->DeleteKey("Sub"));
    registry->CloseKey();
    EXPECT_TRUE(registry->DeleteKey(path("Tree")));
    EXPECT_FALSE(registry->KeyExists(path("Tree")));
    EXPECT_TRUE(registry->KeyExists(std::string(Base)));
}

TEST_P(RegistryContract, GetValueNamesListsEveryValueOfTheCurrentKey)
{
    ASSERT_TRUE(registry->OpenKey(path("Names"), true));
    for (const char* name : {"BnetName0", "BnetName1", "other"})
        registry->WriteString(name, name);
    std::vector<std::string> names{"stale"};
    registry->GetValueNames(names);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"BnetName0", "BnetName1", "other"}));
}

TEST_P(RegistryContract, AMissingKeyFailsAtTheFirstWriteAndCreatesNothing)
{
    registry->OpenKey(path("Never"), false);
    expectError([&] { registry->WriteString("s", "x"); }, messages::WriteFailed, "s");
    expectError([&] { registry->WriteBool("b", true); }, messages::WriteFailed, "b");
    EXPECT_FALSE(registry->KeyExists(path("Never")));
}

RegValue utf16Data(uint32_t type, std::u16string_view units)
{
    return RegValue{type, utf16leBytes(units)};
}

TEST_P(RegistryContract, ReadsValuesOfEveryShapeAsStored)
{
    const std::string raw = path("Raw");
    {
        auto store = GetParam().make();
        ASSERT_TRUE(store->createKey(raw));
        ASSERT_TRUE(store->setValue(raw, "expand", utf16Data(REG_EXPAND_SZ_TYPE, std::u16string_view(u"%SystemRoot%\\x\0", 15))));
        ASSERT_TRUE(store->setValue(raw, "twoTexts", utf16Data(REG_SZ_TYPE, std::u16string_view(u"ab\0cd\0", 6))));
        ASSERT_TRUE(store->setValue(raw, "long", RegValue{REG_BINARY_TYPE, {1, 2, 3, 4, 5, 6, 7, 8}}));
        ASSERT_TRUE(store->setValue(raw, "four", RegValue{REG_BINARY_TYPE, {1, 0, 0, 0}}));
        ASSERT_TRUE(store->setValue(raw, "nothing", RegValue{REG_BINARY_TYPE, {}}));
        ASSERT_TRUE(store->setValue(raw, "short", RegValue{REG_DWORD_TYPE, {0x2a}}));
    }
    ASSERT_TRUE(registry->OpenKey(raw, false));
    EXPECT_EQ(registry->ReadString("expand"), "%SystemRoot%\\x");
    EXPECT_EQ(registry->ReadString("twoTexts"), "ab");
    expectError([&] { registry->ReadInteger("long"); }, messages::ReadFailed, "long");
    expectError([&] { registry->ReadInteger("four"); }, messages::InvalidType, "four");
    expectError([&] { registry->ReadString("four"); }, messages::InvalidType, "four");
    EXPECT_EQ(registry->ReadString("nothing"), "");
    EXPECT_TRUE(registry->ValueExists("nothing"));
    EXPECT_EQ(registry->ReadInteger("short"), 0x2a);
}

TEST_P(RegistryContract, AKeyAnotherWriterRemovesAndMakesAgainIsReadAsItNowIs)
{
    const std::string shared = path("Shared");
    const auto dword = [](uint8_t n) { return RegValue{REG_DWORD_TYPE, {n, 0, 0, 0}}; };
    auto reader = GetParam().make();
    auto writer = GetParam().make();
    const auto inCommand = [](RegistryStore& store, const std::function<void()>& work) {
        store.beginCommand();
        work();
        store.endCommand();
    };
    inCommand(*writer, [&] { ASSERT_TRUE(writer->createKey(shared) && writer->setValue(shared, "v", dword(1))); });
    inCommand(*reader, [&] {
        ASSERT_TRUE(reader->keyExists(shared));
        EXPECT_EQ(reader->queryValue(shared, "v"), dword(1));
    });
    inCommand(*writer, [&] { ASSERT_TRUE(writer->deleteTree(shared)); });
    inCommand(*reader, [&] {
        EXPECT_FALSE(reader->keyExists(shared));
        EXPECT_EQ(reader->queryValue(shared, "v"), std::nullopt);
        EXPECT_TRUE(reader->valueNames(shared).empty());
    });
    inCommand(*writer, [&] {
        ASSERT_TRUE(writer->createKey(shared) && writer->setValue(shared, "w", dword(2)));
    });
    inCommand(*reader, [&] {
        EXPECT_TRUE(reader->keyExists(shared));
        EXPECT_EQ(reader->queryValue(shared, "v"), std::nullopt);
        EXPECT_EQ(reader->queryValue(shared, "w"), dword(2));
        EXPECT_EQ(reader->valueNames(shared), std::vector<std::string>{"w"});
    });
}

TEST_P(RegistryContract, AValueOfAnySizeIsReadWhole)
{
    const std::string raw = path("Sizes");
    auto store = GetParam().make();
    ASSERT_TRUE(store->createKey(raw));
    for (size_t size : {0u, 255u, 256u, 257u, 5000u}) {
        RegValue value{REG_BINARY_TYPE, std::vector<uint8_t>(size)};
        for (size_t i = 0; i < size; ++i)
            value.data[i] = static_cast<uint8_t>(i * 7);
        ASSERT_TRUE(store->setValue(raw, "blob", value));
        EXPECT_EQ(store->queryValue(raw, "blob"), value) << size << " bytes";
    }
}

std::vector<StoreKind> storeKinds()
{
#ifdef _WIN32
    return {{"Windows", [] { return std::make_unique<WindowsRegistryStore>(); }}};
#else
    static test::TempPrefix prefix;
    return {{"WinePrefix", [] { return std::make_unique<WinePrefixStore>(prefix.path()); }}};
#endif
}

INSTANTIATE_TEST_SUITE_P(Stores, RegistryContract, ::testing::ValuesIn(storeKinds()),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace orvane
